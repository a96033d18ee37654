// The move after Enter.
#include "grid/interact/CellAdvance.h"

#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/interact/GridEditCycle.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/gui/Messages.h"

void TAdvStringGrid::AdvanceToNextCell(int ACol, int ARow, bool ShowEditor, bool Repeating,
                                       bool Forward, bool AutoEdit, bool Force) {
  if (!FNavigation->AdvanceOnEnter() && !Force) return;
  TCellAdvance(*this, Forward).Run(ACol, ARow, ShowEditor, Repeating, AutoEdit);
}

TCellAdvance::TCellAdvance(TAdvStringGrid& AGrid, bool AForward)
    : G(AGrid),
      Forward(AForward),
      F(AGrid.FixedCols() > 0 || !AGrid.HasNodes() ? AGrid.FixedCols() : 1),
      L(AGrid.ColCount() - AGrid.FixedRightCols() - 1),
      Z(AGrid.RowCount() - AGrid.FixedFooters() - 1) {}

void TCellAdvance::Run(int ACol, int ARow, bool ShowEditor, bool Repeating, bool AutoEdit) {
  if (G.MouseActions()->RangeSelectAndEdit() && !G.Options().Contains(goEditing))
    G.SetOptions(G.Options() + TGridOptions{goEditing});
  TCellChangeState& s = G.FState->CellChange;
  if (!Repeating) {
    s.AECol = ACol;
    s.AERow = ARow;
  }
  // Skipping read-only cells stops where it began, so a grid without an
  // editable cell does not loop for ever.
  const int maxSteps = G.ColCount() * G.RowCount();
  TPoint at{ACol, ARow};
  TPoint n{ACol, ARow};
  for (int step = 0;; ++step) {
    if (!NextCell(at.X, at.Y, n)) return;
    if (Editable(n.X, n.Y)) {
      MoveTo(ACol, ARow, n);
      break;
    }
    const bool back = n.X == s.AECol && n.Y == s.AERow;
    if (!G.Navigation()->AdvanceSkipReadOnlyCells() || n == at || back || step >= maxSteps) {
      G.FocusCell(n.X, n.Y, true);
      break;
    }
    at = n;
  }
  if (ShowEditor) ShowEditorAfterMove(ACol, ARow, AutoEdit);
  if (G.MouseActions()->DisjunctRowSelect()) {
    G.ClearRowSelect();
    G.SetRowSelect(G.Row(), true);
  }
}

bool TCellAdvance::NextCell(int C, int R, TPoint& N) {
  N = TPoint{C, R};
  if (!Forward) {
    NextBackward(C, R, N);
    return true;
  }
  const TAdvanceDirection dir = G.Navigation()->AdvanceDirection();
  if (dir == adLeftRight || dir == adLeftRightInRow) return NextForwardInRow(C, R, N);
  return NextForwardInColumn(C, R, N);
}

bool TCellAdvance::NextForwardInRow(int C, int R, TPoint& N) {
  const TNavigation& nav = *G.Navigation();
  const int spanX = G.CellSpan(C, R).X;
  if (C + spanX < L) {
    N.X = C + spanX + 1;
    return true;
  }
  if (nav.AdvanceDirection() == adLeftRightInRow) {
    if (nav.AdvanceOnEnterLoop()) N.X = F;
    return true;
  }
  if (R != Z) {
    N = TPoint{F, R + 1};
  } else if (nav.AdvanceInsert()) {
    return AppendRow(R, N);
  } else if (nav.AdvanceOnEnterLoop()) {
    N = TPoint{F, G.FixedRows()};
  }
  return true;
}

bool TCellAdvance::AppendRow(int R, TPoint& N) {
  N.X = F;
  if (!G.DoCanAddRow()) return true;
  G.AddRow();
  N.Y = R + 1;
  if (G.OnAutoAddRow) G.OnAutoAddRow(&G, G.RowCount() - G.FixedFooters() - 1);
  return AnyEditableColumn(N.Y);
}

