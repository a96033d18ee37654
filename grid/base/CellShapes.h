#pragma once
// Simple shapes a cell can show instead of text.
#include "grid/base/EnumNames.h"
#include "platform/gui/Canvas.h"

GX_ENUM(TCellShape, csRectangle, csCircle, csTriangleLeft, csTriangleRight, csTriangleUp,
        csTriangleDown, csDiamond, csLineVert, csLineHorz, csRoundRect, csEllips, csSquare,
        csRoundSquare, csStar, csArrowUp, csArrowDown, csArrowLeft, csArrowRight, csHalfStar);

// Draws Shape in the box (X, Y, Width, Height) with the brush and pen in
// those colours; circle and squares use the box's shorter side. A value
// outside the enumeration draws nothing.
void DrawCellShape(TCanvas& Canvas, int X, int Y, int Width, int Height, TCellShape Shape,
                   TColor BrushColor, TColor PenColor);
