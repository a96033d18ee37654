#include "grid/model/FilterDropDown.h"

#include "platform/gui/Bitmap.h"
#include "platform/gui/Graphics.h"

TFilterDropDown::TFilterDropDown()
    : FFont(std::make_unique<TFont>()),
      FGlyph(std::make_unique<TBitmap>()),
      FGlyphActive(std::make_unique<TBitmap>()) {
  FGlyph->OnChange = [this](TPersistent*) { Changed(); };
  FGlyphActive->OnChange = [this](TPersistent*) { Changed(); };
}

TFilterDropDown::~TFilterDropDown() = default;

void TFilterDropDown::SetFont(const TFont& Value) { FFont->Assign(Value); }
void TFilterDropDown::SetGlyph(const TBitmap& Value) { FGlyph->Assign(Value); }
void TFilterDropDown::SetGlyphActive(const TBitmap& Value) { FGlyphActive->Assign(Value); }

void TFilterDropDown::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TFilterDropDown*>(&Source);
  if (!src) return;
  FColor = src->FColor;
  FColumnWidth = src->FColumnWidth;
  FFont->Assign(*src->FFont);
  FHeight = src->FHeight;
  FWidth = src->FWidth;
  FAssigning = true;
  FGlyph->Assign(*src->FGlyph);
  FGlyphActive->Assign(*src->FGlyphActive);
  FAssigning = false;
}
