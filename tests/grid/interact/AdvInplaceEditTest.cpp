// The grid's text editor as a user meets it: keys typed into the window
// that has the keyboard, on a grid shown on a form.
#include "grid/interact/AdvInplaceEdit.h"

#include <gtest/gtest.h>

#include <vector>

#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/base/SizeWhileTyping.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Canvas.h"
#include "platform/sys/FormatSettings.h"
#include "tests/support/BeepRecorder.h"
#include "tests/support/ClipboardFake.h"
#include "tests/support/ShownOnForm.h"
#include "tests/support/SystemInputDriver.h"

namespace {

struct EditGrid {
  TAdvStringGrid* G;
  testsupport::TShownOnForm<TAdvStringGrid> Shown;
  testsupport::SystemInputDriver Input;
  TEditorType Kind = edNormal;

  explicit EditGrid(TAdvStringGrid* Grid = new TAdvStringGrid(nullptr)) : G(Grid), Shown(Grid) {
    G->SetColCount(4);
    G->SetRowCount(5);
    G->SetOptions(G->Options() + TGridOptions{goEditing});
    G->OnGetEditorType = [this](TObject*, int, int, TEditorType& E) { E = Kind; };
    G->SetCol(1);
    G->SetRow(1);
    G->SetFocus();
    Input.Pump();
  }
  TAdvInplaceEdit* Edit() const { return G->NormalEdit(); }
  bool Editing() const { return Edit() && Edit()->Visible(); }
  String Text() const { return Edit() ? Edit()->Text() : String(); }
};

TEST(AdvInplaceEdit, EachKindFiltersWhatIsTyped) {
  struct TypedCase {
    TEditorType Kind;
    Char Decimal;
    String Typed;
    String Shown;
    int Beeps;
  };
  const std::vector<TypedCase> cases = {
      {edNumeric, u'.', u"-1-2a", u"-12", 2},
      {edPositiveNumeric, u'.', u"-12", u"12", 1},
      {edFloat, u'.', u"1.2.3,4", u"1.234", 0},
      {edFloat, u',', u"1,2,3.4", u"1,234", 0},
      {edPositiveFloat, u'.', u"-1.5", u"1.5", 0},
      {edUpperCase, u'.', u"abc", u"ABC", 0},
      {edCapital, u'.', u"abc", u"ABC", 0},
      {edLowerCase, u'.', u"ABC", u"abc", 0},
      {edValidChars, u'.', u"abxc", u"abc", 1},
      {edPassword, u'.', u"secret", u"secret", 0},
  };
  for (const TypedCase& c : cases) {
    const TFormatSettingsGuard guard;
    FormatSettings.DecimalSeparator = c.Decimal;
    FormatSettings.ThousandSeparator = c.Decimal == u'.' ? u',' : u'.';
    EditGrid f;
    f.Kind = c.Kind;
    f.G->SetValidChars(u"abc");
    testsupport::BeepRecorder beeps;
    f.Input.Type(c.Typed);
    EXPECT_EQ(f.Text(), c.Shown) << static_cast<int>(c.Kind) << " " << static_cast<char>(c.Decimal);
    EXPECT_EQ(beeps.Count(), c.Beeps) << static_cast<int>(c.Kind);
    EXPECT_EQ(f.Edit()->PasswordChar(), c.Kind == edPassword ? f.G->PasswordChar() : Char(0));
  }
}

TEST(AdvInplaceEdit, MixedCaseRewritesTheTextAndKeepsTheCaretAfterTheTypedCharacter) {
  EditGrid f;
  f.Kind = edMixedCase;
  f.Input.Type(u"the unit");
  EXPECT_EQ(f.Text(), u"The Unit");
  f.Input.Key(VK_HOME);
  f.Input.Key(VK_RIGHT);
  f.Input.Type(u"x");
  EXPECT_EQ(f.Text(), u"Txhe Unit");
  EXPECT_EQ(f.Edit()->SelStart(), 2) << "after the character typed, not at the end";
}

TEST(AdvInplaceEdit, TheLengthLimitDropsWhatWouldPassItUnlessTextIsSelected) {
  EditGrid f;
  f.G->SetMaxEditLength(5);
  f.Input.Type(u"123456");
  EXPECT_EQ(f.Text(), u"12345");
  f.Input.Key(VK_BACK);
  EXPECT_EQ(f.Text(), u"1234") << "Backspace still works";
  f.Input.Type(u"56");
  EXPECT_EQ(f.Text(), u"12345");
  f.Input.Key('A', {ssCtrl});
  f.Input.Type(u"9");
  EXPECT_EQ(f.Text(), u"9") << "typing over a selection";
}

TEST(AdvInplaceEdit, AdvanceAutoMovesOnAfterTheLastCharacterTheLimitAllows) {
  EditGrid f;
  f.G->SetMaxEditLength(3);
  f.G->Navigation()->SetAdvanceOnEnter(true);
  f.G->Navigation()->SetAdvanceAuto(true);
  f.Input.Type(u"ab");
  EXPECT_EQ(Point(f.G->Col(), f.G->Row()), Point(1, 1));
  f.Input.Type(u"c");
  f.Input.Pump();
  EXPECT_EQ(f.G->Cells(1, 1), u"abc");
  EXPECT_EQ(Point(f.G->Col(), f.G->Row()), Point(2, 1));
}

TEST(AdvInplaceEdit, PastingIsFilteredAndTheEventsMayChangeOrRefuseIt) {
  testsupport::ClipboardFake clipboard;
  EditGrid f;
  f.Kind = edNumeric;
  f.Input.Type(u"1");
  ClipboardSetAsText(u"23\r\n");
  f.Input.Key('V', {ssCtrl});
  EXPECT_EQ(f.Text(), u"123") << "the trailing line break is dropped";
  ClipboardSetAsText(u"4x");
  f.Input.Key('V', {ssCtrl});
  EXPECT_EQ(f.Text(), u"123") << "letters refused";

  f.G->OnClipboardBeforePasteCell = [](TObject*, int, int, String& V, bool&) { V = u"77"; };
  f.Input.Key('V', {ssCtrl});
  EXPECT_EQ(f.Text(), u"12377");
  int after = 0;
  f.G->OnClipboardAfterPasteCell = [&](TObject*, int, int, const String&) { ++after; };
  f.G->OnClipboardPaste = [](TObject*, bool& Allow) { Allow = false; };
  f.Input.Key('V', {ssCtrl});
  EXPECT_EQ(f.Text(), u"12377");
  EXPECT_EQ(after, 0);
}

TEST(AdvInplaceEdit, LookupCompletionKeepsThePrefixAsTypedAndSelectsTheRest) {
  EditGrid f;
  f.G->SetLookup(true);
  f.G->LookupItems()->Add(u"Beta");
  f.G->LookupItems()->Add(u"Alpha");
  f.Input.Type(u"al");
  EXPECT_EQ(f.Text(), u"alpha");
  EXPECT_EQ(f.Edit()->SelStart(), 2);
  EXPECT_EQ(f.Edit()->SelLength(), 3);
  f.Input.Key(VK_BACK);
  EXPECT_EQ(f.Text(), u"al") << "Backspace does not complete again";

  EditGrid cs;
  cs.G->SetLookup(true);
  cs.G->SetLookupCaseSensitive(true);
  cs.G->LookupItems()->Add(u"Alpha");
  cs.Input.Type(u"al");
  EXPECT_EQ(cs.Text(), u"al") << "case-sensitive: no item begins with al";
}

// Where character I of the current cell's text shows, in grid client
// points, measured in an editor opened and closed again.
TPoint CharacterPoint(EditGrid& F, int I) {
  F.Input.Key(VK_F2);
  const LRESULT at = F.Edit()->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(I), 0);
  const TRect cell = F.G->CellRect(1, 1);
  const TPoint p = F.G->ScreenToClient(F.Edit()->ClientToScreen(Point(GetXLParam(at) + 1, 0)));
  F.Input.Key(VK_ESCAPE);
  return Point(p.X, (cell.Top + cell.Bottom) / 2);
}

