// Inserting, deleting and moving rows and columns of the grid model.
#include <algorithm>

#include "platform/grids/GridModel.h"

namespace {

// Where index V ends up when the entry at From moves to To.
int Moved(int V, int From, int To) {
  if (V == From) return To;
  if (From < To && V > From && V <= To) return V - 1;
  if (To < From && V >= To && V < From) return V + 1;
  return V;
}

}  // namespace

void TGridModel::InsertRowSpan(int ARow, int Count) {
  if (ARow < 0 || ARow > RowCount() || Count < 0) RaiseGridIndexError();
  if (Count == 0) return;
  int oldRows = RowCount();
  FStore.InsertRows(ARow, Count);
  FRows.SetCount(oldRows + Count);
  FRows.InsertSizes(ARow, Count);
  if (FCurrent.Y >= ARow) FCurrent.Y += Count;
  if (FAnchor.Y >= ARow) FAnchor.Y += Count;
  KeepInside();
  SizeChanged(ColCount(), oldRows);
  InvalidateGrid();
}

void TGridModel::DeleteRow(int ARow) {
  CheckRow(ARow);
  DeleteRowSpan(ARow, 1);
}

namespace {

// Where a current or anchor row ends up when Count rows from ARow go.
int AfterDelete(int Y, int ARow, int Count) {
  if (Y >= ARow + Count) return Y - Count;
  return Y > ARow ? ARow : Y;
}

}  // namespace

void TGridModel::DeleteRowSpan(int ARow, int Count) {
  if (ARow < 0 || Count < 0 || ARow + Count > RowCount()) RaiseGridIndexError();
  if (Count == 0) return;
  if (Count == RowCount()) {  // a grid keeps one row: the last one is emptied instead
    if (Count > 1) DeleteRowSpan(1, Count - 1);
    FStore.ClearRow(0);
    InvalidateGrid();
    return;
  }
  int oldRows = RowCount();
  FStore.DeleteRows(ARow, Count);
  FRows.DeleteSizes(ARow, Count);
  FRows.SetCount(oldRows - Count);
  if (FRows.Fixed() >= RowCount()) FRows.SetFixed(RowCount() - 1);
  FCurrent.Y = AfterDelete(FCurrent.Y, ARow, Count);
  FAnchor.Y = AfterDelete(FAnchor.Y, ARow, Count);
  KeepInside();
  SizeChanged(ColCount(), oldRows);
  InvalidateGrid();
}

void TGridModel::CloseRowSlots(const std::vector<int>& Rows) {
  FStore.DeleteRowList(Rows);
  FRows.DeleteSizeList(Rows);
}

void TGridModel::InsertColumn(int ACol) {
  if (ACol < 0 || ACol > ColCount()) RaiseGridIndexError();
  int oldCols = ColCount();
  FStore.InsertCols(ACol, 1);
  FCols.SetCount(oldCols + 1);
  FCols.InsertSizes(ACol, 1);
  FStore.SetColHint(ColCount());
  if (FCurrent.X >= ACol) ++FCurrent.X;
  if (FAnchor.X >= ACol) ++FAnchor.X;
  KeepInside();
  SizeChanged(oldCols, RowCount());
  InvalidateGrid();
}

void TGridModel::DeleteColumn(int ACol) {
  if (ACol < 0 || ACol >= ColCount()) RaiseGridIndexError();
  int oldCols = ColCount();
  FStore.DeleteCols(ACol, 1);
  if (oldCols == 1) {  // a grid keeps one column: its cells are gone, the column stays
    InvalidateGrid();
    return;
  }
  FCols.DeleteSizes(ACol, 1);
  FCols.SetCount(oldCols - 1);
  FStore.SetColHint(ColCount());
  if (FCols.Fixed() >= ColCount()) FCols.SetFixed(ColCount() - 1);
  if (FCurrent.X > ACol) --FCurrent.X;
  if (FAnchor.X > ACol) --FAnchor.X;
  KeepInside();
  SizeChanged(oldCols, RowCount());
  InvalidateGrid();
}

void TGridModel::MoveColRow(bool IsColumn, int FromIndex, int ToIndex) {
  int count = IsColumn ? ColCount() : RowCount();
  if (FromIndex < 0 || FromIndex >= count || ToIndex < 0 || ToIndex >= count) RaiseGridIndexError();
  if (FromIndex == ToIndex) return;
  int& current = IsColumn ? FCurrent.X : FCurrent.Y;
  int& anchor = IsColumn ? FAnchor.X : FAnchor.Y;
  current = Moved(current, FromIndex, ToIndex);
  anchor = Moved(anchor, FromIndex, ToIndex);
  if (IsColumn)
    ColumnMoved(FromIndex, ToIndex);
  else
    RowMoved(FromIndex, ToIndex);
  InvalidateGrid();
}

void TGridModel::ColumnMoved(int FromIndex, int ToIndex) { FStore.MoveCol(FromIndex, ToIndex); }
void TGridModel::RowMoved(int FromIndex, int ToIndex) { FStore.MoveRow(FromIndex, ToIndex); }
