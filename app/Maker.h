#pragma once
// The maker's addresses as the generated files show them. These are
// configuration values of this build, kept in one place.
#include "platform/sys/String.h"

inline constexpr StringView Maker_Web_Address = u"www.ostrel.example";
inline constexpr StringView Maker_Street = u"Example Street 1";
inline constexpr StringView Maker_Town = u"00000 Example Town";
inline constexpr StringView Maker_Country = u"Example Country";
inline constexpr StringView Maker_Email = u"info@ostrel.example";
