// Filtering rows into filter levels of the hidden-row store, and the
// observers told of cell changes.
#include <algorithm>

#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/Filter.h"
#include "grid/model/FilterRun.h"
#include "grid/model/GridChangeNotifier.h"
#include "platform/sys/FloatText.h"

bool TAdvStringGrid::FilterActive() const { return FState->FilterActive; }

void TAdvStringGrid::SetFilterActive(bool Value) {
  if (Value != FState->FilterActive) {
    FState->FilterActive = Value;
    if (Value) {
      if (Col() >= ColCount() || Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
      BeginUpdate();
      ApplyFilter();
      EndUpdate();
      FSelHidden = false;
    } else {
      TakeBackFilterLevel();
    }
    if (FixedRows() < RowCount()) SetTopRow(FixedRows());
  }
  CalcFooter(-1);
}

bool TAdvStringGrid::RowMatchesFilter(int ARow) {
  bool accept = FState->FilterRun ? FState->FilterRun->Matches(ARow) : TFilterRun(*this).Matches(ARow);
  if (OnCustomFilter) OnCustomFilter(this, ARow, accept);
  return accept;
}

void TAdvStringGrid::FilterRow(int ARow) {
  if (!RowMatchesFilter(ARow)) HideRow(RealRowIndex(ARow));
}

void TAdvStringGrid::ApplyFilter() {
  FState->FilterFixedRows = FixedRows();
  TFilterRun run(*this);
  FState->FilterRun = &run;
  struct Done {
    TAdvGridState& S;
    ~Done() { S.FilterRun = nullptr; }
  } done{*FState};
  const int first = FixedRows(), last = RowCount() - FFixedFooters - 1;
  const int total = last - first + 1;
  const bool normalOnly = FValues.FilterNormalCellsOnly;
  std::vector<int> rows;
  int tested = 0;
  for (int r = first; r <= last; ++r) {
    if (normalOnly && (IsNode(r) || IsSummary(r))) continue;
    if (!RowMatchesFilter(r)) rows.push_back(r);
    ReportFilterProgress(++tested, total);
  }
  HideRowList(rows);
  ReportFilterProgress(tested, total);
}

void TAdvStringGrid::ReportFilterProgress(int Tested, int Total) {
  if (OnFilterProgress && Total > 0) OnFilterProgress(this, static_cast<short>(Round(Tested * 100.0 / Total)));
}

void TAdvStringGrid::TakeBackFilterLevel() {
  UnHideRowList();
  if (FState->FilterFixedRows >= 0) SetFixedRows(FState->FilterFixedRows);
  if (FSelHidden) UnHideSelection();
}

bool TAdvStringGrid::RemoveLastFilter() {
  if (FFilterLevel <= 0) return false;
  TakeBackFilterLevel();
  CalcFooter(-1);
  --FFilterLevel;
  return FFilterLevel > 1;
}

void TAdvStringGrid::RemoveAllFilters() {
  if (FFilterLevel == 0) {
    FFilter->Clear();
    return;
  }
  while (FFilterLevel > 0) RemoveLastFilter();
}

void TAdvStringGrid::ReplaceFilterBy(const String& ACondition, int AColumn, bool Quote) {
  FFilter->Clear();
  TFilterData* d = FFilter->Add();
  d->SetCaseSensitive(false);
  d->SetColumn(AColumn);
  if (AColumn == -1) {
    d->SetData(fcRow);
    d->SetCondition(ACondition);
    return;
  }
  d->SetData(fcNormal);
  String condition = u"*" + ACondition + u"*";
  if (Quote && condition.find(u' ') != String::npos) condition = u"\"" + condition + u"\"";
  d->SetCondition(condition);
}

void TAdvStringGrid::NarrowDown(const String& ACondition, int AColumn) {
  SetFixedRowAlways(true);
  const String& last = FState->LastFilter;
  const bool oneMore = ACondition.size() == last.size() + 1 && ACondition.starts_with(last);
  const bool oneLess = !ACondition.empty() && ACondition.size() + 1 == last.size() && last.starts_with(ACondition);
  if (oneMore) {
    ReplaceFilterBy(ACondition, AColumn, true);
    ApplyFilter();
  } else if (oneLess) {
    RemoveLastFilter();
  } else {
    RemoveAllFilters();
    if (!ACondition.empty()) {
      ReplaceFilterBy(ACondition, AColumn, false);
      ApplyFilter();
    }
  }
  FState->LastFilter = ACondition;
  if (ACondition.empty()) ShowEveryParkedRow();
}

// Rows parked by HideRows or contracted nodes come back with their cells
// and records (never thrown away); the nodes they belonged to show open.
void TAdvStringGrid::ShowEveryParkedRow() {
  if (NumHiddenRows() == 0) return;
  UnHideRowsAll();
  for (int r = 0; r < RowCount(); ++r) {
    if (GetNodeState(r)) GetCellGraphic(0, r)->SetCellBoolean(false);
  }
  CalcFooter(-1);
}

int TAdvStringGrid::FilterCol() const { return FState->FilterCol; }
void TAdvStringGrid::SetFilterCol(int Value) { FState->FilterCol = Value; }

void TAdvStringGrid::RegisterNotifier(TGridChangeNotifier* Item) {
  auto& list = FState->Notifiers;
  if (!Item || std::ranges::find(list, Item) != list.end()) return;
  list.push_back(Item);
  Item->FreeNotification(this);
}

void TAdvStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier) {
  auto& list = FState->Notifiers;
  const auto it = std::ranges::find(list, ANotifier);
  if (it == list.end()) return;
  list.erase(it);
  ANotifier->RemoveFreeNotification(this);
}

void TAdvStringGrid::CellsChanged(const TRect& R) {
  if (OnCellsChanged) OnCellsChanged(this, R);
  // A notifier may unregister itself or another while it is told.
  const std::vector<TGridChangeNotifier*> notifiers = FState->Notifiers;
  for (TGridChangeNotifier* n : notifiers) {
    if (std::ranges::find(FState->Notifiers, n) != FState->Notifiers.end()) n->CellsChanged(R);
  }
  CalcFooter(-1);
}
