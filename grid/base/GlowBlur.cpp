#include "grid/base/GlowBlur.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/gui/Bitmap.h"
#include "platform/sys/Exceptions.h"

TBlurKernel BuildBlurKernel(double Radius) {
  TBlurKernel k;
  float sum = 0;
  for (int i = -10; i <= 10; ++i) {
    const double x = i / Radius;
    k.Weight(i) = static_cast<float>(std::exp(-x * x / 2));
    sum += k.Weight(i);
  }
  for (float& w : k.Weights) w /= sum;
  // The tails whose weights together stay below half a grey step go.
  constexpr double kDelta = 1.0 / (2 * 255);
  double tail = 0;
  int j = 10;
  while (tail < kDelta && j > 1) {
    tail += 2 * k.Weight(j);
    --j;
  }
  k.Size = j;
  float used = 0;
  for (int i = -j; i <= j; ++i) used += k.Weight(i);
  for (int i = -j; i <= j; ++i) k.Weight(i) /= used;
  return k;
}

int ClampIndex(int Lower, int Upper, int X) {
  if (X < Lower) return Lower;
  if (X > Upper) return Upper;
  return X;
}

int ClampChannel(int Lower, int Upper, double X) {
  if (X >= Upper) return Upper;
  if (X < Lower) return Lower;
  return static_cast<int>(X);
}

namespace {
constexpr double kWeightSlack = 1e-4;
}  // namespace

void BlurLine(unsigned char* Line, int Count, int Stride, const TBlurKernel& Kernel) {
  std::vector<unsigned char> out(static_cast<size_t>(Count) * 3);
  const int last = Count - 1;
  for (int p = 0; p < Count; ++p)
    for (int ch = 0; ch < 3; ++ch) {
      double s = 0;
      for (int k = -Kernel.Size; k <= Kernel.Size; ++k)
        s += Kernel.Weight(k) * Line[static_cast<ptrdiff_t>(ClampIndex(0, last, p - k)) * Stride + ch];
      // The single-precision weights sum to 1 only within their rounding: an
      // even area must keep its level, not drop by one through truncation.
      out[static_cast<size_t>(p) * 3 + static_cast<size_t>(ch)] =
          static_cast<unsigned char>(ClampChannel(0, 255, s + kWeightSlack));
    }
  for (int p = 0; p < Count; ++p)
    for (int ch = 0; ch < 3; ++ch)
      Line[static_cast<ptrdiff_t>(p) * Stride + ch] = out[static_cast<size_t>(p) * 3 + static_cast<size_t>(ch)];
}

namespace {

bool Interior(int Index, int Count) { return Index > 20 && Index < Count - 20; }

}  // namespace

void BlurBitmap(TBitmap& Bitmap, double Radius) {
  if (Bitmap.PixelFormat() != pf24bit) throw Exception(u"Blur only works for 24-bit bitmaps");
  // A kernel of a zero or negative radius would be 0/0 throughout.
  if (!(Radius > 0)) return;
  const TBlurKernel kernel = BuildBlurKernel(Radius);
  const int w = Bitmap.Width(), h = Bitmap.Height();
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = Bitmap.ScanLine(y);
    if (Interior(y, h))
      std::copy_n(Bitmap.ScanLine(15), static_cast<size_t>(w) * 3, row);
    else
      BlurLine(row, w, 3, kernel);
  }
  if (h == 0) return;
  // Columns run across rows: the column's bytes are a row's stride apart.
  const int stride = h > 1 ? static_cast<int>(Bitmap.ScanLine(1) - Bitmap.ScanLine(0)) : w * 3;
  std::uint8_t* top = Bitmap.ScanLine(0);
  for (int x = 0; x < w; ++x) {
    if (Interior(x, w)) {
      for (int y = 0; y < h; ++y) std::copy_n(top + y * stride + 15 * 3, 3, top + y * stride + x * 3);
    } else {
      BlurLine(top + x * 3, h, stride, kernel);
    }
  }
}
