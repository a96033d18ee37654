#pragma once
// Painting of a control's surface: the background, then WM_PAINT with a
// canvas over the painter, so that Paint() draws what the control is.
#include <QPainter>

class TControl;

namespace platform::qt {
void PaintControl(TControl& Control, QPainter& Painter);
}
