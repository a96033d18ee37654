// The mouse gestures that open the in-place editor: a press on the current
// cell with RangeSelectAndEdit, a press anywhere in an editable cell with
// DirectEdit, and the double click with EditOnDblClickOnly.
#include "grid/base/ControlLook.h"
#include "grid/base/MouseActions.h"
#include "grid/interact/GridMouse.h"
#include "grid/model/AdvStringGrid.h"

namespace {
// A press this near a cell's side is left to sizing and selecting.
constexpr int DirectEditMargin = 3;
// Where the double click's press lands inside the cell.
constexpr int PressInset = 4;
}  // namespace

void TGridMouse::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TMouseActions& ma = *G.MouseActions();
  const TGridCoord cell = G.MouseCoord(X, Y);
  const bool rangeEdit = Button == mbLeft && ma.RangeSelectAndEdit() && !ma.EditOnDblClickOnly() &&
                         !Shift.Contains(ssDouble) && cell.X >= 0 && cell.Y >= 0;
  const bool current = cell.X == G.Col() && cell.Y == G.Row();
  if (rangeEdit && current && G.IsEditable(G.RealColIndex(cell.X), cell.Y)) {
    G.SetOptions(G.Options() + TGridOptions{goEditing});
    G.InheritedMouseDown(Button, Shift, X, Y);
    G.ShowInplaceEdit();
    return;
  }
  if (rangeEdit && !current && Shift.Contains(ssShift)) G.SetOptions(G.Options() - TGridOptions{goEditing});
  if (Button == mbLeft && FixedDropDownPress(cell, G.ViewX(X))) return;
  FixedFacePress(cell);
  G.InheritedMouseDown(Button, Shift, X, Y);
}

bool TGridMouse::DirectEditPress(TGridCoord Cell, int X) {
  const TMouseActions& ma = *G.MouseActions();
  const int rcol = G.RealColIndex(Cell.X);
  const bool combo = G.ControlLook()->DropDownAlwaysVisible() && G.DoHasComboBox(rcol, Cell.Y);
  if (!(ma.DirectEdit() || combo) || !IsDataCell(Cell) || G.HasClickableGraphic(rcol, Cell.Y)) return false;
  const TRect r = G.CellRect(Cell.X, Cell.Y);
  if (X - r.Left <= DirectEditMargin || r.Right - X <= DirectEditMargin) return false;
  if (ma.EditOnDblClickOnly()) G.SetOptions(G.Options() + TGridOptions{goEditing});
  if (!G.IsEditable(rcol, Cell.Y)) return false;
  // The move asks the row, column and cell changing events.
  G.FocusCell(Cell.X, Cell.Y, true);
  if (G.Col() != Cell.X || G.Row() != Cell.Y) return true;
  ClickCell(Cell);
  G.ShowInplaceEdit();
  return true;
}

void TGridMouse::DoubleClickEdit(TGridCoord Cell) {
  const TMouseActions& ma = *G.MouseActions();
  if (!IsDataCell(Cell)) return;
  const int rcol = G.RealColIndex(Cell.X);
  if (ma.EditOnDblClickOnly()) {
    bool canEdit = true;
    G.CanEditCell(rcol, Cell.Y, canEdit);
    if (!canEdit) return;
    G.StoreOldCellValue(Cell.X, Cell.Y);
    G.SetOptions(G.Options() + TGridOptions{goEditing});
    G.ShowInplaceEdit();
  } else if (ma.RangeSelectAndEdit() && G.IsEditable(rcol, Cell.Y)) {
    G.SetOptions(G.Options() + TGridOptions{goEditing});
    const TPoint base = G.BaseCell(Cell.X, Cell.Y);
    const TRect r = G.CellRect(base.X, base.Y);
    G.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(G.ViewX(r.Left + PressInset), r.Top + PressInset));
  }
}
