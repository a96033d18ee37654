#include "platform/gui/PixelBuffer.h"

void TPixelBuffer::Resize(int w, int h, int bytesPerPixel) {
  Width = w > 0 ? w : 0;
  Height = h > 0 ? h : 0;
  BytesPerPixel = bytesPerPixel;
  Stride = (Width * BytesPerPixel + 3) / 4 * 4;
  Bits.assign(static_cast<size_t>(Stride) * Height, 0);
}

TColor TPixelBuffer::Pixel(int x, int y) const {
  const std::uint8_t* p = Row(y) + static_cast<size_t>(x) * BytesPerPixel;
  return RGB(p[2], p[1], p[0]);
}

TPixelView TPixelBuffer::View() const {
  TPixelView v;
  v.Bits = Bits.data();
  v.Width = Width;
  v.Height = Height;
  v.Stride = Stride;
  v.BytesPerPixel = BytesPerPixel;
  return v;
}

TPixelBuffer TPixelBuffer::Converted(int bytesPerPixel) const {
  if (bytesPerPixel == BytesPerPixel) return *this;
  TPixelBuffer out;
  out.Resize(Width, Height, bytesPerPixel);
  for (int y = 0; y < Height; ++y) {
    const std::uint8_t* s = Row(y);
    std::uint8_t* d = out.Row(y);
    for (int x = 0; x < Width; ++x, s += BytesPerPixel, d += bytesPerPixel) {
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
      if (bytesPerPixel == 4) d[3] = 255;
    }
  }
  return out;
}
