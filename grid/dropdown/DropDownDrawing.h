#pragma once
// Painting routines of the drop-down family (and of the grid's gradient
// backgrounds). They keep no state and draw with the canvas's own pen
// width and font; pen and brush are left as the last step set them.
#include "grid/base/DropDownTypes.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Messages.h"

class TImageList;

// Steps bands from FromColor to ToColor over R, left to right when
// Horizontal (vertical bands), else top to bottom; Steps 0 counts as 1.
// Each band is a rectangle in its colour (pen and brush) overlapping the
// next by one pixel.
void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                  bool Horizontal);
// DrawGradient with the direction of a setting.
void GradientFill(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                  TGradientDirection Direction);

// An 80-band gradient (ColorTo not clNone) or a fill (Color not clNone),
// then a frame of BorderWidth in BorderColor unless that is clNone.
void DrawButtonBackground(TCanvas& Canvas, const TRect& R, TColor Color, TColor ColorTo,
                          TColor BorderColor, int BorderWidth, TGradientDirection Direction);
// The image 4 pixels in from the left, centred vertically, the caption
// after it; the caption alone is centred. One line, end ellipsis.
void DrawImageAndText(TCanvas& Canvas, TRect R, const String& Caption, int ImageIndex,
                      const TImageList* Images);
// The glyph in R with its top-left pixel's colour replaced by BackColor.
void DrawTransparentGlyph(TCanvas& Canvas, const TBitmap& Glyph, TColor BackColor, const TRect& R);

// Mini-HTML Text laid out in R, painted only when Paint; Size receives its
// width and height ((0, 0) for no text). Anchors blue, no hover colours.
void DrawHTMLText(TCanvas& Canvas, const String& Text, const TRect& R, TPoint& Size, HWND Wnd, bool Paint,
                  const TImageList* Images);

// Width and height of Text on one line; (0, 0) for no text.
TSize GetTextSize(TCanvas& Canvas, const String& Text);
// Text shortened from the end (with "..." when Ellipsis) until narrower
// than MaxWidth; the whole Text when it fits or nothing shorter does.
void TruncateText(TCanvas& Canvas, const String& Text, int MaxWidth, String& Result, bool Ellipsis);

// The background of a selected entry in Style: a fill in SelectionColor
// (scCustom) or the rounded face with the style's fixed lines; BackColor
// shows in the outer corner pixels, Position says which ends are rounded
// (0 both, 1 left, 2 right, else neither).
void DrawSelection(TCanvas& Canvas, const TRect& R, TColor BackColor, int Position,
                   TSelectionColorStyle Style, TColor SelectionColor, TColor SelectionColorTo);
