#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "grid/base/ControlList.h"
#include "grid/base/HTMLRender.h"
#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/SortSettings.h"
#include "grid/base/ShowModified.h"
#include "platform/gui/RecordingCanvas.h"

namespace {

// A grid measuring on the fixed-metrics canvas, without paddings, lines or
// frame unless a test sets them.
struct Sized {
  TAdvStringGrid g{nullptr};
  int charWidth = 0;
  int lineHeight = 0;
  Sized() {
    auto canvas = std::make_unique<TRecordingCanvas>();
    canvas->Font()->Assign(*g.Font());
    charWidth = canvas->CharWidth();
    lineHeight = canvas->LineHeight();
    g.SetMeasureCanvas(std::move(canvas));
    g.SetXYOffset({2, 3});
    g.SetBorderStyle(bsNone);
    g.SetScrollBars(ssNone);
  }
};

// ---- rows

TEST(AdvGridRowSize, RowHeightIsTallestCellPlusPaddingAndLines) {
  struct Case {
    const char* what;
    std::function<void(TAdvStringGrid&)> setup;
    int lines;  // of the tallest counted cell
    int extra;  // beyond 2 x 3 padding and 2 x 1 grid line
  };
  const Case cases[] = {
      {"one line", [](TAdvStringGrid& g) { g.SetCells(1, 1, u"ab"); }, 1, 0},
      {"two lines", [](TAdvStringGrid& g) { g.SetCells(2, 1, u"a\r\nb"); }, 2, 0},
      {"padding top and left only", [](TAdvStringGrid& g) {
         g.SetCells(1, 1, u"ab");
         g.SetXYOffsetTopLeftOnly(true);
       }, 1, -3 + 2},
      {"ignored column left out", [](TAdvStringGrid& g) {
         g.SetCells(1, 1, u"ab");
         g.SetCells(3, 1, u"a\r\nb\r\nc");
         g.IgnoreColumns()->Add(3);
       }, 1, 0},
      {"merged cell counts at its base only", [](TAdvStringGrid& g) {
         g.SetCells(1, 1, u"ab");
         g.MergeCells(2, 0, 1, 2);
         g.SetCells(2, 0, u"a\r\nb\r\nc");
       }, 1, 0},
  };
  for (const Case& c : cases) {
    Sized s;
    c.setup(s.g);
    s.g.AutoSizeRow(1, 0);
    EXPECT_EQ(s.g.RowHeights(1), c.lines * s.lineHeight + 6 + 2 + c.extra) << c.what;
  }
}

TEST(AdvGridRowSize, GrowOnlyWithPaddingDoesNotHeightenOnEveryCallAndLimitsApply) {
  Sized s;
  s.g.SetCells(1, 1, u"ab");
  s.g.SetSizeGrowOnly(true);
  s.g.SetRowHeights(1, 5);
  s.g.AutoSizeRow(1, 4);
  const int once = s.lineHeight + 8 + 4;
  EXPECT_EQ(s.g.RowHeights(1), once);
  s.g.AutoSizeRow(1, 4);
  s.g.AutoSizeRow(1, 4);
  EXPECT_EQ(s.g.RowHeights(1), once);
  s.g.SetRowHeights(1, 90);
  s.g.AutoSizeRow(1, 4);
  EXPECT_EQ(s.g.RowHeights(1), 90) << "never lowers";
  s.g.SetSizeGrowOnly(false);
  s.g.SetMaxRowHeight(15);
  s.g.AutoSizeRow(1, 4);
  EXPECT_EQ(s.g.RowHeights(1), 15);
}

TEST(AdvGridRowSize, RowsWithoutWordWrapTakeTheirLineCount) {
  for (const bool multiline : {true, false}) {
    Sized s;
    s.g.SetRowCount(3);
    s.g.SetMultilinecells(multiline);
    s.g.SetWordWrap(false);
    s.g.SetCells(1, 1, u"one");
    s.g.SetCells(2, 2, u"a\r\nb\r\nc");
    s.g.SetRowHeights(0, 40);
    s.g.AutoSizeRows(false, 4);
    const int line = s.lineHeight + s.lineHeight / 8;
    EXPECT_EQ(s.g.RowHeights(0), 40) << "fixed row left";
    EXPECT_EQ(s.g.RowHeights(1), 4 + line);
    EXPECT_EQ(s.g.RowHeights(2), 4 + (multiline ? 3 : 1) * line);
  }
}

TEST(AdvGridRowSize, CellsSizeColumnsBothWaysAndRowsOnlyUp) {
  Sized s;
  s.g.SetCells(1, 1, u"abcd");
  s.g.SetCells(1, 2, u"ab");
  s.g.SetCells(2, 2, u"a\r\nb");
  s.g.SetColWidths(1, 200);
  s.g.SetRowHeights(1, 60);
  s.g.AutoSizeCells(false, 4, 1);
  EXPECT_EQ(s.g.ColWidths(1), 4 * s.charWidth + 4 + 2);
  EXPECT_EQ(s.g.ColWidths(2), s.charWidth + 4 + 2);
  EXPECT_EQ(s.g.RowHeights(1), 60);
  EXPECT_EQ(s.g.RowHeights(2), 2 * s.lineHeight + 1 + 3);
  EXPECT_EQ(s.g.UpdateCount(), 0);
}

// ---- fitting and zoom

TEST(AdvGridFit, ColumnsScaleToFillTheWidth) {
  struct Case {
    const char* what;
    std::vector<int> widths;
    int fixedCols;
    bool doFixed;
    int width;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"scaled up", {50, 50, 100}, 0, true, 300, {75, 75, 150}},
      {"already filling", {100, 100, 100}, 0, true, 300, {100, 100, 100}},
      {"fixed column kept", {60, 40, 80, 60}, 1, false, 300, {60, 53, 107, 80}},
      {"half rounded to even, rest to the first widest", {1, 1}, 0, true, 301, {151, 150}},
      {"nothing to scale: shared", {0, 0, 0}, 0, true, 301, {101, 100, 100}},
  };
  for (const Case& c : cases) {
    Sized s;
    s.g.SetColCount(static_cast<int>(c.widths.size()));
    s.g.SetFixedCols(c.fixedCols);
    s.g.SetOptions(s.g.Options() - TGridOptions{goVertLine, goFixedVertLine});
    s.g.SetBounds(0, 0, c.width, 200);
    for (size_t i = 0; i < c.widths.size(); ++i) s.g.SetColWidths(static_cast<int>(i), c.widths[i]);
    s.g.AutoFitColumns(c.doFixed);
    std::vector<int> got;
    for (int i = 0; i < s.g.ColCount(); ++i) got.push_back(s.g.ColWidths(i));
    EXPECT_EQ(got, c.expected) << c.what;
  }
}

