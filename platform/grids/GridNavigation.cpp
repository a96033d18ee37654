// The cursor-key rules of the grid model: arrows, Home/End, PageUp/PageDown,
// Ctrl+Home/End and, with goTabs, Tab and Shift+Tab.
#include <algorithm>

#include "platform/grids/GridModel.h"

namespace {

enum : int {
  kTab = 0x09,
  kPrior = 0x21,
  kNext = 0x22,
  kEnd = 0x23,
  kHome = 0x24,
  kLeft = 0x25,
  kUp = 0x26,
  kRight = 0x27,
  kDown = 0x28
};

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
  TGridCoord cur = FCurrent, tl = FTopLeft;
  bool rowSelect = FOptions.Contains(goRowSelect);
  int page = VisibleRowCount();
  switch (Key) {
    case kUp: --cur.Y; break;
    case kDown: ++cur.Y; break;
    case kLeft: rowSelect ? --tl.X : --cur.X; break;
    case kRight: rowSelect ? ++tl.X : ++cur.X; break;
    case kPrior: cur.Y -= page, tl.Y -= page; break;
    case kNext: cur.Y += page, tl.Y += page; break;
    case kHome:
      if (Ctrl) cur = TGridCoord{FixedCols(), FixedRows()};
      else if (rowSelect) cur.Y = FixedRows();
      else cur.X = FixedCols();
      break;
    case kEnd:
      if (Ctrl) cur = TGridCoord{ColCount() - 1, RowCount() - 1};
      else if (rowSelect) cur.Y = RowCount() - 1;
      else cur.X = ColCount() - 1;
      break;
    case kTab:
      if (!FOptions.Contains(goTabs) || Ctrl) return false;
      cur = TabStep(cur, Shift, FixedCols(), FixedRows(), ColCount(), RowCount());
      break;
    default: return false;
  }
  cur.X = std::clamp(cur.X, FixedCols(), ColCount() - 1);
  cur.Y = std::clamp(cur.Y, FixedRows(), RowCount() - 1);
  MoveTopLeft(std::clamp(tl.X, FixedCols(), MaxLeftCol()), std::clamp(tl.Y, FixedRows(), MaxTopRow()));
  bool extend = Shift && Key != kTab && FOptions.Contains(goRangeSelect);
  if (!(cur == FCurrent)) FocusCell(cur.X, cur.Y, !extend);
  return true;
}
