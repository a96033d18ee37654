// The row helpers of the table windows on a small column grid shaped like an
// access table: row numbers in column 0, a check-box Enable column, three
// text columns, four data rows.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "app/Language.h"
#include "app/ProgramState.h"
#include "app/TableRowHelpers.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/gui/Forms.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/GuiTest.h"

namespace {

using Texts = std::vector<String>;

class TableRowHelpers : public ::testing::Test {
 protected:
  void SetUp() override {
    Load_Default_Texts(State);
    Form->SetBounds(0, 0, 600, 300);
    Grid->SetParent(Form);
    Grid->SetBounds(10, 10, 560, 200);
    Grid->SetColCount(5);
    Grid->SetRowCount(5);
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    Grid->Columns()->Items(1)->SetEditor(edDataCheckBox);
    for (int R = 1; R <= 4; ++R) SetRow(R, Original(R));
    Form->Show();
  }
  void TearDown() override { delete Form; }

  // Row R as first filled: its number, Enable "Y" on odd rows, three texts.
  static Texts Original(int R) {
    const String N = IntToStr(R);
    return {N, R % 2 ? u"Y" : u"N", u"name " + N, u"addr " + N, u"port " + N};
  }
  // Storage columns from 0, hidden ones included.
  void SetRow(int R, const Texts& T) {
    for (int C = 0; C < static_cast<int>(T.size()); ++C) Grid->SetCellEx(C, R, T[C]);
  }
  Texts RowTexts(int R) {
    Texts T;
    for (int C = 0; C < Grid->AllColCount(); ++C) T.push_back(Grid->GetCellEx(C, R));
    return T;
  }
  Texts Clipboard() const {
    Texts T;
    for (int I = 0; I < State.Row_Clipboard.Count(); ++I) T.push_back(State.Row_Clipboard.Strings(I));
    return T;
  }
  TPoint Centre(int ACol, int ARow) const {
    const TRect R = Grid->CellRect(ACol, ARow);
    return Point((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  }

  TProgramState State{u"/nonexistent"};
  TForm* Form = new TForm(nullptr);
  TAdvColumnGrid* Grid = new TAdvColumnGrid(Form);
  testsupport::MessageBoxResponder Boxes;
  testsupport::InputDriver Input;
};

TEST_F(TableRowHelpers, CopyReplacesTheClipboardWithTheRowsDataColumns) {
  Copy_Grid_Row(State, *Grid, 2);
  Copy_Grid_Row(State, *Grid, 1);
  EXPECT_EQ((Texts{u"Y", u"name 1", u"addr 1", u"port 1"}), Clipboard());
}

TEST_F(TableRowHelpers, PasteAsksOnlyForARowWithTextOutsideItsCheckBoxes) {
  struct Case {
    const char* Name;
    Texts Target;  // storage columns 0 to 4 of row 3
    std::optional<TModalResult> Answer;
    bool Pasted;
  };
  const Case Cases[] = {
      {"empty row", {u"3", u"N", u"", u"", u""}, std::nullopt, true},
      {"only check box and blanks", {u"3", u"Y", u"  ", u"", u" "}, std::nullopt, true},
      {"used row, Yes", {u"3", u"N", u"", u" x ", u""}, mrYes, true},
      {"used row, No", {u"3", u"N", u"", u"", u"9"}, mrNo, false},
  };
  Copy_Grid_Row(State, *Grid, 1);
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    SetRow(3, C.Target);
    const size_t Before = Boxes.Boxes().size();
    if (C.Answer) Boxes.Answer(*C.Answer);
    Paste_Grid_Row(State, *Grid, 3, true);
    if (C.Answer) {
      ASSERT_EQ(Before + 1, Boxes.Boxes().size());
      const auto& Box = Boxes.Boxes().back();
      EXPECT_EQ(State.Text(900), Box.Text);
      EXPECT_EQ(mtConfirmation, Box.Kind);
      EXPECT_EQ(mbYesNo, Box.Buttons);
    } else {
      EXPECT_EQ(Before, Boxes.Boxes().size());
    }
    EXPECT_EQ(C.Pasted ? (Texts{u"3", u"Y", u"name 1", u"addr 1", u"port 1"}) : C.Target, RowTexts(3));
  }
}

TEST_F(TableRowHelpers, PasteWithoutAUsableCopyShowsAnErrorAndChangesNothing) {
  TAdvColumnGrid Narrow(nullptr);
  Narrow.SetColCount(3);
  struct Case {
    const char* Name;
    std::function<void()> Copy;
    bool Copied;
    int Text;
  };
  const Case Cases[] = {
      {"no copy done for this grid", [&] { Copy_Grid_Row(State, *Grid, 1); }, false, 902},
      {"copy from a narrower grid", [&] { Copy_Grid_Row(State, Narrow, 1); }, true, 901},
      {"a column hidden after the copy",
       [&] {
         Copy_Grid_Row(State, *Grid, 1);
         Grid->HideColumn(3);
       },
       true, 901},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    Grid->UnHideColumnsAll();
    C.Copy();
    const Texts Before = RowTexts(3);
    const size_t Shown = Boxes.Boxes().size();
    Paste_Grid_Row(State, *Grid, 3, C.Copied);
    ASSERT_EQ(Shown + 1, Boxes.Boxes().size());
    const auto& Box = Boxes.Boxes().back();
    EXPECT_EQ(State.Text(C.Text), Box.Text);
    EXPECT_EQ(mtError, Box.Kind);
    EXPECT_EQ(mbOK, Box.Buttons);
    EXPECT_EQ(Before, RowTexts(3));
  }
}

// What the user sees is what is copied: the hidden Name column neither
// enters the clipboard nor is overwritten, and its text does not make the
// row count as used.
TEST_F(TableRowHelpers, CopyAndPasteSkipAHiddenMiddleColumn) {
  Grid->HideColumn(2);
  Copy_Grid_Row(State, *Grid, 1);
  EXPECT_EQ((Texts{u"Y", u"addr 1", u"port 1"}), Clipboard());
  SetRow(3, {u"3", u"N", u"kept", u"", u""});
  Paste_Grid_Row(State, *Grid, 3, true);
  EXPECT_TRUE(Boxes.Boxes().empty());
  EXPECT_EQ((Texts{u"3", u"Y", u"kept", u"addr 1", u"port 1"}), RowTexts(3));
}

// Source lists, for rows 1 to 4 after the operation, the original row whose
// texts it holds (0: emptied). Run with and without a hidden column, which
// moves with its row all the same.
TEST_F(TableRowHelpers, InsertAndDeleteShiftRowsInsideTheRowCount) {
  struct Case {
    const char* Name;
    std::function<void(TAdvColumnGrid&)> Op;
    std::vector<int> Source;
    const char16_t* Enable;  // column 1 of the emptied row
  };
  const Case Cases[] = {
      {"insert at the top", [](auto& G) { Insert_Grid_Row(1, G, true); }, {0, 1, 2, 3}, u"Y"},
      {"insert in the middle", [](auto& G) { Insert_Grid_Row(2, G, false); }, {1, 0, 2, 3}, u""},
      {"insert at the last row", [](auto& G) { Insert_Grid_Row(4, G, true); }, {1, 2, 3, 0}, u"Y"},
      {"delete at the top", [](auto& G) { Delete_Grid_Row(1, G); }, {2, 3, 4, 0}, u""},
      {"delete in the middle", [](auto& G) { Delete_Grid_Row(2, G); }, {1, 3, 4, 0}, u""},
      {"delete at the last row", [](auto& G) { Delete_Grid_Row(4, G); }, {1, 2, 3, 0}, u""},
  };
  for (bool Hidden : {false, true}) {
    for (const Case& C : Cases) {
      SCOPED_TRACE(std::string(C.Name) + (Hidden ? ", column 3 hidden" : ""));
      Grid->UnHideColumnsAll();
      for (int R = 1; R <= 4; ++R) SetRow(R, Original(R));
      if (Hidden) Grid->HideColumn(3);
      C.Op(*Grid);
      EXPECT_EQ(5, Grid->RowCount());
      for (int R = 1; R <= 4; ++R) {
        const int From = C.Source[R - 1];
        Texts Expected = From ? Original(From) : Texts{u"", C.Enable, u"", u"", u""};
        Expected[0] = IntToStr(R);  // the row numbers stay
        EXPECT_EQ(Expected, RowTexts(R)) << "row " << R;
      }
    }
  }
}

TEST_F(TableRowHelpers, EnterMovesToTheNextCellAndIsSwallowedWithTheOptionOn) {
  struct Case {
    const char* Name;
    bool Jump;
    TGridCoord From, To;
    bool Editor;  // the key reached the grid, which opened its editor
  };
  const Case Cases[] = {
      {"middle of a row", true, {2, 2}, {3, 2}, false},
      {"end of a row", true, {4, 2}, {1, 3}, false},
      {"last cell", true, {4, 4}, {1, 1}, false},
      {"column 0", true, {0, 2}, {0, 2}, false},
      {"option off", false, {2, 2}, {2, 2}, true},
  };
  Grid->SetFixedCols(0);  // so column 0 can be the current one
  Grid->OnKeyPress = [this](TObject*, Char& Key) { Grid_Enter_Next_Cell(State, *Grid, Key); };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    Grid->SetEditorMode(false);
    State.Enable_Jump = C.Jump;
    Grid->FocusCell(C.From.X, C.From.Y, true);
    Input.Key(*Grid, VK_RETURN);
    EXPECT_EQ(C.To, (TGridCoord{Grid->Col(), Grid->Row()}));
    EXPECT_EQ(C.Editor, Grid->EditorMode());
  }
}

// The editor does not stay behind on the cell it stored: the next character
// typed opens it on the cell that is current now.
TEST_F(TableRowHelpers, EnterInAnOpenEditorStoresTheTypedValueBeforeItMoves) {
  struct Case {
    const char* Name;
    bool Jump;
    TGridCoord To, Next;  // current after the first and the second Enter
  };
  const Case Cases[] = {{"option on", true, {3, 2}, {4, 2}}, {"option off", false, {2, 2}, {2, 2}}};
  Grid->OnKeyPress = [this](TObject*, Char& Key) { Grid_Enter_Next_Cell(State, *Grid, Key); };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    State.Enable_Jump = C.Jump;
    SetRow(2, Original(2));
    Grid->FocusCell(2, 2, true);
    Grid->SetFocus();
    Input.Type(u"new");
    ASSERT_TRUE(Grid->EditorMode());
    Input.Key(VK_RETURN);
    Input.Pump();
    EXPECT_EQ(u"new", Grid->Cells(2, 2));
    EXPECT_EQ(C.To, (TGridCoord{Grid->Col(), Grid->Row()}));
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_FALSE(Grid->InplaceEditor()->Visible());
    EXPECT_TRUE(Grid->Focused());
    Input.Type(u"x");
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(u"x", Grid->InplaceEditor()->Text());
    EXPECT_EQ(Grid->ClientOfView(Grid->CellRect(C.To.X, C.To.Y)).Left, Grid->InplaceEditor()->Left());
    Input.Key(VK_RETURN);
    Input.Pump();
    EXPECT_EQ(u"x", Grid->Cells(C.To.X, C.To.Y));
    EXPECT_EQ(C.Jump ? u"new" : u"x", Grid->Cells(2, 2));
    EXPECT_EQ(C.Next, (TGridCoord{Grid->Col(), Grid->Row()}));
    EXPECT_FALSE(Grid->InplaceEditor()->Visible());
  }
}

