#pragma once
// Start-up of the GUI platform. Tests start it headless (offscreen) once per
// test program; the program starts it on the real display.
namespace platform {

// Creates the toolkit's application object once; later calls do nothing.
void StartGuiPlatform(int& argc, char** argv);

// Destroys the application object; call before main returns.
void StopGuiPlatform();

// True once StartGuiPlatform has run.
bool GuiPlatformStarted();

}  // namespace platform

#include "platform/sys/String.h"

namespace platform {
// Shows an empty top-level window and runs the event loop until it closes.
// Stands in for the main window until the application object exists.
int RunEmptyMainWindow(const String& caption, int width, int height);
}  // namespace platform
