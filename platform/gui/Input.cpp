#include "platform/gui/Input.h"

#include <map>

#include "platform/gui/Application.h"
#include "platform/gui/Controls.h"
#include "platform/gui/DragControl.h"
#include "platform/gui/Forms.h"
#include "platform/gui/SizeTracking.h"

namespace {
constexpr LPARAM KF_ALTDOWN = 0x20000000;
constexpr LPARAM KF_UP = static_cast<LPARAM>(0xC0000000u);

TPoint& LastCursorPos() {
  static TPoint p{0, 0};
  return p;
}

TShiftState& Held() {
  static TShiftState s;
  return s;
}

TShiftState& HeldButtons() {
  static TShiftState s;
  return s;
}

LPARAM KeyData(TShiftState Shift, bool Up, bool Keypad = false) {
  LPARAM d = 1;
  if (Keypad) d |= KF_NUMPAD;
  if (Shift.Contains(ssAlt)) d |= KF_ALTDOWN;
  if (Up) d |= KF_UP;
  return d;
}

// The toolkit counts a button being released as held still.
TShiftState ButtonsAfter(UINT Msg, TShiftState Shift) {
  const TShiftState buttons = TShiftState::FromBits(Shift.Bits() & (ssLeft | ssRight | TShiftState(ssMiddle)).Bits());
  switch (Msg) {
    case WM_LBUTTONUP: return buttons.Without(TShiftState(ssLeft));
    case WM_RBUTTONUP: return buttons.Without(TShiftState(ssRight));
    case WM_MBUTTONUP: return buttons.Without(TShiftState(ssMiddle));
    default: return buttons;
  }
}

// Input to a window behind a modal one goes nowhere, as to a disabled window.
bool BehindModal(const TControl* Control) {
  const TCustomForm* Form = Control ? Control->GetParentForm() : nullptr;
  return Form && Form->BlockedByModal();
}

TWinControl* KeyTarget() {
  TWinControl* Target = FocusedControl();
  if (!Target && Screen) Target = Screen->ActiveForm();
  return BehindModal(Target) ? nullptr : Target;
}

bool ButtonDown(UINT Msg) {
  return Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN || Msg == WM_MBUTTONDOWN || Msg == WM_LBUTTONDBLCLK ||
         Msg == WM_RBUTTONDBLCLK || Msg == WM_MBUTTONDBLCLK;
}

// What the window system does with a press before the window sees it: the
// focused control elsewhere is told to cancel its mode (a drop-down list
// closes), the window under the pointer is activated as it answers
// WM_MOUSEACTIVATE, and a form's own surface is hit-tested (a sizing
// corner starts the sizing). False when the press goes no further.
bool BeforePress(TControl& Target, UINT Msg, TPoint Pos) {
  const TFreeWatch watch(Target);
  TWinControl* focused = FocusedControl();
  if (focused && focused != &Target) focused->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(&Target));
  if (watch.Freed()) return false;
  TCustomForm* form = Target.GetParentForm();
  if (form && !form->MouseActivate(Msg)) return false;
  if (watch.Freed() || form != &Target) return !watch.Freed();
  const TPoint screen = Target.ClientToScreen(Pos);
  const LPARAM at = MakeLParam(screen.X, screen.Y);
  const LRESULT hit = form->Perform(WM_NCHITTEST, 0, at);
  if (hit == HTCLIENT || watch.Freed()) return !watch.Freed();
  if (Msg == WM_LBUTTONDOWN) form->Perform(WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), at);
  return false;
}

// The window each held key went down in. Its release goes there only: the
// press may have closed a modal window, and the window behind it must not
// act on a key it never saw go down (a button that clicks on release).
std::map<WORD, HWND>& KeyWindows() {
  static std::map<WORD, HWND> windows;
  return windows;
}

HWND KeyWindowOf(TWinControl& Target) {
  TCustomForm* Form = Target.GetParentForm();
  return Form ? Form->Handle() : Target.Handle();
}

// Sends to the window while it still exists (a handler may free it).
bool PerformOn(HWND h, UINT Msg, WPARAM W, LPARAM L, LRESULT* Result = nullptr) {
  TWinControl* c = FindControl(h);
  if (!c) return false;
  const LRESULT r = c->Perform(Msg, W, L);
  if (Result) *Result = r;
  return true;
}
}  // namespace

