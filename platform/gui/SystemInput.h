#pragma once
// Input as the window system hands it to the program: at a screen point, to
// the native window under it (an open pop-up takes it, as it grabs the
// pointer), and keys to the window that has the keyboard. The toolkit's own
// delivery, our event filters and the native controls all take part, so a
// test reaches what a user reaches. The entries return when the input has
// been handled (a modal window it opens has closed again).
#include <functional>

#include "platform/gui/ControlTypes.h"
#include "platform/sys/String.h"

class TControl;

namespace platform {
enum class TSystemMouse { Move, Press, Release, DoubleClick };

void SystemMouse(TSystemMouse Kind, TPoint ScreenPos, TMouseButton Button, TShiftState Shift);
void SystemWheel(TPoint ScreenPos, int Delta, TShiftState Shift);
// A key going down (with the character it types, 0 for none) or up; Keypad:
// the key of the numeric keypad.
void SystemKey(bool Down, WORD Key, Char Ch, TShiftState Shift, bool Keypad = false);
// A key with no key code of its own that types Text (a character of a
// keyboard layout or an input method, one or two UTF-16 units), down and up.
void SystemTypeText(const String& Text, TShiftState Shift);
// The window system's close request for the window that shows Control (its
// title bar's close button).
void SystemCloseWindow(const TControl& Control);
// Control's client point on the screen as the native windows place it now
// (a scrolled form included).
TPoint SystemClientToScreen(const TControl& Control, TPoint Client);
// Whether the window system shows Control at its client point now: on the
// screen, inside the part of its window in view, and covered by nothing.
bool SystemShows(const TControl& Control, TPoint Client);
// The scroll bars of the scrolled frame that shows Control, on the screen;
// empty where it shows none (or Control's window has no frame).
void SystemFrameBars(const TControl& Control, TRect& Vert, TRect& Horz);
// The window system sizes the window that shows Control to a client area
// of Width x Height (the end of a drag of its frame's edge).
void SystemResizeWindow(const TControl& Control, int Width, int Height);
// The screen rectangle of the pop-up window open now (a drop-down list);
// false when none is open.
bool SystemPopupRect(TRect& Rect);
// The screen rectangle of the native window that shows Control (for a form
// shown in a scrolled frame: the frame).
TRect SystemWindowRect(const TControl& Control);
// The screen rectangle of the native modal window open now (a message box
// or file dialog of the toolkit); false when none is open.
bool SystemModalRect(TRect& Rect);
// Runs Action once the next native modal window (a message box or file
// dialog of the toolkit) has shown, from inside its loop. Actions wait in
// order; Forget drops those still waiting.
void WhenNativeModalShown(std::function<void()> Action);
void ForgetNativeModalActions();
}  // namespace platform
