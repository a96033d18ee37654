// Focus and keyboard handling of the windowed control.
#include "platform/gui/Controls.h"
#include "platform/gui/Focus.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Input.h"

namespace {
// The form sees a key first when its KeyPreview is on. True when the form
// took the key, or its handler freed Control.
template <class Preview>
bool FormTookKey(TWinControl& Control, Preview&& ToForm) {
  TCustomForm* form = Control.GetParentForm();
  if (!form || form == &Control || !form->KeyPreview()) return false;
  const TFreeWatch watch(Control);
  return ToForm(*form) || watch.Freed();
}
}  // namespace

bool TWinControl::Focused() const { return HandleAllocated() && platform::FocusedWindow() == FHandle; }

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(); form && form != this) {
    form->FocusControl(this);
  } else {
    if (!CanFocus()) throw EInvalidOperation(u"Cannot focus a disabled or invisible window");
    platform::SetWindowFocus(this);
  }
}

void TWinControl::WndProc(TMessage& Message) {
  if (Message.Msg == WM_SETFOCUS) {
    // The form runs exit and enter first; it may refuse when they moved the focus.
    TCustomForm* form = GetParentForm();
    const TFreeWatch watch(*this);
    if (form && !form->SetFocusedControl(this)) return;
    if (watch.Freed()) return;
  }
  TControl::WndProc(Message);
}

void TWinControl::FocusMessage(TMessage& Message) {
  if (Message.Msg == WM_SETFOCUS && View()) View()->SetNativeFocus();
}

void TWinControl::DoEnter() {
  FireEvent(OnEnter, this);
}

void TWinControl::DoExit() {
  FireEvent(OnExit, this);
}

void TWinControl::CNKeyDown(TMessage& Message) {
  Message.Result = 1;
  LRESULT mask = 0;
  switch (Message.WParam) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN: case VK_EXECUTE: case VK_ESCAPE: case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    default: break;
  }
  // Asks the control first: a control that wants the key keeps it from the form.
  if (mask != 0 && Perform(CM_WANTSPECIALKEY, Message.WParam, 0) == 0 &&
      (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0) {
    TCustomForm* form = GetParentForm();
    if (form && form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0) return;
  }
  Message.Result = 0;
}

void TWinControl::CNChar(TMessage& Message) {
  Message.Result = 0;
  const bool alt = Message.Msg == CN_SYSCHAR;
  if (!alt && (Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) != 0) return;
  if (TCustomForm* form = GetParentForm())
    Message.Result = form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0 ? 1 : 0;
}

void TWinControl::WMKey(TMessage& Message) {
  const TFreeWatch watch(*this);
  bool handled = false;
  switch (Message.Msg) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN: handled = DoKeyDown(Message); break;
    case WM_KEYUP: case WM_SYSKEYUP: handled = DoKeyUp(Message); break;
    default: handled = DoKeyPress(Message); break;
  }
  if (!handled && !watch.Freed()) DefaultHandler(Message);
}

bool TWinControl::DoKeyDown(TMessage& Message) {
  if (FormTookKey(*this, [&](TCustomForm& f) { return f.DoKeyDown(Message); })) return true;
  WORD key = static_cast<WORD>(Message.WParam);
  KeyDown(key, platform::KeyDataToShiftState(Message.LParam));
  Message.WParam = key;
  return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& Message) {
  if (FormTookKey(*this, [&](TCustomForm& f) { return f.DoKeyUp(Message); })) return true;
  WORD key = static_cast<WORD>(Message.WParam);
  KeyUp(key, platform::KeyDataToShiftState(Message.LParam));
  Message.WParam = key;
  return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& Message) {
  if (FormTookKey(*this, [&](TCustomForm& f) { return f.DoKeyPress(Message); })) return true;
  Char key = static_cast<Char>(Message.WParam);
  KeyPress(key);
  Message.WParam = key;
  return key == 0;
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
  FireEvent(OnKeyDown, this, Key, Shift);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
  FireEvent(OnKeyUp, this, Key, Shift);
}

void TWinControl::KeyPress(Char& Key) {
  FireEvent(OnKeyPress, this, Key);
}

void TWinControl::WMMouseWheel(TMessage& Message) {
  const int delta = static_cast<std::int16_t>(HiWord(Message.WParam));
  const TPoint pos = Point(GetXLParam(Message.LParam), GetYLParam(Message.LParam));
  const TFreeWatch watch(*this);
  if (DoMouseWheel(MouseShiftState(LoWord(Message.WParam)), delta, pos)) {
    Message.Result = 1;
    return;
  }
  if (watch.Freed()) return;
  DefaultHandler(Message);
  // A wheel nothing here took is the parent's (a form scrolls its frame with it).
  if (Message.Result == 0 && !watch.Freed() && Parent())
    Message.Result = Parent()->Perform(WM_MOUSEWHEEL, Message.WParam, Message.LParam);
}

bool TWinControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  FireEvent(OnMouseWheel, this, Shift, WheelDelta, MousePos, handled);
  return handled;
}
