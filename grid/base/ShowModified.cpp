#include "grid/base/ShowModified.h"

void TShowModified::SetColor(TColor Value) {
  FColor = Value;
  if (OnChange) OnChange(this);
}

void TShowModified::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TShowModified*>(&Source);
  if (!src) return;
  FColor = src->FColor;
  FEnabled = src->FEnabled;
}
