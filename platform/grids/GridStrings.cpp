#include "platform/grids/GridStrings.h"

#include <algorithm>
#include <vector>

#include "platform/grids/GridModel.h"

int TGridStrings::Count() const { return FIsRow ? FGrid.ColCount() : FGrid.RowCount(); }

void TGridStrings::Check(int Index) const {
  if (Index < 0 || Index >= Count()) RaiseListIndexError(Index);
}

String TGridStrings::Strings(int Index) const {
  Check(Index);
  return FGrid.Cells(ColOf(Index), RowOf(Index));
}

void TGridStrings::SetStrings(int Index, const String& S) {
  Check(Index);
  FGrid.SetCells(ColOf(Index), RowOf(Index), S);
}

TObject* TGridStrings::Objects(int Index) const {
  Check(Index);
  return FGrid.Objects(ColOf(Index), RowOf(Index));
}

void TGridStrings::SetObjects(int Index, TObject* AObject) {
  Check(Index);
  FGrid.SetObjects(ColOf(Index), RowOf(Index), AObject);
}

int TGridStrings::AddObject(const String& S, TObject* AObject) {
  for (int i = 0; i < Count(); ++i) {
    if (!FGrid.Cells(ColOf(i), RowOf(i)).empty()) continue;
    SetStrings(i, S);
    SetObjects(i, AObject);
    return i;
  }
  return -1;
}

void TGridStrings::InsertObject(int, const String&, TObject*) {
  throw EInvalidGridOperation(u"Operation not supported");
}

void TGridStrings::Delete(int) { throw EInvalidGridOperation(u"Operation not supported"); }

void TGridStrings::Clear() {
  for (int i = 0; i < Count(); ++i) {
    FGrid.SetCells(ColOf(i), RowOf(i), String());
    FGrid.SetObjects(ColOf(i), RowOf(i), nullptr);
  }
}

void TGridStrings::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TStrings*>(&Source);
  if (!src) return TStrings::Assign(Source);
  // Taken first: the source may be a line crossing this one.
  int n = std::min(Count(), src->Count());
  std::vector<String> texts;
  std::vector<TObject*> objects;
  for (int i = 0; i < n; ++i) {
    texts.push_back(src->Strings(i));
    objects.push_back(src->Objects(i));
  }
  for (int i = 0; i < Count(); ++i) {
    bool copied = i < n;
    FGrid.SetCells(ColOf(i), RowOf(i), copied ? texts[static_cast<size_t>(i)] : String());
    FGrid.SetObjects(ColOf(i), RowOf(i), copied ? objects[static_cast<size_t>(i)] : nullptr);
  }
}
