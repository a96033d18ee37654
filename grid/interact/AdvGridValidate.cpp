// Validating the value an edit leaves in its cell: the cell checker and
// OnCellValidate may correct it or refuse it; a refused value puts the
// current cell back on the edited cell with the editor open again.
#include "grid/base/AdvGridUndoRedo.h"
#include "grid/base/AdvStringGridCheck.h"
#include "grid/base/Navigation.h"
#include "grid/base/ShowModified.h"
#include "grid/interact/InvalidEntryBalloon.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/grids/InplaceEdit.h"

namespace {
// Ends a validation however it ends: the current cell is the one edited
// next, and validating is over.
struct TValidationEnd {
  TAdvStringGrid& G;
  bool& Validating;
  ~TValidationEnd() {
    G.StoreOldCellValue(G.Col(), G.Row());
    Validating = false;
  }
};

// Enter must not advance while the application's handlers run.
struct TAdvanceOff {
  TNavigation& N;
  bool Was = N.AdvanceOnEnter();
  explicit TAdvanceOff(TNavigation& ANav) : N(ANav) { N.SetAdvanceOnEnter(false); }
  ~TAdvanceOff() { N.SetAdvanceOnEnter(Was); }
};

}  // namespace

bool TAdvStringGrid::ValidateCell(const String& NewValue) { return RunValidation(NewValue, false); }
bool TAdvStringGrid::ValidateCellWide(const String& NewValue) { return RunValidation(NewValue, true); }

bool TAdvStringGrid::RunValidation(const String& NewValue, bool Wide) {
  TCellChangeState& s = FState->CellChange;
  if (!s.Editing || s.Validating) return true;
  s.Editing = false;
  s.Validating = true;
  const TValidationEnd end{*this, s.Validating};
  s.NewCellText = NewValue;
  bool valid = true;
  if (NewValue != s.OldCellText || AlwaysValidate()) {
    const int c = RealColIndex(s.OldCol), r = s.OldRow;
    if (Wide) {
      valid = CheckEditedWideValue(c, r, NewValue);
    } else {
      const TAdvanceOff advanceOff(*FNavigation);
      valid = CheckEditedValue(c, r, NewValue);
    }
    s.OldCellText = GridCells(c, r);
  }
  if (valid) HideFocusWindow();
  return valid;
}

bool TAdvStringGrid::CheckEditedValue(int C, int R, const String& NewValue) {
  TCellChangeState& s = FState->CellChange;
  TAdvStringGridCheck* checker = CellChecker();
  String v = NewValue;
  bool valid = true;
  if (checker && checker->AutoCorrect()) v = checker->Correct(C, R, v);
  if (OnCellValidate) OnCellValidate(this, C, R, v, valid);
  if (valid) UpdateColumnFooter(C);
  if (checker && checker->AutoMarkError()) v = checker->MarkError(C, R, v);
  s.NewCellText = v;
  const String old = s.OldCellText;
  // A refusal that left the value as typed puts the old text back.
  const String stored = valid || v != NewValue ? v : old;
  if (valid) {
    StoreValidatedText(C, R, v);
    if (UndoRedo() && stored != old) UndoRedo()->RegisterChange(C, R, old, stored);
    if (NewValue != old) CellsChanged(TRect{C, R, C, R});
  } else {
    RefuseEditedValue(C, R, stored, stored == old, true);
  }
  if (stored != old) MarkCellModified(R);
  return valid;
}

// A cell that shows the value already (a tagged cell whose visible text came
// back unchanged) keeps its tags.
void TAdvStringGrid::StoreValidatedText(int C, int R, const String& Value) {
  if (GetEditText(DisplColIndex(C), R) == Value) return;
  SetCellEx(C, R, Value);
  const TPoint base = BaseCell(C, R);
  if (base.X != C || base.Y != R) SetCellEx(base.X, base.Y, Value);
}

void TAdvStringGrid::MarkCellModified(int R) {
  SetModified(true);
  if (FixedCols() > 0) SetRowModified(R, true);
}

// Reopen: the text editor opens again on the edited cell and the balloon explains.
void TAdvStringGrid::RefuseEditedValue(int C, int R, const String& Stored, bool OldRestored,
                                       bool Reopen) {
  TCellChangeState& s = FState->CellChange;
  if (Reopen) s.LastValidation = false;
  HideEditor();
  SetCellEx(C, R, Stored);
  s.ForceSel = true;
  MoveCurrent(s.OldCol, R, true, true);
  s.ForceSel = false;
  if (Reopen) {
    s.Validating = false;
    s.Editing = true;
    ShowInplaceEdit();
  }
  if (OldRestored && Col() != s.OldCol) InvalidateEditor();
  s.Modified = s.OldModifiedValue;
  if (Reopen) ShowInvalidEntryBalloon();
}

// On the editor in use: a special editor's control, else the text editor.
void TAdvStringGrid::ShowInvalidEntryBalloon() {
  if (InvalidEntryTitle().empty() && InvalidEntryText().empty()) return;
  TWinControl* target = EditCtrl() ? EditCtrl() : static_cast<TWinControl*>(InplaceEditor());
  if (!target) return;
  ::ShowInvalidEntryBalloon(*target, InvalidEntryTitle(), InvalidEntryText(),
                            static_cast<int>(InvalidEntryIcon()));
}

// No cell checker, undo or balloon here.
bool TAdvStringGrid::CheckEditedWideValue(int C, int R, const String& NewValue) {
  const String old = FState->CellChange.OldCellText;
  UpdateColumnFooter(C);
  String v = NewValue;
  bool valid = true;
  if (OnCellValidateWide) OnCellValidateWide(this, C, R, v, valid);
  const String stored = valid || v != NewValue ? v : old;
  if (valid) {
    SetCellEx(C, R, v);
    if (NewValue != old) CellsChanged(TRect{C, R, C, R});
  } else {
    RefuseEditedValue(C, R, stored, stored == old, false);
  }
  if (stored != old) MarkCellModified(R);
  return valid;
}
