// Cells, counts, fixed counts and the structure operations of the grid model.
#include <gtest/gtest.h>

#include "tests/platform/grids/GridTestSupport.h"

TEST(GridModelCounts, DefaultsAndLimits) {
  TGridModel g;
  EXPECT_EQ(5, g.ColCount());
  EXPECT_EQ(5, g.RowCount());
  EXPECT_EQ(1, g.FixedCols());
  EXPECT_EQ(1, g.FixedRows());
  EXPECT_EQ((TGridCoord{1, 1}), (TGridCoord{g.Col(), g.Row()}));

  g.SetRowCount(0);  // at least one row; the fixed rows step back below the count
  EXPECT_EQ(1, g.RowCount());
  EXPECT_EQ(0, g.FixedRows());
  EXPECT_EQ(0, g.Row());

  EXPECT_THROW(g.SetFixedCols(5), EInvalidGridOperation);
  EXPECT_THROW(g.SetFixedCols(-1), EInvalidGridOperation);
  EXPECT_EQ(1, g.FixedCols());
}

TEST(GridModelCounts, CurrentCellStaysInsideAndOutOfTheFixedArea) {
  TGridModel g;
  g.SetColCount(10);
  g.SetRowCount(10);
  g.FocusCell(8, 9, true);
  g.SetColCount(4);
  g.SetRowCount(3);
  EXPECT_EQ(3, g.Col());
  EXPECT_EQ(2, g.Row());
  g.FocusCell(1, 1, true);
  g.SetFixedCols(2);
  EXPECT_EQ(2, g.Col());
  EXPECT_EQ(2, g.LeftCol());
  EXPECT_THROW(g.SetCol(4), EInvalidGridOperation);
  EXPECT_THROW(g.SetRow(-1), EInvalidGridOperation);
}

TEST(GridModelCells, NeverWrittenCellsAreEmptyEvenOutsideTheWrittenPart) {
  TGridModel g;
  g.SetCells(2, 3, u"x");
  EXPECT_EQ(u"", g.Cells(4, 3));
  EXPECT_EQ(u"", g.Cells(0, 0));
  EXPECT_EQ(nullptr, g.Objects(2, 3));
  EXPECT_EQ(nullptr, g.Objects(700, 4));
  EXPECT_THROW(g.Cells(0, 5), EInvalidGridOperation);
  EXPECT_THROW(g.SetCells(-1, 0, u"x"), EInvalidGridOperation);
}

TEST(GridModelCells, ColumnsBeyondColCountSurviveShrinkAndGrow) {
  TGridModel g;
  g.SetColCount(6);
  FillCoordinates(g, 6);
  g.SetObjects(5, 2, Obj(1));
  g.SetColCount(3);
  EXPECT_EQ(u"4,1", g.Cells(4, 1));  // still reachable by storage column
  g.SetCells(7, 1, u"far");          // and writable beyond the count
  g.SetColCount(8);
  EXPECT_EQ(u"5,4", g.Cells(5, 4));
  EXPECT_EQ(Obj(1), g.Objects(5, 2));
  EXPECT_EQ(u"far", g.Cells(7, 1));
}

TEST(GridModelCells, LoweringRowCountDropsTheRowsBeyondIt) {
  TGridModel g;
  FillCoordinates(g, 5);
  g.SetRowCount(2);
  g.SetRowCount(5);
  EXPECT_EQ(u"1,1", g.Cells(1, 1));
  EXPECT_EQ(u"", g.Cells(1, 3));
}

// Rows and columns carry their texts and objects together.
class GridModelStructure : public ::testing::Test {
 protected:
  void SetUp() override {
    g.SetColCount(4);
    g.SetRowCount(4);
    FillCoordinates(g, 4);
    g.SetObjects(1, 2, Obj(12));
    g.SetObjects(2, 1, Obj(21));
  }
  TGridModel g;
};

TEST_F(GridModelStructure, InsertAndDeleteRow) {
  g.InsertRow(2);
  EXPECT_EQ(5, g.RowCount());
  EXPECT_EQ(u"", g.Cells(1, 2));
  EXPECT_EQ(u"1,2", g.Cells(1, 3));
  EXPECT_EQ(Obj(12), g.Objects(1, 3));
  g.DeleteRow(1);
  EXPECT_EQ(4, g.RowCount());
  EXPECT_EQ(u"0,0", g.Cells(0, 0));
  EXPECT_EQ(u"", g.Cells(0, 1));
  EXPECT_EQ(u"3,2", g.Cells(3, 2));
  EXPECT_EQ(Obj(12), g.Objects(1, 2));
  EXPECT_EQ(nullptr, g.Objects(2, 1));
}

TEST_F(GridModelStructure, InsertAndDeleteColumn) {
  g.InsertColumn(1);
  EXPECT_EQ(5, g.ColCount());
  EXPECT_EQ(u"", g.Cells(1, 2));
  EXPECT_EQ(u"1,2", g.Cells(2, 2));
  EXPECT_EQ(Obj(12), g.Objects(2, 2));
  EXPECT_EQ(Obj(21), g.Objects(3, 1));
  g.DeleteColumn(0);
  EXPECT_EQ(u"", g.Cells(0, 2));
  EXPECT_EQ(u"1,2", g.Cells(1, 2));
  EXPECT_EQ(Obj(12), g.Objects(1, 2));
}

