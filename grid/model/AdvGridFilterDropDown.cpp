// What a choice in a column's filter drop-down does.
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/Filter.h"
#include "grid/model/FilterDropLists.h"

namespace {

template <class List>
List* MakeDropList(TAdvStringGrid* Grid) {
  auto* list = new List(Grid);  // owned by the grid as a component
  list->SetVisible(false);
  list->SetBounds(0, 0, 0, 0);
  list->SetParent(Grid);
  return list;
}

}  // namespace

void TAdvStringGrid::SetFilterDropDownAuto(bool Value) {
  FValues.FilterDropDownAuto = Value;
  Invalidate();
}

void TAdvStringGrid::SetFilterDropDownRow(int Value) {
  if (Value < 0 || Value >= FixedRows()) return;
  FValues.FilterDropDownRow = Value;
  Invalidate();
}

TDropList* TAdvStringGrid::FilterDropList() {
  if (!FState->DropList) {
    FState->DropList = MakeDropList<TDropList>(this);
    FState->DropList->OnSelect = [this](TObject* Sender, int ItemIndex) { FilterListSelect(Sender, ItemIndex); };
  }
  return FState->DropList;
}

TDropCheckList* TAdvStringGrid::FilterDropCheckList() {
  if (!FState->DropCheckList) {
    FState->DropCheckList = MakeDropList<TDropCheckList>(this);
    FState->DropCheckList->OnSelect = [this](TObject*, int) { FilterCheckListSelect(); };
  }
  return FState->DropCheckList;
}

void TAdvStringGrid::FilterListSelect(TObject* Sender, int ItemIndex) {
  if (CanFocus()) SetFocus();
  const int col = FState->FilterCol;
  const auto valid = [&] { return ItemIndex >= 0 && ItemIndex < FFilterList->Count(); };
  if (col >= 0 && col < AllColCount() && valid()) {
    FillColumnFilterList(col);
    if (valid()) {
      const String entry = FFilterList->Strings(ItemIndex);
      String condition = FilterEntryCondition(entry);
      if (condition == FValues.FilterDropDownClear) condition.clear();
      if (FValues.AutoFilterUpdate) SetFilterActive(false);
      if (OnFilterSelect) OnFilterSelect(Sender, col, ItemIndex, FilterEntryName(entry), condition);
      if (!condition.empty()) FFilter->ColumnFilter(col)->SetCondition(condition);
      else FFilter->RemoveColumnFilter(col);
      if (FValues.AutoFilterUpdate) {
        SetFixedRowAlways(true);
        FilterChoiceDone();
      }
    }
  }
  FState->FilterCol = -1;
}

void TAdvStringGrid::FilterChoiceDone() {
  SetFilterActive(true);
  const bool onlyFixed = RowCount() <= FixedRows() || (RowCount() == 1 && FValues.FixedRowAlways);
  if (!onlyFixed) SetRow(FixedRows());
  DoFilterDone();
}

void TAdvStringGrid::FilterCheckListSelect() {
  const int col = FState->FilterCol;
  if (col < 0 || col >= AllColCount()) return;
  FillColumnFilterList(col);
  if (FValues.AutoFilterUpdate) SetFilterActive(false);
  FFilter->Clear();
  TDropCheckList* list = FilterDropCheckList();
  for (int i = 0; i < list->Items().Count(); ++i) {
    if (!list->Checked(i)) continue;
    const String entry = list->Items().Strings(i);
    String condition = FilterEntryCondition(entry);
    if (condition == FValues.FilterDropDownClear) condition.clear();
    if (OnFilterCheck) OnFilterCheck(this, col, i, FilterEntryName(entry), condition, list);
    const bool first = FFilter->Count() == 0;
    TFilterData* d = FFilter->Add();
    d->SetColumn(col);
    d->SetCondition(condition);
    d->SetOperation(first ? foNONE : foOR);
  }
  SetFilterActive(true);
  list->Invalidate();
}
