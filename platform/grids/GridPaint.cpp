// Painting of the grid model on a canvas: cells through the DrawCell hook,
// grid lines, background and focus frame. The widget calls it from Paint;
// a printer or a recording canvas serves as well.
#include <algorithm>
#include <vector>

#include "platform/grids/GridModel.h"
#include "platform/gui/Canvas.h"

namespace {

// The indexes painted on one axis: the fixed ones, then First..Last.
std::vector<int> PaintedIndexes(int Fixed, int First, int Last) {
  std::vector<int> v;
  for (int i = 0; i < Fixed; ++i) v.push_back(i);
  for (int i = First; i <= Last; ++i) v.push_back(i);
  return v;
}

constexpr TColor kFixedLineColor = clBlack;
constexpr TColor kLineColor = clSilver;

}  // namespace

TGridDrawState TGridModel::CellDrawState(int ACol, int ARow, bool Focused) const {
  TGridDrawState state;
  if (ACol < FixedCols() || ARow < FixedRows()) {
    state.Include(gdFixed);
    return state;
  }
  bool current = ACol == Col() && ARow == Row();
  if (Focused && current) state.Include(gdFocused);
  TGridRect sel = Selection();
  bool inside = ACol >= sel.Left && ACol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom;
  bool focusShownPlain = Focused && current && !FOptions.Contains(goDrawFocusSelected) && !FOptions.Contains(goRowSelect);
  if (inside && !focusShownPlain) state.Include(gdSelected);
  return state;
}

void TGridModel::PaintCells(TCanvas& Canvas, TColor Background, bool Focused, bool FocusFrame) {
  int colLine = EffectiveColLine(), rowLine = EffectiveRowLine();
  auto cols = PaintedIndexes(FixedCols(), LeftCol(), LastVisibleCol());
  auto rows = PaintedIndexes(FixedRows(), TopRow(), LastVisibleRow());
  // Only the cells the clip touches are painted: an invalidated cell repaints alone.
  const TRect clip = Canvas.ClipRect();
  int right = 0, bottom = 0;
  for (int r : rows) {
    auto y = FRows.Span(r, TopRow(), ViewHeight(), rowLine);
    if (y.Empty()) continue;
    for (int c : cols) {
      auto x = FCols.Span(c, LeftCol(), ViewWidth(), colLine);
      if (x.Empty()) continue;
      TRect cell{x.Start, y.Start, x.Start + FCols.Size(c), y.Start + FRows.Size(r)};
      right = std::max(right, cell.Right + colLine);
      bottom = std::max(bottom, cell.Bottom + rowLine);
      if (IntersectRect(TRect{cell.Left, cell.Top, cell.Right + colLine, cell.Bottom + rowLine}, clip).IsEmpty()) continue;
      TGridDrawState state = CellDrawState(c, r, Focused);
      PaintCell(Canvas, c, r, cell, state);
      bool fixed = state.Contains(gdFixed);
      Canvas.Brush()->SetColor(fixed ? kFixedLineColor : kLineColor);
      if (colLine > 0 && FOptions.Contains(fixed ? goFixedVertLine : goVertLine))
        Canvas.FillRect(TRect{cell.Right, cell.Top, cell.Right + colLine, cell.Bottom + rowLine});
      if (rowLine > 0 && FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine))
        Canvas.FillRect(TRect{cell.Left, cell.Bottom, cell.Right + colLine, cell.Bottom + rowLine});
    }
  }
  Canvas.Brush()->SetColor(Background);
  if (right < ViewWidth()) Canvas.FillRect(TRect{right, 0, ViewWidth(), ViewHeight()});
  if (bottom < ViewHeight()) Canvas.FillRect(TRect{0, bottom, right, ViewHeight()});
  if (!Focused || !FocusFrame) return;
  TRect focus = CellRect(Col(), Row());
  if (FOptions.Contains(goRowSelect)) {
    TRect first = CellRect(LeftCol(), Row()), last = CellRect(LastVisibleCol(), Row());
    if (!first.IsEmpty() && !last.IsEmpty()) focus = TRect{first.Left, first.Top, last.Right, last.Bottom};
  }
  if (!focus.IsEmpty()) Canvas.DrawFocusRect(focus);
}
