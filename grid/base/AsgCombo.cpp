#include "grid/base/AsgCombo.h"

#include "grid/base/StyleProbes.h"
#include "grid/base/VisualStyleBinding.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Input.h"
#include "platform/gui/SystemMetrics.h"

namespace {
bool MouseButtonDown() { return GetAsyncKeyState(VK_LBUTTON) < 0 || GetAsyncKeyState(VK_RBUTTON) < 0; }
}  // namespace

TAsgCustomCombo::TAsgCustomCombo(TComponent* AOwner)
    : TComboBox(AOwner),
      FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2),
      FIsThemed(IsComCtlV6()),
      // Focus loss returns here even when nobody calls Init.
      FNormalColor(Color()) {
  SetPaintHooks(true);
  FLabel.OnChange = [this] { UpdateLabel(); };
}

void TAsgCustomCombo::SelectItem(const String& S) {
  const int i = Items().IndexOf(S);
  if (i >= 0) SetItemIndex(i);
}

void TAsgCustomCombo::SetFlat(bool v) {
  if (v == FFlat) return;
  FFlat = v;
  SetColor(FFlatParentColor && FFlat && Parent() ? Parent()->Color() : FLoadedColor);
  Invalidate();
}

void TAsgCustomCombo::SetButtonWidth(int v) {
  if (v < 14 || v > 32) return;
  FButtonWidth = v;
  Invalidate();
}

void TAsgCustomCombo::SetDropWidth(int v) {
  FDropWidth = v;
  if (v > 0) SetDroppedWidth(v);
}

void TAsgCustomCombo::SetBorderColor(TColor v) {
  if (v == FBorderColor) return;
  FBorderColor = v;
  if (HandleAllocated()) Invalidate();
}

void TAsgCustomCombo::SetLabelFont(const TFont& v) {
  if (!ParentFont()) FLabel.Font()->Assign(v);
  UpdateLabel();
}

void TAsgCustomCombo::SetEnabled(bool v) {
  const bool changed = v != Enabled();
  TComboBox::SetEnabled(v);
  if (!changed || Loading()) return;
  if (FFlat) FlatEnabledChanged();
  if (FLabel.Label() && !FLabel.AlwaysEnabled()) {
    FLabel.FollowEnabled();
    UpdateLabel();
  }
}

void TAsgCustomCombo::FlatEnabledChanged() {
  if (!Enabled()) {
    FOldParentColor = ParentColor();
    FOldColor = Color();
    SetParentColor(true);
    return;
  }
  SetParentColor(FOldParentColor);
  SetColor(FOldColor);
}

void TAsgCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!Destroying()) UpdateLabel();
}

void TAsgCustomCombo::Loaded() {
  TComboBox::Loaded();
  if (FDropWidth > 0) SetDroppedWidth(FDropWidth);
  FOldColor = FLoadedColor;
  if (!FFlatParentColor || FFlat) SetColor(FLoadedColor);
  FLabel.FollowEnabled();
  if (FLabel.Label() && ParentFont()) FLabel.Label()->SetFont(*Font());
  UpdateLabel();
  Init();
}

void TAsgCustomCombo::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove) FLabel.Forget(AComponent);
  TComboBox::Notification(AComponent, Operation);
}

void TAsgCustomCombo::UpdateLabel() {
  if (!Destroying()) FLabel.Update(ParentFont() ? nullptr : FLabel.Font());
}

void TAsgCustomCombo::MouseMove(TShiftState Shift, int X, int Y) {
  TComboBox::MouseMove(Shift, X, Y);
  const bool hover = X > Width() - FButtonWidth && X < Width();
  if (hover == FButtonHover) return;
  FButtonHover = hover;
  Invalidate();
}

void TAsgCustomCombo::MouseEnter() {
  TComboBox::MouseEnter();
  if (FMouseInControl || !Enabled()) return;
  FMouseInControl = true;
  Invalidate();
  if (FAutoFocus && !(ComponentState() & csDesigning)) {
    TCustomForm* form = GetParentForm();
    if ((!form || form->Active()) && CanFocus()) SetFocus();
  }
}

void TAsgCustomCombo::MouseLeave() {
  TComboBox::MouseLeave();
  const bool redraw = FMouseInControl && Enabled();
  FMouseInControl = false;
  FButtonHover = false;
  if (redraw || FIsWinXP) Invalidate();
}

