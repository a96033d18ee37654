#pragma once
// The classic bar of a cell's progress graphic, the same on screen and paper.
#include "grid/base/CellGraphic.h"
#include "grid/base/ControlLook.h"
#include "grid/base/ProgressIndicators.h"

// The graphic keeps its two bar colours, its own two text colours (used when
// CellBoolean is on; else the bar colours inverted), the range and the
// format; the look gives margins and the border colour.
TProgressBarValues CellProgressBar(const TCellGraphic& Graphic, const TControlLook& Look, const TRect& Rect,
                                   double Position);
