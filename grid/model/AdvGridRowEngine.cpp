// Rows parked in the hidden-row store and put back by pointer, each in one
// pass over the grid however many rows go or come.
#include <algorithm>

#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGrid.h"

std::vector<TGridItemPtr> TAdvStringGrid::ParkRows(const std::vector<int>& DisplRows, int Level) {
  std::vector<TGridItemPtr> items;
  items.reserve(DisplRows.size());
  for (int r : DisplRows) {
    auto item = std::make_unique<TGridItem>();
    item->SetIdx(FGridItems.DisplToRealRow(r));
    item->SetHeight(RowHeights(r));
    item->SetLevel(Level);
    item->Items().PutRow(Store().TakeRow(r));
    items.push_back(std::move(item));
  }
  return items;
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

void TAdvStringGrid::RestoreRows(std::vector<TRestoredRow> Rows) {
  if (Rows.empty()) return;
  const int oldCount = RowCount();
  SetRowCount(oldCount + static_cast<int>(Rows.size()));
  int read = oldCount - 1;
  for (int k = static_cast<int>(Rows.size()) - 1, t = RowCount() - 1; k >= 0; --t) {
    TRestoredRow& back = Rows[static_cast<size_t>(k)];
    if (back.Pos < t) {
      MoveRowCells(read--, t);
      continue;
    }
    Store().PutRow(t, back.Item->Items().TakeRow());
    SetRowHeights(t, back.Item->Height());
    --k;
  }
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
