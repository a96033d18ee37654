#include "grid/model/SearchPanel.h"

#include "grid/model/AdvStringGrid.h"

TSearchPanel::TSearchPanel(TAdvStringGrid* AGrid) : TPanel(AGrid), FGrid(AGrid) {
  SetAlign(alBottom);
  SetHeight(0);
}

void TSearchPanel::SetColorTo(TColor Value) {
  FColorTo = Value;
  Invalidate();
}
