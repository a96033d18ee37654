// The pie's sector, by its pixels.
#include <gtest/gtest.h>

#include "grid/base/ProgressIndicators.h"
#include "platform/gui/Bitmap.h"

namespace {

class ProgressPie : public testing::Test {
 protected:
  // Draws a Size x Size pie on white and answers the bitmap's canvas.
  TCanvas& Draw(int Percent, int Size = 60) {
    bmp.SetPixelFormat(pf24bit);
    bmp.SetSize(Size, Size);
    TCanvas& c = *bmp.Canvas();
    c.Brush()->SetColor(clWhite);
    c.FillRect(Rect(0, 0, Size, Size));
    DrawProgressPie(c, Rect(0, 0, Size, Size), clBlue, Percent, false);
    return c;
  }
  // Blue pixels: how many, and the leftmost column holding one.
  std::pair<int, int> BluePixels(TCanvas& c) {
    int count = 0, left = bmp.Width();
    for (int y = 0; y < bmp.Height(); ++y)
      for (int x = 0; x < bmp.Width(); ++x)
        if (c.Pixels(x, y) == clBlue) {
          ++count;
          left = std::min(left, x);
        }
    return {count, left};
  }
  TBitmap bmp;
};

TEST_F(ProgressPie, TheSectorRunsClockwiseFromTwelve) {
  // Quadrant probes: upper right, lower right, lower left, upper left.
  const TPoint probes[] = {Point(40, 15), Point(40, 45), Point(20, 45), Point(20, 15)};
  const struct {
    int Percent;
    bool Filled[4];
  } cases[] = {
      {0, {false, false, false, false}},
      {25, {true, false, false, false}},
      {50, {true, true, false, false}},
      {75, {true, true, true, false}},
      {100, {true, true, true, true}},
      {250, {true, true, true, true}},
  };
  for (const auto& c : cases) {
    TCanvas& canvas = Draw(c.Percent);
    for (int q = 0; q < 4; ++q)
      EXPECT_EQ(canvas.Pixels(probes[q].X, probes[q].Y) == clBlue, c.Filled[q]) << c.Percent << "% quadrant " << q;
    EXPECT_EQ(canvas.Pixels(30, 1), clGray) << "the outline stays grey";
    EXPECT_EQ(canvas.Pixels(30, 10), clGray) << "so does the radius to 12 o'clock";
    EXPECT_EQ(canvas.Pixels(2, 2), clWhite) << "nothing outside the circle";
  }
}

TEST_F(ProgressPie, OnePercentIsASliverRightOfTwelveOnly) {
  // In a small pie the sliver hides under the two radii.
  TCanvas& c = Draw(1, 200);
  const auto [count, left] = BluePixels(c);
  EXPECT_GT(count, 0);
  EXPECT_LT(count, 400);
  EXPECT_GT(left, 100);
  EXPECT_EQ(BluePixels(Draw(0, 200)).first, 0);
}

}  // namespace
