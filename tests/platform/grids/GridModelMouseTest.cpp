// The left mouse button and the scroll bars of the grid model.
#include <gtest/gtest.h>

#include "tests/platform/grids/GridTestSupport.h"

namespace {

// Same layout as the view tests: 64 x 24 px cells, one fixed column and row,
// the view three full columns and four full rows past the fixed ones.
class GridModelMouse : public ::testing::Test {
 protected:
  void SetUp() override { PlainGeometry(g, 10, 20, 64 * 4 + 10, 24 * 5 + 10); }
  TGridModel g;
};

}  // namespace

TEST_F(GridModelMouse, ClickSelectsACellAndDragSelectsARange) {
  g.GridMouseDown(140, 60, false);  // cell (2, 2)
  EXPECT_EQ(gsSelecting, g.GridState());
  g.GridMouseMove(200, 100);  // cell (3, 4)
  g.GridMouseUp(200, 100);
  EXPECT_EQ(gsNormal, g.GridState());
  EXPECT_EQ((TGridRect{2, 2, 3, 4}), g.Selection());
  g.GridMouseDown(70, 30, true);  // Shift-click stretches from the anchor
  g.GridMouseUp(70, 30);
  EXPECT_EQ((TGridRect{1, 1, 2, 2}), g.Selection());
}

TEST_F(GridModelMouse, ClicksOnFixedCellsOrOutsideSelectNothing) {
  g.GridMouseDown(10, 60, false);
  EXPECT_EQ(gsNormal, g.GridState());
  g.GridMouseDown(500, 60, false);
  EXPECT_EQ((TGridCoord{1, 1}), (TGridCoord{g.Col(), g.Row()}));
}

TEST_F(GridModelMouse, DraggingPastTheEdgeScrollsStepByStep) {
  g.GridMouseDown(140, 60, false);
  g.GridMouseMove(400, 60);  // beyond the right edge: the last column shown
  EXPECT_EQ(4, g.Col());
  EXPECT_TRUE(g.SelectingScrollStep(400, 60));
  EXPECT_EQ(5, g.Col());
  EXPECT_EQ(3, g.LeftCol());
  for (int i = 0; i < 10; ++i) g.SelectingScrollStep(400, 60);
  EXPECT_EQ(9, g.Col());
  EXPECT_FALSE(g.SelectingScrollStep(400, 60));
  g.GridMouseUp(400, 60);
  EXPECT_EQ((TGridRect{2, 2, 9, 2}), g.Selection());
  EXPECT_FALSE(g.SelectingScrollStep(400, 60));  // only while selecting
}

TEST_F(GridModelMouse, DraggingAColumnBorderSizesTheColumn) {
  g.SetOptions(g.Options() + TGridOptions{goColSizing});
  g.GridMouseDown(129, 10, false);  // right border of column 1 is at 128
  EXPECT_EQ(gsColSizing, g.GridState());
  EXPECT_EQ(1, g.SizingIndex());
  g.GridMouseMove(161, 12);
  g.GridMouseUp(161, 12);
  EXPECT_EQ(96, g.ColWidths(1));  // the border stays one pixel left of the pointer, as grabbed
  EXPECT_EQ(gsNormal, g.GridState());
}

TEST_F(GridModelMouse, BordersAreGrabbedOnlyInTheFixedAreaWithTheOption) {
  g.GridMouseDown(129, 10, false);
  EXPECT_NE(gsColSizing, g.GridState());  // no goColSizing
  g.GridMouseUp(129, 10);
  g.SetOptions(g.Options() + TGridOptions{goColSizing, goRowSizing});
  g.GridMouseDown(129, 60, false);  // a data row: a click, not a sizing
  EXPECT_EQ(gsSelecting, g.GridState());
  g.GridMouseUp(129, 60);
  g.GridMouseDown(20, 48, false);  // bottom border of row 1 in the fixed column
  EXPECT_EQ(gsRowSizing, g.GridState());
  g.GridMouseUp(20, 30);
  EXPECT_EQ(6, g.RowHeights(1));
}

TEST_F(GridModelMouse, DraggingAHeaderMovesTheColumn) {
  g.SetOptions(g.Options() + TGridOptions{goColMoving});
  FillCoordinates(g, 10);
  g.GridMouseDown(80, 10, false);  // header of column 1
  EXPECT_EQ(gsColMoving, g.GridState());
  g.GridMouseMove(200, 10);
  g.GridMouseUp(200, 10);  // dropped on column 3
  EXPECT_EQ(u"1,5", g.Cells(3, 5));
  EXPECT_EQ(u"2,5", g.Cells(1, 5));
}

TEST_F(GridModelMouse, ScrollBarThumbRunsFrom0To127) {
  EXPECT_EQ(0, g.ScrollThumb(true));
  g.SetTopRow(16);
  EXPECT_EQ(127, g.ScrollThumb(true));
  g.ScrollMessage(true, 4, 64);  // thumb position: row 1 + round(64 * 15 / 127)
  EXPECT_EQ(9, g.TopRow());
  g.ScrollMessage(true, 5, 0);  // tracking ignored without goThumbTracking
  EXPECT_EQ(9, g.TopRow());
  g.SetOptions(g.Options() + TGridOptions{goThumbTracking});
  g.ScrollMessage(true, 5, 0);
  EXPECT_EQ(1, g.TopRow());
  g.ScrollMessage(true, 3, 0);  // page down
  EXPECT_EQ(5, g.TopRow());
  g.ScrollMessage(true, 1, 0);
  EXPECT_EQ(6, g.TopRow());
  g.ScrollMessage(false, 7, 0);  // horizontal: to the end
  EXPECT_EQ(7, g.LeftCol());
  EXPECT_EQ(127, g.ScrollThumb(false));
  g.ScrollMessage(false, 0, 0);
  EXPECT_EQ(6, g.LeftCol());
}
