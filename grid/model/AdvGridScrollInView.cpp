// Bringing a cell into view: the column or row out of view becomes current
// and is centred, and a visible search footer never covers its row.
#include "grid/base/SearchFooter.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/SearchPanel.h"

namespace {

bool InView(int Index, int First, int Visible) { return Index >= First && Index < First + Visible; }

}  // namespace

void TAdvStringGrid::ScrollInView(int ColIndex, int RowIndex) {
  if (ColIndex >= ColCount() || RowIndex >= RowCount()) return;
  int left = LeftCol();
  int top = TopRow();
  const int visCols = VisibleColCount();
  const int visRows = VisibleRowCount();
  if (!InView(ColIndex, left, visCols)) {
    SetCol(ColIndex);
    left = std::max(ColIndex - visCols / 2, FixedCols());
  }
  if (!InView(RowIndex, top, visRows)) {
    SetRow(RowIndex);
    top = std::max(RowIndex - visRows / 2, FixedRows());
  }
  if (FixedCols() + visCols < ColCount()) SetLeftCol(std::min(left, ColCount() - visCols + 1));
  if (FixedRows() + visRows < RowCount()) SetTopRow(std::min(top, RowCount() - visRows + 1));
  if (!FSearchFooter->Visible()) return;
  int usable = Height() - FSearchPanel->Height();
  if (FixedCols() + VisibleColCount() < ColCount()) usable -= ScrollBarThickness();
  while (CellRect(0, RowIndex).Bottom > usable) {
    const int before = TopRow();
    SetTopRow(before + 1);
    if (TopRow() == before) break;
  }
}
