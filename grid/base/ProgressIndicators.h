#pragma once
// Cells drawn as progress graphics: the classic bar with two-coloured text,
// the appearance-driven bar, the pie and the bar centred on zero. They only
// draw and never raise, whatever the values.
#include "platform/gui/Canvas.h"

struct TProgressBarValues {
  TRect Rect;
  TColor Color = clRed;          // the done part
  TColor TextColor = clWhite;    // text over the done part
  TColor ColorTo = clWhite;      // the rest
  TColor TextColorTo = clBlack;  // text over the rest
  double Position = 0;
  int MarginX = 0;
  int MarginY = 0;
  double Min = 0;
  double Max = 100;
  String Format;  // empty: the position and "%"
  TColor BorderColor = clNone;
  bool Printing = false;
};
void DrawProgressBar(TCanvas& Canvas, const TProgressBarValues& Bar);

struct TProgressDrawInfo {
  TColor Level0Color = clLime, Level0ColorTo = clNone;
  TColor Level1Color = clYellow, Level1ColorTo = clNone;
  TColor Level2Color = clRed, Level2ColorTo = clNone;
  TColor Level3Color = clRed, Level3ColorTo = clNone;
  int Level1Perc = 70;
  int Level2Perc = 90;
  TColor BorderColor = clBlack;
  bool ShowBorder = false;
  bool Stacked = false;
  bool ShowPercentage = false;
  const TFont* Font = nullptr;  // nullptr: the canvas's font
  TColor CompleteFontColor = clBlack;
  bool CompletionSmooth = true;
  bool ShowGradient = false;
  int Steps = 11;
  TColor UnCompleteColor = clNone;  // clNone: the background shows through
  bool Vertical = false;
};
// Percent is limited to 0 ... 100.
void DrawProgressBarEx(TCanvas& Canvas, const TRect& Rect, int Percent, const TProgressDrawInfo& Info);

// A grey circle with the sector from 12 o'clock clockwise to Percent filled in Color.
void DrawProgressPie(TCanvas& Canvas, const TRect& Rect, TColor Color, int Percent, bool Printing);

// A bar from the middle: to the left in NegativeColor, to the right in
// PositiveColor, Max at either edge. Max <= 0 draws no bar.
void DrawCenteredValueBar(TCanvas& Canvas, const TRect& Rect, double Position, double Max,
                          bool ShowValue, TColor NegativeColor, TColor PositiveColor);
