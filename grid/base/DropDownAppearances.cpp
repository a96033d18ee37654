#include "grid/base/DropDownAppearances.h"

#include <array>
#include <typeinfo>

#include "grid/base/DropDownColors.h"

void THeaderButton::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const THeaderButton*>(&Source);
  if (!src) return TCollectionItem::Assign(Source);
  FCaption = src->FCaption;
  FImageIndex = src->FImageIndex;
  FEnabled = src->FEnabled;
  FWidth = src->FWidth;
  FHeight = src->FHeight;
}

void THeaderButton::Changed() {
  if (auto* buttons = dynamic_cast<THeaderButtons*>(Collection()); buttons && buttons->OnChange)
    buttons->OnChange();
}

void THeaderButton::SetCaption(const String& Value) {
  if (StoreChanged(FCaption, Value)) Changed();
}

void THeaderButton::SetEnabled(bool Value) {
  if (StoreChanged(FEnabled, Value)) Changed();
}

void THeaderButton::SetWidth(int Value) {
  if (StoreChanged(FWidth, Value)) Changed();
}

void TFooterButton::Assign(const TPersistent& Source) {
  THeaderButton::Assign(Source);
  if (const auto* src = dynamic_cast<const TFooterButton*>(&Source)) FModalResult = src->FModalResult;
}

TStripAppearance::TStripAppearance(TPersistent* AOwner, std::unique_ptr<THeaderButtons> Buttons)
    : FOwner(AOwner), FFont(std::make_unique<TFont>()), FButtons(std::move(Buttons)) {
  FButtons->OnChange = [this] { FireEvent(OnButtonsChanged, this); };
}

TStripAppearance::~TStripAppearance() = default;

void TStripAppearance::SetVisible(bool Value) {
  if (StoreChanged(FValues.Visible, Value)) FireEvent(OnChange, this);
}

void TStripAppearance::AssignStrip(const TStripAppearance& Source) {
  const bool visible = Source.FValues.Visible;
  const bool keep = FValues.Visible;
  FValues = Source.FValues;
  FValues.Visible = keep;
  FFont->Assign(*Source.FFont);
  SetVisible(visible);
  FButtons->Assign(*Source.FButtons);
}

void TStripAppearance::AssignColors(const TPersistent& Source) {
  if (typeid(Source) != typeid(*this)) return;
  const auto& src = static_cast<const TStripAppearance&>(Source);
  FValues.ColorTo = src.FValues.ColorTo;
  FValues.Color = src.FValues.Color;
  FValues.BorderColor = src.FValues.BorderColor;
  FFont->Assign(*src.FFont);
  FValues.GradientDirection = src.FValues.GradientDirection;
}

THeaderAppearance::THeaderAppearance(TPersistent* AOwner)
    : TStripAppearance(AOwner, std::make_unique<THeaderButtons>(AOwner)) {
  Font()->SetName(u"Tahoma");
}

void THeaderAppearance::Assign(const TPersistent& Source) {
  if (const auto* src = dynamic_cast<const THeaderAppearance*>(&Source)) AssignStrip(*src);
}

TFooterAppearance::TFooterAppearance(TPersistent* AOwner)
    : TStripAppearance(AOwner, std::make_unique<TFooterButtons>(AOwner)) {}

void TFooterAppearance::Assign(const TPersistent& Source) {
  if (const auto* src = dynamic_cast<const TFooterAppearance*>(&Source)) AssignStrip(*src);
}

TAdvButtonAppearance::TAdvButtonAppearance() : FFont(std::make_unique<TFont>()) {
  FValues.ColorChecked = ScaleColorChannels(0xF5F0E1, -10, -10, 0);
  FValues.ColorCheckedTo = ScaleColorChannels(0xF9D2B2, -10, -10, 0);
  FFont->SetName(u"Tahoma");
}

TAdvButtonAppearance::~TAdvButtonAppearance() = default;

void TAdvButtonAppearance::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TAdvButtonAppearance*>(&Source);
  if (!src) return TPersistent::Assign(Source);
  // In this order, each through its setter: a listener sees every step.
  using Setter = void (TAdvButtonAppearance::*)(TColor);
  using Getter = TColor (TAdvButtonAppearance::*)() const;
  static constexpr std::array<std::pair<Setter, Getter>, 15> Colours{{
      {&TAdvButtonAppearance::SetColor, &TAdvButtonAppearance::Color},
      {&TAdvButtonAppearance::SetColorTo, &TAdvButtonAppearance::ColorTo},
      {&TAdvButtonAppearance::SetColorHot, &TAdvButtonAppearance::ColorHot},
      {&TAdvButtonAppearance::SetColorHotTo, &TAdvButtonAppearance::ColorHotTo},
      {&TAdvButtonAppearance::SetColorDown, &TAdvButtonAppearance::ColorDown},
      {&TAdvButtonAppearance::SetColorDownTo, &TAdvButtonAppearance::ColorDownTo},
      {&TAdvButtonAppearance::SetColorChecked, &TAdvButtonAppearance::ColorChecked},
      {&TAdvButtonAppearance::SetColorCheckedTo, &TAdvButtonAppearance::ColorCheckedTo},
      {&TAdvButtonAppearance::SetColorDisabled, &TAdvButtonAppearance::ColorDisabled},
      {&TAdvButtonAppearance::SetColorDisabledTo, &TAdvButtonAppearance::ColorDisabledTo},
      {&TAdvButtonAppearance::SetBorderColor, &TAdvButtonAppearance::BorderColor},
      {&TAdvButtonAppearance::SetBorderColorHot, &TAdvButtonAppearance::BorderColorHot},
      {&TAdvButtonAppearance::SetBorderColorDown, &TAdvButtonAppearance::BorderColorDown},
      {&TAdvButtonAppearance::SetBorderColorChecked, &TAdvButtonAppearance::BorderColorChecked},
      {&TAdvButtonAppearance::SetBorderColorDisabled, &TAdvButtonAppearance::BorderColorDisabled},
  }};
  for (const auto& [set, get] : Colours) (this->*set)((src->*get)());
  SetGradient(src->Gradient());
}
