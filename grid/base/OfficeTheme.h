#pragma once
// The installed Office version and its colour theme, read from the registry
// stand-in under HKEY_CURRENT_USER. Nothing here writes those keys, so on
// this platform the answers are those for absence unless someone else did.
#include "grid/base/StyleTypes.h"
#include "platform/sys/Registry.h"

// Whose "Theme" value is watched and read, by installed version (1, 2).
inline constexpr StringView Office12ThemeKey = u"Software\\Microsoft\\Office\\12.0\\Common";
inline constexpr StringView Office14ThemeKey = u"Software\\Microsoft\\Office\\14.0\\Common";

// 2 with Office 14.0, else 1 with 12.0, else 0.
int GetInstalledOfficeVersion();
// The integer "Theme" value of Key, -1 when the key or the value is missing
// (or not an integer).
int ReadOfficeThemeValue(TRegistry& Registry, const String& Key);
// From 14.0's theme, else 12.0's, else the visual style's colour scheme;
// never otUnknown.
TOfficeTheme GetOfficeTheme();
