// Insert and Delete on the grid: a row in before (or after) the current row,
// the current row out, each with the filter off while it runs.
#include "grid/base/Navigation.h"
#include "grid/interact/GridKeyboard.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/FloatingFooter.h"

namespace {
struct TFilterOff {
  TAdvStringGrid& G;
  bool Was;
  explicit TFilterOff(TAdvStringGrid& Grid) : G(Grid), Was(Grid.FilterActive()) {
    if (Was) G.SetFilterActive(false);
  }
  ~TFilterOff() {
    if (Was) G.SetFilterActive(true);
  }
};
}  // namespace

void TAdvStringGrid::InsertUserRow(int ARow) {
  if (!HasNodes()) return InsertRows(ARow, 1);
  if (GetParentRow(ARow) < 0) return InsertNormalRow(ARow);
  InsertChildRow(ARow, 0);
}

// The last data row of a grid without FixedRowAlways is cleared, not removed.
void TAdvStringGrid::DeleteUserRow(int ARow) {
  if (HasNodes() && GetParentRow(ARow) >= 0) {
    RemoveChildRow(ARow);
  } else if (HasNodes()) {
    RemoveNormalRow(ARow);
  } else if (RowCount() - FixedRows() - FixedFooters() == 1 && !FixedRowAlways()) {
    ClearRows(ARow, 1);
  } else {
    RemoveRows(ARow, 1);
  }
  if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

bool TGridKeyboard::FooterShown() { return G.FloatingFooter() && G.FloatingFooter()->Visible(); }

// Rows hidden other than by the filter stay hidden while it is off: the
// operation takes the displayed row that now holds the current real row.
void TGridKeyboard::InsertRowKey() {
  bool can = true;
  if (G.OnCanInsertRow) G.OnCanInsertRow(&G, G.Row(), can);
  if (!can) return;
  const int real = G.RealRowIndex(G.Row());
  int row = 0, used = 0;
  {
    const TFilterOff off(G);
    row = G.DisplRowIndex(real);
    const bool after = G.Navigation()->InsertPosition() == pInsertAfter;
    const bool onlyFixed = G.FixedRowAlways() && G.FixedRows() == G.RowCount();
    if (after && !onlyFixed) ++row;
    G.InsertUserRow(row);
    used = G.RealRowIndex(row);
    if (onlyFixed) row = 1;
  }
  if (G.OnAutoInsertRow) G.OnAutoInsertRow(&G, used);
  G.SetModified(true);
  if (row < G.RowCount()) G.SetRow(row);
  G.CalcFooter(-1);
}

void TGridKeyboard::DeleteRowKey() {
  if (G.RowCount() - G.FixedFooters() - G.FixedRows() < 1) return;
  const int real = G.RealRowIndex(G.Row());
  {
    const TFilterOff off(G);
    bool can = true;
    if (G.OnCanDeleteRow) G.OnCanDeleteRow(&G, real, can);
    if (!can) return;
    G.DeleteUserRow(G.DisplRowIndex(real));
  }
  if (FooterShown() && G.Row() == G.RowCount() - 1 && G.RowCount() > 1) G.SetRow(G.RowCount() - 2);
  G.StoreOldCellValue(G.Col(), G.Row());
  G.SetModified(true);
  G.CalcFooter(-1);
}
