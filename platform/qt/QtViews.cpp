// The generic views: top-level windows and self-painting surfaces.
#include <QPaintEvent>
#include <QPainter>

#include "platform/gui/Forms.h"
#include "platform/gui/Views.h"
#include "platform/qt/QtPaint.h"
#include "platform/qt/QtView.h"

namespace platform::qt {
namespace {
class PaintWidget : public QWidget {
 public:
  explicit PaintWidget(TControl& Control) : FControl(Control) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    PaintControl(FControl, painter);
  }

 private:
  TControl& FControl;
};

// A top-level window: our bounds include the frame; the toolkit places the client area.
class FormView : public QtView {
 public:
  explicit FormView(TCustomForm& Form) : QtView(Form, std::make_unique<PaintWidget>(Form)), FForm(Form) {
    Widget()->setAutoFillBackground(true);
  }
  void SetBounds(const TRect&) override {
    const TPoint o = FForm.ClientOrigin();
    Widget()->setGeometry(o.X, o.Y, FForm.ClientWidth(), FForm.ClientHeight());
  }
  void SetCaption(const String& Caption) override { Widget()->setWindowTitle(ToQString(Caption)); }

 private:
  TCustomForm& FForm;
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
