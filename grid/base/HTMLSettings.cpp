#include "grid/base/HTMLSettings.h"

void THTMLSettings::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const THTMLSettings*>(&Source);
  if (!src) return;
  const bool keepImages = FValues.ExportImages;
  FValues = src->FValues;
  FValues.ExportImages = keepImages;
}
