// The Tab walk: from the current cell to the next (previous) Tab-selectable
// cell, row after row, merged areas taken at their base cell.
#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/interact/GridKeyboard.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/FloatingFooter.h"
#include "platform/gui/Input.h"

namespace {
// Lets the walk place the current cell without the cell-change checks.
struct TForcedSel {
  bool& Flag;
  bool Was;
  explicit TForcedSel(bool& F) : Flag(F), Was(F) { Flag = true; }
  ~TForcedSel() { Flag = Was; }
};
}  // namespace

int TGridKeyboard::FirstNavigableCol() { return G.FixedCols() == 0 && G.HasNodes() ? 1 : G.FixedCols(); }
int TGridKeyboard::RightEnd() { return G.ColCount() - G.FixedRightCols(); }
int TGridKeyboard::LastDataRow() { return G.RowCount() - G.FixedFooters() - 1; }

bool TGridKeyboard::CanTabToCell(int ACol, int ARow) {
  bool can = G.Options().Contains(goEditing)
                 ? G.IsEditable(G.RealColIndex(ACol), ARow)
                 : ACol >= G.FixedCols() && ARow >= G.FixedRows() && !G.IsFixed(ACol, ARow);
  if (can && G.OnSelectCell) G.OnSelectCell(&G, ACol, ARow, can);
  return can;
}

int TGridKeyboard::FirstTabCellInRow(int ARow) {
  for (int c = 0; c < G.ColCount(); ++c)
    if (CanTabToCell(c, ARow)) return c;
  return -1;
}

int TGridKeyboard::LastTabCellInRow(int ARow) {
  for (int c = G.ColCount() - 1; c >= 0; --c)
    if (CanTabToCell(c, ARow)) return c;
  return -1;
}

void TGridKeyboard::GotoFirstRow() { G.GotoFirstRow(); }

// Each step is taken again while it lands on a cell that cannot be edited;
// a walk that finds no such cell anywhere leaves the current cell alone.
bool TGridKeyboard::TabAdvance(bool Backward) {
  if (G.OnKeyDown) {
    WORD key = VK_TAB;
    G.OnKeyDown(&G, key, Backward ? TShiftState{ssShift} : TShiftState{});
    if (key != VK_TAB) return true;
  }
  if (G.Col() == FLastTabCol && G.Row() == FLastTabRow) return true;
  FLastTabCol = G.Col();
  FLastTabRow = G.Row();
  const bool editing = G.Options().Contains(goEditing);
  const int limit = G.ColCount() * G.RowCount() + 1;
  bool handOver = false;
  int steps = 0;
  do {
    handOver = TabStep(Backward) || handOver;
  } while (editing && !G.IsEditable(G.RealCol(), G.Row()) && ++steps < limit);
  if (steps >= limit) {
    TForcedSel forced(G.FState->CellChange.ForceSel);
    G.MoveCurrentCell(FLastTabCol, FLastTabRow);
  }
  const bool result = handOver ? HandOver() : true;
  if (G.Navigation()->AdvanceAutoEdit() && !G.HasClickableGraphic(G.RealCol(), G.Row())) ClickCellQuiet();
  FLastTabCol = FLastTabRow = -1;
  if (G.Navigation()->AlwaysEdit() && G.CanFocus()) G.SetFocus();
  return result;
}

// One move; true when the walk ran off its end and hands the Tab over.
bool TGridKeyboard::TabStep(bool Backward) {
  const bool leftRight = G.Navigation()->TabAdvanceDirection() == adLeftRight;
  if (Backward) {
    leftRight ? TabBackwardLeftRight() : TabBackward();
    return false;
  }
  return leftRight ? TabForwardLeftRight() : TabForwardTopBottom();
}

void TGridKeyboard::TabBackward() {
  if (G.Row() > G.FixedRows()) return G.SetRow(G.Row() - 1);
  G.SetRow(LastDataRow());
  G.SetCol(G.Col() > FirstNavigableCol() ? G.Col() - 1 : RightEnd() - 1);
}

void TGridKeyboard::TabBackwardLeftRight() {
  const int left = FirstNavigableCol(), row = G.Row();
  if (G.Col() > left) {
    for (int c = G.Col() - 1; c >= left; --c) {
      if (CanTabToCell(c, row) && G.IsBaseCell(G.RealColIndex(c), row)) return G.SetCol(c);
    }
    const int prev = row > G.FixedRows() ? row - 1 : LastDataRow();
    const int c = LastTabCellInRow(prev);
    if (c >= 0) {
      G.FocusCell(c, prev);
      G.MoveToBaseCell();
    }
    return;
  }
  for (int c = RightEnd() - 1; c >= G.FixedCols(); --c) {
    if (CanTabToCell(c, row)) {
      G.SetCol(c);
      break;
    }
  }
  G.SetRow(row > G.FixedRows() ? row - 1 : LastDataRow());
}

