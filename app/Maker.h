#pragma once
// The maker's addresses as the generated files and the web links show them.
// These are configuration values of this build, kept in this one place.
#include "platform/sys/String.h"

// The maker's web host: every page, the update service and the shown
// address come from it.
inline constexpr StringView Maker_Host = u"http://www.ostrel.example";
inline constexpr StringView Maker_Web_Address = Maker_Host.substr(Maker_Host.find(u"//") + 2);
inline constexpr StringView Maker_Street = u"Example Street 1";
inline constexpr StringView Maker_Town = u"00000 Example Town";
inline constexpr StringView Maker_Country = u"Example Country";
inline constexpr StringView Maker_Email = u"info@ostrel.example";
