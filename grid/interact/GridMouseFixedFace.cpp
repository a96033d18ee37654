// The pressed faces of fixed cells: a hovered header cell in the last fixed
// row drawn down while the button is held, as long as the look has a down
// gradient, and fixed cells drawn as buttons.
#include <utility>

#include "grid/base/ControlLook.h"
#include "grid/interact/GridMouse.h"
#include "grid/model/AdvStringGrid.h"

bool TGridMouse::ShowsPressedFace(TGridCoord Cell) {
  return Cell.X >= 0 && Cell.Y >= 0 && Cell.Y == G.FixedRows() - 1 && G.IsHoverFixedCell(Cell.X, Cell.Y) &&
         G.ControlLook()->FixedGradientDownTo() != clNone;
}

void TGridMouse::FixedFacePress(TGridCoord Cell) {
  if (!ShowsPressedFace(Cell)) return;
  TAdvGridPaintValues& paint = G.PaintState();
  paint.HoverFixedCell = TPoint{Cell.X, Cell.Y};
  paint.HoverFixedPressed = true;
  G.RepaintCell(Cell.X, Cell.Y);
}

// A release off the cell also ends its hover, which no later move would.
void TGridMouse::FixedFaceRelease(TGridCoord Cell) {
  TAdvGridPaintValues& paint = G.PaintState();
  if (!paint.HoverFixedPressed) return;
  paint.HoverFixedPressed = false;
  const TPoint pressed = paint.HoverFixedCell;
  if (pressed != TPoint{Cell.X, Cell.Y}) paint.HoverFixedCell = TPoint{-1, -1};
  G.RepaintCell(pressed.X, pressed.Y);
}

// Fixed cells as buttons: the press sinks the fixed cell, the release raises
// it again. A press on a header's node glyph acts on the nodes instead.
void TGridMouse::PushFixedCell(TGridCoord Cell, int X) {
  const TGridOptions opts = G.Options();
  if (!G.FixedAsButtons() || !opts.Contains(goFixedVertLine) || !opts.Contains(goFixedHorzLine) || G.Flat()) return;
  if (IsDataCell(Cell) && !G.IsFixed(Cell.X, Cell.Y)) return;
  if (Cell.X == 0 && G.IsNode(Cell.Y) && G.IsInNodeGlyph(Cell.Y, X)) return;
  G.PaintState().PushedFixedCell = TPoint{Cell.X, Cell.Y};
  G.RepaintCell(Cell.X, Cell.Y);
}

void TGridMouse::RaiseFixedCell() {
  TPoint& pushed = G.PaintState().PushedFixedCell;
  if (pushed.X < 0) return;
  const TPoint cell = std::exchange(pushed, TPoint{-1, -1});
  G.RepaintCell(cell.X, cell.Y);
}
