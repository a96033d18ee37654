#include "grid/base/StyledDateTimePicker.h"

#include "grid/base/StyleProbes.h"
#include "grid/base/VisualStyleBinding.h"
#include "platform/gui/Input.h"
#include "platform/gui/SystemMetrics.h"

namespace {
bool MouseButtonDown() { return GetAsyncKeyState(VK_LBUTTON) < 0 || GetAsyncKeyState(VK_RBUTTON) < 0; }
bool Designing(const TComponent& C) { return (C.ComponentState() & csDesigning) != 0; }
}  // namespace

TStyledDateTimePicker::TStyledDateTimePicker(TComponent* AOwner, bool Ctl3D, TColor BorderColor)
    : TDateTimePicker(AOwner),
      FCtl3D(Ctl3D),
      FBorderColor(BorderColor),
      FIsThemed(IsComCtlV6()),
      FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2),
      FIsWinXP(IsWinXPOrLater()) {
  SetPaintHooks(true);
}

void TStyledDateTimePicker::SetCtl3D(bool v) {
  FCtl3D = v;
  Invalidate();
}

void TStyledDateTimePicker::SetBorderStyle(TBorderStyle v) {
  if (v == FBorderStyle) return;
  FBorderStyle = v;
  Invalidate();
}

void TStyledDateTimePicker::SetBorderColor(TColor v) {
  if (v == FBorderColor) return;
  FBorderColor = v;
  Invalidate();
}

void TStyledDateTimePicker::SetMetroStyle(bool v) {
  if (v == FMetroStyle) return;
  FMetroStyle = v;
  Invalidate();
}

bool TStyledDateTimePicker::StylesActive() const {
  TVisualStyleLibrary* styles = ThemeAPI();
  return FIsThemed && styles && styles->IsThemeActive();
}

TComboLook TStyledDateTimePicker::Look() const {
  TComboLook l;
  l.Width = Width();
  l.Height = Height();
  l.ClientWidth = ClientWidth();
  l.ClientHeight = ClientHeight();
  l.ButtonWidth = FButtonWidth;
  l.Enabled = Enabled();
  l.Themed = FIsThemed;
  l.StylesActive = StylesActive();
  l.DisabledBorder = FDisabledBorder;
  l.HasFocus = FHasFocus;
  l.FocusBorder = FFocusBorder && !Designing(*this);
  l.Hot = Designing(*this) ? Enabled() : FMouseInControl || (Screen && Screen->ActiveControl() == this);
  l.IsVista = IsVistaOrLater();
  l.IsWinXP = FIsWinXP;
  l.BorderColor = FBorderColor;
  l.FocusBorderColor = FFocusBorderColor;
  l.ParentColor = Parent() ? Parent()->Color() : clBtnFace;
  l.Color = Color();
  l.ButtonHover = FButtonHover;
  l.MouseDown = MouseButtonDown();
  l.DroppedDown = DroppedDown();
  TakeButtonColors(l, FButtonColors);
  return l;
}

void TStyledDateTimePicker::RedrawBorders(TCanvas& Canvas) const {
  if (!MetroActive()) return;
  if (Enabled() && FBorderColor == clNone && FFocusBorderColor == clNone) return;
  DrawPickerBorders(Canvas, Look());
}

void TStyledDateTimePicker::DrawOutline(TCanvas& Canvas) const {
  const TColor parent = Parent() ? Parent()->Color() : clNone;
  const TColor* parentColor = Parent() ? &parent : nullptr;
  const TColor pen = PickerOutlineColor(FBorderStyle == bsNone, parentColor, FIsThemed, FBorderColor);
  const TColor inner = FBorderStyle == bsSingle && Parent() ? parent : clNone;
  DrawPickerOutline(Canvas, Width(), Height(), pen, inner);
}

// The native look first; the own parts over it.
void TStyledDateTimePicker::Paint(TMessage& Message) {
  TDateTimePicker::Dispatch(Message);
  if ((FCtl3D && !MetroActive()) || !IsVistaOrLater()) return;
  auto& canvas = *reinterpret_cast<TCanvas*>(Message.WParam);
  if (MetroActive() && Kind() != dtkTime) DrawPickerDropButton(canvas, Handle(), Look(), ThemedEraseInset());
  if (SecondOutline() && !FCtl3D) {
    DrawOutline(canvas);
    if (!StylesActive()) DrawPickerSecondOutline(canvas, Width(), Height());
  }
  RedrawBorders(canvas);
}

void TStyledDateTimePicker::NonClientPaint(TMessage& Message) {
  TDateTimePicker::Dispatch(Message);
  auto& canvas = *reinterpret_cast<TCanvas*>(Message.WParam);
  if (!FCtl3D && OutlineWanted()) DrawOutline(canvas);
  if (!Enabled() && StylesActive() && !FDisabledBorder) RedrawBorders(canvas);
  if ((FFocusBorderColor != clNone && Focused()) || FBorderColor != clNone) RedrawBorders(canvas);
  Message.Result = 0;
}

void TStyledDateTimePicker::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: return Paint(Message);
    case WM_NCPAINT: return NonClientPaint(Message);
    default: return TDateTimePicker::Dispatch(Message);
  }
}

void TStyledDateTimePicker::MouseMove(TShiftState Shift, int X, int Y) {
  TDateTimePicker::MouseMove(Shift, X, Y);
  const bool hover = X > Width() - FButtonWidth && X < Width();
  if (hover == FButtonHover) return;
  FButtonHover = hover;
  Invalidate();
}

void TStyledDateTimePicker::MouseEnter() {
  TDateTimePicker::MouseEnter();
  if (!Enabled()) return;
  FMouseInControl = true;
  Invalidate();
}

void TStyledDateTimePicker::MouseLeave() {
  TDateTimePicker::MouseLeave();
  FMouseInControl = false;
  FButtonHover = false;
  Invalidate();
}

void TStyledDateTimePicker::DoEnter() {
  if (!Designing(*this)) FocusChanged(true);
  TDateTimePicker::DoEnter();
}

void TStyledDateTimePicker::DoExit() {
  if (!Designing(*this)) FocusChanged(false);
  TDateTimePicker::DoExit();
}

void TStyledDateTimePicker::FocusChanged(bool Focus) {
  FHasFocus = Focus;
  Invalidate();
}
