#include "grid/base/ColorArithmetic.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorArithmetic, ChannelsStayWithinTheirRangeAndRoundHalfToEven) {
  const TColor face = ColorToRGB(clBtnFace);
  const struct {
    const char* What;
    TColor Got;
    TColor Want;
  } cases[] = {
      {"halve grey", HalveColor(0x808080), 0x404040},
      {"halve white", HalveColor(clWhite), 0x7F7F7F},
      {"halve a system colour", HalveColor(clBtnFace),
       RGB(GetRValue(face) / 2, GetGValue(face) / 2, GetBValue(face) / 2)},
      {"lighten half", ChangeColorBrightness(0x808080, 50), 0xC0C0C0},
      {"lighten past white", ChangeColorBrightness(0xC8C8C8, 50), 0xFFFFFF},
      {"inactive selection 7 %", ChangeColorBrightness(0xFFDBB7, 7), 0xFFEAC4},
      {"darken past black", ChangeColorBrightness(0x808080, -150), 0},
      {"7.5 and 4.5 round to even", ChangeColorBrightness(RGB(5, 3, 0), 50), RGB(8, 4, 0)},
      {"system colour unchanged", ChangeColorBrightness(clBtnFace, 0), face},
      {"blend midway", BlendColorStep(clBlack, RGB(100, 200, 0), 0, 10, 5), RGB(50, 100, 0)},
      {"blend 2.5 to even", BlendColorStep(clBlack, RGB(5, 0, 0), 0, 2, 1), RGB(2, 0, 0)},
      {"blend to none keeps From", BlendColorStep(clBtnFace, clNone, 0, 10, 5), clBtnFace},
      {"empty range keeps From", BlendColorStep(clRed, clBlue, 5, 5, 3), clRed},
      {"beyond the range", BlendColorStep(clBlack, RGB(200, 200, 200), 0, 10, 20), clWhite},
      {"below the range", BlendColorStep(RGB(100, 100, 100), clWhite, 0, 10, -20), clBlack},
      {"system colours resolved", BlendColorStep(clBtnFace, clBtnFace, 0, 10, 3), face},
  };
  for (const auto& c : cases) EXPECT_EQ(c.Got, c.Want) << c.What;
}

}  // namespace
