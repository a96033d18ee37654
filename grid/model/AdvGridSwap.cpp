// Numbering rows or columns, and swapping two columns or two rows, also as
// the swap step of sorting.
#include <utility>

#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/RowFlags.h"
#include "grid/model/SortSettings.h"
#include "grid/base/ShowModified.h"
#include "platform/sys/SysUtils.h"

namespace {

// Positions First .. Last numbered from 1 + Offset on; Descending numbers
// them from the far end.
void NumberRange(int Fixed, int First, int Last, int Offset, bool Descending,
                 const std::function<void(int, int)>& Write) {
  for (int a = First; a <= Last; ++a) Write(Descending ? Fixed + Last - a : a, a - Fixed + 1 + Offset);
}

}  // namespace

void TAdvStringGrid::AutoNumberCol(int ACol) {
  NumberRange(FixedRows(), FixedRows() + FValues.AutoNumberStart, RowCount() - FFixedFooters - 1,
              FValues.AutoNumberOffset, FValues.AutoNumberDirection == sdDescending,
              [&](int row, int v) { SetCells(ACol, row, IntToStr(v)); });
}

void TAdvStringGrid::AutoNumberRow(int ARow) {
  NumberRange(FixedCols(), FixedCols() + FValues.AutoNumberStart, ColCount() - FFixedRightCols - 1,
              FValues.AutoNumberOffset, FValues.AutoNumberDirection == sdDescending,
              [&](int col, int v) { SetCells(col, ARow, IntToStr(v)); });
}

// Cells change places in the store row by row, with their objects, and in
// the parked rows as well; a sort on either column follows it.
void TAdvStringGrid::SwapColumns(int ACol1, int ACol2) {
  if (ACol1 < 0 || ACol2 < 0 || ACol1 == ACol2) return;
  TCellStore& store = Store();
  for (int r = 0; r < RowCount(); ++r) {
    const String text = store.Text(ACol1, r);
    TObject* object = store.Object(ACol1, r);
    store.SetText(ACol1, r, store.Text(ACol2, r));
    store.SetObject(ACol1, r, store.Object(ACol2, r));
    store.SetText(ACol2, r, text);
    store.SetObject(ACol2, r, object);
  }
  for (int i = 0; i < FGridItems.Count(); ++i) {
    THiddenRowCells& row = FGridItems.Item(i)->Items();
    const String text = row.Strings(ACol1);
    TObject* object = row.Objects(ACol1);
    row.SetStrings(ACol1, row.Strings(ACol2));
    row.SetObjects(ACol1, row.Objects(ACol2));
    row.SetStrings(ACol2, text);
    row.SetObjects(ACol2, object);
  }
  if (FSortSettings->Column() == ACol1 || FSortSettings->Column() == ACol2) {
    FSortSettings->SetColumn(FSortSettings->Column() == ACol1 ? ACol2 : ACol1);
  }
  const int width = AllColWidths(ACol1);
  SetAllColWidths(ACol1, AllColWidths(ACol2));
  SetAllColWidths(ACol2, width);
  for (int i = 0; i < FState->ControlList.Count(); ++i) {
    TControlItem* item = FState->ControlList.Control(i);
    if (item->X() == ACol1 || item->X() == ACol2) item->SetX(item->X() == ACol1 ? ACol2 : ACol1);
  }
  CellControlsUpdate(false);
  Invalidate();
}

void TAdvStringGrid::SwapRows(int ARow1, int ARow2) {
  if (ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount() || ARow1 == ARow2) return;
  FRows->ExchangeRows(ARow1, ARow2);
  const int real1 = RealRowIndex(ARow1), real2 = RealRowIndex(ARow2);
  for (int i = 0; i < FState->ControlList.Count(); ++i) {
    TControlItem* item = FState->ControlList.Control(i);
    if (item->Y() == real1 || item->Y() == real2) item->SetY(item->Y() == real1 ? real2 : real1);
  }
  CellControlsUpdate(false);
  Invalidate();
}

// Called many times by one sort: no repaint and no cell controls here, the
// sort repaints once when it is done.
void TAdvStringGrid::SortSwapRows(int ARow1, int ARow2) {
  ++FSwaps;
  TIntList& xref = *FSortRowXRef;
  if (ARow1 >= 0 && ARow2 >= 0 && ARow1 < xref.Count() && ARow2 < xref.Count()) {
    xref.Exchange(ARow1, ARow2);
  }
  if (ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount() || ARow1 == ARow2) return;
  if (FSortSettings->SingleColumn()) {
    const int col = FSortSettings->Column();
    if (col >= 0) SwapCells({col, ARow1}, {col, ARow2});
    return;
  }
  FRows->ExchangeRows(ARow1, ARow2);
  // The selection flags go by displayed row, by real row only when the
  // selection persists through hiding.
  if (FMouseActions->DisjunctRowSelect() && FNavigation->MoveRowOnSort()) {
    SwapFlags(FRowSelect, SelectionRow(ARow1), SelectionRow(ARow2));
  }
  if (FShowModified->Enabled()) SwapFlags(FModifiedRows, ARow1, ARow2);
  if (FSortRow == ARow1 || FSortRow == ARow2) FSortRow = FSortRow == ARow1 ? ARow2 : ARow1;
}
