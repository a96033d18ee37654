#pragma once
// Gradient and face fills shared by the cell painter, printing and the
// drop-downs. They leave the canvas's pen and brush changed.
#include "platform/gui/Canvas.h"

// Steps + 1 bands from From to To across Rect (left to right when
// Horizontal, else top to bottom); solid when either colour is clNone.
void DrawGradientRect(TCanvas& Canvas, TColor From, TColor To, int Steps, TRect Rect,
                      bool Horizontal);

void FillRectWithColor(TCanvas& Canvas, const TRect& Rect, TColor Color);

// A cell's background: solid, one gradient, or two gradients meeting in
// the middle (the second from the mirror colours); then its border.
struct TCellBackground {
  TColor Color = clNone;
  TColor ColorTo = clNone;
  TColor MirrorColor = clNone;
  TColor MirrorColorTo = clNone;
  bool Vertical = false;
  TColor BorderColor = clNone;
  bool BorderLinesOnly = false;  // only the left and right lines
  bool Fill = true;
};
void DrawCellBackground(TCanvas& Canvas, const TRect& Rect, const TCellBackground& Look);

struct TRoundedFaceColors {
  TColor Color = clNone;
  TColor ColorTo = clNone;
  TColor MirrorColor = clNone;
  TColor MirrorColorTo = clNone;
  TColor InnerLightColor = clNone;
  TColor InnerShadowColor = clNone;
  TColor BorderColor = clNone;
  TColor CornerColor = clNone;
  TColor OuterCornerColor = clNone;
};
// A button-like face; Ends 0 rounds both ends, 1 the left, 2 the right,
// anything else neither.
void DrawRoundedGradientFace(TCanvas& Canvas, const TRoundedFaceColors& Colors, TRect Rect,
                             int Ends);
