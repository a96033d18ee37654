// Moving the current cell: whether it may move, goEditing switched for the
// target cell, the change events, and what repaints after the move.
#include "grid/base/ControlLook.h"
#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/grids/InplaceEdit.h"

void TAdvStringGrid::DoCellChanging(int ACol, int ARow, bool& Allow) {
  if (ARow != Row() && OnRowChanging) OnRowChanging(this, Row(), ARow, Allow);
  if (ACol != Col() && OnColChanging) OnColChanging(this, Col(), ACol, Allow);
  if ((ACol != Col() || ARow != Row()) && !DisableChange() && OnCellChanging)
    OnCellChanging(this, Row(), Col(), ARow, ACol, Allow);
}

bool TAdvStringGrid::SelectCell(int ACol, int ARow) {
  TCellChangeState& s = FState->CellChange;
  if (s.ForceSel) {
    RepaintRowIndicators(ARow);
    return true;
  }
  // Unparented grids keep the base rules (and OnSelectCell).
  if (!Parent()) return TBaseGrid::SelectCell(ACol, ARow);
  s.EditText = ACol >= 0 && ARow >= 0 ? GridCells(RealColIndex(ACol), ARow) : String();
  if (!ScrollSelectedRowClearOfFooters(ARow)) return false;
  if (ACol < 0 || ARow < 0) return false;
  if (IsMergedNonBaseCell(ACol, ARow) && !Options().Contains(goRangeSelect)) {
    MoveToMergedBase(ACol, ARow);
    return false;
  }
  if ((ACol != 0 || !Options().Contains(goRowSelect)) && UseEnabledRows() &&
      FNavigation->SkipDisabledRows() && !RowEnabled(ARow))
    return false;
  const String cached = s.CellCache;
  SetEditOptionFor(ACol, ARow);
  const bool moved = MayMoveTo(ACol, ARow);
  if (moved) CellSelected(ACol, ARow);
  s.CellCache = moved ? s.EditText : cached;
  return moved;
}

// The covered part of a merged cell selects its base cell instead.
void TAdvStringGrid::MoveToMergedBase(int ACol, int ARow) {
  const TPoint base = BaseCell(ACol, ARow);
  MoveCurrent(base.X, base.Y, true, true);
  RepaintCell(base.X, base.Y);
  if (FMouseActions->DirectEdit() ||
      (FControlLook->DropDownAlwaysVisible() && DoHasComboBox(RealColIndex(base.X), base.Y)))
    ShowEditor();
}

// goEditing follows the target: on for an editable cell, off otherwise.
void TAdvStringGrid::SetEditOptionFor(int ACol, int ARow) {
  const bool editing = Options().Contains(goEditing);
  const bool rangeEdit = FMouseActions->RangeSelectAndEdit();
  const int realCol = RealColIndex(ACol);
  bool canEdit = true;
  if (HasClickableGraphic(realCol, ARow)) {
    CanEditCell(realCol, ARow, canEdit);
    if (!FEditDisable) FEditDisable = !canEdit && (editing || rangeEdit);
    if (!editing && !Options().Contains(goRowSelect) && canEdit) SwitchGoEditing(true);
    return;
  }
  canEdit = editing || FEditDisable;
  CanEditCell(realCol, ARow, canEdit);
  if (FMouseActions->DirectEdit() && HasNoEditor(realCol, ARow)) canEdit = false;
  if (FMouseActions->EditOnDblClickOnly()) canEdit = false;
  const bool running = Editing();
  if (canEdit) {
    FEditDisable = false;
    if (!editing) {
      if (!running) StoreOldCellValue(ACol, ARow);
      SwitchGoEditing(true);
      if (rangeEdit) SetOptions(Options() - TGridOptions{goRowSelect});
    }
  }
  if (running) HideInplaceEdit();
  if (!canEdit && Options().Contains(goEditing)) {
    FEditDisable = true;
    SetEditorMode(false);
    SwitchGoEditing(false);
  }
}

void TAdvStringGrid::SwitchGoEditing(bool On) {
  FState->EditChange = true;
  SetOptions(On ? Options() + TGridOptions{goEditing} : Options() - TGridOptions{goEditing});
}

bool TAdvStringGrid::MayMoveTo(int ACol, int ARow) {
  const TInplaceEdit* editor = InplaceEditor();
  bool allow = true;
  if (!Editing() || (editor && editor->Focused())) {
    DoCellChanging(ACol, ARow, allow);
    if (IsFixed(ACol, ARow) || !allow)
      return (allow && Options().Contains(goRowSelect)) ||
             (FixedRowAlways() && RowCount() == FixedRows());
    return TBaseGrid::SelectCell(ACol, ARow);
  }
  // A special editor is open: its value is validated first.
  if (!ValidateCell(GetCurrentCell())) return false;
  DoCellChanging(ACol, ARow, allow);
  return allow && TBaseGrid::SelectCell(ACol, ARow);
}

void TAdvStringGrid::CellSelected(int ACol, int ARow) {
  RepaintRowIndicators(ARow);
  if (ActiveCellShow()) {
    RepaintHeaderCells(Col(), Row(), ACol, ARow);
  }
  if (ActiveRowShow() && ARow != Row()) {
    RepaintRow(Row());
    RepaintRow(ARow);
  }
  if (SelectionRectangle()) Invalidate();
  if (!Loading() && ARow != FState->OldRowSel && OnRowChanged) {
    OnRowChanged(this, Row(), ARow);
    FState->OldRowSel = ARow;
  }
  RepaintCustomBorders(ARow);
}
