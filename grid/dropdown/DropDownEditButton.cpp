#include "grid/dropdown/DropDownEditButton.h"

#include "grid/base/StyleProbes.h"
#include "grid/base/VisualStyleBinding.h"
#include "grid/dropdown/AdvCustomDropDown.h"
#include "platform/gui/Views.h"

namespace {
bool StylesActive() {
  TVisualStyleLibrary* styles = ThemeAPI();
  return styles && styles->IsThemeActive();
}
}  // namespace

TAdvDropDownSpeedButton::TAdvDropDownSpeedButton(TComponent* AOwner, TDropDownEditButton& Holder)
    : TSpeedButton(AOwner), FHolder(Holder), FIsWinXP(IsComCtlV6()) {}

void TAdvDropDownSpeedButton::SetFocused(bool v) {
  if (v == FFocused) return;
  FFocused = v;
  Invalidate();
}

bool TAdvDropDownSpeedButton::Pressed() const {
  return (State() == bsDown || State() == bsExclusive) && !FUp;
}

TDropArrowLook TAdvDropDownSpeedButton::ArrowLook() const {
  TDropArrowLook l;
  l.Width = Width();
  l.Height = Height();
  l.Colors = FHolder.Colors();
  const auto* edit = dynamic_cast<const TAdvCustomDropDown*>(FHolder.Owner());
  l.EditBorderColor = edit ? edit->BorderColor() : clNone;
  l.Glyph = const_cast<TAdvDropDownSpeedButton*>(this)->Glyph();
  l.Hot = FHot;
  l.Down = Pressed();
  l.Enabled = edit ? edit->Enabled() && !edit->ReadOnly() : Enabled();
  l.Themed = FIsWinXP && StylesActive();
  l.Vista = IsVistaOrLater();
  l.ThemeWindow = FHolder.HandleAllocated() ? const_cast<TDropDownEditButton&>(FHolder).Handle() : 0;
  return l;
}

TDropPushLook TAdvDropDownSpeedButton::PushLook() const {
  TDropPushLook l;
  l.Width = Width();
  l.Height = Height();
  l.Caption = Caption();
  l.Glyph = const_cast<TAdvDropDownSpeedButton*>(this)->Glyph();
  l.Hot = FHot;
  l.Down = Pressed();
  l.Enabled = Enabled();
  l.Flat = Flat();
  l.Etched = FEtched;
  l.Themed = FIsWinXP && StylesActive();
  l.ThemeWindow = FHolder.HandleAllocated() ? const_cast<TDropDownEditButton&>(FHolder).Handle() : 0;
  return l;
}

void TAdvDropDownSpeedButton::Paint() {
  TCanvas& c = *Canvas();
  if (FButtonStyle == bsButton) {
    if (const auto* edit = dynamic_cast<const TAdvCustomDropDown*>(FHolder.Owner())) c.SetFont(*edit->Font());
    if (!DrawDropDownPushButton(c, PushLook())) TSpeedButton::Paint();
    return;
  }
  const TDropArrowLook look = ArrowLook();
  const TDropArrowFace face = DropArrowFace(look);
  if (face == dafThemed || face == dafClassic) SetEnabled(look.Enabled);
  if (face == dafClassic) TSpeedButton::Paint();
  DrawDropDownArrow(c, look);
}

void TAdvDropDownSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TFreeWatch watch(*this);
  TSpeedButton::MouseUp(Button, Shift, X, Y);
  if (!watch.Freed() && Button == mbLeft) FHolder.Released();
}

void TAdvDropDownSpeedButton::MouseEnter() {
  FHot = true;
  Invalidate();
  TSpeedButton::MouseEnter();
}

void TAdvDropDownSpeedButton::MouseLeave() {
  FHot = false;
  Invalidate();
  TSpeedButton::MouseLeave();
}

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner)
    : TCustomControl(AOwner), FButton(new TAdvDropDownSpeedButton(this, *this)) {
  SetView(platform::CreatePaintView(*this));
  SetColor(clBtnFace);
  SetControlStyle((ControlStyle() & ~(csAcceptsControls | csSetCaption)) | csOpaque);
  FButton->SetParent(this);
  FButton->SetEnabled(Enabled());
  SetTabStop(false);
  SetBounds(0, 0, 16, 25);
  SetButtonWidth(16);
}

void TDropDownEditButton::SetButtonWidth(int v) {
  FButtonWidth = v;
  SetBounds(Left(), Top(), v, Height());
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  (void)AWidth;
  TCustomControl::SetBounds(ALeft, ATop, FButtonWidth, AHeight);
  if (FButton) FButton->SetBounds(0, 0, FButtonWidth, Height());
}

void TDropDownEditButton::SetEnabled(bool v) {
  TCustomControl::SetEnabled(v);
  FButton->SetEnabled(v);
}

void TDropDownEditButton::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
  TCustomControl::Notification(AComponent, Operation);
}

void TDropDownEditButton::Released() { FireEvent(OnClick, this); }
