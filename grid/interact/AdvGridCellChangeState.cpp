// What the editing cycle and the cell change share: the edited cell, the
// flags that keep re-entered handlers passive, and the modified mark.
#include "grid/model/AdvStringGridPrivate.h"

bool TAdvStringGrid::Validating() const { return FState->CellChange.Validating; }
bool TAdvStringGrid::LastValidation() const { return FState->CellChange.LastValidation; }
void TAdvStringGrid::SetLastValidation(bool Value) { FState->CellChange.LastValidation = Value; }
bool TAdvStringGrid::NoAutoAdvance() const { return FState->CellChange.NoAutoAdvance; }
void TAdvStringGrid::SetNoAutoAdvance(bool Value) { FState->CellChange.NoAutoAdvance = Value; }
bool TAdvStringGrid::DisableChange() const { return FState->CellChange.DisableChange; }
void TAdvStringGrid::SetDisableChange(bool Value) { FState->CellChange.DisableChange = Value; }
int TAdvStringGrid::OldCol() const { return FState->CellChange.OldCol; }
int TAdvStringGrid::OldRow() const { return FState->CellChange.OldRow; }
String TAdvStringGrid::OldCellText() const { return FState->CellChange.OldCellText; }
String TAdvStringGrid::NewCellText() const { return FState->CellChange.NewCellText; }
bool TAdvStringGrid::Editing() const { return FState->CellChange.Editing; }
void TAdvStringGrid::SetEditing(bool Value) { FState->CellChange.Editing = Value; }
String TAdvStringGrid::CellCache() const { return FState->CellChange.CellCache; }
void TAdvStringGrid::SetCellCache(const String& Value) { FState->CellChange.CellCache = Value; }
TWinControl* TAdvStringGrid::EditCtrl() const { return FState->CellChange.EditCtrl; }
void TAdvStringGrid::SetEditCtrl(TWinControl* Value) { FState->CellChange.EditCtrl = Value; }
bool TAdvStringGrid::Modified() const { return FState->CellChange.Modified; }
void TAdvStringGrid::SetModified(bool Value) { FState->CellChange.Modified = Value; }

void TAdvStringGrid::StoreOldCellValue(int ACol, int ARow) {
  TCellChangeState& s = FState->CellChange;
  s.OldCol = ACol;
  s.OldRow = ARow;
  s.OldCellText = GridCells(RealColIndex(ACol), ARow);
  s.OldModifiedValue = s.Modified;
}
