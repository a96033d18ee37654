#pragma once
// Painting of a control's surface: WM_ERASEBKGND, then WM_PAINT with a
// canvas over the painter, so that Paint() draws what the control is.
#include <QImage>
#include <QPainter>
#include <QWidget>

class TControl;

namespace platform::qt {
void PaintControl(TControl& Control, QPainter& Painter);
// The same into Buffer (the widget's size, at first transparent), which
// then goes onto Widget: the canvas of a window can read its pixels. What
// the control leaves unpainted shows the parent (see-through corners).
void PaintThroughBuffer(TControl& Control, QWidget& Widget, QImage& Buffer, qreal Opacity = 1.0);
}
