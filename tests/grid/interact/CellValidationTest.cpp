// Validating an edited value as the editing cycle hands it over: accepted,
// corrected, refused, the modified marks, undo and the balloon.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/base/AdvGridUndoRedo.h"
#include "grid/base/AdvStringGridCheck.h"
#include "grid/base/ShowModified.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ShownOnForm.h"

namespace {

struct EditedGrid {
  TAdvStringGrid* G = new TAdvStringGrid(nullptr);
  testsupport::TShownOnForm<TAdvStringGrid> Shown{G};
  testsupport::InputDriver Input;
  std::vector<std::string> Log;

  EditedGrid() {
    G->SetColCount(4);
    G->SetRowCount(5);
    G->SetOptions(G->Options() + TGridOptions{goEditing});
    G->ShowModified()->SetEnabled(true);
    G->SetCells(1, 1, u"old");
    G->OnCellsChanged = [this](TObject*, const TRect&) { Log.push_back("CellsChanged"); };
  }
  // As the editing cycle leaves things when an editor opened on (ACol, ARow).
  void StartEdit(int ACol, int ARow) {
    G->StoreOldCellValue(ACol, ARow);
    G->SetEditing(true);
  }
};

using Handler = std::function<void(String& Value, bool& Valid)>;

TEST(CellValidation, AcceptCorrectAndRefuse) {
  struct Case {
    const char* Name;
    String Typed;
    Handler OnValidate;
    bool Always;
    bool Valid;
    String Stored;
    bool Modified;
    int Calls;
  };
  const Handler none = [](String&, bool&) {};
  const std::vector<Case> cases = {
      {"accepted", u"new", none, false, true, u"new", true, 1},
      {"corrected", u"new", [](String& v, bool&) { v = u"NEW"; }, false, true, u"NEW", true, 1},
      // A refusal that changed nothing leaves the grid unmodified.
      {"refused", u"new", [](String&, bool& ok) { ok = false; }, false, false, u"old", false, 1},
      {"refused, changed", u"new", [](String& v, bool& ok) { v = u"fixed"; ok = false; }, false,
       false, u"fixed", true, 1},
      {"unchanged", u"old", none, false, true, u"old", false, 0},
      {"unchanged, always", u"old", none, true, true, u"old", false, 1},
  };
  for (const Case& c : cases) {
    EditedGrid f;
    int calls = 0;
    f.G->SetAlwaysValidate(c.Always);
    f.G->OnCellValidate = [&](TObject*, int ACol, int ARow, String& Value, bool& Valid) {
      ++calls;
      EXPECT_EQ(ACol, 1);
      EXPECT_EQ(ARow, 1);
      c.OnValidate(Value, Valid);
    };
    f.G->SetCol(2);
    f.G->SetRow(3);
    f.StartEdit(1, 1);
    EXPECT_EQ(f.G->ValidateCell(c.Typed), c.Valid) << c.Name;
    EXPECT_EQ(calls, c.Calls) << c.Name;
    EXPECT_EQ(f.G->Cells(1, 1), c.Stored) << c.Name;
    EXPECT_EQ(f.G->Modified(), c.Modified) << c.Name;
    EXPECT_EQ(f.G->RowModified(1), c.Modified) << c.Name;
    EXPECT_EQ(f.G->LastValidation(), c.Valid) << c.Name;
    EXPECT_FALSE(f.G->Validating()) << c.Name;
    if (c.Valid) continue;
    EXPECT_EQ(f.G->Col(), 1) << c.Name << ": back on the edited cell";
    EXPECT_EQ(f.G->Row(), 1) << c.Name;
    EXPECT_TRUE(f.G->Editing()) << c.Name << ": editing resumes there";
  }
}

TEST(CellValidation, NotEditingOrAlreadyValidatingAnswersTrue) {
  EditedGrid f;
  int calls = 0;
  f.G->OnCellValidate = [&](TObject*, int, int, String&, bool& Valid) {
    ++calls;
    Valid = false;
    f.G->SetEditing(true);
    EXPECT_TRUE(f.G->ValidateCell(u"nested")) << "a re-entered validation stays passive";
  };
  f.G->StoreOldCellValue(1, 1);
  EXPECT_TRUE(f.G->ValidateCell(u"new")) << "no editor open";
  EXPECT_EQ(calls, 0);
  f.StartEdit(1, 1);
  EXPECT_FALSE(f.G->ValidateCell(u"new"));
  EXPECT_EQ(calls, 1);
}

TEST(CellValidation, ARaisingHandlerStillEndsTheValidation) {
  EditedGrid f;
  f.G->OnCellValidate = [](TObject*, int, int, String&, bool&) { throw Exception(u"bad"); };
  f.G->SetCol(2);
  f.StartEdit(1, 1);
  EXPECT_THROW(f.G->ValidateCell(u"new"), Exception);
  EXPECT_FALSE(f.G->Validating());
  EXPECT_EQ(f.G->OldCol(), 2) << "the current cell is stored as the next edited one";
}

TEST(CellValidation, ClosingEventsInOrderAndUndoRestoresTheOldText) {
  EditedGrid f;
  TAdvGridUndoRedo undo(nullptr);
  f.G->SetUndoRedo(&undo);
  f.G->OnCellValidate = [&](TObject*, int, int, String&, bool&) { f.Log.push_back("CellValidate"); };
  f.StartEdit(1, 1);
  ASSERT_TRUE(f.G->ValidateCell(u"new"));
  EXPECT_EQ(f.Log, (std::vector<std::string>{"CellValidate", "CellsChanged"}));
  ASSERT_TRUE(undo.CanUndo());
  undo.Undo();
  EXPECT_EQ(f.G->Cells(1, 1), u"old");

  // With AlwaysValidate an unchanged value adds no undo step.
  const int steps = undo.Count();
  f.G->SetAlwaysValidate(true);
  f.StartEdit(1, 1);
  ASSERT_TRUE(f.G->ValidateCell(u"old"));
  EXPECT_EQ(undo.Count(), steps);
  f.G->SetUndoRedo(nullptr);
}

// Corrects to upper case and marks a text holding a digit.
class TUpperChecker : public TAdvStringGridCheck {
 public:
  using TAdvStringGridCheck::TAdvStringGridCheck;
  String Correct(int, int, const String& s) override { return UpperCase(s); }
  String MarkError(int, int, const String& s) override {
    return s.find_first_of(u"0123456789") == String::npos ? s : u"<E>" + s + u"</E>";
  }
};

TEST(CellValidation, TheCellCheckerCorrectsAndMarks) {
  EditedGrid f;
  TUpperChecker checker(nullptr);
  checker.SetAutoCorrect(true);
  checker.SetAutoMarkError(true);
  f.G->SetCellChecker(&checker);
  String seen;
  f.G->OnCellValidate = [&](TObject*, int, int, String& Value, bool&) { seen = Value; };
  f.StartEdit(1, 1);
  ASSERT_TRUE(f.G->ValidateCell(u"abc"));
  EXPECT_EQ(seen, u"ABC") << "corrected before the event";
  EXPECT_EQ(f.G->Cells(1, 1), u"ABC");
  f.StartEdit(1, 1);
  ASSERT_TRUE(f.G->ValidateCell(u"a1"));
  EXPECT_EQ(f.G->Cells(1, 1), u"<E>A1</E>") << "marked after the event";
  f.G->SetCellChecker(nullptr);
}

// The balloon the platform made for Owner (its only owned control).
TControl* BalloonOf(TControl& Owner) {
  for (int i = 0; i < Owner.ComponentCount(); ++i)
    if (auto* c = dynamic_cast<TControl*>(Owner.Components(i))) return c;
  return nullptr;
}

TEST(CellValidation, ARefusalExplainsItselfInABalloonOnTheEditorInUse) {
  EditedGrid f;
  f.G->OnCellValidate = [](TObject*, int, int, String&, bool& Valid) { Valid = false; };
  f.StartEdit(1, 1);
  f.G->ValidateCell(u"new");
  EXPECT_EQ(BalloonOf(*f.Shown.Other), nullptr) << "no texts, no balloon";

  f.G->SetInvalidEntryTitle(u"Invalid entry");
  f.G->SetInvalidEntryText(u"Enter a number.");
  f.G->SetEditCtrl(f.Shown.Other);  // a special editor
  f.StartEdit(1, 1);
  f.G->ValidateCell(u"new");
  f.Input.Advance(600);
  TControl* balloon = BalloonOf(*f.Shown.Other);
  ASSERT_NE(balloon, nullptr);
  EXPECT_EQ(balloon->Text(), u"Enter a number.");
  EXPECT_TRUE(balloon->Visible());

  // The text editor otherwise.
  f.G->SetEditCtrl(nullptr);
  f.G->SetFocus();
  f.G->ShowEditor();
  ASSERT_NE(f.G->InplaceEditor(), nullptr);
  f.StartEdit(1, 1);
  f.G->ValidateCell(u"new");
  f.Input.Advance(600);
  TControl* onEditor = BalloonOf(*f.G->InplaceEditor());
  ASSERT_NE(onEditor, nullptr);
  EXPECT_EQ(onEditor->Text(), u"Enter a number.");
}

TEST(CellValidation, WideRefusalWithoutChangeLeavesTheGridUnmodified) {
  EditedGrid f;
  f.G->OnCellValidateWide = [](TObject*, int, int, String&, bool& Valid) { Valid = false; };
  f.StartEdit(1, 1);
  EXPECT_FALSE(f.G->ValidateCellWide(u"new"));
  EXPECT_EQ(f.G->Cells(1, 1), u"old");
  EXPECT_FALSE(f.G->Modified());
  EXPECT_FALSE(f.G->RowModified(1));
  f.G->OnCellValidateWide = nullptr;
  f.StartEdit(1, 1);
  EXPECT_TRUE(f.G->ValidateCellWide(u"new"));
  EXPECT_EQ(f.G->Cells(1, 1), u"new");
  EXPECT_TRUE(f.G->Modified());
}

}  // namespace
