#pragma once
// The flat combo's own parts: its border in every state and its drop-down
// button in the custom, themed and classic looks, drawn on any canvas.
// The date/time pickers draw their borders with the same rules.
#include "grid/base/EditorButtonColors.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Messages.h"

// Everything the border and the button depend on.
struct TComboLook {
  int Width = 0;           // the window at origin
  int Height = 0;
  int ClientWidth = 0;
  int ClientHeight = 0;
  int ButtonWidth = 19;
  bool Enabled = true;
  bool Flat = false;
  bool Themed = false;        // themed common controls present
  bool StylesActive = false;  // visual styles active now
  bool DisabledBorder = true;
  bool HasFocus = false;
  bool FocusBorder = false;
  bool Hot = false;           // the mouse over the control, or the control active
  bool IsVista = false;
  bool IsWinXP = false;
  bool Simple = false;        // the simple style: no button
  TColor BorderColor = clNone;
  TColor FocusBorderColor = clNone;
  TColor FlatLineColor = clNone;
  TColor ParentColor = clBtnFace;
  TColor Color = clWindow;
  // The drop-down button.
  bool ButtonHover = false;
  bool MouseDown = false;     // a physical mouse button is down
  bool DroppedDown = false;
  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
  TColor ButtonBorderColor = clNone;
  TColor ButtonTextColor = clNone;
  TColor ButtonTextColorDown = clNone;
};

// The button's custom look taken from the editor's button colours.
void TakeButtonColors(TComboLook& Look, const TEditorButtonColors& Colors);

// Disabled frame of themed controls without DisabledBorder.
constexpr TColor DisabledThemedBorder = RGB(127, 157, 185);

// The border in its colour rules: disabled frame, border colour, focus
// border colour, else the double frame (hot 3D with FocusBorder), with the
// flat bottom line when Flat and FlatLineColor are set.
void DrawBorderRules(TCanvas& Canvas, const TComboLook& Look);
// Fills Outer in Color, leaving Keep as it is.
void FillAround(TCanvas& Canvas, const TRect& Outer, const TRect& Keep, TColor Color);
// The custom button: Face filled by state, its left edge in the button's
// border colour, the arrow's left corner ArrowLeft pixels in.
void DrawCustomDropButton(TCanvas& Canvas, const TComboLook& Look, const TRect& Face, int ArrowLeft);
// The visual style's drop-down button; false while no style draws it.
bool DrawThemedDropButton(TCanvas& Canvas, HWND Window, const TComboLook& Look, const TRect& R);

// Whether the border is redrawn at all.
bool ComboBorderShown(const TComboLook& Look);
// The border, then the classic button frame.
void DrawComboBorder(TCanvas& Canvas, const TComboLook& Look);
// The drop-down button over the native one; Window is asked for the theme.
void DrawComboDropButton(TCanvas& Canvas, HWND Window, const TComboLook& Look);
