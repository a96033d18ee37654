// Column auto-size and the size hooks.
#include "grid/base/ColumnSize.h"
#include "grid/base/GridStrings.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/paint/ControlLook.h"

String TAdvStringGrid::GetFormattedCell(int ACol, int ARow) { return Cells(ACol, ARow); }

void TAdvStringGrid::UpdateColumnSize(int ACol, int& AWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TAdvStringGrid::UpdateAutoColumnSize(int ACol, int& AWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TAdvStringGrid::DoAutoSizeCol(int ACol, bool GrowOnly) {
  int first = 0;
  int last = RowCount() - 1;
  if (FColumnSize->Rows() == arNormal) {
    first = FixedRows();
    last = RowCount() - FFixedFooters - 1;
  } else if (FColumnSize->Rows() == arFixed) {
    last = FixedRows() - 1;
  }
  const int storageCol = RealColIndex(ACol);
  int widest = 0;
  for (int r = first; r <= last; ++r) {
    if (IsXMergedCell(ACol, r)) continue;
    int w = GetCellTextSize(storageCol, r).X;
    if (FControlLook->DropDownAlwaysVisible() && DoHasComboBox(storageCol, r)) w += 16;
    widest = std::max(widest, w);
  }
  int width = widest + GetHorzPadding() + 2 * GridLineWidth() + 2;
  if (GrowOnly && ColWidths(ACol) >= width) return;
  UpdateAutoColumnSize(storageCol, width);
  SetColWidths(ACol, ApplySizeLimits(width, FMinColWidth, FMaxColWidth));
}

// Grow-only applies to the padded width: a column already that wide stays,
// so repeated calls do not widen it again and again.
void TAdvStringGrid::AutoSizeCol(int ACol, int Padding) {
  const int before = ColWidths(ACol);
  DoAutoSizeCol(ACol, false);
  if (Padding != 0) {
    SetColWidths(ACol, ApplySizeLimits(ColWidths(ACol) + Padding, FMinColWidth, FMaxColWidth));
  }
  if (FSizeGrowOnly && ColWidths(ACol) < before) SetColWidths(ACol, before);
}

void TAdvStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding) {
  const int first = DoFixedCols ? 0 : FixedCols();
  const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
  for (int c = first; c <= last; ++c) AutoSizeCol(c, Padding);
}
