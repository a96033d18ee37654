#pragma once
// What the message loop needs of the toolkit backend.
#include "platform/sys/Types.h"

namespace platform {
// Runs pending toolkit events; with Wait, blocks until at least one came.
// Answers whether any ran.
bool ProcessToolkitEvents(bool Wait);
// The primary display's size in pixels; false when there is no display.
bool PrimaryScreenSize(int& Width, int& Height);
// The primary display less its panels, in screen coordinates; false when there is no display.
bool PrimaryWorkArea(TRect& Area);
// The cursor shown over all of the program's windows, whatever a window
// asks for; crDefault gives each window its own again.
void SetOverrideCursor(int Cursor);
// What SetOverrideCursor shows now (crDefault: none).
int ShownOverrideCursor();
}  // namespace platform
