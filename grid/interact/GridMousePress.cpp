// The left press: the grid's own steps in order, each of which may end
// the press before the platform grid's selection runs.
#include <algorithm>

#include "grid/base/MouseActions.h"
#include "grid/base/SelectedCellList.h"
#include "grid/interact/GridMouse.h"
#include "grid/model/AdvStringGrid.h"

namespace {
// A press this near a border belongs to the cell left of or above it.
constexpr int PressShiftX = 5;
constexpr int PressShiftY = 4;
// A press this near a header border sizes rather than clicks.
constexpr int BorderMargin = 4;
// How far inside a merged area's base cell a press is handed on.
constexpr int BaseCellInset = 2;
}  // namespace

void TGridMouse::LButtonDown(TMessage& Message) {
  const int X = GetXLParam(Message.LParam), Y = GetYLParam(Message.LParam);
  const TShiftState shift = MouseShiftState(Message.WParam);
  const TGridCoord cell = G.MouseCoord(X, Y);
  // In-cell hits are judged where they are painted: on the view's x, which a
  // right-to-left grid mirrors. Events and node glyphs keep the client x.
  const int vx = G.ViewX(X);
  const bool onCell = cell.X >= 0 && cell.Y >= 0;
  const TGridRect sel = G.Selection();
  FPressSelection = sel;
  FPressCell = cell;
  FPushedCellButton = {-1, -1};
  const bool inSelection = cell.X >= sel.Left && cell.X <= sel.Right && cell.Y >= sel.Top && cell.Y <= sel.Bottom;
  TMouseActions& ma = *G.MouseActions();
  if (G.Options().Contains(goEditing) && ma.RangeSelectAndEdit() && !inSelection) {
    G.SetOptions(G.Options() - TGridOptions{goEditing});
  }
  if (onCell && !CanClick(cell)) return;
  if (ma.DisjunctCellSelect() && !shift.Contains(ssCtrl) && IsDataCell(cell)) {
    G.ClearSelectedCells();
    G.Invalidate();
  }
  RecordPress(X, Y);
  if (!onCell) {
    G.HideEditor();
    if (!G.FixedRowAlways()) G.InheritedDispatch(Message);
    return;
  }
  const TPoint base = G.BaseCell(cell.X, cell.Y);
  const TGridCoord target{base.X, base.Y};
  G.SetLButFlg(ma.CaretPositioning(), Point(X, Y));
  if (!IsDataCell(target)) G.HideEditor();
  PushFixedCell(target, X);
  if (NodePress(target, X, Y, shift) || RadioGroupPress(target, vx, Y) || OutlineColumnPress(target, X, Y, shift)) {
    return;
  }
  RatingPress(target, vx);
  if (ButtonPress(target, vx, Y) || DisjunctPress(target, shift, Message) || AnchorPress(target, X, Y)) return;
  Movecell = -1;
  if (target.Y < G.FixedRows() && target.X >= G.FixedCols()) Movecell = target.X;
  if (target.X < G.FixedCols() && target.Y >= G.FixedRows()) Movecell = target.Y;
  if (CheckBoxPress(target, X, Y, shift) || DirectEditPress(target, vx)) return;
  PlainPress(target, cell, vx, Message);
}

bool TGridMouse::CanClick(TGridCoord Cell) {
  bool allow = true;
  if (G.OnCanClickCell) G.OnCanClickCell(&G, Cell.Y, Cell.X, allow);
  return allow;
}

// The cell a press on a border belongs to: the point moved left and up,
// along the header row only left, in the first column only up.
void TGridMouse::RecordPress(int X, int Y) {
  const TGridCoord at = G.MouseCoord(X, Y);
  const int dx = at.X == 0 && at.Y != 0 ? 0 : PressShiftX;
  const int dy = at.Y == 0 ? 0 : PressShiftY;
  G.MouseToCell(G.ViewX(G.ViewX(X) - dx), Y - dy, Colclicked, Rowclicked);
  Colclickedsize = Colclicked >= 0 ? G.ColWidths(Colclicked) : 0;
  Rowclickedsize = Rowclicked >= 0 ? G.RowHeights(Rowclicked) : 0;
  Clickposx = X;
  Clickposy = Y;
}

// Column 0 of a node grid (without row selection or row sizing) takes no
// selection: the press only reports itself.
bool TGridMouse::OutlineColumnPress(TGridCoord Cell, int X, int Y, TShiftState Shift) {
  if (Cell.X != 0 || Cell.Y < G.FixedRows() || !G.HasNodes()) return false;
  if (G.MouseActions()->RowSelect() || G.Options().Contains(goRowSizing)) return false;
  FireMouseDown(Shift, X, Y);
  ClickCell(Cell);
  return true;
}

