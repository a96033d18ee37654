#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/sys/Exceptions.h"
#include "platform/sys/FormatSettings.h"
#include "platform/sys/SysUtils.h"

TEST(FloatRounding, RoundIsHalfToEven) {
  const std::pair<double, std::int64_t> cases[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
      {0.49999999999999994, 0}, {2.6, 3}, {-2.6, -3}, {1e15 + 0.5, 1000000000000000},
  };
  for (const auto& [x, r] : cases) EXPECT_EQ(Round(x), r) << x;
  EXPECT_EQ(Trunc(-2.7), -2);
  EXPECT_DOUBLE_EQ(Frac(-2.75), -0.75);
  EXPECT_THROW(Round(std::nan("")), EConvertError);
  EXPECT_THROW(Trunc(1e19), EConvertError);
}

TEST(FloatText, FloatToStrGeneral) {
  TFormatSettingsGuard guard;
  const std::pair<double, const char16_t*> cases[] = {
      {0, u"0"},          {1234.5, u"1234.5"},   {-0.1, u"-0.1"},     {0.0001, u"0.0001"},
      {0.00001, u"1E-5"}, {1e15, u"1E15"},       {123456789012345.0, u"123456789012345"},
      {1.0 / 3, u"0.333333333333333"},           {2.0 / 3, u"0.666666666666667"},
      {0.1 + 0.2, u"0.3"}, {-1.5e-7, u"-1.5E-7"}, {-0.0, u"0"},
  };
  for (const auto& [v, text] : cases) EXPECT_EQ(FloatToStr(v), text) << v;
}

TEST(FloatText, FixedNumberAndExponentFormats) {
  TFormatSettingsGuard guard;
  EXPECT_EQ(FloatToStrF(1234.5678, ffFixed, 15, 2), u"1234.57");
  EXPECT_EQ(FloatToStrF(2.5, ffFixed, 15, 0), u"3");    // display rounding: half away from zero
  EXPECT_EQ(FloatToStrF(-0.125, ffFixed, 15, 2), u"-0.13");
  EXPECT_EQ(FloatToStrF(-0.001, ffFixed, 15, 2), u"0.00");
  EXPECT_EQ(FloatToStrF(0.5, ffFixed, 15, 3), u"0.500");
  EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), u"1,234,567.89");
  EXPECT_EQ(FloatToStrF(999.999, ffNumber, 15, 2), u"1,000.00");
  EXPECT_EQ(FloatToStrF(1234.5, ffExponent, 4, 2), u"1.235E+03");
  EXPECT_EQ(FloatToStrF(0.00012, ffExponent, 3, 1), u"1.20E-4");
  EXPECT_EQ(FloatToStrF(1e20, ffFixed, 15, 2), u"1E20");
}

TEST(FloatText, FormatFloatPictures) {
  TFormatSettingsGuard guard;
  struct Case {
    const char16_t* format;
    double value;
    const char16_t* text;
  };
  const Case cases[] = {
      {u"0.00", 3.14159, u"3.14"},        {u"#,##0.00", 1234567.5, u"1,234,567.50"},
      {u"0.##", 1.0, u"1"},               {u"0.##", 1.5, u"1.5"},
      {u"#.##", 0.5, u".5"},              {u"000", 7, u"007"},
      {u"0", -0.3, u"0"},                 {u"0", -2.5, u"-3"},
      {u"0.0E+00", 12345, u"1.2E+04"},    {u"0.00E-0", 0.000123, u"1.23E-4"},
      {u"0.0 \"kg\"", 2.25, u"2.3 kg"},   {u"0.0;(0.0);\"zero\"", -1.5, u"(1.5)"},
      {u"0.0;(0.0);\"zero\"", 0, u"zero"}, {u"", 1.5, u"1.5"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatFloat(c.format, c.value), c.text) << StringToUtf8(c.format);
}

TEST(FloatText, SeparatorsFollowFormatSettings) {
  TFormatSettingsGuard guard;
  FormatSettings.DecimalSeparator = u',';
  FormatSettings.ThousandSeparator = u'.';
  EXPECT_EQ(FormatFloat(u"#,##0.00", 1234.5), u"1.234,50");
  EXPECT_EQ(FloatToStr(-0.25), u"-0,25");
  EXPECT_DOUBLE_EQ(StrToFloat(u"1234,5"), 1234.5);
  double v = 0;
  EXPECT_FALSE(TryStrToFloat(u"1234.5", v));
  EXPECT_FALSE(TryStrToFloat(u"1.234,5", v));  // thousand separators are not read

  FormatSettings.DecimalSeparator = u'.';
  FormatSettings.ThousandSeparator = u',';
  EXPECT_EQ(FormatFloat(u"#,##0.00", 1234.5), u"1,234.50");
  EXPECT_DOUBLE_EQ(StrToFloat(u"1234.5"), 1234.5);
  EXPECT_FALSE(TryStrToFloat(u"1234,5", v));
}

TEST(FloatText, ParsingRule) {
  TFormatSettingsGuard guard;
  struct Case {
    const char16_t* text;
    bool ok;
    double value;
  };
  const Case cases[] = {
      {u"1", true, 1},        {u"-1.5", true, -1.5},   {u"+.5", true, 0.5},   {u"5.", true, 5},
      {u"1e3", true, 1000},   {u"1.5E-2", true, 0.015}, {u"", false, 0},      {u".", false, 0},
      {u" 1", false, 0},      {u"1 ", false, 0},        {u"1e", false, 0},     {u"1.2.3", false, 0},
      {u"inf", false, 0},     {u"nan", false, 0},       {u"0x1p3", false, 0},  {u"1e999", false, 0},
  };
  for (const auto& c : cases) {
    double v = -7;
    EXPECT_EQ(TryStrToFloat(c.text, v), c.ok) << StringToUtf8(c.text);
    if (c.ok) {
      EXPECT_DOUBLE_EQ(v, c.value);
    }
    EXPECT_DOUBLE_EQ(StrToFloatDef(c.text, -7), c.ok ? c.value : -7);
  }
  EXPECT_THROW(StrToFloat(u"abc"), EConvertError);
}

TEST(FloatText, FormatUsesTypedArguments) {
  TFormatSettingsGuard guard;
  EXPECT_EQ(Format(u"%s=%d (%x) %.3f%%", {u"a", -5, 255, 2.5}), u"a=-5 (FF) 2.500%");
  EXPECT_EQ(Format(u"[%5s|%-5s|%.2s]", {u"ab", u"ab", u"abcdef"}), u"[   ab|ab   |ab]");
  EXPECT_EQ(Format(u"%.4d %n %g", {42, 1234.5, 0.1}), u"0042 1,234.50 0.1");
  // A user's text is only ever an argument: its "%" signs are not read.
  EXPECT_EQ(Format(u"%s", {u"100%s %d"}), u"100%s %d");
  EXPECT_THROW(Format(u"%d", {u"x"}), EConvertError);
  EXPECT_THROW(Format(u"%s %s", {u"x"}), EConvertError);
  EXPECT_THROW(Format(u"%d", {1.5}), EConvertError);
  EXPECT_THROW(Format(u"50%", {}), EConvertError);
  FormatSettings.DecimalSeparator = u',';
  EXPECT_EQ(Format(u"%.1f", {0.25}), u"0,3");
}
