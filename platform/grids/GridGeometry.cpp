// Pixel geometry of the grid model: cell rectangles, hit tests, visible counts.
#include <algorithm>
#include <utility>

#include "platform/grids/GridModel.h"

// Lines are counted into the cell extents only when they are drawn.
int TGridModel::EffectiveColLine() const {
  return FOptions.Contains(goVertLine) || FOptions.Contains(goFixedVertLine) ? FGridLineWidth : 0;
}

int TGridModel::EffectiveRowLine() const {
  return FOptions.Contains(goHorzLine) || FOptions.Contains(goFixedHorzLine) ? FGridLineWidth : 0;
}

void TGridModel::SetViewSize(int AWidth, int AHeight) {
  FViewportStale = false;  // a size set here is the view's size now
  FViewport.Width = std::max(AWidth, 0);
  FViewport.Height = std::max(AHeight, 0);
  SetLeftCol(LeftCol());
  SetTopRow(TopRow());
}

int TGridModel::VisibleColCount() const { return FCols.VisibleCount(LeftCol(), ViewWidth(), EffectiveColLine()); }
int TGridModel::VisibleRowCount() const { return FRows.VisibleCount(TopRow(), ViewHeight(), EffectiveRowLine()); }
int TGridModel::LastVisibleCol() const { return FCols.LastVisible(LeftCol(), ViewWidth(), EffectiveColLine()); }
int TGridModel::LastVisibleRow() const { return FRows.LastVisible(TopRow(), ViewHeight(), EffectiveRowLine()); }

bool TGridModel::AllColsFit(int Width) const { return FCols.MaxFirst(Width, EffectiveColLine()) <= FixedCols(); }
bool TGridModel::AllRowsFit(int Height) const { return FRows.MaxFirst(Height, EffectiveRowLine()) <= FixedRows(); }

TRect TGridModel::CellRect(int ACol, int ARow) const {
  auto x = FCols.Span(ACol, LeftCol(), ViewWidth(), EffectiveColLine());
  auto y = FRows.Span(ARow, TopRow(), ViewHeight(), EffectiveRowLine());
  if (x.Empty() || y.Empty()) return TRect{};
  return TRect{x.Start, y.Start, x.End, y.End};
}

TRect TGridModel::ColumnArea(int ACol) const {
  auto x = FCols.Span(ACol, LeftCol(), ViewWidth(), EffectiveColLine());
  if (x.Empty()) return TRect{};
  return TRect{x.Start, 0, std::min(x.End + EffectiveColLine(), ViewWidth()), ViewHeight()};
}

TRect TGridModel::RowArea(int ARow) const {
  auto y = FRows.Span(ARow, TopRow(), ViewHeight(), EffectiveRowLine());
  if (y.Empty()) return TRect{};
  return TRect{0, y.Start, ViewWidth(), std::min(y.End + EffectiveRowLine(), ViewHeight())};
}

namespace {
// The areas of the first and last shown index of From..To on one axis: the
// fixed indexes, then First..Last; hidden ones are stepped over.
template <class AreaOf>
std::pair<TRect, TRect> EndAreas(int From, int To, int Fixed, int First, int Last, const AreaOf& Area) {
  int lo = From < Fixed ? From : std::max(From, First);
  int hi = To >= First ? std::min(To, Last) : std::min(To, Fixed - 1);
  while (lo <= hi && Area(lo).IsEmpty()) ++lo;
  while (hi >= lo && Area(hi).IsEmpty()) --hi;
  if (lo > hi) return {};
  return {Area(lo), Area(hi)};
}
}  // namespace

TRect TGridModel::GridRectArea(const TGridRect& R) const {
  auto [left, right] = EndAreas(R.Left, R.Right, FixedCols(), LeftCol(), LastVisibleCol(),
                                [this](int c) { return ColumnArea(c); });
  auto [top, bottom] = EndAreas(R.Top, R.Bottom, FixedRows(), TopRow(), LastVisibleRow(),
                                [this](int r) { return RowArea(r); });
  if (left.IsEmpty() || top.IsEmpty()) return TRect{};
  return TRect{left.Left, top.Top, right.Right, bottom.Bottom};
}

TRect TGridModel::ClientOfView(const TRect& R) const {
  if (!MirroredView() || R.IsEmpty()) return R;
  return TRect{ViewWidth() - R.Right, R.Top, ViewWidth() - R.Left, R.Bottom};
}

TGridCoord TGridModel::MouseCoord(int X, int Y) const { return CoordAt(ViewX(X), Y); }

TGridCoord TGridModel::CoordAt(int X, int Y) const {
  int c = FCols.Hit(X, LeftCol(), ViewWidth(), EffectiveColLine());
  int r = FRows.Hit(Y, TopRow(), ViewHeight(), EffectiveRowLine());
  if (c < 0 || r < 0) return TGridCoord{-1, -1};
  return TGridCoord{c, r};
}

void TGridModel::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  TGridCoord c = MouseCoord(X, Y);
  ACol = c.X;
  ARow = c.Y;
}

void TGridModel::ScrollInView(int ACol, int ARow) {
  auto axisFirst = [](const TGridAxis& a, int index, int first, int view, int line) {
    if (index < a.Fixed()) return first;
    if (index < first) return index;
    int last = first + a.VisibleCount(first, view, line) - 1;
    return index > last ? a.FirstShowing(index, view, line) : first;
  };
  MoveTopLeft(axisFirst(FCols, ACol, LeftCol(), ViewWidth(), EffectiveColLine()),
              axisFirst(FRows, ARow, TopRow(), ViewHeight(), EffectiveRowLine()));
}
