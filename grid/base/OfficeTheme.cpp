#include "grid/base/OfficeTheme.h"

#include "grid/base/StyleProbes.h"

namespace {

// Their presence tells an installed version.
constexpr StringView Office12GeneralKey = u"Software\\Microsoft\\Office\\12.0\\Common\\General";
constexpr StringView Office14GeneralKey = u"Software\\Microsoft\\Office\\14.0\\Common\\General";

// The theme of one version's Theme value 1-3; ot2003Blue for any other value.
TOfficeTheme ThemeOf(int Value, TOfficeTheme Blue, TOfficeTheme Silver, TOfficeTheme Black) {
  switch (Value) {
    case 1: return Blue;
    case 2: return Silver;
    case 3: return Black;
    default: return ot2003Blue;
  }
}

}  // namespace

int GetInstalledOfficeVersion() {
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  if (reg.KeyExists(String(Office14GeneralKey))) return 2;
  if (reg.KeyExists(String(Office12GeneralKey))) return 1;
  return 0;
}

int ReadOfficeThemeValue(TRegistry& Registry, const String& Key) {
  if (!Registry.KeyExists(Key) || !Registry.OpenKeyReadOnly(Key)) return -1;
  const int value = Registry.GetDataType(u"Theme") == rdInteger ? Registry.ReadInteger(u"Theme") : -1;
  Registry.CloseKey();
  return value;
}

TOfficeTheme GetOfficeTheme() {
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  if (const int v = ReadOfficeThemeValue(reg, String(Office14ThemeKey)); v != -1)
    return ThemeOf(v, ot2010Blue, ot2010Silver, ot2010Black);
  if (const int v = ReadOfficeThemeValue(reg, String(Office12ThemeKey)); v != -1)
    return ThemeOf(v, ot2007Blue, ot2007Silver, ot2007Black);
  switch (GetXPColorScheme()) {
    case 1: return ot2003Blue;
    case 2: return ot2003Olive;
    case 3: return ot2003Silver;
    default: return ot2003Classic;
  }
}
