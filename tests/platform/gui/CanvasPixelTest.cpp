// Pixels painted by the painter-backed canvas into a bitmap.
#include <gtest/gtest.h>

#include <string>

#include "platform/gui/Bitmap.h"

namespace {

class CanvasPixels : public testing::Test {
 protected:
  CanvasPixels() : bmp(20, 20) {
    bmp.SetPixelFormat(pf24bit);
    c = bmp.Canvas();
    c->Brush()->SetColor(clWhite);
    c->FillRect(Rect(0, 0, 20, 20));
  }
  // One row (or column) as text: '#' for black, '.' for white, '?' else.
  std::string Row(int y, int from, int to) {
    std::string s;
    for (int x = from; x <= to; ++x) s += Mark(c->Pixels(x, y));
    return s;
  }
  std::string Col(int x, int from, int to) {
    std::string s;
    for (int y = from; y <= to; ++y) s += Mark(c->Pixels(x, y));
    return s;
  }
  static char Mark(TColor p) { return p == clBlack ? '#' : p == clWhite ? '.' : '?'; }

  TBitmap bmp;
  TCanvas* c;
};

TEST_F(CanvasPixels, LineLeavesOutItsEndPoint) {
  c->MoveTo(2, 3);
  c->LineTo(8, 3);
  EXPECT_EQ(Row(3, 1, 9), ".######..");
  c->MoveTo(12, 2);
  c->LineTo(12, 6);
  EXPECT_EQ(Col(12, 1, 7), ".####..");
  EXPECT_EQ(c->PenPos(), Point(12, 6));
  c->MoveTo(9, 10);  // leftward and upward too
  c->LineTo(3, 10);
  EXPECT_EQ(Row(10, 2, 10), "..######.");
  c->MoveTo(16, 18);
  c->LineTo(16, 12);
  EXPECT_EQ(Col(16, 11, 19), "..######.");
  c->MoveTo(2, 12);
  c->LineTo(2, 12);  // a line to its own start draws nothing
  EXPECT_EQ(c->Pixels(2, 12), clWhite);
}

TEST_F(CanvasPixels, DottedPenSkipsPixels) {
  c->Pen()->SetStyle(psDot);
  c->MoveTo(0, 1);
  c->LineTo(12, 1);
  EXPECT_EQ(Row(1, 0, 12), "###...###....");
  c->Pen()->SetStyle(psClear);
  c->MoveTo(0, 2);
  c->LineTo(12, 2);
  EXPECT_EQ(Row(2, 0, 3), "....");
}

TEST_F(CanvasPixels, RectangleOutlinesInsideAndFillsWithBrush) {
  c->Brush()->SetColor(clRed);
  c->Rectangle(0, 0, 10, 10);
  EXPECT_EQ(Row(0, 0, 10), "##########.");
  EXPECT_EQ(Row(9, 0, 10), "##########.");
  EXPECT_EQ(Col(0, 0, 10), "##########.");
  EXPECT_EQ(Col(9, 0, 10), "##########.");
  EXPECT_EQ(c->Pixels(1, 1), clRed);
  EXPECT_EQ(c->Pixels(8, 8), clRed);
}

TEST_F(CanvasPixels, RectangleWithClearBrushKeepsTheInside) {
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(2, 2, 6, 6);
  EXPECT_EQ(Row(3, 1, 6), ".#..#.");
}

TEST_F(CanvasPixels, FillRectAndFrameRect) {
  c->Brush()->SetColor(clBlack);
  c->FillRect(Rect(2, 2, 5, 4));
  EXPECT_EQ(Row(2, 1, 5), ".###.");
  EXPECT_EQ(Row(3, 1, 5), ".###.");
  EXPECT_EQ(Row(4, 1, 5), ".....");
  c->FrameRect(Rect(10, 10, 15, 14));
  EXPECT_EQ(Row(10, 9, 15), ".#####.");
  EXPECT_EQ(Row(12, 9, 15), ".#...#.");
  EXPECT_EQ(Row(13, 9, 15), ".#####.");
  EXPECT_EQ(Row(14, 9, 15), ".......");
}

TEST_F(CanvasPixels, ClipStopsDrawingOutsideAndRestores) {
  const int saved = c->SaveDC();
  c->IntersectClipRect(Rect(5, 0, 10, 20));
  c->Brush()->SetColor(clBlack);
  c->FillRect(Rect(0, 0, 20, 1));
  c->MoveTo(0, 2);
  c->LineTo(20, 2);
  c->TextOut(-50, 5, u"WWWWWWWWWWWWWWWWWWWW");
  EXPECT_EQ(Row(0, 3, 11), "..#####..");
  EXPECT_EQ(Row(2, 3, 11), "..#####..");
  for (int y = 5; y < 20; ++y) EXPECT_EQ(c->Pixels(2, y), clWhite) << y;
  c->RestoreDC(saved);
  c->FillRect(Rect(0, 1, 20, 2));
  EXPECT_EQ(Row(1, 0, 2), "###");
}

TEST_F(CanvasPixels, NotXorPenTwiceRestores) {
  c->Pen()->SetMode(pmNotXor);
  c->MoveTo(0, 5);
  c->LineTo(10, 5);
  EXPECT_EQ(Row(5, 0, 10), "##########.");  // white NOT XOR black pen is black
  c->MoveTo(0, 5);
  c->LineTo(10, 5);
  EXPECT_EQ(Row(5, 0, 10), "...........");
}

TEST_F(CanvasPixels, FocusRectTwiceRestores) {
  c->DrawFocusRect(Rect(2, 2, 12, 8));
  EXPECT_EQ(Row(2, 2, 11), "#.#.#.#.#.");
  EXPECT_EQ(c->Pixels(5, 5), clWhite);
  c->DrawFocusRect(Rect(2, 2, 12, 8));
  EXPECT_EQ(Row(2, 2, 11), "..........");
}

TEST_F(CanvasPixels, TextOutFillsItsBoxUnlessBrushIsClear) {
  c->Brush()->SetColor(clBlack);
  c->TextOut(0, 0, u" ");
  EXPECT_EQ(c->Pixels(0, 0), clBlack);
  c->Brush()->SetColor(clWhite);
  c->FillRect(Rect(0, 0, 20, 20));
  c->Brush()->SetStyle(bsClear);
  c->TextOut(0, 0, u" ");
  EXPECT_EQ(c->Pixels(0, 0), clWhite);
  EXPECT_EQ(c->PenPos().X, c->TextWidth(u" "));
}

TEST_F(CanvasPixels, SystemColoursResolveThroughThePalette) {
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(c->Pixels(1, 1), ColorToRGB(clBtnFace));
  c->SetPixels(3, 3, clWindowText);
  EXPECT_EQ(c->Pixels(3, 3), ColorToRGB(clWindowText));
  EXPECT_EQ(c->Pixels(20, 0), CLR_INVALID);
}

TEST(BitmapDraw, TransparentColourIsLeftOut) {
  TBitmap glyph(3, 1);
  glyph.SetPixelFormat(pf24bit);
  glyph.Canvas()->SetPixels(0, 0, clFuchsia);
  glyph.Canvas()->SetPixels(1, 0, clBlue);
  glyph.Canvas()->SetPixels(2, 0, clFuchsia);
  glyph.SetTransparent(true);
  EXPECT_EQ(glyph.TransparentColor(), clFuchsia);  // bottom-left pixel

  TBitmap target(4, 1);
  target.Canvas()->Brush()->SetColor(clGreen);
  target.Canvas()->FillRect(Rect(0, 0, 4, 1));
  target.Canvas()->Draw(1, 0, glyph);
  EXPECT_EQ(target.Canvas()->Pixels(1, 0), clGreen);
  EXPECT_EQ(target.Canvas()->Pixels(2, 0), clBlue);
  EXPECT_EQ(target.Canvas()->Pixels(3, 0), clGreen);

  glyph.SetTransparent(false);
  target.Canvas()->StretchDraw(Rect(0, 0, 4, 1), glyph);
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), clFuchsia);
}

