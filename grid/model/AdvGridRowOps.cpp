// Inserting and removing rows. Rows move as row objects; each record keeps
// exactly one owner: a removed row's records are freed unless the caller took
// the row over first, and no slot is left holding a record that moved.
#include <algorithm>
#include <limits>

#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/base/ShowModified.h"

namespace {

constexpr int AllColumns = std::numeric_limits<int>::max();

// Lists shorter than the insertion point stay as they are: their missing
// entries already read as not set.
void InsertFlags(TIntList& L, int At, int Count) {
  if (At >= L.Count()) return;
  for (int i = 0; i < Count; ++i) L.Insert(At, 0);
}

void DeleteFlags(TIntList& L, int At, int Count) {
  for (int i = 0; i < Count && At < L.Count(); ++i) L.Delete(At);
}

void DeleteFlags(std::vector<bool>& L, int At, int Count) {
  const int size = static_cast<int>(L.size());
  if (At < size) L.erase(L.begin() + At, L.begin() + std::min(size, At + Count));
}

}  // namespace

void TAdvStringGrid::DoInsertRows(int RowIndex, int RCount, bool UpdateCellControls) {
  if (RCount <= 0 || RowIndex < 0 || RowIndex > RowCount()) return;
  if (FSelHidden) UnHideSelection();
  const int realAt = DisplToRealRow(RowIndex);
  const int oldRow = Row();
  TGridModel::InsertRowSpan(RowIndex, RCount);
  RowCountChanged();
  // The current cell keeps its place: inserting at it puts it on the new row.
  if (Row() != oldRow) MoveCurrent(Col(), oldRow, true, false);
  if (FShowModified->Enabled()) InsertFlags(FModifiedRows, RowIndex, RCount);
  if (FUseEnabledRows) InsertFlags(FEnabledRows, RowIndex, RCount);
  if (UpdateCellControls && FControlList.Count() > 0) {
    ShiftControlRows(realAt, RCount);
    CellControlsUpdate(false);
  }
  CellsChanged(RowsRect(RowIndex, RCount));
}

// Parked rows at or after the insertion point move down with the shown rows.
void TAdvStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls) {
  if (RCount <= 0 || RowIndex < 0 || RowIndex > RowCount()) return;
  const int realAt = DisplToRealRow(RowIndex);
  DoInsertRows(RowIndex, RCount, UpdateCellControls);
  FGridItems.RowsInserted(realAt, RCount);
}

void TAdvStringGrid::AddRow() { InsertRows(RowCount(), 1, true); }

// Controls in the removed rows go; those below move up with their rows.
void TAdvStringGrid::DropControlsOfRows(int RowIndex, int RCount) {
  const int realFrom = DisplToRealRow(RowIndex);
  const int realEnd = DisplToRealRow(RowIndex + RCount);
  for (int i = FControlList.Count() - 1; i >= 0; --i) {
    TControlItem* item = FControlList.Control(i);
    if (item->Y() < realFrom || item->Y() >= realEnd || IsHiddenRow(item->Y())) continue;
    if (item->Control()) item->Control()->SetVisible(false);
    FControlList.RemoveControl(i);
  }
  ShiftControlRows(realEnd, -RCount);
}

void TAdvStringGrid::RemoveRowSpan(int RowIndex, int RCount, bool AllLists, bool ParkWhenOutside,
                                   bool Renumber) {
  FreeCellPropsRange(0, RowIndex, AllColumns, RowIndex + RCount - 1);
  const bool entered = FEntered;
  FEntered = false;
  BeginUpdate();
  const int oldRow = Row(), oldTop = TopRow();
  if (Renumber) FGridItems.RowsRemoved(RowIndex, RCount);
  if (AllLists && FShowModified->Enabled()) DeleteFlags(FModifiedRows, RowIndex, RCount);
  if (AllLists && FUseEnabledRows) DeleteFlags(FEnabledRows, RowIndex, RCount);
  if (FMouseActions->DisjunctRowSelect()) DeleteFlags(FRowSelect, RowIndex, RCount);
  TGridModel::DeleteRowSpan(RowIndex, RCount);
  RowCountChanged();
  FMaxRowCount -= RCount;
  PlaceCurrentRowAfterRemoval(oldRow, oldTop, ParkWhenOutside);
  EndUpdate();
  FEntered = entered;
  CellsChanged(RowsRect(RowIndex, RCount));
  if (FControlList.Count() > 0) CellControlsUpdate(false);
}

void TAdvStringGrid::RemoveRows(int RowIndex, int RCount) {
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  DropControlsOfRows(RowIndex, RCount);
  RemoveRowSpan(RowIndex, RCount, true, false);
}

// As RemoveRows, for callers that take the rows' cells over first (their
// slots are then empty); whatever is still in the rows is freed.
void TAdvStringGrid::RemoveRowsEx(int RowIndex, int RCount) {
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  RemoveRowSpan(RowIndex, RCount, false, false);
}

void TAdvStringGrid::DeleteRows(int ARow, int ACount) { DoRemoveRows(ARow, ACount, true); }

void TAdvStringGrid::DoRemoveRows(int RowIndex, int RCount, bool UpdateCellControls) {
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  if (UpdateCellControls) DropControlsOfRows(RowIndex, RCount);
  // Without control updates the caller keeps the parked rows' numbers itself.
  RemoveRowSpan(RowIndex, RCount, false, true, UpdateCellControls);
}
