// The floating footer's calculated row: its values, their recalculation
// after an update bracket, and the row kept last when the row count changes.
#include <algorithm>

#include "grid/base/CellProperties.h"
#include "grid/model/AdvGridError.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/FloatingFooter.h"

void TAdvStringGrid::CalcFooter(int ACol) {
  // Inside a bracket the outermost EndUpdate recalculates once.
  if (FUpdateCount > 0) {
    FState->FooterDue = true;
    return;
  }
  DoCalcFooter(ACol);
}

void TAdvStringGrid::CalcDueFooter() {
  if (!std::exchange(FState->FooterDue, false)) return;
  CalcFooter(-1);
}

void TAdvStringGrid::DoCalcFooter(int ACol) {
  if (!HasFooterRow() || !FFloatingFooter->EnableCalculation()) return;
  if (ACol != -1) {
    CalcFooterColumn(ACol);
    return;
  }
  for (int c = 0; c < AllColCount(); ++c) CalcFooterColumn(c);
}

void TAdvStringGrid::CalcFooterColumn(int ACol) {
  const int footer = RowCount() - 1;
  const TCellProperties* props = GridObjects(ACol, footer);
  if (!props) return;
  const int hidden = FFloatingFooter->CalculateHiddenRows() ? NumHiddenRows() : 0;
  const int from = FixedRows(), to = RowCount() - 2 + hidden;
  using TColumnFunc = double (TAdvStringGrid::*)(int, int, int);
  TColumnFunc func = nullptr;
  switch (static_cast<TColumnCalcType>(props->CalcType() & 0x7F)) {
    case acSUM: func = &TAdvStringGrid::ColumnSum; break;
    case acAVG: func = &TAdvStringGrid::ColumnAvg; break;
    case acMIN: func = &TAdvStringGrid::ColumnMin; break;
    case acMAX: func = &TAdvStringGrid::ColumnMax; break;
    case acDISTINCT: func = &TAdvStringGrid::ColumnDistinct; break;
    case acSTDDEV: func = &TAdvStringGrid::ColumnStdDev; break;
    case acCOUNT: SetInts(ACol, footer, RowCount() + hidden - FixedRows() - 1); return;
    case acCUSTOM: {
      String value;
      if (OnFooterCalc)
        OnFooterCalc(this, ACol, footer + hidden, value);
      else if (FFloatingFooter->OnCalcFooter)
        FFloatingFooter->OnCalcFooter(this, ACol, footer + hidden, value);
      SetCells(ACol, footer, value);
      return;
    }
    default: return;  // acNONE, acSPREAD
  }
  // A column that cannot be calculated shows nothing rather than raising
  // from every edit.
  try {
    SetFloats(ACol, footer, (this->*func)(ACol, from, to));
  } catch (const EAdvGridError&) {
    SetCells(ACol, footer, String());
  }
}

void TAdvStringGrid::SetRowCount(int Value) {
  if (HasFooterRow() && Value != RowCount() && Value > 0) {
    SetRowCountKeepingFooter(Value);
  } else {
    ApplyRowCount(Value);
  }
}

// Rows dropped by a smaller count go with their records, so the footer row
// moves before the count falls and after it grows.
void TAdvStringGrid::SetRowCountKeepingFooter(int Value) {
  const int old = RowCount();
  if (Value < old) {
    FRows->MoveRowBlock(old - 1, 1, Value - 1, true);
    ApplyRowCount(Value);
  } else {
    ApplyRowCount(Value);
    FRows->MoveRowBlock(old - 1, 1, Value - 1, true);
  }
  CalcFooter(-1);
}
