#include <gtest/gtest.h>

#include "grid/base/ControlLook.h"
#include "grid/base/Navigation.h"
#include "grid/interact/GridCombo.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/gui/StdCtrls.h"
#include "tests/grid/interact/MouseGridSupport.h"

namespace {

using mousetest::TConfigGrid;

struct ConfigGridKeys : ::testing::Test, TConfigGrid {
  std::vector<std::string> Clicks;
  void Start(int ACol, int ARow) {
    Grid->OnCheckBoxClick = [this](TObject*, int C, int R, bool State) {
      Clicks.push_back(std::to_string(C) + "," + std::to_string(R) + (State ? " on" : " off"));
    };
    Grid->SetCol(ACol);
    Grid->SetRow(ARow);
    Input.Pump();
  }
};

TEST_F(ConfigGridKeys, TabIsNotTheGridsAndMovesTheFocusOn) {
  auto* next = new TEdit(Form.get());
  next->SetParent(Form.get());
  next->SetBounds(0, 305, 100, 20);
  Input.Pump();
  Grid->SetFocus();
  Input.Pump();
  EXPECT_EQ(0, Grid->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB);
  Start(4, 2);
  Input.Key(VK_TAB);
  EXPECT_TRUE(next->Focused());
  EXPECT_EQ(4, Grid->Col());
  EXPECT_EQ(2, Grid->Row());
}

TEST_F(ConfigGridKeys, SpaceTogglesADataCheckBoxAndReportsEachToggle) {
  struct Case {
    const char16_t* Before;
    const char16_t* After;
    const char* Reported;
  };
  const Case Cases[] = {{u"", u"Y", "1,1 on"}, {u"x", u"Y", "1,2 on"}, {u"N", u"Y", "1,3 on"}, {u"Y", u"N", "1,4 off"}};
  int row = 1;
  for (const Case& C : Cases) {
    SCOPED_TRACE(row);
    Grid->SetCells(1, row, C.Before);
    Clicks.clear();
    Start(1, row);
    Input.Key(VK_SPACE);
    EXPECT_EQ(C.After, Grid->Cells(1, row));
    EXPECT_EQ(std::vector<std::string>{C.Reported}, Clicks);
    EXPECT_FALSE(Grid->EditorMode()) << "the space opens no editor";
    ++row;
  }
  Clicks.clear();
  Start(1, 5);
  Input.Key(VK_RETURN);
  EXPECT_EQ(u"N", Grid->Cells(1, 5)) << "Enter does not toggle";
  EXPECT_TRUE(Clicks.empty());
}

TEST_F(ConfigGridKeys, AReadOnlyBoxTogglesOnlyWhenAlwaysActive) {
  Start(2, 3);
  Input.Key(VK_SPACE);
  EXPECT_EQ(u"N", Grid->Cells(2, 3));
  Grid->ControlLook()->SetCheckAlwaysActive(true);
  Input.Key(VK_SPACE);
  EXPECT_EQ(u"Y", Grid->Cells(2, 3));
}

TEST_F(ConfigGridKeys, TheToggleReportsTheStorageColumnPastAHiddenColumn) {
  Grid->HideColumn(1);
  Grid->ControlLook()->SetCheckAlwaysActive(true);
  const String hidden = Grid->Cells(1, 3);
  Start(1, 3);  // the read-only box, shown in column 1
  Input.Key(VK_SPACE);
  EXPECT_EQ(u"Y", Grid->Cells(2, 3));
  EXPECT_EQ(hidden, Grid->Cells(1, 3));
  EXPECT_EQ(std::vector<std::string>{"2,3 on"}, Clicks);
}

TEST_F(ConfigGridKeys, ATypedCharacterOpensTheEditorWithIt) {
  std::u16string pressed;
  Grid->OnKeyPress = [&](TObject*, Char& Key) { pressed += Key; };
  Start(4, 2);
  Input.Type(u"q");
  ASSERT_TRUE(Grid->EditorMode());
  ASSERT_NE(nullptr, Grid->InplaceEditor());
  EXPECT_EQ(u"q", Grid->InplaceEditor()->Text());
  EXPECT_EQ(u"q", pressed);
  Input.Key(VK_ESCAPE);
  Start(3, 2);
  Input.Type(u"G");
  EXPECT_TRUE(Grid->Combobox()->Visible());
  EXPECT_EQ(u"Group", Grid->Combobox()->Text()) << "the list picks the typed item";
}

TEST_F(ConfigGridKeys, AKeyPressHandlerCanSwallowTheCharacter) {
  Grid->OnKeyPress = [](TObject*, Char& Key) { Key = Key == u'z' ? 0 : u'Z'; };
  Start(4, 2);
  Input.Type(u"z");
  EXPECT_FALSE(Grid->EditorMode());
  Input.Type(u"a");
  ASSERT_TRUE(Grid->EditorMode());
  EXPECT_EQ(u"Z", Grid->InplaceEditor()->Text());
}

TEST_F(ConfigGridKeys, ACharacterBeyondLatinOpensTheEditorWhole) {
  const std::u16string Cases[] = {u"\u20AC", u"\u0142", u"\U0001D11E", u"\u00E9\U0001F600x"};
  int row = 1;
  for (const std::u16string& C : Cases) {
    SCOPED_TRACE(row);
    std::u16string pressed;
    Grid->OnKeyPress = [&](TObject*, Char& Key) { pressed += Key; };
    Start(4, row++);
    Input.Type(C);
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(C, Grid->InplaceEditor()->Text());
    EXPECT_EQ(C, pressed) << "each unit once";
    Input.Key(VK_ESCAPE);
  }
}

// A radio group in (1, 1), single radio buttons down column 2, a cell
// button in (3, 1).
struct GraphicKeys : ::testing::Test, mousetest::TGridOnForm<TAdvStringGrid> {
  GraphicKeys() {
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    Grid->SetColCount(4);
    Grid->SetRowCount(5);
    TStrings* options = Grid->CreateRadio(1, 1, 0, 0);
    for (const char16_t* o : {u"off", u"slow", u"fast"}) options->Add(o);
    Grid->AddRadioButtonColumn(2);
    Grid->SetRadioButtonColumnIndex(2, 1);
    Grid->AddButton(3, 1, 40, 16, u"Go", haCenter, vaCenter);
    Grid->OnRadioClick = [this](TObject*, int C, int R, int I) {
      Add("radio " + Cell(C, R) + " " + std::to_string(I));
    };
    Grid->OnRadioButtonClick = [this](TObject*, int C, int R) { Add("radio button " + Cell(C, R)); };
    Grid->OnButtonClick = [this](TObject*, int C, int R) { Add("button " + Cell(C, R)); };
    Show();
  }
  static std::string Cell(int C, int R) { return std::to_string(C) + "," + std::to_string(R); }
  void KeyAt(int ACol, int ARow, WORD Key) {
    Grid->FocusCell(ACol, ARow, true);
    Input.Key(Key);
  }
  int RadioIdx() {
    int idx = -1;
    Grid->GetRadioIdx(1, 1, idx);
    return idx;
  }
};

TEST_F(GraphicKeys, SpaceCyclesARadioGroupAndWrapsToTheFirstOption) {
  for (int expected : {1, 2, 0}) {
    KeyAt(1, 1, VK_SPACE);
    EXPECT_EQ(expected, RadioIdx());
  }
  EXPECT_EQ((std::vector<std::string>{"radio 1,1 1", "radio 1,1 2", "radio 1,1 0"}), Log);
}

TEST_F(GraphicKeys, SpaceChecksARadioButtonAndUnchecksTheColumnsOthers) {
  KeyAt(2, 3, VK_SPACE);
  EXPECT_TRUE(Grid->IsRadioButtonChecked(2, 3));
  EXPECT_FALSE(Grid->IsRadioButtonChecked(2, 1));
  EXPECT_EQ(3, Grid->GetRadioButtonColumnIndex(2));
  EXPECT_EQ(std::vector<std::string>{"radio button 2,3"}, Log);
}

TEST_F(GraphicKeys, EnterAndSpaceOnACellButtonPressIt) {
  KeyAt(3, 1, VK_RETURN);
  KeyAt(3, 1, VK_SPACE);
  EXPECT_EQ((std::vector<std::string>{"button 3,1", "button 3,1"}), Log);
  EXPECT_FALSE(Grid->EditorMode());
}

TEST_F(GraphicKeys, WithoutEditingOnlyRadioAlwaysActiveLetsSpaceThrough) {
  Grid->SetOptions(Grid->Options() - TGridOptions{goEditing});
  KeyAt(1, 1, VK_SPACE);
  KeyAt(2, 3, VK_SPACE);
  KeyAt(3, 1, VK_SPACE);
  EXPECT_TRUE(Log.empty());
  Grid->ControlLook()->SetRadioAlwaysActive(true);
  KeyAt(1, 1, VK_SPACE);
  KeyAt(2, 3, VK_SPACE);
  KeyAt(3, 1, VK_SPACE);
  EXPECT_EQ((std::vector<std::string>{"radio 1,1 1", "radio button 2,3"}), Log) << "a button needs editing";
}

}  // namespace
