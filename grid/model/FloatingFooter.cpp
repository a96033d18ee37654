#include "grid/model/FloatingFooter.h"

#include "grid/base/CellProperties.h"
#include "grid/base/OptionProperty.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/FooterPanel.h"

void TFloatingFooter::SetVisible(bool Value) {
  FVisible = Value;
  if (TFooterPanel* panel = FGrid->FooterPanel()) {
    panel->SetHeight(Value ? FHeight - 1 : 0);
    panel->SetVisible(Value);
  }
  FGrid->SetFixedFooters(Value && FFooterStyle == fsFixedLastRow ? 1 : 0);
  UpdateGridLastRow();
  FGrid->Invalidate();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value) {
  FFooterStyle = Value;
  UpdateGridLastRow();
  FGrid->Invalidate();
  Invalidate();
}

void TFloatingFooter::UpdateGridLastRow() {
  FGrid->SetHideLastRow(FVisible && FFooterStyle == fsFixedLastRow);
}

void TFloatingFooter::SetHeight(int Value) {
  FHeight = Value;
  // A hidden footer's panel keeps no height, as when it is hidden or made.
  TFooterPanel* panel = FGrid->FooterPanel();
  if (panel && FVisible && Value > 0) panel->SetHeight(Value - 1);
}

void TFloatingFooter::SetColor(TColor Value) {
  if (StoreChanged(FColor, Value)) Invalidate();
}

void TFloatingFooter::SetColumn(int Value) {
  if (StoreChanged(FColumn, Value)) Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const String& Value) {
  if (StoreChanged(FCustomTemplate, Value)) Invalidate();
}

void TFloatingFooter::SetBorderColor(TColor Value) {
  if (StoreChanged(FBorderColor, Value)) Invalidate();
}

void TFloatingFooter::SetShowHint(bool Value) {
  FShowHint = Value;
  if (TFooterPanel* panel = FGrid->FooterPanel()) panel->SetShowHint(Value);
}

TColumnCalcType TFloatingFooter::ColumnCalc(int ACol) const {
  const TCellProperties* props = FGrid->GridObjects(ACol, FGrid->RowCount() - 1);
  return props ? props->CalcType() : acNONE;
}

void TFloatingFooter::SetColumnCalc(int ACol, TColumnCalcType Value) {
  FGrid->GetCellProperties(ACol, FGrid->RowCount() - 1)->SetCalcType(Value);
  FGrid->UpdateColumnFooter(ACol);
}

void TFloatingFooter::Invalidate() {
  if (TFooterPanel* panel = FGrid->FooterPanel()) panel->Invalidate();
}

void TFloatingFooter::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TFloatingFooter*>(&Source);
  if (!src) return;
  FCalculateHiddenRows = src->FCalculateHiddenRows;
  FColor = src->FColor;
  FColumn = src->FColumn;
  FCustomTemplate = src->FCustomTemplate;
  FFooterStyle = src->FFooterStyle;
  SetVisible(src->FVisible);
  FShowHint = src->FShowHint;
}