// Ctrl (or the no-Ctrl option) marks a selected row to be unselected on
// release; Shift stretches the platform's selection to the far corner of
// the last one; a plain press starts a new row selection.
bool TGridMouse::DisjunctPress(TGridCoord Cell, TShiftState Shift, TMessage& Message) {
  TMouseActions& ma = *G.MouseActions();
  FDeselectState = false;
  if (ma.DisjunctRowSelect() && IsDataCell(Cell) && !(Cell.X == 0 && ma.HotmailRowSelect())) {
    if (Shift.Contains(ssShift)) {
      const TGridRect old = FPressSelection;
      G.InheritedDispatch(Message);
      const int far = Cell.Y >= old.Top ? old.Top : old.Bottom;
      G.SetSelection({G.FixedCols(), std::min(Cell.Y, far), G.ColCount() - 1, std::max(Cell.Y, far)});
      // The platform's range drag would pull the selection back to the
      // pressed row on release.
      G.CancelGridState();
      return true;
    }
    if (Shift.Contains(ssCtrl) || ma.DisjunctRowSelectNoCtrl()) {
      FDeselectState = G.RowSelect(Cell.Y);
    } else if (!Shift.Contains(ssAlt)) {
      G.ClearRowSelect();
    }
  }
  if (ma.DisjunctColSelect() && IsDataCell(Cell)) {
    if (Shift.Contains(ssCtrl))
      FDeselectState = G.ColSelect(Cell.X);
    else
      G.ClearColSelect();
  }
  return false;
}

// The platform grid selects; a cell the grid counts as fixed inside the
// data area only reports the click (the floating footer's row not even that).
void TGridMouse::PlainPress(TGridCoord Cell, TGridCoord Pressed, int X, TMessage& Message) {
  if (IsDataCell(Cell) && G.IsFixed(Cell.X, Cell.Y)) {
    if (!(G.HasFooterRow() && Cell.Y == G.RowCount() - 1)) ClickCell(Cell);
    return;
  }
  if (!G.SelHidden()) {
    const int oldTop = G.TopRow();
    const bool partial = PartlyShown(Cell);
    if (Pressed != Cell && !G.OnMouseDown) PointIntoBaseCell(Cell, Message);
    G.InheritedDispatch(Message);
    KeepViewStill(partial, oldTop);
  }
  const bool sizing = Cell.Y < G.FixedRows() && G.Options().Contains(goColSizing) &&
                      NearColumnBorder(Cell, X, BorderMargin);
  if (!sizing) ClickCell(Cell);
}

// The platform grid then selects (or ends its drag on) the merged area's
// base cell; the message takes client pixels, ViewX turns both ways.
void TGridMouse::PointIntoBaseCell(TGridCoord Base, TMessage& Message) {
  const TRect r = G.CellRect(Base.X, Base.Y);
  if (r.IsEmpty()) return;
  Message.LParam = MakeLParam(G.ViewX(r.Left + BaseCellInset), r.Top + BaseCellInset);
}

// A press on a partly shown cell would start a range drag that scrolls the
// grid while the button is held, or would scroll it at once.
void TGridMouse::KeepViewStill(bool Partial, int OldTop) {
  const TMouseActions& ma = *G.MouseActions();
  if (ma.NoAutoRangeScroll() && Partial && G.GridState() == gsSelecting) G.CancelGridState();
  if (ma.NoScrollOnPartialRow() && G.TopRow() != OldTop) {
    G.SetTopRow(OldTop);
    G.Perform(WM_LBUTTONUP, 0, MakeLParam(Clickposx, Clickposy));
  }
}

bool TGridMouse::PartlyShown(TGridCoord Cell) const {
  return Cell.Y == G.TopRow() + G.VisibleRowCount() || Cell.X == G.LeftCol() + G.VisibleColCount() ||
         (Cell.X == G.LeftCol() && G.LeftCol() > G.FixedCols());
}

bool TGridMouse::NearColumnBorder(TGridCoord Cell, int X, int Margin) const {
  const TRect r = G.CellRect(Cell.X, Cell.Y);
  return X - r.Left < Margin || r.Right - X < Margin;
}

bool TGridMouse::IsDataCell(TGridCoord Cell) const {
  return Cell.X >= G.FixedCols() && Cell.Y >= G.FixedRows();
}

void TGridMouse::ClickCell(TGridCoord Cell) {
  if (G.OnClickCell) G.OnClickCell(&G, Cell.Y, Cell.X);
}

void TGridMouse::FireMouseDown(TShiftState Shift, int X, int Y) {
  if (G.OnMouseDown) G.OnMouseDown(&G, mbLeft, Shift, X, Y);
}
