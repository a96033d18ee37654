#include "grid/base/Bands.h"

void TBands::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  if (OnChange) OnChange(this);
}

void TBands::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TBands*>(&Source);
  if (!src) return;
  FActive = src->FActive;
  FPrimaryColor = src->FPrimaryColor;
  FPrimaryLength = src->FPrimaryLength;
  FSecondaryColor = src->FSecondaryColor;
  FSecondaryLength = src->FSecondaryLength;
  FPrint = src->FPrint;
}
