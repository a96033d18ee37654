#pragma once
// Where a drop-down's pop-up goes on the screen, as pure functions: the
// side of the edit first (the opening may still be refused then), then the
// work area's right edge and a size the user gave it.
#include "grid/base/DropDownTypes.h"
#include "platform/gui/Canvas.h"

struct TDropDownPlaceInput {
  TPoint EditPos;     // the edit's top-left on the screen
  int EditHeight = 0;
  TSize Size;         // as the pop-up's content asks
  TDropPosition Position = dpAuto;
  int ScreenHeight = 0;
  TRect WorkArea;     // of the monitor nearest EditPos
  TSize UserSize{-1, -1};  // -1: none given
};

// Below the edit (overlapping it by a pixel), or above it; dpAuto goes
// below while the edit's top plus the pop-up's height stays above the
// screen's bottom.
TRect DropDownSideBounds(const TDropDownPlaceInput& In);
// A pop-up passing the work area's right edge moves left to meet it (its
// left edge may then leave the area); a user size replaces the computed one.
TRect DropDownFinalBounds(const TRect& Side, const TDropDownPlaceInput& In);
inline TRect PlaceDropDown(const TDropDownPlaceInput& In) { return DropDownFinalBounds(DropDownSideBounds(In), In); }

// The drop button in the edit (Width x Height, client coordinates of a
// single-bordered edit): at the right edge, inset more when Flat.
TRect DropButtonBounds(int Width, int Height, int ButtonWidth, bool Flat);
// Where the edit's text runs: left of the drop button.
TRect DropDownEditRect(int ClientWidth, int ClientHeight, int ButtonWidth);
