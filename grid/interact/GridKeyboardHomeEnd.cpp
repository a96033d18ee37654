// Home and End as Navigation's HomeEndKey sets them: to the first or last
// cell, row or column, short of fixed right columns and footer rows. Cases
// it leaves alone go to the platform grid.
#include <algorithm>

#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/interact/GridKeyboard.h"
#include "grid/model/AdvStringGrid.h"

bool TGridKeyboard::HomeEnd(WORD Key, TShiftState Shift) {
  // Without a data row there is no row to go to.
  if (G.RowCount() <= G.FixedRows()) return false;
  const bool home = Key == VK_HOME;
  const THomeEndAction action = G.Navigation()->HomeEndKey();
  if (Shift.Contains(ssCtrl)) {
    if (!home || action != heFirstLastColumn) return false;
    CtrlHome();
    return Consumed(Key, Shift);
  }
  switch (action) {
    case heFirstLastCell:
      home ? JumpTo(G.FixedCols(), G.FixedRows()) : JumpTo(RightEnd() - 1, LastDataRow());
      break;
    case heFirstLastRow: HomeEndRow(home, Shift); break;
    case heFirstLastColumn:
      if (G.Options().Contains(goRowSelect)) return false;
      HomeEndColumn(home, Shift);
      break;
  }
  return Consumed(Key, Shift);
}

void TGridKeyboard::JumpTo(int ACol, int ARow) {
  G.FocusCell(ACol, ARow, true);
  G.MoveToBaseCell();
}

void TGridKeyboard::HomeEndRow(bool Home, TShiftState Shift) {
  const int start = G.Row(), left = G.LeftCol();
  const bool floating = FooterShown();
  if (Home) {
    G.SetRow(G.FixedRows());
  } else {
    G.SetRow(floating && G.RowCount() > 2 ? G.RowCount() - 2 : LastDataRow());
    if (floating || G.FixedFooters() > 0) G.SetTopRow(std::max(G.FixedRows(), G.RowCount() - G.VisibleRowCount()));
  }
  G.MoveToBaseCell();
  RowsFromKey(start, Shift);
  if (G.Options().Contains(goRowSelect) && G.Navigation()->KeepHorizScroll()) G.SetLeftCol(left);
}

// With disjunct rows the jump selects: Shift takes every row from the one
// the key started on, else only the row reached.
void TGridKeyboard::RowsFromKey(int StartRow, TShiftState Shift) {
  if (!G.MouseActions()->DisjunctRowSelect()) return;
  if (Shift.Contains(ssShift)) {
    G.SetSelection({0, StartRow, G.ColCount() - 1, G.Row()});
    G.SelectionToRowSelect(true);
    return;
  }
  G.ClearRowSelect();
  G.SelectionToRowSelect(false);
}

void TGridKeyboard::HomeEndColumn(bool Home, TShiftState Shift) {
  const int col = G.Col(), row = G.Row();
  if (Shift.Contains(ssShift)) {
    G.SetSelection({col, row, Home ? G.FixedCols() : G.ColCount() - G.FixedRightCols() - 1, row});
    return;
  }
  if (Home) {
    const int c = FirstTabCellInRow(row);
    if (c >= 0) G.SetCol(c);
  } else {
    G.SetCol(RightEnd() - 1);  // the fixed right columns refuse the cursor
  }
  G.MoveToBaseCell();
  G.SetLeftCol(Home ? FirstNavigableCol() : G.ColCount() - G.VisibleColCount());
}

void TGridKeyboard::CtrlHome() {
  G.SetRow(G.FixedRows());
  const int c = FirstTabCellInRow(G.FixedRows());
  if (c >= 0) G.SetCol(c);
  G.MoveToBaseCell();
  G.SetLeftCol(FirstNavigableCol());
}
