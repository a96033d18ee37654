// Fixed cells drawn as buttons: raised, sunken while the pointer holds one.
#include "grid/paint/CellPainter.h"
#include "platform/gui/FrameControls.h"

bool TCellPainter::DrawFixedButtonEdge() {
  if (!G.FixedAsButtons() || !HasOption(goFixedHorzLine) || !HasOption(goFixedVertLine)) return false;
  Draw3DEdge(C, R, G.FPaint.PushedFixedCell == TPoint{ACol, ARow});
  return true;
}
