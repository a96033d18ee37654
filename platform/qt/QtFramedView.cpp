// The grid's window: a frame widget that paints the non-client area, with
// the client widget inside it that paints the cells and holds the children.
#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include "platform/grids/GridView.h"
#include "platform/gui/Application.h"
#include "platform/gui/Controls.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtView.h"

namespace platform::qt {
namespace {

// WM_PAINT or WM_NCPAINT with a canvas over Painter, clipped to Area.
void PerformPaint(TControl& Control, UINT Msg, QPainter& Painter, const QRect& Area) {
  std::unique_ptr<TQtCanvas> canvas = MakeQtCanvas(Painter);
  canvas->SetClipRect(Rect(Area.left(), Area.top(), Area.right() + 1, Area.bottom() + 1));
  TrapEvent([&] { Control.Perform(Msg, reinterpret_cast<WPARAM>(canvas.get()), 0); });
}

class SurfaceWidget : public QWidget {
 public:
  SurfaceWidget(TControl& Control, UINT Msg, QWidget* Parent = nullptr)
      : QWidget(Parent), FControl(Control), FMsg(Msg) {}

 protected:
  void paintEvent(QPaintEvent* Event) override {
    QPainter painter(this);
    PerformPaint(FControl, FMsg, painter, Event->rect());
  }

 private:
  TControl& FControl;
  UINT FMsg;
};

class FramedView : public QtView, public TFramedView {
 public:
  explicit FramedView(TControl& Control)
      : QtView(Control, std::make_unique<SurfaceWidget>(Control, WM_NCPAINT)),
        FClient(new SurfaceWidget(Control, WM_PAINT, Widget())) {
    FClient->setMouseTracking(true);
    FClient->setAttribute(Qt::WA_OpaquePaintEvent);
    Watch(FClient);
  }

  QWidget* ClientWidget() const override { return FClient; }
  void SetClientArea(const TRect& Area) override {
    FClient->setGeometry(Area.Left, Area.Top, std::max(0, Area.Width()), std::max(0, Area.Height()));
  }
  // An opaque client is not repainted with its frame: both are asked.
  void Invalidate() override {
    QtView::Invalidate();
    FClient->update();
  }
  // A hidden widget drops what is asked: the region is not worth making.
  void InvalidateNonClient() override {
    if (Widget()->isVisible()) Widget()->update(QRegion(Widget()->rect()).subtracted(QRegion(FClient->geometry())));
  }
  void InvalidateRect(const TRect& R) override {
    if (!R.IsEmpty()) FClient->update(QRect(R.Left, R.Top, R.Width(), R.Height()));
  }
  // Paints what is invalid now, and only that.
  void Update() override {
    if (Widget()->isVisible()) QCoreApplication::sendPostedEvents(Widget()->window(), QEvent::UpdateRequest);
  }

 private:
  QWidget* FClient;  // owned by the frame widget
};

}  // namespace
}  // namespace platform::qt

namespace platform {
std::unique_ptr<TControlView> CreateFramedView(TControl& Control, TFramedView*& Framed) {
  auto view = std::make_unique<qt::FramedView>(Control);
  Framed = view.get();
  return view;
}
}  // namespace platform
