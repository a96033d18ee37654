#include "platform/qt/QtPaint.h"

#include "platform/gui/Application.h"
#include "platform/gui/Controls.h"
#include "platform/qt/QtView.h"

namespace platform::qt {
void PaintControl(TControl& Control, QPainter& Painter) {
  if (Control.Color() != clNone)
    Painter.fillRect(0, 0, Control.Width(), Control.Height(), ToQColor(Control.Color()));
}
}  // namespace platform::qt
