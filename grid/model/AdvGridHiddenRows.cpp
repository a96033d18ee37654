// Hiding rows into the hidden-row store and showing them again. Every item
// holds the row's real index, whether HideRows or a filter level parked it,
// so a filter taken back never disturbs rows parked by other means.
#include <algorithm>

#include "grid/model/AdvStringGrid.h"

namespace {

// A grid keeps one displayed row: the last rows listed stay.
void KeepOneRow(std::vector<int>& DisplRows, int RowCount) {
  if (static_cast<int>(DisplRows.size()) >= RowCount) DisplRows.resize(static_cast<size_t>(RowCount - 1));
}

}  // namespace

void TAdvStringGrid::HideRows(int FromRow, int ToRow) {
  if (EditorMode()) HideEditor();
  FromRow = std::max(FromRow, 0);
  ToRow = std::min(ToRow, AllRowCount() - 1);
  std::vector<int> rows;
  const int first = FromRow - FGridItems.CountBelow(FromRow);
  for (int i = FromRow; i <= ToRow; ++i) {
    if (!IsHiddenRow(i)) rows.push_back(first + static_cast<int>(rows.size()));
  }
  KeepOneRow(rows, RowCount());
  if (rows.empty()) return;
  auto items = ParkRows(rows, 0);
  CloseRowGaps(rows);
  FGridItems.MergeIn(std::move(items));
  ShowControlsOfShownRows();
  CellControlsUpdate(false);
}

void TAdvStringGrid::HideRowList(const std::vector<int>& RowList) {
  std::vector<int> rows;
  for (int r : RowList) {
    if (r >= 0 && r < RowCount() && (rows.empty() || r > rows.back())) rows.push_back(r);
  }
  KeepOneRow(rows, RowCount());
  const int level = ++FFilterLevel;
  auto items = ParkRows(rows, level);
  CloseRowGaps(rows);
  FGridItems.MergeIn(std::move(items));
  ShowControlsOfShownRows();
  CellControlsUpdate(false);
}

void TAdvStringGrid::UnHideRows(int FromRow, int ToRow) {
  if (!IsHiddenRow(FromRow)) return;
  const int before = FGridItems.CountBelow(FromRow);
  auto items = FGridItems.Extract(
      [&](const TGridItem& I) { return I.Idx() >= FromRow && I.Idx() <= ToRow; });
  std::vector<TRestoredRow> rows;
  rows.reserve(items.size());
  for (auto& item : items) rows.push_back({item->Idx() - before, std::move(item)});
  RestoreRows(std::move(rows));
  ShowControlsOfShownRows();
  CellControlsUpdate(false);
}

void TAdvStringGrid::UnHideRowsAll() {
  if (NumHiddenRows() == 0) return;
  auto items = FGridItems.Extract([](const TGridItem&) { return true; });
  std::vector<TRestoredRow> rows;
  rows.reserve(items.size());
  for (auto& item : items) rows.push_back({item->Idx(), std::move(item)});
  RestoreRows(std::move(rows));
  ShowControlsOfShownRows();
  CellControlsUpdate(false);
}

void TAdvStringGrid::UnHideRowList() {
  if (FFilterLevel <= 0) return;
  const int level = FFilterLevel;
  auto items = FGridItems.Extract([level](const TGridItem& I) { return I.Level() == level; });
  std::vector<TRestoredRow> rows;
  rows.reserve(items.size());
  // Rows still parked by other levels or HideRows stay out of the count.
  for (auto& item : items) rows.push_back({FGridItems.RealToDisplRow(item->Idx()), std::move(item)});
  RestoreRows(std::move(rows));
  CellControlsUpdate(false);
  ShowControlsOfShownRows();
}
