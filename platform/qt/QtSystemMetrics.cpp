// System metrics from the toolkit's style and screens.
#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <climits>

#include "platform/gui/Forms.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/WorkArea.h"

namespace {
int ScrollBarExtent() { return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

// The screen that holds P, else the one whose edge is closest; null means the primary.
QScreen* ScreenNear(TPoint P) {
  const QPoint p(P.X, P.Y);
  QScreen* best = nullptr;
  long bestDistance = LONG_MAX;
  for (QScreen* s : QGuiApplication::screens()) {
    const QRect g = s->geometry();
    const long dx = std::max({g.left() - p.x(), 0, p.x() - g.right()});
    const long dy = std::max({g.top() - p.y(), 0, p.y() - g.bottom()});
    if (dx * dx + dy * dy < bestDistance) {
      bestDistance = dx * dx + dy * dy;
      best = s;
    }
  }
  return best == QGuiApplication::primaryScreen() ? nullptr : best;
}

TRect RectOf(const QRect& r) { return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }
}  // namespace

int GetSystemMetrics(int Index) {
  switch (Index) {
    case SM_CXSCREEN: return Screen->Width();
    case SM_CYSCREEN: return Screen->Height();
    case SM_CXVSCROLL: case SM_CYHSCROLL: case SM_CYVSCROLL: case SM_CXHSCROLL: return ScrollBarExtent();
    case SM_CXBORDER: case SM_CYBORDER: return 1;
    case SM_CXEDGE: case SM_CYEDGE: return 2;
    default: return 0;
  }
}

int WheelScrollLines() { return QApplication::wheelScrollLines(); }

// The primary screen is the one the program measures (a test may pin its size).
// A pinned screen is the only one, whatever the machine has.
TRect MonitorRectNear(TPoint P) {
  if (Screen->Pinned()) return Rect(0, 0, Screen->Width(), Screen->Height());
  const QScreen* s = ScreenNear(P);
  return s ? RectOf(s->geometry()) : Rect(0, 0, Screen->Width(), Screen->Height());
}

TRect WorkAreaNear(TPoint P) {
  if (Screen->Pinned()) return WorkAreaRect();
  const QScreen* s = ScreenNear(P);
  return s ? RectOf(s->availableGeometry()) : WorkAreaRect();
}

namespace {
TBeepHandler& BeepHandler() {
  static TBeepHandler h;
  return h;
}
}  // namespace

TBeepHandler SetBeepHandler(TBeepHandler Handler) {
  TBeepHandler previous = std::move(BeepHandler());
  BeepHandler() = std::move(Handler);
  return previous;
}

bool MessageBeep(unsigned Type) {
  if (BeepHandler()) BeepHandler()(Type);
  else QApplication::beep();
  return true;
}