TEST(AdvGridFit, ZoomStaysInRangeAndNeverEmptiesASize) {
  Sized s;
  s.g.SetColWidths(1, 3);
  s.g.SetColWidths(2, 40);
  for (int i = 0; i < 11; ++i) s.g.Zoom(1);
  EXPECT_EQ(s.g.ZoomFactor(), 10);
  EXPECT_EQ(s.g.ColWidths(2), 50);
  s.g.Zoom(-5);
  EXPECT_EQ(s.g.ZoomFactor(), 5);
  EXPECT_EQ(s.g.ColWidths(1), 8);
  EXPECT_EQ(s.g.ColWidths(2), 45);
  s.g.Zoom(-9);
  EXPECT_EQ(s.g.ColWidths(1), 8) << "would reach 0";
  EXPECT_EQ(s.g.ColWidths(2), 36);
}

TEST(AdvGridFit, SaveRangeFollowsTheFixedFlags) {
  TAdvStringGrid g(nullptr);
  g.SetRowCount(10);
  g.SetColCount(6);
  g.SetFixedFooters(1);
  g.SetFixedRightCols(1);
  EXPECT_EQ(g.SaveStartCol(), 0) << "fixed cells saved by default";
  EXPECT_EQ(g.SaveRowCount(), 10);
  g.SetSaveFixedCells(false);
  EXPECT_EQ(g.SaveStartCol(), 1);
  EXPECT_EQ(g.SaveEndCol(), 4);
  EXPECT_EQ(g.SaveColCount(), 4);
  EXPECT_EQ(g.SaveStartRow(), 1);
  EXPECT_EQ(g.SaveEndRow(), 8);
  EXPECT_EQ(g.SaveRowCount(), 8);
  g.SetSaveFixedRows(true);
  EXPECT_EQ(g.SaveRowCount(), 10);
  EXPECT_EQ(g.SaveColCount(), 4);
}

// ---- numbering and swaps

