// The column grid: its collection kept in step with the grid's columns,
// headers, widths and moves.
#include "grid/model/AdvColumnGrid.h"

#include <algorithm>

#include "platform/gui/Menus.h"
#include "platform/sys/SysUtils.h"

TAdvColumnGrid::TAdvColumnGrid(TComponent* AOwner) : TAdvStringGrid(AOwner) {
  FColumnCollection = CreateColumns();
  WithoutRecursiveUpdate([this] { SyncColumnCount(); });
  FSaveCol = std::make_unique<TGridColumnItem>(nullptr);
}

TAdvColumnGrid::~TAdvColumnGrid() {
  FColumnCollection.reset();
  FSaveCol.reset();
}

std::unique_ptr<TGridColumnCollection> TAdvColumnGrid::CreateColumns() {
  return std::make_unique<TGridColumnCollection>(this);
}

void TAdvColumnGrid::WithoutRecursiveUpdate(const std::function<void()>& Action) {
  const bool old = FColumnCollection->NoRecursiveUpdate();
  FColumnCollection->SetNoRecursiveUpdate(true);
  try {
    Action();
  } catch (...) {
    FColumnCollection->SetNoRecursiveUpdate(old);
    throw;
  }
  FColumnCollection->SetNoRecursiveUpdate(old);
}

void TAdvColumnGrid::Loaded() {
  TAdvStringGrid::Loaded();
  SyncColumnCount();
  FColumnCollection->SetOrganization();
}

void TAdvColumnGrid::SetColCount(int Value) {
  TAdvStringGrid::SetColCount(Value);
  WithoutRecursiveUpdate([this] { SyncColumnCount(); });
}

void TAdvColumnGrid::InsertCols(int ColIndex, int CCount) {
  const int before = AllColCount();
  TAdvStringGrid::InsertCols(ColIndex, CCount);
  if (AllColCount() == before) return;
  WithoutRecursiveUpdate([&] {
    for (int i = 0; i < CCount; ++i) FColumnCollection->Insert(ColIndex);
  });
}

// One collection update at the end: deleting item by item would make the
// grid grow back a column after each deletion. Removing every column leaves
// the grid one empty column, and that gets a fresh item.
void TAdvColumnGrid::RemoveColList(const std::vector<int>& Cols) {
  TAdvStringGrid::RemoveColList(Cols);
  if (Cols.empty()) return;
  FColumnCollection->BeginUpdate();
  for (auto c = Cols.rbegin(); c != Cols.rend(); ++c)
    if (*c < FColumnCollection->Count()) FColumnCollection->Delete(*c);
  FColumnCollection->EndUpdate();
  WithoutRecursiveUpdate([this] { SyncColumnCount(); });
}

// A grouped grid ungroups before the scratch item takes the new column,
// or the old column would get the new one's settings.
void TAdvColumnGrid::Group(int ColIndex) {
  if (!IsGroupableColumn(ColIndex)) return;
  if (GroupColumn() > 0) UnGroup();
  if (TGridColumnItem* item = ColumnItem(ColIndex)) FSaveCol->Assign(*item);
  TAdvStringGrid::Group(ColIndex);
}

void TAdvColumnGrid::UnGroup() {
  const int column = GroupColumn();
  TAdvStringGrid::UnGroup();
  if (column <= 0) return;
  if (TGridColumnItem* item = ColumnItem(column)) item->Assign(*FSaveCol);
}

void TAdvColumnGrid::SetColumns(const TGridColumnCollection& Value) {
  FColumnCollection->Assign(Value);
}

TGridColumnItem* TAdvColumnGrid::ColumnByName(const String& AValue) const {
  for (int i = 0; i < FColumnCollection->Count(); ++i) {
    if (FColumnCollection->Items(i)->Name() == AValue) return FColumnCollection->Items(i);
  }
  return nullptr;
}

