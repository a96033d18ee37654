#include <gtest/gtest.h>

#include "grid/base/Navigation.h"
#include "platform/gui/StdCtrls.h"
#include "tests/grid/interact/MouseGridSupport.h"

namespace {

// Columns 1..4 and rows 1..3 are data cells.
struct TabWalk : ::testing::Test, mousetest::TGridOnForm<TAdvStringGrid> {
  TabWalk() {
    Grid->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goTabs});
    Grid->SetColCount(5);
    Grid->SetRowCount(4);
    Show();
  }
  void At(int ACol, int ARow) {
    Grid->SetCol(ACol);
    Grid->SetRow(ARow);
    Input.Pump();
  }
  TGridCoord Tab(TShiftState Shift = {}) {
    Input.Key(VK_TAB, Shift);
    return {Grid->Col(), Grid->Row()};
  }
};

TEST_F(TabWalk, TabAndShiftTabWalkOverRowsAndWrap) {
  struct Case {
    TGridCoord From;
    bool Backward;
    TGridCoord To;
  };
  const Case Cases[] = {
      {{1, 1}, false, {2, 1}}, {{4, 1}, false, {1, 2}}, {{4, 3}, false, {1, 1}},
      {{2, 2}, true, {1, 2}},  {{1, 2}, true, {4, 1}},  {{1, 1}, true, {4, 3}},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.From.X << "," << C.From.Y << (C.Backward ? " back" : ""));
    At(C.From.X, C.From.Y);
    EXPECT_EQ(C.To, Tab(C.Backward ? TShiftState{ssShift} : TShiftState{}));
  }
}

TEST_F(TabWalk, AMergedAreaIsOneStopAtItsBaseCell) {
  Grid->MergeCells(2, 1, 2, 1);
  At(1, 1);
  EXPECT_EQ((TGridCoord{2, 1}), Tab());
  EXPECT_EQ((TGridCoord{4, 1}), Tab());
  EXPECT_EQ((TGridCoord{2, 1}), Tab({ssShift}));
}

TEST_F(TabWalk, CellsThatCannotBeEditedAreSkipped) {
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  Grid->Navigation()->SetAdvanceAutoEdit(false);
  Grid->OnCanEditCell = [](TObject*, int, int ACol, bool& CanEdit) { CanEdit = ACol != 2 && ACol != 3; };
  At(1, 1);
  EXPECT_EQ((TGridCoord{4, 1}), Tab());
  EXPECT_EQ((TGridCoord{1, 2}), Tab());
}

TEST_F(TabWalk, TopToBottomWalksDownTheColumn) {
  Grid->Navigation()->SetTabAdvanceDirection(adTopBottom);
  At(1, 2);
  EXPECT_EQ((TGridCoord{1, 3}), Tab());
  EXPECT_EQ((TGridCoord{2, 1}), Tab());
}

TEST_F(TabWalk, AdvanceInsertAddsARowUnlessRefused) {
  Grid->Navigation()->SetAdvanceInsert(true);
  bool allow = false;
  int added = -1;
  Grid->OnCanAddRow = [&](TObject*, bool& CanAdd) { CanAdd = allow; };
  Grid->OnAutoAddRow = [&](TObject*, int ARow) { added = ARow; };
  At(4, 3);
  EXPECT_EQ((TGridCoord{1, 1}), Tab());
  EXPECT_EQ(4, Grid->RowCount());
  allow = true;
  At(4, 3);
  EXPECT_EQ((TGridCoord{1, 4}), Tab());
  EXPECT_EQ(5, Grid->RowCount());
  EXPECT_EQ(4, added);
}

TEST_F(TabWalk, TabToNextAtEndHandsTheTabToTheWindow) {
  auto* next = new TEdit(Form.get());
  next->SetParent(Form.get());
  next->SetBounds(0, 305, 100, 20);
  Grid->Navigation()->SetTabToNextAtEnd(true);
  Grid->SetFocus();
  At(4, 2);
  EXPECT_TRUE(Grid->TabAdvance(false)) << "inside the walk";
  At(4, 3);
  EXPECT_FALSE(Grid->TabAdvance(false));
  EXPECT_EQ(1, Grid->Row());
}

TEST_F(TabWalk, AdvanceAutoEditOpensTheEditorAndItsTabWalksOn) {
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  At(1, 1);
  Tab();
  ASSERT_TRUE(Grid->EditorMode());
  EXPECT_EQ((TGridCoord{2, 1}), (TGridCoord{Grid->Col(), Grid->Row()}));
  Input.Type(u"x");
  EXPECT_EQ((TGridCoord{3, 1}), Tab()) << "the editor's Tab takes the walk";
  EXPECT_EQ(u"x", Grid->Cells(2, 1));
}

// Decided: with no other cell to go to, the walk ends where it began.
TEST_F(TabWalk, NoSelectableCellLeavesTheCurrentCell) {
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  Grid->Navigation()->SetAdvanceAutoEdit(false);
  Grid->OnCanEditCell = [](TObject*, int ARow, int ACol, bool& CanEdit) { CanEdit = ACol == 2 && ARow == 2; };
  At(2, 2);
  EXPECT_TRUE(Grid->TabAdvance(false));
  EXPECT_EQ((TGridCoord{2, 2}), (TGridCoord{Grid->Col(), Grid->Row()}));
  EXPECT_TRUE(Grid->TabAdvance(true));
  EXPECT_EQ((TGridCoord{2, 2}), (TGridCoord{Grid->Col(), Grid->Row()}));
  Grid->Navigation()->SetTabToNextAtEnd(true);
  EXPECT_FALSE(Grid->TabAdvance(false));
  EXPECT_EQ((TGridCoord{2, 2}), (TGridCoord{Grid->Col(), Grid->Row()}));
}

}  // namespace
