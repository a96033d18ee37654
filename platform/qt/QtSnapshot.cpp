#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <cstring>

#include "platform/gui/Controls.h"
#include "platform/gui/Snapshot.h"
#include "platform/qt/QtView.h"

namespace {
// The window system exposes a window shown over Area in its own time, over
// a round trip that an idle event queue does not wait for: this returns once
// each is exposed and painted, or after two seconds.
void AwaitExposure(const QRect& Area) {
  const auto pending = [&Area] {
    for (const QWindow* w : QGuiApplication::topLevelWindows())
      if (w->isVisible() && !w->isExposed() && w->geometry().intersects(Area)) return true;
    return false;
  };
  QElapsedTimer waited;
  waited.start();
  while (pending() && !waited.hasExpired(2000)) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(2);
  }
  QCoreApplication::processEvents();
}
}  // namespace

namespace platform {
bool RenderToPng(TControl& Control, const String& FileName) {
  auto* view = dynamic_cast<qt::QtView*>(Control.View());
  if (!view) return false;
  QWidget* w = view->Widget();
  // Children of a window that was never shown are not polished yet.
  const bool wasHidden = w->isWindow() && !w->isVisible();
  if (wasHidden) w->show();
  // Showing queues the window system's answers (activation, exposure); the
  // picture is taken once they are in, so the first one equals the later ones.
  QApplication::processEvents();
  QApplication::sendPostedEvents();
  const QPixmap picture = w->grab();
  if (wasHidden) w->hide();
  return picture.save(qt::ToQString(FileName), "PNG");
}

bool RenderWindowToPng(const TControl& Control, const String& FileName) {
  auto* view = dynamic_cast<qt::QtView*>(Control.View());
  if (!view || !view->Widget()->window()->isVisible()) return false;
  QApplication::processEvents();
  return view->Widget()->window()->grab().save(qt::ToQString(FileName), "PNG");
}

bool ReadScreen(const TRect& Rect, TPixelBuffer& Out) {
  // Headless, the toolkit would only compose its own windows.
  const QString kind = QGuiApplication::platformName();
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || kind == u"offscreen" || kind == u"minimal") return false;
  const QRect area(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
  AwaitExposure(area);
  const QImage picture =
      screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage().convertToFormat(QImage::Format_ARGB32);
  if (picture.size() != area.size()) return false;
  Out.Resize(area.width(), area.height(), 4);
  for (int y = 0; y < Out.Height; ++y) std::memcpy(Out.Row(y), picture.constScanLine(y), static_cast<size_t>(Out.Width) * 4);
  return true;
}
}  // namespace platform
