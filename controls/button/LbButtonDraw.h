#pragma once
// The flat button's face: background, border, caption and glyph cell for
// every style, drawn on any canvas (the button's off-screen bitmap, or a
// recording canvas in tests).
#include "controls/button/LbButtonTypes.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/StdCtrls.h"

// Colour of the transparent parts of the see-through styles.
constexpr TColor LbTransparentKey = RGB(255, 0, 255);
// Steps of the hot-track colour: 8 is the full colour, 0 the face.
constexpr int LbHotTrackSteps = 8;

// Everything the face depends on.
struct TLbButtonFace {
  int Width = 0;
  int Height = 0;
  TAlignment Alignment = taCenter;
  String Caption;
  TLbButtonLayout Layout = blGlyphLeft;
  const TFont* Font = nullptr;  // null: the canvas's font as it is
  TColor ShadowColor = clGray;
  TColor LightColor = clWhite;
  TColor HotTrackColor = clNone;
  TColor ColorWhenDown = clNone;
  TColor Color = clBtnFace;
  TLbButtonStyle Style = bsNormal;
  bool HasPopup = false;
  bool WordWrap = false;
  bool Flat = false;
  bool Enabled = true;
  bool NoFill = false;
  bool Hot = false;   // pointer over the button, or the button focused
  bool Down = false;  // pressed
  const TBitmap* Glyph = nullptr;
  int NumGlyphs = 0;
  int HotTrackStep = 0;
};

void DrawButton(TCanvas& Canvas, const TLbButtonFace& Face);

// Face blended towards HotTrack by Step / 8, system colours resolved.
TColor FadeColor(TColor Face, TColor HotTrack, int Step);
// 32 horizontal bands from From (top) to To (bottom).
void DrawGradient(TCanvas& Canvas, TColor From, TColor To, int Left, int Top, int Right, int Bottom);
