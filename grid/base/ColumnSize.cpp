#include "grid/base/ColumnSize.h"

void TColumnSize::SetStretch(bool Value) {
  FStretch = Value;
  if (OnStretch) OnStretch(this);
}

void TColumnSize::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TColumnSize*>(&Source);
  if (!src) return;
  FRows = src->FRows;
  FSave = src->FSave;
  FKey = src->FKey;
  FSection = src->FSection;
  FStretch = src->FStretch;
  FStretchColumn = src->FStretchColumn;
  FSynchWithGrid = src->FSynchWithGrid;
  FSynchNormalCellsOnly = src->FSynchNormalCellsOnly;
  FLocation = src->FLocation;
}
