// Row and column counts, fixed counts and the current cell, with the rules
// the string grid adds to the platform grid's own.
#include <algorithm>

#include "grid/base/SearchFooter.h"
#include "grid/base/SyncGrid.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/FooterPanel.h"

bool TAdvStringGrid::IsIgnoredColumn(int ACol) const { return FIgnoreColumns->HasValue(ACol); }

void TAdvStringGrid::ApplyRowCount(int Value) {
  // Rows cut off with their records may take node rows along.
  const bool nodes = FNodes && FNodes->NumNodes() > 0;
  for (int r = std::max(Value, 1); nodes && r < RowCount(); ++r) {
    if (GridObjects(0, r)) {
      FNodes->NodesMayBeGone();
      break;
    }
  }
  TBaseGrid::SetRowCount(Value);
  // The platform lowers the fixed rows with the rows; keep the minimum.
  if (FValues.FixedRowAlways && RowCount() > FFixedRowsMin) TGridModel::SetFixedRows(FFixedRowsMin);
  FMaxRowCount = std::max(FMaxRowCount, Value);
  FNormalRowCount = Value;
  ApplyScrollBarAlways(false);
}

void TAdvStringGrid::SetColCount(int Value) {
  TGridModel::SetColCount(Value);
  ShowHiddenColumnsPastEnd();
  if (FValues.FixedColAlways && ColCount() > FFixedColsMin) TGridModel::SetFixedCols(FFixedColsMin);
  FMaxColCount = std::max(FMaxColCount, Value);
  ApplyScrollBarAlways(false);
}

int TAdvStringGrid::FixedRows() const {
  const int n = TGridModel::FixedRows();
  return n == 0 && FValues.FixedRowAlways ? 1 : n;
}

int TAdvStringGrid::FixedCols() const {
  const int n = TGridModel::FixedCols();
  return n == 0 && FValues.FixedColAlways ? 1 : n;
}

void TAdvStringGrid::SetFixedRows(int Value) {
  TGridModel::SetFixedRows(FValues.FixedRowAlways && Value >= RowCount() ? RowCount() - 1 : Value);
  if (!Loading()) FFixedRowsMin = Value;
}

void TAdvStringGrid::SetFixedCols(int Value) {
  TGridModel::SetFixedCols(FValues.FixedColAlways && Value >= ColCount() ? ColCount() - 1 : Value);
  if (!Loading()) FFixedColsMin = Value;
}

void TAdvStringGrid::SetRow(int Value) {
  if (Col() < 0 || Col() >= ColCount()) FocusCell(FixedCols(), Value, true);
  TGridModel::SetRow(Value);
  if (Row() != FState->OldRowSel && OnRowUpdate) {
    OnRowUpdate(this, FState->OldRowSel, Row());
    FState->OldRowSel = Row();
  }
  if (FSyncGrid->Grid() && FSyncGrid->SelectionRow()) FSyncGrid->Grid()->SetRow(Row());
}

void TAdvStringGrid::SetCol(int Value) { TGridModel::SetCol(Value); }

void TAdvStringGrid::SetTopRow(int Value) {
  if (Value >= FixedRows() && Value <= RowCount() - 1) TGridModel::SetTopRow(Value);
}

void TAdvStringGrid::SetDefaultRowHeight(int Value) {
  TGridModel::SetDefaultRowHeight(Value);
  FFloatingFooter->SetHeight(Value);
  if (FFloatingFooter->Visible() && FFooterPanel) FFooterPanel->SetHeight(Value);
}

void TAdvStringGrid::SetFixedRowHeight(int Value) {
  FFixedRowHeight = Value;
  if (Loading()) return;
  if (Value == DefaultRowHeight()) {
    SetDefaultRowHeight(Value);
    return;
  }
  for (int r = 0; r < FixedRows(); ++r) SetRowHeights(r, Value);
}

void TAdvStringGrid::SetFixedColWidth(int Value) {
  if (Loading() || Value == DefaultColWidth()) return;
  for (int c = 0; c < FixedCols(); ++c) SetColWidths(c, Value);
}

void TAdvStringGrid::SetFixedFooters(int Value) {
  FFixedFooters = Value;
  Invalidate();
}

void TAdvStringGrid::SetFixedRightCols(int Value) {
  FFixedRightCols = Value;
  Invalidate();
}

void TAdvStringGrid::SetDefaultAlignment(TAlignment Value) {
  if (Value == FDefaultAlignment) return;
  FDefaultAlignment = Value;
  Invalidate();
}

void TAdvStringGrid::SetWordWrap(bool Value) {
  TBaseGrid::SetWordWrap(Value);
  if (FUpdateCount == 0) Invalidate();
}
