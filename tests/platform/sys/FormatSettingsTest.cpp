#include <gtest/gtest.h>

#include "platform/sys/FormatSettings.h"

TEST(FormatSettingsLocale, PlainOrUnknownLocaleGivesTheDefaults) {
  for (const char* name : {"C", "POSIX", "C.UTF-8", "", "xx_NOWHERE.UTF-8"}) {
    const TFormatSettings fs = LocaleFormatSettings(name, name);
    EXPECT_EQ(fs.DecimalSeparator, u'.') << name;
    EXPECT_EQ(fs.ThousandSeparator, u',');
    EXPECT_EQ(fs.ShortDateFormat, u"M/d/yyyy");
    EXPECT_EQ(fs.LongMonthNames[0], u"January");
  }
}

TEST(FormatSettingsLocale, GermanLocaleWhenInstalled) {
  const TFormatSettings fs = LocaleFormatSettings("de_DE.UTF-8", "de_DE.UTF-8");
  if (fs.DecimalSeparator == u'.') GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  EXPECT_EQ(fs.DecimalSeparator, u',');
  EXPECT_EQ(fs.ThousandSeparator, u'.');
  EXPECT_EQ(fs.ListSeparator, u';');
  EXPECT_EQ(fs.DateSeparator, u'.');
  EXPECT_EQ(fs.ShortDateFormat, u"dd.mm.yyyy");
  EXPECT_EQ(fs.LongTimeFormat, u"hh:nn:ss");
  EXPECT_EQ(fs.ShortTimeFormat, u"hh:nn");
  EXPECT_EQ(fs.LongMonthNames[2], u"M\u00E4rz");
}

TEST(FormatSettingsLocale, GuardRestores) {
  const Char before = FormatSettings.DecimalSeparator;
  {
    TFormatSettingsGuard guard;
    EXPECT_EQ(FormatSettings.DecimalSeparator, u'.');
    FormatSettings.DecimalSeparator = u'#';
  }
  EXPECT_EQ(FormatSettings.DecimalSeparator, before);
}
