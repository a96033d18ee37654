// The grid's editor writes through SetEditText with the display column;
// the grid maps it to the storage column and the merged area's base cell.
#include <gtest/gtest.h>

#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Forms.h"
#include "tests/support/GuiTest.h"

namespace {

class TEditTextRecordingGrid : public TAdvStringGrid {
 public:
  using TAdvStringGrid::TAdvStringGrid;
  void SetEditText(int ACol, int ARow, const String& Value) override {
    Columns.push_back(ACol);
    TAdvStringGrid::SetEditText(ACol, ARow, Value);
  }
  std::vector<int> Columns;
};

class AdvGridEditorWrites : public ::testing::Test {
 protected:
  void SetUp() override {
    Form->SetBounds(0, 0, 500, 400);
    Grid->SetParent(Form);
    Grid->SetBounds(10, 10, 400, 250);
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    Form->Show();
    Grid->SetFocus();
  }
  void TearDown() override { delete Form; }
  void Edit(int DisplayCol, int Row, const String& Typed) {
    Grid->FocusCell(DisplayCol, Row, true);
    Input.Key(VK_F2);
    Input.Type(Typed);
    Input.Key(VK_RETURN);
  }

  TForm* Form = new TForm(nullptr);
  TEditTextRecordingGrid* Grid = new TEditTextRecordingGrid(Form);
  testsupport::InputDriver Input;
};

TEST_F(AdvGridEditorWrites, ADisplayColumnPastAHiddenOneWritesItsStorageColumn) {
  Grid->SetCells(2, 1, u"b");
  Grid->HideColumn(1);
  Edit(1, 1, u"c");
  EXPECT_EQ(std::vector<int>{1}, Grid->Columns) << "one write, with the display column";
  EXPECT_EQ(u"bc", Grid->Cells(2, 1));
  EXPECT_EQ(u"", Grid->Cells(1, 1)) << "the hidden column keeps its text";
}

TEST_F(AdvGridEditorWrites, ACellOfAMergedAreaWritesItsBaseCell) {
  Grid->SetCells(2, 3, u"m");
  Grid->MergeCells(2, 3, 2, 1);
  Grid->SetEditText(3, 3, u"merged");
  EXPECT_EQ(u"merged", Grid->GridCells(2, 3));
  EXPECT_EQ(u"", Grid->GridCells(3, 3));
}

// The grid writes only when its editor closes: typing alone changes no cell.
TEST_F(AdvGridEditorWrites, TypingWritesNothingAndEscapeLeavesTheCell) {
  Grid->SetCells(1, 1, u"a");
  Grid->FocusCell(1, 1, true);
  Input.Key(VK_F2);
  Input.Type(u"xy");
  EXPECT_TRUE(Grid->Columns.empty());
  EXPECT_EQ(u"a", Grid->Cells(1, 1));
  Input.Key(VK_ESCAPE);
  EXPECT_EQ(u"a", Grid->Cells(1, 1));
  EXPECT_TRUE(Grid->Columns.empty());
}

}  // namespace
