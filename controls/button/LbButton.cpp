#include "controls/button/LbButton.h"

#include "controls/button/LbButtons.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Input.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Views.h"
#include "platform/sys/SysUtils.h"

TLbButton::TLbButton(TComponent* AOwner)
    : TCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>()), FHTFont(std::make_unique<TFont>()) {
  SetView(platform::CreatePaintView(*this));
  // No click or double-click events of the control's own: the button clicks on release itself.
  SetControlStyle(csCaptureMouse | csSetCaption | csOpaque);
  SetBounds(0, 0, 100, 23);
  SetColor(clBtnFace);
  SetTabStop(true);
  if (auto* form = dynamic_cast<TCustomForm*>(AOwner)) FHTFont->Assign(*form->Font());
  CreateThread();
}

TLbButton::~TLbButton() {
  // A fade tick arriving from here on must find the button going.
  Destroying_();
  EndThread();
}

void TLbButton::CreateThread() {
  FThread = std::make_unique<TLbButtonThread>([this](TLbButtonThread* Sender) { FadeStep(Sender); });
}

void TLbButton::EndThread() { FThread.reset(); }

void TLbButton::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  Repaint();
}

void TLbButton::SetFlat(bool Value) {
  FFlat = Value;
  Repaint();
}

void TLbButton::SetLayout(TLbButtonLayout Value) {
  FLayout = Value;
  Repaint();
}

void TLbButton::SetLightColor(TColor Value) {
  FLightColor = Value;
  Repaint();
}

void TLbButton::SetShadowColor(TColor Value) {
  FShadowColor = Value;
  Repaint();
}

void TLbButton::SetWordWrap(bool Value) {
  FWordWrap = Value;
  Repaint();
}

void TLbButton::SetNumGlyphs(int Value) {
  FNumGlyphs = Value;
  Invalidate();
}

void TLbButton::SetEnabled(bool Value) {
  TCustomControl::SetEnabled(Value);
  bDown = false;
  Repaint();
}

void TLbButton::SetGlyph(const TBitmap* Value) {
  if (Value) {
    FGlyph->Assign(*Value);
    FNumGlyphs = FGlyph->Height() == 0 ? 0 : FGlyph->Width() / FGlyph->Height();
  } else {
    FGlyph = std::make_unique<TBitmap>();
    FNumGlyphs = 0;
  }
  FKind = bkCustom;
  Invalidate();
}

void TLbButton::SetHotTrackFont(const TFont& Value) { FHTFont->Assign(Value); }

void TLbButton::SetModalResult(TModalResult Value) {
  FModalResult = Value;
  FKind = bkCustom;
}

void TLbButton::SetStyle(TLbButtonStyle Value) {
  FStyle = Value;
  Invalidate();
}

void TLbButton::SetSlowDecease(bool Value) {
  FSlowDecease = Value;
  if (Value && !FThread) CreateThread();
  if (!Value && FThread) {
    FHotTrackStep = 0;
    EndThread();
    Invalidate();
  }
}

// Clicks, mouse and keys: every handler on the way may free the button, so
// it is watched across them.

void TLbButton::Click() {
  const TFreeWatch watch(*this);
  bDown = true;
  DoClick();
  // A click the button refused (hidden or disabled) must not leave it looking pressed.
  if (!watch.Freed()) bDown = false;
}

void TLbButton::DoClick() {
  if (!Visible() || !Enabled() || !bDown) return;
  bDown = false;
  const TFreeWatch watch(*this);
  FireEvent(OnClick, this);
  if (watch.Freed()) return;
  if (FModalResult != mrNone)
    if (TCustomForm* form = GetParentForm()) form->SetModalResult(FModalResult);
  if (TPopupMenu* menu = PopupMenu()) {
    // The menu drops down below the button, its left edges in line.
    menu->SetPopupComponent(this);
    const TPoint p = ClientToScreen(Point(0, Height()));
    menu->Popup(p.X, p.Y);
  }
}

// Mouse

void TLbButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TFreeWatch watch(*this);
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft || !Enabled()) return;
  bDown = true;
  if (CanFocus()) SetFocus();
  if (!watch.Freed()) Repaint();
}

