#include "grid/dropdown/AdvButton.h"

#include <algorithm>
#include <iterator>

#include "grid/dropdown/AdvCustomDropDown.h"
#include "grid/dropdown/DropDownDrawing.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Input.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Timers.h"
#include "platform/gui/Views.h"

namespace {
// Indexed by the modal result; larger values leave the pop-up open.
constexpr TModalClose ModalCloses[] = {
    mcStayOpen,    mcCloseKeep,   mcCloseCancel, mcCloseCancel, mcStayOpen,
    mcCloseCancel, mcCloseKeep,   mcCloseCancel, mcStayOpen,    mcStayOpen,
    mcStayOpen,    mcStayOpen,    mcCloseKeep,   mcCloseCancel, mcCloseKeep,
};
}  // namespace

TModalClose ModalResultClose(TModalResult Value) {
  if (Value < 0 || Value >= static_cast<int>(std::size(ModalCloses))) return mcStayOpen;
  return ModalCloses[Value];
}

TAdvButtonFace AdvButtonFace(const TAdvButtonAppearance& A, const TAdvButtonLook& L) {
  if (!L.Enabled) return {A.ColorDisabled(), A.ColorDisabledTo(), A.BorderColorDisabled()};
  if (L.Pressed) return {A.ColorDown(), A.ColorDown(), A.BorderColorDown()};
  if (L.Down) return {A.ColorChecked(), A.ColorChecked(), A.BorderColorChecked()};
  if (L.Hot) return {A.ColorHot(), A.ColorHot(), A.BorderColorHot()};
  return {A.Color(), A.ColorTo(), A.BorderColor()};
}

TAdvButton::TAdvButton(TComponent* AOwner) : TCustomControl(AOwner), FUnHotTimer(new TTimer(this)) {
  SetView(platform::CreatePaintView(*this));
  SetControlStyle(csCaptureMouse | csClickEvents | csDoubleClicks);
  SetBounds(0, 0, 23, 22);
  Font()->SetName(u"Tahoma");
  SetParentFont(true);
  FUnHotTimer->SetInterval(1);
  FUnHotTimer->SetEnabled(false);
  FUnHotTimer->OnTimer = [this](TObject*) { UnHotTick(); };
}

TAdvButton::~TAdvButton() { FUnHotTimer->SetEnabled(false); }

void TAdvButton::SetAppearance(TAdvButtonAppearance* v) {
  FAppearance = v;
  Invalidate();
}

void TAdvButton::SetImages(TImageList* v) {
  FImages = v;
  Invalidate();
}

void TAdvButton::SetImageIndex(int v) {
  FImageIndex = v;
  Invalidate();
}

void TAdvButton::AutoSizeButton() {
  if (!FAppearance) return;
  TBitmap measure;
  measure.SetSize(1, 1);
  measure.Canvas()->SetFont(*FAppearance->Font());
  TSize s = GetTextSize(*measure.Canvas(), Caption());
  if (FImages && FImageIndex >= 0) {
    s.cx = std::max(s.cx, FImages->Width());
    s.cy = std::max(s.cy, FImages->Height());
  }
  SetBounds(Left(), Top(), s.cx + 8, s.cy + 4);
}

TAdvButtonFace TAdvButton::Face() const {
  if (!FAppearance) return {clNone, clNone, clNone};
  TAdvButtonLook l;
  l.Enabled = Enabled();
  l.Pressed = FMouseDownInControl && FMouseInControl;
  l.Down = FDown;
  l.Hot = FMouseInControl || Focused();
  return AdvButtonFace(*FAppearance, l);
}

void TAdvButton::Paint() {
  if (!Enabled()) {
    FState = absDisabled;
    FDragging = false;
  } else if (FState == absDisabled) {
    FState = FDown && FGroupIndex != 0 ? absExclusive : absUp;
  }
  if (FStyle == tasCheck && FDown) FState = absDown;
  PaintParentBackground(*this, *Canvas());
  DrawButton(*Canvas());
}

void TAdvButton::DrawButton(TCanvas& Canvas) {
  if (!FAppearance) return;
  const TAdvButtonFace f = Face();
  DrawButtonBackground(Canvas, ClientRect(), f.Color, f.ColorTo, f.BorderColor, 1, FAppearance->Gradient());
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.SetFont(*FAppearance->Font());
  DrawImageAndText(Canvas, ClientRect(), Caption(), FImageIndex, FImages);
}

void TAdvButton::Loaded() {
  TCustomControl::Loaded();
  if (FInitialDown != FDown) SetDown(FInitialDown);
}

void TAdvButton::SetDown(bool Value) {
  if (Loading()) {
    FInitialDown = Value;
    return;
  }
  if (FStyle == tasButton && FGroupIndex == 0) Value = false;
  if (FStyle == tasCheck) {
    FDown = Value;
    FState = Value ? absDown : absUp;
    return Invalidate();
  }
  if (Value == FDown || (FDown && !FAllowAllUp)) return;
  FDown = Value;
  if (!Value) {
    FState = absUp;
    return Invalidate();
  }
  if (FState == absUp) Invalidate();
  FState = absExclusive;
  if (!Parent()) return;
  TMessage m{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex), reinterpret_cast<LPARAM>(this), 0};
  Parent()->Broadcast(m);
}

