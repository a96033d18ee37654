#include "grid/base/AsgSpinButton.h"

#include <algorithm>

#include "platform/gui/Views.h"

namespace {
constexpr int kUprightWidth = 15, kLyingWidth = 20;
}

TAsgSpinButton::TAsgSpinButton(TComponent* AOwner) : TCustomControl(AOwner) {
  SetView(platform::CreatePaintView(*this));
  SetControlStyle((ControlStyle() & ~(csAcceptsControls | csSetCaption)) | csOpaque);
  TControl::SetColor(clBtnFace);
  FUpButton = MakeButton(bdUp, u"AsgSpinUp");
  FDownButton = MakeButton(bdDown, u"AsgSpinDown");
  FFocusedButton = FUpButton;
  SetBounds(0, 0, kUprightWidth, 25);
}

TAdvTimerSpeedButton* TAsgSpinButton::MakeButton(TButtonDirection Direction, const String& Glyph) {
  auto* b = new TAdvTimerSpeedButton(this);
  b->SetParent(this);
  b->SetColors(&FColors);
  b->OnClick = [this](TObject* Sender) { ButtonClick(Sender); };
  b->OnMouseDown = [this](TObject* Sender, TMouseButton Button, TShiftState, int, int) {
    ButtonPressed(Sender, Button);
  };
  b->SetTimeBtnState(tbAllowTimer);
  b->Glyph()->LoadFromResourceName(Glyph);
  b->SetButtonDirection(Direction);
  return b;
}

void TAsgSpinButton::SetDirection(TSpinDirection v) {
  if (v == FDirection) return;
  FDirection = v;
  RecreateWnd();
  const bool lying = v == spHorizontal;
  FUpButton->SetButtonDirection(lying ? bdRight : bdUp);
  FDownButton->SetButtonDirection(lying ? bdLeft : bdDown);
  SetWidth(lying ? kLyingWidth : kUprightWidth);
}

void TAsgSpinButton::SetGlyphOf(TAdvTimerSpeedButton& Button, const TBitmap* v, const String& BuiltIn) {
  if (v) return Button.SetGlyph(*v);
  Button.Glyph()->LoadFromResourceName(BuiltIn);
  Button.SetNumGlyphs(1);
  Button.Invalidate();
}

void TAsgSpinButton::SetFocusControl(TWinControl* v) {
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = v;
  if (v) v->FreeNotification(this);
}

void TAsgSpinButton::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TAsgSpinButton::SetIsWinXP(bool v) {
  FIsWinXP = v;
  FUpButton->SetIsWinXP(v);
  FDownButton->SetIsWinXP(v);
}

void TAsgSpinButton::SetButtonColors(const TEditorButtonColors& v) {
  FColors = v;
  FUpButton->Invalidate();
  FDownButton->Invalidate();
}

void TAsgSpinButton::SetColorField(TColor TEditorButtonColors::*Field, TColor v) {
  TEditorButtonColors c = FColors;
  c.*Field = v;
  SetButtonColors(c);
}

// Upright the arrows overlap by one pixel; lying they are halves with a
// pixel between.
void TAsgSpinButton::AdjustSize(int& W, int& H) {
  if (Loading() || !FUpButton || !FDownButton) return;
  if (FDirection == spVertical) {
    W = std::max(W, kUprightWidth);
    const int upHeight = H / 2;
    FUpButton->SetBounds(0, 0, W, upHeight);
    FDownButton->SetBounds(0, upHeight - 1, W, H - upHeight + 1);
  } else {
    W = std::max(W, kLyingWidth);
    FDownButton->SetBounds(0, 0, W / 2, H);
    FUpButton->SetBounds(W / 2 + 1, 0, W / 2, H);
  }
}

void TAsgSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AdjustSize(AWidth, AHeight);
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TAsgSpinButton::Readjust() {
  int w = Width(), h = Height();
  AdjustSize(w, h);
  if (w != Width() || h != Height()) TCustomControl::SetBounds(Left(), Top(), w, h);
}

void TAsgSpinButton::Resize() {
  TCustomControl::Resize();
  Readjust();
}

void TAsgSpinButton::Loaded() {
  TCustomControl::Loaded();
  Readjust();
}

void TAsgSpinButton::ButtonClick(TObject* Sender) {
  FireEvent(Sender == FUpButton ? OnUpClick : OnDownClick, this);
}

void TAsgSpinButton::ButtonPressed(TObject* Sender, TMouseButton Button) {
  if (Button != mbLeft) return;
  SetFocusBtn(static_cast<TAdvTimerSpeedButton*>(Sender));
  TWinControl* focus = FFocusControl;
  if (focus && focus->CanFocus() && focus->TabStop() && !focus->Focused()) return focus->SetFocus();
  if (TabStop() && !Focused() && CanFocus()) SetFocus();
}

void TAsgSpinButton::SetFocusBtn(TAdvTimerSpeedButton* Button) {
  if (!TabStop() || !CanFocus() || Button == FFocusedButton) return;
  FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() & ~tbFocusRect);
  FFocusedButton = Button;
  if (!Focused()) return;
  Button->SetTimeBtnState(Button->TimeBtnState() | tbFocusRect);
  Invalidate();
}

void TAsgSpinButton::ShowFocus(bool Focused) {
  const unsigned state = FFocusedButton->TimeBtnState();
  FFocusedButton->SetTimeBtnState(Focused ? state | tbFocusRect : state & ~tbFocusRect);
  FFocusedButton->Invalidate();
}

void TAsgSpinButton::KeyDown(WORD& Key, TShiftState Shift) {
  const TFreeWatch watch(*this);  // a click handler may free the pair
  switch (Key) {
    case VK_SPACE: FFocusedButton->Click(); break;
    case VK_UP: case VK_DOWN: {
      TAdvTimerSpeedButton* b = Key == VK_UP ? FUpButton : FDownButton;
      SetFocusBtn(b);
      b->Click();
      break;
    }
    default: break;
  }
  if (!watch.Freed()) TCustomControl::KeyDown(Key, Shift);
}

void TAsgSpinButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
    case WM_SETFOCUS: case WM_KILLFOCUS: ShowFocus(Message.Msg == WM_SETFOCUS); break;
    default: break;
  }
  TCustomControl::Dispatch(Message);
}

void TAsgSpinButton::Paint() {
  TCanvas& c = *Canvas();
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(Color());
  c.FillRect(ClientRect());
}
