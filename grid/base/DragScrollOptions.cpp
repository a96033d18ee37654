#include "grid/base/DragScrollOptions.h"

void TDragScrollDelays::Assign(const TPersistent& Source) {
  if (const auto* src = dynamic_cast<const TDragScrollDelays*>(&Source)) FValues = src->FValues;
}

void TDragScrollMargins::Assign(const TPersistent& Source) {
  if (const auto* src = dynamic_cast<const TDragScrollMargins*>(&Source)) FValues = src->FValues;
}

TDragScrollOptions::TDragScrollOptions()
    : FDelays(std::make_unique<TDragScrollDelays>()), FMargins(std::make_unique<TDragScrollMargins>()) {}

TDragScrollOptions::~TDragScrollOptions() = default;

void TDragScrollOptions::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TDragScrollOptions*>(&Source);
  if (!src) return;
  FActive = src->FActive;
  FDelays->Assign(*src->FDelays);
  FMargins->Assign(*src->FMargins);
}
