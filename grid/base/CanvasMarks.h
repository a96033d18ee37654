#pragma once
// Small marks the painters put on a canvas: a bitmap on a chosen
// background, the drop-down triangle and the wavy error underline.
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"

// Draws Bitmap at Rect's top-left in its own size with every pixel of its
// top-left pixel's colour replaced by Color. An empty bitmap draws nothing.
void DrawBitmapOnColor(TCanvas& Canvas, const TBitmap& Bitmap, TColor Color, const TRect& Rect);
// The same for the program's bitmap resource of that name; nothing for a
// name nobody registered or bytes that are no picture.
void DrawResourceBitmapOnColor(TCanvas& Canvas, TColor Color, const TRect& Rect,
                               StringView ResourceName);

// A filled triangle 6 pixels wide and 3 high pointing down, apex below (X, Y).
void DrawDownTriangle(TCanvas& Canvas, int X, int Y, TColor Color);

// A red zigzag under the characters From ... From + Length - 1 (From counts
// from 0) of Text drawn at Rect's top-left in the canvas font, Offset pixels
// below the text's top. Past the text's end it runs 4 pixels beyond it.
void DrawErrorUnderline(TCanvas& Canvas, const String& Text, const TRect& Rect, int Offset, int From,
                        int Length);
