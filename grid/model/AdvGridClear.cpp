// Clearing, trimming and colouring rectangles of cells, and the shortcuts
// over rows, columns and the normal (non-fixed) cells.
#include <algorithm>

#include "grid/model/AdvStringGridPrivate.h"
#include "platform/sys/SysUtils.h"

namespace {

bool CoversGrid(int ACol1, int ARow1, int ACol2, int ARow2, int Cols, int Rows) {
  return ACol1 == 0 && ARow1 == 0 && ACol2 >= Cols - 1 && ARow2 >= Rows - 1;
}

// Action(storage column, given column, row) over the rectangle's rows in the
// grid. The columns are storage columns, or displayed ones with SaveHiddenCells.
void ForEachRectCell(const TAdvStringGrid& Grid, int ACol1, int ARow1, int ACol2, int ARow2,
                     const std::function<void(int, int, int)>& Action) {
  const int lastRow = std::min(ARow2, Grid.RowCount() - 1);
  for (int r = std::max(ARow1, 0); r <= lastRow; ++r) {
    for (int i = std::max(ACol1, 0); i <= ACol2; ++i) Action(Grid.SaveHiddenCells() ? Grid.RealColIndex(i) : i, i, r);
  }
}

}  // namespace

void TAdvStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  ForEachRectCell(*this, ACol1, ARow1, ACol2, ARow2, [this](int a, int i, int r) {
    if (!FValues.ClearTextOnly && GridObjects(a, r)) {
      if (FState->NilObjects)
        ResetCell(a, r);
      else
        FreeCellProps(a, r);
    }
    if (GridCells(a, r).empty()) return;
    SetGridCell(a, r, String());
    if (a != i) RepaintCell(i, r);
  });
  if (!FValues.ClearTextOnly) FNodes->NodesMayBeGone();
  if (CoversGrid(ACol1, ARow1, ACol2, ARow2, ColCount(), RowCount())) FHasCellProps = false;
  if (!FState->BlockCellChange) CellsChanged(TRect{ACol1, ARow1, ACol2, ARow2});
}

void TAdvStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  ForEachRectCell(*this, ACol1, ARow1, ACol2, ARow2, [this](int a, int, int r) {
    const String& text = GridCells(a, r);
    String trimmed = Trim(text);
    if (trimmed.size() != text.size()) SetGridCell(a, r, trimmed);
  });
}

void TAdvStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor) {
  const int lastRow = std::min(ARow2, RowCount() - 1);
  for (int r = std::max(ARow1, 0); r <= lastRow; ++r) {
    for (int c = std::max(ACol1, 0); c <= ACol2; ++c) SetColors(c, r, AColor);
  }
}

void TAdvStringGrid::ClearRows(int RowIndex, int RCount) {
  if (RCount > 0) ClearRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
}

void TAdvStringGrid::ClearCols(int ColIndex, int CCount) {
  if (CCount > 0) ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TAdvStringGrid::ClearNormalCols(int ColIndex, int CCount) {
  if (CCount > 0) ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FFixedFooters - 1);
}

void TAdvStringGrid::ClearNormalRows(int RowIndex, int RCount) {
  if (RCount > 0) {
    ClearRect(FixedCols(), RowIndex, TotalColCount() - FFixedRightCols - 1, RowIndex + RCount - 1);
  }
}

void TAdvStringGrid::ClearNormalCells() {
  ClearRect(FixedCols(), FixedRows(), TotalColCount() - FFixedRightCols - 1,
            RowCount() - FFixedFooters - 1);
}

void TAdvStringGrid::Clear() {
  ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
  if (NumHiddenColumns() > 0) Invalidate();
}

// Parked rows lose their cells too; they stay parked.
void TAdvStringGrid::ClearAll() {
  Clear();
  for (int i = 0; i < FGridItems.Count(); ++i) FGridItems.Item(i)->Items().Clear();
  FNodes->NodesMayBeGone();
}
