// Test entry: starts the GUI platform headless once, on the virtual clock
// and with the scripted dialog seams, then runs the tests.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gui/Platform.h"
#include "tests/support/GuiTest.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  platform::StartGuiPlatform(argc, argv);
  testsupport::InstallGuiTestServices();
  const int result = RUN_ALL_TESTS();
  platform::StopGuiPlatform();
  return result;
}