bool TGridKeyboard::TabForwardTopBottom() {
  const int s = G.CellSpan(G.Col(), G.Row()).Y;
  if (G.Row() + s + 1 < G.RowCount() - G.FixedFooters()) {
    G.SetRow(G.Row() + s + 1);
    return false;
  }
  GotoFirstRow();
  if (G.Col() < RightEnd() - 1) {
    G.SetCol(G.Col() + 1);
    return false;
  }
  G.SetCol(FirstNavigableCol());
  return true;
}

bool TGridKeyboard::TabForwardLeftRight() {
  const int s = G.CellSpan(G.Col(), G.Row()).X;
  if (G.Col() + s + 1 >= RightEnd()) return TabFromLastColumn();
  for (int c = G.Col() + s + 1; c < RightEnd(); ++c) {
    if (CanTabToCell(c, G.Row())) {
      G.SetCol(c);
      return !G.IsBaseCell(G.RealCol(), G.Row()) && TabForwardLeftRight();
    }
  }
  return TabToNextRowCell();
}

// No Tab-selectable cell right of the current one: the next row's first, asked
// as a row, cell and column change.
bool TGridKeyboard::TabToNextRowCell() {
  TForcedSel forced(G.FState->CellChange.ForceSel);
  const int row = G.Row(), col = G.Col();
  if (row >= LastDataRow()) {
    const int c = FirstTabCellInRow(G.FixedRows());
    if (c >= 0) G.FocusCell(c, G.FixedRows());
    return true;
  }
  const int c = FirstTabCellInRow(row + 1);
  bool allow = true;
  if (G.OnRowChanging) G.OnRowChanging(&G, row, row + 1, allow);
  if (G.OnCellChanging) G.OnCellChanging(&G, row, col, row + 1, c, allow);
  if (G.OnColChanging) G.OnColChanging(&G, col, c, allow);
  if (allow) G.MoveCurrentCell(c >= 0 ? c : G.FixedCols(), row + 1);
  return !G.IsBaseCell(G.RealCol(), G.Row()) && TabForwardLeftRight();
}

bool TGridKeyboard::TabFromLastColumn() {
  const int row = G.Row();
  if (row < LastDataRow()) {
    TForcedSel forced(G.FState->CellChange.ForceSel);
    for (int c = FirstNavigableCol(); c < G.ColCount(); ++c) {
      if (G.IsBaseCell(G.RealColIndex(c), row + 1) && CanTabToCell(c, row + 1)) {
        G.MoveCurrentCell(c, row + 1);
        return false;
      }
    }
    for (int r = row + 2; r < G.RowCount(); ++r) {
      const int c = FirstTabCellInRow(r);
      if (c >= 0) {
        G.MoveCurrentCell(c, r);
        return false;
      }
    }
    G.MoveCurrentCell(G.ColCount() - 1, G.RowCount() - 1);
    return TabForwardLeftRight();
  }
  TNavigation& nav = *G.Navigation();
  bool add = !nav.TabToNextAtEnd() && nav.AdvanceInsert();
  if (add && G.OnCanAddRow) G.OnCanAddRow(&G, add);
  if (add) {
    AddRow();
  } else {
    GotoFirstRow();
  }
  const int c = FirstTabCellInRow(G.Row());
  if (c >= 0) G.SetCol(c);
  return true;
}

void TGridKeyboard::AddRow() {
  const bool footer = G.FloatingFooter() && G.FloatingFooter()->Visible();
  if (footer) {
    G.InsertRows(G.RowCount() - 1, 1);
    G.SetRow(G.RowCount() - 2);
  } else {
    G.SetRowCount(G.RowCount() + 1);
    G.SetRow(G.RowCount() - 1);
  }
  if (G.OnAutoAddRow) G.OnAutoAddRow(&G, G.RowCount() - G.FixedFooters() - 1);
}

bool TGridKeyboard::HandOver() {
  if (!G.Navigation()->TabToNextAtEnd() || !G.Parent()) return true;
  PostMessage(G.Parent()->Handle(), WM_KEYDOWN, VK_TAB, 0);
  return false;
}

// A click on the current cell without the mouse events: opens its editor.
void TGridKeyboard::ClickCellQuiet() {
  const TRect r = G.CellRect(G.Col(), G.Row());
  if (r.Right <= r.Left) return;
  TForcedSel forced(G.FState->CellChange.ForceSel);
  const TMouseEvent down = std::move(G.OnMouseDown), up = std::move(G.OnMouseUp);
  G.OnMouseDown = nullptr;
  G.OnMouseUp = nullptr;
  G.InheritedMouseDown(mbLeft, {}, r.Left + 2, r.Top + 2);
  G.InheritedMouseUp(mbLeft, {}, r.Left + 2, r.Top + 2);
  G.OnMouseDown = down;
  G.OnMouseUp = up;
}
