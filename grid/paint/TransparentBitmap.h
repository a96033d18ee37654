#pragma once
// A bitmap drawn in its own size, transparent by its own rule (the
// bottom-left pixel's colour unless one was set) without touching it.
#include "platform/gui/Bitmap.h"

inline void DrawBitmapAt(TCanvas& C, const TBitmap& Bitmap, int X, int Y, bool Transparent) {
  if (Bitmap.Empty()) return;
  TPixelView v = Bitmap.Pixels().View();
  v.UseAlpha = v.BytesPerPixel == 4 && Bitmap.AlphaFormat() == afDefined;
  v.TransparentColor = Transparent ? Bitmap.TransparentColor() : clNone;
  C.DrawPixels(TRect{X, Y, X + Bitmap.Width(), Y + Bitmap.Height()}, v);
}