TEST(AdvInplaceEdit, AClickOpeningTheEditorPutsTheCaretAtTheClickedCharacter) {
  for (const bool positioning : {true, false}) {
    SCOPED_TRACE(positioning);
    EditGrid f;
    f.G->SetColWidths(1, 160);  // room for the whole text: the editor does not scroll it
    f.G->SetCells(1, 1, u"abcdefgh");
    f.G->MouseActions()->SetCaretPositioning(positioning);
    f.G->Navigation()->SetEditSelectAll(false);
    const TPoint at = CharacterPoint(f, 3);
    ASSERT_FALSE(f.Editing());
    f.Input.Click(*f.G, at);
    ASSERT_TRUE(f.Editing());
    EXPECT_EQ(f.Edit()->SelStart(), positioning ? 3 : 8);
    EXPECT_EQ(f.Edit()->SelLength(), 0);
    f.Input.Type(u"X");
    EXPECT_EQ(f.Text(), positioning ? u"abcXdefgh" : u"abcdefghX");
    f.Input.Key(VK_ESCAPE);
    f.Input.Key(VK_F2);
    EXPECT_EQ(f.Edit()->SelStart(), 8) << "a key opening the editor again ignores the old press";
  }
}

// A grid that keeps what its editor hooks were told, and takes Delete away
// from the editor.
struct HookGrid : TAdvStringGrid {
  HookGrid() : TAdvStringGrid(nullptr) {}
  struct Changed {
    String Text;
    TPoint Before;
    int Caret;
  };
  std::vector<Changed> Changes;
  std::vector<bool> Formula;
  std::vector<WORD> KeysDown;
  void InplaceEditTextChanged(const String& Text, TPoint& SelRange, int SelStart) override {
    Changes.push_back({Text, SelRange, SelStart});
  }
  void InplaceEditFormula(bool Active) override { Formula.push_back(Active); }
  void InplaceEditWMKeyDown(TMessage& Message) override { KeysDown.push_back(static_cast<WORD>(Message.WParam)); }
  void InplaceEditKeyDown(WORD& Key, TShiftState) override {
    if (Key == VK_DELETE) Key = 0;
  }
};