TEST(AdvGridNumbering, RowsAndColumnsNumberedInEitherDirection) {
  struct Case {
    const char* what;
    int start, offset;
    TSortDirection dir;
    const char16_t* column;  // rows 1..5, "." for empty
    const char16_t* row;     // columns 1..4
  };
  const Case cases[] = {
      {"ascending", 0, 0, sdAscending, u"12345", u"1234"},
      {"descending", 0, 0, sdDescending, u"54321", u"4321"},
      {"offset", 0, 3, sdAscending, u"45678", u"4567"},
      {"start", 2, 0, sdAscending, u"..345", u"..34"},
      {"start descending", 2, 0, sdDescending, u"543..", u"43.."},
  };
  for (const Case& c : cases) {
    TAdvStringGrid g(nullptr);
    g.SetRowCount(6);
    g.SetAutoNumberStart(c.start);
    g.SetAutoNumberOffset(c.offset);
    g.SetAutoNumberDirection(c.dir);
    g.SetFixedFooters(0);
    g.AutoNumberCol(0);
    g.AutoNumberRow(0);
    String col, row;
    for (int r = 1; r < 6; ++r) col += g.Cells(0, r).empty() ? u"." : g.Cells(0, r);
    for (int k = 1; k < 5; ++k) row += g.Cells(k, 0).empty() ? u"." : g.Cells(k, 0);
    EXPECT_EQ(col, c.column) << c.what;
    EXPECT_EQ(row, c.row) << c.what;
  }
}

TEST(AdvGridSwap, ColumnsSwapTextsLooksWidthsControlsAndParkedRows) {
  TAdvStringGrid g(nullptr);
  g.SetRowCount(4);
  for (int r = 0; r < 4; ++r) {
    g.SetCells(1, r, u"one" + IntToStr(r));
    g.SetCells(3, r, u"three" + IntToStr(r));
  }
  g.SetColors(1, 2, clRed);
  g.SetColWidths(1, 11);
  g.SetColWidths(3, 33);
  g.HideRow(3);
  g.SortSettings()->SetColumn(1);
  g.SwapColumns(1, 3);
  EXPECT_EQ(g.SortSettings()->Column(), 3);
  EXPECT_EQ(g.Cells(1, 1), u"three1");
  EXPECT_EQ(g.Cells(3, 1), u"one1");
  EXPECT_EQ(g.Colors(3, 2), clRed);
  EXPECT_EQ(g.Colors(1, 2), clNone);
  EXPECT_EQ(g.ColWidths(1), 33);
  EXPECT_EQ(g.ColWidths(3), 11);
  g.UnHideRowsAll();
  EXPECT_EQ(g.Cells(1, 3), u"three3") << "parked row swapped too";
  EXPECT_EQ(g.Cells(3, 3), u"one3");
}

TEST(AdvGridSwap, RowsSwapAsWholeRowsWithTheirHeights) {
  TAdvStringGrid g(nullptr);
  g.SetRowCount(5);
  g.SetCells(1, 1, u"a");
  g.SetCells(2, 1, u"b");
  g.SetCells(1, 3, u"c");
  g.SetColors(2, 1, clBlue);
  g.SetRowHeights(1, 30);
  g.SwapRows(1, 3);
  EXPECT_EQ(g.Cells(1, 3), u"a");
  EXPECT_EQ(g.Cells(2, 3), u"b");
  EXPECT_EQ(g.Colors(2, 3), clBlue);
  EXPECT_EQ(g.Cells(1, 1), u"c");
  EXPECT_EQ(g.Cells(2, 1), u"");
  EXPECT_EQ(g.RowHeights(3), 30);
  EXPECT_EQ(g.RowHeights(1), g.DefaultRowHeight());
  g.SwapRows(1, 9);  // out of range: nothing
  EXPECT_EQ(g.Cells(1, 1), u"c");
}

// Rows 1 and 3 of a grid whose column 1 holds "a<row>" and column 2 "b<row>",
// row 1 taller, modified and selected, row 3 coloured; sorted so far with
// the cross reference 0..4 and row 1 followed.
struct SortSwap {
  TAdvStringGrid g{nullptr};
  SortSwap() {
    g.SetRowCount(5);
    for (int r = 0; r < 5; ++r) {
      g.SetCells(1, r, u"a" + IntToStr(r));
      g.SetCells(2, r, u"b" + IntToStr(r));
      g.SortRowXRef().Add(r);
    }
    g.SetRowHeights(1, 30);
    g.SetColors(1, 3, clRed);
    g.ShowModified()->SetEnabled(true);
    g.SetRowModified(1, true);
    g.MouseActions()->SetDisjunctRowSelect(true);
    g.Navigation()->SetMoveRowOnSort(true);
    g.SetRowSelect(1, true);
    g.SortSettings()->SetColumn(1);
    g.SetSortRow(1);
  }
  String Row(int r) { return g.Cells(1, r) + u" " + g.Cells(2, r); }
};