void TAdvButton::OtherButtonPressed(const TMessage& Message) {
  auto* sender = reinterpret_cast<TAdvButton*>(Message.LParam);
  if (static_cast<int>(Message.WParam) != FGroupIndex || !sender || sender == this) return;
  if (sender->Down() && FDown) {
    FDown = false;
    FState = absUp;
    Invalidate();
  }
  FAllowAllUp = sender->AllowAllUp();
}

void TAdvButton::Click() {
  // The toolkit hands a disabled control its clicks too.
  if (!Enabled()) return;
  const TFreeWatch watch(*this);
  if (TCustomForm* form = GetParentForm()) form->SetModalResult(FModalResult);
  const TModalClose close = ModalResultClose(FModalResult);
  if (FAdvDropDown && close != mcStayOpen) FAdvDropDown->DoHideDropDown(close == mcCloseCancel);
  if (watch.Freed() || FInternalClick) return;
  TCustomControl::Click();
}

bool TAdvButton::PointerInside() const {
  return ClientRect().Contains(ScreenToClient(platform::CursorPos()));
}

void TAdvButton::SetMouseInControl(bool v) {
  FMouseInControl = v;
  if (Enabled()) Invalidate();
}

void TAdvButton::MouseEnter() {
  SetMouseInControl(true);
  FUnHotTimer->SetEnabled(true);
  TCustomControl::MouseEnter();
}

void TAdvButton::MouseLeave() {
  FUnHotTimer->SetEnabled(false);
  SetMouseInControl(false);
  TCustomControl::MouseLeave();
}

void TAdvButton::UnHotTick() {
  if (PointerInside()) return;
  FUnHotTimer->SetEnabled(false);
  SetMouseInControl(false);
}

// The control under the pointer, disabled ones too, decides.
void TAdvButton::SyncHover() {
  if (!Enabled()) return;
  TWinControl* parent = Parent();
  const bool over = parent && PointerInside() &&
                    parent->ControlAtPos(parent->ScreenToClient(platform::CursorPos()), true) == this;
  Perform(over ? CM_MOUSEENTER : CM_MOUSELEAVE);
}

void TAdvButton::Press() {
  FMouseDownInControl = true;
  if (!FDown || FStyle == tasCheck) {
    FState = absDown;
    Invalidate();
  }
  FDragging = true;
}

void TAdvButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TFreeWatch watch(*this);
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft || !Enabled()) return;
  Press();
}

void TAdvButton::MouseMove(TShiftState Shift, int X, int Y) {
  const TFreeWatch watch(*this);
  TCustomControl::MouseMove(Shift, X, Y);
  if (watch.Freed()) return;
  if (!FDragging) {
    if (!FMouseInControl) SyncHover();
    return;
  }
  TAdvButtonState s = FDown ? absExclusive : ClientRect().Contains(Point(X, Y)) ? absDown : absUp;
  if (FStyle == tasCheck && FDown) s = absDown;
  if (s == FState) return;
  FState = s;
  Invalidate();
}

void TAdvButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TFreeWatch watch(*this);
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (watch.Freed()) return;
  FMouseDownInControl = false;
  Invalidate();
  if (FDragging) {
    FDragging = false;
    const bool inside = ClientRect().Contains(Point(X, Y));
    if (FGroupIndex != 0) {
      if (inside) SetDown(!FDown);
      else if (FDown) FState = absExclusive;
      Invalidate();
    } else {
      FState = absUp;
      FMouseInControl = false;
      if (FStyle == tasCheck) {
        SetDown(!FDown);
        FState = absUp;
      }
    }
  }
  SyncHover();
}

// A click by key shows the press; the button comes up again afterwards.
void TAdvButton::ReleaseAfterKey() {
  FMouseDownInControl = false;
  FDragging = false;
  if (FStyle == tasButton) FState = FDown ? absExclusive : absUp;
  Invalidate();
}

void TAdvButton::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_RETURN || Key == VK_SPACE) {
    const TFreeWatch watch(*this);
    Press();
    FInternalClick = true;
    Click();
    if (watch.Freed()) return;
    FInternalClick = false;
    ReleaseAfterKey();
  }
  TCustomControl::KeyDown(Key, Shift);
}

void TAdvButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_BUTTONPRESSED: return OtherButtonPressed(Message);
    case CM_DIALOGCHAR:
      if (Enabled() && IsAccel(static_cast<Char>(Message.WParam), Caption())) {
        Message.Result = 1;
        return Click();
      }
      return TCustomControl::Dispatch(Message);
    case CM_ENABLEDCHANGED: case WM_SETFOCUS: case WM_KILLFOCUS:
      TCustomControl::Dispatch(Message);
      return Invalidate();
    default: return TCustomControl::Dispatch(Message);
  }
}
