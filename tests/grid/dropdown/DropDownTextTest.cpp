#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "grid/base/DropDownColors.h"
#include "grid/dropdown/DropDownText.h"
#include "platform/sys/FormatSettings.h"

namespace {

TEST(DropDownText, ClassifyValueTextWithBothSeparatorOrders) {
  const struct {
    String Text;
    int CommaThousands;  // thousand ",", decimal "."
    int PointThousands;  // thousand ".", decimal ","
  } cases[] = {
      {u"-12", 0, 0},        {u"12-3", 0, 0},    {u"1.5", 1, 1},
      {u"1,234", 1, 1},      {u",123", 2, 1},    {u"12,3,456", 2, 2},
      {u"1.234", 1, 1},      {u".123", 1, 2},    {u"1.2.3", 2, 2},
      {u"FF", 5, 5},         {u"-1f", 5, 5},     {u"1-2-3", 2, 2},
      {u"", 2, 2},           {u"12a", 5, 5},     {u"x1", 2, 2},
  };
  for (bool commaThousands : {true, false}) {
    TFormatSettingsGuard guard;
    FormatSettings.ThousandSeparator = commaThousands ? u',' : u'.';
    FormatSettings.DecimalSeparator = commaThousands ? u'.' : u',';
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.Text.begin(), c.Text.end()) + (commaThousands ? " 1,234.5" : " 1.234,5"));
      EXPECT_EQ(ClassifyValueText(c.Text), commaThousands ? c.CommaThousands : c.PointThousands);
    }
  }
}

TEST(DropDownText, SeparatorsAreReadAtEachCall) {
  TFormatSettingsGuard guard;
  FormatSettings.ThousandSeparator = u'\'';
  EXPECT_EQ(GetThousandSeparator(), u'\'');
  EXPECT_EQ(StripThousandSeparators(u"1'234'567"), u"1234567");
  FormatSettings.DecimalSeparator = u';';
  EXPECT_EQ(GetDecimalSeparator(), u';');
}

TEST(DropDownText, HexToInt) {
  const struct {
    String Text;
    std::int32_t Value;
  } cases[] = {
      {u"", 0},           {u"ff", 255},         {u"1A", 26},
      {u"1G", 16},        {u"x-1", 1},          {u"7FFFFFFF", 0x7FFFFFFF},
      {u"FFFFFFFF", -1},  {u"80000000", INT32_MIN},
      {u"123456789", 0x23456789},  // more than eight digits keep the low 32 bits
      {u"FFFFFFFFFFFFFFFFFF", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HexToInt(c.Text), c.Value) << std::string(c.Text.begin(), c.Text.end());
  }
}

TEST(DropDownText, SmallCharacterRules) {
  EXPECT_EQ(HexDigitValue(u'9'), 9);
  EXPECT_EQ(HexDigitValue(u'f'), 15);
  EXPECT_EQ(HexDigitValue(u'G'), 0);
  for (Char c : {u',', u'-', u';'}) EXPECT_TRUE(IsRangeSeparator(c));
  EXPECT_FALSE(IsRangeSeparator(u'.'));
  String r;
  MatchCaseText(u"Straße", true, r);
  EXPECT_EQ(r, u"Straße");
  MatchCaseText(u"abé", false, r);
  EXPECT_EQ(r, u"ABÉ");
}

TEST(DropDownColors, BlendColorPercent) {
  const struct {
    TColor C1, C2;
    int Percent;
    TColor Result;
  } cases[] = {
      {clBtnFace, clWhite, 100, clBtnFace},   // unchanged, not resolved
      {clNone, clWhite, 150, clNone},
      {clRed, clBtnFace, 0, clBtnFace},
      {clRed, clBlue, -5, clBlue},
      {0x000000, 0xFFFFFF, 20, 0xCCCCCC},     // 0.2 x 0 + 0.8 x 255 = 204
      {0x0000FF, 0x000000, 50, 0x000080},     // 127.5 rounds to even 128
      {0x000003, 0x000000, 50, 0x000002},     // 1.5 rounds to even 2
      {clBtnFace, 0xFFFFFF, 50, 0xF8F8F8},   // clBtnFace resolved to 0xF0F0F0 first
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BlendColorPercent(c.C1, c.C2, c.Percent), c.Result) << c.Percent;
  }
}

TEST(DropDownColors, ScaleColorChannels) {
  const struct {
    TColor Color;
    int R, G, B;
    TColor Result;
  } cases[] = {
      {0x806040, -10, -10, 0, 0x80563A},    // checked button colours: 64 -> 57.6, 96 -> 86.4
      {0x806040, 50, 50, 50, 0x806040},     // a positive percentage leaves a channel
      {0x000000, 30, 0, 300, 0xFF001E},     // a zero channel becomes the percentage (at most 255)
      {0x000000, -30, 0, 0, 0x000000},
      {0x0000FF, -150, 0, 0, 0x000000},     // never below 0
      {clWindow, -50, 0, 0, 0xFFFF80},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScaleColorChannels(c.Color, c.R, c.G, c.B), c.Result) << std::hex << c.Color;
  }
}

}  // namespace
