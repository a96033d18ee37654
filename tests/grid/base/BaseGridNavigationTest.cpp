// Keys and the wheel through the window system: the current cell leaves a
// merged area in one step and always ends on a base cell.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/gui/Messages.h"
#include "tests/grid/base/BaseGridPaintSupport.h"
#include "tests/support/SystemInputDriver.h"

namespace {

struct Area {
  int col, row, spanX, spanY;
};

struct KeyCase {
  const char* what;
  std::vector<Area> areas;
  TPoint start;
  WORD key;
  TPoint end;
};

TEST(BaseGridNavigation, ArrowKeysLeaveMergedAreasOntoBaseCells) {
  const KeyCase cases[] = {
      {"Right on the base of a 3-column area", {{2, 2, 3, 1}}, {2, 2}, VK_RIGHT, {5, 2}},
      {"Left on a covered cell", {{2, 2, 3, 1}}, {3, 2}, VK_LEFT, {1, 2}},
      {"Up on a covered cell", {{2, 2, 1, 3}}, {2, 3}, VK_UP, {2, 1}},
      {"Down on a covered cell", {{2, 2, 1, 3}}, {2, 3}, VK_DOWN, {2, 5}},
      {"Right into another area ends on its base", {{1, 2, 2, 1}, {3, 1, 2, 2}}, {1, 2}, VK_RIGHT, {3, 1}},
      {"Down from a plain cell into an area ends on its base", {{2, 3, 2, 2}}, {3, 2}, VK_DOWN, {2, 3}},
  };
  for (const KeyCase& k : cases) {
    SCOPED_TRACE(k.what);
    TShownPaintGrid shown;
    TPaintGrid& g = *shown.Grid;
    g.SetColCount(8);
    g.SetRowCount(8);
    g.SetFixedCols(1);
    g.SetFixedRows(1);
    for (const Area& a : k.areas) g.MergeCells(a.col, a.row, a.spanX, a.spanY);
    g.SetCol(k.start.X);
    g.SetRow(k.start.Y);
    g.SetFocus();
    testsupport::SystemInputDriver input;
    input.Key(k.key);
    EXPECT_EQ(Point(g.Col(), g.Row()), k.end);
  }
}

// With a floating footer, Page Down when the view reaches the last row goes
// to the row above the footer before the platform's page step.
TEST(BaseGridNavigation, PageDownWithAFloatingFooterStopsAboveIt) {
  TShownPaintGrid shown;
  TPaintGrid& g = *shown.Grid;
  g.SetRowCount(8);
  g.SetFixedRows(1);
  g.SetHideLastRow(true);
  std::vector<int> asked;
  g.OnSelectCell = [&asked](TObject*, int, int ARow, bool& CanSelect) {
    asked.push_back(ARow);
    CanSelect = ARow != 7;  // the footer row takes no current cell here
  };
  g.SetRow(2);
  asked.clear();
  g.SetFocus();
  testsupport::SystemInputDriver input;
  input.Key(VK_NEXT);
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(asked.front(), 6);
  EXPECT_EQ(g.Row(), 6);
}

TEST(BaseGridNavigation, TheWheelEndsOnABaseCell) {
  TShownPaintGrid shown;
  TPaintGrid& g = *shown.Grid;
  g.SetFixedRows(1);
  g.MergeCells(1, 3, 2, 2);
  g.SetCol(2);
  g.SetRow(2);
  g.SetFocus();
  testsupport::SystemInputDriver input;
  input.Wheel(g, -WHEEL_DELTA);
  EXPECT_EQ(Point(g.Col(), g.Row()), Point(1, 3));
  g.SetRow(5);
  g.SetCol(2);
  input.Wheel(g, WHEEL_DELTA);
  EXPECT_EQ(Point(g.Col(), g.Row()), Point(1, 3));
}

// Scrolling repaints the merged areas of the fixed bands whole.
TEST(BaseGridNavigation, ScrollingRepaintsMergedCellsOfTheFixedBands) {
  TShownPaintGrid shown;
  TPaintGrid& g = *shown.Grid;
  g.SetColCount(20);
  g.SetRowCount(30);
  g.SetFixedCols(1);
  g.SetFixedRows(1);
  g.MergeCells(0, 12, 1, 2);  // in the fixed column
  g.MergeCells(10, 0, 2, 1);  // in the fixed row
  auto invalidated = [&g](int Col, int Row) {
    const TRect r = g.CellRect(Col, Row);
    return std::find(g.InvalidatedRects.begin(), g.InvalidatedRects.end(), r) != g.InvalidatedRects.end();
  };
  g.InvalidatedRects.clear();
  g.SetTopRow(8);
  EXPECT_TRUE(invalidated(0, 12));
  g.InvalidatedRects.clear();
  g.SetLeftCol(6);
  EXPECT_TRUE(invalidated(10, 0));
}

}  // namespace
