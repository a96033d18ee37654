// The 0.1 mm mapping of a canvas, on the recording canvas and on image
// canvases at printer resolutions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "platform/gui/BitmapCanvas.h"
#include "platform/gui/PixelBuffer.h"
#include "platform/gui/RecordingCanvas.h"

namespace {

// Pixels of a length in 0.1 mm at a resolution.
int Px(int Units, int Ppi) { return MulDiv(Units, Ppi, 254); }

// The box around the pixels that are not white; empty when none are.
TRect InkBox(const TPixelBuffer& b) {
  TRect box{b.Width, b.Height, -1, -1};
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x)
      if ((b.Pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  return box;
}

class ImageMapped : public testing::TestWithParam<int> {
 protected:
  void Open(int Units) {
    const int side = Px(Units, GetParam()) + 20;
    buffer.Resize(side, side, 4);
    canvas = MakeBufferCanvas(buffer, GetParam());
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(TRect{0, 0, side, side});
    canvas->SetMapMode(mmLoMetric);
  }
  TPixelBuffer buffer;
  std::unique_ptr<TCanvas> canvas;
};

TEST_P(ImageMapped, RectangleCoversItsMillimetresFromTheTopLeft) {
  Open(1000);
  canvas->Brush()->SetColor(clBlack);
  canvas->Pen()->SetColor(clBlack);
  canvas->Rectangle(0, 0, 1000, -1000);
  const TRect ink = InkBox(buffer);
  const int n = Px(1000, GetParam());
  EXPECT_EQ(ink.Left, 0);
  EXPECT_EQ(ink.Top, 0);
  EXPECT_NEAR(ink.Right, n, 1);
  EXPECT_NEAR(ink.Bottom, n, 1);
}

TEST_P(ImageMapped, TextStandsUprightBelowItsPointAndTurnsWithItsFont) {
  Open(400);
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->SetColor(clBlack);
  canvas->Font()->SetHeight(-50);  // 5 mm characters
  canvas->TextOut(100, -100, u"HH");
  TRect ink = InkBox(buffer);
  const int at = Px(100, GetParam());
  EXPECT_GE(ink.Top, at);
  EXPECT_GE(ink.Left, at - 1);
  // Capitals take about 70 % of the character height.
  EXPECT_GT(ink.Height(), Px(25, GetParam()));
  EXPECT_LT(ink.Height(), Px(60, GetParam()));
  EXPECT_GT(ink.Width(), ink.Height());

  canvas->SetMapMode(mmText);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->FillRect(TRect{0, 0, buffer.Width, buffer.Height});
  canvas->SetMapMode(mmLoMetric);
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->SetOrientation(900);
  canvas->TextOut(100, -300, u"HHHH");
  ink = InkBox(buffer);
  EXPECT_GT(ink.Height(), ink.Width());
  EXPECT_LE(ink.Bottom, Px(300, GetParam()) + 1);  // runs up from the point
}

TEST_P(ImageMapped, ClipBoxAnswersInUnitsWithThePageBottomNegative) {
  Open(1000);
  const TRect clip = canvas->ClipRect();
  const int side = buffer.Width;
  EXPECT_EQ(clip.Left, 0);
  EXPECT_EQ(clip.Top, 0);
  EXPECT_NEAR(clip.Right, MulDiv(side, 254, GetParam()), 1);
  EXPECT_NEAR(clip.Bottom, -MulDiv(side, 254, GetParam()), 1);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, ImageMapped, testing::Values(96, 300, 600));

class RecordingMapped : public testing::TestWithParam<int> {
 protected:
  RecordingMapped() : c(5000, 5000) {
    c.SetPixelsPerInch(GetParam());
    c.SetMapMode(mmLoMetric);
  }
  TRecordingCanvas c;
};

TEST_P(RecordingMapped, ShapesPensAndFontsArriveInPixels) {
  const int ppi = GetParam();
  c.Pen()->SetWidth(10);
  c.Rectangle(0, 0, 1000, -1000);
  c.RoundRect(0, 0, 1000, -1000, 100, 100);
  c.Font()->SetHeight(-50);
  c.Font()->SetOrientation(900);
  c.TextOut(100, -200, u"Ab");
  const TCanvasRecord rect = c.RecordsOf(u"Rectangle").at(0);
  EXPECT_EQ(rect.Rect, (TRect{0, 0, Px(1000, ppi), Px(1000, ppi)}));
  EXPECT_EQ(rect.PenWidth, Px(10, ppi));
  const TCanvasRecord text = c.RecordsOf(u"TextOut").at(0);
  EXPECT_EQ(text.Points.at(0), (TPoint{Px(100, ppi), Px(200, ppi)}));
  EXPECT_EQ(text.FontHeight, -Px(50, ppi));
  EXPECT_EQ(text.FontOrientation, 900);
  // The canvas's own font keeps its height in units.
  EXPECT_EQ(c.Font()->Height(), -50);
}

TEST_P(RecordingMapped, PointsGoThereAndBack) {
  for (TPoint p : {TPoint{0, 0}, TPoint{1, -1}, TPoint{1234, -2777}, TPoint{-7, 13}, TPoint{2100, -2970}}) {
    const TPoint back = c.DPtoLP(c.LPtoDP(p));
    EXPECT_NEAR(back.X, p.X, 1) << p.X;
    EXPECT_NEAR(back.Y, p.Y, 1) << p.Y;
  }
  EXPECT_EQ(c.LPtoDP(TPoint{254, -254}), (TPoint{GetParam(), GetParam()}));  // an inch
}

TEST_P(RecordingMapped, TextMeasuresAndLaysOutInUnits) {
  c.Font()->SetHeight(-40);
  const int width = c.TextWidth(u"abc");
  EXPECT_NEAR(width, MulDiv(3 * c.CharWidth(), 254, GetParam()), 1);
  TRect r{100, -100, 100, -100};
  c.DrawText(u"one\ntwo", r, DT_CALCRECT);
  EXPECT_NEAR(r.Right - 100, width, 4);
  EXPECT_NEAR(r.Bottom, -100 - 2 * c.TextHeight(u"gh"), 4);
  r = TRect{100, -100, 1100, -600};
  c.DrawText(u"one\ntwo", r, DT_LEFT);
  const auto lines = c.RecordsOf(u"TextOut");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_LT(lines[0].Points[0].Y, lines[1].Points[0].Y);  // the second line lower on the page
  EXPECT_EQ(lines[0].Points[0], c.LPtoDP(TPoint{100, -100}));
}

TEST_P(RecordingMapped, SaveAndRestoreKeepTheMapping) {
  const int saved = c.SaveDC();
  c.SetMapMode(mmText);
  c.RestoreDC(saved);
  EXPECT_EQ(c.MapMode(), mmLoMetric);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, RecordingMapped, testing::Values(96, 254, 300, 600));

}  // namespace
