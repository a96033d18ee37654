// Input made as the window system makes it: through the toolkit's entry for
// window-system events, so that its pop-up handling, grabs, double-click
// detection, key routing and our event filters all run as for a user.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QScrollBar>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <deque>

#include "platform/gui/Application.h"
#include "platform/gui/Forms.h"
#include "platform/gui/SystemInput.h"
#include "platform/qt/QtView.h"

// The toolkit's window-system entries (exported by its GUI library for test input).
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text, bool autorep, ushort count);
QT_END_NAMESPACE

namespace platform {
namespace {
using namespace qt;

// Event times are made up: two presses count as a double click only when asked for.
constexpr int kApart = 1000;
int& Timestamp() {
  static int t = 0;
  return t;
}
Qt::MouseButtons& Held() {
  static Qt::MouseButtons held;
  return held;
}

TRect RectOf(const QRect& r) { return Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1); }

// The surface client coordinates count from (inside a frame, when it has one).
QWidget* WidgetOf(const TControl* Control) {
  auto* view = Control ? dynamic_cast<QtView*>(Control->View()) : nullptr;
  return view ? view->ClientWidget() : nullptr;
}

// The native window that shows Control (a scrolled form's frame included).
QWidget* WindowOf(const TControl* Control) {
  QWidget* w = WidgetOf(Control);
  return w ? w->window() : nullptr;
}

// The window that takes the pointer at G: an open pop-up grabs it; among
// overlapping windows a modal one, then our active form, then the toolkit's
// active window are on top.
QWidget* WindowAt(QPoint G) {
  // The pointer cannot leave the screen.
  if (G.x() < 0 || G.y() < 0 || G.x() >= Screen->Width() || G.y() >= Screen->Height()) return nullptr;
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  // A window with a region (mask) takes the pointer only inside it.
  const auto takes = [&](const QWidget* w) {
    return w && w->isVisible() && w->windowType() != Qt::ToolTip && w->geometry().contains(G) &&
           (w->mask().isEmpty() || w->mask().contains(w->mapFromGlobal(G)));
  };
  if (QWidget* modal = QApplication::activeModalWidget(); takes(modal)) return modal;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->windowFlags().testFlag(Qt::WindowStaysOnTopHint) && takes(w)) return w;
  for (QWidget* w : {WindowOf(Screen->ActiveForm()), QApplication::activeWindow()})
    if (takes(w)) return w;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (takes(w)) return w;
  return nullptr;
}

// The window that has the keyboard: an open pop-up or native modal window
// holds it; else the focused window, else the window of our active form.
QWindow* KeyWindow() {
  QWidget* w = QApplication::activePopupWidget();
  if (!w) w = QApplication::activeModalWidget();
  if (!w && QGuiApplication::focusWindow()) return QGuiApplication::focusWindow();
  if (!w) w = WindowOf(Screen->ActiveForm());
  return w ? w->windowHandle() : nullptr;
}

Qt::MouseButton QtButton(TMouseButton b) {
  return b == mbRight ? Qt::RightButton : b == mbMiddle ? Qt::MiddleButton : Qt::LeftButton;
}

void Send(QWindow* W, QPoint G, Qt::MouseButton Button, QEvent::Type Type, Qt::KeyboardModifiers Mods) {
  if (Type == QEvent::MouseButtonPress) Held() |= Button;
  if (Type == QEvent::MouseButtonRelease) Held() &= ~Qt::MouseButtons(Button);
  const QPointF local = W->mapFromGlobal(QPointF(G));
  qt_handleMouseEvent(W, local, QPointF(G), Held(), Button, Type, Mods, ++Timestamp());
}

// Hands the waiting actions, one by one, to the native modal windows as they show.
class ModalWatch : public QObject {
 public:
  static ModalWatch& Instance() {
    // Owned by the application object; made again for a new one.
    static QPointer<ModalWatch> watch;
    if (!watch) watch = new ModalWatch(QCoreApplication::instance());
    return *watch;
  }
  void Add(std::function<void()> Action) { FActions.push_back(std::move(Action)); }
  void Clear() { FActions.clear(); }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    auto* w = qobject_cast<QWidget*>(Watched);
    if (Event->type() != QEvent::Show || FActions.empty() || !w || !w->isWindow() || !w->isModal()) return false;
    // Queued: it runs in the window's own loop, once showing is over.
    QMetaObject::invokeMethod(
        this, [a = std::move(FActions.front())] { TrapEvent(a); }, Qt::QueuedConnection);
    FActions.pop_front();
    return false;
  }

 private:
  explicit ModalWatch(QObject* App) : QObject(App) { App->installEventFilter(this); }
  std::deque<std::function<void()>> FActions;
};

// While a button is held the window that got the press keeps the pointer
// (the window system's implicit grab), wherever it goes; an open pop-up's
// own grab comes first.
QPointer<QWindow>& Grabbing() {
  static QPointer<QWindow> w;
  return w;
}
}  // namespace

