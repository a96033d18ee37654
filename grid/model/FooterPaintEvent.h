#pragma once
// The event that paints the floating footer or one of its cells in place of
// the grid: Sender is the footer panel, ACol the column (or the footer's
// Column for a whole custom-painted footer).
#include <functional>

#include "platform/gui/Canvas.h"
#include "platform/sys/Component.h"

using TFooterPaintEvent =
    std::function<void(TObject* Sender, int ACol, const TRect& ARect, TCanvas* ACanvas)>;
