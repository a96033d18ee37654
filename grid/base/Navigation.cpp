#include "grid/base/Navigation.h"

void TNavigation::Changed() {
  if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceAuto(bool Value) {
  if (FValues.AdvanceAuto == Value) return;
  FValues.AdvanceAuto = Value;
  if (Value) FValues.AdvanceOnEnter = true;
}

void TNavigation::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TNavigation*>(&Source);
  if (!src) return;
  const bool keepScroll = FValues.KeepScrollOnSort;
  FValues = src->FValues;
  FValues.KeepScrollOnSort = keepScroll;
}
