// After the platform grid's key handling: disjunct rows, columns and cells
// selected by the cursor keys with Shift and Ctrl and toggled by Space.
#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/base/SelectedCellList.h"
#include "grid/interact/GridKeyboard.h"
#include "grid/model/AdvStringGrid.h"

namespace {
bool IsNavigationKey(WORD Key) { return Key >= VK_PRIOR && Key <= VK_DOWN; }
}  // namespace

void TGridKeyboard::CursorAfter(WORD Key, TShiftState Shift, const TGridRect& Before) {
  if (FKeepLeft >= 0) G.SetLeftCol(FKeepLeft);
  FKeepLeft = -1;
  ClearOfSearchFooter(Key);
  DisjunctRowsCols(Key, Shift);
  if (G.MouseActions()->DisjunctCellSelect() && !G.Options().Contains(goEditing)) DisjunctCells(Key, Shift, Before);
  SelectionNotify();
}

// A cursor key selects the row (column) reached, adding to the rows selected
// with Ctrl, taking the range with Shift; Space toggles it.
void TGridKeyboard::DisjunctRowsCols(WORD Key, TShiftState Shift) {
  const TMouseActions& ma = *G.MouseActions();
  const int row = G.SelectionRow(G.Row()), col = G.Col();
  if (Key == VK_SPACE) {
    if (ma.DisjunctRowSelect()) G.SetRowSelect(row, !G.RowSelect(row));
    if (ma.DisjunctColSelect()) G.SetColSelect(col, !G.ColSelect(col));
    return;
  }
  if (!IsNavigationKey(Key)) return;
  const bool shift = Shift.Contains(ssShift), keep = shift || Shift.Contains(ssCtrl);
  if (ma.DisjunctRowSelect()) {
    if (!keep) G.ClearRowSelect();
    shift ? G.SelectionToRowSelect(true) : G.SetRowSelect(row, true);
  }
  if (ma.DisjunctColSelect()) {
    if (!keep) G.ClearColSelect();
    shift ? G.SelectionToColSelect(true) : G.SetColSelect(col, true);
  }
}

// Shift with a cursor key swaps the range the key started from for the
// range it reached, all but the current cell.
void TGridKeyboard::DisjunctCells(WORD Key, TShiftState Shift, const TGridRect& Before) {
  if (Key == VK_SPACE) return SpaceCell(Shift);
  if (!IsNavigationKey(Key) || !Shift.Contains(ssShift)) return;
  const TGridRect now = G.Selection();
  for (int r = std::min(Before.Top, Before.Bottom); r <= std::max(Before.Top, Before.Bottom); ++r)
    for (int c = std::min(Before.Left, Before.Right); c <= std::max(Before.Left, Before.Right); ++c)
      G.SetSelectedCells(c, r, false);
  for (int r = now.Top; r <= now.Bottom; ++r)
    for (int c = now.Left; c <= now.Right; ++c)
      if (c != G.Col() || r != G.Row()) G.SetSelectedCells(c, r, true);
}

// Ctrl+Space toggles the current cell; Space makes it the only one, with
// the rest of a range selection.
void TGridKeyboard::SpaceCell(TShiftState Shift) {
  const TPoint base = G.BaseCell(G.Col(), G.Row());
  if (base.X < G.FixedCols() || base.Y < G.FixedRows() || G.IsFixed(base.X, base.Y)) return;
  bool allow = true;
  if (G.OnSelectCell) G.OnSelectCell(&G, base.X, base.Y, allow);
  if (!allow) return;
  if (Shift.Contains(ssCtrl)) {
    G.SetSelectedCells(base.X, base.Y, !G.SelectedCells(base.X, base.Y));
  } else {
    G.SelectedCellList().Clear();
    G.Invalidate();
    G.SetSelectedCells(base.X, base.Y, true);
    const TGridRect sel = G.Selection();
    for (int r = sel.Top; r <= sel.Bottom; ++r)
      for (int c = sel.Left; c <= sel.Right; ++c) G.SetSelectedCells(c, r, true);
  }
  G.RepaintCell(G.Col(), G.Row());
}