TEST(AdvInplaceEdit, TheEditorHooksLearnTheTextTheCaretAndAFormula) {
  auto* hooks = new HookGrid;
  EditGrid f(hooks);
  f.Input.Key(VK_F2);
  f.Input.Type(u"=ab");
  ASSERT_EQ(hooks->Changes.size(), 3u);
  const HookGrid::Changed& last = hooks->Changes.back();
  EXPECT_EQ(last.Text, u"=ab");
  EXPECT_EQ(last.Caret, 3);
  const LRESULT at = f.Edit()->Perform(EM_POSFROMCHAR, 2, 0);
  EXPECT_EQ(last.Before, Point(GetXLParam(at), GetYLParam(at))) << "where the character before the caret shows";
  EXPECT_GT(last.Before.X, hooks->Changes.front().Before.X);
  EXPECT_EQ(hooks->Formula, std::vector<bool>({false, true, true, true})) << "F2's key-up, then each character";

  f.Input.Key(VK_HOME);
  f.Input.Key(VK_DELETE);
  EXPECT_EQ(f.Text(), u"=ab") << "the key hook took Delete";
  EXPECT_EQ(hooks->KeysDown.back(), VK_DELETE);
  EXPECT_EQ(hooks->Changes.size(), 3u) << "no change reported with the caret at 0";

  f.Input.Key(VK_END);
  f.Input.Key(VK_BACK);
  f.Input.Type(u"c");
  EXPECT_EQ(hooks->Changes.back().Text, u"=ac");
  f.Input.Click(*f.Shown.Other);
  EXPECT_FALSE(hooks->Formula.back()) << "no formula once the editor lost the focus";
}

TEST(AdvInplaceEdit, ARightAlignedCellEditsRightAligned) {
  EditGrid f;
  f.G->SetAlignments(1, 1, taRightJustify);
  f.Input.Type(u"5");
  ASSERT_TRUE(f.Editing());
  EXPECT_TRUE(f.Edit()->VAlign());
}

// A handler that refuses texts longer than three characters and cuts them.
void RefuseLong(TAdvStringGrid& G, int& Calls) {
  G.OnCellValidate = [&Calls](TObject*, int, int, String& Value, bool& Valid) {
    ++Calls;
    Valid = Value.size() <= 3;
    if (!Valid) Value = Value.substr(0, 3);
  };
}

TEST(AdvInplaceEdit, TheKeysThatLeaveACellValidateFirstAndARefusalKeepsTheEditor) {
  struct KeyCase {
    const char* What;
    WORD Key;
    TShiftState Shift;
    bool CaretAtStart;
  };
  const std::vector<KeyCase> cases = {
      {"Enter", VK_RETURN, {}, false},
      {"Tab", VK_TAB, {}, false},
      {"Up on the first line", VK_UP, {}, false},
      {"Down on the last line", VK_DOWN, {}, false},
      {"Shift+Left at the start", VK_LEFT, {ssShift}, true},
      {"Shift+Right at the end", VK_RIGHT, {ssShift}, false},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.What);
    EditGrid f;
    f.G->Navigation()->SetCursorWalkEditor(true);
    int calls = 0;
    RefuseLong(*f.G, calls);
    f.Input.Type(u"abcdef");
    if (c.CaretAtStart) f.Input.Key(VK_HOME);
    f.Input.Key(c.Key, c.Shift);
    EXPECT_EQ(calls, 1) << "validated once";
    ASSERT_TRUE(f.Editing()) << "a refusal keeps the editor";
    EXPECT_EQ(f.Text(), u"abc");
    EXPECT_EQ(f.Edit()->SelLength(), 3) << "the validated text selected";
    EXPECT_EQ(f.G->Row(), 1);
    EXPECT_EQ(f.G->Col(), 1);
  }
}