TEST_F(TableRowHelpers, WithTheOptionOffEnterOpensAndClosesTheEditor) {
  State.Enable_Jump = false;
  Grid->OnKeyPress = [this](TObject*, Char& Key) { Grid_Enter_Next_Cell(State, *Grid, Key); };
  Grid->FocusCell(3, 2, true);
  Input.Key(*Grid, VK_RETURN);
  ASSERT_TRUE(Grid->EditorMode());
  Input.Key(VK_END);
  Input.Type(u"x");
  Input.Key(VK_RETURN);
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_EQ(u"addr 2x", Grid->Cells(3, 2));
  EXPECT_EQ((TGridCoord{3, 2}), (TGridCoord{Grid->Col(), Grid->Row()}));
}

TEST_F(TableRowHelpers, OtherKeysPassEvenWithTheOptionOn) {
  State.Enable_Jump = true;
  Grid->FocusCell(2, 2, true);
  Char Key = u'a';
  Grid_Enter_Next_Cell(State, *Grid, Key);
  EXPECT_EQ(u'a', Key);
  EXPECT_EQ(2, Grid->Col());
}

TEST_F(TableRowHelpers, AHeaderDoubleClickSizesItsColumnOnlyWithTheOptionOn) {
  struct Case {
    const char* Name;
    bool AutoSize;
    TGridCoord Cell;
    bool Sized;
  };
  const Case Cases[] = {
      {"header, option on", true, {3, 0}, true},
      {"header, option off", false, {3, 0}, false},
      {"data cell, option on", true, {3, 2}, false},
  };
  Grid->OnDblClickCell = [&](TObject*, int ARow, int ACol) { Grid_Auto_Size_Column(State, *Grid, ARow, ACol); };
  Grid->SetCellEx(3, 2, u"a much longer address than the column shows");
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    State.Enable_Auto_Size = C.AutoSize;
    Grid->SetColWidths(3, 20);
    Input.DoubleClick(*Grid, Centre(C.Cell.X, C.Cell.Y));
    const int Width = Grid->ColWidths(3);
    if (!C.Sized) {
      EXPECT_EQ(20, Width);
      continue;
    }
    EXPECT_GT(Width, 20);
    Grid->AutoSizeCol(3, 0);  // sized with no margin added
    EXPECT_EQ(Width, Grid->ColWidths(3));
  }
}

}  // namespace
