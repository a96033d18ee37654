#pragma once
// The sixteen style presets as rows of values, and the step that writes a
// row's colours into a grid (after its look and the common start).
#include <optional>

#include "grid/model/AdvStringGrid.h"

// Marks a colour a preset leaves as it was.
inline constexpr TColor KeepColor = 0x2FFFFFFF;

// A fixed-cell face (hover or down): gradient, mirror and border.
struct TPresetFace {
  TColor From = KeepColor, To = KeepColor, MirrorFrom = KeepColor, MirrorTo = KeepColor,
         Border = KeepColor;
};

struct TGridStylePreset {
  std::optional<TGridLook> Look;
  TColor GradientFrom = KeepColor, GradientTo = KeepColor;
  TColor MirrorFrom = KeepColor, MirrorTo = KeepColor;
  TColor ActiveFrom = KeepColor, ActiveTo = KeepColor;
  TColor SelectionFrom = KeepColor, SelectionTo = KeepColor;
  TColor GridLine = KeepColor, FixedLine = KeepColor;
  // A colour set: black selection text unless kept, the search footer from
  // the gradient, and the control look's fixed gradient (the pair or none).
  bool ColourSet = false;
  bool KeepHighlightText = false;
  bool LookTakesGradient = false;
  TPresetFace GridHover, GridDown;  // written on the grid
  TPresetFace LookHover, LookDown;  // through the control look, after
  TColor SortHeader = KeepColor, SortHeaderTo = KeepColor;
  TColor SortMirror = KeepColor, SortMirrorTo = KeepColor;
  std::optional<TGridSelectionStyle> Selection;
};

// The row of a style inside the sixteen.
const TGridStylePreset& StylePreset(TAdvGridStyle Style);
// The row's colours, on a grid whose look and common start are done.
void ApplyStylePreset(TAdvStringGrid& Grid, const TGridStylePreset& Preset);
