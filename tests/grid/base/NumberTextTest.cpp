#include <gtest/gtest.h>

#include "grid/base/NumberText.h"
#include "tests/grid/base/Locale.h"

TEST(NumberText, DigitCharsAreUnicodeNumbers) {
  for (Char c : {u'0', u'9', u'\u0663', u'\u00B2', u'\u00BD', u'\u2160', u'\uFF15'}) EXPECT_TRUE(IsDigitChar(c)) << int(c);
  for (Char c : {u'/', u':', u'a', u'.', u'-', u'\u00B1', u'\uFF1A'}) EXPECT_FALSE(IsDigitChar(c)) << int(c);
}

TEST(NumberText, ClassifyWithEitherLocale) {
  struct Case {
    TestLocale locale;
    String text;
    int kind;
  };
  const Case cases[] = {
      {PointDecimalMDY, u"123", 0},       {PointDecimalMDY, u"-123", 0},
      {PointDecimalMDY, u"1-2", 2},       {PointDecimalMDY, u"1,234.5", 1},
      {PointDecimalMDY, u"1,23,4", 2},    {PointDecimalMDY, u"1,234,567.25", 1},
      {PointDecimalMDY, u"1.2.3", 2},     {PointDecimalMDY, u"1e5", 5},
      {PointDecimalMDY, u"-1.5E-3", 5},   {PointDecimalMDY, u"1e", 2},
      {PointDecimalMDY, u"e5", 2},        {PointDecimalMDY, u"1e5e2", 2},
      {PointDecimalMDY, u"1,000e5", 2},   {PointDecimalMDY, u"abc", 2},
      {PointDecimalMDY, u"", 2},          {PointDecimalMDY, u"-", 2},
      {PointDecimalMDY, u".", 2},         {PointDecimalMDY, u"--1", 2},
      {PointDecimalMDY, u"1,234,5", 1},
      {CommaDecimalDMY, u"1.234,5", 1},   {CommaDecimalDMY, u"1.23.4", 2},
      {CommaDecimalDMY, u"1,2,3", 2},     {CommaDecimalDMY, u"2,5e3", 5},
      {CommaDecimalDMY, u"1.000e3", 2},   {CommaDecimalDMY, u"\u0661\u0662", 0},
  };
  for (const auto& c : cases) {
    ScopedLocale l(c.locale);
    EXPECT_EQ(ClassifyNumberText(c.text), c.kind) << StringToUtf8(c.text) << " decimal " << char(c.locale.decimal);
  }
}

TEST(NumberText, NormalizeWithEitherLocale) {
  struct Case {
    TestLocale locale;
    String text, out;
  };
  const Case cases[] = {
      {PointDecimalMDY, u"(12.5)", u"-12.5"},  {PointDecimalMDY, u"$ 1,234.50", u"1234.50"},
      {PointDecimalMDY, u"-3", u"-3"},         {PointDecimalMDY, u"12abc", u"12"},
      {PointDecimalMDY, u"  7 ", u"7"},        {PointDecimalMDY, u"", u""},
      {PointDecimalMDY, u"1.5e+3 kg", u"1.5e+3"}, {PointDecimalMDY, u"USD -4", u"-4"},
      {PointDecimalMDY, u"x", u""},            // one character left is never dropped, and ends the walk
      {CommaDecimalDMY, u"1.234,5", u"1234.5"}, {CommaDecimalDMY, u"(1.000,25 €)", u"-1000.25"},
      {CommaDecimalDMY, u"€ -0,5", u"-0.5"},
  };
  for (const auto& c : cases) {
    ScopedLocale l(c.locale);
    EXPECT_EQ(NormalizeNumberText(c.text), c.out) << StringToUtf8(c.text);
  }
}
