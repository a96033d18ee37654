#include "platform/gui/KeptGraphic.h"

void TKeptGraphic::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TKeptGraphic*>(&Source);
  if (!src) return TGraphic::Assign(Source);
  FClassName = src->FClassName;
  FData = src->FData;
}
