// Header-click sorting: a click on the sort row sorts by its column, the
// same column again the other way, and with UndoSort back to the order
// the rows had before the first sort.
#include "grid/base/ControlLook.h"
#include "grid/base/SortIndexList.h"
#include "grid/interact/GridMouse.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/SortSettings.h"

namespace {
// A release this near a header border belongs to sizing.
constexpr int SortBorderMargin = 4;
// The fixed drop-down and filter buttons at a header cell's right.
constexpr int HeaderButtonWidth = 16;

TSortDirection Other(TSortDirection D) { return D == sdAscending ? sdDescending : sdAscending; }
}  // namespace

bool TGridMouse::SortApplies(TGridCoord Cell, int X, int Y, bool Busy) {
  const TSortSettings& ss = *G.SortSettings();
  if (Busy || !ss.Show() || G.FixedRows() == 0 || G.RowCount() <= 2) return false;
  if (Cell.Y != ss.Row() || FPressCell.Y != ss.Row() || FPressCell.X != Cell.X) return false;
  if (Cell.X < G.FixedCols() && !ss.FixedCols()) return false;
  const int vx = G.ViewX(X);
  if (Cell.Y == 0 && G.Options().Contains(goColSizing) && NearColumnBorder(Cell, vx, SortBorderMargin)) return false;
  const bool buttons = G.ControlLook()->FixedDropDownButton() ||
                       (G.FilterDropDownAuto() && Cell.Y == G.FilterDropDownRow());
  if (buttons && G.CellRect(Cell.X, Cell.Y).Right - vx <= HeaderButtonWidth) return false;
  const int rcol = G.RealColIndex(Cell.X);
  return !(G.HasCheckBox(rcol, Cell.Y) && G.IsInCheckBox(rcol, Cell.Y, X, Y));
}

void TGridMouse::HeaderSort(int ACol, TShiftState Shift) {
  TSortSettings& ss = *G.SortSettings();
  const int rcol = G.RealColIndex(ACol);
  bool doSort = !G.IsIgnoredColumn(rcol);
  if (doSort && G.OnCanSort) G.OnCanSort(&G, rcol, doSort);
  if (!doSort) {
    G.RepaintCell(ACol, ss.Row());
    return;
  }
  G.HideEditor();
  if (G.SortRowXRef().Count() != G.RowCount()) G.InitSortXRef();
  if (ss.AutoColumnMerge()) G.SplitAllColumnCells();
  if (ss.IndexShow())
    IndexedSort(rcol, Shift);
  else
    ColumnSort(rcol);
  if (ss.AutoColumnMerge()) G.MergeAllColumnCells();
  G.CellControlsUpdate(false);
  G.DoClickSort(ss.Column());
}

// With the index key held the column joins the indexes (or turns round);
// without it the column alone is the index.
void TGridMouse::IndexedSort(int RCol, TShiftState Shift) {
  TSortSettings& ss = *G.SortSettings();
  TSortIndexList& indexes = *G.SortIndexes();
  const bool key = Shift.Contains(ss.IndexSortKey() == ikCtrl ? ssCtrl : ssShift);
  const bool ascending = ss.InitSortDirection() == sdAscending;
  const int at = indexes.FindIndex(RCol);
  if (key && at >= 0) {
    indexes.ToggleIndex(RCol);
  } else if (key) {
    indexes.AddIndex(RCol, ascending);
  } else if (at == 0 && indexes.Count() == 1) {
    indexes.ToggleIndex(RCol);
  } else {
    indexes.Clear();
    indexes.AddIndex(RCol, ascending);
  }
  if (G.HasNodes())
    G.QSortGroupIndexed();
  else
    G.QSortIndexed();
  ss.SetColumn(indexes.SortColumns(0));
}

void TGridMouse::ColumnSort(int RCol) {
  TSortSettings& ss = *G.SortSettings();
  if (ss.Column() == RCol) {
    const TSortDirection next = Other(ss.Direction());
    if (ss.UndoSort() && next == ss.InitSortDirection()) {
      G.QUnSort();
      ss.SetColumn(-1);
      G.Invalidate();
      return;
    }
    ss.SetDirection(next);
  } else {
    ss.SetColumn(RCol);
    ss.SetDirection(ss.InitSortDirection());
  }
  if (G.HasNodes())
    G.QSortGroup();
  else
    G.QSort();
}
