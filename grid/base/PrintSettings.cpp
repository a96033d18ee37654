#include "grid/base/PrintSettings.h"

void TPrintSettings::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TPrintSettings*>(&Source);
  if (!src) {
    TPersistent::Assign(Source);  // raises: no other class converts
    return;
  }
  const bool keepFixedCells = FValues.FixedCellsAlways;
  FValues = src->FValues;
  FValues.FixedCellsAlways = keepFixedCells;
  FFont.Assign(src->FFont);
  FHeaderFont.Assign(src->FHeaderFont);
  FFooterFont.Assign(src->FFooterFont);
  FFixedFont.Assign(src->FFixedFont);
  FTitleLines.Assign(src->FTitleLines);
}
