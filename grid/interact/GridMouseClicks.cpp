// Double and right clicks: auto-sizing a column from a header border,
// OnDblClickCell and OnRightClickCell, and selecting on a right click.
#include "grid/base/CellText.h"
#include "grid/base/GridStrings.h"
#include "grid/base/MouseActions.h"
#include "grid/interact/GridMouse.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Input.h"

namespace {
// How near a header border a double click auto-sizes.
constexpr int AutoSizeMargin = 3;
}  // namespace

void TGridMouse::LButtonDblClk(TMessage& Message) {
  const int X = GetXLParam(Message.LParam), Y = GetYLParam(Message.LParam);
  // On a scroll bar or the frame it is no click on the grid.
  if (X < 0 || Y < 0 || X >= G.ClientWidth() || Y >= G.ClientHeight()) return G.InheritedDispatch(Message);
  TGridCoord cell = G.MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < 0) {
    if (G.FixedRowAlways()) return G.InheritedDispatch(Message);
    cell = {G.ColCount() - 1, 0};
  }
  const int rcol = G.RealColIndex(cell.X);
  const bool clickable = G.HasClickableGraphic(rcol, cell.Y);
  if (G.MouseActions()->RangeSelectAndEdit() && !clickable && IsDataCell(cell)) G.FocusCell(cell.X, cell.Y, true);
  if (BorderDoubleClick(cell, G.ViewX(X), Message)) return;
  if (G.HasButton(rcol, cell.Y) || G.HasExpand(rcol, cell.Y)) return;
  G.InheritedDispatch(Message);
  if (clickable) return;
  if (G.OnDblClickCell) G.OnDblClickCell(&G, cell.Y, cell.X);
  DoubleClickEdit(cell);
}

// Near a column's left border the column left of it is sized, near its
// right border the column itself; the release that follows does not sort.
bool TGridMouse::BorderDoubleClick(TGridCoord Cell, int X, TMessage& Message) {
  if (Cell.Y >= G.FixedRows() || !G.Options().Contains(goColSizing)) return false;
  if (!G.MouseActions()->AutoSizeColOnDblClick()) return false;
  const TRect r = G.CellRect(Cell.X, Cell.Y);
  int col = -1;
  if (X - r.Left <= AutoSizeMargin && Cell.X - 1 >= G.FixedCols()) col = Cell.X - 1;
  if (r.Right - X <= AutoSizeMargin) col = Cell.X;
  if (col < 0) return false;
  bool allow = true;
  if (G.OnColumnSize) G.OnColumnSize(&G, col, allow);
  if (allow) {
    G.AutoSizeCol(col, 0);
    if (G.OnEndColumnSize) G.OnEndColumnSize(&G, col);
  }
  FDblClk = true;
  G.InheritedDispatch(Message);
  return true;
}

void TGridMouse::RButtonDown(TMessage& Message) {
  const int X = GetXLParam(Message.LParam), Y = GetYLParam(Message.LParam);
  FPressSelection = G.Selection();
  G.InheritedDispatch(Message);
  const TGridCoord cell = G.MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < 0) return;
  const TMouseActions& ma = *G.MouseActions();
  if (ma.SelectOnRightClick() && IsDataCell(cell) && !ma.DisjunctCellSelect()) RightClickSelect(cell);
  if (G.OnRightClickCell) G.OnRightClickCell(&G, cell.Y, cell.X);
  if (G.URLShow() && G.URLEdit()) EditURLCell(cell);
}

// The link's text can be changed where a left click would follow it.
void TGridMouse::EditURLCell(TGridCoord Cell) {
  const int rcol = G.RealColIndex(Cell.X);
  const String text = G.GetFormattedCell(rcol, Cell.Y);
  if (!IsDataCell(Cell) || CellTextKind(text, G.EnableHTML()) != ctkPlain || !IsURLText(text)) return;
  if (!G.IsEditable(rcol, Cell.Y)) return;
  G.FocusCell(Cell.X, Cell.Y, true);
  if (G.Col() != Cell.X || G.Row() != Cell.Y) return;
  G.SetOptions(G.Options() + TGridOptions{goEditing});
  G.ShowInplaceEdit();
}

// A selected cell keeps the selection, so a popup menu acts on all of it.
void TGridMouse::RightClickSelect(TGridCoord Cell) {
  const TMouseActions& ma = *G.MouseActions();
  if (ma.DisjunctRowSelect()) {
    const bool toggle = ma.DisjunctRowSelectNoCtrl() || platform::KeyboardShiftState().Contains(ssCtrl);
    if (toggle) {
      G.SetRowSelect(Cell.Y, !G.RowSelect(Cell.Y));
    } else if (!G.RowSelect(Cell.Y)) {
      G.ClearRowSelect();
      G.SetRowSelect(Cell.Y, true);
    }
    return;
  }
  const TGridRect sel = G.Selection();
  const bool selected = Cell.X >= sel.Left && Cell.X <= sel.Right && Cell.Y >= sel.Top && Cell.Y <= sel.Bottom;
  if (selected) return;
  const TPoint base = G.BaseCell(Cell.X, Cell.Y);
  G.FocusCell(base.X, base.Y, true);
}
