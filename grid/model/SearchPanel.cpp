#include "grid/model/SearchPanel.h"

#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Buttons.h"
#include "platform/gui/StdCtrls.h"

TSearchPanel::TSearchPanel(TAdvStringGrid* AGrid)
    : TPanel(AGrid), FGrid(AGrid), FEdit(new TEdit(this)), FMatchCase(new TCheckBox(this)),
      FHiliteButton(new TSpeedButton(this)) {
  SetAlign(alBottom);
  SetHeight(0);
  FEdit->SetParent(this);
  FEdit->SetBounds(25, 6, 110, 21);
  FEdit->OnChange = [this](TObject*) { FGrid->SearchFooterTextChange(); };
  FHiliteButton->SetParent(this);
  FHiliteButton->SetBounds(330, 5, 90, 23);
  FHiliteButton->SetGroupIndex(1);
  FHiliteButton->SetAllowAllUp(true);
  FHiliteButton->OnClick = [this](TObject*) { FGrid->SearchFooterHighlight(); };
  FMatchCase->SetParent(this);
  FMatchCase->SetBounds(425, 8, 100, 18);
}

void TSearchPanel::SetColorTo(TColor Value) {
  FColorTo = Value;
  Invalidate();
}
