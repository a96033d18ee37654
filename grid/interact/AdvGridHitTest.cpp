// Which cell lies under a point, and whether a point lies on an edge that
// sizes a column or a row.
#include <cstdlib>

#include "grid/model/AdvStringGrid.h"

namespace {
// How near an edge the mouse must be to size.
constexpr int SizingMargin = 4;

bool NearEither(int P, int A, int B) { return std::abs(P - A) < SizingMargin || std::abs(P - B) < SizingMargin; }
}  // namespace

void TAdvStringGrid::ScreenToCell(TPoint pt, int& ACol, int& ARow) {
  const TPoint p = ScreenToClient(pt);
  MouseToCell(p.X, p.Y, ACol, ARow);
}

// In the first columns the row edge decides, even where a column edge is near.
bool TAdvStringGrid::IsOnSizingEdge(int X, int Y) {
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < 0) return false;
  const TRect r = CellRect(cell.X, cell.Y);
  if (cell.X <= FixedCols() && Options().Contains(goRowSizing)) return NearEither(Y, r.Top, r.Bottom);
  return cell.Y <= FixedRows() && Options().Contains(goColSizing) && NearEither(ViewX(X), r.Left, r.Right);
}