bool TCellAdvance::NextForwardInColumn(int C, int R, TPoint& N) {
  const TNavigation& nav = *G.Navigation();
  if (R != Z) {
    N.Y = R + 1;
    return true;
  }
  N.Y = G.FixedRows();
  if (nav.AdvanceDirection() == adTopBottomInCol) return true;
  if (C != L) {
    N.X = C + 1 >= G.ColCount() ? F : C + 1;
  } else if (nav.AdvanceInsert()) {
    G.SetColCount(G.ColCount() + 1);
    N.X = C + G.CellSpan(C, R).X + 1;
    if (G.OnAutoInsertCol) G.OnAutoInsertCol(&G, G.ColCount() - G.FixedRightCols() - 1);
  } else {
    N.X = F;
  }
  G.Invalidate();
  return true;
}

// The in-row and in-column directions do not move backwards.
void TCellAdvance::NextBackward(int C, int R, TPoint& N) const {
  const int top = G.FixedRows();
  switch (G.Navigation()->AdvanceDirection()) {
    case adLeftRight:
      if (C > F) N.X = C - 1;
      else N = TPoint{L, R == top ? Z : R - 1};
      break;
    case adTopBottom:
      if (R > top) N.Y = R - 1;
      else N = TPoint{C == F ? L : C - 1, Z};
      break;
    default: break;
  }
}

bool TCellAdvance::Editable(int ACol, int ARow) {
  bool canEdit = true;
  G.CanEditCell(G.RealColIndex(ACol), ARow, canEdit);
  return canEdit;
}

bool TCellAdvance::AnyEditableColumn(int ARow) {
  for (int c = F; c <= L; ++c)
    if (Editable(c, ARow)) return true;
  return false;
}

// OnAutoAdvance may change the target or refuse; OnCellChanging fires from
// where the advance began, and the move itself fires it no more.
void TCellAdvance::MoveTo(int StartCol, int StartRow, const TPoint& N) {
  TCellChangeState& s = G.FState->CellChange;
  bool allow = true;
  int newRow = N.Y, newCol = N.X;
  if (G.OnAutoAdvance) G.OnAutoAdvance(&G, s.AERow, s.AECol, newRow, newCol, allow);
  if (allow && G.OnCellChanging) G.OnCellChanging(&G, s.AERow, s.AECol, newRow, newCol, allow);
  const bool was = s.DisableChange;
  s.DisableChange = true;
  if (allow) G.FocusCell(newCol, newRow, true);
  else G.FocusCell(StartCol, StartRow, true);
  s.DisableChange = was;
}

// Entering a cell whose graphic is clicked (a check box, a button) by Enter
// acts on it as a click would.
void TCellAdvance::ShowEditorAfterMove(int StartCol, int StartRow, bool AutoEdit) {
  const TPoint n{G.Col(), G.Row()};
  const int real = G.RealColIndex(n.X);
  const bool clickable = G.HasClickableGraphic(real, n.Y);
  if (!(AutoEdit && G.Navigation()->AdvanceAutoEdit()) && !clickable) return;
  if (!G.IsEditable(real, n.Y)) return;
  G.ShowEditor();
  if (!clickable) return;
  TCellChangeState& s = G.FState->CellChange;
  const bool was = s.DisableChange;
  s.DisableChange = true;
  G.FocusCell(StartCol, StartRow, true);
  G.FocusCell(n.X, n.Y, true);
  s.DisableChange = was;
  if (!G.HasClickableGraphic(G.RealColIndex(StartCol), StartRow)) ClickAt(n);
  bool allow = true;
  if (G.OnCellChanging) G.OnCellChanging(&G, StartRow, StartCol, G.Row(), G.Col(), allow);
  TEditorType kind = G.DefaultEditor();
  G.PrepareCellEditor(G.RealColIndex(StartCol), StartRow, kind);
  if (!TGridEditCycle::IsTextKind(kind)) G.HideEditor();
}

void TCellAdvance::ClickAt(const TPoint& N) {
  const TRect r = G.CellRect(N.X, N.Y);
  const LPARAM at = MakeLParam(r.Left + 2, r.Top + 2);
  SendMessage(G.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessage(G.Handle(), WM_LBUTTONUP, 0, at);
  if (G.Navigation()->AdvanceDirection() != adLeftRight) G.HideEditor();
}
