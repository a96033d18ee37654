#include "platform/qt/QtPaint.h"

#include "platform/gui/Application.h"
#include "platform/gui/Controls.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtView.h"

namespace platform::qt {
void PaintControl(TControl& Control, QPainter& Painter) {
  // An opaque control paints its own background, so whatever it leaves
  // unpainted shows the parent (see-through corners).
  if (Control.Color() != clNone && !(Control.ControlStyle() & csOpaque))
    Painter.fillRect(0, 0, Control.Width(), Control.Height(), ToQColor(Control.Color()));
  // WM_PAINT carries the canvas; nothing of a paint handler may cross the toolkit.
  std::unique_ptr<TQtCanvas> canvas = MakeQtCanvas(Painter);
  TrapEvent([&] { Control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(canvas.get()), 0); });
}
}  // namespace platform::qt
