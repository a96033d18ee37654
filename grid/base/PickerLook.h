#pragma once
// The styled date/time pickers' own parts over the native picker: the drop
// button, the borders (the flat combo's colour rules and a button frame of
// their own) and the one-pixel outline drawn without a 3D border.
#include "grid/base/ComboLook.h"

// The outline's pen: the parent's colour for a picker without a border
// style, the themed frame colour, else the border colour.
TColor PickerOutlineColor(bool NoBorderStyle, const TColor* ParentColor, bool Themed, TColor BorderColor);

// The outline around the window; InnerColor other than clNone adds the
// inner top-left line of a single border.
void DrawPickerOutline(TCanvas& Canvas, int Width, int Height, TColor Color, TColor InnerColor);
// The second outline, one pixel inside, in the outline's last pen.
void DrawPickerSecondOutline(TCanvas& Canvas, int Width, int Height);

// Erases the native button in the control's colour and draws the own one;
// ThemedInset is how far left of the button the themed erase reaches.
void DrawPickerDropButton(TCanvas& Canvas, HWND Window, const TComboLook& Look, int ThemedInset);
// The border rules without the flat line, then the button frame: a raised
// edge while hot (flat while the calendar is open), else the face colour.
void DrawPickerBorders(TCanvas& Canvas, const TComboLook& Look);
