// Current cell, selection, top-left cell, geometry and cursor keys of the grid model.
#include <gtest/gtest.h>

#include "tests/platform/grids/GridTestSupport.h"

namespace {

// 10 x 20 cells of 64 x 24 px, one fixed column and row; the view shows the
// fixed cells, three full columns and 10 px of a fourth, four full rows and
// 10 px of a fifth.
class GridModelView : public ::testing::Test {
 protected:
  void SetUp() override { PlainGeometry(g, 10, 20, 64 * 4 + 10, 24 * 5 + 10); }
  TGridCoord Current() const { return {g.Col(), g.Row()}; }
  TGridModel g;
};

}  // namespace

TEST_F(GridModelView, CellRectOfVisibleAndInvisibleCells) {
  EXPECT_EQ(Rect(0, 0, 64, 24), g.CellRect(0, 0));
  EXPECT_EQ(Rect(64, 24, 128, 48), g.CellRect(1, 1));
  EXPECT_EQ(Rect(256, 24, 266, 48), g.CellRect(4, 1));  // partly shown: clipped to the view
  EXPECT_TRUE(g.CellRect(5, 1).IsEmpty());
  EXPECT_TRUE(g.CellRect(1, 6).IsEmpty());
  EXPECT_TRUE(g.CellRect(10, 1).IsEmpty());
  g.SetLeftCol(3);
  EXPECT_TRUE(g.CellRect(1, 1).IsEmpty());  // scrolled out to the left
  EXPECT_EQ(Rect(64, 24, 128, 48), g.CellRect(3, 1));
  EXPECT_EQ(Rect(0, 24, 64, 48), g.CellRect(0, 1));  // fixed cells stay
  g.SetColWidths(4, -1);                                // hidden
  EXPECT_TRUE(g.CellRect(4, 1).IsEmpty());
  EXPECT_EQ(Rect(128, 24, 192, 48), g.CellRect(5, 1));
}

TEST_F(GridModelView, GridLinesWidenEveryCellExtent) {
  g.SetGridLineWidth(2);
  EXPECT_EQ(Rect(66, 26, 130, 50), g.CellRect(1, 1));
  int c = 0, r = 0;
  g.MouseToCell(65, 25, c, r);  // on the lines after cell (0, 0)
  EXPECT_EQ((TGridCoord{0, 0}), (TGridCoord{c, r}));
  g.SetOptions(TGridOptions{goRangeSelect});  // no lines drawn: none counted
  EXPECT_EQ(Rect(64, 24, 128, 48), g.CellRect(1, 1));
}

TEST_F(GridModelView, MouseToCellAndVisibleCounts) {
  EXPECT_EQ((TGridCoord{0, 0}), g.MouseCoord(5, 5));
  EXPECT_EQ((TGridCoord{1, 1}), g.MouseCoord(70, 30));
  EXPECT_EQ((TGridCoord{4, 5}), g.MouseCoord(260, 125));
  EXPECT_EQ((TGridCoord{-1, -1}), g.MouseCoord(300, 10));
  EXPECT_EQ((TGridCoord{-1, -1}), g.MouseCoord(-1, 10));
  EXPECT_EQ(3, g.VisibleColCount());
  EXPECT_EQ(4, g.VisibleRowCount());
  g.SetTopRow(16);
  EXPECT_EQ((TGridCoord{2, 17}), g.MouseCoord(130, 50));
}

TEST_F(GridModelView, TopLeftIsClamped) {
  g.SetLeftCol(100);
  EXPECT_EQ(7, g.LeftCol());  // columns 7..9 fill the view
  g.SetLeftCol(0);
  EXPECT_EQ(1, g.LeftCol());  // never into the fixed columns
  g.SetTopRow(50);
  EXPECT_EQ(16, g.TopRow());
  g.SetViewSize(64 * 20, 24 * 30);  // everything fits: nothing to scroll
  EXPECT_EQ(1, g.TopRow());
  EXPECT_EQ(1, g.LeftCol());
}

TEST_F(GridModelView, TopLeftChangedFiresOncePerChange) {
  struct Counting : TGridModel {
    int changes = 0;
    void TopLeftChanged() override { ++changes; }
  } c;
  PlainGeometry(c, 10, 20, 266, 130);
  c.SetTopRow(3);
  c.SetTopRow(3);
  c.SetLeftCol(2);
  EXPECT_EQ(2, c.changes);
}

TEST_F(GridModelView, FocusScrollsTheCellIntoView) {
  g.FocusCell(8, 12, true);
  EXPECT_EQ(6, g.LeftCol());  // 6, 7, 8 shown in full
  EXPECT_EQ(9, g.TopRow());
  g.FocusCell(2, 2, true);
  EXPECT_EQ(2, g.LeftCol());
  EXPECT_EQ(2, g.TopRow());
}

TEST_F(GridModelView, SelectionIsNormalisedInEitherCornerOrder) {
  g.SetSelection(TGridRect{4, 3, 2, 1});
  EXPECT_EQ((TGridRect{2, 1, 4, 3}), g.Selection());
  EXPECT_EQ((TGridCoord{4, 3}), g.Anchor());
  EXPECT_EQ((TGridCoord{2, 1}), Current());
  g.SetSelection(TGridRect{2, 1, 4, 3});
  EXPECT_EQ((TGridRect{2, 1, 4, 3}), g.Selection());
  g.SetSelection(TGridRect{-5, 1, 40, 3});  // corners kept inside the grid
  EXPECT_EQ((TGridRect{0, 1, 9, 3}), g.Selection());
  g.SetOptions(g.Options() + TGridOptions{goRowSelect});
  g.FocusCell(3, 4, true);
  EXPECT_EQ((TGridRect{1, 4, 9, 4}), g.Selection());
}

