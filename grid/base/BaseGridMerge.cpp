// Merged cells: every cell of an area holds its record's merge data, so a
// cell finds its base without searching.
#include <algorithm>

#include "grid/base/BaseGrid.h"

void TBaseGrid::MergeCells(int ACol, int ARow, int SpanX, int SpanY) {
  if (SpanX < 1 || SpanY < 1) return;
  // Checked before any cell changes: an area past the grid leaves no half-merge.
  if (ACol < 0 || ARow < 0 || SpanX > TotalColCount() - ACol || SpanY > RowCount() - ARow) RaiseGridIndexError();
  for (int i = ACol; i < ACol + SpanX; ++i) {
    for (int j = ARow; j < ARow + SpanY; ++j) {
      TCellProperties* props = GetCellProperties(i, j);
      // An area whose base the new one takes over is merged no longer.
      if (props->IsBaseCell() && (props->CellSpanX() > 0 || props->CellSpanY() > 0) && FMergeCount > 0)
        --FMergeCount;
      const bool base = i == ACol && j == ARow;
      props->SetIsBaseCell(base);
      props->SetCellSpanX(base ? SpanX - 1 : i - ACol);
      props->SetCellSpanY(base ? SpanY - 1 : j - ARow);
    }
  }
  for (int i = ACol; i < ACol + SpanX; ++i)
    for (int j = ARow; j < ARow + SpanY; ++j) RepaintCell(i, j);
  // A single cell "merged" is no merged area.
  if (SpanX > 1 || SpanY > 1) ++FMergeCount;
}

void TBaseGrid::SplitCells(int ACol, int ARow) {
  GetCellProperties(ACol, ARow);
  const TPoint base = BaseCell(ACol, ARow);
  const TCellProperties* baseProps = GetCellProperties(base.X, base.Y);
  const int spanX = baseProps->CellSpanX();
  const int spanY = baseProps->CellSpanY();
  if (spanX < 0 || spanY < 0) return;  // not merged: nothing to split
  // An area may reach past rows or columns removed since it was merged.
  const int lastCol = std::min(base.X + spanX, TotalColCount() - 1);
  const int lastRow = std::min(base.Y + spanY, RowCount() - 1);
  for (int i = base.X; i <= lastCol; ++i) {
    for (int j = base.Y; j <= lastRow; ++j) {
      TCellProperties* props = GetCellProperties(i, j);
      props->SetIsBaseCell(true);
      props->SetCellSpanX(-1);
      props->SetCellSpanY(-1);
      RepaintCell(i, j);
    }
  }
  if ((spanX > 0 || spanY > 0) && FMergeCount > 0) --FMergeCount;
}

TPoint TBaseGrid::BaseCell(int ACol, int ARow) const {
  const TCellProperties* props = Props(ACol, ARow);
  if (!props) return Point(ACol, ARow);
  const TPoint base = props->GetBaseCell(ACol, ARow);
  // A covered cell moved away from its area may point off the grid: it stands for itself.
  const bool inside = base.X >= 0 && base.X < TotalColCount() && base.Y >= 0 && base.Y < RowCount();
  return inside ? base : Point(ACol, ARow);
}

bool TBaseGrid::ResolveBaseCell(int ACol, int ARow, int& BCol, int& BRow) const {
  const TPoint base = BaseCell(ACol, ARow);
  BCol = base.X;
  BRow = base.Y;
  return base == Point(ACol, ARow);
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const {
  const TCellProperties* props = Props(ACol, ARow);
  return !props || props->IsBaseCell();
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const {
  const TCellProperties* props = Props(ACol, ARow);
  return props && (props->CellSpanX() > 0 || props->CellSpanY() > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const {
  return IsMergedCell(ACol, ARow) && !Props(ACol, ARow)->IsBaseCell();
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const {
  return HasCellProps(ACol, ARow) && CellSpan(ACol, ARow).X > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const {
  return HasCellProps(ACol, ARow) && CellSpan(ACol, ARow).Y > 0;
}

TPoint TBaseGrid::CellSpan(int ACol, int ARow) const {
  const TCellProperties* props = Props(ACol, ARow);
  if (!props || props->CellSpanX() == -1 || props->CellSpanY() == -1) return Point(0, 0);
  const TPoint base = props->GetBaseCell(ACol, ARow);
  const TCellProperties* baseProps = Props(base.X, base.Y);
  // A cell moved away from its area may point to one split since: no span.
  if (!baseProps || baseProps->CellSpanX() < 0 || baseProps->CellSpanY() < 0) return Point(0, 0);
  return Point(baseProps->CellSpanX(), baseProps->CellSpanY());
}

TPoint TBaseGrid::CellExt(int ACol, int ARow) const {
  const TPoint span = CellSpan(ACol, ARow);
  if (span == Point(0, 0)) return span;
  const TPoint base = BaseCell(ACol, ARow);
  return Point(base.X + span.X - ACol, base.Y + span.Y - ARow);
}

TRect TBaseGrid::FullCell(int ACol, int ARow) const {
  const TPoint base = BaseCell(ACol, ARow);
  const TPoint span = CellSpan(ACol, ARow);
  return Rect(base.X, base.Y, base.X + span.X, base.Y + span.Y);
}

int TBaseGrid::MinRowSpan(int ARow) const {
  int result = RowCount();
  for (int c = 0; c < ColCount(); ++c) {
    const int y = CellSpan(c, ARow).Y;
    if (y > 0 && y < result) result = y;
  }
  return result;
}

int TBaseGrid::MaxRowSpan(int ARow) const {
  int result = 0;
  for (int c = 0; c < ColCount(); ++c) result = std::max(result, CellSpan(c, ARow).Y);
  return result;
}

// One rule for both axes: along the other axis, wherever both lines are
// merged across this axis, they must share the base; and somewhere they must.
bool TBaseGrid::SpanIdentical(bool OfRows, int Line1, int Line2) const {
  const int count = OfRows ? ColCount() : RowCount();
  auto cell = [OfRows](int Line, int i) { return OfRows ? Point(i, Line) : Point(Line, i); };
  auto along = [OfRows](TPoint p) { return OfRows ? p.Y : p.X; };
  bool any = false;
  for (int i = 0; i < count; ++i) {
    const TPoint a = cell(Line1, i), b = cell(Line2, i);
    if (along(CellSpan(a.X, a.Y)) <= 0 || along(CellSpan(b.X, b.Y)) <= 0) continue;
    if (along(BaseCell(a.X, a.Y)) != along(BaseCell(b.X, b.Y))) return false;
    any = true;
  }
  return any;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const {
  return SpanIdentical(true, ARow1, ARow2);
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const {
  return SpanIdentical(false, ACol1, ACol2);
}

void TBaseGrid::MoveToBaseCell() {
  const TPoint base = BaseCell(Col(), Row());
  if (base.X != Col()) SetCol(base.X);
  if (base.Y != Row()) SetRow(base.Y);
}
