#include <QDesktopServices>
#include <QUrl>

#include "platform/gui/Shell.h"
#include "platform/qt/QtView.h"

namespace {
class DesktopShell : public TShellService {
 public:
  bool Open(const String& Target) override {
    const QString t = platform::qt::ToQString(Target);
    const QUrl url = t.contains(QStringLiteral("://")) ? QUrl(t) : QUrl::fromLocalFile(t);
    return QDesktopServices::openUrl(url);
  }
};

TShellService*& Installed() {
  static TShellService* s = nullptr;
  return s;
}
}  // namespace

void SetShellService(TShellService* Service) { Installed() = Service; }

TShellService& ShellService() {
  static DesktopShell desktop;
  return Installed() ? *Installed() : desktop;
}

bool ShellOpen(const String& Target) { return ShellService().Open(Target); }
