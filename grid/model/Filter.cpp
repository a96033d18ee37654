#include "grid/model/Filter.h"

#include "grid/model/AdvStringGrid.h"

void TFilterData::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TFilterData*>(&Source);
  if (!src) {
    TCollectionItem::Assign(Source);
    return;
  }
  FColumn = src->FColumn;
  FCondition = src->FCondition;
  FCaseSensitive = src->FCaseSensitive;
  FData = src->FData;
  FPrefix = src->FPrefix;
  FSuffix = src->FSuffix;
  FOperation = src->FOperation;
  // A copied literal condition must stay literal.
  FMethod = src->FMethod;
}

TFilter::TFilter(TAdvStringGrid* Grid) : TCollection(Grid, ItemClass<TFilterData>()), FGrid(Grid) {}

TFilterData* TFilter::Add() {
  auto* item = static_cast<TFilterData*>(TCollection::Add());
  item->SetOperation(Count() == 1 ? foNONE : foAND);
  return item;
}

TFilterData* TFilter::Insert(int /*Index*/) { return static_cast<TFilterData*>(TCollection::Add()); }

TFilterData* TFilter::ColumnFilter(int Col) {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Column() == Col) return Items(i);
  TFilterData* item = Add();
  item->SetColumn(Col);
  return item;
}

bool TFilter::HasFilter(int Col) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Column() == Col) return true;
  return false;
}

void TFilter::RemoveColumnFilter(int Col) {
  for (int i = Count() - 1; i >= 0; --i)
    if (Items(i)->Column() == Col) Delete(i);
  if (FGrid) FGrid->RepaintCell(Col, 0);
}

String FilterEntryName(const String& Entry) {
  const auto eq = Entry.find(u'=');
  return eq == String::npos ? Entry : Entry.substr(0, eq);
}

String FilterEntryCondition(const String& Entry) {
  const auto eq = Entry.find(u'=');
  return eq == String::npos ? Entry : Entry.substr(eq + 1);
}
