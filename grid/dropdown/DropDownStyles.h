#pragma once
// The drop-down's look presets as rows of colours: the pop-up's
// background and border, the header's and footer's colours and the
// strips' button colours; the selection colour styles; the colour tones
// on the drop button and the edit's border.
#include <optional>

#include "grid/base/DropDownTypes.h"
#include "grid/base/StyleTypes.h"

class TAdvCustomDropDown;

// A strip's gradient, caption colour and border.
struct TStripPresetColors {
  TColor Color, ColorTo, FontColor, BorderColor;
};

// The button colours past the normal face.
struct TButtonStatePreset {
  TColor ColorHot, ColorHotTo, BorderColorHot;
  TColor ColorDown, ColorDownTo, BorderColorDown;
  TColor ColorDisabled, ColorDisabledTo;
  TColor ColorChecked, ColorCheckedTo, BorderColorChecked;
};

struct TDropDownStylePreset {
  TZEVStyle Style;
  TColor DropDownColor, DropDownColorTo;
  std::optional<TColor> DropDownBorderColor;  // none: left as it is
  TStripPresetColors Header, Footer;
  TColor ButtonColor, ButtonColorTo, ButtonBorderColor;
  TButtonStatePreset ButtonStates;
};

// The row of a preset; null for tsCustom, which changes nothing.
const TDropDownStylePreset* DropDownStylePreset(TZEVStyle Style);
// The row's colours on the drop-down; the button appearance through its setters.
void ApplyDropDownStyle(TAdvCustomDropDown& DropDown, const TDropDownStylePreset& Preset);

// The selection colours a style brings; false for scCustom, which keeps them.
bool SelectionStyleColors(TSelectionColorStyle Style, TColor& Color, TColor& ColorTo);

// The drop button's colours and the edit's border from the tones.
void ApplyDropDownTones(TAdvCustomDropDown& DropDown, const TColorTones& Tones);
