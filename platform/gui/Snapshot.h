#pragma once
// A picture of a window as a person would see it (offscreen in tests).
#include "platform/sys/String.h"

class TControl;

namespace platform {
// Renders Control (a form, or any control with its children) to a PNG file.
bool RenderToPng(TControl& Control, const String& FileName);
}
