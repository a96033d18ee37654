// Cell rectangles that hold also for cells scrolled out of view, so that a
// merged area reaching out of the view still paints as one.
#include "grid/base/BaseGrid.h"

namespace {

// A merged area may reach past the last column or row (the count lowered, a
// row moved away from its area): those measure with the default size.
int WidthOf(const TBaseGrid& G, int ACol) { return ACol < G.ColCount() ? G.ColWidths(ACol) : G.DefaultColWidth(); }
int HeightOf(const TBaseGrid& G, int ARow) { return ARow < G.RowCount() ? G.RowHeights(ARow) : G.DefaultRowHeight(); }

}  // namespace

TRect TBaseGrid::CalcCellRect(int ACol, int ARow) const {
  int x = 0, y = 0;
  for (int c = 0; c < ACol; ++c) x += WidthOf(*this, c);
  for (int r = 0; r < ARow; ++r) y += HeightOf(*this, r);
  TRect rect = Rect(x, y, x + WidthOf(*this, ACol), y + HeightOf(*this, ARow));
  int dx = 0, dy = 0;
  if (ACol >= FixedCols())
    for (int c = 0; c < LeftCol(); ++c) dx -= ColWidths(c);
  if (ARow >= FixedRows())
    for (int r = 0; r < TopRow(); ++r) dy -= RowHeights(r);
  const TRect topLeft = TGridModel::CellRect(LeftCol(), TopRow());
  dx += ACol < FixedCols() ? 0 : topLeft.Left;
  dy += ARow < FixedRows() ? 0 : topLeft.Top;
  OffsetRect(rect, dx, dy);
  return rect;
}

TRect TBaseGrid::CellRect(int ACol, int ARow) const {
  const TCellProperties* props = Props(ACol, ARow);
  if (props && (props->CellSpanX() != -1 || props->CellSpanY() != -1)) {
    const TPoint base = BaseCell(ACol, ARow);
    const TPoint span = CellSpan(ACol, ARow);
    TRect a = CalcCellRect(base.X, base.Y);
    if (a.Width() == 0) a.Right += 1;
    TRect b = CalcCellRect(base.X + span.X, base.Y + span.Y);
    if (b.Width() == 0) b.Left -= 1;
    return UnionRect(a, b);  // an empty part would be left out, hence the widening
  }
  if (props && props->Control()) return CalcCellRect(ACol, ARow);
  TRect rect = TGridModel::CellRect(ACol, ARow);
  rect.Right = rect.Left + ColWidths(ACol);
  rect.Bottom = rect.Top + RowHeights(ARow);
  return rect;
}

TPoint TBaseGrid::CellSize(int ACol, int ARow) const {
  TRect rect = CalcCellRect(ACol, ARow);
  if (IsMergedCell(ACol, ARow)) {
    const TPoint base = BaseCell(ACol, ARow);
    const TPoint span = CellSpan(ACol, ARow);
    rect = UnionRect(CalcCellRect(base.X, base.Y), CalcCellRect(base.X + span.X, base.Y + span.Y));
  }
  return Point(rect.Width(), rect.Height());
}

void TBaseGrid::RepaintCell(int ACol, int ARow) {
  // Storage columns beyond ColCount are never shown.
  if (!HandleAllocated() || ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= RowCount()) return;
  InvalidateRect(CellRect(ACol, ARow));
}
