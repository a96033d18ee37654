#include "grid/base/SyncGrid.h"

#include "platform/grids/StringGrid.h"

// The owner hears when the grid goes, and forgets it.
void TSyncGrid::SetGrid(TStringGrid* Value) {
  if (Value == FOwner) return;
  if (FGrid && FOwner) FGrid->RemoveFreeNotification(FOwner);
  FGrid = Value;
  if (FGrid && FOwner) FGrid->FreeNotification(FOwner);
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
