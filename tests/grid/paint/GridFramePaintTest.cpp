// What the grid paints around its cells, on the recording canvas: the
// edited cell's frame, the background where no cell is, the outer border
// through the non-client paint, and the resize lines; and the scaled fonts.
#include <gtest/gtest.h>

#include <memory>

#include "grid/base/BackGround.h"
#include "grid/base/SearchFooter.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Forms.h"
#include "tests/grid/paint/PaintSupport.h"
#include "tests/support/ShownOnForm.h"
#include "tests/support/SnapshotFile.h"

namespace {

using paint_test::Only;
using paint_test::PaintSurface;

// Four columns of 60 and five rows of 20 in a 400 x 250 grid: room right
// of and below the cells.
struct ShortGrid {
  std::unique_ptr<TAdvStringGrid> G = std::make_unique<TAdvStringGrid>(nullptr);
  ShortGrid() {
    G->SetBounds(0, 0, 400, 250);
    G->SetColCount(4);
    G->SetRowCount(5);
    G->SetDefaultColWidth(60);
    G->SetDefaultRowHeight(20);
  }
};

TEST(GridFramePaint, TheEditedCellIsFramedInTheGridLineColourOrTheGridColour) {
  const struct {
    const char* what;
    int lineWidth;
    bool lines;
    bool gridColour;  // the frame in Color, else in GridLineColor
  } cases[] = {{"grid lines", 1, true, false}, {"line width 0", 0, true, true}, {"no grid lines", 1, false, true}};
  for (const auto& k : cases) {
    ShortGrid s;
    TAdvStringGrid& g = *s.G;
    g.SetGridLineColor(0x00A0B0);
    g.SetColor(0x102030);
    g.SetGridLineWidth(k.lineWidth);
    if (!k.lines) g.SetOptions(g.Options() - TGridOptions{goHorzLine, goVertLine});
    g.SetCol(2);
    g.SetRow(3);
    const TRect cell = g.CellRect(2, 3);
    auto framed = [&] {
      for (const TCanvasRecord& r : Only(PaintSurface(g), u"Rectangle"))
        if (r.Rect == cell && r.BrushStyle == bsClear) return r.PenColor;
      return TColor(clNone);
    };
    EXPECT_EQ(framed(), clNone) << k.what << ": no frame while not editing";
    g.SetEditing(true);
    EXPECT_EQ(framed(), k.gridColour ? 0x102030 : 0x00A0B0) << k.what;
    g.SetEditing(false);
  }
}

// The records that start past the last column or row: the background's
// (the canvas keeps only the box of a region clip, so the clip cannot tell).
std::vector<TCanvasRecord> BackgroundRecords(TAdvStringGrid& G, const std::function<void(TBackGround&)>& Set) {
  Set(*G.BackGround());
  const int right = G.CellRect(G.ColCount() - 1, 0).Right + G.GridLineWidth();
  const int bottom = G.CellRect(0, G.RowCount() - 1).Bottom + G.GridLineWidth();
  std::vector<TCanvasRecord> out;
  for (const TCanvasRecord& r : PaintSurface(G))
    if ((r.Op == u"Draw" || r.Op == u"Rectangle") && (r.Rect.Left >= right || r.Rect.Top >= bottom))
      out.push_back(r);
  return out;
}

TRect Box(const std::vector<TCanvasRecord>& Records) {
  TRect box{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};
  for (const TCanvasRecord& r : Records) {
    box.Left = std::min(box.Left, r.Rect.Left);
    box.Top = std::min(box.Top, r.Rect.Top);
    box.Right = std::max(box.Right, r.Rect.Right);
    box.Bottom = std::max(box.Bottom, r.Rect.Bottom);
  }
  return box;
}

TEST(GridFramePaint, AGradientFillsOnlyTheEmptyAreaLessTheSearchFooter) {
  ShortGrid s;
  TAdvStringGrid& g = *s.G;
  g.SearchFooter()->SetVisible(true);
  g.BackGround()->SetDisplay(bdGradientVert);
  g.BackGround()->SetColor(0xFF0000);
  g.BackGround()->SetColorTo(0x0000FF);
  // The background's bands run the client's full width; the cells' are narrower.
  std::vector<TCanvasRecord> fills;
  for (const TCanvasRecord& r : Only(PaintSurface(g), u"Rectangle"))
    if (r.Rect.Left == 0 && r.Rect.Right == g.ClientWidth()) fills.push_back(r);
  ASSERT_GE(fills.size(), 100u) << "a banded gradient";
  const TRect client = g.ClientRect();
  EXPECT_EQ(Box(fills), Rect(0, 0, client.Right, client.Bottom - 32));
  EXPECT_EQ(fills.front().BrushColor, 0xFF0000);
  EXPECT_EQ(fills.back().BrushColor, 0x0000FF);
}

std::unique_ptr<TBitmap> Tile() {
  auto b = paint_test::Glyph(16, 16);
  b->Canvas()->Brush()->SetColor(clRed);
  b->Canvas()->FillRect(Rect(0, 0, 16, 16));
  return b;
}

TEST(GridFramePaint, PicturesTiledFromTheFirstCellOrFixedOnce) {
  ShortGrid s;
  TAdvStringGrid& g = *s.G;
  g.SetXYOffset(Point(3, 5));
  const auto tile = Tile();
  const auto tiled = Only(BackgroundRecords(g, [&](TBackGround& B) { B.SetBitmap(*tile); }), u"Draw");
  ASSERT_FALSE(tiled.empty());
  const TRect first = g.CellRect(1, 1);
  for (const TCanvasRecord& r : tiled) {
    EXPECT_EQ(((r.Rect.Left - first.Left - 3) % 16 + 16) % 16, 0) << r.Rect.Left;
    EXPECT_EQ(((r.Rect.Top - first.Top - 5) % 16 + 16) % 16, 0) << r.Rect.Top;
  }
  EXPECT_EQ(Box(tiled).Right, ((g.ClientWidth() - first.Left - 3 + 15) / 16) * 16 + first.Left + 3);

  g.BackGround()->SetCells(bcFixed);
  EXPECT_TRUE(Only(BackgroundRecords(g, [](TBackGround&) {}), u"Draw").empty()) << "bcFixed tiles nothing";

  g.BackGround()->SetDisplay(bdFixed);
  g.BackGround()->SetLeft(300);
  g.BackGround()->SetTop(7);
  const auto once = Only(BackgroundRecords(g, [](TBackGround&) {}), u"Draw");
  ASSERT_FALSE(once.empty());
  for (const TCanvasRecord& r : once) EXPECT_EQ(r.Rect, Rect(300, 7, 316, 23)) << "copied once, not tiled";
}

TEST(GridFramePaint, NothingWhenTheCellsFillTheClient) {
  ShortGrid s;
  TAdvStringGrid& g = *s.G;
  g.SetScrollBars(ssNone);
  g.SetBorderStyle(bsNone);
  g.SetGridLineWidth(0);
  g.BackGround()->SetDisplay(bdGradientHorz);
  g.BackGround()->SetColorTo(clRed);
  // The background's bands run the client's full height; the cells' are shorter.
  auto bands = [&] {
    int n = 0;
    for (const TCanvasRecord& r : Only(PaintSurface(g), u"Rectangle")) n += r.Rect.Top == 0 && r.Rect.Bottom == g.ClientHeight();
    return n;
  };
  EXPECT_GT(bands(), 100) << "short columns leave room";
  g.SetDefaultColWidth(100);
  g.SetDefaultRowHeight(50);
  EXPECT_EQ(bands(), 0);
}

// The outer border through the non-client paint, in the look's colour.
TEST(GridFramePaint, LookBorderByLookStyleFlatAndFit) {
  constexpr TColor border = 0x123456, parentColor = 0x654321;
  const struct {
    TGridLook look;
    TFormBorderStyle style;
    bool flat, fit;
    int lines, parentLines;
  } cases[] = {
      {glXP, bsSingle, false, false, 4, 0},   {glSoft, bsSingle, false, false, 4, 0},
      {glOffice2007, bsSingle, false, false, 4, 0}, {glStandard, bsSingle, false, false, 0, 0},
      {glClassic, bsSingle, false, false, 0, 0}, {glCustom, bsSingle, false, false, 0, 0},
      {glXP, bsNone, false, false, 0, 0},     {glXP, bsSingle, true, false, 0, 0},
      {glXP, bsSingle, false, true, 4, 4},
  };
  for (const auto& k : cases) {
    TForm form(nullptr);
    form.SetColor(parentColor);
    TAdvStringGrid& g = *new TAdvStringGrid(&form);
    g.SetParent(&form);
    g.SetBounds(0, 0, 200, 100);
    g.SetLook(k.look);
    g.SetBorderStyle(k.style);
    g.SetBorderColor(border);
    g.SetFlat(k.flat);
    g.SetFitCellsInGrid(k.fit);
    TRecordingCanvas canvas(200, 100);
    g.Perform(WM_NCPAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)), 0);
    int lines = 0, parentLines = 0;
    std::vector<TCanvasRecord> drawn;
    for (const TCanvasRecord& r : Only(canvas.Records(), u"LineTo")) {
      if (r.PenColor == border) ++lines, drawn.push_back(r);
      if (r.PenColor == parentColor) ++parentLines;
    }
    const std::string what = StringToUtf8(TAdvStringGrid::LookIdentifier(k.look)) + (k.flat ? " flat" : "") +
                             (k.fit ? " fit" : "") + (k.style == bsNone ? " none" : "");
    EXPECT_EQ(lines, k.lines) << what;
    EXPECT_EQ(parentLines, k.parentLines) << what;
    if (k.lines == 4 && !k.fit) {
      EXPECT_TRUE(paint_test::HasLine(drawn, Point(0, 99), Point(0, 0))) << what;
      EXPECT_TRUE(paint_test::HasLine(drawn, Point(199, 0), Point(199, 99))) << what;
    }
    if (k.fit) {
      EXPECT_TRUE(paint_test::HasLine(drawn, Point(1, 100), Point(1, 1))) << what;
    }
  }
}

