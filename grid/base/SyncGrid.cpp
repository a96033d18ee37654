#include "grid/base/SyncGrid.h"

void TSyncGrid::SetGrid(TStringGrid* Value) {
  if (Value == FOwner) return;
  FGrid = Value;
}

void TSyncGrid::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TSyncGrid*>(&Source);
  if (!src) return;
  SetGrid(src->FGrid);
  FScrollVertical = src->FScrollVertical;
  FScrollHorizontal = src->FScrollHorizontal;
  FSelectionColumn = src->FSelectionColumn;
  FSelectionRow = src->FSelectionRow;
  FMoveColumn = src->FMoveColumn;
  FMoveRow = src->FMoveRow;
}
