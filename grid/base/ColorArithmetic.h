#pragma once
// Colour arithmetic of the grid's painters. System colours are resolved to
// RGB first; every channel of a result stays within 0 ... 255.
#include "platform/sys/Types.h"

// Each channel halved (a darker shade).
TColor HalveColor(TColor Color);
// Each channel c becomes round(c + Percent * c / 100): positive lightens.
TColor ChangeColorBrightness(TColor Color, int Percent);
// From + (To - From) / (RangeEnd - RangeStart) * Position per channel; From
// when To is clNone or the range is empty.
TColor BlendColorStep(TColor From, TColor To, int RangeStart, int RangeEnd, int Position);
// Percent of Color1 and the rest of Color2 per channel; Color1 at 100 or
// more, Color2 at 0 or less; the other colour when one is clNone.
TColor BlendColor(TColor Color1, TColor Color2, int Percent);
// The selection colour mixed with the cell's own when Mix is on.
TColor BlendSelectionColor(TColor SelColor, TColor CurColor, bool Mix, int Factor);