TGridColumnItem* TAdvColumnGrid::ColumnItem(int ACol) const {
  if (ACol < 0 || ACol >= FColumnCollection->Count()) return nullptr;
  return FColumnCollection->Items(ACol);
}

void TAdvColumnGrid::SyncColumnCount() {
  const int wanted = ColCount() + NumHiddenColumns();
  while (FColumnCollection->Count() < wanted) FColumnCollection->Add();
  while (FColumnCollection->Count() > wanted) {
    FColumnCollection->Delete(FColumnCollection->Count() - 1);
  }
}

void TAdvColumnGrid::RebuildColumnHeaders() {
  TStringList& headers = *ColumnHeaders();
  headers.BeginUpdate();
  headers.Clear();
  for (int i = 0; i < FColumnCollection->Count(); ++i) {
    headers.Add(FColumnCollection->Items(i)->Header());
  }
  headers.EndUpdate();
}

void TAdvColumnGrid::SyncColumnHeaders() {
  if (FixedRows() == 0) return;
  for (int i = 0; i < FColumnCollection->Count(); ++i) {
    TGridColumnItem* item = FColumnCollection->Items(i);
    if (item->Header().empty() && i < AllColCount() && !GridCells(i, 0).empty()) {
      item->SetHeaderDirect(GridCells(i, 0));
    }
  }
  RebuildColumnHeaders();
}

void TAdvColumnGrid::ColumnHeadersChanged() {
  const TStringList& headers = *ColumnHeaders();
  for (int i = 0; i < FColumnCollection->Count() && i < headers.Count(); ++i) {
    FColumnCollection->Items(i)->SetHeaderDirect(headers.Strings(i));
  }
}

void TAdvColumnGrid::ColWidthsChanged() {
  TAdvStringGrid::ColWidthsChanged();
  if (Loading() || Destroying() || !FColumnCollection) return;
  StoreColumnWidths();
}

void TAdvColumnGrid::StoreColumnWidths() {
  for (int d = 0; d < ColCount(); ++d) {
    if (TGridColumnItem* item = ColumnItem(RealColIndex(d))) item->SetStoredWidth(ColWidths(d));
  }
}

// The moved column's item goes with it, by copying into a new item.
void TAdvColumnGrid::ColumnMoved(int FromIndex, int ToIndex) {
  TGridColumnCollection& cols = *FColumnCollection;
  const bool oldNoUpdate = cols.NoRecursiveUpdate();
  cols.SetNoRecursiveUpdate(true);
  const int top = TopRow();
  const int from = RealColIndex(FromIndex);
  const int to = RealColIndex(ToIndex);
  TAdvStringGrid::ColumnMoved(FromIndex, ToIndex);
  if (from < cols.Count() && to < cols.Count()) {
    BeginUpdate();
    FColMoving = true;
    TGridColumnItem* scratch = static_cast<TGridColumnItem*>(cols.TCollection::Add());
    scratch->Assign(*cols.Items(from));
    cols.Delete(from);
    cols.Insert(to)->Assign(*scratch);
    cols.Delete(cols.Count() - 1);
    // The widths were stored while the items still stood in the old order.
    StoreColumnWidths();
    TGridModel::SetTopRow(top);
    FColMoving = false;
    EndUpdate();
  }
  cols.SetNoRecursiveUpdate(oldNoUpdate);
  if (OnAfterColumnMoved) OnAfterColumnMoved(this, from, to);
}

void TAdvColumnGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TAdvStringGrid::Notification(AComponent, Operation);
  if (Operation != opRemove || !FColumnCollection) return;
  for (int i = 0; i < FColumnCollection->Count(); ++i) {
    TGridColumnItem* item = FColumnCollection->Items(i);
    if (item->EditLink() == AComponent) item->SetEditLink(nullptr);
    if (item->ColumnPopup() == AComponent) item->SetColumnPopup(nullptr);
  }
}

String TAdvColumnGrid::GetVersionString() { return VersionText(GetVersionNr()) + u" Aug, 2012"; }
