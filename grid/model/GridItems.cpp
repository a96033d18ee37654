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

namespace {

bool IdxBelow(const TGridItemPtr& Item, int Row) { return Item->Idx() < Row; }

}  // namespace

TGridItem* TGridItems::AddItem() {
  FItems.push_back(std::make_unique<TGridItem>());
  return FItems.back().get();
}

// Merged from the back in place: only the items after the first new one
// move, so rows parked one by one down the grid cost no walk of the store.
void TGridItems::MergeIn(std::vector<TGridItemPtr> Items) {
  if (Items.empty()) return;
  auto less = [](const TGridItemPtr& A, const TGridItemPtr& B) { return A->Idx() < B->Idx(); };
  size_t old = FItems.size(), add = Items.size();
  FItems.resize(old + add);
  for (size_t write = old + add; add > 0;) {
    if (old > 0 && less(Items[add - 1], FItems[old - 1]))
      FItems[--write] = std::move(FItems[--old]);
    else
      FItems[--write] = std::move(Items[--add]);
  }
}

std::vector<TGridItemPtr> TGridItems::Extract(const std::function<bool(const TGridItem&)>& Pred) {
  std::vector<TGridItemPtr> taken, kept;
  kept.reserve(FItems.size());
  for (auto& item : FItems) (Pred(*item) ? taken : kept).push_back(std::move(item));
  FItems = std::move(kept);
  return taken;
}

int TGridItems::CountBelow(int ARow) const {
  return static_cast<int>(std::lower_bound(FItems.begin(), FItems.end(), ARow, IdxBelow) -
                          FItems.begin());
}

TGridItem* TGridItems::FindRealRow(int ARow) const {
  auto it = std::lower_bound(FItems.begin(), FItems.end(), ARow, IdxBelow);
  return it != FItems.end() && (*it)->Idx() == ARow ? it->get() : nullptr;
}

// Item k has Idx(k) - k shown rows before it; displayed row ARow lies after
// every item with at most ARow shown rows before it.
int TGridItems::DisplToRealRow(int ARow) const {
  if (FItems.empty() || ARow < 0) return ARow;
  return ARow + CountUpToDispl(ARow);
}

int TGridItems::CountUpToDispl(int ARow) const {
  int lo = 0, hi = Count();
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    if (Item(mid)->Idx() - mid <= ARow)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
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
  for (const auto& item : FItems) top = std::max(top, item->Level());
  return top;
}
