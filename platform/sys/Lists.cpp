#include "platform/sys/Lists.h"

#include <algorithm>

#include "platform/sys/Exceptions.h"

namespace {

// Moves v[from] to position to, shifting what lies between.
template <class T>
void MoveElement(std::vector<T>& v, int from, int to) {
  auto b = v.begin();
  if (from < to)
    std::rotate(b + from, b + from + 1, b + to + 1);
  else if (from > to)
    std::rotate(b + to, b + from, b + from + 1);
}

}  // namespace

// ---- TList ----

void TList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) RaiseListIndexError(Index);
}

void* TList::Items(int Index) const {
  CheckIndex(Index);
  return FItems[static_cast<size_t>(Index)];
}

void TList::SetItems(int Index, void* Item) {
  CheckIndex(Index);
  FItems[static_cast<size_t>(Index)] = Item;
}

int TList::Add(void* Item) {
  FItems.push_back(Item);
  return Count() - 1;
}

void TList::Insert(int Index, void* Item) {
  if (Index < 0 || Index > Count()) RaiseListIndexError(Index);
  FItems.insert(FItems.begin() + Index, Item);
}

void TList::Delete(int Index) {
  CheckIndex(Index);
  FItems.erase(FItems.begin() + Index);
}

int TList::Remove(void* Item) {
  const int i = IndexOf(Item);
  if (i >= 0) Delete(i);
  return i;
}

int TList::IndexOf(const void* Item) const {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  std::swap(FItems[static_cast<size_t>(Index1)], FItems[static_cast<size_t>(Index2)]);
}

void TList::Move(int CurIndex, int NewIndex) {
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  MoveElement(FItems, CurIndex, NewIndex);
}

void TList::Sort(const std::function<int(void*, void*)>& Compare) {
  std::stable_sort(FItems.begin(), FItems.end(), [&](void* a, void* b) { return Compare(a, b) < 0; });
}

// ---- TCollectionItem ----

TCollectionItem::TCollectionItem(TCollection* Collection) { SetCollection(Collection); }

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* Value) {
  if (FCollection == Value) return;
  if (FCollection) FCollection->RemoveItem(this);
  if (Value) Value->InsertItem(this);
}

int TCollectionItem::Index() const {
  if (!FCollection) return -1;
  const auto& items = FCollection->FItems;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
  const int cur = Index();
  if (cur >= 0 && cur != Value) FCollection->MoveItem(this, Value);
}

void TCollectionItem::Changed(bool AllItems) {
  if (FCollection && FCollection->UpdateCount() == 0) FCollection->Update(AllItems ? nullptr : this);
}

// ---- TCollection ----

TCollection::TCollection(TPersistent* AOwner, TCollectionItemFactory ItemFactory)
    : FOwner(AOwner), FItemFactory(std::move(ItemFactory)) {}

TCollection::~TCollection() {
  FUpdateCount = 1;  // no Update calls while going
  Clear();
}

TCollectionItem* TCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count()) RaiseListIndexError(Index);
  return FItems[static_cast<size_t>(Index)];
}

TCollectionItem* TCollection::Add() {
  std::unique_ptr<TCollectionItem> item = FItemFactory(this);
  if (item->Collection() != this) item->SetCollection(this);
  return item.release();  // owned by FItems now
}

TCollectionItem* TCollection::Insert(int Index) {
  if (Index < 0 || Index > Count()) RaiseListIndexError(Index);
  TCollectionItem* item = Add();
  item->SetIndex(Index);
  return item;
}

void TCollection::Delete(int Index) { delete Items(Index); }

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  while (!FItems.empty()) delete FItems.back();
  EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (TCollectionItem* item : FItems)
    if (item->ID() == ID) return item;
  return nullptr;
}

void TCollection::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TCollection*>(&Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  BeginUpdate();
  Clear();
  for (TCollectionItem* item : src->FItems) Add()->Assign(*item);
  EndUpdate();
}

void TCollection::BeginUpdate() { ++FUpdateCount; }

void TCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item) {
  FItems.push_back(Item);
  Item->FCollection = this;
  Item->FID = FNextID++;
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  FItems.erase(std::find(FItems.begin(), FItems.end(), Item));
  Item->FCollection = nullptr;
  Changed();
}

void TCollection::MoveItem(TCollectionItem* Item, int NewIndex) {
  NewIndex = std::clamp(NewIndex, 0, Count() - 1);
  MoveElement(FItems, Item->Index(), NewIndex);
  Changed();
}
