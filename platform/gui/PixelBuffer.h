#pragma once
// Pixels in memory: rows top-down, 4-byte aligned like a device-independent
// bitmap; each pixel B, G, R (3 bytes) or B, G, R, A (4 bytes).
#include <cstdint>
#include <vector>

#include "platform/gui/Canvas.h"

struct TPixelBuffer {
  std::vector<std::uint8_t> Bits;
  int Width = 0;
  int Height = 0;
  int Stride = 0;
  int BytesPerPixel = 4;

  // Reallocates to w x h, every byte zero.
  void Resize(int w, int h, int bytesPerPixel);
  std::uint8_t* Row(int y) { return Bits.data() + static_cast<size_t>(y) * Stride; }
  const std::uint8_t* Row(int y) const { return Bits.data() + static_cast<size_t>(y) * Stride; }
  bool Empty() const { return Width <= 0 || Height <= 0; }
  // 0x00BBGGRR of a pixel.
  TColor Pixel(int x, int y) const;
  TPixelView View() const;
  // Same pixels in the other layout (alpha 255 when it gains one).
  TPixelBuffer Converted(int bytesPerPixel) const;
};
