// The left release and the grid's own mouse steps around the platform
// grid's: the pushed cell button, disjunct selections, the filter list of
// the filter row, and the selection reported once per change.
#include <algorithm>

#include "grid/base/ControlLook.h"
#include "grid/base/MouseActions.h"
#include "grid/interact/GridMouse.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/FilterDropLists.h"
#include "grid/model/Grouping.h"
#include "grid/model/SortSettings.h"

namespace {
// The filter button: the right part of a filter-row cell, below its top.
constexpr int FilterButtonWidth = 16;
constexpr int FilterButtonInset = 3;
constexpr int FilterButtonHeight = 19;
}  // namespace

void TGridMouse::LButtonUp(TMessage& Message) {
  const int X = GetXLParam(Message.LParam), Y = GetYLParam(Message.LParam);
  ReleaseControlButton();
  RaiseFixedCell();
  if (FPushedCellButton.X >= 0) {
    ButtonRelease(G.ViewX(X), Y);
    return;
  }
  const TGridCoord cell = G.MouseCoord(X, Y);
  const bool onCell = cell.X >= 0 && cell.Y >= 0;
  const TGridState state = G.GridState();
  const bool busy = state != gsNormal && state != gsSelecting;
  const bool moved = G.ColMoveFlg();
  G.SetColMoveFlg(false);
  if (onCell) DisjunctRelease(cell);
  const TShiftState shift = MouseShiftState(Message.WParam);
  if (onCell && state == gsSelecting && !G.OnMouseDown) {
    const TPoint base = G.BaseCell(cell.X, cell.Y);
    if (base.X != cell.X || base.Y != cell.Y) PointIntoBaseCell({base.X, base.Y}, Message);
  }
  G.InheritedDispatch(Message);
  if (!onCell) return;
  GroupRelease(cell);
  GraphicRelease(cell);
  if (FDblClk) {
    FDblClk = false;
    return;
  }
  if (SortApplies(cell, X, Y, busy || moved)) HeaderSort(cell.X, shift);
}

// The click fires only for a release inside the button pressed.
bool TGridMouse::ButtonRelease(int X, int Y) {
  const TGridCoord c = FPushedCellButton;
  FPushedCellButton = {-1, -1};
  G.SetMouseCapture(false);
  const int rcol = G.RealColIndex(c.X);
  if (G.HasButton(rcol, c.Y)) {
    if (!G.IsNode(c.Y)) G.PushButton(c.X, c.Y, false);
    const bool inside = G.GetCellButtonRect(c.X, c.Y).Contains(Point(X, Y)) || c.Y < G.FixedRows() ||
                        (c.X < G.FixedCols() && G.FixedAsButtons());
    bool canEdit = true;
    G.CanEditCell(rcol, c.Y, canEdit);
    if (inside && (canEdit || G.ControlLook()->NoDisabledButtonLook())) G.DoButtonClick(c.X, c.Y);
  } else if (G.HasExpand(rcol, c.Y) && G.GetExpandButtonRect(rcol, c.Y).Contains(Point(X, Y))) {
    const bool expanded = G.ToggleExpand(rcol, c.Y);
    G.DoExpandClick(rcol, c.Y, expanded);
  }
  return true;
}

// The rows (columns) of the selection join the disjunct selection; one
// pressed while selected leaves it.
void TGridMouse::DisjunctRelease(TGridCoord Cell) {
  TMouseActions& ma = *G.MouseActions();
  const TGridRect sel = G.Selection();
  if (ma.DisjunctRowSelect() && Cell.Y >= G.FixedRows()) {
    for (int r = sel.Top; r <= sel.Bottom; ++r) G.SetRowSelect(r, true);
    if (FDeselectState) G.SetRowSelect(Cell.Y, false);
  }
  if (ma.DisjunctColSelect() && Cell.X >= G.FixedCols()) {
    for (int c = sel.Left; c <= sel.Right; ++c) G.SetColSelect(c, true);
    if (FDeselectState) G.SetColSelect(Cell.X, false);
  }
  FDeselectState = false;
}

// After the platform's release, whose drag end would narrow it again.
void TGridMouse::GroupRelease(TGridCoord Cell) {
  if (!G.Grouping()->AutoSelectGroup() || Cell.X <= 0 || !IsDataCell(Cell)) return;
  if (!G.IsNode(Cell.Y) || G.GetNodeState(Cell.Y)) return;
  const int last = std::min(Cell.Y + G.GetNodeSpan(Cell.Y) - 1, G.RowCount() - 1);
  G.HideEditor();
  G.SetSelection({G.FixedCols(), Cell.Y, G.ColCount() - 1, last});
  if (!G.MouseActions()->DisjunctRowSelect()) return;
  for (int r = Cell.Y; r <= last; ++r) G.SetRowSelect(r, true);
}

