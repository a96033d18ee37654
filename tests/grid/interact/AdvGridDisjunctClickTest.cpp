#include <gtest/gtest.h>

#include "grid/base/MouseActions.h"
#include "tests/grid/interact/MouseGridSupport.h"

namespace {

struct DisjunctGrid : ::testing::Test, mousetest::TGridOnForm<TAdvStringGrid> {
  DisjunctGrid() {
    Grid->SetOptions(Grid->Options() + TGridOptions{goRangeSelect});
    Grid->SetColCount(5);
    Grid->SetRowCount(7);
    Grid->SetDefaultColWidth(80);
    Show();
  }
  const TShiftState Ctrl{ssCtrl};
  const TShiftState Shift{ssShift};
  std::vector<int> SelectedRows() {
    std::vector<int> rows;
    for (int r = 1; r < Grid->RowCount(); ++r) {
      if (Grid->RowSelect(r)) rows.push_back(r);
    }
    return rows;
  }
};

TEST_F(DisjunctGrid, CtrlClicksAddAndRemoveRows) {
  Grid->MouseActions()->SetDisjunctRowSelectDirect(true);
  Grid->SetOptions(Grid->Options() + TGridOptions{goRowSelect});
  Click(2, 1);
  Input.Click(*Grid, Centre(2, 3), Ctrl);
  Input.Click(*Grid, Centre(2, 5), Ctrl);
  EXPECT_EQ((std::vector<int>{1, 3, 5}), SelectedRows());
  Input.Click(*Grid, Centre(2, 3), Ctrl);
  EXPECT_EQ((std::vector<int>{1, 5}), SelectedRows()) << "a selected row leaves";
  Input.Click(*Grid, Centre(2, 2), Shift);
  EXPECT_EQ(2, Grid->Selection().Top);
  EXPECT_EQ(3, Grid->Selection().Bottom) << "Shift stretches to the last selection's far row";
  Click(2, 4);
  EXPECT_EQ((std::vector<int>{4}), SelectedRows()) << "a plain click starts anew";
}

TEST_F(DisjunctGrid, CtrlClicksAddAndRemoveColumns) {
  Grid->MouseActions()->SetDisjunctColSelect(true);
  Click(1, 2);
  Input.Click(*Grid, Centre(3, 2), Ctrl);
  EXPECT_TRUE(Grid->ColSelect(1));
  EXPECT_FALSE(Grid->ColSelect(2));
  EXPECT_TRUE(Grid->ColSelect(3));
  Input.Click(*Grid, Centre(1, 4), Ctrl);
  EXPECT_FALSE(Grid->ColSelect(1));
}

TEST_F(DisjunctGrid, CtrlAndShiftClicksBuildACellList) {
  Grid->MouseActions()->SetDisjunctCellSelect(true);
  Click(1, 1);
  Input.Click(*Grid, Centre(3, 2), Ctrl);
  Input.Click(*Grid, Centre(4, 5), Shift);
  EXPECT_TRUE(Grid->SelectedCells(1, 1));
  EXPECT_TRUE(Grid->SelectedCells(3, 2));
  EXPECT_TRUE(Grid->SelectedCells(4, 5));
  Input.Click(*Grid, Centre(3, 2), Ctrl);
  EXPECT_FALSE(Grid->SelectedCells(3, 2)) << "Ctrl toggles";
  Click(2, 2);
  EXPECT_EQ(1, Grid->SelectedCellsCount());
  EXPECT_TRUE(Grid->SelectedCells(2, 2));
}

}  // namespace
