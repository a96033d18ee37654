#pragma once
// The canvas that draws into a pixel buffer (a bitmap's own canvas). The
// buffer is drawn on in place; call ReleaseBufferCanvas before the buffer
// is reallocated. Implemented on the toolkit's painter.
#include <memory>

#include "platform/gui/Canvas.h"
#include "platform/gui/PixelBuffer.h"

// PixelsPerInch 0 keeps the screen's resolution.
std::unique_ptr<TCanvas> MakeBufferCanvas(TPixelBuffer& Buffer, int PixelsPerInch = 0);
// Lets go of the buffer's memory; the next drawing call takes it again.
void ReleaseBufferCanvas(TCanvas& Canvas);