void TAsgCustomCombo::DoEnter() {
  if (!(ComponentState() & csDesigning)) FocusChanged(true);
  TComboBox::DoEnter();
}

void TAsgCustomCombo::DoExit() {
  if (!(ComponentState() & csDesigning)) FocusChanged(false);
  TComboBox::DoExit();
}

void TAsgCustomCombo::FocusChanged(bool Focus) {
  FHasFocus = Focus;
  if (Focus && FFocusColor != clNone) SetColor(FFocusColor);
  if (!Focus && FFocusColor != clNone && FNormalColor != clNone) SetColor(FNormalColor);
  FLabel.SetBold(Focus && FFocusLabel);
  Invalidate();
}

bool TAsgCustomCombo::StylesActive() const {
  TVisualStyleLibrary* styles = ThemeAPI();
  return FIsThemed && styles && styles->IsThemeActive();
}

bool TAsgCustomCombo::OwnPainting() const {
  if (FIsVista && FButtonColors.Color == clNone) return false;
  return FFlat || FButtonColors.Color != clNone || FBorderColor != clNone ||
         (FFocusBorderColor != clNone && FHasFocus) || (!Enabled() && StylesActive() && !FDisabledBorder);
}

bool TAsgCustomCombo::NonClientBorder() const {
  return OwnPainting() || FFlat || (!Enabled() && StylesActive() && !FDisabledBorder) ||
         (FFocusBorderColor != clNone && Focused()) || FBorderColor != clNone;
}

TComboLook TAsgCustomCombo::Look() const {
  TComboLook l;
  l.Width = Width();
  l.Height = Height();
  l.ClientWidth = ClientWidth();
  l.ClientHeight = ClientHeight();
  l.ButtonWidth = FButtonWidth;
  l.Enabled = Enabled();
  l.Flat = FFlat;
  l.Themed = FIsThemed;
  l.StylesActive = StylesActive();
  l.DisabledBorder = FDisabledBorder;
  l.HasFocus = FHasFocus;
  l.FocusBorder = FFocusBorder && !(ComponentState() & csDesigning);
  l.Hot = (ComponentState() & csDesigning) ? !Enabled()
                                          : FMouseInControl || (Screen && Screen->ActiveControl() == this);
  l.IsVista = FIsVista;
  l.IsWinXP = FIsWinXP;
  l.Simple = Style() == csSimple;
  l.BorderColor = FBorderColor;
  l.FocusBorderColor = FFocusBorderColor;
  l.FlatLineColor = FFlatLineColor;
  l.ParentColor = Parent() ? Parent()->Color() : clBtnFace;
  l.Color = Color();
  l.ButtonHover = FButtonHover;
  l.MouseDown = MouseButtonDown();
  l.DroppedDown = DroppedDown();
  TakeButtonColors(l, FButtonColors);
  return l;
}

void TAsgCustomCombo::Paint(TMessage& Message) {
  TComboBox::Dispatch(Message);
  if (!OwnPainting()) return;
  auto& canvas = *reinterpret_cast<TCanvas*>(Message.WParam);
  DrawComboDropButton(canvas, Handle(), Look());
}

void TAsgCustomCombo::NonClientPaint(TMessage& Message) {
  TComboBox::Dispatch(Message);
  if (!NonClientBorder()) return;
  DrawComboBorder(*reinterpret_cast<TCanvas*>(Message.WParam), Look());
}

void TAsgCustomCombo::ListNotification(WORD Code) {
  if (Code != CBN_DROPDOWN && Code != CBN_CLOSEUP) return;
  InvalidateRect(Rect(ClientWidth() - FButtonWidth, 0, ClientWidth(), ClientHeight()));
  if (Code == CBN_CLOSEUP) FireEvent(OnDropUp, this);
}

void TAsgCustomCombo::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: return Paint(Message);
    case WM_NCPAINT: return NonClientPaint(Message);
    case CN_COMMAND:
      TComboBox::Dispatch(Message);
      return ListNotification(HiWord(Message.WParam));
    case CM_VISIBLECHANGED:
      TComboBox::Dispatch(Message);
      FLabel.FollowVisible();
      return;
    default: return TComboBox::Dispatch(Message);
  }
}
