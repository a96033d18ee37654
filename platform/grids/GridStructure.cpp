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

void TGridModel::InsertRow(int ARow) {
  if (ARow < 0 || ARow > RowCount()) RaiseGridIndexError();
  int oldRows = RowCount();
  FStore.InsertRows(ARow, 1);
  FRows.SetCount(oldRows + 1);
  FRows.InsertSizes(ARow, 1);
  if (FCurrent.Y >= ARow) ++FCurrent.Y;
  if (FAnchor.Y >= ARow) ++FAnchor.Y;
  KeepInside();
  SizeChanged(ColCount(), oldRows);
  InvalidateGrid();
}

void TGridModel::DeleteRow(int ARow) {
  CheckRow(ARow);
  if (RowCount() == 1) {  // a grid keeps one row: the last one is emptied instead
    FStore.ClearRow(ARow);
    InvalidateGrid();
    return;
  }
  int oldRows = RowCount();
  FStore.DeleteRows(ARow, 1);
  FRows.DeleteSizes(ARow, 1);
  FRows.SetCount(oldRows - 1);
  if (FRows.Fixed() >= RowCount()) FRows.SetFixed(RowCount() - 1);
  if (FCurrent.Y > ARow) --FCurrent.Y;
  if (FAnchor.Y > ARow) --FAnchor.Y;
  KeepInside();
  SizeChanged(ColCount(), oldRows);
  InvalidateGrid();
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
