// The generic views: top-level windows and self-painting surfaces.
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

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
// area is taller than the room left there, it is shown whole inside a
// scrolled frame, so its size stays what the layout set.
class FormView : public QtView {
 public:
  explicit FormView(TCustomForm& Form) : QtView(Form, std::make_unique<PaintWidget>(Form)), FForm(Form) {
    Widget()->setAutoFillBackground(true);
  }
  ~FormView() override { Unframe(false); }
  void SetBounds(const TRect&) override {
    const TRect outer = KeptInWorkArea(FForm.BoundsRect());
    const TPoint o = FForm.ClientOrigin();
    const int left = outer.Left + o.X - FForm.Left(), top = outer.Top + o.Y - FForm.Top();
    const int width = FForm.ClientWidth(), height = FForm.ClientHeight();
    // The frame below the client area stays on the screen too.
    const int room = WorkAreaRect().Bottom - top - (outer.Bottom - (top + height));
    if (height <= room || room <= 0) {
      Unframe(true);
      Widget()->setGeometry(left, top, width, height);
      return;
    }
    Frame();
    Widget()->resize(width, height);
    FFrame->setGeometry(left, top, width + FFrame->verticalScrollBar()->sizeHint().width(), room);
  }
  void SetVisible(bool Visible) override { Window()->setVisible(Visible); }
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
    Qt::WindowFlags flags = (Widget()->windowFlags() & ~managed) | Qt::Window;
    if (Params.Style & WS_POPUP) flags = Qt::Tool | Qt::FramelessWindowHint;
    // The shadow is the window system's to draw; Qt can only ask it to leave it off.
    if ((Params.Style & WS_POPUP) && !(Params.WindowClassStyle & CS_DROPSHADOW)) flags |= Qt::NoDropShadowWindowHint;
    if (Params.ExStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
    const bool quiet = (Params.ExStyle & WS_EX_NOACTIVATE) || (Params.Style & WS_DISABLED);
    Widget()->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
    if (flags == Widget()->windowFlags()) return;
    const bool visible = Widget()->isVisible();
    Widget()->setWindowFlags(flags);
    if (visible) Widget()->show();
  }
  void ActivateWindow() override {
    if (Window()->isVisible() && !Widget()->testAttribute(Qt::WA_ShowWithoutActivating)) Window()->activateWindow();
  }

 private:
  QWidget* Window() const { return FFrame ? FFrame.get() : Widget(); }
  void Frame() {
    if (FFrame) return;
    const bool visible = !Widget()->isHidden();
    FFrame = std::make_unique<QScrollArea>();
    FFrame->setWindowTitle(Widget()->windowTitle());
    FFrame->setFrameShape(QFrame::NoFrame);
    FFrame->setFocusPolicy(Qt::NoFocus);
    FFrame->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FFrame->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The frame's close button closes the form.
    FFrame->installEventFilter(this);
    FFrame->setWidget(Widget());
    Widget()->show();
    FFrame->setVisible(visible);
  }
  void Unframe(bool Show) {
    if (!FFrame) return;
    const bool visible = FFrame->isVisible();
    FFrame->takeWidget();
    if (Show) Widget()->setVisible(visible);
    FFrame->hide();
    // During a call into the frame's own code (its close button) it must live on.
    if (NativeCall::Busy()) FFrame.release()->deleteLater();
    FFrame.reset();
  }

  TCustomForm& FForm;
  std::unique_ptr<QScrollArea> FFrame;
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
