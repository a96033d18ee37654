#pragma once
// Classic frame controls (buttons, check boxes, radio buttons, scroll
// arrows) drawn with the system colours. There are no visual styles here,
// so every painter takes this classic path.
#include "platform/gui/Canvas.h"

// Types (the Windows values).
constexpr unsigned DFC_CAPTION = 1, DFC_MENU = 2, DFC_SCROLL = 3, DFC_BUTTON = 4;
// DFC_BUTTON kinds.
constexpr unsigned DFCS_BUTTONCHECK = 0x0, DFCS_BUTTONRADIO = 0x4, DFCS_BUTTON3STATE = 0x8,
                   DFCS_BUTTONPUSH = 0x10;
// DFC_SCROLL kinds.
constexpr unsigned DFCS_SCROLLUP = 0x0, DFCS_SCROLLDOWN = 0x1, DFCS_SCROLLLEFT = 0x2,
                   DFCS_SCROLLRIGHT = 0x3, DFCS_SCROLLCOMBOBOX = 0x5;
// States.
constexpr unsigned DFCS_INACTIVE = 0x100, DFCS_PUSHED = 0x200, DFCS_CHECKED = 0x400,
                   DFCS_TRANSPARENT = 0x800, DFCS_HOT = 0x1000, DFCS_FLAT = 0x4000,
                   DFCS_MONO = 0x8000;

// Draws the control into Rect; false for a type or kind it does not know.
bool DrawFrameControl(TCanvas& Canvas, const TRect& Rect, unsigned Type, unsigned State);

// A raised (or, with Sunken, sunken) two-pixel 3D border inside Rect.
void Draw3DEdge(TCanvas& Canvas, const TRect& Rect, bool Sunken);

// A one-pixel bevel inside Rect: top and left edges in TopLeft, bottom and right in BottomRight.
void DrawBevel(TCanvas& Canvas, const TRect& Rect, TColor TopLeft, TColor BottomRight);
