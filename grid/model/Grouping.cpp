#include "grid/model/Grouping.h"

void TGrouping::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TGrouping*>(&Source);
  if (!src) return;
  TValues kept = FValues;
  FValues = src->FValues;
  FValues.Summary = kept.Summary;
  FValues.HeaderLineColor = kept.HeaderLineColor;
  FValues.HeaderLineWidth = kept.HeaderLineWidth;
  FValues.SummaryLineColor = kept.SummaryLineColor;
  FValues.SummaryLineWidth = kept.SummaryLineWidth;
}
