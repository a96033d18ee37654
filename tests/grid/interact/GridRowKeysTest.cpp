#include <gtest/gtest.h>

#include "grid/base/Navigation.h"
#include "tests/grid/interact/MouseGridSupport.h"

namespace {

// Data rows 1..5 hold "r1".."r5" in column 1.
struct RowKeys : ::testing::Test, mousetest::TGridOnForm<TAdvStringGrid> {
  std::vector<int> Deleted, Inserted;
  RowKeys() {
    Grid->SetColCount(3);
    Grid->SetRowCount(6);
    for (int r = 1; r < 6; ++r) Grid->SetCells(1, r, u"r" + IntToStr(r));
    Grid->Navigation()->SetAllowInsertRow(true);
    Grid->Navigation()->SetAllowDeleteRow(true);
    Grid->OnAutoDeleteRow = [this](TObject*, int ARow) { Deleted.push_back(ARow); };
    Grid->OnAutoInsertRow = [this](TObject*, int ARow) { Inserted.push_back(ARow); };
    Show();
  }
  void Press(int ARow, WORD Key) {
    Grid->SetRow(ARow);
    Input.Key(Key);
  }
  // Column 1 of every row, hidden ones included.
  std::vector<String> Texts() {
    Grid->UnHideRowsAll();
    std::vector<String> t;
    for (int r = 1; r < Grid->RowCount(); ++r) t.push_back(Grid->Cells(1, r));
    return t;
  }
};

TEST_F(RowKeys, InsertPutsAnEmptyRowBeforeOrAfterTheCurrentRow) {
  Press(3, VK_INSERT);
  EXPECT_EQ(3, Grid->Row());
  Grid->Navigation()->SetInsertPosition(pInsertAfter);
  Press(5, VK_INSERT);
  EXPECT_EQ(6, Grid->Row());
  EXPECT_EQ((std::vector<String>{u"r1", u"r2", u"", u"r3", u"r4", u"", u"r5"}), Texts());
  EXPECT_EQ((std::vector<int>{3, 6}), Inserted);
}

TEST_F(RowKeys, DeleteRemovesTheCurrentRowAndClearsTheOnlyOne) {
  Press(2, VK_DELETE);
  EXPECT_EQ((std::vector<String>{u"r1", u"r3", u"r4", u"r5"}), Texts());
  EXPECT_EQ(std::vector<int>{2}, Deleted);
  Grid->SetRowCount(2);
  Press(1, VK_DELETE);
  EXPECT_EQ(2, Grid->RowCount());
  EXPECT_EQ(u"", Grid->Cells(1, 1));
}

TEST_F(RowKeys, TheKeysNeedTheirOptionAndTheirEventsMayRefuse) {
  Grid->Navigation()->SetAllowInsertRow(false);
  Grid->Navigation()->SetAllowDeleteRow(false);
  Press(2, VK_INSERT);
  Press(2, VK_DELETE);
  Grid->Navigation()->SetAllowInsertRow(true);
  Grid->Navigation()->SetAllowDeleteRow(true);
  Grid->OnCanInsertRow = [](TObject*, int, bool& Can) { Can = false; };
  Grid->OnCanDeleteRow = [](TObject*, int, bool& Can) { Can = false; };
  Press(2, VK_INSERT);
  Press(2, VK_DELETE);
  Input.Key(VK_INSERT, {ssCtrl});
  EXPECT_EQ((std::vector<String>{u"r1", u"r2", u"r3", u"r4", u"r5"}), Texts());
}

// With a row hidden above, the keys still act on the current row.
TEST_F(RowKeys, AHiddenRowAboveDoesNotShiftTheRowActedOn) {
  Grid->HideRow(2);
  Press(2, VK_DELETE);  // shows r3
  EXPECT_EQ((std::vector<String>{u"r1", u"r2", u"r4", u"r5"}), Texts());
  Grid->HideRow(2);
  Press(2, VK_INSERT);  // shows r4
  EXPECT_EQ((std::vector<String>{u"r1", u"r2", u"", u"r4", u"r5"}), Texts());
}

}  // namespace