TEST(AdvInplaceEdit, CursorWalkingLeavesAtTheTextEndsAndEditsOn) {
  struct Case {
    const char* What;
    bool AlwaysEdit;
    bool Home;  // caret to the start before the walk
    WORD Key;
    int Col;
  };
  const Case cases[] = {
      {"Right at the end", true, false, VK_RIGHT, 3},
      {"Left at the start", true, true, VK_LEFT, 1},
      {"Right without editing on", false, false, VK_RIGHT, 3},
      {"Left inside the text", true, false, VK_LEFT, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    EditGrid f;
    f.G->Navigation()->SetCursorWalkEditor(true);
    f.G->Navigation()->SetCursorWalkAlwaysEdit(c.AlwaysEdit);
    f.G->SetCol(2);
    f.Input.Pump();
    f.Input.Type(u"ab");
    if (c.Home) f.Input.Key(VK_HOME);
    f.Input.Key(c.Key);
    f.Input.Pump();
    EXPECT_EQ(f.G->Col(), c.Col);
    if (c.Col == 2) {
      EXPECT_TRUE(f.Editing()) << "the caret moved inside the text";
      continue;
    }
    EXPECT_EQ(f.G->Cells(2, 1), u"ab");
    EXPECT_EQ(f.Editing(), c.AlwaysEdit);
  }
}

TEST(AdvInplaceEdit, AWrappingEditorGrowsItsRowWhileTyping) {
  EditGrid f;
  f.G->SetWordWrap(true);
  f.G->SizeWhileTyping()->SetHeight(true);
  f.G->SetColWidths(1, 60);
  const int before = f.G->RowHeights(1);
  f.Input.Key(VK_F2);
  ASSERT_TRUE(f.Edit()->WordWrap());
  f.Input.Type(u"one two three four five six");
  EXPECT_GT(f.G->RowHeights(1), before) << "the editor's text, wrapped, sizes the row";
  EXPECT_EQ(f.G->Cells(1, 1), u"") << "nothing written before the edit ends";
}

TEST(AdvInplaceEdit, TheColumnAndItsEditorWidenWhileTypingAndDoNotNarrowAgain) {
  for (const bool sizing : {true, false}) {
    SCOPED_TRACE(sizing);
    EditGrid f;
    f.G->SizeWhileTyping()->SetWidth(sizing);
    f.G->SetColWidths(1, 40);
    f.Input.Type(u"a much longer text");
    ASSERT_TRUE(f.Editing());
    const int grown = f.G->ColWidths(1);
    if (!sizing) {
      EXPECT_EQ(grown, 40);
      continue;
    }
    EXPECT_GT(grown, f.G->MeasureCanvas()->TextWidth(u"a much longer text")) << "room for the whole text";
    EXPECT_EQ(f.Edit()->Width(), grown - 1) << "the editor covers the wider cell";
    EXPECT_EQ(f.G->Cells(1, 1), u"") << "nothing written before the edit ends";
    for (int i = 0; i < 10; ++i) f.Input.Key(VK_BACK);
    EXPECT_EQ(f.G->ColWidths(1), grown) << "grows only";
    f.Input.Key(VK_RETURN);
    EXPECT_EQ(f.G->Cells(1, 1), u"a much l");
  }
}

TEST(AdvInplaceEdit, EscapeRestoresTheCellsText) {
  EditGrid f;
  f.G->SetCells(1, 1, u"kept");
  f.Input.Key(VK_F2);
  f.Input.Type(u"xyz");
  f.Input.Key(VK_ESCAPE);
  EXPECT_FALSE(f.Editing());
  EXPECT_EQ(f.G->Cells(1, 1), u"kept");
  EXPECT_TRUE(f.Shown.Form->Visible());
}

TEST(AdvInplaceEdit, FocusMovingAwayValidatesAndEndsTheEditButAltBackspaceDoesNot) {
  EditGrid f;
  int calls = 0, done = 0;
  RefuseLong(*f.G, calls);
  f.G->OnEditingDone = [&](TObject*) { ++done; };
  f.Input.Type(u"ab");
  f.Input.Key(VK_BACK, {ssAlt});
  EXPECT_TRUE(f.Editing()) << "Alt+Backspace keeps editing";
  EXPECT_EQ(done, 0);
  f.Input.Click(*f.Shown.Other);
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(f.Editing());
  EXPECT_EQ(done, 1);
  EXPECT_EQ(f.G->Cells(1, 1), u"ab");
}

}  // namespace