void TGridMouse::GraphicRelease(TGridCoord Cell) {
  if (!IsDataCell(Cell) && !(G.SortSettings()->FixedCols() && Cell.Y >= G.FixedRows())) return;
  const int rcol = G.RealColIndex(Cell.X);
  bool state = false;
  if (G.OnCheckBoxMouseUp && G.HasCheckBox(rcol, Cell.Y) &&
      G.GetCheckBoxState(rcol, G.RealRowIndex(Cell.Y), state)) {
    G.OnCheckBoxMouseUp(&G, rcol, Cell.Y, state);
  }
  int index = -1;
  if (G.OnRadioMouseUp && G.IsRadio(rcol, Cell.Y) && G.GetRadioIdx(rcol, Cell.Y, index)) {
    G.OnRadioMouseUp(&G, rcol, Cell.Y, index);
  }
}

void TGridMouse::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TGridCoord cell = G.MouseCoord(X, Y);
  FilterListRelease(cell, G.ViewX(X), Y);
  const TGridState state = G.GridState();
  if ((state == gsColSizing && X > G.ClientWidth()) || (state == gsRowSizing && Y > G.ClientHeight())) {
    G.CancelGridState();
    G.Invalidate();
    return;
  }
  if (DisjunctCellRelease(Button, Shift, cell)) return;
  if (Button == mbLeft || (Button == mbRight && G.MouseActions()->SelectOnRightClick())) {
    ReportSelection(FPressSelection);
  }
  const TGridRect before = G.Selection();
  G.InheritedMouseUp(Button, Shift, X, Y);
  FixedFaceRelease(cell);
  ReportSelection(before);
}

// Shift adds the released cell, Ctrl toggles it, a plain release starts
// the list anew; a range dragged over adds its cells. Answers whether
// OnSelectCell refused the cell.
bool TGridMouse::DisjunctCellRelease(TMouseButton Button, TShiftState Shift, TGridCoord Cell) {
  if (!G.MouseActions()->DisjunctCellSelect() || Button != mbLeft || Cell.X < 0 || Cell.Y < 0) return false;
  const TPoint base = G.BaseCell(Cell.X, Cell.Y);
  if (!IsDataCell({base.X, base.Y})) {
    if (!Shift.Contains(ssCtrl)) {
      G.ClearSelectedCells();
      G.Invalidate();
    }
    return false;
  }
  bool allow = true;
  if (G.OnSelectCell) G.OnSelectCell(&G, base.X, base.Y, allow);
  if (!allow) return true;
  if (Shift.Contains(ssShift)) {
    G.SetSelectedCells(Cell.X, Cell.Y, true);
  } else if (Shift.Contains(ssCtrl)) {
    G.SetSelectedCells(base.X, base.Y, !G.SelectedCells(base.X, base.Y));
  } else {
    G.ClearSelectedCells();
    G.SetSelectedCells(base.X, base.Y, true);
  }
  const TGridRect sel = G.Selection();
  if (sel.Left != sel.Right || sel.Top != sel.Bottom) {
    for (int r = sel.Top; r <= sel.Bottom; ++r) {
      for (int c = sel.Left; c <= sel.Right; ++c) {
        if (!G.SelectedCells(c, r)) G.SetSelectedCells(c, r, true);
      }
    }
  }
  G.Invalidate();
  return false;
}

void TGridMouse::ReportSelection(const TGridRect& Reference) {
  const TGridRect sel = G.Selection();
  if (sel == Reference) return;
  FPressSelection = sel;
  G.DoSelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
}

// A release on the filter button of another column opens that column's
// list; a release anywhere else closes the open one.
bool TGridMouse::FilterListRelease(TGridCoord Cell, int X, int Y) {
  const TRect r = Cell.X >= 0 && Cell.Y >= 0 ? G.CellRect(Cell.X, Cell.Y) : TRect{};
  const bool onButton = Cell.Y == G.FilterDropDownRow() && G.FilterDropDownAuto() && Cell.Y < G.FixedRows() &&
                        Y - r.Top < FilterButtonHeight && r.Right - X > FilterButtonInset &&
                        r.Right - X < FilterButtonWidth;
  const int rcol = onButton ? G.RealColIndex(Cell.X) : -1;
  if (onButton && rcol != G.FilterCol() && G.FillColumnFilterList(rcol)) {
    ShowFilterList(Cell, rcol);
    return true;
  }
  if (G.FilterCol() >= 0) G.FilterDropList()->Hide();
  G.SetFilterCol(-1);
  return false;
}
