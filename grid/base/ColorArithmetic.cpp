#include "grid/base/ColorArithmetic.h"

#include <algorithm>

#include "platform/sys/FloatText.h"

namespace {

int Channel(double Value) {
  return static_cast<int>(Round(std::clamp(Value, 0.0, 255.0)));
}

template <class F>
TColor PerChannel(TColor Color, F Change) {
  const TColor c = ColorToRGB(Color);
  return RGB(Change(GetRValue(c)), Change(GetGValue(c)), Change(GetBValue(c)));
}

}  // namespace

TColor HalveColor(TColor Color) {
  return PerChannel(Color, [](int c) { return c / 2; });
}

TColor ChangeColorBrightness(TColor Color, int Percent) {
  return PerChannel(Color, [Percent](int c) { return Channel(c + Percent * c / 100.0); });
}

TColor BlendColorStep(TColor From, TColor To, int RangeStart, int RangeEnd, int Position) {
  if (To == clNone || RangeEnd == RangeStart) return From;
  const TColor a = ColorToRGB(From), b = ColorToRGB(To);
  const double scale = static_cast<double>(Position) / (static_cast<double>(RangeEnd) - RangeStart);
  auto mix = [scale](int x, int y) { return Channel(x + (y - x) * scale); };
  return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
             mix(GetBValue(a), GetBValue(b)));
}

TColor BlendColor(TColor Color1, TColor Color2, int Percent) {
  if (Percent >= 100) return Color1;
  if (Percent <= 0 || Color1 == clNone) return Color2;
  if (Color2 == clNone) return Color1;
  const TColor a = ColorToRGB(Color1), b = ColorToRGB(Color2);
  const double f = Percent / 100.0;
  auto mix = [f](int x, int y) { return Channel(f * x + (1 - f) * y); };
  return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
             mix(GetBValue(a), GetBValue(b)));
}

TColor BlendSelectionColor(TColor SelColor, TColor CurColor, bool Mix, int Factor) {
  return Mix ? BlendColor(SelColor, CurColor, Factor) : SelColor;
}
