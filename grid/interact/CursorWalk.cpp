#include "grid/interact/CursorWalk.h"

#include "grid/base/Navigation.h"
#include "grid/model/AdvStringGrid.h"

int WalkGraphicColumn(TAdvStringGrid& G, bool Right) {
  const int col = G.Col(), row = G.Row();
  const int next = Right ? col + G.CellSpan(G.RealColIndex(col), row).X + 1 : col - 1;
  const bool graphic = next >= G.FixedCols() && next < G.ColCount() && G.HasClickableGraphic(G.RealColIndex(next), row);
  return graphic ? next : -1;
}

void WalkToNextCell(TAdvStringGrid& G, bool Right) {
  TNavigation& nav = *G.Navigation();
  const TAdvanceDirection direction = nav.AdvanceDirection();
  nav.SetAdvanceDirection(adLeftRight);
  G.AdvanceToNextCell(G.Col(), G.Row(), true, false, Right, true, true);
  nav.SetAdvanceDirection(direction);
  if (nav.CursorWalkAlwaysEdit()) G.ShowInplaceEdit();
  else G.HideInplaceEdit();
}
