#pragma once
// A picture of a window as a person would see it (offscreen in tests).
#include "platform/gui/PixelBuffer.h"
#include "platform/sys/String.h"

class TControl;

namespace platform {
// Renders Control (a form, or any control with its children) to a PNG file.
bool RenderToPng(TControl& Control, const String& FileName);
// The window that shows Control as it is on the screen now (a form in its
// scrolled frame: the frame, its bars and the part in view).
bool RenderWindowToPng(const TControl& Control, const String& FileName);
// The screen's own pixels over Rect (screen coordinates), once every shown
// window has been exposed and painted: what the window system puts on the
// display, with no window's help. False when there is no screen (headless).
bool ReadScreen(const TRect& Rect, TPixelBuffer& Out);
}
