// Clip exclusions, origins, flood fill and copying between canvases, by pixel;
// a window's canvas reading its pixels; a parent painted beneath a child.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/gui/Bitmap.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/RecordingCanvas.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/Views.h"
#include "tests/support/TempDir.h"

namespace {

class CanvasExtras : public testing::Test {
 protected:
  CanvasExtras() : bmp(12, 12) {
    bmp.SetPixelFormat(pf24bit);
    c = bmp.Canvas();
    Fill(clWhite, Rect(0, 0, 12, 12));
  }
  void Fill(TColor Color, const TRect& R) {
    c->Brush()->SetColor(Color);
    c->FillRect(R);
  }
  // One row as text: '#' black, '.' white, 'r' red, 'g' lime, '?' else.
  std::string Row(int y, int from = 0, int to = 11) {
    std::string s;
    for (int x = from; x <= to; ++x) {
      const TColor p = c->Pixels(x, y);
      s += p == clBlack ? '#' : p == clWhite ? '.' : p == clRed ? 'r' : p == clLime ? 'g' : '?';
    }
    return s;
  }

  TBitmap bmp;
  TCanvas* c;
};

TEST_F(CanvasExtras, AnExcludedRectangleIsLeftAloneUntilTheClipIsRestored) {
  const int saved = c->SaveDC();
  c->ExcludeClipRect(Rect(3, 2, 6, 4));
  c->ExcludeClipRect(Rect(8, 0, 20, 1));
  EXPECT_EQ(c->ClipRect(), Rect(0, 0, 12, 12));
  Fill(clRed, Rect(0, 0, 12, 12));
  c->SetPixels(4, 3, clBlack);
  EXPECT_EQ(Row(0), "rrrrrrrr....");
  EXPECT_EQ(Row(2), "rrr...rrrrrr");
  EXPECT_EQ(Row(3), "rrr...rrrrrr");
  EXPECT_EQ(Row(4), "rrrrrrrrrrrr");
  c->IntersectClipRect(Rect(0, 0, 5, 12));
  EXPECT_EQ(c->ClipRect(), Rect(0, 0, 5, 12));
  c->RestoreDC(saved);
  Fill(clLime, Rect(0, 2, 12, 3));
  EXPECT_EQ(Row(2), "gggggggggggg");
}

TEST_F(CanvasExtras, WindowOriginAndViewportMoveEverythingDrawnAndRead) {
  c->SetWindowOrg(Point(10, 20));
  c->SetViewportOrg(Point(2, 0));
  // Logical (10, 20) lands on (2, 0).
  Fill(clRed, Rect(10, 20, 12, 21));
  c->SetPixels(13, 21, clBlack);
  c->IntersectClipRect(Rect(10, 20, 15, 40));
  EXPECT_EQ(c->ClipRect(), Rect(10, 20, 15, 40));
  Fill(clLime, Rect(0, 22, 100, 23));
  EXPECT_EQ(c->Pixels(10, 20), clRed);
  c->SetWindowOrg(Point(0, 0));
  c->SetViewportOrg(Point(0, 0));
  EXPECT_EQ(Row(0), "..rr........");
  EXPECT_EQ(Row(1), ".....#......");
  EXPECT_EQ(Row(2), "..ggggg.....");
}

TEST_F(CanvasExtras, FloodFillFillsTheSurfaceOrUpToTheBorder) {
  struct Case {
    TFillStyle style;
    TColor color;
    const char* inside;
  };
  const Case cases[] = {
      {fsSurface, clWhite, ".#rrrgrrr#.."},  // the lime pixel is another surface
      {fsBorder, clBlack, ".#rrrrrrr#.."},   // anything up to the black border
  };
  for (const Case& k : cases) {
    Fill(clWhite, Rect(0, 0, 12, 12));
    c->Brush()->SetColor(clWhite);
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetStyle(bsClear);
    c->Rectangle(1, 1, 10, 10);
    c->Brush()->SetStyle(bsSolid);
    c->SetPixels(5, 5, clLime);
    c->Brush()->SetColor(clRed);
    c->FloodFill(3, 5, k.color, k.style);
    EXPECT_EQ(Row(5), k.inside) << k.style;
    EXPECT_EQ(Row(1), ".#########..") << k.style;
    EXPECT_EQ(Row(0), "............") << k.style;
  }
  // A start that is not of the surface fills nothing.
  c->FloodFill(0, 0, clBlack, fsSurface);
  EXPECT_EQ(Row(0), "............");
}

TEST_F(CanvasExtras, FloodFillStopsAtTheClip) {
  c->ExcludeClipRect(Rect(0, 4, 12, 5));
  c->Brush()->SetColor(clRed);
  c->FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(Row(3), "rrrrrrrrrrrr");
  EXPECT_EQ(Row(4), "............");
  EXPECT_EQ(Row(5), "............");  // beyond the cut, not joined
}

TEST(CanvasCopyRect, EachCopyModeCombinesSourceWithDestination) {
  constexpr TColor src = 0x00F0CC0F, dst = 0x003355AA;
  struct Case {
    TCopyMode mode;
    TColor expected;
  };
  const Case cases[] = {
      {cmSrcCopy, src}, {cmSrcAnd, src & dst}, {cmSrcInvert, src ^ dst}, {cmSrcPaint, src | dst}};
  TBitmap from(4, 4), to(4, 4);
  from.Canvas()->Brush()->SetColor(src);
  from.Canvas()->FillRect(Rect(0, 0, 4, 4));
  for (const Case& k : cases) {
    to.Canvas()->Brush()->SetColor(dst);
    to.Canvas()->FillRect(Rect(0, 0, 4, 4));
    to.Canvas()->SetCopyMode(k.mode);
    to.Canvas()->CopyRect(Rect(1, 1, 3, 3), *from.Canvas(), Rect(0, 0, 2, 2));
    EXPECT_EQ(to.Canvas()->Pixels(1, 1), k.expected) << std::hex << k.mode;
    EXPECT_EQ(to.Canvas()->Pixels(2, 2), k.expected) << std::hex << k.mode;
    EXPECT_EQ(to.Canvas()->Pixels(0, 0), dst) << std::hex << k.mode;
    EXPECT_EQ(to.Canvas()->Pixels(3, 3), dst) << std::hex << k.mode;
  }
}

TEST_F(CanvasExtras, CopyRectStretchesAndCopiesWithinOneCanvas) {
  c->SetPixels(0, 0, clRed);
  c->SetPixels(1, 0, clBlack);
  c->CopyRect(Rect(0, 2, 4, 4), *c, Rect(0, 0, 2, 1));
  EXPECT_EQ(Row(2, 0, 4), "rr##.");
  EXPECT_EQ(Row(3, 0, 4), "rr##.");
  // Overlapping itself: the source is read before anything is written.
  c->CopyRect(Rect(1, 0, 3, 1), *c, Rect(0, 0, 2, 1));
  EXPECT_EQ(Row(0, 0, 3), "rr#.");
  c->ExcludeClipRect(Rect(0, 5, 1, 6));
  c->CopyRect(Rect(0, 5, 2, 6), *c, Rect(0, 0, 2, 1));
  EXPECT_EQ(Row(5, 0, 2), ".r.");
}

TEST(RecordingCanvasExtras, RecordsFillsCopiesAndTheClipsRectangles) {
  TRecordingCanvas rec(100, 100), other;
  rec.SetWindowOrg(Point(5, 5));
  rec.ExcludeClipRect(Rect(15, 5, 25, 105));
  rec.FloodFill(6, 7, clRed, fsBorder);
  rec.SetCopyMode(cmSrcInvert);
  rec.CopyRect(Rect(5, 5, 15, 15), other, Rect(0, 0, 20, 20));
  const auto fills = rec.RecordsOf(u"FloodFill");
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].Points[0], Point(1, 2));
  EXPECT_EQ(fills[0].Color, clRed);
  EXPECT_EQ(fills[0].Format, unsigned(fsBorder));
  EXPECT_EQ(fills[0].ClipRects.size(), 2u);
  EXPECT_EQ(fills[0].Clip, Rect(0, 0, 100, 100));
  const auto copies = rec.RecordsOf(u"CopyRect");
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].Rect, Rect(0, 0, 10, 10));
  EXPECT_EQ(copies[0].Format, cmSrcInvert);
}

