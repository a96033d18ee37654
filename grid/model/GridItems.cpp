#include "grid/model/GridItems.h"

#include <algorithm>

// ---- THiddenRowCells

int THiddenRowCells::Count() const {
  if (!FRow) return 0;
  return static_cast<int>(std::max(FRow->Texts.size(), FRow->Objects.size()));
}

const String& THiddenRowCells::Strings(int Index) const {
  static const String empty;
  if (!FRow || Index < 0 || Index >= static_cast<int>(FRow->Texts.size())) return empty;
  return FRow->Texts[static_cast<size_t>(Index)];
}

TObject* THiddenRowCells::Objects(int Index) const {
  if (!FRow || Index < 0 || Index >= static_cast<int>(FRow->Objects.size())) return nullptr;
  return FRow->Objects[static_cast<size_t>(Index)];
}

TCellStore::TRow& THiddenRowCells::Row() {
  if (!FRow) FRow = std::make_unique<TCellStore::TRow>();
  return *FRow;
}

void THiddenRowCells::SetStrings(int Index, const String& Value) {
  if (Index < 0) return;
  auto& texts = Row().Texts;
  if (Index >= static_cast<int>(texts.size())) texts.resize(static_cast<size_t>(Index) + 1);
  texts[static_cast<size_t>(Index)] = Value;
}

void THiddenRowCells::SetObjects(int Index, TObject* Value) {
  if (Index < 0) return;
  auto& objects = Row().Objects;
  if (Index >= static_cast<int>(objects.size())) objects.resize(static_cast<size_t>(Index) + 1);
  objects[static_cast<size_t>(Index)] = Value;
}

void THiddenRowCells::AddObject(const String& S, TObject* AObject) {
  const int at = Count();
  SetStrings(at, S);
  SetObjects(at, AObject);
}

void THiddenRowCells::FreeObjects() {
  if (!FRow) return;
  for (TObject*& o : FRow->Objects) {
    delete o;
    o = nullptr;
  }
}

void THiddenRowCells::Clear() {
  FreeObjects();
  FRow.reset();
}

void THiddenRowCells::PutRow(TCellStore::TRowPtr Row) {
  FreeObjects();
  FRow = std::move(Row);
}

namespace {

template <class T>
void InsertAt(std::vector<T>& V, int Index, int Count) {
  if (Index < static_cast<int>(V.size())) V.insert(V.begin() + Index, static_cast<size_t>(Count), T{});
}

template <class T>
void EraseAt(std::vector<T>& V, int Index, int Count) {
  const int size = static_cast<int>(V.size());
  if (Index < size) V.erase(V.begin() + Index, V.begin() + std::min(size, Index + Count));
}

}  // namespace

void THiddenRowCells::InsertCols(int Index, int Count) {
  if (!FRow) return;
  InsertAt(FRow->Texts, Index, Count);
  InsertAt(FRow->Objects, Index, Count);
}

void THiddenRowCells::DeleteCols(int Index, int Count) {
  if (!FRow) return;
  for (int i = Index; i < Index + Count; ++i) {
    delete Objects(i);
    if (i < static_cast<int>(FRow->Objects.size())) FRow->Objects[static_cast<size_t>(i)] = nullptr;
  }
  EraseAt(FRow->Texts, Index, Count);
  EraseAt(FRow->Objects, Index, Count);
}

// ---- TGridItems

template <class P>
int TGridItems::PartitionPoint(P Past) const {
  int lo = 0, hi = Count();
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (Past(mid, *Item(mid)))
      hi = mid;
    else
      lo = mid + 1;
  }
  return lo;
}

TGridItem* TGridItems::AddItem() {
  const size_t at = FItems.Size();
  FItems.Open(at, 1);
  FItems[at] = std::make_unique<TGridItem>();
  return FItems[at].get();
}

// Items that all fall between the same two items open there in the gap
// buffer: rows hidden one by one move only the items between two hides.
// Others merge from the back in one pass.
void TGridItems::MergeIn(std::vector<TGridItemPtr> Items) {
  if (Items.empty()) return;
  const auto at = static_cast<size_t>(CountBelow(Items.front()->Idx()));
  if (at == FItems.Size() || Items.back()->Idx() < FItems[at]->Idx()) {
    FItems.Open(at, Items.size());
    for (size_t i = 0; i < Items.size(); ++i) FItems[at + i] = std::move(Items[i]);
    return;
  }
  std::vector<TGridItemPtr>& flat = FItems.Flat();
  auto less = [](const TGridItemPtr& A, const TGridItemPtr& B) { return A->Idx() < B->Idx(); };
  size_t old = flat.size(), add = Items.size();
  flat.resize(old + add);
  for (size_t write = old + add; add > 0;) {
    if (old > 0 && less(Items[add - 1], flat[old - 1]))
      flat[--write] = std::move(flat[--old]);
    else
      flat[--write] = std::move(Items[--add]);
  }
}

std::vector<TGridItemPtr> TGridItems::Extract(const std::function<bool(const TGridItem&)>& Pred) {
  std::vector<TGridItemPtr>& flat = FItems.Flat();
  std::vector<TGridItemPtr> taken;
  size_t write = 0;
  for (auto& item : flat) {
    if (Pred(*item))
      taken.push_back(std::move(item));
    else
      flat[write++] = std::move(item);
  }
  flat.resize(write);
  return taken;
}

int TGridItems::CountBelow(int ARow) const {
  return PartitionPoint([ARow](int, const TGridItem& I) { return I.Idx() >= ARow; });
}

TGridItem* TGridItems::FindRealRow(int ARow) const {
  const int k = CountBelow(ARow);
  return k < Count() && Item(k)->Idx() == ARow ? Item(k) : nullptr;
}

// Item k has Idx(k) - k shown rows before it; displayed row ARow lies after
// every item with at most ARow shown rows before it.
int TGridItems::DisplToRealRow(int ARow) const {
  if (Count() == 0 || ARow < 0) return ARow;
  return ARow + CountUpToDispl(ARow);
}

int TGridItems::CountUpToDispl(int ARow) const {
  return PartitionPoint([ARow](int k, const TGridItem& I) { return I.Idx() - k > ARow; });
}

void TGridItems::RowsInserted(int ARealRow, int Count) {
  for (int k = CountBelow(ARealRow); k < this->Count(); ++k) Item(k)->SetIdx(Item(k)->Idx() + Count);
}

void TGridItems::RowsRemoved(int ADisplRow, int Count) {
  for (int k = 0; k < this->Count(); ++k) {
    TGridItem* item = Item(k);
    const int shownBefore = item->Idx() - k;
    item->SetIdx(item->Idx() - std::clamp(shownBefore - ADisplRow, 0, Count));
  }
}

int TGridItems::TopLevel() const {
  int top = 0;
  for (int k = 0; k < Count(); ++k) top = std::max(top, Item(k)->Level());
  return top;
}
