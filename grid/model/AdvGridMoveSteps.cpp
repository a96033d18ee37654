// The platform grid's column and row move steps. The platform has moved the
// current cell and anchor before it calls them, on every path (MoveColumn,
// MoveRow, a mouse drag), so they leave the current cell alone. Its own
// steps move cells by displayed index only; with hidden columns the cells
// move by storage column here, and every column-keyed list goes along.
#include <utility>

#include "grid/base/SortIndexList.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/SortSettings.h"
#include "grid/model/IndexMoves.h"

void TAdvStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  const int rf = RealColIndex(FromIndex), rt = RealColIndex(ToIndex);
  if (rf < FColumnOrder.Count() && rt < FColumnOrder.Count()) {
    MoveEntry(rf, rt, [&](int i) { return FColumnOrder.Items(i); },
              [&](int i, int v) { FColumnOrder.SetItems(i, v); });
  }
  if (FEnhRowColMove) {
    MoveEntry(FromIndex, ToIndex, [&](int c) { return ColWidths(c); }, [&](int c, int w) { SetColWidths(c, w); });
    FColMoveFlg = true;
  }
  HideEdit();
  MoveStorageColumn(rf, rt);
  UpdateEdit();
  FollowColumnMove(rf, rt);
  if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

// The hidden-column table and the remembered widths follow their storage
// columns whatever EnhRowColMove says: left behind, a hidden column's cells
// would show and a shown one's would hide.
void TAdvStringGrid::MoveStorageColumn(int RF, int RT) {
  constexpr int limit = TVisibleColumns::MaxHideable;
  const bool pushesOutHidden = RT < limit && RF >= limit && IsHiddenColumn(limit - 1);
  Store().MoveCol(RF, RT);
  if (FGridItems.Count() > 0) {
    TCellStore parked;
    parked.SetRowCount(FGridItems.Count());
    for (int i = 0; i < FGridItems.Count(); ++i) parked.PutRow(i, FGridItems.Item(i)->Items().TakeRow());
    parked.MoveCol(RF, RT);
    for (int i = 0; i < FGridItems.Count(); ++i) FGridItems.Item(i)->Items().PutRow(parked.TakeRow(i));
  }
  if (!FVisibleCols.AllVisible()) {
    // Storage columns from MaxHideable on are always shown.
    MoveEntry(RF, RT, [&](int c) { return c >= TVisibleColumns::MaxHideable || FVisibleCols.GetVisibleCol(c); },
              [&](int c, bool v) {
                if (c < TVisibleColumns::MaxHideable) FVisibleCols.SetVisibleCol(c, v);
              });
  }
  if (std::min(RF, RT) < static_cast<int>(FAllColWidths.size())) {
    FAllColWidths.resize(std::max(FAllColWidths.size(), static_cast<size_t>(std::max(RF, RT)) + 1), DefaultColWidth());
    MoveEntry(RF, RT, [&](int c) { return FAllColWidths[static_cast<size_t>(c)]; },
              [&](int c, int w) { FAllColWidths[static_cast<size_t>(c)] = w; });
  }
  // A hidden column pushed from 511 to 512 has lost its flag: it joins the
  // displayed columns, or it would drop out of the column count.
  if (pushesOutHidden) AddDisplayedColumn(limit);
}

// Lists that hold storage column numbers renumber the way the columns moved.
void TAdvStringGrid::FollowColumnMove(int RF, int RT) {
  FSortSettings->SetColumn(MovedIndex(FSortSettings->Column(), RF, 1, RT));
  for (int i = 0; i < FSortIndexes->Count(); ++i) {
    FSortIndexes->SetSortColumns(i, MovedIndex(FSortIndexes->SortColumns(i), RF, 1, RT));
  }
  for (int i = 0; i < FControlList.Count(); ++i) {
    TControlItem* item = FControlList.Control(i);
    item->SetX(MovedIndex(item->X(), RF, 1, RT));
  }
  CellControlsUpdate(false);
  Invalidate();
  if (FFloatingFooter->Visible()) FFloatingFooter->Invalidate();
}

// The footer strip covers the grid's last row: no row goes under it.
bool TAdvStringGrid::IsFloatingFooterRow(int ARow) const {
  return FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow && ARow == RowCount() - 1;
}

// OnRowMoved fires once the height has moved too, not from the platform's step.
void TAdvStringGrid::RowMoved(int FromIndex, int ToIndex) {
  if (IsFloatingFooterRow(ToIndex)) return;
  TMovedEvent event = std::exchange(OnRowMoved, nullptr);
  try {
    TBaseGrid::RowMoved(FromIndex, ToIndex);
  } catch (...) {
    OnRowMoved = std::move(event);
    throw;
  }
  OnRowMoved = std::move(event);
  if (FEnhRowColMove) {
    MoveEntry(FromIndex, ToIndex, [&](int r) { return RowHeights(r); }, [&](int r, int h) { SetRowHeights(r, h); });
    FColMoveFlg = true;
  }
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}
