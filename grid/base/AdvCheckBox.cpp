#include "grid/base/AdvCheckBox.h"

#include "platform/gui/FrameControls.h"
#include "platform/gui/Input.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Messages.h"
#include "platform/gui/Views.h"

namespace {
constexpr int kBox = 13;

// Enter with ReturnIsTab becomes this, posted to the box itself.
UINT ReturnAsTabMessage() {
  static const UINT id = RegisterWindowMessage(u"TAdvCheckBox.ReturnAsTab");
  return id;
}
}  // namespace

TAdvCheckBox::TAdvCheckBox(TComponent* AOwner) : TCustomControl(AOwner) {
  SetView(platform::CreatePaintView(*this));
  SetBounds(0, 0, 98, 20);
  SetTabStop(true);
  // Clicks come from the box's own mouse and key handling.
  SetControlStyle(ControlStyle() & ~static_cast<unsigned>(csClickEvents));
}

void TAdvCheckBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (ALeft != Left() || ATop != Top() || AWidth != Width() || AHeight != Height()) FBkgCache = false;
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TAdvCheckBox::Toggle() { SetChecked(FState != cbChecked); }

void TAdvCheckBox::SetState(TCheckBoxState Value) {
  if (FState == Value) return;
  FState = Value;
  const int w = ClientWidth();
  InvalidateRect(FAlignment == taRightJustify ? Rect(w - 20, 0, w, ClientHeight()) : Rect(0, 0, 20, ClientHeight()));
}

void TAdvCheckBox::SetChecked(bool Value) {
  FState = Value ? cbChecked : cbUnchecked;
  Invalidate();
}

void TAdvCheckBox::SetCaption(const String& Value) {
  FCaption = Value;
  Invalidate();
}

void TAdvCheckBox::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  Invalidate();
}

void TAdvCheckBox::SetButtonVertAlign(TVAlignment Value) {
  FBtnVAlign = Value;
  Invalidate();
}

void TAdvCheckBox::SetEllipsis(bool Value) {
  FEllipsis = Value;
  Invalidate();
}

void TAdvCheckBox::SetTransparent(bool Value) {
  FTransparent = Value;
  FBkgCache = false;
  Invalidate();
}

// ---- input

void TAdvCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && CanFocus()) SetFocus();
  if (Button == mbLeft) {
    FDown = true;
    FMouseDown = true;
    Invalidate();
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TAdvCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    const bool clicked = FMouseDown && Focused() && ClientRect().Contains(Point(X, Y));
    FDown = false;
    FMouseDown = false;
    if (clicked && !FReadOnly) Toggle();
    Invalidate();
    if (clicked) Click();
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TAdvCheckBox::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_SPACE) {
    FDown = true;
    Invalidate();
  }
  if (Key == VK_RETURN && FReturnIsTab) PostMessage(Handle(), ReturnAsTabMessage());
  TCustomControl::KeyDown(Key, Shift);
}

void TAdvCheckBox::KeyUp(WORD& Key, TShiftState Shift) {
  if (Key == VK_SPACE && FDown) {
    FDown = false;
    if (!FReadOnly) Toggle();
    Invalidate();
    Click();
  }
  TCustomControl::KeyUp(Key, Shift);
}

void TAdvCheckBox::Dispatch(TMessage& Message) {
  if (Message.Msg == ReturnAsTabMessage()) {
    // The Tab goes the way a typed one goes, so the form moves the focus.
    platform::InputKeyDown(VK_TAB, u'\t', {});
    platform::InputKeyUp(VK_TAB, {});
    return;
  }
  if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<Char>(Message.WParam), FCaption) && Enabled() &&
      Visible()) {
    Toggle();
    if (TabStop() && CanFocus()) SetFocus();
    Message.Result = 1;
    return;
  }
  if (Message.Msg == WM_GETDLGCODE) {
    TCustomControl::Dispatch(Message);
    if (FReturnIsTab) Message.Result |= DLGC_WANTALLKEYS;
    return;
  }
  TCustomControl::Dispatch(Message);
}

// ---- painting

TRect TAdvCheckBox::BoxRect() const {
  const int x = FAlignment == taRightJustify ? ClientWidth() - kBox : 0;
  const int h = ClientHeight();
  const int y = FBtnVAlign == vtaCenter ? h / 2 - 6 : FBtnVAlign == vtaBottom ? h - 17 : 4;
  return Rect(x, y, x + kBox, y + kBox);
}

void TAdvCheckBox::PaintBackground(TCanvas& C) {
  if (!FTransparent) {
    C.Brush()->SetColor(Color());
    C.FillRect(ClientRect());
    return;
  }
  if (!FTransparentCaching) return PaintParentBackground(*this, C);
  if (!FBkgCache) {
    FBkgBmp.SetSize(ClientWidth(), ClientHeight());
    PaintParentBackground(*this, *FBkgBmp.Canvas());
    FBkgCache = true;
  }
  C.Draw(0, 0, FBkgBmp);
}

void TAdvCheckBox::Paint() {
  TCanvas& c = *Canvas();
  PaintBackground(c);
  unsigned state = DFCS_BUTTONCHECK;
  if (FState == cbChecked) state |= DFCS_CHECKED;
  if (FState == cbGrayed || !Enabled()) state |= DFCS_INACTIVE;
  if (FDown) state |= DFCS_PUSHED;
  DrawFrameControl(c, BoxRect(), DFC_BUTTON, state);
  PaintCaption(c);
}

void TAdvCheckBox::PaintCaption(TCanvas& C) {
  TRect r = ClientRect();
  r.Top = 4;
  if (FAlignment == taRightJustify) {
    r.Left = 6;
    r.Right -= 9;
  } else {
    r.Left = 15;
  }
  C.SetFont(*Font());
  C.Brush()->SetStyle(bsClear);
  const unsigned format = DT_LEFT | DT_SINGLELINE | (FEllipsis ? DT_END_ELLIPSIS : 0);
  if (!Enabled()) {
    TRect light = r;
    OffsetRect(light, 1, 1);
    C.Font()->SetColor(clWhite);
    C.DrawText(FCaption, light, format);
    C.Font()->SetColor(0x808080);
  }
  TRect text = r;
  C.DrawText(FCaption, text, format);
  C.Brush()->SetStyle(bsSolid);
  if (!Focused()) return;
  const TSize size = C.TextExtent(StripHotkey(FCaption));
  C.DrawFocusRect(Rect(r.Left - 2, r.Top, r.Left - 2 + size.cx + 1, r.Top + size.cy + 1));
}
