#pragma once
// What a drop-down edit draws over its native edit, and its pop-up's
// background, as functions of a canvas and a value struct.
#include "grid/base/DropDownTypes.h"
#include "platform/gui/Canvas.h"

// The edit's frame as its state asks for it.
struct TDropDownBorderLook {
  int Width = 0;
  int Height = 0;
  bool Enabled = true;
  bool Flat = false;
  bool StylesActive = false;
  bool DisabledBorder = true;
  bool Focused = false;
  bool Hot = false;  // the mouse is in the edit, or it is the active control
  TColor BorderColor = clNone;
  TColor FocusBorderColor = clNone;
  TColor ParentColor = clBtnFace;
};

// False when an enabled edit in the plain look has nothing to draw.
bool DropDownBordersWanted(const TDropDownBorderLook& L);
// The first rule that applies: the disabled frame under visual styles, the
// border colour, the focus colour, else the flat frame (a sunken edge
// while hot, two frames in the parent's colour otherwise).
void DrawDropDownBorders(TCanvas& Canvas, const TDropDownBorderLook& L);

// The value shown highlighted in an edit that takes no typing.
struct TDropDownValueLook {
  int Width = 0;
  int Height = 0;
  int ButtonWidth = 0;
  String Text;
};
void DrawDropDownValue(TCanvas& Canvas, const TDropDownValueLook& L);

// The pop-up's background and border.
struct TDropDownBackground {
  TRect Client;
  TColor Color = clWhite;
  TColor ColorTo = clNone;
  TGradientDirection Gradient = gdHorizontal;
  TColor BorderColor = clBlack;
  int BorderWidth = 1;
};
void DrawDropDownBackground(TCanvas& Canvas, const TDropDownBackground& B);
