#include "platform/gui/Focus.h"

#include "platform/gui/Controls.h"

namespace {
HWND& Current() {
  static HWND h = 0;
  return h;
}
}  // namespace

namespace platform {
HWND FocusedWindow() { return Current(); }

void SetWindowFocus(TWinControl* Control) {
  const HWND target = Control ? Control->Handle() : 0;
  const HWND old = Current();
  if (old == target) return;
  Current() = target;
  if (old && IsWindow(old)) SendMessage(old, WM_KILLFOCUS, target, 0);
  // A kill-focus handler may have moved the focus on.
  if (target && Current() == target && IsWindow(target)) SendMessage(target, WM_SETFOCUS, old, 0);
}

void ForgetFocus(TWinControl* Control) {
  if (Control->HandleAllocated() && Current() == Control->Handle()) Current() = 0;
}
}  // namespace platform

TWinControl* FocusedControl() { return FindControl(platform::FocusedWindow()); }
