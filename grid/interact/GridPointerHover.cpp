// The pointer over the grid, kept for the looks that follow it: a mini-HTML
// control is hot under the pointer and a held button control looks pressed
// only while the pointer is on it.
#include "grid/model/AdvStringGrid.h"

void TAdvStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
  TrackPointer(TPoint{X, Y});
  CancelHintOutsideCell(TPoint{X, Y});
  TBaseGrid::MouseMove(Shift, X, Y);
}

void TAdvStringGrid::MouseLeave() {
  TrackPointer(TPoint{-1, -1});
  CancelHintOutsideCell(TPoint{-1, -1});
  TBaseGrid::MouseLeave();
}

void TAdvStringGrid::TrackPointer(TPoint At) {
  const TPoint left = FPaint.PointerXY;
  if (left == At) return;
  FPaint.PointerXY = At;
  RepaintControlCellAt(left);
  RepaintControlCellAt(At);
}

// Only cells that hold a control repaint: the pointer moves often.
void TAdvStringGrid::RepaintControlCellAt(TPoint At) {
  if (At.X < 0 || At.Y < 0) return;
  int col = -1, row = -1;
  MouseToCell(At.X, At.Y, col, row);
  if (col < 0 || row < 0) return;
  if (ContainsText(Cells(col, row), u"<CONTROL")) RepaintCell(col, row);
}
