#include <gtest/gtest.h>

#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "tests/grid/interact/KeyGridSupport.h"

namespace {

using keytest::TKeyGrid;

std::vector<int> SelectedRows(TAdvStringGrid& G) {
  std::vector<int> rows;
  for (int r = G.FixedRows(); r < G.RowCount(); ++r)
    if (G.RowSelect(r)) rows.push_back(r);
  return rows;
}

std::vector<int> SelectedCols(TAdvStringGrid& G) {
  std::vector<int> cols;
  for (int c = G.FixedCols(); c < G.ColCount(); ++c)
    if (G.ColSelect(c)) cols.push_back(c);
  return cols;
}

std::vector<TPoint> SelectedCellList(TAdvStringGrid& G) {
  std::vector<TPoint> cells;
  for (int r = G.FixedRows(); r < G.RowCount(); ++r)
    for (int c = G.FixedCols(); c < G.ColCount(); ++c)
      if (G.SelectedCells(c, r)) cells.push_back(Point(c, r));
  return cells;
}

TEST(DisjunctKeys, CursorKeysCtrlShiftAndSpaceSelectRows) {
  TKeyGrid f([](TAdvStringGrid& G) {
    G.SetOptions(G.Options() + TGridOptions{goRowSelect});
    G.MouseActions()->SetDisjunctRowSelect(true);
  });
  f.At(1, 2);
  f.Input.Key(VK_DOWN);
  EXPECT_EQ(std::vector<int>{3}, SelectedRows(*f.Grid));
  f.Input.Key(VK_DOWN, {ssCtrl});
  f.Input.Key(VK_DOWN, {ssCtrl});
  EXPECT_EQ((std::vector<int>{3, 4, 5}), SelectedRows(*f.Grid));
  f.Input.Key(VK_SPACE);
  EXPECT_EQ((std::vector<int>{3, 4}), SelectedRows(*f.Grid)) << "Space toggles the current row";
  f.Input.Key(VK_DOWN, {ssShift});
  EXPECT_EQ((std::vector<int>{5, 6}), SelectedRows(*f.Grid)) << "Shift takes the range";
  f.Input.Key(VK_UP);
  EXPECT_EQ(std::vector<int>{5}, SelectedRows(*f.Grid));
}

TEST(DisjunctKeys, HomeAndEndOfRowsSelectTheRowOrTheRangeTheyCross) {
  TKeyGrid f([](TAdvStringGrid& G) {
    G.SetOptions(G.Options() + TGridOptions{goRowSelect});
    G.MouseActions()->SetDisjunctRowSelect(true);
    G.Navigation()->SetHomeEndKey(heFirstLastRow);
  });
  f.At(1, 4);
  f.Input.Key(VK_SPACE);
  f.Input.Key(VK_HOME);
  EXPECT_EQ(std::vector<int>{1}, SelectedRows(*f.Grid));
  f.At(1, 4);
  f.Input.Key(VK_END, {ssShift});
  EXPECT_EQ(7, f.Grid->Row());
  EXPECT_EQ((std::vector<int>{4, 5, 6, 7}), SelectedRows(*f.Grid));
}

TEST(DisjunctKeys, CursorKeysCtrlAndSpaceSelectColumns) {
  TKeyGrid f([](TAdvStringGrid& G) { G.MouseActions()->SetDisjunctColSelect(true); });
  f.At(1, 2);
  f.Input.Key(VK_RIGHT);
  f.Input.Key(VK_RIGHT, {ssCtrl});
  f.Input.Key(VK_RIGHT, {ssCtrl});
  EXPECT_EQ((std::vector<int>{2, 3, 4}), SelectedCols(*f.Grid));
  f.Input.Key(VK_SPACE);
  EXPECT_EQ((std::vector<int>{2, 3}), SelectedCols(*f.Grid));
  f.Input.Key(VK_LEFT);
  EXPECT_EQ(std::vector<int>{3}, SelectedCols(*f.Grid));
}

TEST(DisjunctKeys, SpaceCtrlSpaceAndShiftSelectCells) {
  TKeyGrid f([](TAdvStringGrid& G) { G.MouseActions()->SetDisjunctCellSelect(true); });
  f.At(2, 2);
  f.Input.Key(VK_SPACE);
  f.Input.Key(VK_DOWN);
  f.Input.Key(VK_DOWN);
  f.Input.Key(VK_SPACE, {ssCtrl});
  EXPECT_EQ((std::vector<TPoint>{{2, 2}, {2, 4}}), SelectedCellList(*f.Grid));
  f.Input.Key(VK_SPACE, {ssCtrl});
  EXPECT_EQ((std::vector<TPoint>{{2, 2}}), SelectedCellList(*f.Grid)) << "Ctrl+Space toggles";
  f.Input.Key(VK_RIGHT, {ssShift});
  f.Input.Key(VK_RIGHT, {ssShift});
  EXPECT_EQ((std::vector<TPoint>{{2, 2}, {2, 4}, {3, 4}}), SelectedCellList(*f.Grid))
      << "the range but its current cell";
  f.Input.Key(VK_LEFT, {ssShift});
  EXPECT_EQ((std::vector<TPoint>{{2, 2}, {2, 4}}), SelectedCellList(*f.Grid)) << "the range shrinks";
  f.Input.Key(VK_SPACE);
  EXPECT_EQ((std::vector<TPoint>{{2, 4}, {3, 4}}), SelectedCellList(*f.Grid)) << "Space keeps only the range";
}

TEST(DisjunctKeys, OnSelectCellCanKeepACellOut) {
  TKeyGrid f([](TAdvStringGrid& G) { G.MouseActions()->SetDisjunctCellSelect(true); });
  f.At(2, 2);
  f.Input.Key(VK_SPACE);
  f.Grid->OnSelectCell = [](TObject*, int ACol, int, bool& Can) { Can = ACol != 2; };
  f.Input.Key(VK_SPACE, {ssCtrl});
  EXPECT_EQ((std::vector<TPoint>{{2, 2}}), SelectedCellList(*f.Grid));
}

// Row 1 is a node over rows 1..3 whose row is one merged cell.
TEST(NodeKeys, RightAndLeftOnAMergedNodeRowExpandAndContractIt) {
  TKeyGrid f([](TAdvStringGrid& G) {
    G.AddNode(1, 3);
    G.MergeCells(1, 1, 5, 1);
  });
  f.At(1, 1);
  f.Input.Key(VK_LEFT);
  EXPECT_TRUE(f.Grid->GetNodeState(1));
  EXPECT_EQ(6, f.Grid->RowCount());
  f.Input.Key(VK_RIGHT);
  EXPECT_FALSE(f.Grid->GetNodeState(1));
  EXPECT_EQ(8, f.Grid->RowCount());
  f.At(2, 4);
  f.Input.Key(VK_LEFT);
  EXPECT_FALSE(f.Grid->GetNodeState(1)) << "only on the node row";
}

}  // namespace
