#include "grid/base/ControlLook.h"

#include "grid/base/DropDownAppearances.h"
#include "platform/gui/Bitmap.h"

namespace {

constexpr std::array<TColor, FixedGradientPartCount> FixedGradientDefaults = {
    clNone, clNone, clNone, clNone,                  // normal
    clWhite, clGray, clNone, clNone, clSilver,       // hover
    clSilver, clGray, clNone, clNone, clGray,        // down
};

}  // namespace

TControlLook::TControlLook(TLookOwner* AOwner)
    : FOwner(AOwner),
      FUnCheckedGlyph(std::make_unique<TBitmap>()),
      FCheckedGlyph(std::make_unique<TBitmap>()),
      FRadioOffGlyph(std::make_unique<TBitmap>()),
      FRadioOnGlyph(std::make_unique<TBitmap>()),
      FDropDownHeader(std::make_unique<THeaderAppearance>(dynamic_cast<TPersistent*>(AOwner))),
      FDropDownFooter(std::make_unique<TFooterAppearance>(dynamic_cast<TPersistent*>(AOwner))) {
  Init();
}

TControlLook::~TControlLook() = default;

void TControlLook::Init() {
  FColor = clBlack;
  FCommentColor = clRed;
  FProgressBorderColor = clGray;
  FFixedGradient = FixedGradientDefaults;
  // Through the setters, so the grid's hover and down mirrors are cleared too.
  for (TFixedGradientPart part : {fgHoverMirrorFrom, fgHoverMirrorTo, fgDownMirrorFrom,
                                  fgDownMirrorTo}) {
    SetFixedGradient(part, FixedGradientDefaults[part]);
  }
}

void TControlLook::SetFixedGradient(TFixedGradientPart Part, TColor Value) {
  FFixedGradient[Part] = Value;
  if (Value != clNone || FixedGradientAlwaysPassed(Part)) FOwner->SetFixedGradientColor(Part, Value);
}

void TControlLook::SetGlyph(TBitmap& Glyph, const TBitmap& Value) {
  Glyph.Assign(Value);
  FOwner->LookChanged();
}

void TControlLook::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TControlLook*>(&Source);
  if (!src) return;
  FCheckSize = src->FCheckSize;
  FRadioSize = src->FRadioSize;
  FControlStyle = src->FControlStyle;
  FCheckedGlyph->Assign(*src->FCheckedGlyph);
  FUnCheckedGlyph->Assign(*src->FUnCheckedGlyph);
  FRadioOnGlyph->Assign(*src->FRadioOnGlyph);
  FRadioOffGlyph->Assign(*src->FRadioOffGlyph);
  FProgressMarginX = src->FProgressMarginX;
  FProgressMarginY = src->FProgressMarginY;
  FCommentColor = src->FCommentColor;
  FColor = src->FColor;
  FProgressBorderColor = src->FProgressBorderColor;
  FCheckAlwaysActive = src->FCheckAlwaysActive;
  FRadioAlwaysActive = src->FRadioAlwaysActive;
  FFixedGradient = src->FFixedGradient;
  FDropDownAlwaysVisible = src->FDropDownAlwaysVisible;
  FSpinButtonsAlwaysVisible = src->FSpinButtonsAlwaysVisible;
  FDropDownCount = src->FDropDownCount;
  FDropDownFooter->Assign(*src->FDropDownFooter);
  FDropDownHeader->Assign(*src->FDropDownHeader);
  FHintMaxWidth = src->FHintMaxWidth;
}

void TControlLook::SetDropDownHeader(const THeaderAppearance& Value) { FDropDownHeader->Assign(Value); }

void TControlLook::SetDropDownFooter(const TFooterAppearance& Value) { FDropDownFooter->Assign(Value); }
