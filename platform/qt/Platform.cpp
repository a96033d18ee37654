#include "platform/gui/Platform.h"

#include <QApplication>
#include <memory>

namespace platform {
namespace {
std::unique_ptr<QApplication>& AppHolder() {
  static std::unique_ptr<QApplication> app;
  return app;
}
}  // namespace

void StartGuiPlatform(int& argc, char** argv) {
  if (AppHolder()) return;
  // The toolkit keeps a reference to argc: give it one that lives as long.
  static int kept_argc = 0;
  kept_argc = argc;
  AppHolder() = std::make_unique<QApplication>(kept_argc, argv);
}

void StopGuiPlatform() { AppHolder().reset(); }

bool GuiPlatformStarted() { return AppHolder() != nullptr; }

}  // namespace platform

#include <QWidget>

namespace platform {
int RunEmptyMainWindow(const String& caption, int width, int height) {
  QWidget window;
  window.setWindowTitle(QString::fromStdU16String(caption));
  window.resize(width, height);
  window.show();
  return QApplication::exec();
}
}  // namespace platform
