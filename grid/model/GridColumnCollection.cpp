#include "grid/model/GridColumnCollection.h"

#include <algorithm>
#include <vector>

#include "grid/model/AdvColumnGrid.h"

namespace {

// Items are whole before they join: the collection's update reads them.
TCollectionItemFactory ColumnItemFactory() {
  return [](TCollection* c) -> std::unique_ptr<TCollectionItem> {
    auto* owner = static_cast<TGridColumnCollection*>(c);
    auto item = std::make_unique<TGridColumnItem>(owner);
    item->SetDefIdx(owner->NextDefIdx());
    return item;
  };
}

}  // namespace

TGridColumnCollection::TGridColumnCollection(TAdvColumnGrid* Grid)
    : TCollection(Grid, ColumnItemFactory()), FGrid(Grid) {}

TGridColumnItem* TGridColumnCollection::Add() {
  auto* item = static_cast<TGridColumnItem*>(TCollection::Add());
  if (Count() > 1) item->AssignVisuals(*Items(Count() - 2));
  return item;
}

TGridColumnItem* TGridColumnCollection::Insert(int Index) {
  return static_cast<TGridColumnItem*>(TCollection::Insert(Index));
}

int TGridColumnCollection::NextDefIdx() const {
  std::vector<bool> used(static_cast<size_t>(Count()) + 1, false);
  for (int i = 0; i < Count(); ++i) {
    const int d = Items(i)->DefIdx();
    if (d >= 0 && d <= Count()) used[static_cast<size_t>(d)] = true;
  }
  return static_cast<int>(std::find(used.begin(), used.end(), false) - used.begin());
}

bool TGridColumnCollection::DefIdxIsPermutation() const {
  std::vector<bool> seen(static_cast<size_t>(Count()), false);
  for (int i = 0; i < Count(); ++i) {
    const int d = Items(i)->DefIdx();
    if (d < 0 || d >= Count() || seen[static_cast<size_t>(d)]) return false;
    seen[static_cast<size_t>(d)] = true;
  }
  return true;
}

void TGridColumnCollection::Update(TCollectionItem* Item) {
  if (UpdateCount() > 0 || FNoRecursiveUpdate || !FGrid || FGrid->Loading()) return;
  const int columns = Count() - FGrid->NumHiddenColumns();
  if (columns != FGrid->ColCount() && columns > FGrid->FixedCols()) FGrid->SetColCount(columns);
  FGrid->SyncColumnHeaders();
  FGrid->Invalidate();
}

void TGridColumnCollection::SetOrganization() {
  const bool old = FNoRecursiveUpdate;
  FNoRecursiveUpdate = true;
  if (FGrid) FGrid->SyncColumnCount();
  FNoRecursiveUpdate = old;
  for (int i = 0; i < Count(); ++i) Items(i)->SetDefIdx(i);
}

// With a permutation every move puts one column where it belongs for good,
// so Count passes always suffice; the bound keeps a bad move from looping.
bool TGridColumnCollection::ResetOrganization() {
  if (!FGrid || !DefIdxIsPermutation()) return false;
  for (int pass = 0; pass <= Count(); ++pass) {
    bool moved = false;
    for (int i = 0; i < Count(); ++i) {
      const int target = Items(i)->DefIdx();
      if (target < i) {
        FGrid->MoveColumn(i, target);
        moved = true;
      }
    }
    if (!moved) return true;
  }
  return false;
}