// The button has the capture, so the release comes here wherever it is; off
// the button it takes the press back, as a push button does.
void TLbButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TFreeWatch watch(*this);
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (!watch.Freed() && bDown && ClientRect().Contains(Point(X, Y))) Click();
  if (watch.Freed()) return;
  bDown = false;
  Repaint();
}

bool TLbButton::ShowingAndEnabled() const {
  return Enabled() && Visible() && Parent() && Parent()->Showing();
}

void TLbButton::MouseEnter() {
  if (!ShowingAndEnabled()) return;
  bCursorOnButton = true;
  FHotTrackStep = LbHotTrackSteps;
  Repaint();
  TCustomControl::MouseEnter();
}

void TLbButton::MouseLeave() {
  bCursorOnButton = false;
  if (!FSlowDecease) {
    FHotTrackStep = 0;
    Repaint();
  } else if (FThread && FThread->FadeSuspended()) {
    FThread->ResumeFade();
  }
  if (!ShowingAndEnabled()) return;
  const TFreeWatch watch(*this);
  TCustomControl::MouseLeave();
  if (!watch.Freed()) FireEvent(OnMouseExit, this);
}

void TLbButton::FadeStep(TLbButtonThread*) {
  if (Destroying()) return;
  if (--FHotTrackStep <= 0) {
    if (FThread && !FThread->FadeSuspended()) FThread->SuspendFade();
    FHotTrackStep = 0;
  }
  Repaint();
}

// Keys

void TLbButton::KeyDown(WORD& Key, TShiftState Shift) {
  const TFreeWatch watch(*this);
  TCustomControl::KeyDown(Key, Shift);
  if (watch.Freed()) return;
  if ((Key == VK_RETURN || Key == VK_SPACE) && Enabled() && Focused()) {
    bDown = true;
    Repaint();
  }
}

void TLbButton::KeyUp(WORD& Key, TShiftState Shift) {
  const TFreeWatch watch(*this);
  TCustomControl::KeyUp(Key, Shift);
  if (watch.Freed() || (Key != VK_RETURN && Key != VK_SPACE)) return;
  Click();
  if (!watch.Freed()) Repaint();
}

namespace {
// The first form up the owner chain.
TCustomForm* OwningForm(const TComponent* c) {
  for (TComponent* o = c->Owner(); o; o = o->Owner())
    if (auto* form = dynamic_cast<TCustomForm*>(o)) return form;
  return nullptr;
}
}  // namespace

bool TLbButton::FocusedIsAButton() const {
  const TCustomForm* form = OwningForm(this);
  const TWinControl* focused = form ? form->ActiveControl() : nullptr;
  if (!focused) return false;
  const String name = AnsiUpperCase(focused->ClassName());
  return name.find(u"BUTTON") != String::npos && name.find(u"RADIOBUTTON") == String::npos;
}

void TLbButton::CMDialogKey(TMessage& Message) {
  const TShiftState shift = platform::KeyDataToShiftState(Message.LParam);
  const bool plain = !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
  const bool enter = Message.WParam == VK_RETURN && FDefault;
  const bool escape = Message.WParam == VK_ESCAPE && plain && FCancel && Visible() && Enabled();
  // A focused button takes Enter and Escape itself.
  if ((!enter && !escape) || FocusedIsAButton()) return TCustomControl::Dispatch(Message);
  bDown = true;
  Click();
  Message.Result = 1;
}

void TLbButton::CMDialogChar(TMessage& Message) {
  if (!IsAccel(static_cast<Char>(Message.WParam), Caption()) || !ShowingAndEnabled())
    return TCustomControl::Dispatch(Message);
  bDown = true;
  Click();
  Message.Result = 1;
}

void TLbButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGKEY: return CMDialogKey(Message);
    case CM_DIALOGCHAR: return CMDialogChar(Message);
    case CM_TEXTCHANGED: Invalidate(); break;
    case WM_SETFOCUS: case WM_KILLFOCUS:
      TCustomControl::Dispatch(Message);
      Repaint();
      return;
    default: break;
  }
  TCustomControl::Dispatch(Message);
}
