// The column grid's data check-box columns: their empty body cells answer
// as check boxes bound to the cell text.
#include "grid/base/ControlLook.h"
#include "grid/model/AdvColumnGrid.h"

bool TAdvColumnGrid::IsDataCheckBoxCell(int ACol, int ARow) const {
  const TGridColumnItem* item = ColumnItem(ACol);
  return item && item->Editor() == edDataCheckBox && IsBodyCell(ACol, ARow);
}

TCellType TAdvColumnGrid::GetCellType(int ACol, int ARow) {
  const TCellType type = TAdvStringGrid::GetCellType(ACol, ARow);
  if (type == ctEmpty && !Destroying() && IsDataCheckBoxCell(ACol, ARow)) return ctDataCheckBox;
  return type;
}

TCellGraphic* TAdvColumnGrid::GetCellGraphic(int ACol, int ARow) {
  TCellGraphic* g = TAdvStringGrid::GetCellGraphic(ACol, ARow);
  if (g || !IsDataCheckBoxCell(ACol, ARow)) return g;
  FVirtCheckBox->SetCellType(ctVirtCheckBox);
  FVirtCheckBox->SetCellTransparent(ControlLook()->ControlStyle() == csFlat);
  return FVirtCheckBox.get();
}
