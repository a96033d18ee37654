#pragma once
// The layout of an edit with a button part inside its right edge: the
// lowest height it takes, where the part goes and where the text may run.
// Each edit gives its own constants.
#include "platform/gui/Graphics.h"

class TControl;
class TCustomEdit;

struct TEditButtonConstants {
  int MinHeightExtra = 0;      // added to the minimum height
  bool BorderLines = false;    // 4 border heights more with a single border
  int RectMarginPlain = 3;     // formatting rectangle's left and top without a border
  int RectMarginBorder = 1;    // and with one
  int RectGap = 5;             // between the text and the button part
  int UnitGap = 3;             // between the text and the unit, when there is one
};

// The edit's client geometry.
struct TEditButtonGeometry {
  int Width = 0;
  int Height = 0;
  int ClientWidth = 0;
  int ClientHeight = 0;
  int PartWidth = 0;
  bool Border = true;    // single border
  bool Ctl3D = true;     // new-style controls with the 3D look
  int UnitSize = 0;      // width kept for a unit right of the text
};

// Font text height h, system font text height s: h + min(h, s) div 4 + extra.
int EditMinHeight(const TEditButtonConstants& K, int FontHeight, int SystemFontHeight, bool Border);
// The button part's bounds in the edit.
TRect EditButtonPartBounds(const TEditButtonGeometry& G);
// Where the text runs: left of the unit and the button part.
TRect EditFormatRect(const TEditButtonConstants& K, const TEditButtonGeometry& G);
// The text height of Font, and of the system font.
int FontTextHeight(const TFont& Font);
int SystemFontTextHeight();

// The native edit keeps its frame inside the bounds: its client area lies
// within, and the places above are relative to that area.
TEditButtonGeometry NativeEditGeometry(const TControl& Edit, int PartWidth, int UnitSize = 0);
// After a size change: an edit lower than MinHeight is raised to it (and
// comes back here); otherwise Part goes inside its right edge and the text
// runs left of it.
void LayoutEditButton(TCustomEdit& Edit, TControl& Part, const TEditButtonConstants& K, int MinHeight,
                      int UnitSize = 0);
// The formatting rectangle alone.
void SetEditButtonRect(TCustomEdit& Edit, const TEditButtonConstants& K, const TEditButtonGeometry& G);
