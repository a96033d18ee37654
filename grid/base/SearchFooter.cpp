#include "grid/base/SearchFooter.h"

TSearchFooter::TSearchFooter(TComponent* AOwner, bool InitDesign) : FOwner(AOwner) {
  if (!InitDesign) return;
  FValues.FindNextCaption = u"Find &next";
  FValues.FindPrevCaption = u"Find &previous";
  FValues.HighLightCaption = u"Highlight";
  FValues.MatchCaseCaption = u"Match case";
  FValues.HintClose = u"Close";
  FValues.HintFindNext = u"Find next occurrence";
  FValues.HintFindPrev = u"Find previous occurrence";
  FValues.HintHighlight = u"Highlight occurrences";
}

void TSearchFooter::Changed() {
  if (OnChange) OnChange(this);
}

void TSearchFooter::SetFont(const TFont& Value) {
  FFont.Assign(Value);
  Changed();
}

void TSearchFooter::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TSearchFooter*>(&Source);
  if (!src) return;
  // The search state of this footer is its own: only the looks and switches come over.
  TValues kept = FValues;
  FValues = src->FValues;
  FValues.AutoSearch = kept.AutoSearch;
  FValues.SearchFixedCells = kept.SearchFixedCells;
  FValues.AutoThemeAdapt = kept.AutoThemeAdapt;
  FValues.LastSearch = kept.LastSearch;
  FFont.Assign(src->FFont);
}
