// After the platform grid's cursor step: rows moved by Ctrl+Up/Down,
// wrapping at the edges, disabled rows passed over, a synced grid following.
#include <algorithm>

#include "grid/base/Navigation.h"
#include "grid/base/SyncGrid.h"
#include "grid/interact/GridKeyboard.h"
#include "grid/model/AdvStringGrid.h"

void TAdvStringGrid::KeyDown(WORD& Key, TShiftState Shift) { Keyboard().KeyDown(Key, Shift); }

void TGridKeyboard::KeyDown(WORD& Key, TShiftState Shift) {
  const TPoint from{G.Col(), G.Row()};
  const TGridRect sel = G.Selection();
  G.TBaseGrid::KeyDown(Key, Shift);
  if (Key == 0) return;
  const TNavigation& nav = *G.Navigation();
  const bool vertical = Key == VK_UP || Key == VK_DOWN;
  if (vertical && Shift.Contains(ssCtrl) && nav.CursorMoveRows()) MoveRowsByKey(Key, sel);
  if (nav.CursorAdvance() != caDefault && AtEdge(Key, from)) Wrap(Key);
  if (vertical && G.Row() == from.Y && G.UseEnabledRows() && nav.SkipDisabledRows()) SkipDisabled(Key);
  FollowSyncGrid();
}

// One selected row changes places with its neighbour; a taller selection
// moves as a block and stays selected.
void TGridKeyboard::MoveRowsByKey(WORD Key, const TGridRect& Sel) {
  const int top = std::min(Sel.Top, Sel.Bottom), bottom = std::max(Sel.Top, Sel.Bottom);
  const int d = Key == VK_DOWN ? 1 : -1;
  if (d > 0 ? bottom >= G.RowCount() - 1 : top <= G.FixedRows()) return;
  if (top == bottom) {
    G.MoveRow(top, top + d);
    G.SetRow(top + d);
    return;
  }
  G.MoveRows(top, top + d, bottom - top + 1);
  G.SetSelection({G.FixedCols(), top + d, G.ColCount() - 1, bottom + d});
}

// The cell before the key was at the edge the key points to. Right and Down
// count the last column and row left of fixed right columns and above
// footer rows as the edge.
bool TGridKeyboard::AtEdge(WORD Key, TPoint From) {
  switch (Key) {
    case VK_LEFT: return From.X == G.FixedCols();
    case VK_UP: return From.Y == G.FixedRows();
    case VK_RIGHT: return From.X >= RightEnd() - 1;
    case VK_DOWN: return From.Y >= LastDataRow();
    default: return false;
  }
}

// caLoop wraps within the row or column; caSnake also steps to the
// neighbouring row or column.
void TGridKeyboard::Wrap(WORD Key) {
  const bool snake = G.Navigation()->CursorAdvance() == caSnake;
  const int col = G.Col(), row = G.Row(), last = RightEnd() - 1, D = LastDataRow();
  TPoint to{col, row};
  switch (Key) {
    case VK_LEFT: to = {last, snake && row > G.FixedRows() ? row - 1 : row}; break;
    case VK_UP: to = {snake && col > G.FixedCols() ? col - 1 : col, D}; break;
    case VK_RIGHT: to = {G.FixedCols(), snake && row < D ? row + 1 : row}; break;
    case VK_DOWN: to = {snake && col < last ? col + 1 : col, G.FixedRows()}; break;
    default: return;
  }
  G.FocusCell(to.X, to.Y, true);
}

// The platform grid stops at a disabled row; the nearest enabled one past it is taken.
void TGridKeyboard::SkipDisabled(WORD Key) {
  const int d = Key == VK_DOWN ? 1 : -1;
  for (int r = G.Row() + d; r >= G.FixedRows() && r < G.RowCount(); r += d) {
    if (!G.RowEnabled(r)) continue;
    G.SetRow(r);
    return;
  }
}

void TGridKeyboard::FollowSyncGrid() {
  const TSyncGrid* sync = G.SyncGrid();
  TStringGrid* other = sync ? sync->Grid() : nullptr;
  if (!other) return;
  if (sync->SelectionColumn() && G.Col() >= other->FixedCols() && G.Col() < other->ColCount())
    other->SetCol(G.Col());
  if (sync->SelectionRow() && G.Row() >= other->FixedRows() && G.Row() < other->RowCount())
    other->SetRow(G.Row());
}
