// The platform grid's column move step. The platform has moved the current
// cell and anchor before it calls it, on every path (MoveColumn, a mouse
// drag), so it leaves the current cell alone. The platform's own step moves
// cells by displayed index only; with hidden columns the cells move by
// storage column here, and every column-keyed list goes along.
#include "grid/model/ColumnMoveStep.h"

#include "grid/base/SortIndexList.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/IndexMoves.h"
#include "grid/model/SortSettings.h"

void TColumnMoveStep::ColumnMoved(int FromIndex, int ToIndex) {
  const int rf = G.RealColIndex(FromIndex), rt = G.RealColIndex(ToIndex);
  TIntList& order = G.FColumnOrder;
  if (rf < order.Count() && rt < order.Count()) {
    MoveEntry(rf, rt, [&](int i) { return order.Items(i); }, [&](int i, int v) { order.SetItems(i, v); });
  }
  if (G.EnhRowColMove()) {
    MoveEntry(FromIndex, ToIndex, [&](int c) { return G.ColWidths(c); },
              [&](int c, int w) { G.SetColWidths(c, w); });
    G.SetColMoveFlg(true);
  }
  G.HideEdit();
  MoveStorageColumn(rf, rt);
  G.UpdateEdit();
  FollowColumnMove(rf, rt);
  if (G.OnColumnMoved) G.OnColumnMoved(&G, FromIndex, ToIndex);
}

// The hidden-column table and the remembered widths follow their storage
// columns whatever EnhRowColMove says: left behind, a hidden column's cells
// would show and a shown one's would hide.
void TColumnMoveStep::MoveStorageColumn(int RF, int RT) {
  constexpr int limit = TVisibleColumns::MaxHideable;
  TVisibleColumns& visible = G.FVisibleCols;
  TGridItems& parkedRows = G.FGridItems;
  const bool pushesOutHidden = RT < limit && RF >= limit && G.IsHiddenColumn(limit - 1);
  G.Store().MoveCol(RF, RT);
  if (parkedRows.Count() > 0) {
    TCellStore parked;
    parked.SetRowCount(parkedRows.Count());
    for (int i = 0; i < parkedRows.Count(); ++i) parked.PutRow(i, parkedRows.Item(i)->Items().TakeRow());
    parked.MoveCol(RF, RT);
    for (int i = 0; i < parkedRows.Count(); ++i) parkedRows.Item(i)->Items().PutRow(parked.TakeRow(i));
  }
  if (!visible.AllVisible()) {
    // Storage columns from MaxHideable on are always shown.
    MoveEntry(RF, RT, [&](int c) { return c >= limit || visible.GetVisibleCol(c); },
              [&](int c, bool v) {
                if (c < limit) visible.SetVisibleCol(c, v);
              });
  }
  std::vector<int>& widths = G.FState->AllColWidths;
  if (std::min(RF, RT) < static_cast<int>(widths.size())) {
    widths.resize(std::max(widths.size(), static_cast<size_t>(std::max(RF, RT)) + 1), G.DefaultColWidth());
    MoveEntry(RF, RT, [&](int c) { return widths[static_cast<size_t>(c)]; },
              [&](int c, int w) { widths[static_cast<size_t>(c)] = w; });
  }
  // A hidden column pushed from 511 to 512 has lost its flag: it joins the
  // displayed columns, or it would drop out of the column count.
  if (pushesOutHidden) G.AddDisplayedColumn(limit);
}

// Lists that hold storage column numbers renumber the way the columns moved.
void TColumnMoveStep::FollowColumnMove(int RF, int RT) {
  TSortSettings& sort = *G.FSortSettings;
  TSortIndexList& indexes = *G.FSortIndexes;
  sort.SetColumn(MovedIndex(sort.Column(), RF, 1, RT));
  for (int i = 0; i < indexes.Count(); ++i) {
    indexes.SetSortColumns(i, MovedIndex(indexes.SortColumns(i), RF, 1, RT));
  }
  TControlList& controls = G.FState->ControlList;
  for (int i = 0; i < controls.Count(); ++i) {
    TControlItem* item = controls.Control(i);
    item->SetX(MovedIndex(item->X(), RF, 1, RT));
  }
  G.CellControlsUpdate(false);
  G.Invalidate();
  if (G.FFloatingFooter->Visible()) G.FFloatingFooter->Invalidate();
}
