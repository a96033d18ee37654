// Start and stop of the toolkit, the event pump of our message loop, and the
// real clock.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>

#include "platform/gui/Application.h"
#include "platform/gui/Platform.h"
#include "platform/gui/Timers.h"
#include "platform/gui/Toolkit.h"
#include "platform/qt/QtCursors.h"
#include "platform/qt/QtView.h"
#include "platform/sys/Thread.h"

namespace platform {
namespace {
std::unique_ptr<QApplication>& AppHolder() {
  static std::unique_ptr<QApplication> app;
  return app;
}

std::unique_ptr<TApplication>& AppObject() {
  static std::unique_ptr<TApplication> app;
  return app;
}

void WakeLoop() {
  if (QAbstractEventDispatcher* d = QAbstractEventDispatcher::instance(QApplication::instance()->thread()))
    d->wakeUp();
}

class RealClock : public TTimerService {
 public:
  RealClock() { FStart.start(); }
  std::uint64_t Now() const override { return static_cast<std::uint64_t>(FStart.elapsed()); }
  int StartTimer(unsigned Interval, std::function<void()> Tick) override {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(static_cast<int>(Interval));
    QObject::connect(timer.get(), &QTimer::timeout, [tick = std::move(Tick)] { TrapEvent(tick); });
    timer->start();
    const int id = FNext++;
    FTimers[id] = std::move(timer);
    return id;
  }
  void StopTimer(int Id) override {
    auto it = FTimers.find(Id);
    if (it == FTimers.end()) return;
    it->second->stop();
    // Stopped from inside its own tick: delete it once the tick is over.
    it->second.release()->deleteLater();
    FTimers.erase(it);
  }

 private:
  QElapsedTimer FStart;
  int FNext = 1;
  std::map<int, std::unique_ptr<QTimer>> FTimers;
};
}  // namespace

TTimerService& RealTimerService() {
  static RealClock clock;
  return clock;
}

void StartGuiPlatform(int& argc, char** argv) {
  if (AppHolder()) return;
  // The toolkit keeps a reference to argc: give it one that lives as long.
  static int kept_argc = 0;
  kept_argc = argc;
  AppHolder() = std::make_unique<QApplication>(kept_argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  AppObject() = std::make_unique<TApplication>(nullptr);
  ::Application = AppObject().get();
  SetPostedMessageWaker(WakeLoop);
  SetWakeMainThread(WakeLoop);
}

void StopGuiPlatform() {
  SetPostedMessageWaker(nullptr);
  SetWakeMainThread(nullptr);
  AppObject().reset();  // frees the forms it owns
  ::Application = nullptr;
  qt::DeleteRetiredWidgets();
  AppHolder().reset();
}

bool GuiPlatformStarted() { return AppHolder() != nullptr; }

bool ProcessToolkitEvents(bool Wait) {
  QAbstractEventDispatcher* d = QAbstractEventDispatcher::instance();
  if (!d) return false;
  QApplication::sendPostedEvents();
  qt::DeleteRetiredWidgets();
  return d->processEvents(Wait ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
}

bool PrimaryScreenSize(int& Width, int& Height) {
  const QScreen* Screen = AppHolder() ? QGuiApplication::primaryScreen() : nullptr;
  if (!Screen) return false;
  Width = Screen->geometry().width();
  Height = Screen->geometry().height();
  return true;
}

bool PrimaryWorkArea(TRect& Area) {
  const QScreen* Screen = AppHolder() ? QGuiApplication::primaryScreen() : nullptr;
  if (!Screen) return false;
  const QRect r = Screen->availableGeometry();
  Area = Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
  return true;
}

void SetOverrideCursor(int Cursor) {
  if (!AppHolder()) return;
  Qt::CursorShape shape;
  const bool shown = QGuiApplication::overrideCursor() != nullptr;
  // One entry of ours on the toolkit's stack at most.
  if (!qt::ToQtCursor(Cursor, shape)) {
    if (shown) QGuiApplication::restoreOverrideCursor();
  } else if (shown) {
    QGuiApplication::changeOverrideCursor(QCursor(shape));
  } else {
    QGuiApplication::setOverrideCursor(QCursor(shape));
  }
}

int ShownOverrideCursor() {
  const QCursor* c = AppHolder() ? QGuiApplication::overrideCursor() : nullptr;
  return c ? qt::FromQtCursor(c->shape()) : crDefault;
}

int RunEmptyMainWindow(const String& caption, int width, int height) {
  QWidget window;
  window.setWindowTitle(QString::fromStdU16String(caption));
  window.resize(width, height);
  window.show();
  return QApplication::exec();
}
}  // namespace platform
