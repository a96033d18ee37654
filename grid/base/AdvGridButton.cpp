#include "grid/base/AdvGridButton.h"

#include <array>

#include "grid/base/StyleProbes.h"
#include "platform/gui/Messages.h"
#include "platform/gui/Views.h"

namespace {

struct TButtonLook {
  TColor Color, ColorTo, Hot, HotTo, Down, DownTo, Checked, CheckedTo, BorderDown, BorderHot;
};

constexpr TButtonLook kOffice2003{0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0, 0, 0, 0};

// Looks 2..4 share their hot, down and checked colours.
constexpr TButtonLook Office(TColor Color, TColor ColorTo) {
  return {Color, ColorTo, kOffice2003.Color, kOffice2003.ColorTo, kOffice2003.Hot, kOffice2003.HotTo,
          kOffice2003.Down, kOffice2003.DownTo, 0x000000, 0x000000};
}

constexpr std::array<TButtonLook, 7> kLooks{{
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31},
    Office(0xFDEADA, 0xE4AE88),
    Office(0xCFF0EA, 0x8CC0B1),
    Office(0xECE2E1, 0xB39698),
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080},
}};

}  // namespace

TAdvGridButton::TAdvGridButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetView(platform::CreatePaintView(*this));
  SetBounds(0, 0, 22, 23);
  SetColor(clBtnFace);
  SetParentFont(true);
  // The button clicks from its own state machine on release.
  SetControlStyle(ControlStyle() & ~static_cast<unsigned>(csClickEvents));
  auto repaint = [this](TPersistent*) { Invalidate(); };
  for (TBitmap* b : {&FGlyph, &FGlyphDisabled, &FGlyphHot, &FGlyphDown}) b->OnChange = repaint;
}

TAdvGridButton::~TAdvGridButton() = default;

void TAdvGridButton::Loaded() {
  TGraphicControl::Loaded();
  if (FShaded) BuildShade();
  if (FAutoThemeAdapt) ApplyThemeLook();
}

void TAdvGridButton::SetFaceColor(TColor& Field, TColor Value) {
  Field = Value;
  Invalidate();
}

// ---- group and check state

void TAdvGridButton::SetDown(bool Value) {
  if (FGroupIndex == 0 && FStyle != tasCheck) Value = false;
  if (FStyle == tasCheck) {
    FDown = Value;
    Invalidate();
    return;
  }
  if (Value == FDown || (FDown && !FAllowAllUp)) return;
  FDown = Value;
  if (Value) {
    if (FState == bsUp) Invalidate();
    FState = bsExclusive;
    UpdateExclusive();
  } else {
    FState = bsUp;
    Invalidate();
  }
}

void TAdvGridButton::SetGroupIndex(int Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  UpdateExclusive();
}

void TAdvGridButton::SetAllowAllUp(bool Value) {
  if (FAllowAllUp == Value) return;
  FAllowAllUp = Value;
  UpdateExclusive();
}

void TAdvGridButton::SetStyle(TAdvGridButtonStyle Value) {
  FStyle = Value;
  Invalidate();
}

void TAdvGridButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i)
    if (auto* b = dynamic_cast<TAdvGridButton*>(Parent()->Controls(i)); b && b != this)
      b->ButtonPressed(*this);
}

void TAdvGridButton::ButtonPressed(const TAdvGridButton& Sender) {
  if (Sender.FGroupIndex != FGroupIndex) return;
  if (Sender.FDown && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  FAllowAllUp = Sender.FAllowAllUp;
}

void TAdvGridButton::Click() { TGraphicControl::Click(); }

// ---- mouse

bool TAdvGridButton::Inside(int X, int Y) const {
  return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
}

void TAdvGridButton::StateAtPaint() {
  if (!Enabled()) {
    FState = bsDisabled;
    FDragging = false;
  } else if (FState == bsDisabled) {
    FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
  }
  if (FStyle == tasCheck && FDown) FState = bsDown;
}

void TAdvGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (FDropDownButton && X >= ClientWidth() - 12) {
    FState = bsUp;
    if (OnDropDown) OnDropDown(this);
    if (FDropDownMenu) {
      const TPoint p = ClientToScreen(Point(0, Height()));
      FDropDownMenu->Popup(p.X, p.Y);
    }
    return;
  }
  if (!FDown) {
    FState = bsDown;
    Invalidate();
  }
  if (FStyle == tasCheck) FState = bsDown;
  FDragging = true;
}

void TAdvGridButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  TButtonState state = FDown ? bsExclusive : bsUp;
  if (Inside(X, Y)) state = FDown ? bsExclusive : bsDown;
  if (FStyle == tasCheck && FDown) state = bsDown;
  if (state == FState) return;
  FState = state;
  Invalidate();
}

void TAdvGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging) return;
  FDragging = false;
  const bool inside = Inside(X, Y);
  if (FGroupIndex == 0) {
    FState = bsUp;
    // Outside no click follows: a check button keeps its state, so that its
    // owner never sees a state it was not told of.
    if (FStyle == tasCheck && inside) FDown = !FDown;
    Invalidate();
  } else if (inside) {
    SetDown(!FDown);
    if (FDown) Invalidate();
  } else {
    if (FDown) FState = bsExclusive;
    Invalidate();
  }
  if (inside) Click();
}

void TAdvGridButton::MouseEnter() {
  if (Enabled() && !MouseCapture()) {
    FMouseInControl = true;
    if (FFlat) Invalidate();
  }
  TGraphicControl::MouseEnter();
}

void TAdvGridButton::MouseLeave() {
  if (!FDragging) {
    FMouseInControl = false;
    if (FFlat) Invalidate();
  }
  TGraphicControl::MouseLeave();
}

void TAdvGridButton::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<Char>(Message.WParam), Caption()) &&
      Enabled() && Visible() && Parent() && Parent()->Showing()) {
    Click();
    Message.Result = 1;
    return;
  }
  TGraphicControl::Dispatch(Message);
}

void TAdvGridButton::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

void TAdvGridButton::SetDropDownMenu(TPopupMenu* Value) {
  if (FDropDownMenu) RemoveFreeNotification(FDropDownMenu);
  FDropDownMenu = Value;
  if (Value) FreeNotification(Value);
}

// ---- looks and glyphs

void TAdvGridButton::SetLook(int Value) {
  FLook = Value;
  if (Value < 0 || Value >= static_cast<int>(kLooks.size())) return;
  const TButtonLook& k = kLooks[static_cast<size_t>(Value)];
  SetColor(k.Color);
  FColorTo = k.ColorTo;
  FColorHot = k.Hot;
  FColorHotTo = k.HotTo;
  FColorDown = k.Down;
  FColorDownTo = k.DownTo;
  FColorChecked = k.Checked;
  FColorCheckedTo = k.CheckedTo;
  FBorderDownColor = k.BorderDown;
  FBorderHotColor = k.BorderHot;
  FBorderColor = clNone;
  FFlat = true;
  FRounded = Value == 0;
  Invalidate();
}

void TAdvGridButton::SetAutoThemeAdapt(bool Value) {
  FAutoThemeAdapt = Value;
  if (Value && !Loading()) ApplyThemeLook();
}

void TAdvGridButton::ApplyThemeLook() {
  // Scheme 1..3 ("NormalColor", "HomeStead", "Metallic") are looks 2..4.
  const int scheme = GetXPColorScheme();
  SetLook(scheme >= 1 && scheme <= 3 ? scheme + 1 : 1);
}

void TAdvGridButton::SetGlyph(const TBitmap& Value) {
  FGlyph.Assign(Value);
  if (FGlyphDisabled.Empty() && !FGlyph.Empty()) MakeDisabledGlyph(FGlyph, FGlyphDisabled);
  if (FShaded && !Loading()) BuildShade();
  Invalidate();
}

void TAdvGridButton::SetGlyphDisabled(const TBitmap& Value) { FGlyphDisabled.Assign(Value); }
void TAdvGridButton::SetGlyphHot(const TBitmap& Value) { FGlyphHot.Assign(Value); }
void TAdvGridButton::SetGlyphDown(const TBitmap& Value) { FGlyphDown.Assign(Value); }

void TAdvGridButton::SetShaded(bool Value) {
  FShaded = Value;
  if (Value && !Loading()) BuildShade();
  Invalidate();
}

void TAdvGridButton::BuildShade() {
  if (!FGlyph.Empty()) MakeGlyphShade(FGlyph, FGlyphShade);
}

void TAdvGridButton::SetLayout(TButtonLayout Value) {
  FLayout = Value;
  Invalidate();
}

void TAdvGridButton::SetSpacing(int Value) {
  FSpacing = Value;
  Invalidate();
}

void TAdvGridButton::SetMargin(int Value) {
  if (Value < -1) return;
  FMargin = Value;
  Invalidate();
}

void TAdvGridButton::SetFlat(bool Value) {
  FFlat = Value;
  Invalidate();
}

void TAdvGridButton::SetRounded(bool Value) {
  FRounded = Value;
  Invalidate();
}

void TAdvGridButton::SetShowCaption(bool Value) {
  FShowCaption = Value;
  Invalidate();
}

void TAdvGridButton::SetDropDownButton(bool Value) {
  FDropDownButton = Value;
  Invalidate();
}
