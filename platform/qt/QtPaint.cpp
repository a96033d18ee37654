#include "platform/qt/QtPaint.h"

#include "platform/gui/Application.h"
#include "platform/gui/Controls.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtView.h"

namespace platform::qt {
void PaintControl(TControl& Control, QPainter& Painter) {
  // The messages carry the canvas; nothing of a handler may cross the toolkit.
  std::unique_ptr<TQtCanvas> canvas = MakeQtCanvas(Painter);
  const auto param = reinterpret_cast<WPARAM>(canvas.get());
  TrapEvent([&] {
    Control.Perform(WM_ERASEBKGND, param, 0);
    Control.Perform(WM_PAINT, param, 0);
  });
}

void PaintThroughBuffer(TControl& Control, QWidget& Widget, QImage& Buffer, qreal Opacity) {
  const qreal ratio = Widget.devicePixelRatioF();
  const QSize size = Widget.size() * ratio;
  if (Buffer.size() != size) Buffer = QImage(size, QImage::Format_ARGB32_Premultiplied);
  Buffer.setDevicePixelRatio(ratio);
  Buffer.fill(Qt::transparent);
  {
    QPainter painter(&Buffer);
    PaintControl(Control, painter);
  }
  QPainter painter(&Widget);
  painter.setOpacity(Opacity);
  painter.drawImage(0, 0, Buffer);
}
}  // namespace platform::qt
