// Expandable cells: an expand button switching its row between the height
// it had when the button came and the expanded height. The graphic keeps
// the expanded height in CellAngle, the first height in CellIndex and the
// state in CellVar.
#include "grid/model/AdvStringGridPrivate.h"

void TAdvStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight) {
  const int height = RowHeights(ARow);
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->SetCellType(ctExpand);
  g->SetCellAngle(ExpandedHeight);
  g->SetCellIndex(height);
  g->SetCellVar(0);
}

bool TAdvStringGrid::ToggleExpand(int ACol, int ARow) {
  TCellGraphic* g = FGraphics->AtBaseOfType(ACol, ARow, ctExpand);
  if (!g) return false;
  g->SetCellVar(g->CellVar() == 0 ? 1 : 0);
  return g->CellVar() != 0;
}

bool TAdvStringGrid::GetExpandState(int ACol, int ARow) {
  const TCellGraphic* g = FGraphics->AtBaseOfType(ACol, ARow, ctExpand);
  return g && g->CellVar() != 0;
}

int TAdvStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded) {
  const TCellGraphic* g = FGraphics->AtBaseOfType(ACol, ARow, ctExpand);
  if (!g) return DefaultRowHeight();
  return Expanded ? g->CellAngle() : g->CellIndex();
}