TEST(GridFramePaint, SizeLinesAreDottedXorLinesAcrossTheGrid) {
  ShortGrid s;
  TAdvStringGrid& g = *s.G;
  g.DrawColSizeLine(61);
  g.DrawRowSizeLine(41);
  auto lines = [&] {
    std::vector<TCanvasRecord> out;
    for (const TCanvasRecord& r : Only(PaintSurface(g), u"LineTo"))
      if (r.PenMode == pmXor) out.push_back(r);
    return out;
  };
  const auto drawn = lines();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].PenStyle, psDot);
  EXPECT_TRUE(paint_test::HasLine(drawn, Point(61, 0), Point(61, 250)));
  EXPECT_TRUE(paint_test::HasLine(drawn, Point(0, 41), Point(400, 41)));
  g.DrawColSizeLine(61);
  g.DrawRowSizeLine(41);
  EXPECT_TRUE(lines().empty()) << "drawn twice, erased";
}

TEST(GridFramePaint, SizeLinesInvertThePixelsAndTwiceGiveThemBack) {
  testsupport::TShownOnForm<TAdvStringGrid> shown(new TAdvStringGrid(nullptr));
  TAdvStringGrid& g = *shown.Grid;
  g.SetColCount(3);
  g.SetRowCount(4);
  const TPixelBuffer before = testsupport::RenderSnapshot(g, "size-line-before.png");
  const int x = g.CellRect(1, 0).Right + 10;
  g.DrawColSizeLine(x);
  const TPixelBuffer with = testsupport::RenderSnapshot(g, "size-line.png");
  g.DrawColSizeLine(x);
  const TPixelBuffer after = testsupport::RenderSnapshot(g, "size-line-after.png");
  ASSERT_FALSE(before.Empty());
  // The picture shows the whole window, frame included.
  const TPoint window = g.Parent()->ClientToScreen(Point(g.Left(), g.Top()));
  const int ox = g.ClientOrigin().X - window.X, oy = g.ClientOrigin().Y - window.Y;
  int inverted = 0;
  for (int y = 30; y < 90; ++y) {
    const TColor b = before.Pixel(x + ox, y + oy), w = with.Pixel(x + ox, y + oy);
    inverted += w == (b ^ 0xFFFFFF);
    EXPECT_EQ(after.Pixel(x + ox, y + oy), b) << y;
  }
  EXPECT_GE(inverted, 20) << "the dots invert what is beneath";
  EXPECT_LT(inverted, 60) << "the gaps leave it";
}

