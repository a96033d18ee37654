// The grid's grouping methods; the work is done by its row grouping.
#include <algorithm>

#include "grid/model/AdvStringGridPrivate.h"

void TAdvStringGrid::Group(int ColIndex) { FGrouper->Group(ColIndex); }
void TAdvStringGrid::UnGroup() { FGrouper->UnGroup(); }
void TAdvStringGrid::SubGroup(int ColIndex) { FGrouper->SubGroup(ColIndex); }
void TAdvStringGrid::SubUnGroup(int ColIndex) { FGrouper->SubUnGroup(ColIndex); }
bool TAdvStringGrid::IsGrouping() const { return FGrouper->IsGrouping(); }
int TAdvStringGrid::SubGroupColumn() const { return FGrouper->SubGroupColumn(); }

void TAdvStringGrid::SetGroupColumn(int Value) {
  if (Value == -1)
    UnGroup();
  else if (Value > 0)
    Group(Value);
}

bool TAdvStringGrid::IsGroupableColumn(int ColIndex) const {
  return ColIndex >= std::max(FixedCols(), 1) && ColIndex < ColCount();
}
