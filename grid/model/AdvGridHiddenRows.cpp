// Hiding rows into the hidden-row store and showing them again. Every item
// holds the row's real index, whether HideRows or a filter level parked it,
// so a filter taken back never disturbs rows parked by other means.
#include <algorithm>

#include "grid/model/AdvStringGridPrivate.h"

void TAdvStringGrid::HideRows(int FromRow, int ToRow) {
  if (EditorMode()) HideEditor();
  FromRow = std::max(FromRow, 0);
  ToRow = std::min(ToRow, AllRowCount() - 1);
  std::vector<int> rows;  // the range's shown rows are consecutive from here
  int parked = FGridItems.CountBelow(FromRow);  // walks along the store with i
  const int first = FromRow - parked;
  // Rows parked before RowCount was lowered keep real indexes past the last
  // shown row: the range may reach beyond the grid there.
  for (int i = FromRow; i <= ToRow && first + static_cast<int>(rows.size()) < RowCount(); ++i) {
    if (parked < FGridItems.Count() && FGridItems.Item(parked)->Idx() == i)
      ++parked;
    else
      rows.push_back(first + static_cast<int>(rows.size()));
  }
  FRows->ParkRows(std::move(rows), 0);
}

void TAdvStringGrid::HideRowList(const std::vector<int>& RowList) {
  std::vector<int> rows;
  for (int r : RowList) {
    if (r >= 0 && r < RowCount() && (rows.empty() || r > rows.back())) rows.push_back(r);
  }
  FRows->ParkRows(std::move(rows), ++FFilterLevel);
}

void TAdvStringGrid::UnHideRows(int FromRow, int ToRow) {
  if (!IsHiddenRow(FromRow)) return;
  const int before = FGridItems.CountBelow(FromRow);
  FRows->RestoreRows(FGridItems.Extract([&](const TGridItem& I) { return I.Idx() >= FromRow && I.Idx() <= ToRow; }),
              [before](int Idx) { return Idx - before; });
}

void TAdvStringGrid::UnHideRowsAll() {
  FRows->RestoreRows(FGridItems.Extract([](const TGridItem&) { return true; }), [](int Idx) { return Idx; });
}

void TAdvStringGrid::UnHideRowList() {
  if (FFilterLevel <= 0) return;
  const int level = FFilterLevel;
  FNodes->KeepClosedBlocksParked(level);
  UnHideRowsWhere([level](const TGridItem& I) { return I.Level() == level; });
}

void TAdvStringGrid::UnHideRowsWhere(const std::function<bool(const TGridItem&)>& Pred) {
  // Rows that stay parked keep out of the count; positions are asked in
  // ascending order, so one walk along the store.
  int below = 0;
  FRows->RestoreRows(FGridItems.Extract(Pred),
              [this, &below](int Idx) {
                while (below < FGridItems.Count() && FGridItems.Item(below)->Idx() < Idx) ++below;
                return Idx - below;
              });
}
