#include "grid/model/FooterPanel.h"

#include "grid/model/AdvStringGrid.h"

TFooterPanel::TFooterPanel(TAdvStringGrid* AGrid) : TPanel(AGrid), FGrid(AGrid) {
  SetAlign(alBottom);
  SetHeight(0);
}