// Paints stripes in its own coordinates: blue left of x = 40, lime from there.
class Striped : public TCustomControl {
 public:
  explicit Striped(TComponent* AOwner) : TCustomControl(AOwner) { SetView(platform::CreatePaintView(*this)); }

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clBlue);
    Canvas()->FillRect(Rect(0, 0, 40, Height()));
    Canvas()->Brush()->SetColor(clLime);
    Canvas()->FillRect(Rect(40, 0, Width(), Height()));
  }
};

// Shows its parent beneath it, then draws a black frame and fills it from
// inside: the fill reads the window's own pixels.
class SeeThrough : public TCustomControl {
 public:
  explicit SeeThrough(TComponent* AOwner) : TCustomControl(AOwner) { SetView(platform::CreatePaintView(*this)); }
  TColor ReadBack = clNone;

 protected:
  void Paint() override {
    PaintParentBackground(*this, *Canvas());
    Canvas()->Brush()->SetColor(clBlack);
    Canvas()->FrameRect(Rect(10, 0, 20, 10));
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FloodFill(15, 5, clBlack, fsBorder);
    ReadBack = Canvas()->Pixels(15, 5);
  }
};

TEST(WindowCanvas, AChildShowsItsParentBeneathAndReadsItsOwnPixels) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetClientWidth(100);
  form->SetClientHeight(40);
  auto* parent = new Striped(form.get());
  parent->SetParent(form.get());
  parent->SetBounds(0, 0, 100, 40);
  auto* child = new SeeThrough(parent);
  child->SetParent(parent);
  child->SetBounds(30, 5, 30, 20);
  child->Font()->SetColor(clMaroon);
  form->Show();
  testsupport::TempDir dir;
  const String file = Utf8ToString((dir / "child.png").string());
  ASSERT_TRUE(platform::RenderToPng(*child, file));
  TPngImage png;
  png.LoadFromFile(file);
  const TPixelBuffer& px = png.Bitmap().Pixels();
  EXPECT_EQ(px.Pixel(5, 15), clBlue);    // parent x = 35
  EXPECT_EQ(px.Pixel(25, 15), clLime);   // parent x = 55
  EXPECT_EQ(px.Pixel(10, 5), clBlack);
  EXPECT_EQ(px.Pixel(15, 5), clRed);     // filled inside the frame
  EXPECT_EQ(px.Pixel(21, 5), clLime);    // not beyond it
  EXPECT_EQ(child->ReadBack, clRed);
}

