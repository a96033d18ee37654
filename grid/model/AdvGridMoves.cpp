// Moving columns and rows, and parking the selection. Moved rows take their
// cells, heights, row flags and cell controls along; rows parked in between
// keep their places relative to the shown rows.
#include <algorithm>

#include "grid/model/AdvStringGridPrivate.h"

void TAdvStringGrid::MoveColumn(int FromIndex, int ToIndex) {
  if (FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount()) return;
  if (FColumnOrder.Count() == 0) SetColumnOrder();
  TGridModel::MoveColumn(FromIndex, ToIndex);
}

void TAdvStringGrid::MoveRow(int FromIndex, int ToIndex) {
  if (FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount() || ToIndex >= RowCount()) return;
  if (FromIndex == ToIndex || FRows->IsFloatingFooterRow(ToIndex)) return;
  FRows->MoveRowBlock(FromIndex, 1, ToIndex, false);
}

void TAdvStringGrid::MoveRows(int FromIndex, int ToIndex, int Count) {
  if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || FromIndex >= RowCount()) return;
  Count = std::min(Count, RowCount() - FromIndex);
  // ToIndex counts the rows before the block was taken out.
  const int to = std::clamp(FromIndex + Count < ToIndex ? ToIndex - Count : ToIndex, 0, RowCount() - Count);
  if (to == FromIndex) return;
  FRows->MoveRowBlock(FromIndex, Count, to, true);
}

void TAdvStringGrid::ColumnMoved(int FromIndex, int ToIndex) { FColumnMove->ColumnMoved(FromIndex, ToIndex); }
void TAdvStringGrid::RowMoved(int FromIndex, int ToIndex) { FRows->RowMoved(FromIndex, ToIndex); }

void TAdvStringGrid::HideSelection() {
  FState->OldSelection = Selection();
  FSelHidden = true;
}

void TAdvStringGrid::UnHideSelection() {
  FSelHidden = false;
  if (FState->OldSelection.Top < RowCount() && FState->OldSelection.Left < ColCount()) {
    SetSelection(FState->OldSelection);
    return;
  }
  const int top = FValues.FixedRowAlways && TGridModel::FixedRows() == RowCount() ? 0 : FixedRows();
  const int left = FValues.FixedColAlways && TGridModel::FixedCols() == ColCount() ? 0 : FixedCols();
  SetSelection(TGridRect{left, top, left, top});
}
