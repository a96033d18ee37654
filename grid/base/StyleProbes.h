#pragma once
// Platform probes the grid family's painters ask before choosing a look.
#include "platform/sys/String.h"

// Common controls of major version 6 or later.
bool IsComCtlV6();
bool IsWinXPOrLater();
bool IsVistaOrLater();
// "Segoe UI" from Vista on, else "Tahoma".
String GetDefaultUIFontName();
// The active visual style's colour scheme: 1 "NormalColor", 2 "HomeStead",
// 3 "Metallic", 0 for any other and while visual styles are off.
int GetXPColorScheme();
