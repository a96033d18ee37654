// Inserting and removing storage columns. Columns move in every row, parked
// rows included, with their widths and hidden flags; the tables follow the
// storage column count, and only columns 0..511 can be hidden.
#include <algorithm>
#include <numeric>

#include "grid/model/AdvStringGridPrivate.h"
#include "platform/grids/EraseIndexes.h"

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
  std::vector<int> cols(static_cast<size_t>(CCount));
  std::iota(cols.begin(), cols.end(), ColIndex);
  RemoveColList(cols);
}

namespace {

// Runs of neighbouring indexes in an ascending list, from the right.
template <class F>
void ForEachRunFromRight(const std::vector<int>& Cols, F Action) {
  for (size_t end = Cols.size(); end > 0;) {
    size_t begin = end - 1;
    while (begin > 0 && Cols[begin - 1] == Cols[begin] - 1) --begin;
    Action(Cols[begin], static_cast<int>(end - begin));
    end = begin;
  }
}

}  // namespace

// The end state of removing each run of neighbours from the right, with the
// rows' cells, the hidden flags and the widths compacted once.
void TAdvStringGrid::RemoveColList(const std::vector<int>& Cols) {
  if (Cols.empty()) return;
  std::vector<int> shown;  // displayed indexes, descending
  for (auto c = Cols.rbegin(); c != Cols.rend(); ++c) {
    if (!IsHiddenColumn(*c)) shown.push_back(DisplColIndex(*c));
  }
  ForEachRunFromRight(Cols, [&](int From, int Count) { FreeCellPropsRange(From, 0, From + Count - 1, RowCount() - 1); });
  Store().DeleteColList(Cols);
  for (int i = 0; i < FGridItems.Count(); ++i) {
    ForEachRunFromRight(Cols, [&](int From, int Count) { FGridItems.Item(i)->Items().DeleteCols(From, Count); });
  }
  std::vector<bool> visible;
  for (int i = 0; i <= TVisibleColumns::MaxHideable + static_cast<int>(Cols.size()); ++i)
    visible.push_back(FVisibleCols.GetVisibleCol(i));
  EraseIndexes(visible, Cols);
  for (int i = Cols.front(); i <= TVisibleColumns::MaxHideable; ++i) {
    FVisibleCols.SetVisibleCol(i, visible[static_cast<size_t>(i)]);
  }
  EraseIndexes(FState->AllColWidths, Cols);
  // A column removed shifts the widths after it left by one, the last one staying.
  std::vector<int> widths;
  for (int i = 0; i < ColCount(); ++i) widths.push_back(ColWidths(i));
  for (int d : shown) std::copy(widths.begin() + d + 1, widths.end(), widths.begin() + d);
  for (int i = shown.empty() ? ColCount() : shown.back(); i < ColCount(); ++i) {
    if (ColWidths(i) != widths[static_cast<size_t>(i)]) SetColWidths(i, widths[static_cast<size_t>(i)]);
  }
  SetColCount(std::max(ColCount() - static_cast<int>(shown.size()), 1));
  CellsChanged(TRect{Cols.front(), 0, Cols.back() + 1, RowCount() - 1});
}
