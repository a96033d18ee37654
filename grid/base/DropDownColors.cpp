#include "grid/base/DropDownColors.h"

#include <algorithm>

#include "platform/sys/FloatText.h"

namespace {

int Channel(TColor Color, int Shift) { return static_cast<int>((Color >> Shift) & 0xFF); }

TColor FromChannels(int R, int G, int B) {
  auto c = [](int v) { return static_cast<TColor>(std::clamp(v, 0, 255)); };
  return c(R) | (c(G) << 8) | (c(B) << 16);
}

int Scaled(int Value, int Percent) {
  if (Value == 0) return std::max(0, Percent);
  return static_cast<int>(Round(std::min(100, 100 + Percent) / 100.0 * Value));
}

}  // namespace

TColor BlendColorPercent(TColor Color1, TColor Color2, int Percent) {
  if (Percent >= 100) return Color1;
  if (Percent <= 0) return Color2;
  const TColor c1 = ColorToRGB(Color1), c2 = ColorToRGB(Color2);
  const double p = Percent / 100.0;
  auto mix = [&](int Shift) {
    return static_cast<int>(Round(p * Channel(c1, Shift) + (1 - p) * Channel(c2, Shift)));
  };
  return FromChannels(mix(0), mix(8), mix(16));
}

TColor ScaleColorChannels(TColor Color, int RedPercent, int GreenPercent, int BluePercent) {
  const TColor c = ColorToRGB(Color);
  return FromChannels(Scaled(Channel(c, 0), RedPercent), Scaled(Channel(c, 8), GreenPercent),
                      Scaled(Channel(c, 16), BluePercent));
}
