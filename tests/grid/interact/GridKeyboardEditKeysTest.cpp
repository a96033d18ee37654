// Keys that start editing and keys that select: Ctrl+A, Enter, F2 and typed
// characters on grids whose editing starts by mouse rules, the keypad's
// decimal point, and what the key-up does after a moving key.
#include <gtest/gtest.h>

#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/interact/GridCombo.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/sys/FormatSettings.h"
#include "tests/grid/interact/MouseGridSupport.h"

namespace {

using mousetest::TConfigGrid;
using mousetest::TGridOnForm;

struct BigGrid : ::testing::Test, TGridOnForm<TAdvStringGrid> {
  BigGrid() {
    Grid->SetColCount(30);
    Grid->SetRowCount(100);
    Show();
  }
};

TEST_F(BigGrid, CtrlASelectsTheDataAreaWithItsLastCellCurrentAndShown) {
  struct Case {
    const char* Name;
    TGridOptions Options;
  };
  const TGridOptions base{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColMoving};
  const Case Cases[] = {{"range select", base}, {"editing on", base + TGridOptions{goEditing}}};
  TGridCoord pressed{-1, -1};
  Grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int X, int Y) { pressed = Grid->MouseCoord(X, Y); };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    Grid->SetOptions(C.Options);
    Grid->SetCells(1, 0, u"first");
    Grid->FocusCell(2, 3, true);
    Grid->SetTopRow(1);
    Grid->SetLeftCol(1);
    Input.Pump();
    Input.Key('A', {ssCtrl});
    EXPECT_EQ((TGridRect{1, 1, 29, 99}), Grid->Selection());
    EXPECT_EQ(29, Grid->Col());
    EXPECT_EQ(99, Grid->Row());
    EXPECT_EQ((TGridCoord{29, 99}), pressed) << "the click is made on that cell";
    const TRect r = Grid->CellRect(29, 99);
    EXPECT_GT(r.Right, r.Left) << "the current cell is shown";
    EXPECT_EQ(u"first", Grid->Cells(1, 0)) << "no column moved";
    EXPECT_FALSE(Grid->EditorMode());
  }
}

TEST_F(BigGrid, CtrlAMarksEveryRowWithDisjunctRowSelectAndNeedsASelectingGrid) {
  Grid->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine});
  Grid->FocusCell(2, 3, true);
  Input.Key('A', {ssCtrl});
  EXPECT_EQ((TGridRect{2, 3, 2, 3}), Grid->Selection()) << "without range or row select";
  Grid->SetOptions(Grid->Options() + TGridOptions{goRowSelect});
  Grid->MouseActions()->SetDisjunctRowSelect(true);
  Input.Key('A', {ssCtrl});
  EXPECT_EQ(99, Grid->Row());
  for (int r : {1, 50, 99}) EXPECT_TRUE(Grid->RowSelect(r)) << r;
}

struct EditKeys : ::testing::Test, TConfigGrid {
  std::u16string Pressed;
  std::vector<WORD> Downs;
  EditKeys() {
    Grid->SetOptions(Grid->Options() - TGridOptions{goEditing});
    Grid->OnKeyPress = [this](TObject*, Char& Key) { Pressed += Key; };
    Grid->OnKeyDown = [this](TObject*, WORD& Key, TShiftState) { Downs.push_back(Key); };
  }
  void At(int ACol, int ARow) {
    Grid->FocusCell(ACol, ARow, true);
    Input.Pump();
  }
  bool EditorShown() const { return Grid->InplaceEditor() && Grid->InplaceEditor()->Visible(); }
  String EditorText() const { return Grid->InplaceEditor() ? Grid->InplaceEditor()->Text() : String(u"<none>"); }
};

TEST_F(EditKeys, UnderRangeSelectAndEditACharacterOpensTheEditorByAPress) {
  Grid->MouseActions()->SetRangeSelectAndEdit(true);
  std::vector<std::string> presses;
  Grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { presses.push_back("down"); };
  At(4, 2);
  Input.Type(u"q");
  ASSERT_TRUE(Grid->EditorMode());
  EXPECT_EQ(u"q", EditorText());
  EXPECT_EQ(u"q", Pressed) << "once, before the editor has it";
  EXPECT_EQ(std::vector<std::string>{"down"}, presses);
  EXPECT_TRUE(Grid->Options().Contains(goEditing));
  Input.Key(VK_ESCAPE);
  At(3, 2);
  Input.Type(u"G");
  EXPECT_TRUE(Grid->Combobox()->Visible());
  EXPECT_EQ(u"Group", Grid->Combobox()->Text()) << "the combo has the character once";
  Input.Key(VK_ESCAPE);
  At(2, 3);  // read-only
  Input.Type(u"q");
  EXPECT_FALSE(Grid->EditorMode());
}

TEST_F(EditKeys, UnderRangeSelectAndEditEnterOpensOnlyAnEditableCell) {
  Grid->MouseActions()->SetRangeSelectAndEdit(true);
  At(2, 2);  // read-only
  Input.Key(VK_RETURN);
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_FALSE(Grid->Options().Contains(goEditing));
  EXPECT_EQ(std::vector<WORD>{VK_RETURN}, Downs) << "the grid's own OnKeyDown";
  At(4, 2);
  Input.Key(VK_F2);
  EXPECT_TRUE(Grid->EditorMode());
  EXPECT_EQ(u"Device 2", EditorText());
}