namespace platform {
TShiftState KeyboardShiftState() { return Held(); }

TShiftState KeyDataToShiftState(LPARAM KeyData) {
  TShiftState s = Held().Without(TShiftState(ssAlt));
  if (KeyData & KF_ALTDOWN) s = s | TShiftState(ssAlt);
  return s;
}

void InputKeyDown(WORD Key, Char Ch, TShiftState Shift, bool Keypad) {
  Held() = Shift;
  TrapEvent([&] {
    if (Application) Application->CancelHint();
    TWinControl* target = KeyTarget();
    if (!target) return;
    KeyWindows()[Key] = KeyWindowOf(*target);
    const HWND h = target->Handle();
    const LPARAM data = KeyData(Shift, false, Keypad);
    const bool alt = Shift.Contains(ssAlt);
    LRESULT consumed = 0;
    if (!PerformOn(h, CN_KEYDOWN, Key, data, &consumed) || consumed) return;
    if (!PerformOn(h, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, Key, data)) return;
    if (Ch == 0) return;
    if (!PerformOn(h, alt ? CN_SYSCHAR : CN_CHAR, Ch, data, &consumed) || consumed) return;
    PerformOn(h, alt ? WM_SYSCHAR : WM_CHAR, Ch, data);
  });
}

void InputKeyUp(WORD Key, TShiftState Shift, bool Keypad) {
  Held() = Shift;
  const auto down = KeyWindows().find(Key);
  const HWND downIn = down == KeyWindows().end() ? HWND{} : down->second;
  if (down != KeyWindows().end()) KeyWindows().erase(down);
  TrapEvent([&] {
    TWinControl* target = KeyTarget();
    if (!target || !downIn || KeyWindowOf(*target) != downIn) return;
    PerformOn(target->Handle(), Shift.Contains(ssAlt) ? WM_SYSKEYUP : WM_KEYUP, Key, KeyData(Shift, true, Keypad));
  });
}

void InputChar(Char Ch, TShiftState Shift) {
  Held() = Shift;
  TrapEvent([&] {
    if (TWinControl* target = KeyTarget()) PerformOn(target->Handle(), WM_CHAR, Ch, KeyData(Shift, false));
  });
}

namespace {
// The window under the pointer is asked for the cursor, with the part of it
// the pointer is over (WM_NCHITTEST; the client area when it does not say).
void SendSetCursor(TControl& Over, TPoint Pos) {
  TWinControl* w = dynamic_cast<TWinControl*>(&Over);
  if (!w) w = Over.Parent();
  if (!w) return;
  const TPoint screen = Over.ClientToScreen(Pos);
  const LRESULT hit = w->Perform(WM_NCHITTEST, 0, MakeLParam(screen.X, screen.Y));
  w->Perform(WM_SETCURSOR, w->Handle(), MakeLParam(static_cast<int>(hit ? hit : HTCLIENT), WM_MOUSEMOVE));
}
}  // namespace

TPoint CursorPos() { return LastCursorPos(); }

void InputMouse(TControl* Target, UINT Msg, TPoint Pos, TShiftState Shift) {
  LastCursorPos() = Target->ClientToScreen(Pos);
  Held() = Shift.Without(ssLeft | ssRight).Without(TShiftState(ssMiddle));
  HeldButtons() = ButtonsAfter(Msg, Shift);
  TrapEvent([&] {
    if (TControl* cap = GetCaptureControl(); BehindModal(cap && cap != Target ? cap : Target)) return;
    if (platform::TrackSizing(Msg, Target->ClientToScreen(Pos))) return;
    if (platform::TrackDrag(Msg, Target->ClientToScreen(Pos))) return;
    const TFreeWatch watch(*Target);
    if (ButtonDown(Msg) && !BeforePress(*Target, Msg, Pos)) return;
    SetMouseControl(Target);
    if (watch.Freed()) return;
    if (Application && Msg == WM_MOUSEMOVE) Application->HintMouseMessage(Target, Target->ClientToScreen(Pos));
    else if (Application) Application->CancelHint();
    if (Msg == WM_MOUSEMOVE && !GetCaptureControl()) SendSetCursor(*Target, Pos);
    if (watch.Freed()) return;
    TControl* to = Target;
    TPoint p = Pos;
    if (TControl* cap = GetCaptureControl(); cap && cap != Target) {
      p = cap->ScreenToClient(Target->ClientToScreen(Pos));
      to = cap;
    }
    to->Perform(Msg, MouseKeys(Shift), MakeLParam(p.X, p.Y));
  });
}

void InputMouseLeave(TControl* From) {
  TrapEvent([&] {
    if (GetMouseControl() != From) return;
    SetMouseControl(nullptr);
    if (Application) Application->CancelHint();
  });
}

void InputWheel(TControl* Target, int Delta, TPoint ScreenPos, TShiftState Shift) {
  Held() = Shift;
  TrapEvent([&] {
    if (Application) Application->CancelHint();
    TControl* to = FocusedControl();
    if (!to) to = Target;
    if (!to || BehindModal(to)) return;
    const WPARAM w = (static_cast<WPARAM>(static_cast<WORD>(Delta)) << 16) | MouseKeys(Shift);
    to->Perform(WM_MOUSEWHEEL, w, MakeLParam(ScreenPos.X, ScreenPos.Y));
  });
}
}  // namespace platform

short GetKeyState(int VirtKey) {
  const TShiftState s = Held();
  bool down = false;
  switch (VirtKey) {
    case VK_SHIFT: down = s.Contains(ssShift); break;
    case VK_CONTROL: down = s.Contains(ssCtrl); break;
    case VK_MENU: down = s.Contains(ssAlt); break;
    default: break;
  }
  return down ? static_cast<short>(0x8000) : 0;
}

short GetAsyncKeyState(int VirtKey) {
  const TShiftState b = HeldButtons();
  bool down = false;
  switch (VirtKey) {
    case VK_LBUTTON: down = b.Contains(ssLeft); break;
    case VK_RBUTTON: down = b.Contains(ssRight); break;
    case VK_MBUTTON: down = b.Contains(ssMiddle); break;
    default: return GetKeyState(VirtKey);
  }
  return down ? static_cast<short>(0x8000) : 0;
}
