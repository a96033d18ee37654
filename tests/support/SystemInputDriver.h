#pragma once
// The second input driver: input made as the window system makes it, at a
// screen point to the native window there (or to the window that has the
// keyboard), so that the toolkit's own delivery, our event filters and the
// native controls and their pop-ups all take part. Slower than InputDriver,
// which calls our input entry directly; use it where the path matters.
#include <functional>

#include "platform/gui/Controls.h"

namespace testsupport {

class SystemInputDriver {
 public:
  SystemInputDriver() = default;
  SystemInputDriver(const SystemInputDriver&) = delete;
  SystemInputDriver& operator=(const SystemInputDriver&) = delete;
  // Actions for native windows that never showed go with the driver.
  ~SystemInputDriver();
  // Press and release at a client point of Target (the centre when omitted).
  void Click(TControl& Target, TMouseButton Button = mbLeft);
  void Click(TControl& Target, TPoint At, TMouseButton Button = mbLeft);
  // The same with modifier keys held (ssShift, ssCtrl, ssAlt).
  void Click(TControl& Target, TPoint At, TShiftState Shift, TMouseButton Button = mbLeft);
  void DoubleClick(TControl& Target, TPoint At);
  void MouseDown(TControl& Target, TPoint At, TMouseButton Button = mbLeft, TShiftState Shift = {});
  void MouseUp(TControl& Target, TPoint At, TMouseButton Button = mbLeft, TShiftState Shift = {});
  void MouseMove(TControl& Target, TPoint At);
  // Press at From, move to To with the button held, release there.
  void Drag(TControl& Target, TPoint From, TPoint To);
  void Wheel(TControl& Over, int Delta);
  // Press and release at a screen point (a pop-up that is not a control of ours).
  void ClickAt(TPoint ScreenPos, TMouseButton Button = mbLeft);
  // The close button of the window that shows Control.
  void CloseWindow(const TControl& Control);
  // Key-down (with the character it types) and key-up to the window that has the keyboard.
  void Key(WORD Vk, TShiftState Shift = {});
  void KeyDown(WORD Vk, TShiftState Shift = {});
  void KeyUp(WORD Vk, TShiftState Shift = {});
  // The key of the numeric keypad that types what Vk types.
  void KeypadKey(WORD Vk);
  // Characters no key types ("€", a character of two UTF-16 units) come as
  // a keyboard layout or an input method gives them.
  void Type(const String& Text);
  // The open pop-up window (a drop-down list), false when none is open.
  bool PopupRect(TRect& Rect) const;
  // Whether Control is in view at its client point (its centre when omitted) and takes a click there.
  bool Shows(const TControl& Control) const;
  bool Shows(const TControl& Control, TPoint At) const;
  // Presses the arrows of the scrolled frame's bars, as a user does, until
  // Control's client point is in view; false when it does not come into view.
  bool ScrollIntoView(const TControl& Control, TPoint At);
  // The window that shows Control sized to a client area of Width x Height, as its frame's edge drags it.
  void ResizeWindow(const TControl& Control, int Width, int Height);
  // The native window that shows Control, on the screen.
  TRect WindowRect(const TControl& Control) const;
  // The native modal window open now (a message box or file dialog), false when none is.
  bool ModalRect(TRect& Rect) const;
  // Runs Action inside the next native message box or file dialog once it shows.
  void WhenNativeModal(std::function<void()> Action);
  // Drains posted messages and toolkit events.
  void Pump();
};

}  // namespace testsupport
