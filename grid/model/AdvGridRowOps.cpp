// Inserting and removing rows. Rows move as row objects; each record keeps
// exactly one owner: a removed row's records are freed unless the caller took
// the row over first, and no slot is left holding a record that moved.
#include <algorithm>

#include "grid/base/ShowModified.h"
#include "grid/model/AdvStringGridPrivate.h"

namespace {

// Lists shorter than the insertion point stay as they are: their missing
// entries already read as not set.
void InsertFlags(TIntList& L, int At, int Count) {
  if (At >= L.Count()) return;
  for (int i = 0; i < Count; ++i) L.Insert(At, 0);
}

}  // namespace

void TAdvStringGrid::DoInsertRows(int RowIndex, int RCount, bool UpdateCellControls) {
  if (RCount <= 0 || RowIndex < 0 || RowIndex > RowCount()) return;
  if (FSelHidden) UnHideSelection();
  const int realAt = DisplToRealRow(RowIndex);
  const int oldRow = Row();
  TGridModel::InsertRowSpan(RowIndex, RCount);
  FRows->RowCountChanged();
  // The current cell keeps its place: inserting at it puts it on the new row.
  if (Row() != oldRow) MoveCurrent(Col(), oldRow, true, false);
  if (FShowModified->Enabled()) InsertFlags(FModifiedRows, RowIndex, RCount);
  if (FValues.UseEnabledRows) InsertFlags(FEnabledRows, RowIndex, RCount);
  if (UpdateCellControls && FState->ControlList.Count() > 0) {
    FRows->ShiftControlRows(realAt, RCount);
    CellControlsUpdate(false);
  }
  CellsChanged(RowsRect(*this, RowIndex, RCount));
}

// Parked rows at or after the insertion point move down with the shown rows.
void TAdvStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls) {
  if (RCount <= 0 || RowIndex < 0 || RowIndex > RowCount()) return;
  const int realAt = DisplToRealRow(RowIndex);
  DoInsertRows(RowIndex, RCount, UpdateCellControls);
  FGridItems.RowsInserted(realAt, RCount);
}

void TAdvStringGrid::AddRow() { InsertRows(RowCount(), 1, true); }

void TAdvStringGrid::RemoveRows(int RowIndex, int RCount) {
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  FRows->DropControlsOfRows(RowIndex, RCount);
  FRows->RemoveRowSpan(RowIndex, RCount, true, false);
}

// As RemoveRows, for callers that take the rows' cells over first (their
// slots are then empty); whatever is still in the rows is freed.
void TAdvStringGrid::RemoveRowsEx(int RowIndex, int RCount) {
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  FRows->RemoveRowSpan(RowIndex, RCount, false, false);
}

void TAdvStringGrid::DeleteRows(int ARow, int ACount) { DoRemoveRows(ARow, ACount, true); }

void TAdvStringGrid::DoRemoveRows(int RowIndex, int RCount, bool UpdateCellControls) {
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  if (UpdateCellControls) FRows->DropControlsOfRows(RowIndex, RCount);
  // Without control updates the caller keeps the parked rows' numbers itself.
  FRows->RemoveRowSpan(RowIndex, RCount, false, true, UpdateCellControls);
}
