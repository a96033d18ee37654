#include "grid/base/SelectedCellList.h"

#include <algorithm>

#include "platform/sys/Exceptions.h"

TGridCoord TSelectedCellList::Items(int Index) const {
  if (Index < 0 || Index >= Count()) RaiseListIndexError(Index);
  return SelectedCellCoord(FKeys[static_cast<size_t>(Index)]);
}

const std::unordered_set<TSelectedCellKey>& TSelectedCellList::Set() const {
  if (FSetStale) {
    FSet = std::unordered_set<TSelectedCellKey>(FKeys.begin(), FKeys.end());
    FSetStale = false;
  }
  return FSet;
}

bool TSelectedCellList::Has(int ACol, int ARow) const {
  return Set().contains(SelectedCellKey(ACol, ARow));
}

bool TSelectedCellList::Add(int ACol, int ARow) {
  const TSelectedCellKey key = SelectedCellKey(ACol, ARow);
  Set();
  if (!FSet.insert(key).second) return false;
  FKeys.push_back(key);
  return true;
}

bool TSelectedCellList::Remove(int ACol, int ARow) {
  const TSelectedCellKey key = SelectedCellKey(ACol, ARow);
  Set();
  if (FSet.erase(key) == 0) return false;
  FKeys.erase(std::find(FKeys.begin(), FKeys.end(), key));
  return true;
}

void TSelectedCellList::Clear() {
  FKeys.clear();
  FSet.clear();
  FSetStale = false;
}

void TSelectedCellList::AssignRect(const TGridRect& R) {
  Clear();
  const int left = std::min(R.Left, R.Right);
  const int right = std::max(R.Left, R.Right);
  const int top = std::min(R.Top, R.Bottom);
  const int bottom = std::max(R.Top, R.Bottom);
  FKeys.reserve(static_cast<size_t>(right - left + 1) * static_cast<size_t>(bottom - top + 1));
  for (int c = left; c <= right; ++c) {
    for (int r = top; r <= bottom; ++r) FKeys.push_back(SelectedCellKey(c, r));
  }
  FSetStale = true;
}
