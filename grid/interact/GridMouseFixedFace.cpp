// The pressed face of a hovered header cell in the last fixed row: drawn
// down while the button is held, as long as the look has a down gradient.
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
