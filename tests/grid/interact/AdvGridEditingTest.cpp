// The in-place editing cycle as a user meets it: keys and clicks through the
// window system open the editor kind of the cell, or nothing; the editor
// takes the cell's looks and limit; Escape and Enter end the edit; a special
// kind places its control with the events in their order.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "grid/base/AdvGridUndoRedo.h"
#include "grid/base/GridTypes.h"
#include "grid/base/Navigation.h"
#include "grid/interact/AdvInplaceEdit.h"
#include "grid/interact/GridEditCycle.h"
#include "grid/model/AdvColumnGrid.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/GridColumnItem.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Messages.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/SystemInputDriver.h"

namespace {

// A grid with one fixed row and column on a shown form, an edit beside it.
template <class Grid>
struct OnAForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  Grid* G = new Grid(Form.get());
  TEdit* Other = new TEdit(Form.get());
  testsupport::SystemInputDriver Input;

  OnAForm() {
    Form->SetBounds(40, 40, 560, 320);
    G->SetParent(Form.get());
    G->SetBounds(10, 10, 460, 200);
    Other->SetParent(Form.get());
    Other->SetBounds(10, 230, 150, 24);
    G->SetColCount(5);
    G->SetRowCount(4);
    G->SetFixedCols(1);
    G->SetFixedRows(1);
    G->SetOptions(G->Options() + TGridOptions{goEditing});
    for (int c = 1; c < 5; ++c)
      for (int r = 1; r < 4; ++r) G->SetCells(c, r, u"c" + IntToStr(c) + u"r" + IntToStr(r));
    Form->Show();
    Input.Pump();
  }
  // Focus on the grid, current cell (ACol, ARow).
  void Start(int ACol, int ARow) {
    G->SetCol(ACol);
    G->SetRow(ARow);
    G->SetFocus();
    Input.Pump();
  }
  TPoint Centre(int ACol, int ARow) const {
    const TRect r = G->CellRect(ACol, ARow);
    return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  bool EditorShown() const { return G->InplaceEditor() && G->InplaceEditor()->Visible(); }
  String EditorText() const { return G->InplaceEditor() ? G->InplaceEditor()->Text() : String(); }
};

// Column 1 plain text with an edit length of 4, 2 data check boxes, 3 read-only, 4 plain.
struct ColumnGridForm : OnAForm<TAdvColumnGrid> {
  ColumnGridForm() {
    G->Columns()->Items(1)->SetEditLength(4);
    G->Columns()->Items(2)->SetEditor(edDataCheckBox);
    G->Columns()->Items(3)->SetReadOnly(true);
  }
};

enum class Opener { F2, TypedChar, ClickOnCurrent };

void Open(ColumnGridForm& F, Opener How, int ACol, int ARow) {
  F.Start(ACol, ARow);
  switch (How) {
    case Opener::F2: F.Input.Key(VK_F2); break;
    case Opener::TypedChar: F.Input.Type(u"z"); break;
    case Opener::ClickOnCurrent: F.Input.Click(*F.G, F.Centre(ACol, ARow)); break;
  }
  F.Input.Pump();
}

TEST(EditorOpening, F2ATypedCharacterAndAClickOnTheCurrentCellOpenTheTextEditor) {
  struct Case {
    const char* what;
    Opener how;
    const char16_t* text;
  };
  const Case cases[] = {
      {"F2 keeps the text", Opener::F2, u"c4r2"},
      {"a typed character replaces it", Opener::TypedChar, u"z"},
      {"a click on the current cell keeps it", Opener::ClickOnCurrent, u"c4r2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ColumnGridForm f;
    Open(f, c.how, 4, 2);
    EXPECT_TRUE(f.EditorShown());
    EXPECT_EQ(f.EditorText(), c.text);
    EXPECT_TRUE(f.G->EditMode());
    EXPECT_EQ(f.G->EditControl(), edNormal);
    EXPECT_EQ(f.G->CellCache(), u"c4r2");
  }
}

TEST(EditorOpening, CellsWhoseGraphicIsClickedOrWithoutEditorOpenNothing) {
  struct Case {
    const char* what;
    int col;
    std::function<void(TAdvColumnGrid&)> setup;
  };
  const Case cases[] = {
      {"a data check-box column", 2, nullptr},
      {"a cell with a check box", 4, [](TAdvColumnGrid& G) { G.AddCheckBox(4, 2, false, false); }},
      {"a cell with a button", 4, [](TAdvColumnGrid& G) { G.AddButton(4, 2, 30, 16, u"...", haLeft, vaTop); }},
      {"an edNone cell", 4,
       [](TAdvColumnGrid& G) {
         G.OnGetEditorType = [](TObject*, int, int, TEditorType& E) { E = edNone; };
       }},
  };
  for (const Case& c : cases) {
    for (Opener how : {Opener::F2, Opener::TypedChar, Opener::ClickOnCurrent}) {
      SCOPED_TRACE(c.what);
      SCOPED_TRACE(static_cast<int>(how));
      ColumnGridForm f;
      if (c.setup) c.setup(*f.G);
      const String before = f.G->Cells(c.col, 2);
      Open(f, how, c.col, 2);
      EXPECT_FALSE(f.EditorShown());
      EXPECT_FALSE(f.G->EditMode());
      // A click toggles a data check box, whose state is its text.
      if (how != Opener::ClickOnCurrent || c.col != 2) {
        EXPECT_EQ(f.G->Cells(c.col, 2), before);
      }
    }
  }
}

// A plain grid: the event decides the kind each time an editor opens.
TEST(EditorOpening, OnGetEditorTypeChoosesTheKindOfAPlainGrid) {
  struct Case {
    TEditorType kind;
    bool textEditor, editMode;
  };
  const Case cases[] = {
      {edUpperCase, true, true},
      {edNone, false, false},
      {edDataCheckBox, false, true},  // nothing to click: edit mode without a control
      {edSpinEdit, false, true},      // no control of that kind yet: the same
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    OnAForm<TAdvStringGrid> f;
    std::vector<TPoint> asked;
    f.G->OnGetEditorType = [&](TObject*, int ACol, int ARow, TEditorType& E) {
      asked.push_back(Point(ACol, ARow));
      E = c.kind;
    };
    f.Start(2, 3);
    f.Input.Key(VK_F2);
    EXPECT_EQ(asked, (std::vector<TPoint>{Point(2, 3)}));
    EXPECT_EQ(f.EditorShown(), c.textEditor);
    EXPECT_EQ(f.G->EditMode(), c.editMode);
    EXPECT_EQ(f.G->EditCtrl(), nullptr);
  }
}

TEST(EditorOpening, TheEditorTakesTheCellsColourFontAndTheColumnsEditLength) {
  ColumnGridForm f;
  f.G->SetColors(1, 2, clYellow);
  f.G->SetFontColors(1, 2, clRed);
  f.G->SetFontSizes(1, 2, 14);
  f.G->SetCells(1, 2, String());
  Open(f, Opener::F2, 1, 2);
  ASSERT_TRUE(f.EditorShown());
  EXPECT_EQ(f.G->InplaceEditor()->Color(), clYellow);
  EXPECT_EQ(f.G->InplaceEditor()->Font()->Color(), clRed);
  EXPECT_EQ(f.G->InplaceEditor()->Font()->Size(), 14);
  f.Input.Type(u"abcdefg");
  EXPECT_EQ(f.EditorText(), u"abcd");

  f.Input.Key(VK_ESCAPE);
  Open(f, Opener::F2, 4, 2);
  ASSERT_TRUE(f.EditorShown());
  EXPECT_EQ(f.G->InplaceEditor()->Color(), f.G->Color()) << "the next cell's own looks";
  EXPECT_EQ(f.G->InplaceEditor()->MaxLength(), 0) << "no length in column 4";
}

TEST(EditorOpening, APlainGridLimitsTheTextToMaxEditLength) {
  OnAForm<TAdvStringGrid> f;
  f.G->SetMaxEditLength(3);
  f.G->SetCells(2, 2, String());
  f.Start(2, 2);
  f.Input.Type(u"12345");
  EXPECT_EQ(f.EditorText(), u"123");
}

TEST(IsEditable, AsksTheBaseCellAndRefusesFixedAndReadOnlyCells) {
  TAdvColumnGrid g(nullptr);
  g.Columns()->Items(3)->SetReadOnly(true);
  g.SetReadOnly(2, 2, true);
  g.MergeCells(1, 2, 2, 1);  // (2, 2) lies under the base (1, 2)
  EXPECT_FALSE(g.IsEditable(1, 1)) << "goEditing off";
  g.SetOptions(g.Options() + TGridOptions{goEditing});
  struct Case {
    int col, row;
    bool editable;
  };
  const Case cases[] = {{1, 1, true}, {0, 1, false}, {1, 0, false}, {3, 1, false}, {2, 2, true}};
  for (const Case& c : cases) EXPECT_EQ(g.IsEditable(c.col, c.row), c.editable) << c.col << "," << c.row;
}

// ---- ending an edit

TEST(EditorClosing, EscapeKeepsTheTextTheCellHad) {
  struct Case {
    Opener how;
    bool live;  // ShowEditProcess
    const char16_t* whileTyping;
  };
  const Case cases[] = {
      {Opener::F2, false, u"c4r2"},
      {Opener::F2, true, u"c4r2new"},
      {Opener::TypedChar, true, u"znew"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.how) << " live " << c.live);
    ColumnGridForm f;
    f.G->SetShowEditProcess(c.live);
    Open(f, c.how, 4, 2);
    f.Input.Type(u"new");
    EXPECT_EQ(f.G->Cells(4, 2), c.whileTyping);
    EXPECT_TRUE(f.EditorShown());
    f.Input.Key(VK_ESCAPE);
    EXPECT_EQ(f.G->Cells(4, 2), u"c4r2");
    EXPECT_FALSE(f.G->EditMode());
    f.Input.Click(*f.Other);
    EXPECT_EQ(f.G->Cells(4, 2), u"c4r2") << "leaving afterwards writes nothing";
  }
}

// Written live, a value refused on Enter stays in the reopened editor (and
// so in the cell); Escape then puts back the text from before the edit.
TEST(EditorClosing, EscapeAfterALiveWrittenValueWasRefusedRestoresTheOldText) {
  ColumnGridForm f;
  f.G->SetShowEditProcess(true);
  f.G->OnCellValidate = [](TObject*, int, int, String&, bool& Valid) { Valid = false; };
  Open(f, Opener::F2, 4, 2);
  f.Input.Type(u"x");
  ASSERT_EQ(f.G->Cells(4, 2), u"c4r2x");
  f.Input.Key(VK_RETURN);
  f.Input.Pump();
  EXPECT_TRUE(f.EditorShown());
  EXPECT_EQ(f.EditorText(), u"c4r2x");
  f.Input.Key(VK_ESCAPE);
  EXPECT_EQ(f.G->Cells(4, 2), u"c4r2");
  EXPECT_FALSE(f.G->Modified());
}

TEST(EditorClosing, RestoreCachedCellWritesTheMergedAreasBaseCell) {
  ColumnGridForm f;
  f.G->MergeCells(1, 1, 2, 1);
  f.G->SetCells(1, 1, u"merged");
  f.Start(1, 1);
  f.Input.Key(VK_F2);
  f.G->SetCells(1, 1, u"changed");
  EXPECT_TRUE(f.G->EditMode()) << "reloading the editor does not end the edit";
  f.G->RestoreCachedCell();
  EXPECT_EQ(f.G->Cells(1, 1), u"merged");
  EXPECT_EQ(f.G->GridCells(2, 1), u"c2r1") << "the covered cell keeps its own text";
}

TEST(EditorClosing, LeavingTheGridForAnotherControlWritesBackAndEndsTheEdit) {
  ColumnGridForm f;
  int done = 0;
  f.G->OnEditingDone = [&](TObject*) { ++done; };
  Open(f, Opener::F2, 4, 2);
  f.Input.Type(u"x");
  f.Input.Click(*f.Other);
  EXPECT_EQ(f.G->Cells(4, 2), u"c4r2x");
  EXPECT_FALSE(f.EditorShown());
  EXPECT_FALSE(f.G->EditMode());
  EXPECT_EQ(done, 1);
}

// An edited value enters the cell through the edit-text setter, which keeps
// the tags of a cell whose visible text came back unchanged.
TEST(StoreEditorValue, KeepsTheTagsOfAnUnchangedVisibleText) {
  TAdvStringGrid g(nullptr);
  g.SetCells(1, 1, u"<b>bold</b>");
  g.StoreEditorValue(1, 1, u"bold");
  EXPECT_EQ(g.Cells(1, 1), u"<b>bold</b>");
  g.StoreEditorValue(1, 1, u"thin");
  EXPECT_EQ(g.Cells(1, 1), u"thin");
  g.MergeCells(1, 2, 2, 1);
  g.StoreEditorValue(2, 2, u"x");
  EXPECT_EQ(g.Cells(1, 2), u"x") << "the base cell";
  EXPECT_EQ(g.Cells(2, 2), u"x") << "and the real cell";
}

// ---- Enter writes back through validation

struct ValidateCase {
  const char* what;
  const char16_t* typed;
  std::function<void(String&, bool&)> validate;  // nil: no handler
  bool alwaysValidate;
  const char16_t* stored;
  int validations;
};

TEST(EnterWriteBack, ValidatesAChangedValueAndStoresWhatValidationLeaves) {
  const ValidateCase cases[] = {
      {"accepted", u"x", [](String&, bool&) {}, false, u"c4r2x", 1},
      {"corrected", u"x", [](String& V, bool&) { V = u"fixed"; }, false, u"fixed", 1},
      {"refused: the old text stays", u"x", [](String&, bool& Valid) { Valid = false; }, false, u"c4r2", 1},
      {"refused with a new text: that text", u"x",
       [](String& V, bool& Valid) {
         V = u"other";
         Valid = false;
       },
       false, u"other", 1},
      {"unchanged: not validated", u"", [](String&, bool&) {}, false, u"c4r2", 0},
      {"unchanged with AlwaysValidate", u"", [](String&, bool&) {}, true, u"c4r2", 1},
  };
  for (const ValidateCase& c : cases) {
    SCOPED_TRACE(c.what);
    ColumnGridForm f;
    int validations = 0;
    f.G->OnCellValidate = [&](TObject*, int ACol, int ARow, String& V, bool& Valid) {
      EXPECT_EQ(Point(ACol, ARow), Point(4, 2));
      ++validations;
      c.validate(V, Valid);
    };
    f.G->SetAlwaysValidate(c.alwaysValidate);
    Open(f, Opener::F2, 4, 2);
    f.Input.Type(c.typed);
    f.Input.Key(VK_RETURN);
    f.Input.Pump();
    EXPECT_EQ(f.G->Cells(4, 2), c.stored);
    EXPECT_EQ(validations, c.validations);
    EXPECT_EQ(Point(f.G->Col(), f.G->Row()), Point(4, 2));
  }
}

// Mirrored, the editor covers the cell where the grid shows it: one pixel in
// from the left, as the grid lines take that pixel.
TEST(EditorOpening, ARightToLeftGridOpensItsEditorOverTheMirroredCell) {
  ColumnGridForm f;
  f.G->SetBiDiMode(bdRightToLeft);
  Open(f, Opener::F2, 4, 2);
  ASSERT_TRUE(f.EditorShown());
  const TRect cell = f.G->CellRect(4, 2);
  const int w = f.G->ClientWidth();
  EXPECT_EQ(f.G->InplaceEditor()->BoundsRect(), Rect(w - cell.Right + 1, cell.Top, w - cell.Left - 1, cell.Bottom - 1));
}

// Also with AdvanceOnEnter, a refused value keeps the grid's own text editor
// open on the edited cell; the next Enter that is accepted moves on.
TEST(EnterWriteBack, ARefusalKeepsTheTextEditorOpenOnTheEditedCell) {
  ColumnGridForm f;
  f.G->Navigation()->SetAdvanceOnEnter(true);
  bool accept = false;
  f.G->OnCellValidate = [&](TObject*, int, int, String&, bool& Valid) { Valid = accept; };
  Open(f, Opener::F2, 4, 2);
  f.Input.Type(u"x");
  f.Input.Key(VK_RETURN);
  f.Input.Pump();
  EXPECT_EQ(Point(f.G->Col(), f.G->Row()), Point(4, 2));
  EXPECT_TRUE(f.G->EditMode());
  ASSERT_TRUE(f.EditorShown());
  EXPECT_NE(dynamic_cast<TAdvInplaceEdit*>(f.G->InplaceEditor()), nullptr);
  EXPECT_EQ(f.G->InplaceEditor()->Left(), f.G->CellRect(4, 2).Left);
  EXPECT_EQ(f.G->InplaceEditor()->Top(), f.G->CellRect(4, 2).Top);
  EXPECT_EQ(f.EditorText(), u"c4r2x") << "the refused value stays, selected, to be corrected";
  EXPECT_EQ(f.G->InplaceEditor()->SelLength(), 5);
  EXPECT_EQ(f.G->Cells(4, 2), u"c4r2");

  accept = true;
  f.Input.Key(VK_END);
  f.Input.Type(u"y");
  f.Input.Key(VK_RETURN);
  f.Input.Pump();
  EXPECT_EQ(f.G->Cells(4, 2), u"c4r2xy");
  EXPECT_EQ(Point(f.G->Col(), f.G->Row()), Point(1, 3)) << "advanced past the row end";
}

TEST(EnterWriteBack, UndoAfterAnEditRestoresTheOldText) {
  ColumnGridForm f;
  TAdvGridUndoRedo undo(f.Form.get());
  f.G->SetUndoRedo(&undo);
  Open(f, Opener::F2, 4, 2);
  f.Input.Type(u"x");
  f.Input.Key(VK_RETURN);
  ASSERT_EQ(f.G->Cells(4, 2), u"c4r2x");
  undo.Undo();
  EXPECT_EQ(f.G->Cells(4, 2), u"c4r2");
}

TEST(EnterWriteBack, ClosingEventsInOrderWithTheRealColumnAfterPumping) {
  ColumnGridForm f;
  f.G->HideColumn(1);  // display column 3 is storage column 4
  std::vector<String> log;
  f.G->OnCellValidate = [&](TObject*, int ACol, int, String&, bool&) { log.push_back(u"validate " + IntToStr(ACol)); };
  f.G->OnCellsChanged = [&](TObject*, const TRect& R) { log.push_back(u"changed " + IntToStr(R.Left)); };
  f.G->OnEditingDone = [&](TObject*) { log.push_back(u"done"); };
  f.G->OnEditCellDone = [&](TObject*, int ACol, int ARow) {
    log.push_back(u"cell done " + IntToStr(ACol) + u"," + IntToStr(ARow));
  };
  f.Start(3, 2);
  f.Input.Key(VK_F2);
  f.Input.Type(u"x");
  f.Input.Key(VK_RETURN);
  f.Input.Pump();
  EXPECT_EQ(f.G->Cells(4, 2), u"c4r2x");
  EXPECT_EQ(log, (std::vector<String>{u"validate 4", u"changed 4", u"done", u"cell done 4,2"}));
  EXPECT_FALSE(f.G->EditMode());
}

TEST(EditorClosing, TabWithGoTabsValidatesWritesBackAndEndsTheEdit) {
  for (bool autoEdit : {true, false}) {
    SCOPED_TRACE(autoEdit ? "AdvanceAutoEdit" : "no AdvanceAutoEdit");
    ColumnGridForm f;
    f.G->SetOptions(f.G->Options() + TGridOptions{goTabs});
    f.G->Navigation()->SetAdvanceAutoEdit(autoEdit);
    int validations = 0, done = 0;
    f.G->OnCellValidate = [&](TObject*, int ACol, int ARow, String& V, bool&) {
      EXPECT_EQ(Point(ACol, ARow), Point(4, 2));
      ++validations;
      V = u"ok";
    };
    f.G->OnEditingDone = [&](TObject*) { ++done; };
    Open(f, Opener::F2, 4, 2);
    f.Input.Type(u"x");
    f.Input.Key(VK_TAB);
    f.Input.Pump();
    EXPECT_EQ(validations, 1);
    EXPECT_EQ(f.G->Cells(4, 2), u"ok");
    EXPECT_GE(done, 1);
    EXPECT_NE(Point(f.G->Col(), f.G->Row()), Point(4, 2)) << "the walk moved on";
    // Where the walk lands the editor opens again only with AdvanceAutoEdit.
    EXPECT_EQ(f.G->EditMode(), autoEdit);
    EXPECT_EQ(f.G->Focused(), !autoEdit);
  }
}

TEST(EditorClosing, LeavingTheGridValidatesFirst) {
  ColumnGridForm f;
  f.G->OnCellValidate = [](TObject*, int, int, String& V, bool&) { V = u"checked"; };
  Open(f, Opener::F2, 4, 2);
  f.Input.Type(u"x");
  f.Input.Click(*f.Other);
  EXPECT_EQ(f.G->Cells(4, 2), u"checked");
  EXPECT_FALSE(f.G->EditMode());
}

TEST(EditorOpening, AReadOnlyColumnOpensNothing) {
  ColumnGridForm f;
  f.Start(4, 2);
  f.Input.Key(VK_LEFT);
  ASSERT_EQ(f.G->Col(), 3);
  f.Input.Key(VK_F2);
  f.Input.Type(u"z");
  EXPECT_FALSE(f.EditorShown());
  EXPECT_EQ(f.G->Cells(3, 2), u"c3r2");
  f.Input.Key(VK_RIGHT);
  f.Input.Key(VK_F2);
  EXPECT_TRUE(f.EditorShown()) << "the next editable column edits again";
}

// ---- the entries editors and callers use

TEST(ShowInplaceEdit, OpensTheTextEditorUnlessTheCellsGraphicIsClicked) {
  ColumnGridForm f;
  f.G->AddCheckBox(1, 3, false, false);
  f.Start(4, 2);
  f.G->ShowInplaceEdit();
  EXPECT_TRUE(f.EditorShown());
  EXPECT_EQ(f.EditorText(), u"c4r2");
  f.Input.Key(VK_ESCAPE);
  f.Start(1, 3);
  f.G->ShowInplaceEdit();
  EXPECT_FALSE(f.EditorShown());
}

TEST(DoneInplaceEdit, WritesBackThenMovesAsTheKeyWouldOnTheGrid) {
  struct Case {
    const char* what;
    WORD key;
    bool advanceOnEnter;
    TPoint end;
  };
  const Case cases[] = {
      {"Down moves a row down", VK_DOWN, false, {4, 3}},
      {"Left moves a column left", VK_LEFT, false, {3, 2}},
      {"Enter advances with AdvanceOnEnter", VK_RETURN, true, {1, 3}},
      {"Enter stays without it", VK_RETURN, false, {4, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ColumnGridForm f;
    f.G->Navigation()->SetAdvanceOnEnter(c.advanceOnEnter);
    f.G->Navigation()->SetAlwaysEdit(true);
    Open(f, Opener::F2, 4, 2);
    f.Input.Type(u"x");
    f.G->DoneInplaceEdit(c.key, {});
    EXPECT_EQ(f.G->Cells(4, 2), u"c4r2x");
    EXPECT_EQ(Point(f.G->Col(), f.G->Row()), c.end);
    EXPECT_FALSE(f.G->EditMode());
    EXPECT_TRUE(f.G->Focused());
    EXPECT_TRUE(f.G->Navigation()->AlwaysEdit()) << "restored";
  }
}

// ---- a special kind: an edit of its own, registered for edSpinEdit

struct RecordingKind : TCellEditorKind {
  TEdit* Control;
  std::vector<String>& Log;
  RecordingKind(TAdvStringGrid& G, std::vector<String>& L) : Control(new TEdit(&G)), Log(L) {
    Control->SetParent(&G);
    Control->SetVisible(false);
  }
  TWinControl* Show(TAdvStringGrid& G, const TCellEditorPlace& P) override {
    G.DoGetEditorProp(P.Col, P.Row, nullptr);
    Control->SetBounds(P.Rect.Left, P.Rect.Top, P.Width, P.Height);
    Control->SetColor(P.Color);
    Control->SetText(P.Text);
    Control->SetVisible(true);
    Control->SetFocus();
    G.EditCycle().SendStartChar(Control);
    Log.push_back(u"shown " + P.Text);
    return Control;
  }
  void WriteBack(TAdvStringGrid& G, int ACol, int ARow) override {
    Log.push_back(u"stored");
    G.StoreEditorValue(ACol, ARow, Control->Text());
    Control->SetVisible(false);
  }
  bool Guarded() const override { return true; }
};

struct SpecialKindForm : OnAForm<TAdvStringGrid> {
  std::vector<String> Log;
  RecordingKind* Kind;
  SpecialKindForm() {
    auto kind = std::make_unique<RecordingKind>(*G, Log);
    Kind = kind.get();
    G->EditCycle().RegisterKind(edSpinEdit, std::move(kind));
    G->OnGetEditorType = [this](TObject*, int, int, TEditorType& E) {
      Log.push_back(u"type");
      E = edSpinEdit;
    };
    G->OnGetEditorProp = [this](TObject*, int ACol, int ARow, TComponent*) {
      Log.push_back(u"prop " + IntToStr(ACol) + u"," + IntToStr(ARow));
    };
    G->OnGetEditorPropInt = [this](TObject*, int ACol, int ARow, TComponent*) {
      Log.push_back(u"propint " + IntToStr(ACol) + u"," + IntToStr(ARow));
    };
    G->OnEditingDone = [this](TObject*) { Log.push_back(u"done"); };
    G->OnEditCellDone = [this](TObject*, int ACol, int ARow) {
      Log.push_back(u"cell done " + IntToStr(ACol) + u"," + IntToStr(ARow));
    };
  }
};

TEST(SpecialEditor, OpensWithItsEventsInOrderAndWritesBackOnce) {
  SpecialKindForm f;
  f.G->HideColumn(1);  // display column 2 is storage column 3
  f.Start(2, 2);
  f.Input.Key(VK_F2);
  EXPECT_EQ(f.Log, (std::vector<String>{u"type", u"prop 3,2", u"propint 3,2", u"shown c3r2"}));
  EXPECT_FALSE(f.EditorShown()) << "the platform's editor stays hidden";
  EXPECT_EQ(f.G->EditCtrl(), f.Kind->Control);
  EXPECT_TRUE(f.Kind->Control->Focused());
  f.Input.Type(u"p");
  f.Log.clear();
  f.G->HideInplaceEdit();
  EXPECT_EQ(f.G->Cells(3, 2), u"p") << "focusing selected the whole text";
  EXPECT_EQ(f.Log, (std::vector<String>{u"stored", u"done"})) << "the end is posted";
  EXPECT_FALSE(f.G->EditMode());
  f.Input.Pump();
  EXPECT_EQ(f.Log.back(), u"cell done 3,2");
  f.Log.clear();
  f.G->HideCellEdit();
  EXPECT_EQ(f.Log, std::vector<String>{}) << "a guarded kind writes back once";
}

}  // namespace
