// When the in-place editor writes its text back, and through what: only
// SetEditText, at every change or (write-through off) once when it hides.
#include <gtest/gtest.h>

#include <vector>

#include "platform/grids/Grids.h"
#include "platform/gui/Forms.h"
#include "tests/support/GuiTest.h"

namespace {

struct TWrite {
  int Col, Row;
  String Text;
  friend bool operator==(const TWrite&, const TWrite&) = default;
};

// Records every write of the editor; may offer the editor another text than the cell's.
class TWriteRecordingGrid : public TStringGrid {
 public:
  TWriteRecordingGrid(TComponent* AOwner, bool WritesThrough) : TStringGrid(AOwner) {
    SetEditWritesThrough(WritesThrough);
  }
  String GetEditText(int ACol, int ARow) override {
    return Offered.empty() ? TStringGrid::GetEditText(ACol, ARow) : Offered;
  }
  void SetEditText(int ACol, int ARow, const String& Value) override {
    Writes.push_back(TWrite{ACol, ARow, Value});
    TStringGrid::SetEditText(ACol, ARow, Value);
  }
  // A grid busy with the edited value (validating it, say) may not place its editor.
  bool CanEditShow() override { return !Busy && TStringGrid::CanEditShow(); }
  String Offered;
  std::vector<TWrite> Writes;
  bool Busy = false;
};

class EditorWrites : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    Form->SetBounds(0, 0, 400, 300);
    Grid->SetParent(Form);
    Grid->SetBounds(10, 10, 300, 200);
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    Grid->SetCells(2, 1, u"x");
    Form->Show();
    Grid->SetFocus();
    Grid->SetCol(2);
    Grid->SetRow(1);
  }
  void TearDown() override { delete Form; }
  bool WritesThrough() const { return GetParam(); }

  TForm* Form = new TForm(nullptr);
  TWriteRecordingGrid* Grid = new TWriteRecordingGrid(Form, GetParam());
  testsupport::InputDriver Input;
};

TEST_P(EditorWrites, TypedTextReachesTheCellThroughSetEditText) {
  Input.Key(VK_F2);
  Input.Type(u"ab");
  if (WritesThrough()) {
    EXPECT_EQ((std::vector<TWrite>{{2, 1, u"xa"}, {2, 1, u"xab"}}), Grid->Writes);
    EXPECT_EQ(u"xab", Grid->Cells(2, 1));
  } else {
    EXPECT_TRUE(Grid->Writes.empty());
    EXPECT_EQ(u"x", Grid->Cells(2, 1)) << "nothing written while the editor is open";
  }
  Grid->Writes.clear();
  Input.Key(VK_RETURN);
  ASSERT_FALSE(Grid->EditorMode());
  EXPECT_EQ((std::vector<TWrite>{{2, 1, u"xab"}}), Grid->Writes) << "hiding writes once";
  EXPECT_EQ(u"xab", Grid->Cells(2, 1));
}

TEST_P(EditorWrites, EscapeLeavesTheCellAsItWas) {
  Input.Key(VK_F2);
  Input.Type(u"zz");
  Grid->Writes.clear();
  Input.Key(VK_ESCAPE);
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_EQ(u"x", Grid->Cells(2, 1));
  if (!WritesThrough()) {
    EXPECT_TRUE(Grid->Writes.empty());
  }
}

// The editor offers a text of its own (a formatted value, say): opening and
// closing it, or typing and taking the typing back, writes nothing.
TEST_P(EditorWrites, AnEditorClosedOnTheTextItOpenedWithWritesNothing) {
  Grid->Offered = u"1,000.00";
  Input.Key(VK_F2);
  EXPECT_EQ(u"1,000.00", Grid->InplaceEditor()->Text());
  Input.Key(VK_RETURN);
  EXPECT_TRUE(Grid->Writes.empty());
  EXPECT_EQ(u"x", Grid->Cells(2, 1));
  if (WritesThrough()) return;  // a take-back written through is written
  Input.Key(VK_F2);
  Input.Type(u"5");
  Input.Key(VK_BACK);
  Input.Key(VK_RETURN);
  EXPECT_TRUE(Grid->Writes.empty());
  EXPECT_EQ(u"x", Grid->Cells(2, 1));
}

// A move to another cell closes the editor with one write into the cell it edited.
TEST_P(EditorWrites, MovingOnWritesTheEditedCellOnce) {
  Input.Key(VK_F2);
  Input.Type(u"y");
  Grid->Writes.clear();
  Input.Key(VK_DOWN);
  EXPECT_EQ(2, Grid->Row());
  EXPECT_EQ((std::vector<TWrite>{{2, 1, u"xy"}}), Grid->Writes);
  EXPECT_EQ(u"xy", Grid->Cells(2, 1));
}

// The cell under the editor is written while the editor may not be reloaded:
// the editor holds no cell any more, yet a move must still close it (or take
// it along) and must not write its stale text over the new value.
TEST_P(EditorWrites, AnEditorWhoseCellWasWrittenUnderItFollowsTheMove) {
  for (const bool AlwaysShow : {false, true}) {
    SCOPED_TRACE(AlwaysShow ? "goAlwaysShowEditor" : "plain");
    if (AlwaysShow) Grid->SetOptions(Grid->Options() + TGridOptions{goAlwaysShowEditor});
    Grid->SetCells(2, 1, u"x");
    Grid->SetCells(3, 1, u"next");
    Grid->SetCol(2);
    Input.Key(VK_F2);
    Input.Type(u"y");
    Grid->Busy = true;
    Grid->SetCells(2, 1, u"stored");
    Grid->Busy = false;
    Grid->Writes.clear();
    Grid->SetCol(3);
    TInplaceEdit* Editor = Grid->InplaceEditor();
    EXPECT_EQ(u"stored", Grid->Cells(2, 1));
    EXPECT_TRUE(Grid->Writes.empty());
    EXPECT_EQ(AlwaysShow, Editor->Visible());
    EXPECT_EQ(AlwaysShow, Grid->EditorMode());
    if (AlwaysShow) {
      EXPECT_EQ(u"next", Editor->Text());
      EXPECT_EQ(Grid->ClientOfView(Grid->CellRect(3, 1)).Left, Editor->Left());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(WriteThrough, EditorWrites, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& p) { return p.param ? "On" : "Off"; });

}  // namespace
