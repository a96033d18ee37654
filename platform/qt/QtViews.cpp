// The generic views: top-level windows and self-painting surfaces.
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include "platform/gui/Application.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Views.h"
#include "platform/gui/WindowStyles.h"
#include "platform/gui/WorkArea.h"
#include "platform/qt/QtPaint.h"
#include "platform/qt/QtView.h"

namespace platform::qt {
namespace {
class PaintWidget : public QWidget {
 public:
  explicit PaintWidget(TControl& Control) : FControl(Control) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    const auto* view = dynamic_cast<const QtView*>(FControl.View());
    const qreal opacity = view ? view->LayeredOpacity() : 1.0;
    if (const QImage* layered = view ? view->LayeredImage() : nullptr) {
      QPainter painter(this);
      painter.setOpacity(opacity);
      painter.drawImage(0, 0, *layered);
      return;
    }
    PaintThroughBuffer(FControl, *this, FBuffer, opacity);
  }

 private:
  TControl& FControl;
  QImage FBuffer;
};

// A top-level window: our bounds include the frame; the toolkit places the
// client area. The window is kept inside the work area; when the client
// area is taller or wider than the room left there, it is shown whole
// inside a scrolled frame, so its size stays what the layout set. The
// window that shows (the surface or its frame) carries the window's kind.
class FormView : public QtView {
 public:
  explicit FormView(TCustomForm& Form) : QtView(Form, std::make_unique<PaintWidget>(Form)), FForm(Form) {
    Widget()->setAutoFillBackground(true);
  }
  ~FormView() override { Unframe(false); }
  void SetBounds(const TRect&) override {
    if (FAdopting) return;
    const TRect outer = KeptInWorkArea(FForm.BoundsRect());
    const TPoint o = FForm.ClientOrigin();
    const int left = outer.Left + o.X - FForm.Left(), top = outer.Top + o.Y - FForm.Top();
    const int width = FForm.ClientWidth(), height = FForm.ClientHeight();
    // The frame right of and below the client area stays on the screen too.
    const TRect area = WorkAreaRect();
    const int roomX = area.Right - left - (outer.Right - (left + width));
    const int roomY = area.Bottom - top - (outer.Bottom - (top + height));
    if ((width <= roomX && height <= roomY) || roomX <= 0 || roomY <= 0) {
      Unframe(true);
      Widget()->setGeometry(left, top, width, height);
      return;
    }
    Frame();
    // A bar for one way takes room from the other.
    const int barX = FFrame->verticalScrollBar()->sizeHint().width();
    const int barY = FFrame->horizontalScrollBar()->sizeHint().height();
    bool tall = height > roomY, wide = width > roomX;
    wide = wide || (tall && width + barX > roomX);
    tall = tall || (wide && height + barY > roomY);
    FFrame->setVerticalScrollBarPolicy(tall ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    FFrame->setHorizontalScrollBarPolicy(wide ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    Widget()->resize(width, height);
    FFrame->setGeometry(left, top, std::min(roomX, width + (tall ? barX : 0)),
                        std::min(roomY, height + (wide ? barY : 0)));
  }
  void SetVisible(bool Visible) override {
    // Each showing starts at the top left, as a window made anew would.
    if (Visible && FFrame && FFrame->isHidden())
      for (QScrollBar* bar : {FFrame->horizontalScrollBar(), FFrame->verticalScrollBar()}) bar->setValue(0);
    Window()->setVisible(Visible);
  }
  void SetCaption(const String& Caption) override {
    Widget()->setWindowTitle(ToQString(Caption));
    if (FFrame) FFrame->setWindowTitle(ToQString(Caption));
  }
  void BringToFront() override { Window()->raise(); }
  // A pop-up is a frameless tool window: the activation is ours, so it
  // behaves alike on every window system, and no grab steals the pointer.
  void SetWindowParams(const TCreateParams& Params) override {
    // Only the bits managed here change: a plain window keeps the decoration
    // hints the toolkit gave it, and with them its frame.
    const Qt::WindowFlags managed = Qt::Tool | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint |
                                    Qt::WindowStaysOnTopHint;
    Qt::WindowFlags flags = (Window()->windowFlags() & ~managed) | Qt::Window;
    if (Params.Style & WS_POPUP) flags = Qt::Tool | Qt::FramelessWindowHint;
    // The shadow is the window system's to draw; Qt can only ask it to leave it off.
    if ((Params.Style & WS_POPUP) && !(Params.WindowClassStyle & CS_DROPSHADOW)) flags |= Qt::NoDropShadowWindowHint;
    if (Params.ExStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
    const bool quiet = (Params.ExStyle & WS_EX_NOACTIVATE) || (Params.Style & WS_DISABLED);
    Window()->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
    TakeKind(*Window(), flags);
  }
  void ActivateWindow() override {
    if (Window()->isVisible() && !Window()->testAttribute(Qt::WA_ShowWithoutActivating)) Window()->activateWindow();
  }
  // A wheel no control took scrolls the frame: down its height, else along its width.
  void DefaultHandler(TMessage& Message) override {
    if (Message.Msg != WM_MOUSEWHEEL || !FFrame) return QtView::DefaultHandler(Message);
    QScrollBar* bar = FFrame->verticalScrollBar();
    if (bar->maximum() <= 0) bar = FFrame->horizontalScrollBar();
    const int delta = static_cast<std::int16_t>(HiWord(Message.WParam));
    const QPointF at(GetXLParam(Message.LParam), GetYLParam(Message.LParam));
    QWheelEvent e(bar->mapFromGlobal(at), at, QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    SendToNative(bar, e);
    Message.Result = 1;
  }

 protected:
  // The window system moved or sized the window (its frame dragged): the form takes those bounds.
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    const QEvent::Type type = Event->type();
    if (Watched == Widget() && !FFrame && Event->spontaneous() && (type == QEvent::Resize || type == QEvent::Move))
      AdoptNativeBounds();
    return QtView::eventFilter(Watched, Event);
  }

 private:
  QWidget* Window() const { return FFrame ? static_cast<QWidget*>(FFrame.get()) : Widget(); }
  static void TakeKind(QWidget& W, Qt::WindowFlags Flags) {
    if (Flags == W.windowFlags()) return;
    const bool visible = W.isVisible();
    W.setWindowFlags(Flags);
    if (visible) W.show();
  }
  void AdoptNativeBounds() {
    const QRect g = Widget()->geometry();
    const TPoint o = FForm.ClientOrigin();
    const int left = g.x() - (o.X - FForm.Left()), top = g.y() - (o.Y - FForm.Top());
    const int width = g.width() + FForm.Width() - FForm.ClientWidth();
    const int height = g.height() + FForm.Height() - FForm.ClientHeight();
    if (left == FForm.Left() && top == FForm.Top() && width == FForm.Width() && height == FForm.Height()) return;
    const NativeCall call;
    FAdopting = true;
    TrapEvent([&] { FForm.SetBounds(left, top, width, height); });
    FAdopting = false;
  }
  // The frame takes the window's place, kind and title; the surface goes inside.
  void Frame() {
    if (FFrame) return;
    const bool visible = !Widget()->isHidden();
    FFrame = std::make_unique<QScrollArea>();
    FFrame->setWindowFlags(Widget()->windowFlags());
    FFrame->setAttribute(Qt::WA_ShowWithoutActivating, Widget()->testAttribute(Qt::WA_ShowWithoutActivating));
    FFrame->setWindowTitle(Widget()->windowTitle());
    FFrame->setFrameShape(QFrame::NoFrame);
    FFrame->setFocusPolicy(Qt::NoFocus);
    // The frame's close button closes the form.
    FFrame->installEventFilter(this);
    FFrame->setWidget(Widget());
    Widget()->show();
    FFrame->setVisible(visible);
  }
  // The surface is the window again, of the frame's kind.
  void Unframe(bool Show) {
    if (!FFrame) return;
    const bool visible = FFrame->isVisible();
    FFrame->takeWidget();
    Widget()->setWindowFlags(FFrame->windowFlags());
    Widget()->setAttribute(Qt::WA_ShowWithoutActivating, FFrame->testAttribute(Qt::WA_ShowWithoutActivating));
    if (Show) Widget()->setVisible(visible);
    FFrame->hide();
    // During a call into the frame's own code (its close button) it must live on.
    if (NativeCall::Busy()) FFrame.release()->deleteLater();
    FFrame.reset();
  }

  TCustomForm& FForm;
  std::unique_ptr<QScrollArea> FFrame;
  bool FAdopting = false;  // the form takes the bounds the window already has
};
}  // namespace
}  // namespace platform::qt

namespace platform {
std::unique_ptr<TControlView> CreateFormView(TCustomForm& Form) {
  return std::make_unique<qt::FormView>(Form);
}

std::unique_ptr<TControlView> CreatePaintView(TControl& Control) {
  return std::make_unique<qt::QtView>(Control, std::make_unique<qt::PaintWidget>(Control));
}

std::unique_ptr<TControlView> CreatePopupView(TControl& Control) {
  auto widget = std::make_unique<qt::PaintWidget>(Control);
  widget->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
  widget->setAttribute(Qt::WA_ShowWithoutActivating);
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  return std::make_unique<qt::QtView>(Control, std::move(widget));
}
}  // namespace platform
