#include "tests/support/SystemInputDriver.h"

#include "platform/gui/Application.h"
#include "platform/gui/SystemInput.h"
#include "tests/support/KeyChars.h"

namespace testsupport {
namespace {
using platform::TSystemMouse;

TPoint Centre(const TControl& c) { return Point(c.Width() / 2, c.Height() / 2); }

void MouseAt(TSystemMouse Kind, const TControl& Target, TPoint At, TMouseButton Button, TShiftState Shift = {}) {
  platform::SystemMouse(Kind, platform::SystemClientToScreen(Target, At), Button, Shift);
}
}  // namespace

SystemInputDriver::~SystemInputDriver() { platform::ForgetNativeModalActions(); }

void SystemInputDriver::Click(TControl& Target, TMouseButton Button) { Click(Target, Centre(Target), Button); }

void SystemInputDriver::Click(TControl& Target, TPoint At, TMouseButton Button) {
  ClickAt(platform::SystemClientToScreen(Target, At), Button);
}

void SystemInputDriver::DoubleClick(TControl& Target, TPoint At) {
  MouseAt(TSystemMouse::DoubleClick, Target, At, mbLeft);
  Pump();
}

void SystemInputDriver::Click(TControl& Target, TPoint At, TShiftState Shift, TMouseButton Button) {
  MouseAt(TSystemMouse::Move, Target, At, Button, Shift);
  MouseAt(TSystemMouse::Press, Target, At, Button, Shift);
  MouseAt(TSystemMouse::Release, Target, At, Button, Shift);
  Pump();
}

void SystemInputDriver::MouseDown(TControl& Target, TPoint At, TMouseButton Button, TShiftState Shift) {
  MouseAt(TSystemMouse::Press, Target, At, Button, Shift);
  Pump();
}

void SystemInputDriver::MouseUp(TControl& Target, TPoint At, TMouseButton Button, TShiftState Shift) {
  MouseAt(TSystemMouse::Release, Target, At, Button, Shift);
  Pump();
}

void SystemInputDriver::Drag(TControl& Target, TPoint From, TPoint To) {
  MouseMove(Target, From);
  MouseDown(Target, From);
  MouseMove(Target, To);
  MouseUp(Target, To);
}

void SystemInputDriver::MouseMove(TControl& Target, TPoint At) {
  MouseAt(TSystemMouse::Move, Target, At, mbLeft);
  Pump();
}

void SystemInputDriver::Wheel(TControl& Over, int Delta) {
  platform::SystemWheel(platform::SystemClientToScreen(Over, Centre(Over)), Delta, {});
  Pump();
}

void SystemInputDriver::ClickAt(TPoint ScreenPos, TMouseButton Button) {
  // The pointer arrives before it presses, as a user's does.
  platform::SystemMouse(TSystemMouse::Move, ScreenPos, Button, {});
  platform::SystemMouse(TSystemMouse::Press, ScreenPos, Button, {});
  platform::SystemMouse(TSystemMouse::Release, ScreenPos, Button, {});
  Pump();
}

void SystemInputDriver::CloseWindow(const TControl& Control) {
  platform::SystemCloseWindow(Control);
  Pump();
}

void SystemInputDriver::Key(WORD Vk, TShiftState Shift) {
  KeyDown(Vk, Shift);
  KeyUp(Vk, Shift);
}

void SystemInputDriver::KeyDown(WORD Vk, TShiftState Shift) {
  platform::SystemKey(true, Vk, CharOfKey(Vk, Shift), Shift);
  Pump();
}

void SystemInputDriver::KeypadKey(WORD Vk) {
  platform::SystemKey(true, Vk, CharOfKey(Vk, {}), {}, true);
  Pump();
  platform::SystemKey(false, Vk, 0, {}, true);
  Pump();
}

void SystemInputDriver::KeyUp(WORD Vk, TShiftState Shift) {
  platform::SystemKey(false, Vk, 0, Shift);
  Pump();
}

void SystemInputDriver::Type(const String& Text) {
  for (size_t i = 0; i < Text.size(); ++i) {
    TShiftState shift;
    const char16_t ch = Text[i];
    const WORD vk = KeyOfChar(ch, shift);
    if (vk != 0) {
      platform::SystemKey(true, vk, ch, shift);
      platform::SystemKey(false, vk, 0, shift);
      continue;
    }
    // A character no key of ours types, as a keyboard layout or an input method gives it.
    const bool pair = ch >= 0xD800 && ch < 0xDC00 && i + 1 < Text.size();
    platform::SystemTypeText(Text.substr(i, pair ? 2 : 1), {});
    if (pair) ++i;
  }
  Pump();
}

bool SystemInputDriver::PopupRect(TRect& Rect) const { return platform::SystemPopupRect(Rect); }
bool SystemInputDriver::Shows(const TControl& Control) const { return Shows(Control, Centre(Control)); }
bool SystemInputDriver::Shows(const TControl& Control, TPoint At) const { return platform::SystemShows(Control, At); }
bool SystemInputDriver::ScrollIntoView(const TControl& Control, TPoint At) {
  // A step of an arrow is small: enough presses for the largest window.
  for (int Press = 0; Press < 200; ++Press) {
    if (Shows(Control, At)) return true;
    TRect Vert, Horz;
    platform::SystemFrameBars(Control, Vert, Horz);
    const TRect Window = WindowRect(Control);
    const int View_Right = Vert.IsEmpty() ? Window.Right : Vert.Left;
    const int View_Bottom = Horz.IsEmpty() ? Window.Bottom : Horz.Top;
    const TPoint P = platform::SystemClientToScreen(Control, At);
    const int Mid_X = (Vert.Left + Vert.Right) / 2, Mid_Y = (Horz.Top + Horz.Bottom) / 2;
    // Each bar has an arrow at either end.
    if (!Vert.IsEmpty() && P.Y >= View_Bottom) ClickAt(Point(Mid_X, Vert.Bottom - 4));
    else if (!Vert.IsEmpty() && P.Y < Window.Top) ClickAt(Point(Mid_X, Vert.Top + 4));
    else if (!Horz.IsEmpty() && P.X >= View_Right) ClickAt(Point(Horz.Right - 4, Mid_Y));
    else if (!Horz.IsEmpty() && P.X < Window.Left) ClickAt(Point(Horz.Left + 4, Mid_Y));
    else return false;
  }
  return Shows(Control, At);
}

void SystemInputDriver::ResizeWindow(const TControl& Control, int Width, int Height) {
  platform::SystemResizeWindow(Control, Width, Height);
  Pump();
}
TRect SystemInputDriver::WindowRect(const TControl& Control) const { return platform::SystemWindowRect(Control); }
bool SystemInputDriver::ModalRect(TRect& Rect) const { return platform::SystemModalRect(Rect); }
void SystemInputDriver::WhenNativeModal(std::function<void()> Action) {
  platform::WhenNativeModalShown(std::move(Action));
}
void SystemInputDriver::Pump() { Application->ProcessMessages(); }

}  // namespace testsupport
