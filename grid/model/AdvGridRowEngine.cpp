// Rows parked in the hidden-row store and put back by pointer, each in one
// pass over the grid however many rows go or come.
#include <algorithm>

#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGrid.h"

namespace {

// A grid keeps one displayed row: the last rows listed stay.
void KeepOneRow(std::vector<int>& DisplRows, int RowCount) {
  if (static_cast<int>(DisplRows.size()) >= RowCount) DisplRows.resize(static_cast<size_t>(RowCount - 1));
}

}  // namespace

void TAdvStringGrid::ParkRows(std::vector<int> DisplRows, int Level) {
  KeepOneRow(DisplRows, RowCount());
  std::vector<TGridItemPtr> items;
  items.reserve(DisplRows.size());
  int before = 0;  // parked rows before r: one walk along the store
  for (int r : DisplRows) {
    while (before < FGridItems.Count() && FGridItems.Item(before)->Idx() - before <= r) ++before;
    auto item = std::make_unique<TGridItem>();
    item->SetIdx(r + before);
    item->SetHeight(RowHeights(r));
    item->SetLevel(Level);
    item->Items().PutRow(Store().TakeRow(r));
    items.push_back(std::move(item));
  }
  CloseRowGaps(DisplRows);
  FGridItems.MergeIn(std::move(items));
  ShowControlsOfShownRows();
  CellControlsUpdate(false);
}

void TAdvStringGrid::MoveRowCells(int From, int To) {
  Store().PutRow(To, Store().TakeRow(From));
  SetRowHeights(To, RowHeights(From));
}

void TAdvStringGrid::CloseRowGaps(const std::vector<int>& DisplRows) {
  if (DisplRows.empty()) return;
  size_t next = 0;
  int write = DisplRows.front();
  for (int r = write; r < RowCount(); ++r) {
    if (next < DisplRows.size() && DisplRows[next] == r) {
      ++next;
      continue;
    }
    MoveRowCells(r, write++);
  }
  // The rows beyond the new end are empty slots now: nothing is freed.
  SetRowCount(write);
}

void TAdvStringGrid::RestoreRows(std::vector<TGridItemPtr> Items,
                                 const std::function<int(int Idx)>& PosOf) {
  if (Items.empty()) return;
  std::vector<int> pos;
  pos.reserve(Items.size());
  for (const auto& item : Items) pos.push_back(PosOf(item->Idx()));
  const int oldCount = RowCount();
  SetRowCount(oldCount + static_cast<int>(Items.size()));
  int read = oldCount - 1;
  for (int k = static_cast<int>(Items.size()) - 1, t = RowCount() - 1; k >= 0; --t) {
    if (pos[static_cast<size_t>(k)] < t) {
      MoveRowCells(read--, t);
      continue;
    }
    TGridItem& item = *Items[static_cast<size_t>(k--)];
    Store().PutRow(t, item.Items().TakeRow());
    SetRowHeights(t, item.Height());
  }
  ShowControlsOfShownRows();
  CellControlsUpdate(false);
}

void TAdvStringGrid::ShowControlsOfShownRows() {
  for (int i = 0; i < FControlList.Count(); ++i) {
    TControlItem* item = FControlList.Control(i);
    if (item->Control()) item->Control()->SetVisible(!IsHiddenRow(item->Y()));
  }
}

void TAdvStringGrid::ShiftControlRows(int FromRealRow, int Delta) {
  for (int i = 0; i < FControlList.Count(); ++i) {
    TControlItem* item = FControlList.Control(i);
    if (item->Y() >= FromRealRow) item->SetY(item->Y() + Delta);
  }
}

// After a span change of the platform grid: the count's own bookkeeping.
void TAdvStringGrid::RowCountChanged() { SetRowCount(RowCount()); }

void TAdvStringGrid::PlaceCurrentRowAfterRemoval(int OldRow, int OldTop, bool ParkWhenOutside) {
  const int lastData = RowCount() - FFixedFooters - 1;
  if (OldRow <= lastData) {
    if (!FMouseActions->DisjunctRowSelect()) MoveCurrent(Col(), OldRow, true, false);
    SetTopRow(OldTop);
  } else if (lastData >= FixedRows()) {
    MoveCurrent(Col(), lastData, true, false);
    if (ParkWhenOutside && Row() > lastData) HideSelection();
  } else {
    HideSelection();
  }
  FSelHidden = false;
}
