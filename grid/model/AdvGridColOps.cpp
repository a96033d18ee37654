// Inserting and removing storage columns. Columns move in every row, parked
// rows included, with their widths and hidden flags; the tables follow the
// storage column count, and only columns 0..511 can be hidden.
#include <algorithm>

#include "grid/model/AdvStringGridPrivate.h"

void TAdvStringGrid::InsertCols(int ColIndex, int CCount) {
  if (ColIndex < 0 || CCount <= 0 || ColIndex > AllColCount()) return;
  // Only columns below 512 can be hidden: one pushed past them is shown again
  // first, or it would drop out of the column count.
  const int pushedOut = std::max(ColIndex, TVisibleColumns::MaxHideable - CCount);
  UnHideColumns(pushedOut, TVisibleColumns::MaxHideable - 1);
  const int d = DisplColIndex(ColIndex);
  Store().InsertCols(ColIndex, CCount);
  for (int i = 0; i < FGridItems.Count(); ++i) FGridItems.Item(i)->Items().InsertCols(ColIndex, CCount);
  for (int i = TVisibleColumns::MaxHideable; i >= ColIndex + CCount; --i) {
    FVisibleCols.SetVisibleCol(i, FVisibleCols.GetVisibleCol(i - CCount));
  }
  for (int i = ColIndex; i < std::min(ColIndex + CCount, TVisibleColumns::MaxHideable + 1); ++i) {
    FVisibleCols.SetVisibleCol(i, true);
  }
  if (ColIndex < static_cast<int>(FState->AllColWidths.size())) {
    FState->AllColWidths.insert(FState->AllColWidths.begin() + ColIndex, static_cast<size_t>(CCount), DefaultColWidth());
  }
  SetColCount(ColCount() + CCount);
  for (int i = ColCount() - 1; i >= d + CCount; --i) SetColWidths(i, ColWidths(i - CCount));
  for (int i = d; i < d + CCount; ++i) SetColWidths(i, DefaultColWidth());
  CellsChanged(TRect{ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}

// The storage columns go directly (whatever SaveHiddenCells says), hidden
// ones lowering the hidden count and shown ones the displayed count.
void TAdvStringGrid::RemoveCols(int ColIndex, int CCount) {
  if (ColIndex < 0 || CCount <= 0 || ColIndex >= AllColCount()) return;
  CCount = std::min(CCount, AllColCount() - ColIndex);
  std::vector<int> shown;  // displayed indexes, descending
  for (int c = ColIndex + CCount - 1; c >= ColIndex; --c) {
    if (!IsHiddenColumn(c)) shown.push_back(DisplColIndex(c));
  }
  FreeCellPropsRange(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
  Store().DeleteCols(ColIndex, CCount);
  for (int i = 0; i < FGridItems.Count(); ++i) FGridItems.Item(i)->Items().DeleteCols(ColIndex, CCount);
  for (int i = ColIndex; i <= TVisibleColumns::MaxHideable; ++i) {
    FVisibleCols.SetVisibleCol(i, FVisibleCols.GetVisibleCol(i + CCount));
  }
  if (ColIndex < static_cast<int>(FState->AllColWidths.size())) {
    const auto end = std::min(FState->AllColWidths.size(), static_cast<size_t>(ColIndex + CCount));
    FState->AllColWidths.erase(FState->AllColWidths.begin() + ColIndex, FState->AllColWidths.begin() + static_cast<std::ptrdiff_t>(end));
  }
  for (int d : shown) {
    for (int i = d; i < ColCount() - 1; ++i) SetColWidths(i, ColWidths(i + 1));
  }
  SetColCount(std::max(ColCount() - static_cast<int>(shown.size()), 1));
  CellsChanged(TRect{ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}