void SystemMouse(TSystemMouse Kind, TPoint ScreenPos, TMouseButton Button, TShiftState Shift) {
  const QPoint g(ScreenPos.X, ScreenPos.Y);
  QWidget* top = WindowAt(g);
  QWindow* w = top ? top->windowHandle() : nullptr;
  const bool grabbed = Held() != Qt::NoButton && Grabbing() && !QApplication::activePopupWidget();
  if (grabbed && Kind != TSystemMouse::Press) w = Grabbing();
  if (Kind == TSystemMouse::Press) Grabbing() = w;
  if (!w) return;
  const QPointer<QWindow> guard(w);
  const Qt::KeyboardModifiers mods = QtModifiers(Shift.Bits());
  const Qt::MouseButton b = QtButton(Button);
  switch (Kind) {
    case TSystemMouse::Move: Send(w, g, Qt::NoButton, QEvent::MouseMove, mods); break;
    case TSystemMouse::Press: Timestamp() += kApart; Send(w, g, b, QEvent::MouseButtonPress, mods); break;
    case TSystemMouse::Release: Send(w, g, b, QEvent::MouseButtonRelease, mods); break;
    case TSystemMouse::DoubleClick:
      Timestamp() += kApart;
      for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                             QEvent::MouseButtonRelease})
        if (guard) Send(guard, g, b, t, mods);
      break;
  }
}

void SystemWheel(TPoint ScreenPos, int Delta, TShiftState Shift) {
  const QPoint g(ScreenPos.X, ScreenPos.Y);
  QWidget* top = WindowAt(g);
  if (!top || !top->windowHandle()) return;
  QWindow* w = top->windowHandle();
  QWheelEvent e(w->mapFromGlobal(QPointF(g)), QPointF(g), QPoint(), QPoint(0, Delta), Held(),
                QtModifiers(Shift.Bits()), Qt::NoScrollPhase, false);
  // Made-up times go on from the last click's: a wheel event at time 0 would end a double click.
  e.setTimestamp(static_cast<ulong>(++Timestamp()));
  QCoreApplication::sendEvent(w, &e);
}

void SystemKey(bool Down, WORD Key, Char Ch, TShiftState Shift, bool Keypad) {
  QWindow* w = KeyWindow();
  const int key = QtKeyOfAnyVirtualKey(Key);
  if (!w || key == 0) return;
  const QString text = Ch ? QString(QChar(Ch)) : QString();
  const Qt::KeyboardModifiers mods = QtModifiers(Shift.Bits()) | (Keypad ? Qt::KeypadModifier : Qt::NoModifier);
  qt_handleKeyEvent(w, Down ? QEvent::KeyPress : QEvent::KeyRelease, key, mods, text, false, 1);
}

void SystemTypeText(const String& Text, TShiftState Shift) {
  QWindow* w = KeyWindow();
  if (!w || Text.empty()) return;
  const QString text = QString::fromUtf16(Text.data(), static_cast<qsizetype>(Text.size()));
  const Qt::KeyboardModifiers mods = QtModifiers(Shift.Bits());
  qt_handleKeyEvent(w, QEvent::KeyPress, Qt::Key_unknown, mods, text, false, 1);
  qt_handleKeyEvent(w, QEvent::KeyRelease, Qt::Key_unknown, mods, text, false, 1);
}

void SystemCloseWindow(const TControl& Control) {
  QWidget* w = WindowOf(&Control);
  if (w && w->windowHandle()) w->windowHandle()->close();
}

TPoint SystemClientToScreen(const TControl& Control, TPoint Client) {
  QWidget* w = WidgetOf(&Control);
  if (!w) return Control.ClientToScreen(Client);
  const QPoint g = w->mapToGlobal(QPoint(Client.X, Client.Y));
  return Point(g.x(), g.y());
}

bool SystemShows(const TControl& Control, TPoint Client) {
  auto* view = dynamic_cast<QtView*>(Control.View());
  QWidget* w = WidgetOf(&Control);
  if (!view || !w || !w->isVisible()) return false;
  const QPoint g = w->mapToGlobal(QPoint(Client.X, Client.Y));
  QWidget* top = WindowAt(g);
  if (!top) return false;
  QWidget* at = top->childAt(top->mapFromGlobal(g));
  if (!at) at = top;
  return at == view->Widget() || view->Widget()->isAncestorOf(at);
}

void SystemFrameBars(const TControl& Control, TRect& Vert, TRect& Horz) {
  Vert = Horz = TRect{};
  auto* frame = qobject_cast<QAbstractScrollArea*>(WindowOf(&Control));
  if (!frame) return;
  const auto place = [](const QScrollBar* Bar) {
    return Bar->isVisible() ? RectOf(QRect(Bar->mapToGlobal(QPoint()), Bar->size())) : TRect{};
  };
  Vert = place(frame->verticalScrollBar());
  Horz = place(frame->horizontalScrollBar());
}

void SystemResizeWindow(const TControl& Control, int Width, int Height) {
  QWidget* w = WindowOf(&Control);
  if (!w || !w->windowHandle()) return;
  w->windowHandle()->resize(Width, Height);
  // The window system answers in its own time, over a round trip that an
  // idle event queue does not wait for: the entry returns once the window
  // has the size, or after two seconds.
  QElapsedTimer waited;
  waited.start();
  while (w->size() != QSize(Width, Height) && !waited.hasExpired(2000)) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(2);
  }
}

TRect SystemWindowRect(const TControl& Control) {
  QWidget* w = WindowOf(&Control);
  return w ? RectOf(w->geometry()) : Control.BoundsRect();
}

bool SystemPopupRect(TRect& R) {
  QWidget* popup = QApplication::activePopupWidget();
  if (popup) R = RectOf(popup->geometry());
  return popup != nullptr;
}

bool SystemModalRect(TRect& R) {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal) R = RectOf(modal->geometry());
  return modal != nullptr;
}

void WhenNativeModalShown(std::function<void()> Action) {
  ModalWatch::Instance().Add(std::move(Action));
}

void ForgetNativeModalActions() { ModalWatch::Instance().Clear(); }
}  // namespace platform
