// Scroll bars of the grid model: the scroll position over a bar's range and the scroll codes.
#include <algorithm>

#include "platform/grids/GridModel.h"
#include "platform/gui/Messages.h"

namespace {

// a * b / c rounded half away from zero; 0 for c = 0.
int MulDiv(int a, int b, int c) {
  if (c == 0) return 0;
  long long p = static_cast<long long>(a) * b;
  long long q = (p >= 0) == (c > 0) ? (p + c / 2) / c : (p - c / 2) / c;
  return static_cast<int>(q);
}

}  // namespace

int TGridModel::ScrollThumb(bool Vertical, int Min, int MaxPos) const {
  int fixed = Vertical ? FixedRows() : FixedCols();
  int first = Vertical ? TopRow() : LeftCol();
  int max = Vertical ? MaxTopRow() : MaxLeftCol();
  return std::clamp(Min + MulDiv(first - fixed, MaxPos - Min, max - fixed), Min, std::max(Min, MaxPos));
}

void TGridModel::ScrollMessage(bool Vertical, int Code, int Pos, int Min, int MaxPos) {
  int fixed = Vertical ? FixedRows() : FixedCols();
  int first = Vertical ? TopRow() : LeftCol();
  int max = Vertical ? MaxTopRow() : MaxLeftCol();
  int page = Vertical ? VisibleRowCount() : VisibleColCount();
  switch (Code) {
    case SB_LINEUP: --first; break;
    case SB_LINEDOWN: ++first; break;
    case SB_PAGEUP: first -= page; break;
    case SB_PAGEDOWN: first += page; break;
    case SB_THUMBTRACK:
      if (!FOptions.Contains(goThumbTracking)) return;
      [[fallthrough]];
    case SB_THUMBPOSITION:
      first = MulDiv(std::clamp(Pos, Min, std::max(Min, MaxPos)) - Min, max - fixed, MaxPos - Min) + fixed;
      break;
    case SB_TOP: first = fixed; break;
    case SB_BOTTOM: first = max; break;
    default: return;
  }
  if (Vertical)
    SetTopRow(first);
  else
    SetLeftCol(first);
}