TEST(AdvGridSwap, SortSwapTakesWholeRowsWithTheirHeightsAndFlags) {
  SortSwap s;
  s.g.SortSwapRows(1, 3);
  EXPECT_EQ(s.Row(1), u"a3 b3");
  EXPECT_EQ(s.Row(3), u"a1 b1");
  EXPECT_EQ(s.g.Colors(1, 1), clRed);
  EXPECT_EQ(s.g.RowHeights(3), 30);
  EXPECT_EQ(s.g.RowHeights(1), s.g.DefaultRowHeight());
  EXPECT_TRUE(s.g.RowModified(3));
  EXPECT_FALSE(s.g.RowModified(1));
  EXPECT_TRUE(s.g.RowSelect(3));
  EXPECT_FALSE(s.g.RowSelect(1));
  EXPECT_EQ(s.g.SortRowXRef().Items(1), 3);
  EXPECT_EQ(s.g.SortRowXRef().Items(3), 1);
  EXPECT_EQ(s.g.SortRow(), 3);
  EXPECT_EQ(s.g.Swaps(), 1);
}

// The flags are kept by displayed row, or by real row when the selection
// persists; a parked row in between must not shift which flags swap.
TEST(AdvGridSwap, SortSwapWithAParkedRowSwapsTheFlagsOfTheSwappedRows) {
  for (bool persistent : {false, true}) {
    SCOPED_TRACE(persistent ? "persistent" : "by displayed row");
    TAdvStringGrid g(nullptr);
    g.SetRowCount(6);
    g.MouseActions()->SetDisjunctRowSelect(true);
    g.MouseActions()->SetRowSelectPersistent(persistent);
    g.Navigation()->SetMoveRowOnSort(true);
    g.HideRow(2);
    const int real3 = persistent ? g.RealRowIndex(3) : 3;
    g.SetRowSelect(real3, true);
    g.SortSwapRows(1, 3);
    EXPECT_TRUE(g.RowSelectList()[static_cast<size_t>(persistent ? g.RealRowIndex(1) : 1)]);
    EXPECT_FALSE(g.RowSelectList()[static_cast<size_t>(real3)]);
    EXPECT_EQ(g.RowSelectList().size(), static_cast<size_t>(real3 + 1)) << "no other flag set";
  }
}

TEST(AdvGridSwap, SingleColumnSortSwapLeavesTheRestOfTheRows) {
  SortSwap s;
  s.g.SortSettings()->SetSingleColumn(true);
  s.g.SortSwapRows(1, 3);
  EXPECT_EQ(s.Row(1), u"a3 b1");
  EXPECT_EQ(s.Row(3), u"a1 b3");
  EXPECT_EQ(s.g.Colors(1, 1), clRed) << "the sort column's cell record goes with it";
  EXPECT_EQ(s.g.RowHeights(1), 30);
  EXPECT_TRUE(s.g.RowModified(1));
  EXPECT_TRUE(s.g.RowSelect(1));
  EXPECT_EQ(s.g.SortRowXRef().Items(1), 3);
  EXPECT_EQ(s.g.SortRow(), 1);
  EXPECT_EQ(s.g.Swaps(), 1);
}

// ---- rotated text and hit testing

TEST(AdvGridRotatedText, QuadrantsAndAlignments) {
  struct Case {
    int angle;
    TAlignment h;
    TVAlignment v;
    int left, top;
  };
  // R = (10,20)-(110,80); W1 = 30, H1 = 4, W2 = 6, H2 = 8: V = 6 + 20 + 8 - 80 = -46.
  const Case cases[] = {
      {0, taLeftJustify, vtaTop, 10, 26},
      {90, taRightJustify, vtaCenter, 76, 49},
      {90, taCenter, vtaBottom, 43, 72},
      {91, taLeftJustify, vtaTop, 40, 34},
      {180, taCenter, vtaBottom, 73, 80},
      {270, taRightJustify, vtaCenter, 110, 51},
      {360, taLeftJustify, vtaBottom, 14, 66},
      {360, taCenter, vtaCenter, 47, 43},
  };
  for (const Case& c : cases) {
    TRect r{10, 20, 110, 80};
    AlignRotatedTextRect(r, c.h, c.v, c.angle, 30, 4, 6, 8);
    EXPECT_EQ(r.Left, c.left) << c.angle << " " << c.h;
    EXPECT_EQ(r.Top, c.top) << c.angle << " " << c.v;
    EXPECT_EQ(r.Right, 110);
    EXPECT_EQ(r.Bottom, 80);
  }
  Sized s;
  TRect r{0, 0, 100, 50};
  s.g.CalcRotatedTextRect(r, 0, u"abc", taLeftJustify, vtaTop);
  EXPECT_EQ(r, (TRect{2, 2, 98, 48}));
}

