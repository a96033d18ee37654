#pragma once
// The keyboard focus of the GUI thread, with the Windows messages: the
// window that loses it gets WM_KILLFOCUS (WParam: the window that receives
// it, or 0), the one that gains it WM_SETFOCUS (WParam: the one that lost it).
#include "platform/gui/Messages.h"

class TWinControl;

namespace platform {
// Moves the focus; no messages when Control already has it. Null: no focus.
void SetWindowFocus(TWinControl* Control);
// A focused control that is going away: drop it without messages.
void ForgetFocus(TWinControl* Control);
HWND FocusedWindow();
}  // namespace platform
