// Program entry: the windows, each once, then the message loop until the
// main window closes. The configurator takes no command-line arguments.
#include "app/ProgramState.h"
#include "shell/ProgramWindows.h"
#include "shell/UCorvanoFirmWare.h"
#include "platform/gui/Application.h"
#include "platform/gui/Platform.h"
#include "platform/sys/Files.h"

int main(int argc, char** argv) {
  // The state outlives the windows that read it (they go with the platform).
  TProgramState State(ProgramDir());
  platform::StartGuiPlatform(argc, argv);
  TrapEvent([&] {
    Application->SetMainForm(Create_Program_Windows(Application, State));
    Application->Run();
  });
  platform::StopGuiPlatform();
  return 0;
}