TEST(BitmapDraw, DrawOntoItselfShifted) {
  TBitmap b(3, 3);
  b.SetPixelFormat(pf24bit);
  b.Canvas()->SetPixels(0, 0, clRed);
  b.Canvas()->Draw(1, 1, b);
  EXPECT_EQ(b.Canvas()->Pixels(1, 1), clRed);
  EXPECT_EQ(b.Canvas()->Pixels(2, 2), clWhite);
}

TEST(BitmapPixels, ScanLineIsBgrOrBgraAndSurvivesResize) {
  TBitmap b(2, 2);
  b.SetPixelFormat(pf24bit);
  b.Canvas()->SetPixels(1, 0, RGB(10, 20, 30));
  const std::uint8_t* row = b.ScanLine(0);
  EXPECT_EQ(row[3], 30);
  EXPECT_EQ(row[4], 20);
  EXPECT_EQ(row[5], 10);
  b.SetPixelFormat(pf32bit);
  EXPECT_EQ(b.ScanLine(0)[4 + 2], 10);
  b.SetSize(5, 5);
  EXPECT_EQ(b.Canvas()->Pixels(1, 0), RGB(10, 20, 30));
  EXPECT_EQ(b.Canvas()->Pixels(4, 4), clWhite);
  b.Canvas()->SetPixels(4, 4, clBlack);
  EXPECT_EQ(b.ScanLine(4)[16], 0);
  EXPECT_THROW(b.ScanLine(5), EInvalidGraphic);
}

}  // namespace

namespace {
// Counts pixels that are not white in r.
int Inked(TCanvas& c, TRect r) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += c.Pixels(x, y) != clWhite;
  return n;
}
}  // namespace

TEST(CanvasText, OrientationTurnsTextCounterClockwise) {
  TBitmap b(100, 100);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetStyle(bsClear);
  c.Font()->SetColor(clBlack);
  c.Font()->SetOrientation(900);
  c.TextOut(50, 90, u"WWWW");
  EXPECT_GT(Inked(c, Rect(50, 40, 70, 90)), 0);   // upwards from the origin
  EXPECT_EQ(Inked(c, Rect(60, 85, 100, 100)), 0);  // nothing along the x axis
}
