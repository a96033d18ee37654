// Program entry. The configurator takes no command-line arguments.
#include "platform/gui/Platform.h"

int main(int argc, char** argv) {
  platform::StartGuiPlatform(argc, argv);
  const int result = platform::RunEmptyMainWindow(u"GX4410 Configurator", 694, 484);
  platform::StopGuiPlatform();
  return result;
}
