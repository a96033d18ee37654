#include "grid/model/VisibleColumns.h"

#include <cstddef>

bool TVisibleColumns::GetVisibleCol(int Index) const {
  if (Index < 0 || Index > MaxHideable) return true;
  return FVisible[static_cast<std::size_t>(Index)];
}

void TVisibleColumns::SetVisibleCol(int Index, bool Value) {
  if (Index < 0 || Index > MaxHideable) return;
  bool& flag = FVisible[static_cast<std::size_t>(Index)];
  // Column 512 takes no part in the mapping, so it does not count.
  if (flag != Value && Index < MaxHideable) FNumHidden += Value ? -1 : 1;
  flag = Value;
}

int TVisibleColumns::DisplToRealCol(int ACol) const {
  if (AllVisible()) return ACol;
  if (ACol < 0) return 0;
  if (ACol >= VisibleBelowLimit()) return ACol + FNumHidden;
  int visibleBefore = 0;
  for (int j = 0; j < MaxHideable; ++j) {
    if (!FVisible[static_cast<std::size_t>(j)]) continue;
    if (visibleBefore == ACol) return j;
    ++visibleBefore;
  }
  return 0;
}

int TVisibleColumns::RealToDisplCol(int ACol) const {
  if (AllVisible()) return ACol;
  if (ACol >= MaxHideable) return ACol - FNumHidden;
  int hiddenBefore = 0;
  for (int j = 0; j < ACol; ++j) {
    if (!FVisible[static_cast<std::size_t>(j)]) ++hiddenBefore;
  }
  return ACol - hiddenBefore;
}
