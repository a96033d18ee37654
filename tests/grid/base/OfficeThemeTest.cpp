#include "grid/base/OfficeTheme.h"

#include <gtest/gtest.h>

#include "grid/base/StyleProbes.h"
#include "tests/support/TempRegistry.h"
#include "tests/support/VisualStylesFake.h"

namespace {

void WriteKey(const String& Key) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(Key, true));
}

void WriteTheme(const String& Key, int Value) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(Key, true));
  reg.WriteInteger(u"Theme", Value);
}

const String General12 = u"Software\\Microsoft\\Office\\12.0\\Common\\General";
const String General14 = u"Software\\Microsoft\\Office\\14.0\\Common\\General";

TEST(StyleProbes, OurPlatformIsACurrentSystemWithoutVisualStyles) {
  EXPECT_TRUE(IsComCtlV6());
  EXPECT_TRUE(IsWinXPOrLater());
  EXPECT_TRUE(IsVistaOrLater());
  EXPECT_EQ(GetDefaultUIFontName(), u"Segoe UI");
  EXPECT_EQ(GetXPColorScheme(), 0);
}

TEST(OfficeTheme, ThemeValuesOf14ThenOf12ThenTheColourScheme) {
  const String k12(Office12ThemeKey), k14(Office14ThemeKey);
  const struct {
    const char* What;
    int Theme14, Theme12;  // -1: no such value
    TOfficeTheme Want;
  } cases[] = {
      {"14.0 silver", 2, -1, ot2010Silver},
      {"14.0 blue", 1, 3, ot2010Blue},
      {"14.0 black", 3, -1, ot2010Black},
      {"14.0 other value, 12.0 not read", 0, 1, ot2003Blue},
      {"12.0 only", -1, 2, ot2007Silver},
      {"12.0 black", -1, 3, ot2007Black},
      {"12.0 other value", -1, 7, ot2003Blue},
      {"no keys", -1, -1, ot2003Classic},
  };
  for (const auto& c : cases) {
    testsupport::TempRegistry store;
    if (c.Theme14 != -1) WriteTheme(k14, c.Theme14);
    if (c.Theme12 != -1) WriteTheme(k12, c.Theme12);
    EXPECT_EQ(GetOfficeTheme(), c.Want) << c.What;
  }
}

TEST(OfficeTheme, WithoutOfficeKeysAnActiveVisualStyleNamesTheTheme) {
  testsupport::TempRegistry store;
  const struct {
    const char16_t* Scheme;
    int Number;
    TOfficeTheme Want;
  } cases[] = {{u"NormalColor", 1, ot2003Blue},
               {u"HomeStead", 2, ot2003Olive},
               {u"Metallic", 3, ot2003Silver},
               {u"Royale", 0, ot2003Classic}};
  for (const auto& c : cases) {
    testsupport::VisualStylesFake styles(true, c.Scheme);
    testsupport::InstalledLibrary installed(olVisualStyles, &styles);
    EXPECT_EQ(GetXPColorScheme(), c.Number) << StringToUtf8(c.Scheme);
    EXPECT_EQ(GetOfficeTheme(), c.Want) << StringToUtf8(c.Scheme);
  }
  testsupport::VisualStylesFake inactive(false);
  testsupport::InstalledLibrary installed(olVisualStyles, &inactive);
  EXPECT_EQ(GetOfficeTheme(), ot2003Classic);
  EXPECT_EQ(inactive.Calls, std::vector<String>{u"IsThemeActive"}) << "no name asked of an inactive style";
}

TEST(OfficeTheme, InstalledVersionAndThemeValueByKeyPresence) {
  testsupport::TempRegistry store;
  EXPECT_EQ(GetInstalledOfficeVersion(), 0);
  WriteKey(General12);
  EXPECT_EQ(GetInstalledOfficeVersion(), 1);
  WriteKey(General14);
  EXPECT_EQ(GetInstalledOfficeVersion(), 2);

  TRegistry reg;
  EXPECT_EQ(ReadOfficeThemeValue(reg, String(Office14ThemeKey)), -1) << "key without the value";
  {
    TRegistry w;
    ASSERT_TRUE(w.OpenKey(String(Office14ThemeKey), true));
    w.WriteString(u"Theme", u"2");
  }
  EXPECT_EQ(ReadOfficeThemeValue(reg, String(Office14ThemeKey)), -1) << "a text is no theme";
  EXPECT_EQ(ReadOfficeThemeValue(reg, u"Software\\Nowhere"), -1);
  WriteTheme(String(Office14ThemeKey), 3);
  EXPECT_EQ(ReadOfficeThemeValue(reg, String(Office14ThemeKey)), 3);
  EXPECT_EQ(reg.CurrentPath(), u"") << "the key is closed again";
}

}  // namespace