TEST(AdvGridHitTest, SizingEdgesOfHeaderCellsAndFixedColumns) {
  TAdvStringGrid g(nullptr);
  g.SetBounds(0, 0, 400, 300);
  g.SetOptions(g.Options() + TGridOptions{goColSizing});
  const TRect header = g.CellRect(2, 0);
  const int mid = (header.Top + header.Bottom) / 2;
  EXPECT_TRUE(g.IsOnSizingEdge(header.Left + 3, mid));
  EXPECT_FALSE(g.IsOnSizingEdge(header.Left + 4, mid));
  EXPECT_TRUE(g.IsOnSizingEdge(header.Right - 3, mid));
  const TRect body = g.CellRect(2, 3);
  EXPECT_FALSE(g.IsOnSizingEdge(body.Left + 1, (body.Top + body.Bottom) / 2)) << "data rows below the first";
  const TRect fixed = g.CellRect(0, 3);
  g.SetOptions(g.Options() + TGridOptions{goRowSizing});
  EXPECT_TRUE(g.IsOnSizingEdge((fixed.Left + fixed.Right) / 2, fixed.Top + 2));
  EXPECT_FALSE(g.IsOnSizingEdge((fixed.Left + fixed.Right) / 2, fixed.Top + 6));
  EXPECT_FALSE(g.IsOnSizingEdge(-5, -5));
}

// Mirrored, a header cell's edges are where the grid shows them.
TEST(AdvGridHitTest, ARightToLeftGridsSizingEdgesAreMirrored) {
  TAdvStringGrid g(nullptr);
  g.SetBounds(0, 0, 400, 300);
  g.SetOptions(g.Options() + TGridOptions{goColSizing});
  g.SetBiDiMode(bdRightToLeft);
  const TRect header = g.CellRect(2, 0);
  const int mid = (header.Top + header.Bottom) / 2;
  const auto shown = [&](int X) { return g.ClientWidth() - 1 - X; };
  EXPECT_TRUE(g.IsOnSizingEdge(shown(header.Left + 3), mid));
  EXPECT_FALSE(g.IsOnSizingEdge(shown(header.Left + 4), mid));
  EXPECT_TRUE(g.IsOnSizingEdge(shown(header.Right - 3), mid));
  EXPECT_FALSE(g.IsOnSizingEdge(shown(header.Right - 5), mid));
}

}  // namespace

TEST(AdvGridTextSize, MiniHTMLCellMeasuredByTheRenderer) {
  Sized s;
  const String text = u"<B>bold</B> and <A href=\"x\">link</A><BR>second line, longer";
  s.g.SetCells(1, 1, text);
  const auto rendered = [&](int Width) {
    TRecordingCanvas c;
    c.Font()->Assign(*s.g.Font());
    THTMLRenderInputs in;
    in.CheckHeight = true;
    THTMLRenderResults out;
    RenderMiniHTML(c, text, {0, 0, Width, 0}, in, out);
    return TPoint{out.XSize, out.YSize};
  };
  EXPECT_EQ(s.g.GetCellTextSize(1, 1), rendered(1 << 24));
  EXPECT_EQ(s.g.GetCellTextSize(1, 1), (TPoint{19 * s.charWidth, 2 * s.lineHeight}));
  s.g.SetColWidths(1, 60);
  const TPoint wrapped = s.g.GetCellTextSize(1, 1, false, true);
  EXPECT_EQ(wrapped, rendered(60 - 4));
  EXPECT_GT(wrapped.Y, 2 * s.lineHeight);
  s.g.SetCells(1, 1, u"<b>x");  // no "</": plain text
  EXPECT_EQ(s.g.GetCellTextSize(1, 1), (TPoint{4 * s.charWidth, s.lineHeight}));
}

TEST(AdvGridTextSize, RichTextCellMeasuredAsItsPlainText) {
  Sized s;
  s.g.SetCells(1, 1, u"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 plain words\\par}");
  EXPECT_EQ(s.g.GetCellTextSize(1, 1), (TPoint{11 * s.charWidth, s.lineHeight}));
}
