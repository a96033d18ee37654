// Clearing and removing by selection, check state or duplicate text. Rows
// and columns go in one pass, however many there are.
#include <algorithm>

#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/FoldedTextSet.h"
#include "grid/model/RowFlags.h"
#include "platform/sys/SysUtils.h"

namespace {

// The storage columns of displayed ones, ascending.
std::vector<int> StorageCols(TAdvStringGrid& G, const std::vector<int>& Displ) {
  std::vector<int> cols;
  for (int c : Displ) {
    const int real = G.RealColIndex(c);
    if (real >= 0 && real < G.AllColCount()) cols.push_back(real);
  }
  std::sort(cols.begin(), cols.end());
  cols.erase(std::unique(cols.begin(), cols.end()), cols.end());
  return cols;
}

std::vector<int> Range(int From, int To) {
  std::vector<int> v;
  for (int i = From; i <= To; ++i) v.push_back(i);
  return v;
}

}  // namespace

// By the row flags with disjunct row selection (by real row when the
// selection persists through hiding), else by the selection rectangle.
bool TAdvStringGrid::RowInSelection(int ARow) const {
  if (FMouseActions->DisjunctRowSelect()) return FlagAt(FRowSelect, SelectionRow(ARow)) != 0;
  const TGridRect sel = Selection();
  return ARow >= std::min(sel.Top, sel.Bottom) && ARow <= std::max(sel.Top, sel.Bottom);
}

int TAdvStringGrid::LastDataRow() const { return RowCount() - FFixedFooters - 1; }

void TAdvStringGrid::ClearSelection() {
  if (FMouseActions->DisjunctRowSelect()) {
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (RowInSelection(r)) ClearRows(r, 1);
  } else if (FMouseActions->DisjunctColSelect()) {
    for (int c = FixedCols(); c < ColCount(); ++c)
      if (FlagAt(FState->ColSelect, c)) ClearCols(RealColIndex(c), 1);
  } else {
    const TGridRect sel = Selection();
    ClearRect(sel.Left, sel.Top, sel.Right, sel.Bottom);
  }
}

void TAdvStringGrid::RemoveSelectedRows() {
  BeginUpdate();
  if (FMouseActions->DisjunctRowSelect()) {
    std::vector<int> rows;
    for (int r = FixedRows(); r <= LastDataRow(); ++r)
      if (RowInSelection(r)) rows.push_back(r);
    FRows->RemoveRowList(rows, false);
    ClearRowSelect();
  } else {
    const TGridRect sel = Selection();
    const int top = std::min(sel.Top, sel.Bottom), bottom = std::max(sel.Top, sel.Bottom);
    FRows->RemoveRowList(Range(top, bottom), false);
  }
  EndUpdate();
}

void TAdvStringGrid::RemoveUnSelectedRows() {
  BeginUpdate();
  std::vector<int> rows;
  for (int r = FixedRows(); r <= LastDataRow(); ++r)
    if (!RowInSelection(r)) rows.push_back(r);
  FRows->RemoveRowList(rows, false);
  if (FMouseActions->RowSelectPersistent())
    SelectRows(FixedRows(), LastDataRow() - FixedRows() + 1);
  else
    ClearRowSelect();
  EndUpdate();
}

// The check box is read by real row: a parked row above shifts the displayed ones.
void TAdvStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked) {
  BeginUpdate();
  std::vector<int> rows;
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (IsChecked(CheckBoxColumn, RealRowIndex(r)) == RemoveChecked) rows.push_back(r);
  FRows->RemoveRowList(rows, true);
  EndUpdate();
}

// Texts that differ only in case count as duplicates, with or without DoCase,
// folded as a case-insensitive string list compares them.
void TAdvStringGrid::RemoveDuplicates(int ACol, bool DoCase) {
  const int col = RealColIndex(ACol);
  BeginUpdate();
  const int first = FixedRows(), count = std::max(LastDataRow() - first + 1, 0);
  TFoldedTextSet seen(static_cast<size_t>(count));
  std::vector<int> rows;
  if (PlainTexts()) {  // the views are the stored texts: they hold while nothing changes
    seen.InsertEach(
        static_cast<size_t>(count), [&](size_t i) { return StringView(TGridModel::Cells(col, first + static_cast<int>(i))); },
        [&](size_t i) { rows.push_back(first + static_cast<int>(i)); });
  } else {
    for (int r = first; r < first + count; ++r)
      if (!seen.Insert(CellView(col, r))) rows.push_back(r);
  }
  FRows->RemoveRowList(rows, false);
  EndUpdate();
}

// Column selection and flags are displayed columns; they are mapped to
// storage columns before anything is removed.
void TAdvStringGrid::RemoveSelectedCols() {
  std::vector<int> cols;
  if (FMouseActions->DisjunctColSelect()) {
    for (int c = FixedCols(); c < ColCount(); ++c)
      if (FlagAt(FState->ColSelect, c)) cols.push_back(c);
    RemoveColList(StorageCols(*this, cols));
    for (auto c = cols.rbegin(); c != cols.rend(); ++c)
      if (*c < static_cast<int>(FState->ColSelect.size())) FState->ColSelect.erase(FState->ColSelect.begin() + *c);
    return;
  }
  const TGridRect sel = Selection();
  RemoveColList(StorageCols(*this, Range(std::min(sel.Left, sel.Right), std::max(sel.Left, sel.Right))));
}

void TAdvStringGrid::RemoveUnSelectedCols() {
  std::vector<int> cols;
  if (FMouseActions->DisjunctColSelect()) {
    for (int c = FixedCols(); c < ColCount(); ++c)
      if (!FlagAt(FState->ColSelect, c)) cols.push_back(c);
  } else {
    const TGridRect sel = Selection();
    const int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
    cols = Range(FixedCols(), left - 1);
    for (int c = right + 1; c < ColCount(); ++c) cols.push_back(c);
  }
  RemoveColList(StorageCols(*this, cols));
  ClearColSelect();
}
