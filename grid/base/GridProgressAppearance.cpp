#include "grid/base/GridProgressAppearance.h"

void TGridProgressAppearance::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TGridProgressAppearance*>(&Source);
  if (!src) return;
  FValues = src->FValues;
  Changed();
}
