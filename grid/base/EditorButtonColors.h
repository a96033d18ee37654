#pragma once
// The custom look of an editor's button: Color other than clNone selects it.
#include "platform/sys/Types.h"

struct TEditorButtonColors {
  TColor Color = clNone, ColorHot = clNone, ColorDown = clNone, BorderColor = clNone;
  TColor TextColor = clNone, TextColorHot = clNone, TextColorDown = clNone;
};