TEST_F(GridModelStructure, MoveRowAndColumnBothWays) {
  g.MoveRow(1, 3);
  EXPECT_EQ(u"0,2", g.Cells(0, 1));
  EXPECT_EQ(Obj(12), g.Objects(1, 1));
  EXPECT_EQ(u"2,1", g.Cells(2, 3));
  EXPECT_EQ(Obj(21), g.Objects(2, 3));
  g.MoveRow(3, 1);
  EXPECT_EQ(u"2,1", g.Cells(2, 1));
  EXPECT_EQ(Obj(21), g.Objects(2, 1));

  g.MoveColumn(2, 0);
  EXPECT_EQ(u"2,1", g.Cells(0, 1));
  EXPECT_EQ(Obj(21), g.Objects(0, 1));
  EXPECT_EQ(u"0,1", g.Cells(1, 1));
  EXPECT_EQ(Obj(12), g.Objects(2, 2));
}

TEST_F(GridModelStructure, CurrentCellFollowsMovesAndDeletes) {
  g.FocusCell(2, 2, true);
  g.MoveColumn(2, 3);
  EXPECT_EQ(3, g.Col());
  g.MoveColumn(1, 3);
  EXPECT_EQ(2, g.Col());
  g.MoveRow(3, 1);
  EXPECT_EQ(3, g.Row());
  g.DeleteRow(1);
  EXPECT_EQ(2, g.Row());
  g.InsertRow(3);
  g.DeleteRow(2);  // the current row itself goes: the row below takes its place
  EXPECT_EQ(2, g.Row());
  g.DeleteRow(2);  // now the last one: the current cell steps up
  EXPECT_EQ(1, g.Row());
  EXPECT_EQ(2, g.RowCount());
}

TEST_F(GridModelStructure, SizesFollowTheirRowsAndColumns) {
  g.SetRowHeights(2, 40);
  g.SetColWidths(3, 10);
  g.InsertRow(1);
  EXPECT_EQ(40, g.RowHeights(3));
  EXPECT_EQ(24, g.RowHeights(2));
  g.DeleteColumn(1);
  EXPECT_EQ(10, g.ColWidths(2));
  g.SetDefaultColWidth(30);  // a new default forgets the single widths
  EXPECT_EQ(30, g.ColWidths(2));
}

// Spans move the rows below in one step, with their objects, sizes and the current cell.
TEST_F(GridModelStructure, RowSpansInsertAndDeleteAtOnce) {
  g.SetRowHeights(3, 40);
  g.SetRow(3);
  g.InsertRowSpan(1, 3);
  EXPECT_EQ(7, g.RowCount());
  EXPECT_EQ(u"", g.Cells(1, 3));
  EXPECT_EQ(Obj(12), g.Objects(1, 5));
  EXPECT_EQ(40, g.RowHeights(6));
  EXPECT_EQ(6, g.Row());
  g.DeleteRowSpan(2, 4);
  EXPECT_EQ(3, g.RowCount());
  EXPECT_EQ(u"3,3", g.Cells(3, 2));
  EXPECT_EQ(40, g.RowHeights(2));
  EXPECT_EQ(2, g.Row());
  EXPECT_THROW(g.DeleteRowSpan(1, 3), EInvalidGridOperation);
  g.DeleteRowSpan(0, 3);  // a grid keeps one row
  EXPECT_EQ(1, g.RowCount());
  EXPECT_EQ(u"", g.Cells(0, 0));
}

TEST_F(GridModelStructure, BadIndexesRaise) {
  EXPECT_THROW(g.MoveRow(0, 4), EInvalidGridOperation);
  EXPECT_THROW(g.DeleteRow(4), EInvalidGridOperation);
  EXPECT_THROW(g.InsertRow(5), EInvalidGridOperation);
  EXPECT_THROW(g.DeleteColumn(-1), EInvalidGridOperation);
  EXPECT_EQ(u"3,3", g.Cells(3, 3));
}

TEST(GridModelStructureLimits, TheLastRowIsEmptiedNotRemoved) {
  TGridModel g;
  g.SetRowCount(1);
  g.SetCells(0, 0, u"x");
  g.DeleteRow(0);
  EXPECT_EQ(1, g.RowCount());
  EXPECT_EQ(u"", g.Cells(0, 0));
}

// A subclass sees every move through its hook and decides about the cells.
TEST(GridModelHooks, MovesReachTheHooksWithTheirIndexes) {
  struct Recording : TGridModel {
    std::vector<std::pair<int, int>> rows;
    void RowMoved(int From, int To) override { rows.emplace_back(From, To); }
  } g;
  g.SetCells(0, 1, u"a");
  g.MoveRow(1, 4);
  ASSERT_EQ(1u, g.rows.size());
  EXPECT_EQ(std::make_pair(1, 4), g.rows[0]);
  EXPECT_EQ(u"a", g.Cells(0, 1));  // the override moved nothing
  g.DeleteRow(0);                  // deleting is not a move
  EXPECT_EQ(1u, g.rows.size());
}
