// Cursor keys the grid takes before the platform grid moves: scrolling
// without moving, node rows opened by Right and Left, row-select scrolling,
// the jump over fixed cells and the row appended by Down.
#include <algorithm>

#include "grid/base/Navigation.h"
#include "grid/base/SearchFooter.h"
#include "grid/interact/GridKeyboard.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/FloatingFooter.h"

bool TGridKeyboard::Consumed(WORD Key, TShiftState Shift) {
  if (G.OnKeyDown) G.OnKeyDown(&G, Key, Shift);
  return true;
}

bool TGridKeyboard::CursorBefore(WORD Key, TShiftState Shift) {
  TNavigation& nav = *G.Navigation();
  KeepLeft(Key);
  if (nav.MoveScrollOnly() && ScrollOnly(Key)) return true;
  if ((Key == VK_HOME || Key == VK_END) && HomeEnd(Key, Shift)) return true;
  if (Key == VK_LEFT || Key == VK_RIGHT) {
    NodeKey(Key);
    if (LeftRightScroll(Key, Shift)) return true;
  }
  // Before the fixed-cell jump: a footer row below must not keep the row from being added.
  if (Key == VK_DOWN && nav.AppendOnArrowDown() && G.IsLastDataRow()) G.AutoAddRow();
  if (nav.SkipFixedCells() && SkipFixed(Key, Shift)) return true;
  return SearchFooterEdge(Key, Shift);
}

// Scrolled to the end with the search panel shown: Down on the last row
// lifts it above the panel; Right and Left stop at the last row's ends.
bool TGridKeyboard::SearchFooterEdge(WORD Key, TShiftState Shift) {
  if (!G.SearchFooter()->Visible() || G.TopRow() < G.RowCount() - G.VisibleRowCount()) return false;
  if (G.Row() != G.RowCount() - 1) return false;
  if (Key == VK_DOWN) G.ScrollLastRowAboveSearchFooter();
  const bool end = (Key == VK_RIGHT && G.Col() == G.ColCount() - 1) || (Key == VK_LEFT && G.Col() == G.FixedCols());
  return (Key == VK_DOWN || end) && Consumed(Key, Shift);
}

// A move onto the last row leaves it clear of the search panel.
void TGridKeyboard::ClearOfSearchFooter(WORD Key) {
  const bool moving = Key == VK_NEXT || Key == VK_END || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_DOWN;
  if (moving && G.SearchFooter()->Visible() && G.Row() == G.RowCount() - 1) G.ScrollLastRowAboveSearchFooter();
}

// A row-select grid scrolled sideways stays scrolled when the rows move.
void TGridKeyboard::KeepLeft(WORD Key) {
  FKeepLeft = -1;
  const bool vertical = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
  if (vertical && G.Options().Contains(goRowSelect) && G.LeftCol() != G.FixedCols() &&
      G.Navigation()->KeepHorizScroll())
    FKeepLeft = G.LeftCol();
}

// Only the view moves; the current cell stays where it is.
bool TGridKeyboard::ScrollOnly(WORD Key) {
  const int top = G.TopRow(), page = G.VisibleRowCount(), fixed = G.FixedRows(), rows = G.RowCount();
  switch (Key) {
    case VK_PRIOR: G.SetTopRow(top > page + fixed ? top - page : fixed); return true;
    case VK_NEXT:
      if (top + page < rows) G.SetTopRow(top + page);
      return true;
    case VK_END: G.SetTopRow(std::max(fixed, rows - page)); return true;
    case VK_HOME: G.SetTopRow(fixed); return true;
    case VK_UP:
      if (top > fixed) G.SetTopRow(top - 1);
      return true;
    case VK_DOWN:
      if (top + page < rows) G.SetTopRow(top + 1);
      return true;
    default: return false;
  }
}

void TGridKeyboard::NodeKey(WORD Key) {
  const int row = G.Row();
  if (!G.IsNode(row) || !G.IsMergedCell(G.RealCol(), row)) return;
  const int real = G.RealRowIndex(row);
  if (Key == VK_RIGHT) {
    G.ExpandNode(real);
  } else {
    G.ContractNode(real);
  }
}

// A row-select grid scrolls one column: by Ctrl+Left/Right, or with
// LeftRightRowSelect off by Left/Right. The platform grid would scroll again.
bool TGridKeyboard::LeftRightScroll(WORD Key, TShiftState Shift) {
  if (!G.Options().Contains(goRowSelect) || G.IsNode(G.Row())) return false;
  if (Shift.Contains(ssCtrl) != G.Navigation()->LeftRightRowSelect()) return false;
  const int left = G.LeftCol();
  if (Key == VK_LEFT && left > G.FixedCols()) G.SetLeftCol(left - 1);
  if (Key == VK_RIGHT && left + G.VisibleColCount() < G.ColCount()) G.SetLeftCol(left + 1);
  return Consumed(Key, Shift);
}

bool TGridKeyboard::SkipFixed(WORD Key, TShiftState Shift) {
  const bool rtl = G.UseRightToLeftAlignment();
  int dc = 0, dr = 0;
  switch (Key) {
    case VK_LEFT: dc = rtl ? 1 : -1; break;
    case VK_RIGHT: dc = rtl ? -1 : 1; break;
    case VK_UP: dr = -1; break;
    case VK_DOWN: dr = 1; break;
    default: return false;
  }
  const int nc = G.Col() + dc, nr = G.Row() + dr;
  if (nc < G.FixedCols() || nc >= G.ColCount() || nr < G.FixedRows() || nr >= G.RowCount()) return false;
  if (!G.IsFixed(nc, nr)) return false;
  // Nothing but fixed cells up to the edge: the wrap of CursorAdvance still applies.
  if (!SkipFixedAcross(dc, dr) && G.Navigation()->CursorAdvance() != caDefault) Wrap(Key);
  return Consumed(Key, Shift);
}

// Onto the first cell past the run of fixed cells; false when there is none.
bool TGridKeyboard::SkipFixedAcross(int Dc, int Dr) {
  const int D = LastDataRow();
  if (Dr != 0 && G.Options().Contains(goRowSelect)) {
    const int r = G.Row() + 2 * Dr;
    if (r < G.FixedRows() || r > D) return false;
    G.SetRow(r);
    return true;
  }
  if (Dc != 0) {
    for (int c = G.Col() + Dc; c >= G.FixedCols() && c < G.ColCount() - G.FixedRightCols(); c += Dc) {
      if (G.IsFixed(c, G.Row())) continue;
      G.SetCol(c);
      return true;
    }
    return false;
  }
  for (int r = G.Row() + Dr; r >= G.FixedRows() && r <= D; r += Dr) {
    if (G.IsFixed(G.Col(), r)) continue;
    G.SetRow(r);
    return true;
  }
  return false;
}

bool TAdvStringGrid::IsLastDataRow() {
  return Row() == RowCount() - FixedFooters() - 1 || (FFloatingFooter->Visible() && Row() == RowCount() - 2);
}

// The new row goes in above the footer rows, so they keep their texts.
void TAdvStringGrid::AutoAddRow() {
  if (!DoCanAddRow()) return;
  const bool floating = FFloatingFooter->Visible();
  const int at = RowCount() - std::max(FixedFooters(), floating ? 1 : 0);
  if (at >= RowCount()) {
    IncRowCount();
    ClearRows(RowCount() - 1, 1);
  } else {
    InsertRows(at, 1);
  }
  if (floating) CalcFooter(-1);
  if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FixedFooters() - 1);
}