TEST(GridFramePaint, OnPaintedAfterEachPaint) {
  ShortGrid s;
  int painted = 0;
  TObject* sender = nullptr;
  s.G->OnPainted = [&](TObject* Sender) {
    ++painted;
    sender = Sender;
  };
  PaintSurface(*s.G);
  EXPECT_EQ(painted, 1);
  EXPECT_EQ(sender, s.G.get());
}

TEST(GridScale, FixedAndActiveCellFontsFollowAScaledForm) {
  TForm form(nullptr);
  TAdvStringGrid& g = *new TAdvStringGrid(&form);
  g.SetParent(&form);
  g.SetBounds(10, 20, 200, 100);
  g.FixedFont()->SetSize(9);
  g.ActiveCellFont()->SetSize(10);
  form.ScaleBy(4, 4);
  EXPECT_EQ(g.FixedFont()->Size(), 9);
  EXPECT_EQ(g.ActiveCellFont()->Size(), 10);
  EXPECT_EQ(g.Width(), 200);
  form.ScaleBy(3, 2);
  EXPECT_EQ(g.FixedFont()->Size(), 14) << "13.5 rounds away from zero";
  EXPECT_EQ(g.ActiveCellFont()->Size(), 15);
  EXPECT_EQ(g.BoundsRect(), Rect(15, 30, 315, 180));
}

}  // namespace
