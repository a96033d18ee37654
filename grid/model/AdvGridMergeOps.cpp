// Splitting and merging along a row or a column, joining two columns, and
// the two cell tests.
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/sys/SysUtils.h"

void TAdvStringGrid::SplitColumnCells(int ColIndex) {
  for (int r = 0; r < RowCount() - FFixedFooters - 1;) {
    const int span = CellSpan(ColIndex, r).Y;
    if (span > 0 && IsMergedCell(ColIndex, r)) {
      SplitCells(ColIndex, r);
      r += span + 1;
    } else {
      ++r;
    }
  }
}

void TAdvStringGrid::SplitRowCells(int RowIndex) {
  for (int c = 0; c < ColCount() - FFixedRightCols - 1;) {
    if (IsMergedCell(c, RowIndex)) {
      const int span = CellSpan(c, RowIndex).X;
      SplitCells(c, RowIndex);
      c += span + 1;
    } else {
      ++c;
    }
  }
}

void TAdvStringGrid::SplitAllCells() {
  if (FMergeCount == 0) return;
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < TotalColCount(); ++c)
      if (IsMergedCell(c, r)) SplitCells(c, r);
}

// Runs of equal texts down the column merge; without MainMerge a run also
// keeps within the vertical spans the rows already share.
void TAdvStringGrid::MergeColumnCells(int ColIndex, bool MainMerge) {
  const int end = RowCount() - FFixedFooters;
  int start = FixedRows();
  for (int r = FixedRows() + 1; r <= end; ++r) {
    const bool goesOn = r < end && Cells(ColIndex, r) == Cells(ColIndex, r - 1) &&
                        (MainMerge || RowSpanIdentical(r - 1, r));
    if (goesOn) continue;
    if (r - start > 1) MergeCells(ColIndex, start, 1, r - start);
    start = r;
  }
}

// Every run that ends inside the walk merges, one cell long or more; the
// last one only when it holds more than one cell.
void TAdvStringGrid::MergeRowCells(int RowIndex, bool MainMerge) {
  const int end = ColCount() - FFixedRightCols;
  int start = FixedCols();
  for (int c = FixedCols() + 1; c <= end; ++c) {
    const bool goesOn = c < end && Cells(c, RowIndex) == Cells(c - 1, RowIndex) &&
                        (MainMerge || ColSpanIdentical(c - 1, c));
    if (goesOn) continue;
    if (c < end || c - start > 1) MergeCells(start, RowIndex, c - start, 1);
    start = c;
  }
}

void TAdvStringGrid::SplitAllColumnCells() {
  for (int c = 0; c < ColCount(); ++c) SplitColumnCells(c);
}

void TAdvStringGrid::MergeAllColumnCells() {
  for (int i = 0; i < FMergedColumns->Count(); ++i) MergeColumnCells(FMergedColumns->Items(i), i == 0);
}

void TAdvStringGrid::MergedColumnsChanged() {
  SplitAllColumnCells();
  MergeAllColumnCells();
}

void TAdvStringGrid::MergeCols(int ColIndex1, int ColIndex2, const String& Separator) {
  for (int r = FixedRows(); r < RowCount(); ++r)
    SetCells(ColIndex1, r, Trim(Cells(ColIndex1, r) + Separator + Cells(ColIndex2, r)));
  RemoveCols(ColIndex2, 1);
}

bool TAdvStringGrid::IsWideCell(int ACol, int ARow) { return Cells(ACol, ARow).starts_with(u"|\\"); }

bool TAdvStringGrid::IsCell(const String& SubStr, int& ACol, int& ARow) {
  for (int r = 0; r < RowCount(); ++r) {
    for (int c = 0; c < ColCount(); ++c) {
      if (GetGridCell(c, r) != SubStr) continue;
      ACol = c;
      ARow = r;
      return true;
    }
  }
  return false;
}