// Enter and F2 that open nothing end at the grid, which fires OnKeyDown
// itself; the form's key preview sees only keys the grid hands on. The
// character Enter types still reaches OnKeyPress.
TEST_F(EditKeys, EnterAndF2ThatOpenNothingEndAtTheGrid) {
  struct Case {
    const char* Name;
    bool Editing;
    bool Preview;
    int Col;
    WORD Key;
    std::vector<WORD> FormSaw;
    bool Editor;
  };
  const Case Cases[] = {
      {"editing off, Enter", false, false, 4, VK_RETURN, {}, false},
      {"editing off, Enter, preview", false, true, 4, VK_RETURN, {VK_RETURN}, false},
      {"read-only cell, Enter", true, true, 2, VK_RETURN, {}, false},
      {"read-only cell, F2", true, true, 2, VK_F2, {}, false},
      {"editable cell, Enter", true, true, 4, VK_RETURN, {VK_RETURN}, true},
  };
  std::vector<WORD> formSaw;
  Form->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) { formSaw.push_back(Key); };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    At(C.Col, 2);  // may switch goEditing to suit the cell
    Grid->SetOptions(C.Editing ? Grid->Options() + TGridOptions{goEditing} : Grid->Options() - TGridOptions{goEditing});
    Form->SetKeyPreview(C.Preview);
    formSaw.clear();
    Downs.clear();
    Pressed.clear();
    ASSERT_FALSE(Grid->EditorMode());
    Input.Key(C.Key);
    EXPECT_EQ(C.FormSaw, formSaw);
    EXPECT_EQ(std::vector<WORD>{C.Key}, Downs) << "the grid's OnKeyDown once";
    EXPECT_EQ(C.Key == VK_RETURN ? u"\r" : u"", Pressed);
    EXPECT_EQ(C.Editor, EditorShown());
    if (EditorShown()) Input.Key(VK_ESCAPE);
    Grid->HideEditor();
  }
}

// A cell with in-text controls takes neither Enter, F2 nor characters.
TEST_F(EditKeys, ACellWithInTextControlsOpensNoEditor) {
  const String control = u"Mode <CONTROL TYPE=\"EDIT\" ID=\"m\" VALUE=\"1\">";
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  Grid->SetCells(4, 2, control);
  for (bool html : {true, false}) {
    SCOPED_TRACE(html ? "html" : "plain text");
    Grid->SetEnableHTML(html);
    for (WORD key : {WORD(VK_RETURN), WORD(VK_F2), WORD('Q')}) {
      At(4, 2);
      Downs.clear();
      Pressed.clear();
      Input.Key(key);
      EXPECT_EQ(!html, EditorShown()) << key;
      if (html) {
        EXPECT_TRUE(Pressed.empty()) << key;
        EXPECT_EQ(key == 'Q', !Downs.empty()) << "Enter and F2 end without OnKeyDown";
      }
      if (EditorShown()) Input.Key(VK_ESCAPE);
    }
  }
  EXPECT_EQ(control, Grid->Cells(4, 2));
}

TEST_F(EditKeys, WithEditOnDblClickOnlyEnterF2AndTypingSwitchEditingOn) {
  Grid->MouseActions()->SetEditOnDblClickOnly(true);
  At(2, 2);  // read-only
  Input.Key(VK_F2);
  EXPECT_FALSE(Grid->Options().Contains(goEditing));
  At(4, 2);
  Input.Key(VK_F2);
  EXPECT_TRUE(Grid->Options().Contains(goEditing));
  EXPECT_TRUE(Grid->EditorMode());
  Input.Key(VK_ESCAPE);
  Grid->SetOptions(Grid->Options() - TGridOptions{goEditing});
  At(4, 3);
  Input.Type(u"z");
  EXPECT_TRUE(Grid->Options().Contains(goEditing));
  EXPECT_EQ(u"z", EditorText());
}

TEST_F(EditKeys, TheKeypadPointTypesTheDecimalSeparatorWithExcelStyle) {
  TFormatSettingsGuard guard;
  FormatSettings.DecimalSeparator = u',';
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  struct Case {
    bool ExcelStyle;
    bool Keypad;
    const char16_t* Typed;
  };
  const Case Cases[] = {{true, true, u","}, {false, true, u"."}, {true, false, u"."}};
  int row = 1;
  for (const Case& C : Cases) {
    SCOPED_TRACE(row);
    Grid->SetExcelStyleDecimalSeparator(C.ExcelStyle);
    At(4, row++);
    C.Keypad ? Input.KeypadKey(VK_OEM_PERIOD) : Input.Key(VK_OEM_PERIOD);
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(C.Typed, EditorText());
    Input.Key(VK_ESCAPE);
  }
}

TEST_F(EditKeys, WithAlwaysEditAnArrowOpensTheEditorWhereItLands) {
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  Grid->Navigation()->SetAlwaysEdit(true);
  std::vector<TGridRect> changes;
  Grid->OnSelectionChanged = [&](TObject*, int L, int T, int R, int B) { changes.push_back({L, T, R, B}); };
  At(4, 2);
  Input.Key(VK_DOWN);
  EXPECT_EQ(3, Grid->Row());
  EXPECT_TRUE(Grid->EditorMode());
  EXPECT_EQ(u"Device 3", EditorText());
  EXPECT_EQ(std::vector<TGridRect>{(TGridRect{4, 3, 4, 3})}, changes);
  Input.Key(VK_ESCAPE);
  At(3, 2);
  Input.Key(VK_LEFT);  // onto a check box: no editor there
  EXPECT_EQ(2, Grid->Col());
  EXPECT_FALSE(Grid->EditorMode());
}

}  // namespace
