#include "grid/model/GridItems.h"

TGridItem::TGridItem(TCollection* Collection)
    : TCollectionItem(Collection), FItems(std::make_unique<TStringList>(true)) {}

TGridItem::~TGridItem() = default;

TGridItems::TGridItems(TPersistent* AOwner)
    : TCollection(AOwner, TCollection::ItemClass<TGridItem>()) {}

TGridItem* TGridItems::FindRealRow(int ARow) const {
  for (int i = 0; i < Count(); ++i) {
    if (Item(i)->Idx() == ARow) return Item(i);
  }
  return nullptr;
}

int TGridItems::DisplToRealRow(int ARow) const {
  if (Count() == 0 || ARow < 0) return ARow;
  int shown = 0;
  int r = -1;
  while (shown <= ARow) {
    ++r;
    if (!IsHiddenRow(r)) ++shown;
  }
  return r;
}

int TGridItems::RealToDisplRow(int ARow) const {
  int before = 0;
  for (int i = 0; i < Count(); ++i) {
    if (Item(i)->Idx() < ARow) ++before;
  }
  return ARow - before;
}
