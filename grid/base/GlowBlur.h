#pragma once
// The Gaussian blur that softens the focus glow's mask. It computes the rows
// and columns near the edges in full and copies the interior ones from row
// and column 15, which is exact for pictures whose interior rows and columns
// are all alike (the rounded-rectangle masks it serves) and keeps the cost
// independent of the picture's size.
#include <array>
#include <cstddef>

class TBitmap;

struct TBlurKernel {
  int Size = 0;  // the radius actually used, 1..10
  std::array<float, 21> Weights{};  // offsets -10..+10
  float& Weight(int K) { return Weights[static_cast<size_t>(K + 10)]; }
  float Weight(int K) const { return Weights[static_cast<size_t>(K + 10)]; }
};

// Weights for Radius, trimmed to the taps that matter at 8-bit precision;
// the used ones sum to 1.
TBlurKernel BuildBlurKernel(double Radius);
int ClampIndex(int Lower, int Upper, int X);
int ClampChannel(int Lower, int Upper, double X);
// Blurs Count pixels of 3 bytes (B, G, R) at Line in place; the ends repeat.
void BlurLine(unsigned char* Line, int Count, int Stride, const TBlurKernel& Kernel);
// Raises "Blur only works for 24-bit bitmaps" for any other bitmap; a
// radius that is not a positive number leaves the bitmap as it is.
void BlurBitmap(TBitmap& Bitmap, double Radius);
