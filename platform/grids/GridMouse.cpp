// The left mouse button on the grid model: selecting a cell or a range,
// sizing a column or row at its border, moving a column or row by its header.
#include <algorithm>

#include "platform/grids/GridModel.h"

namespace {

constexpr int kBorderSlack = 2;  // pixels either side of a border that still grab it

// The border of a visible index near Pixel on one axis, or -1.
int BorderNear(const TGridAxis& a, int Pixel, int First, int View, int Line, int& BorderPos) {
  int last = a.LastVisible(First, View, Line);
  for (int i = 0; i <= last; ++i) {
    if (i >= a.Fixed() && i < First) continue;
    auto span = a.Span(i, First, View, Line);
    if (span.Empty()) continue;
    int border = span.Start + a.Size(i);
    if (Pixel >= border - kBorderSlack && Pixel <= border + Line + kBorderSlack) {
      BorderPos = border;
      return i;
    }
  }
  return -1;
}

}  // namespace

// SizingPos and SizingOfs are in the view's x, as the sizing line is drawn.
void TGridModel::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs) {
  X = ViewX(X);
  State = gsNormal;
  Index = -1;
  int border = 0;
  if (FOptions.Contains(goColSizing) && Y >= 0 && Y < FRows.FixedExtent(EffectiveRowLine())) {
    Index = BorderNear(FCols, X, LeftCol(), ViewWidth(), EffectiveColLine(), border);
    if (Index >= 0) State = gsColSizing;
  }
  if (State == gsNormal && FOptions.Contains(goRowSizing) && X >= 0 && X < FCols.FixedExtent(EffectiveColLine())) {
    Index = BorderNear(FRows, Y, TopRow(), ViewHeight(), EffectiveRowLine(), border);
    if (Index >= 0) State = gsRowSizing;
  }
  if (State == gsNormal) return;
  SizingPos = border;
  SizingOfs = (State == gsColSizing ? X : Y) - border;
}

void TGridModel::GridMouseDown(int X, int Y, bool Shift) {
  TGridState state = gsNormal;
  CalcSizingState(X, Y, state, FSizingIndex, FSizingPos, FSizingOfs);
  if (state != gsNormal) {
    FGridState = state;
    return;
  }
  TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0) return;
  bool fixedRow = cell.Y < FixedRows(), fixedCol = cell.X < FixedCols();
  if (fixedRow && !fixedCol && FOptions.Contains(goColMoving)) {
    FGridState = gsColMoving;
    FMoveIndex = FMovePos = cell.X;
  } else if (fixedCol && !fixedRow && FOptions.Contains(goRowMoving)) {
    FGridState = gsRowMoving;
    FMoveIndex = FMovePos = cell.Y;
  } else if (!fixedRow && !fixedCol) {
    FGridState = gsSelecting;
    MoveCurrent(cell.X, cell.Y, !(Shift && FOptions.Contains(goRangeSelect)), true);
  }
}

void TGridModel::GridMouseMove(int X, int Y) {
  X = ViewX(X);
  switch (FGridState) {
    case gsSelecting: {
      int x = std::clamp(X, FCols.FixedExtent(EffectiveColLine()), std::max(ViewWidth() - 1, 0));
      int y = std::clamp(Y, FRows.FixedExtent(EffectiveRowLine()), std::max(ViewHeight() - 1, 0));
      TGridCoord cell = CoordAt(x, y);
      if (cell.X >= FixedCols() && cell.Y >= FixedRows() && !(cell == FCurrent)) MoveCurrent(cell.X, cell.Y, false, true);
      break;
    }
    case gsColSizing: FSizingPos = X - FSizingOfs; break;
    case gsRowSizing: FSizingPos = Y - FSizingOfs; break;
    case gsColMoving: {
      int c = FCols.Hit(X, LeftCol(), ViewWidth(), EffectiveColLine());
      if (c >= FixedCols()) FMovePos = c;
      break;
    }
    case gsRowMoving: {
      int r = FRows.Hit(Y, TopRow(), ViewHeight(), EffectiveRowLine());
      if (r >= FixedRows()) FMovePos = r;
      break;
    }
    case gsNormal: break;
  }
}

void TGridModel::GridMouseUp(int X, int Y) {
  GridMouseMove(X, Y);
  TGridState state = FGridState;
  FGridState = gsNormal;
  switch (state) {
    case gsColSizing: {
      int start = FCols.Span(FSizingIndex, LeftCol(), ViewWidth(), EffectiveColLine()).Start;
      SetColWidths(FSizingIndex, std::max(FSizingPos - start, 1));
      break;
    }
    case gsRowSizing: {
      int start = FRows.Span(FSizingIndex, TopRow(), ViewHeight(), EffectiveRowLine()).Start;
      SetRowHeights(FSizingIndex, std::max(FSizingPos - start, 1));
      break;
    }
    case gsColMoving: MoveColumn(FMoveIndex, FMovePos); break;
    case gsRowMoving: MoveRow(FMoveIndex, FMovePos); break;
    default: break;
  }
}

bool TGridModel::SelectingScrollStep(int X, int Y) {
  if (FGridState != gsSelecting) return false;
  X = ViewX(X);
  auto step = [](int pixel, int low, int high, int current, int fixed, int count) {
    if (pixel >= high) return std::min(current + 1, count - 1);
    if (pixel < low) return std::max(current - 1, fixed);
    return current;
  };
  int c = step(X, FCols.FixedExtent(EffectiveColLine()), ViewWidth(), Col(), FixedCols(), ColCount());
  int r = step(Y, FRows.FixedExtent(EffectiveRowLine()), ViewHeight(), Row(), FixedRows(), RowCount());
  if (c == Col() && r == Row()) return false;
  MoveCurrent(c, r, false, true);
  return true;
}
