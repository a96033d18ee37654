#include "platform/qt/QtView.h"

#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QMouseEvent>
#include <QScrollArea>
#include <QWheelEvent>

#include "platform/gui/Application.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Input.h"
#include "platform/gui/LayeredWindow.h"
#include "platform/gui/Region.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtCursors.h"

namespace platform::qt {
namespace {
int& ForwardDepth() {
  static int depth = 0;
  return depth;
}

int& NativeDepth() {
  static int depth = 0;
  return depth;
}

// A widget whose control went during one of its own calls: it goes silent
// and out of sight now, and is deleted once the call is over.
void Retire(std::unique_ptr<QWidget> Widget) {
  Widget->blockSignals(true);
  for (QObject* child : Widget->findChildren<QObject*>()) child->blockSignals(true);
  Widget->hide();
  Widget.release()->deleteLater();
}

// The time of the pointer input being handled. The toolkit takes the
// pointer's last press time from every mouse event it delivers: events we
// forward carry the window system's time, or the next press would never be
// a double click.
ulong& PointerTime() {
  static ulong time = 0;
  return time;
}

UINT MouseMessage(QEvent::Type t, Qt::MouseButton b) {
  const int base = b == Qt::RightButton ? WM_RBUTTONDOWN : b == Qt::MiddleButton ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
  switch (t) {
    case QEvent::MouseButtonPress: return static_cast<UINT>(base);
    case QEvent::MouseButtonRelease: return static_cast<UINT>(base + 1);
    case QEvent::MouseButtonDblClick: return static_cast<UINT>(base + 2);
    default: return WM_MOUSEMOVE;
  }
}

// The character a key event types, as WM_CHAR carries it (control keys included).
Char CharOf(const QKeyEvent& e) {
  switch (e.key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    default: break;
  }
  const QString t = e.text();
  if (!t.isEmpty()) return static_cast<Char>(t.at(0).unicode());
  // Some keyboard layouts give no text with Alt; the access keys need the letter.
  const bool alt = (e.modifiers() & Qt::AltModifier) && !(e.modifiers() & Qt::ControlModifier);
  if (alt && e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z) return static_cast<Char>(u'a' + (e.key() - Qt::Key_A));
  if (alt && e.key() >= Qt::Key_0 && e.key() <= Qt::Key_9) return static_cast<Char>(e.key());
  return 0;
}
// The application's style with a caret of no width.
class NoCaretStyle : public QProxyStyle {
 public:
  explicit NoCaretStyle(QObject* Owner) { setParent(Owner); }
  int pixelMetric(PixelMetric Metric, const QStyleOption* Option, const QWidget* Widget) const override {
    return Metric == PM_TextCursorWidth ? 0 : QProxyStyle::pixelMetric(Metric, Option, Widget);
  }
};
}  // namespace

NativeCall::NativeCall() { ++NativeDepth(); }
NativeCall::~NativeCall() { --NativeDepth(); }
bool NativeCall::Busy() { return NativeDepth() > 0; }

void DeleteRetiredWidgets() {
  if (!NativeCall::Busy()) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void SendToNative(QWidget* Receiver, QEvent& Event) {
  if (!Receiver) return;
  const NativeCall call;
  ++ForwardDepth();
  QCoreApplication::sendEvent(Receiver, &Event);
  --ForwardDepth();
}

QString ToQString(const String& s) { return QString::fromStdU16String(s); }
String FromQString(const QString& s) { return s.toStdU16String(); }
QColor ToQColor(TColor c) {
  const TColor rgb = ColorToRGB(c);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QtView::QtView(TControl& Control, std::unique_ptr<QWidget> Widget)
    : FControl(Control), FWidget(std::move(Widget)) {
  FWidget->setFocusPolicy(Qt::NoFocus);
  // Moves arrive without a button held too, as WM_MOUSEMOVE does.
  FWidget->setMouseTracking(true);
  Watch(FWidget.get());
}

QtView::~QtView() {
  // Children of the widget that belong to other controls are gone already;
  // the widget goes with its view.
  if (NativeCall::Busy()) Retire(std::move(FWidget));
  FWidget.reset();
}

void QtView::Watch(QWidget* Child) {
  Child->installEventFilter(this);
  for (QWidget* w : Child->findChildren<QWidget*>()) {
    w->installEventFilter(this);
    w->setFocusPolicy(Qt::NoFocus);
  }
}

void QtView::SetParentView(TControlView* Parent) {
  auto* p = dynamic_cast<QtView*>(Parent);
  const bool visible = !FWidget->isHidden();
  FWidget->setParent(p ? p->ClientWidget() : nullptr);
  FWidget->setVisible(visible);
}

void QtView::SetBounds(const TRect& Bounds) {
  FWidget->setGeometry(Bounds.Left, Bounds.Top, std::max(0, Bounds.Width()), std::max(0, Bounds.Height()));
}

void QtView::SetVisible(bool Visible) { FWidget->setVisible(Visible); }
void QtView::SetEnabled(bool Enabled) { FWidget->setEnabled(Enabled); }
void QtView::SetCaption(const String& Caption) {
  if (FWidget->isWindow()) FWidget->setWindowTitle(ToQString(Caption));
}

void QtView::SetColor(TColor Color) {
  QPalette pal = FWidget->palette();
  pal.setColor(QPalette::Window, ToQColor(Color));
  FWidget->setPalette(pal);
}

void QtView::SetFont(const TFont& Font) {
  FWidget->setFont(ToQFont(Font));
  QPalette pal = FWidget->palette();
  const QColor text = ToQColor(Font.Color());
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    pal.setColor(role, text);
  FWidget->setPalette(pal);
}

void QtView::SetCursor(int Cursor) {
  Qt::CursorShape shape;
  if (qt::ToQtCursor(Cursor, shape)) FWidget->setCursor(shape);
  else FWidget->unsetCursor();
}

void QtView::SetCaretVisible(bool Visible) {
  // A line edit takes its caret width from its style, a text editor has its own.
  auto* line = qobject_cast<QLineEdit*>(FWidget.get());
  if (!line) line = FWidget->findChild<QLineEdit*>();
  if (line && !Visible) line->setStyle(new NoCaretStyle(line));
  if (auto* hidden = line ? dynamic_cast<NoCaretStyle*>(line->style()) : nullptr; hidden && Visible) {
    line->setStyle(nullptr);
    delete hidden;
  }
  if (auto* text = qobject_cast<QPlainTextEdit*>(FWidget.get())) text->setCursorWidth(Visible ? 1 : 0);
}

void QtView::Invalidate() { FWidget->update(); }
void QtView::InvalidateRect(const TRect& R) { FWidget->update(QRect(R.Left, R.Top, R.Width(), R.Height())); }
void QtView::Update() { FWidget->repaint(); }
void QtView::BringToFront() { FWidget->raise(); }

void QtView::SetNativeFocus() {
  QWidget* w = FWidget->focusProxy() ? FWidget->focusProxy() : FWidget.get();
  w->setFocus(Qt::OtherFocusReason);
  // In a form larger than the screen the focused control scrolls into view,
  // only as far as it must: a button pressed at the frame's edge stays under the pointer.
  for (QWidget* p = FWidget->parentWidget(); p; p = p->parentWidget())
    if (auto* area = qobject_cast<QScrollArea*>(p)) area->ensureWidgetVisible(FWidget.get(), 0, 0);
}

void QtView::SetRegion(const TRegion* Region) {
  if (!Region) return FWidget->clearMask();
  QRegion mask;
  for (const TRect& r : Region->Rects()) mask += QRect(r.Left, r.Top, r.Width(), r.Height());
  // An empty mask would mean no shape at all: a window shaped to nothing shows nothing.
  FWidget->setMask(mask.isEmpty() ? QRegion(-1, -1, 1, 1) : mask);
}

void QtView::SetLayered(const TLayeredPicture* Picture) {
  FLayeredImage = QImage();
  FLayeredOpacity = Picture ? Picture->Alpha / 255.0 : 1.0;
  if (Picture && !Picture->Pixels.Empty()) {
    const TPixelBuffer& px = Picture->Pixels;
    // B, G, R, A bytes are the toolkit's 32-bit ARGB words on this byte order.
    FLayeredImage = QImage(px.Bits.data(), px.Width, px.Height, px.Stride, QImage::Format_ARGB32_Premultiplied).copy();
  }
  // What the window leaves uncovered is see-through, not the window colour.
  FWidget->setAttribute(Qt::WA_TranslucentBackground, Picture != nullptr);
  FWidget->setAutoFillBackground(Picture == nullptr && FWidget->isWindow());
  FWidget->update();
}

QWidget* QtView::KeyReceiver() const {
  return FWidget->focusProxy() ? FWidget->focusProxy() : FWidget.get();
}

void QtView::DefaultHandler(TMessage& Message) {
  const UINT m = Message.Msg;
  if (m == WM_PAINT && Message.WParam) PaintNative(*reinterpret_cast<TCanvas*>(Message.WParam));
  else if ((m >= WM_KEYDOWN && m <= WM_SYSCHAR)) ForwardKey(Message);
  else if (m >= WM_MOUSEMOVE && m <= WM_MOUSEWHEEL) ForwardMouse(Message);
}

void QtView::ForwardKey(TMessage& Message) {
  const unsigned shift = KeyboardShiftState().Bits();
  const Qt::KeyboardModifiers mods = QtModifiers(shift);
  const bool down = Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN;
  const bool up = Message.Msg == WM_KEYUP || Message.Msg == WM_SYSKEYUP;
  if (down || up) {
    // Keys that type a character are forwarded with their WM_CHAR.
    const int key = QtKeyOfVirtualKey(static_cast<int>(Message.WParam));
    if (key == 0) return;
    QKeyEvent e(down ? QEvent::KeyPress : QEvent::KeyRelease, key, mods);
    SendToNative(KeyReceiver(), e);
    return;
  }
  // Alt with a character is an access key, never typed.
  if (Message.Msg == WM_SYSCHAR) return;
  const Char ch = static_cast<Char>(Message.WParam);
  if (ch == 9 || ch == 27) return;
  // The native control takes a character of two units only whole.
  const Char high = std::exchange(FHighSurrogate, 0);
  if (QChar::isHighSurrogate(ch)) {
    FHighSurrogate = ch;
    return;
  }
  if (QChar::isLowSurrogate(ch)) {
    if (high == 0) return;
    const QChar pair[2] = {QChar(high), QChar(ch)};
    QKeyEvent e(QEvent::KeyPress, Qt::Key_unknown, mods, QString(pair, 2));
    SendToNative(KeyReceiver(), e);
    return;
  }
  int key = 0;
  QString text;
  Qt::KeyboardModifiers charMods = mods;
  if (ch == 8) key = Qt::Key_Backspace;
  else if (ch == 13) key = Qt::Key_Return;
  else if (ch >= 1 && ch <= 26) key = Qt::Key_A + (ch - 1), charMods |= Qt::ControlModifier;
  else if (ch >= 32) text = QString(QChar(ch)), key = QChar(ch).toUpper().unicode();
  if (key == 0) return;
  QKeyEvent e(QEvent::KeyPress, key, charMods, text);
  SendToNative(KeyReceiver(), e);
}

void QtView::ForwardMouse(TMessage& Message) {
  QPoint pos(GetXLParam(Message.LParam), GetYLParam(Message.LParam));
  // The wheel's point is on the screen.
  if (Message.Msg == WM_MOUSEWHEEL) pos = FWidget->mapFromGlobal(pos);
  const Qt::KeyboardModifiers mods = QtModifiers(KeyboardShiftState().Bits());
  QWidget* target = FWidget->childAt(pos);
  if (!target) target = FWidget.get();
  const QPointF local = target->mapFrom(FWidget.get(), pos);
  const QPointF global = FWidget->mapToGlobal(pos);
  if (Message.Msg == WM_MOUSEWHEEL) {
    const int delta = static_cast<std::int16_t>(HiWord(Message.WParam));
    QWheelEvent e(local, global, QPoint(), QPoint(0, delta), Qt::NoButton, mods, Qt::NoScrollPhase, false);
    e.setTimestamp(PointerTime());
    SendToNative(target, e);
    // A wheel the native control leaves goes on to the parent.
    Message.Result = e.isAccepted() ? 1 : 0;
    return;
  }
  QEvent::Type type = QEvent::MouseMove;
  Qt::MouseButton button = Qt::NoButton;
  switch (Message.Msg) {
    case WM_LBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::LeftButton; break;
    case WM_LBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::LeftButton; break;
    case WM_LBUTTONDBLCLK: type = QEvent::MouseButtonDblClick; button = Qt::LeftButton; break;
    case WM_RBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::RightButton; break;
    case WM_RBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::RightButton; break;
    default: break;
  }
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent e(type, local, local, global, button, held, mods);
  e.setTimestamp(PointerTime());
  SendToNative(target, e);
}

void QtView::PaintNative(TCanvas& Canvas) {
  auto* painter = dynamic_cast<PaintsLook*>(FWidget.get());
  if (!painter) return;
  QImage look(FWidget->size(), QImage::Format_ARGB32_Premultiplied);
  look.fill(Qt::transparent);
  {
    QPainter p(&look);
    p.setFont(FWidget->font());
    p.setPen(FWidget->palette().color(FWidget->foregroundRole()));
    p.setLayoutDirection(FWidget->layoutDirection());
    painter->PaintLook(p);
  }
  look.convertTo(QImage::Format_ARGB32);
  TPixelView pixels;
  pixels.Bits = look.constBits();
  pixels.Width = look.width();
  pixels.Height = look.height();
  pixels.Stride = static_cast<int>(look.bytesPerLine());
  pixels.UseAlpha = true;
  Canvas.DrawPixels(Rect(0, 0, look.width(), look.height()), pixels);
}

void QtView::PaintHooked() {
  QPainter painter(FWidget.get());
  const std::unique_ptr<TQtCanvas> canvas = MakeQtCanvas(painter);
  canvas->SetFont(*FControl.Font());
  const auto w = reinterpret_cast<WPARAM>(static_cast<TCanvas*>(canvas.get()));
  const QPointer<QtView> alive(this);
  TrapEvent([&] { FControl.Perform(WM_PAINT, w, 0); });
  if (!alive) return;
  canvas->ResetClip();
  TrapEvent([&] { FControl.Perform(WM_NCPAINT, w, 0); });
}

bool QtView::Inside(const QWidget* W) const { return W == FWidget.get() || FWidget->isAncestorOf(W); }

void QtView::YieldCaptureToPopup() {
  const QWidget* popup = QApplication::activePopupWidget();
  if (!popup || GetCaptureControl() != &FControl) return;
  for (const QObject* o = popup->parent(); o; o = o->parent())
    if (o == FWidget.get()) return SetCaptureControl(nullptr);
}

// The toolkit reports the modifiers as before the event; a modifier key's
// own press and release count as after it, as the program asks the key state.
static TShiftState ShiftAfter(const QKeyEvent& Key) {
  Qt::KeyboardModifiers mods = Key.modifiers();
  const Qt::KeyboardModifier own = Key.key() == Qt::Key_Shift     ? Qt::ShiftModifier
                                   : Key.key() == Qt::Key_Control ? Qt::ControlModifier
                                   : Key.key() == Qt::Key_Alt     ? Qt::AltModifier
                                                                  : Qt::NoModifier;
  mods.setFlag(own, Key.type() == QEvent::KeyPress);
  return TShiftState::FromBits(ShiftBitsOfQt(mods, Qt::NoButton));
}

bool QtView::eventFilter(QObject* Watched, QEvent* Event) {
  // Without a widget the view is going: what the retired widget still sends is none of ours.
  if (ForwardDepth() > 0 || !FWidget) return false;
  auto* w = qobject_cast<QWidget*>(Watched);
  if (!w) return false;
  // A pop-up of the native control (a drop-down list) is a window of its
  // own: it handles its input itself, in its own coordinates.
  if (Event->type() != QEvent::Close && !Inside(w)) return false;
  const NativeCall call;
  switch (Event->type()) {
    case QEvent::KeyPress: {
      auto* k = static_cast<QKeyEvent*>(Event);
      InputKeyDown(static_cast<WORD>(VirtualKeyOfQtKey(k->key())), CharOf(*k), ShiftAfter(*k),
                   k->modifiers().testFlag(Qt::KeypadModifier));
      // The second unit of a character of two goes on as a character of its
      // own, to whichever control has the keyboard now.
      if (k->text().size() == 2 && k->text().at(0).isHighSurrogate())
        InputChar(static_cast<Char>(k->text().at(1).unicode()), ShiftAfter(*k));
      return true;
    }
    case QEvent::KeyRelease: {
      auto* k = static_cast<QKeyEvent*>(Event);
      InputKeyUp(static_cast<WORD>(VirtualKeyOfQtKey(k->key())), ShiftAfter(*k),
                 k->modifiers().testFlag(Qt::KeypadModifier));
      return true;
    }
    case QEvent::MouseButtonPress: case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: case QEvent::MouseMove: {
      auto* m = static_cast<QMouseEvent*>(Event);
      PointerTime() = m->timestamp();
      const QPoint p = w->mapTo(FWidget.get(), m->position().toPoint()) - ClientWidget()->mapTo(FWidget.get(), QPoint());
      const Qt::MouseButtons held = m->buttons() | m->button();
      const QPointer<QtView> alive(this);
      InputMouse(&FControl, MouseMessage(Event->type(), m->button()), Point(p.x(), p.y()),
                 TShiftState::FromBits(ShiftBitsOfQt(m->modifiers(), held)));
      if (alive && Event->type() == QEvent::MouseButtonPress) YieldCaptureToPopup();
      return true;
    }
    case QEvent::Wheel: {
      auto* e = static_cast<QWheelEvent*>(Event);
      PointerTime() = e->timestamp();
      const QPoint g = e->globalPosition().toPoint();
      InputWheel(&FControl, e->angleDelta().y(), Point(g.x(), g.y()),
                 TShiftState::FromBits(ShiftBitsOfQt(e->modifiers(), e->buttons())));
      return true;
    }
    case QEvent::Paint:
      if (!FPaintHooks || w != FWidget.get()) return false;
      PaintHooked();
      return true;
    case QEvent::Leave:
      if (w == FWidget.get()) InputMouseLeave(&FControl);
      return false;
    case QEvent::Close:
      // The window is our surface or the scrolled frame around it.
      if (w->isWindow() && (w == FWidget.get() || w->isAncestorOf(FWidget.get()))) {
        Event->ignore();
        TrapEvent([this] { FControl.Perform(WM_CLOSE, 0, 0); });
        return true;
      }
      return false;
    default: return false;
  }
}

}  // namespace platform::qt
