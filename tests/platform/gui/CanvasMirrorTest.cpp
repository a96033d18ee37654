// A mirrored layout on the recording canvas (fixed font, 7 pixels a character).
#include <gtest/gtest.h>

#include "platform/gui/RecordingCanvas.h"

namespace {

constexpr int kWidth = 100;

TEST(CanvasMirror, ShapesLandMirroredWhileTextAndPicturesKeepTheirOrientation) {
  TRecordingCanvas c(kWidth, 50);
  c.SetMirrorWidth(kWidth);
  c.FillRect(Rect(10, 5, 30, 15));
  c.MoveTo(10, 20);
  c.LineTo(30, 20);
  EXPECT_EQ(c.PenPos(), (TPoint{30, 20})) << "the pen stays logical";
  c.TextOut(10, 30, u"abc");
  TRect r = Rect(10, 35, 60, 48);
  c.DrawText(u"ab", r, DT_LEFT | DT_SINGLELINE);
  const auto& all = c.Records();
  ASSERT_GE(all.size(), 3u);
  EXPECT_EQ(all[0].Rect, Rect(70, 5, 90, 15));
  EXPECT_EQ(all[1].Points, (std::vector<TPoint>{{90, 20}, {70, 20}}));
  const auto lines = c.RecordsOf(u"TextOut");
  ASSERT_EQ(lines.size(), 2u);
  // "abc" is 21 wide: its box [10, 31) lands at [69, 90), read left to right.
  EXPECT_EQ(lines[0].Points[0], (TPoint{69, 30}));
  EXPECT_EQ(lines[0].Text, u"abc");
  // Left-aligned text sits at the mirrored rectangle's right edge.
  EXPECT_EQ(lines[1].Points[0], (TPoint{kWidth - 10 - 14, 35}));
  EXPECT_EQ(c.RecordsOf(u"DrawText")[0].Rect, Rect(40, 35, 90, 48));
}

TEST(CanvasMirror, ClipAndPixelsAreMirroredBothWays) {
  TRecordingCanvas c(kWidth, 50);
  c.SetMirrorWidth(kWidth);
  c.SetClipRect(Rect(0, 0, 20, 10));
  EXPECT_EQ(c.ClipRect(), Rect(0, 0, 20, 10)) << "read back in logical coordinates";
  c.SetPixels(5, 5, clRed);
  EXPECT_EQ(c.Pixels(5, 5), TColor(clRed));
  c.SetMirrorWidth(0);
  EXPECT_EQ(c.ClipRect(), Rect(80, 0, 100, 10));
  EXPECT_EQ(c.Pixels(kWidth - 1 - 5, 5), TColor(clRed)) << "pixel x lands at width - 1 - x";
}

TEST(CanvasMirror, RestoreDCBringsTheLayoutBack) {
  TRecordingCanvas c(kWidth, 50);
  c.SetMirrorWidth(kWidth);
  const int saved = c.SaveDC();
  c.SetMirrorWidth(0);
  EXPECT_FALSE(c.Mirrored());
  c.RestoreDC(saved);
  EXPECT_EQ(c.MirrorWidth(), kWidth);
}

}  // namespace
