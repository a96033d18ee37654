// Combo cells of a column grid laid out like the SNMP read table, edited
// through the window system: opening, the keys that end or leave the edit,
// the typed limit and the events of one edit in order.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/interact/GridCombo.h"
#include "grid/model/AdvColumnGrid.h"
#include "grid/model/GridColumnItem.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/SystemInputDriver.h"

namespace {

// Column 1 editable combo (two items, at most 15 typed), 2 and 4 list
// combos, 3 plain text with an edit length of 15; row 0 fixed.
struct SnmpTable {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TAdvColumnGrid* G = new TAdvColumnGrid(Form.get());
  TEdit* Other = new TEdit(Form.get());
  testsupport::SystemInputDriver Input;

  SnmpTable() {
    Form->SetBounds(40, 40, 640, 360);
    G->SetParent(Form.get());
    G->SetBounds(10, 10, 600, 220);
    Other->SetParent(Form.get());
    Other->SetBounds(10, 250, 150, 24);
    G->SetColCount(5);
    G->SetRowCount(4);
    G->SetFixedCols(1);
    G->SetFixedRows(1);
    G->SetOptions(G->Options() + TGridOptions{goEditing});
    Column(1, edComboEdit, {u"public", u"private"})->SetEditLength(15);
    Column(2, edComboList, {u"Integer", u"String", u"Counter"});
    Column(3, edNormal, {})->SetEditLength(15);
    Column(4, edComboList, {u"none", u"x10"});
    const char16_t* rows[3][4] = {{u"public", u"Integer", u"sysName", u"none"},
                                  {u"private", u"String", u"sysLocation", u"x10"},
                                  {u"own", u"Gauge", u"sysContact", u"none"}};
    for (int r = 1; r < 4; ++r)
      for (int c = 1; c < 5; ++c) G->SetCells(c, r, rows[r - 1][c - 1]);
    Form->Show();
    Input.Pump();
  }
  TGridColumnItem* Column(int C, TEditorType Kind, std::vector<String> Items) {
    TGridColumnItem* item = G->Columns()->Items(C);
    item->SetEditor(Kind);
    TStringList list;
    for (const String& s : Items) list.Add(s);
    item->SetComboItems(list);
    return item;
  }
  void Start(int ACol, int ARow) {
    G->SetCol(ACol);
    G->SetRow(ARow);
    G->SetFocus();
    Input.Pump();
  }
  // Opens the current cell's combo, drops its list and takes the next item.
  void ChooseNextItem() {
    Input.Key(VK_F2);
    Input.Key(VK_DOWN, {ssAlt});
    Input.Key(VK_DOWN);
    Input.Key(VK_RETURN);
  }
  TGridCombo& Combo() { return *G->Combobox(); }
  bool ComboShown() { return Combo().Visible(); }
  TPoint Centre(int ACol, int ARow) const {
    const TRect r = G->CellRect(ACol, ARow);
    return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
};

TEST(ComboEditing, F2AClickAndATypedCharacterOpenTheColumnsCombo) {
  for (int how = 0; how < 3; ++how) {
    SCOPED_TRACE(how);
    SnmpTable t;
    t.Start(1, 2);
    if (how == 0) t.Input.Key(VK_F2);
    if (how == 1) t.Input.Click(*t.G, t.Centre(1, 2));
    if (how == 2) t.Input.Type(u"q");
    t.Input.Pump();
    ASSERT_TRUE(t.ComboShown());
    EXPECT_EQ(t.Combo().Style(), csDropDown);
    EXPECT_EQ(t.Combo().Items().Count(), 2);
    EXPECT_TRUE(t.Combo().Focused());
    const String text = t.Combo().Text();
    if (how == 2)
      EXPECT_EQ(text.back(), u'q') << "the typed character reaches the combo";
    else
      EXPECT_EQ(text, u"private");
  }
  SnmpTable list;
  list.Start(2, 1);
  list.Input.Key(VK_F2);
  EXPECT_EQ(list.Combo().Style(), csDropDownList);
  EXPECT_EQ(list.Combo().Items().Count(), 3);
  EXPECT_EQ(list.Combo().ItemIndex(), 0);
}

TEST(ComboEditing, SoftAndOfficeLooksShowTheComboFlatAndEtchedInTheCellsColour) {
  const std::pair<TGridLook, bool> looks[] = {{glSoft, true},     {glZEV, true},      {glXP, true},
                                              {glOffice2007, true}, {glStandard, false}, {glClassic, false},
                                              {glCustom, false}};
  for (const auto& [look, flat] : looks) {
    SCOPED_TRACE(static_cast<int>(look));
    SnmpTable t;
    t.G->SetLook(look);
    t.G->SetColors(2, 1, clYellow);
    t.Start(2, 1);
    t.Input.Key(VK_F2);
    ASSERT_TRUE(t.ComboShown());
    EXPECT_EQ(t.Combo().Flat(), flat);
    EXPECT_EQ(t.Combo().Etched(), flat);
    EXPECT_EQ(t.Combo().Color(), clYellow) << "the cell's colour, not the grid's";
  }
}

TEST(ComboEditing, AClickOpeningAnEditableComboPutsTheCaretAtTheClickedCharacter) {
  SnmpTable t;
  t.G->MouseActions()->SetCaretPositioning(true);
  t.G->Navigation()->SetEditSelectAll(false);
  t.Start(1, 2);
  t.Input.Key(VK_F2);
  int x = 0;
  while (x < t.Combo().Width() && t.Combo().CharFromPos(Point(x, 4)) < 3) ++x;
  const TRect cell = t.G->CellRect(1, 2);
  const TPoint at = t.G->ScreenToClient(t.Combo().ClientToScreen(Point(x, 0)));
  t.Input.Key(VK_ESCAPE);
  t.Input.Click(*t.G, Point(at.X, (cell.Top + cell.Bottom) / 2));
  ASSERT_TRUE(t.ComboShown());
  EXPECT_EQ(t.Combo().SelStart(), 3);
  EXPECT_EQ(t.Combo().SelLength(), 0);
}

TEST(ComboEditing, AListOnANonItemSelectsTheShownTextOrTheFirstAndTellsOnce) {
  struct Case {
    const char* What;
    String Cell;
    int Preset;
    int Selected;
    int Events;
  };
  const std::vector<Case> cases = {
      {"an item: no events", u"Counter", -1, 2, 0},
      {"the shown text of a tagged cell", u"<b>String</b>", -1, 1, 1},
      {"no item: the first", u"Gauge", -1, 0, 1},
      {"no item with a preset: the preset, no events", u"Gauge", 2, 2, 0},
      {"an item wins over the preset", u"Integer", 2, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    SnmpTable t;
    t.G->SetCells(2, 3, c.Cell);
    t.G->SetComboSelection(c.Preset);
    std::vector<int> plain, withObject;
    t.G->OnComboChange = [&](TObject*, int ACol, int, int I, const String&) { plain.push_back(I); };
    t.G->OnComboObjectChange = [&](TObject*, int, int, int I, const String&, TObject*) {
      withObject.push_back(I);
    };
    t.Start(2, 3);
    t.Input.Key(VK_F2);
    ASSERT_TRUE(t.ComboShown());
    EXPECT_EQ(t.Combo().ItemIndex(), c.Selected);
    ASSERT_EQ(static_cast<int>(plain.size()), c.Events);
    ASSERT_EQ(static_cast<int>(withObject.size()), c.Events);
    if (c.Events) {
      EXPECT_EQ(plain[0], c.Selected) << "the item actually selected";
    }
  }
}

TEST(ComboEditing, EnterWritesBackAndARefusalKeepsTheComboWithTheCorrection) {
  SnmpTable t;
  t.Start(2, 1);
  t.ChooseNextItem();
  t.Input.Key(VK_RETURN);
  EXPECT_FALSE(t.ComboShown());
  EXPECT_EQ(t.G->Cells(2, 1), u"String") << "the selected item's text";

  SnmpTable r;
  r.G->Navigation()->SetAdvanceOnEnter(true);
  r.G->OnCellValidate = [](TObject*, int, int, String& Value, bool& Valid) {
    Valid = Value.size() <= 6;
    if (!Valid) Value = Value.substr(0, 6);
  };
  r.Start(1, 1);
  r.Input.Key(VK_F2);
  r.Input.Type(u"community");
  r.Input.Key(VK_RETURN);
  EXPECT_TRUE(r.ComboShown()) << "a refusal keeps the combo";
  EXPECT_EQ(r.Combo().Text(), u"public");
  EXPECT_EQ(r.Combo().SelLength(), 6) << "all of the corrected text selected";
  EXPECT_EQ(Point(r.G->Col(), r.G->Row()), Point(1, 1)) << "no advance after a refusal";
  r.Input.Key(VK_RETURN);
  EXPECT_EQ(r.G->Cells(1, 1), u"public");
  EXPECT_EQ(Point(r.G->Col(), r.G->Row()), Point(2, 1)) << "an accepted Enter advances";
  EXPECT_EQ(r.Combo().Style(), csDropDownList) << "and edits on there (AdvanceAutoEdit)";
}

TEST(ComboEditing, EscapeRestoresTheTextAndSelectionTheCellHad) {
  SnmpTable t;
  t.Start(1, 2);
  t.Input.Key(VK_F2);
  t.Input.Key('A', {ssCtrl});
  t.Input.Type(u"changed");
  t.Input.Key(VK_ESCAPE);
  EXPECT_FALSE(t.ComboShown());
  EXPECT_EQ(t.G->Cells(1, 2), u"private");
  EXPECT_EQ(t.Combo().ItemIndex(), 1);
  EXPECT_TRUE(t.Form->Visible()) << "Escape does not reach the form";
}

TEST(ComboEditing, TabWithGoTabsMovesOnAndWithoutItTheFormMovesTheFocus) {
  SnmpTable t;
  t.G->SetOptions(t.G->Options() + TGridOptions{goTabs});
  t.Start(2, 1);
  t.ChooseNextItem();
  t.Input.Key(VK_TAB);
  EXPECT_FALSE(t.ComboShown());
  EXPECT_EQ(t.G->Cells(2, 1), u"String");
  EXPECT_EQ(t.G->Col(), 3);

  SnmpTable v;
  int validated = 0;
  v.G->OnCellValidate = [&](TObject*, int, int, String&, bool&) { ++validated; };
  v.Start(1, 1);
  v.Input.Key(VK_F2);
  v.Input.Type(u"x");
  v.Input.Key(VK_TAB);
  EXPECT_EQ(validated, 1);
  EXPECT_EQ(v.G->Cells(1, 1).back(), u'x');
  EXPECT_TRUE(v.Other->Focused()) << "the posted Tab moves the focus on";
}

TEST(ComboEditing, UpInAClosedComboWithoutComboGetUpDownMovesUpAndLeavesThatCellAlone) {
  SnmpTable t;
  t.G->Navigation()->SetComboGetUpDown(false);
  t.Start(1, 2);
  t.Input.Key(VK_F2);
  t.Input.Type(u"X");
  t.Input.Key(VK_UP);
  EXPECT_FALSE(t.ComboShown());
  EXPECT_EQ(t.G->Row(), 1);
  EXPECT_EQ(t.G->Cells(1, 1), u"public") << "the cell above keeps its text";
  EXPECT_EQ(t.G->Cells(1, 2).back(), u'X') << "the edited cell got its text";

  SnmpTable g;
  int validated = 0;
  g.G->OnCellValidate = [&](TObject*, int, int, String&, bool&) { ++validated; };
  g.Start(1, 2);
  g.Input.Key(VK_F2);
  g.Input.Type(u"2");
  g.Input.Key(VK_DOWN);
  EXPECT_EQ(validated, 1) << "with ComboGetUpDown the text is validated before the move";
  EXPECT_EQ(g.G->Row(), 3);
  EXPECT_EQ(g.G->Cells(1, 3), u"own");
}

TEST(ComboEditing, CursorWalkingLeavesAnEditableComboAtItsTextEnds) {
  struct Case {
    const char* What;
    std::vector<WORD> Keys;
    bool AlwaysEdit;
    TPoint Cell;  // where the grid stands afterwards
  };
  const std::vector<Case> cases = {
      {"Right at the end", {VK_END, VK_RIGHT}, true, Point(2, 2)},
      {"Right at the end, no editing on", {VK_END, VK_RIGHT}, false, Point(2, 2)},
      {"Left at the start", {VK_HOME, VK_LEFT}, true, Point(4, 1)},
      {"Left onto the first character", {VK_HOME, VK_RIGHT, VK_LEFT}, true, Point(1, 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    SnmpTable t;
    t.G->Navigation()->SetCursorWalkEditor(true);
    t.G->Navigation()->SetCursorWalkAlwaysEdit(c.AlwaysEdit);
    t.Start(1, 2);
    t.Input.Key(VK_F2);
    t.Input.Key(VK_END);
    t.Input.Type(u"s");
    for (WORD key : c.Keys) t.Input.Key(key);
    t.Input.Pump();
    EXPECT_EQ(Point(t.G->Col(), t.G->Row()), c.Cell);
    if (c.Cell == Point(1, 2)) {
      EXPECT_TRUE(t.ComboShown()) << "the caret moved inside the text";
      EXPECT_EQ(t.Combo().SelStart(), 0);
      continue;
    }
    EXPECT_EQ(t.G->Cells(1, 2), u"privates");
    EXPECT_EQ(t.ComboShown(), c.AlwaysEdit);
  }
}

TEST(ComboEditing, AltDownOpensTheListWithoutLeavingTheCell) {
  SnmpTable t;
  t.Start(4, 1);
  t.Input.Key(VK_F2);
  t.Input.Key(VK_DOWN, {ssAlt});
  EXPECT_TRUE(t.Combo().DroppedDown());
  EXPECT_TRUE(t.ComboShown());
  EXPECT_EQ(t.G->Row(), 1);
  t.Input.Key(VK_ESCAPE);
}

TEST(ComboEditing, LeavingTheGridWritesBackAndLookupHistoryKeepsTheNewText) {
  SnmpTable t;
  t.G->SetLookupHistory(true);
  t.Start(1, 3);
  t.Input.Key(VK_F2);
  t.Input.Key('A', {ssCtrl});
  t.Input.Type(u"guest");
  t.Input.Click(*t.Other);
  EXPECT_FALSE(t.ComboShown());
  EXPECT_EQ(t.G->Cells(1, 3), u"guest");
  EXPECT_GE(t.Combo().Items().IndexOf(u"guest"), 0);
}

TEST(ComboEditing, CharactersTypedRightAfterTheOpeningOneFollowIt) {
  SnmpTable t;
  t.G->SetCells(1, 3, u"");
  t.Start(1, 3);
  t.Input.Type(u"abc");  // delivered one after another, no pumping between
  EXPECT_TRUE(t.ComboShown());
  EXPECT_EQ(t.Combo().Text(), u"abc");
}

TEST(ComboEditing, AnEditableComboTakesAtMostTheColumnsEditLength) {
  SnmpTable t;
  t.G->SetMaxComboLength(4);
  t.Start(1, 1);
  t.Input.Key(VK_F2);
  t.Input.Key('A', {ssCtrl});
  t.Input.Type(u"abcdefghijklmnopqrst");
  EXPECT_EQ(t.Combo().Text(), u"abcdefghijklmno");

  SnmpTable plain;
  plain.G->Columns()->Items(1)->SetEditLength(0);
  plain.G->SetMaxComboLength(4);
  plain.Start(1, 1);
  plain.Input.Key(VK_F2);
  plain.Input.Key('A', {ssCtrl});
  plain.Input.Type(u"abcdef");
  EXPECT_EQ(plain.Combo().Text(), u"abcd") << "no column limit: MaxComboLength";
}

TEST(ComboEditing, TheEventsOfOneEditComeInOrder) {
  SnmpTable t;
  std::vector<std::string> log;
  t.G->OnGetEditorType = [&](TObject*, int, int, TEditorType&) { log.push_back("GetEditorType"); };
  t.G->OnGetEditorProp = [&](TObject*, int, int, TComponent*) { log.push_back("GetEditorProp"); };
  t.G->OnComboChange = [&](TObject*, int, int, int, const String&) { log.push_back("ComboChange"); };
  t.G->OnComboObjectChange = [&](TObject*, int, int, int, const String&, TObject*) {
    log.push_back("ComboObjectChange");
  };
  t.G->OnEditChange = [&](TObject*, int, int, const String&) { log.push_back("EditChange"); };
  t.G->OnCellValidate = [&](TObject*, int, int, String&, bool&) { log.push_back("CellValidate"); };
  t.G->OnEditingDone = [&](TObject*) { log.push_back("EditingDone"); };
  t.G->OnEditCellDone = [&](TObject*, int, int) { log.push_back("EditCellDone"); };
  t.Start(1, 1);
  t.Input.Key(VK_F2);
  t.Input.Type(u"x");
  t.Input.Key(VK_RETURN);
  const std::vector<std::string> expected = {"GetEditorType", "GetEditorProp", "EditChange", "CellValidate",
                                             "EditingDone", "EditCellDone"};
  EXPECT_EQ(log, expected);

  SnmpTable list;
  std::vector<std::string> opened;
  list.G->SetCells(2, 1, u"Gauge");
  list.G->OnGetEditorType = [&](TObject*, int, int, TEditorType&) { opened.push_back("GetEditorType"); };
  list.G->OnGetEditorProp = [&](TObject*, int, int, TComponent*) { opened.push_back("GetEditorProp"); };
  list.G->OnComboChange = [&](TObject*, int, int, int, const String&) { opened.push_back("ComboChange"); };
  list.G->OnComboObjectChange = [&](TObject*, int, int, int, const String&, TObject*) {
    opened.push_back("ComboObjectChange");
  };
  list.Start(2, 1);
  list.Input.Key(VK_F2);
  EXPECT_EQ(opened, (std::vector<std::string>{"GetEditorType", "GetEditorProp", "ComboChange",
                                              "ComboObjectChange"}));
}

}  // namespace
