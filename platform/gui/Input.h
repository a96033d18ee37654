#pragma once
// The one entry of keyboard and mouse input. The toolkit backend and the
// test input driver both call these, so a test key press takes the same path
// as a real one. Each entry runs in the application's trap.
#include "platform/gui/ControlTypes.h"

class TControl;

namespace platform {
// Key-down to the focused control (the active form when none): the dialog
// key check, WM_KEYDOWN, then WM_CHAR with Ch when Ch is not 0 (also when
// the key-down handler cleared the key). With Alt held they are
// WM_SYSKEYDOWN and WM_SYSCHAR. Before the character the form may take it
// as an access key (CM_DIALOGCHAR): always with Alt, else when the
// focused control does not want characters.
// Keypad: the key is on the numeric keypad (KF_NUMPAD in the key data).
void InputKeyDown(WORD Key, Char Ch, TShiftState Shift, bool Keypad = false);
void InputKeyUp(WORD Key, TShiftState Shift, bool Keypad = false);
// A character without its key (input methods, pasted text).
void InputChar(Char Ch, TShiftState Shift);
// A mouse message (WM_MOUSEMOVE .. WM_MBUTTONDBLCLK) at a client point of
// Target; while a control has the capture it receives the message instead.
// Target becomes the control under the pointer first (CM_MOUSELEAVE to the
// previous one, CM_MOUSEENTER to Target), also while another has the capture.
void InputMouse(TControl* Target, UINT Msg, TPoint Pos, TShiftState Shift);
// The pointer went off From's window (to no window of From's children):
// From gets CM_MOUSELEAVE when it is the control under the pointer.
// Entering comes with the next mouse message (InputMouse).
void InputMouseLeave(TControl* From);
// A wheel turn over Target: it goes to the focused control, as on the reference platform.
void InputWheel(TControl* Target, int Delta, TPoint ScreenPos, TShiftState Shift);

// Where the pointer was at the last mouse message (screen coordinates).
TPoint CursorPos();

// The modifier keys held at the last input event.
TShiftState KeyboardShiftState();
TShiftState KeyDataToShiftState(LPARAM KeyData);
}  // namespace platform

// The key data bit of keys on the numeric keypad (their scan codes carry it).
constexpr LPARAM KF_NUMPAD = 0x00400000;

// Negative (high bit set) while the key is down: shift, control and alt.
short GetKeyState(int VirtKey);
// The same for the mouse buttons too, as the last input event left them.
short GetAsyncKeyState(int VirtKey);
