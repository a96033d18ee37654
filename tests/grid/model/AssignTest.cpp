// Copying a grid: settings, dimensions, sizes and cells, or the cells alone.
#include <gtest/gtest.h>

#include "grid/base/Navigation.h"
#include "grid/base/PrintSettings.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/SortSettings.h"
#include "platform/sys/Lists.h"

namespace {

struct AssignFixture : ::testing::Test {
  TAdvStringGrid Src{nullptr};
  TAdvStringGrid Dst{nullptr};

  AssignFixture() {
    Src.SetColCount(4);
    Src.SetRowCount(6);
    Src.SetFixedCols(2);
    Src.SetFixedRows(1);
    Src.SetDefaultRowHeight(31);
    Src.SetColWidths(3, 123);
    Src.SetRowHeights(4, 45);
    Src.SetActiveCellColor(clRed);
    Src.SetActiveCellShow(true);
    Src.SetAutoNumAlign(true);
    Src.SetInvalidEntryTitle(u"Wrong");
    Src.SetScrollWidth(21);
    Src.Navigation()->SetAdvanceOnEnter(true);
    Src.PrintSettings()->SetPageNumSep(u"/");
    Src.SortSettings()->SetColumn(3);
    Src.Font()->SetSize(15);
    TStringList headers;
    headers.SetCommaText(u"a,b,c");
    Src.SetColumnHeaders(headers);
    Src.SetCells(3, 5, u"cell");
    Src.SetCells(0, 0, u"fixed");
    Src.SetCells(2, 2, u"a\r\nb");
  }
};

}  // namespace

TEST_F(AssignFixture, TheTargetEqualsTheSourceOnEachCopiedProperty) {
  Dst.SetFixedRows(3);
  Dst.SetCells(1, 1, u"gone?");
  Dst.Assign(Src);
  EXPECT_EQ(Dst.ColCount(), 4);
  EXPECT_EQ(Dst.RowCount(), 6);
  EXPECT_EQ(Dst.FixedCols(), 2);
  EXPECT_EQ(Dst.FixedRows(), 1);
  EXPECT_EQ(Dst.DefaultRowHeight(), 31);
  EXPECT_EQ(Dst.ColWidths(3), 123);
  EXPECT_EQ(Dst.RowHeights(4), 45);
  EXPECT_EQ(Dst.RowHeights(2), Src.RowHeights(2));
  EXPECT_EQ(Dst.ActiveCellColor(), clRed);
  EXPECT_TRUE(Dst.ActiveCellShow());
  EXPECT_TRUE(Dst.AutoNumAlign());
  EXPECT_EQ(Dst.InvalidEntryTitle(), u"Wrong");
  EXPECT_EQ(Dst.ScrollWidth(), 21);
  EXPECT_TRUE(Dst.Navigation()->AdvanceOnEnter());
  EXPECT_EQ(Dst.PrintSettings()->PageNumSep(), u"/");
  EXPECT_EQ(Dst.SortSettings()->Column(), 3);
  EXPECT_EQ(Dst.Font()->Size(), 15);
  EXPECT_EQ(Dst.ColumnHeaders()->CommaText(), u"a,b,c");
  EXPECT_EQ(Dst.Cells(3, 5), u"cell");
  EXPECT_EQ(Dst.Cells(0, 0), Src.Cells(0, 0));
  EXPECT_EQ(Dst.Cells(2, 2), u"a");  // the copy keeps the target's Multilinecells
}

TEST_F(AssignFixture, AssignCellsCopiesTextsOnly) {
  Dst.SetMultilinecells(true);
  Dst.AssignCells(Src);
  EXPECT_EQ(Dst.Cells(3, 5), u"cell");
  EXPECT_EQ(Dst.Cells(2, 2), u"a\r\nb");
  EXPECT_EQ(Dst.FixedCols(), 1);
  EXPECT_FALSE(Dst.ActiveCellShow());
  EXPECT_FALSE(Dst.Navigation()->AdvanceOnEnter());
}

TEST_F(AssignFixture, AnotherSourceChangesNothing) {
  TStringList other;
  other.SetCommaText(u"x,y");
  Dst.SetCells(1, 1, u"mine");
  Dst.Assign(other);
  Dst.AssignCells(other);
  EXPECT_EQ(Dst.ColCount(), 5);
  EXPECT_EQ(Dst.Cells(1, 1), u"mine");
  Src.Assign(Src);
  EXPECT_EQ(Src.ColumnHeaders()->CommaText(), u"a,b,c");
  EXPECT_EQ(Src.Cells(3, 5), u"cell");
}

TEST_F(AssignFixture, FixedRightColumnsAndFootersLeftOutStillCopy) {
  Src.SetSaveFixedCells(false);
  Src.SetFixedRightCols(1);
  Src.SetFixedFooters(1);
  Src.SetCells(2, 4, u"inside");
  Src.SetCells(3, 1, u"right");
  Dst.SetSaveFixedCells(false);
  Dst.SetFixedCols(2);
  Dst.AssignCells(Src);
  EXPECT_EQ(Dst.ColCount(), 3);
  EXPECT_EQ(Dst.RowCount(), 5);
  EXPECT_EQ(Dst.Cells(2, 4), u"inside");
}
