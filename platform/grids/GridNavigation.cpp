// The cursor-key rules of the grid model: arrows, Home/End, PageUp/PageDown,
// Ctrl+Home/End and, with goTabs, Tab and Shift+Tab.
#include <algorithm>

#include "platform/grids/GridModel.h"
#include "platform/gui/Messages.h"

namespace {

// The next cell in reading order (or the previous one), wrapping within the
// scrollable area.
TGridCoord TabStep(TGridCoord c, bool Backward, int FixedCols, int FixedRows, int ColCount, int RowCount) {
  if (!Backward) {
    if (++c.X < ColCount) return c;
    c.X = FixedCols;
    if (++c.Y >= RowCount) c.Y = FixedRows;
  } else {
    if (--c.X >= FixedCols) return c;
    c.X = ColCount - 1;
    if (--c.Y < FixedRows) c.Y = RowCount - 1;
  }
  return c;
}

}  // namespace

bool TGridModel::MoveByKey(int Key, bool Shift, bool Ctrl) {
  TGridCoord cur = FCurrent, tl{LeftCol(), TopRow()};
  bool rowSelect = FOptions.Contains(goRowSelect);
  int page = VisibleRowCount();
  switch (Key) {
    case VK_UP: --cur.Y; break;
    case VK_DOWN: ++cur.Y; break;
    case VK_LEFT: rowSelect ? --tl.X : --cur.X; break;
    case VK_RIGHT: rowSelect ? ++tl.X : ++cur.X; break;
    case VK_PRIOR: cur.Y -= page, tl.Y -= page; break;
    case VK_NEXT: cur.Y += page, tl.Y += page; break;
    case VK_HOME:
      if (Ctrl) cur = TGridCoord{FixedCols(), FixedRows()};
      else if (rowSelect) cur.Y = FixedRows();
      else cur.X = FixedCols();
      break;
    case VK_END:
      if (Ctrl) cur = TGridCoord{ColCount() - 1, RowCount() - 1};
      else if (rowSelect) cur.Y = RowCount() - 1;
      else cur.X = ColCount() - 1;
      break;
    case VK_TAB:
      if (!FOptions.Contains(goTabs) || Ctrl) return false;
      cur = TabStep(cur, Shift, FixedCols(), FixedRows(), ColCount(), RowCount());
      break;
    default: return false;
  }
  cur.X = std::clamp(cur.X, FixedCols(), ColCount() - 1);
  cur.Y = std::clamp(cur.Y, FixedRows(), RowCount() - 1);
  MoveTopLeft(std::clamp(tl.X, FixedCols(), MaxLeftCol()), std::clamp(tl.Y, FixedRows(), MaxTopRow()));
  bool extend = Shift && Key != VK_TAB && FOptions.Contains(goRangeSelect);
  if (!(cur == FCurrent)) FocusCell(cur.X, cur.Y, !extend);
  return true;
}
