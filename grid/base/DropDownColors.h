#pragma once
// Colour arithmetic of the drop-down family. System colours are resolved
// to RGB before a channel is computed.
#include "platform/sys/Types.h"

// Percent of Color1 mixed with the rest of Color2; Color1 as it is at 100
// or more, Color2 as it is at 0 or less.
TColor BlendColorPercent(TColor Color1, TColor Color2, int Percent);
// Each non-zero channel scaled by min(100, 100 + percent) %, so only a
// negative percentage changes it; a zero channel becomes the percentage
// itself (0 ... 255).
TColor ScaleColorChannels(TColor Color, int RedPercent, int GreenPercent, int BluePercent);
