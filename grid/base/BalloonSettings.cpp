#include "grid/base/BalloonSettings.h"

void TBalloonSettings::SetEnable(bool Value) {
  FEnable = Value;
  if (OnEnableChange) OnEnableChange(this);
}

void TBalloonSettings::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TBalloonSettings*>(&Source);
  if (!src) return;
  FTextColor = src->FTextColor;
  FBackgroundColor = src->FBackgroundColor;
  FInitialDelay = src->FInitialDelay;
  FAutoHideDelay = src->FAutoHideDelay;
  FReshowDelay = src->FReshowDelay;
  FEnable = src->FEnable;
}
