// Test entry: starts the GUI platform headless once, then runs the tests.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gui/Platform.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  platform::StartGuiPlatform(argc, argv);
  const int result = RUN_ALL_TESTS();
  platform::StopGuiPlatform();
  return result;
}