TEST(WindowCanvas, ParentBackgroundLeavesTheChildsCanvasAsItWas) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* parent = new Striped(form.get());
  parent->SetParent(form.get());
  parent->SetBounds(0, 0, 100, 40);
  parent->SetColor(clYellow);
  auto* child = new Striped(parent);
  child->SetParent(parent);
  child->SetBounds(30, 5, 30, 20);
  TRecordingCanvas rec(30, 20);
  rec.Font()->SetColor(clMaroon);
  rec.Brush()->SetColor(clAqua);
  rec.IntersectClipRect(Rect(0, 0, 25, 20));
  PaintParentBackground(*child, rec);
  const auto fills = rec.RecordsOf(u"FillRect");
  ASSERT_EQ(fills.size(), 3u);  // the erase, then the two stripes
  EXPECT_EQ(fills[0].BrushColor, clYellow);
  EXPECT_EQ(fills[1].Rect, Rect(-30, -5, 10, 35));
  EXPECT_EQ(fills[1].Clip, Rect(0, 0, 25, 20));
  EXPECT_EQ(rec.WindowOrg(), Point(0, 0));
  EXPECT_EQ(rec.ClipRect(), Rect(0, 0, 25, 20));
  EXPECT_EQ(rec.Font()->Color(), clMaroon);
  EXPECT_EQ(rec.Brush()->Color(), clAqua);
}

}  // namespace
