// Cell rectangles that hold also for cells scrolled out of view, so that a
// merged area reaching out of the view still paints as one.
#include "grid/base/BaseGrid.h"

namespace {

// A merged area may reach past the last column or row (the count lowered, a
// row moved away from its area): those measure with the default size.
int WidthOf(const TBaseGrid& G, int ACol) { return ACol < G.ColCount() ? G.ColWidths(ACol) : G.DefaultColWidth(); }
int HeightOf(const TBaseGrid& G, int ARow) { return ARow < G.RowCount() ? G.RowHeights(ARow) : G.DefaultRowHeight(); }

}  // namespace

namespace {

// The pixel offset of Index from First along one axis: the sizes between
// them, negative when Index lies before First. Only that stretch is walked,
// so a cell near the view measures fast however far down the grid it is.
template <class SizeOf>
int OffsetBetween(int First, int Index, SizeOf Size) {
  int offset = 0;
  for (int i = First; i < Index; ++i) offset += Size(i);
  for (int i = Index; i < First; ++i) offset -= Size(i);
  return offset;
}

}  // namespace

TRect TBaseGrid::CalcCellRect(int ACol, int ARow) const {
  auto width = [this](int c) { return WidthOf(*this, c); };
  auto height = [this](int r) { return HeightOf(*this, r); };
  const TRect topLeft = TGridModel::CellRect(LeftCol(), TopRow());
  const int x = ACol < FixedCols() ? OffsetBetween(0, ACol, width)
                                   : topLeft.Left + OffsetBetween(LeftCol(), ACol, width);
  const int y = ARow < FixedRows() ? OffsetBetween(0, ARow, height)
                                   : topLeft.Top + OffsetBetween(TopRow(), ARow, height);
  return Rect(x, y, x + WidthOf(*this, ACol), y + HeightOf(*this, ARow));
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
