// Hidden columns, moving rows and columns, and inserting, removing and
// clearing rows and columns with the cell records following their cells.
#include <gtest/gtest.h>

#include <functional>

#include "grid/base/ControlList.h"
#include "grid/base/ShowModified.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Controls.h"
#include "platform/sys/SysUtils.h"

namespace {

// Cell (c, r) holds "r.c"; column 2 of every row has a colour record.
struct GridOps : ::testing::Test {
  TAdvStringGrid G{nullptr};
  explicit GridOps(int Cols = 5) {
    G.SetColCount(Cols);
    for (int r = 0; r < G.RowCount(); ++r) {
      for (int c = 0; c < Cols; ++c) G.SetCells(c, r, IntToStr(r) + u"." + IntToStr(c));
      G.SetColors(2, r, 0x200 + r);
    }
  }
  int RowOf(int d) { return StrToInt(G.Cells(0, d).substr(0, G.Cells(0, d).find(u'.'))); }
};

TEST_F(GridOps, HiddenColumnKeepsCellsRecordAndWidth) {
  G.SetColWidths(2, 77);
  G.SetColWidths(3, 33);
  G.HideColumn(2);
  EXPECT_EQ(G.ColCount(), 4);
  EXPECT_EQ(G.TotalColCount(), 5);
  EXPECT_TRUE(G.IsHiddenColumn(2));
  EXPECT_EQ(G.NumHiddenColumns(), 1);
  EXPECT_EQ(G.RealColIndex(2), 3);
  EXPECT_EQ(G.ColWidths(2), 33) << "the next column's width moved left";
  EXPECT_EQ(G.Cells(2, 4), u"4.2") << "cells stay at their storage column";
  EXPECT_EQ(G.AllColWidths(2), 77);
  G.UnHideColumn(2);
  EXPECT_EQ(G.ColCount(), 5);
  EXPECT_FALSE(G.IsHiddenColumn(2));
  EXPECT_EQ(G.ColWidths(2), 77);
  EXPECT_EQ(G.ColWidths(3), 33);
  EXPECT_EQ(G.Colors(2, 4), TColor(0x204));
}

TEST_F(GridOps, HidingColumnsLimits) {
  G.SetCol(4);
  G.HideColumn(4);
  EXPECT_EQ(G.Col(), 3) << "the current last column moves left";
  G.HideColumns(0, 3);
  EXPECT_EQ(G.ColCount(), 1) << "the last displayed column is never hidden";
  EXPECT_FALSE(G.IsHiddenColumn(600));
  EXPECT_FALSE(G.IsHiddenColumn(-1));
  G.UnHideColumnsAll();
  EXPECT_EQ(G.ColCount(), 5);
  EXPECT_EQ(G.NumHiddenColumns(), 0);
}

// Column tables used to be 513 entries wide and were written past their end.
TEST(GridOpsWide, MoreThan513ColumnsStayInBounds) {
  TAdvStringGrid g(nullptr);
  g.SetColCount(700);
  g.SetCells(650, 1, u"far");
  g.HideColumn(5);
  g.HideColumn(600);  // only 0..511 can be hidden
  EXPECT_EQ(g.NumHiddenColumns(), 1);
  g.SetAllColWidths(690, 12);
  g.InsertCols(520, 3);
  EXPECT_EQ(g.TotalColCount(), 703);
  EXPECT_EQ(g.Cells(653, 1), u"far");
  g.RemoveCols(600, 200);
  EXPECT_EQ(g.TotalColCount(), 600);
  EXPECT_EQ(g.NumHiddenColumns(), 1);
  g.RemoveCols(-1, 2);
  g.SetAllColWidths(-1, 5);
  EXPECT_EQ(g.TotalColCount(), 600);
}

// A hidden column that an insertion or a move from the right pushes past 511
// can no longer be hidden: it is shown again, its cells and width with it, and
// no column is lost.
TEST(GridOpsWide, AHiddenColumnPushedPast511IsShownAgain) {
  struct Case {
    const char* Name;
    int Hidden;
    std::function<void(TAdvStringGrid&)> Push;
    int Count, PushedTo;
  };
  const Case cases[] = {
      {"insertion", 510, [](TAdvStringGrid& g) { g.InsertCols(100, 3); }, 603, 513},
      {"move", 511, [](TAdvStringGrid& g) { g.MoveColumn(519, 100); }, 600, 512},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TAdvStringGrid g(nullptr);
    g.SetColCount(600);
    g.SetCells(c.Hidden, 1, u"pushed");
    g.SetCells(599, 1, u"last");
    g.SetColWidths(c.Hidden, 17);
    g.HideColumn(c.Hidden);
    c.Push(g);
    EXPECT_EQ(g.NumHiddenColumns(), 0);
    EXPECT_EQ(g.ColCount(), c.Count);
    EXPECT_EQ(g.Cells(c.PushedTo, 1), u"pushed");
    EXPECT_EQ(g.ColWidths(c.PushedTo), 17);
    EXPECT_EQ(g.Cells(c.Count - 1, 1), u"last");
  }
}

// A hidden column left past the end by a lowered column count used to stay
// counted as hidden, and showing all columns then raised halfway.
TEST(GridOpsWide, LoweringTheColumnCountPastAHiddenColumnShowsItAgain) {
  TAdvStringGrid g(nullptr);
  g.SetColCount(10);
  g.SetCells(8, 1, u"eight");
  g.HideColumn(8);
  g.SetColCount(5);
  EXPECT_EQ(g.NumHiddenColumns(), 0);
  EXPECT_EQ(g.AllColCount(), 5);
  EXPECT_NO_THROW(g.UnHideColumnsAll());
  g.SetColCount(10);
  EXPECT_FALSE(g.IsHiddenColumn(8));
  EXPECT_EQ(g.Cells(8, 1), u"eight");
}

// With SaveHiddenCells and a hidden column to the left, removal used to clear
// an unrelated column; a hidden column inside the range left the count too high.
TEST_F(GridOps, RemovingColumnsAroundHiddenOnes) {
  G.HideColumn(1);
  G.SetSaveHiddenCells(true);
  G.RemoveCols(3, 1);
  EXPECT_EQ(G.Cells(2, 5), u"5.2");
  EXPECT_EQ(G.Colors(2, 5), TColor(0x205));
  EXPECT_EQ(G.Cells(3, 5), u"5.4");
  EXPECT_EQ(G.ColCount(), 3);
  G.RemoveCols(1, 2);  // the hidden column and column 2
  EXPECT_EQ(G.NumHiddenColumns(), 0);
  EXPECT_EQ(G.ColCount(), 2);
  EXPECT_EQ(G.Cells(1, 5), u"5.4");
}

TEST_F(GridOps, InsertedColumnsOpenEmptyAndShiftFlagsAndWidths) {
  G.HideColumn(3);
  G.SetColWidths(1, 50);
  G.InsertCols(1, 2);
  EXPECT_EQ(G.Cells(1, 2), u"");
  EXPECT_EQ(G.Cells(3, 2), u"2.1");
  EXPECT_TRUE(G.IsHiddenColumn(5));
  EXPECT_FALSE(G.IsHiddenColumn(3));
  EXPECT_EQ(G.ColWidths(3), 50);
  EXPECT_EQ(G.Colors(4, 2), TColor(0x202));
}

// RemoveRows used to free records of rows past the end and could make the
// row count negative.
TEST_F(GridOps, RemovingRowsPastTheEndIsCapped) {
  G.RemoveRows(8, 5);
  EXPECT_EQ(G.RowCount(), 8);
  G.RemoveRows(8, 1);
  G.RemoveRows(-1, 2);
  G.RemoveRows(3, 0);
  EXPECT_EQ(G.RowCount(), 8);
  G.SetRowCount(10);
  EXPECT_EQ(G.Colors(2, 8), clNone);
}

// RemoveRowsEx used to leave the rows past the new end sharing records with
// the rows moved up: growing again and clearing freed them twice.
TEST_F(GridOps, RemoveRowsExLeavesEveryRecordOneOwner) {
  G.RemoveRowsEx(3, 2);
  EXPECT_EQ(G.RowCount(), 8);
  EXPECT_EQ(G.Colors(2, 3), TColor(0x205));
  G.SetRowCount(10);
  EXPECT_EQ(G.Colors(2, 8), clNone);
  EXPECT_EQ(G.Cells(0, 9), u"");
  G.Clear();
}

TEST_F(GridOps, RemovingTheCurrentRowAtTheEnd) {
  G.SetRow(9);
  G.RemoveRows(9, 1);
  EXPECT_EQ(G.Row(), 8);
  G.SetRow(4);
  G.RemoveRows(2, 2);
  EXPECT_EQ(G.Row(), 4) << "the current row keeps its place";
}

TEST_F(GridOps, InsertingRowsKeepsFlagsWithTheirRows) {
  G.ShowModified()->SetEnabled(true);
  G.SetUseEnabledRows(true);
  for (int r = 0; r < 10; ++r) {
    G.ModifiedRowsList().Add(r == 5);
    G.EnabledRowsList().Add(r == 6);
  }
  G.SetRow(3);
  G.InsertRows(3, 2);
  EXPECT_EQ(G.Row(), 3) << "the current cell is on the first new row";
  EXPECT_EQ(G.ModifiedRowsList().Items(7), 1);
  EXPECT_EQ(G.EnabledRowsList().Items(8), 1);
  EXPECT_EQ(G.Cells(0, 3), u"");
  EXPECT_EQ(G.Colors(2, 3), clNone);
  EXPECT_EQ(RowOf(5), 3);
  G.RemoveRows(3, 2);
  EXPECT_EQ(G.ModifiedRowsList().Items(5), 1);
  G.AddRow();
  EXPECT_EQ(G.RowCount(), 11);
}

// MoveRows used to leave heights, row flags and cell controls behind.
TEST_F(GridOps, MovedRowsTakeHeightsFlagsAndControls) {
  G.ShowModified()->SetEnabled(true);
  G.ModifiedRowsList().Add(0);
  G.ModifiedRowsList().Add(0);
  G.ModifiedRowsList().Add(1);  // row 2; rows past the list read as not modified
  G.SetRowHeights(2, 40);
  TControl control(nullptr);
  G.ControlList().AddControl(1, 2, &control);
  G.MoveRows(2, 7, 1);  // counted before the row is taken out: lands at 6
  EXPECT_EQ(RowOf(6), 2);
  EXPECT_EQ(RowOf(2), 3);
  EXPECT_EQ(G.RowHeights(6), 40);
  EXPECT_EQ(G.RowHeights(2), G.DefaultRowHeight());
  EXPECT_EQ(G.ModifiedRowsList().Items(6), 1);
  EXPECT_EQ(G.ModifiedRowsList().Items(2), 0);
  EXPECT_EQ(G.ControlList().Control(0)->Y(), 6);
  EXPECT_EQ(G.Colors(2, 6), TColor(0x202));
  G.MoveRows(5, 1, 2);
  EXPECT_EQ(RowOf(1), 6);
  EXPECT_EQ(RowOf(2), 2);
  EXPECT_EQ(G.RowHeights(2), 40);
  EXPECT_EQ(G.ControlList().Control(0)->Y(), 2);
}

TEST_F(GridOps, MovingRowsPastAParkedRowKeepsItInPlace) {
  G.HideRow(4);
  G.MoveRow(2, 6);  // displayed 6 is real 7
  EXPECT_EQ(RowOf(6), 2);
  G.UnHideRowsAll();
  EXPECT_EQ(RowOf(3), 4) << "the parked row comes back after its old neighbour";
  EXPECT_EQ(RowOf(7), 2);
}

TEST_F(GridOps, MovingAColumnMovesItsCells) {
  G.MoveColumn(1, 3);
  EXPECT_EQ(G.Cells(3, 2), u"2.1");
  EXPECT_EQ(G.Cells(1, 2), u"2.2");
  EXPECT_EQ(G.ColumnOrder().Count(), 5);
}

TEST_F(GridOps, ClearingRectanglesKeepsOrFreesRecords) {
  G.SetClearTextOnly(true);
  G.ClearRows(1, 2);
  EXPECT_EQ(G.Cells(0, 1), u"");
  EXPECT_EQ(G.Colors(2, 1), TColor(0x201));
  G.SetClearTextOnly(false);
  G.ClearCols(2, 1);
  EXPECT_EQ(G.Colors(2, 5), clNone);
  EXPECT_EQ(G.Cells(3, 5), u"5.3");
  G.HideColumn(1);
  G.SetSaveHiddenCells(true);
  G.ClearNormalCols(1, 1);  // displayed column 1 is storage column 2
  EXPECT_EQ(G.Cells(1, 5), u"5.1");
  G.SetCells(3, 4, u"  pad  ");
  G.TrimAll();
  EXPECT_EQ(G.Cells(3, 4), u"pad");
  G.ColorRect(1, 1, 2, 2, clRed);
  EXPECT_EQ(G.Colors(2, 2), clRed);
  G.ClearNormalCells();
  EXPECT_EQ(G.Cells(0, 5), u"5.0");
  EXPECT_EQ(G.Cells(4, 5), u"");
  EXPECT_EQ(G.Cells(1, 0), u"0.1");
}

}  // namespace
