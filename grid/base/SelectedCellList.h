#pragma once
// The cells of a disjunct cell selection in the order they were selected,
// with a set beside the list so that "is this cell selected" costs the same
// however many cells are. Every user of the list keys cells through
// SelectedCellKey/SelectedCellCoord, which keep the full column and row.
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "platform/grids/GridTypes.h"

using TSelectedCellKey = std::uint64_t;

constexpr TSelectedCellKey SelectedCellKey(int ACol, int ARow) {
  return (static_cast<TSelectedCellKey>(static_cast<std::uint32_t>(ARow)) << 32) |
         static_cast<std::uint32_t>(ACol);
}

constexpr TGridCoord SelectedCellCoord(TSelectedCellKey Key) {
  return TGridCoord{static_cast<int>(static_cast<std::uint32_t>(Key & 0xFFFFFFFFu)),
                    static_cast<int>(static_cast<std::uint32_t>(Key >> 32))};
}

class TSelectedCellList {
 public:
  int Count() const { return static_cast<int>(FKeys.size()); }
  // Raises EListError past the end, as the platform's lists do.
  TGridCoord Items(int Index) const;
  bool Has(int ACol, int ARow) const;
  // Answers whether the cell was added (false when it was there).
  bool Add(int ACol, int ARow);
  // Answers whether the cell was there.
  bool Remove(int ACol, int ARow);
  void Clear();
  // The cells of a rectangle, column by column, each column top to bottom.
  // A rectangle repeats no cell, so the set is left to be built on demand.
  void AssignRect(const TGridRect& R);

 private:
  const std::unordered_set<TSelectedCellKey>& Set() const;

  std::vector<TSelectedCellKey> FKeys;
  mutable std::unordered_set<TSelectedCellKey> FSet;
  mutable bool FSetStale = false;
};
