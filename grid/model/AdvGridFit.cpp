// Fitting the columns to the control's width, sizing the control to its
// cells, and the zoom.
#include <algorithm>
#include <numeric>

#include "grid/model/AdvStringGrid.h"
#include "platform/sys/FloatText.h"

namespace {
// The allowance for the control's frame.
constexpr int SingleBorderWidth = 4;
// What a grid of one column leaves free beside it.
constexpr int OneColumnMargin = 5;
constexpr int MaxZoom = 10;
}  // namespace

int TAdvStringGrid::ColWidthSum(int First, int Last) const {
  int sum = 0;
  for (int c = First; c <= Last; ++c) sum += ColWidths(c);
  return sum;
}

// A range of width 0 cannot be scaled: its columns share the width equally.
void TAdvStringGrid::AutoFitColumns(bool DoFixedCells) {
  const bool barShown = ScrollBars() != ssNone && VisibleRowCount() + FixedRows() < RowCount();
  const int scroll = barShown ? ScrollBarThickness() : 0;
  const int border = BorderStyle() == bsSingle ? SingleBorderWidth : 0;
  const int first = DoFixedCells ? 0 : FixedCols();
  const int last = DoFixedCells ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
  const int width = DoFixedCells ? Width()
                                 : Width() - ColWidthSum(0, FixedCols() - 1) -
                                       ColWidthSum(ColCount() - FFixedRightCols, ColCount() - 1);
  const int n = last - first + 1;
  if (n <= 0) return;
  int lines = Options().Contains(goVertLine) ? GridLineWidth() * (ColCount() - FixedCols() - FFixedRightCols) : 0;
  if (Options().Contains(goFixedVertLine) && DoFixedCells) lines += FixedCols() + FFixedRightCols;
  const int avail = width - scroll - border;
  if (ColCount() < 2) {
    SetColWidths(0, Width() - scroll - OneColumnMargin);
  } else {
    const int sum = ColWidthSum(first, last);
    if (sum == avail) return;
    if (sum > 0) {
      const double f = static_cast<double>(avail - lines) / sum;
      std::int64_t target = 0;
      for (int c = first; c <= last; ++c) target += Round(ColWidths(c) * f);
      for (int c = first; c <= last; ++c) {
        SetColWidths(c, static_cast<int>(Round(static_cast<double>(ColWidths(c)) * target / sum)));
      }
    }
  }
  int rest = avail - ColWidthSum(first, last);
  if (n >= 2 && rest > n) {
    for (int c = first; c <= last; ++c) SetColWidths(c, ColWidths(c) + rest / n);
    rest -= n * (rest / n);
  }
  int widest = first;
  for (int c = first; c <= last; ++c) {
    if (ColWidths(c) > ColWidths(widest)) widest = c;
  }
  SetColWidths(widest, ColWidths(widest) + rest);
}

void TAdvStringGrid::SizeToCols() { SetClientWidth(ColWidthSum(0, ColCount() - 1)); }

void TAdvStringGrid::SizeToRows() {
  int sum = 0;
  for (int r = 0; r < RowCount(); ++r) sum += RowHeights(r);
  SetClientHeight(sum);
}

void TAdvStringGrid::SizeToCells() {
  const TScrollStyle old = ScrollBars();
  SetScrollBars(ssNone);
  SizeToCols();
  SizeToRows();
  SetScrollBars(old);
}

// A step never makes a size 0 or negative: such columns and rows keep theirs.
void TAdvStringGrid::Zoom(int x) {
  const int z = FValues.ZoomFactor + x;
  if (z > MaxZoom || z < -MaxZoom) return;
  FValues.ZoomFactor = z;
  for (int c = 0; c < ColCount(); ++c) {
    if (ColWidths(c) > 0 && ColWidths(c) + x > 0) SetColWidths(c, ColWidths(c) + x);
  }
  for (int r = 0; r < RowCount(); ++r) {
    if (RowHeights(r) > 0 && RowHeights(r) + x > 0) SetRowHeights(r, RowHeights(r) + x);
  }
}