TEST_F(GridModelView, ShiftStretchesTheSelectionOnlyWithRangeSelect) {
  g.FocusCell(2, 2, true);
  g.MoveByKey(0x28, true, false);
  g.MoveByKey(0x27, true, false);
  EXPECT_EQ((TGridRect{2, 2, 3, 3}), g.Selection());
  g.MoveByKey(0x28, false, false);
  EXPECT_EQ((TGridRect{3, 4, 3, 4}), g.Selection());
  g.SetOptions(g.Options() - TGridOptions{goRangeSelect});
  g.MoveByKey(0x28, true, false);
  EXPECT_EQ((TGridRect{3, 5, 3, 5}), g.Selection());
}

TEST_F(GridModelView, SelectCellVetoKeepsTheCurrentCell) {
  struct Vetoing : TGridModel {
    int clicks = 0;
    bool SelectCell(int ACol, int ARow) override { return !(ACol == 3 && ARow == 3); }
    void Click() override { ++clicks; }
  } v;
  PlainGeometry(v, 10, 20, 266, 130);
  v.FocusCell(3, 2, true);
  v.FocusCell(3, 3, true);
  EXPECT_EQ((TGridCoord{3, 2}), (TGridCoord{v.Col(), v.Row()}));
  v.MoveByKey(0x28, false, false);  // Down into the refused cell
  EXPECT_EQ(2, v.Row());
  v.SetRow(3);
  EXPECT_EQ(2, v.Row());
  EXPECT_EQ(1, v.clicks);
}

namespace {

struct KeyCase {
  const char* name;
  TGridCoord start;
  int key;
  bool shift, ctrl, tabs;
  TGridCoord expected;
  int topRow;  // -1: not checked
};

const int kUp = 0x26, kDown = 0x28, kLeft = 0x25, kRight = 0x27, kHome = 0x24, kEnd = 0x23, kPrior = 0x21,
          kNext = 0x22, kTab = 0x09;

const KeyCase kKeyCases[] = {
    {"Up", {2, 5}, kUp, false, false, false, {2, 4}, -1},
    {"UpStopsAtFixedRows", {2, 1}, kUp, false, false, false, {2, 1}, 1},
    {"DownStopsAtLastRow", {2, 19}, kDown, false, false, false, {2, 19}, 16},
    {"LeftStopsAtFixedCols", {1, 5}, kLeft, false, false, false, {1, 5}, -1},
    {"RightStopsAtLastCol", {9, 5}, kRight, false, false, false, {9, 5}, -1},
    {"Home", {5, 5}, kHome, false, false, false, {1, 5}, -1},
    {"End", {5, 5}, kEnd, false, false, false, {9, 5}, -1},
    {"CtrlHome", {5, 12}, kHome, false, true, false, {1, 1}, 1},
    {"CtrlEnd", {5, 5}, kEnd, false, true, false, {9, 19}, 16},
    {"PageDown", {2, 1}, kNext, false, false, false, {2, 5}, 5},
    {"PageDownStopsAtLastRow", {2, 18}, kNext, false, false, false, {2, 19}, 16},
    {"PageUpStopsAtFixedRows", {2, 3}, kPrior, false, false, false, {2, 1}, 1},
    {"TabWrapsToNextRow", {9, 5}, kTab, false, false, true, {1, 6}, -1},
    {"TabWrapsToFirstCell", {9, 19}, kTab, false, false, true, {1, 1}, 1},
    {"ShiftTabWrapsBack", {1, 1}, kTab, true, false, true, {9, 19}, 16},
};

}  // namespace

TEST_F(GridModelView, CursorKeys) {
  for (const KeyCase& k : kKeyCases) {
    SCOPED_TRACE(k.name);
    g.SetOptions(k.tabs ? g.Options() + TGridOptions{goTabs} : g.Options() - TGridOptions{goTabs});
    g.FocusCell(k.start.X, k.start.Y, true);
    EXPECT_TRUE(g.MoveByKey(k.key, k.shift, k.ctrl));
    EXPECT_EQ(k.expected, Current());
    if (k.topRow >= 0) {
      EXPECT_EQ(k.topRow, g.TopRow());
    }
  }
}

TEST_F(GridModelView, KeysTheGridDoesNotUse) {
  g.FocusCell(2, 2, true);
  EXPECT_FALSE(g.MoveByKey(kTab, false, false));  // without goTabs Tab is the form's
  EXPECT_FALSE(g.MoveByKey('A', false, false));
  EXPECT_EQ((TGridCoord{2, 2}), Current());
}

TEST_F(GridModelView, RowSelectScrollsSidewaysAndHomeEndGoToRows) {
  g.SetOptions(g.Options() + TGridOptions{goRowSelect});
  g.FocusCell(2, 5, true);
  g.MoveByKey(kRight, false, false);
  EXPECT_EQ(2, g.LeftCol());
  EXPECT_EQ(2, g.Col());
  g.MoveByKey(kEnd, false, false);
  EXPECT_EQ(19, g.Row());
  g.MoveByKey(kHome, false, false);
  EXPECT_EQ(1, g.Row());
}
