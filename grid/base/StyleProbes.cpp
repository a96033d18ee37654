#include "grid/base/StyleProbes.h"

#include "platform/gui/OptionalLibraries.h"
#include "platform/gui/SystemVersion.h"
#include "platform/sys/SysUtils.h"

bool IsComCtlV6() {
  TFixedFileInfo info;
  return GetFileFixedVersion(u"COMCTL32.DLL", info) && (info.dwFileVersionMS >> 16) > 5;
}

bool IsWinXPOrLater() {
  const TOSVersion v = GetOSVersion();
  return v.Major > 5 || (v.Major == 5 && v.Minor >= 1);
}

bool IsVistaOrLater() { return GetOSVersion().Major >= 6; }

String GetDefaultUIFontName() { return IsVistaOrLater() ? u"Segoe UI" : u"Tahoma"; }

int GetXPColorScheme() {
  if (!IsWinXPOrLater()) return 0;
  TVisualStyleLibrary* styles = FindVisualStyleLibrary();
  if (!styles || !styles->IsThemeActive() || !IsComCtlV6()) return 0;
  String file, colour, size;
  if (!styles->GetCurrentThemeName(file, colour, size)) return 0;
  if (Pos(u"NormalColor", colour) > 0) return 1;
  if (Pos(u"HomeStead", colour) > 0) return 2;
  if (Pos(u"Metallic", colour) > 0) return 3;
  return 0;
}
