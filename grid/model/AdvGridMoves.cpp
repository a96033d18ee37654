// Moving columns and rows, and parking the selection. Moved rows take their
// cells, heights, row flags and cell controls along; rows parked in between
// keep their places relative to the shown rows.
#include <algorithm>

#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/IndexMoves.h"
#include "grid/model/RowFlags.h"

namespace {

template <class List>
void RotateFlags(List& L, int Lo, int Hi, int Mid) {
  if (FlagCount(L) <= Lo) return;
  RotateRange(Lo, Hi, Mid, [&](int i) { return FlagAt(L, i); },
              [&](int i, int v) { SetFlagAt(L, i, v); });
}

}  // namespace

void TAdvStringGrid::MoveColumn(int FromIndex, int ToIndex) {
  if (FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount()) return;
  if (FColumnOrder.Count() == 0) SetColumnOrder();
  TGridModel::MoveColumn(FromIndex, ToIndex);
}

void TAdvStringGrid::MoveRow(int FromIndex, int ToIndex) {
  if (FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount() || ToIndex >= RowCount()) return;
  if (FromIndex == ToIndex || IsFloatingFooterRow(ToIndex)) return;
  MoveRowBlock(FromIndex, 1, ToIndex, false);
}

void TAdvStringGrid::MoveRows(int FromIndex, int ToIndex, int Count) {
  if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || FromIndex >= RowCount()) return;
  Count = std::min(Count, RowCount() - FromIndex);
  // ToIndex counts the rows before the block was taken out.
  const int to = std::clamp(FromIndex + Count < ToIndex ? ToIndex - Count : ToIndex, 0, RowCount() - Count);
  if (to == FromIndex) return;
  MoveRowBlock(FromIndex, Count, to, true);
}

// Count displayed rows at From end up at To; the platform grid moves the
// cells itself (with the current cell and its row-moved hook) for one row.
void TAdvStringGrid::MoveRowBlock(int From, int Count, int To, bool MoveCells) {
  struct TPlace {
    TControlItem* Item;
    int Displ;           // shown row: its displayed index after the move
    TGridItem* Parked;   // parked row: its item
  };
  std::vector<TPlace> places;
  for (int i = 0; i < FControlList.Count(); ++i) {
    TControlItem* item = FControlList.Control(i);
    TGridItem* parked = FGridItems.FindRealRow(item->Y());
    places.push_back({item, parked ? -1 : MovedIndex(RealToDisplRow(item->Y()), From, Count, To), parked});
  }
  const int lo = std::min(From, To), hi = std::max(From, To) + Count - 1;
  const int mid = To > From ? Count : From - lo;
  if (MoveCells) {
    RotateRange(lo, hi, mid, [&](int r) { return Store().TakeRow(r); },
                [&](int r, TCellStore::TRowPtr Row) { Store().PutRow(r, std::move(Row)); });
  } else {
    TGridModel::MoveRow(From, To);
  }
  // A single row's height moved in RowMoved already.
  if (MoveCells) {
    RotateRange(lo, hi, mid, [&](int r) { return RowHeights(r); }, [&](int r, int h) { SetRowHeights(r, h); });
  }
  RotateFlags(FModifiedRows, lo, hi, mid);
  RotateFlags(FEnabledRows, lo, hi, mid);
  RotateFlags(FRowSelect, lo, hi, mid);
  FGridItems.RowsRemoved(From, Count);
  FGridItems.RowsInserted(DisplToRealRow(To), Count);
  for (const TPlace& p : places) p.Item->SetY(p.Parked ? p.Parked->Idx() : DisplToRealRow(p.Displ));
  CellsChanged(TRect{0, lo, ColCount() - 1, hi});
  CellControlsUpdate(false);
}

void TAdvStringGrid::HideSelection() {
  FOldSelection = Selection();
  FSelHidden = true;
}

void TAdvStringGrid::UnHideSelection() {
  FSelHidden = false;
  if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
    SetSelection(FOldSelection);
    return;
  }
  const int top = FFixedRowAlways && TGridModel::FixedRows() == RowCount() ? 0 : FixedRows();
  const int left = FFixedColAlways && TGridModel::FixedCols() == ColCount() ? 0 : FixedCols();
  SetSelection(TGridRect{left, top, left, top});
}
