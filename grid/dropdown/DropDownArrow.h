#pragma once
// The faces of a drop-down's drop button, as functions of a canvas and a
// value struct: the arrow face (coloured, a glyph, the visual style's
// combo button, or the classic face's lines and arrow) and the push-button
// face an editor may choose instead.
#include "grid/base/EditorButtonColors.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Messages.h"

enum TDropArrowFace { dafColoured, dafGlyph, dafThemed, dafClassic };

struct TDropArrowLook {
  int Width = 0;
  int Height = 0;
  TEditorButtonColors Colors;
  TColor EditBorderColor = clNone;
  const TBitmap* Glyph = nullptr;
  bool Hot = false;
  bool Down = false;      // pressed, and not drawn up
  bool Enabled = true;    // the edit's Enabled, and not read-only
  bool Themed = false;    // from XP on, with visual styles active
  bool Vista = true;
  HWND ThemeWindow = 0;
};

// Which face the look asks for: a button colour wins over the glyph, the
// glyph over the visual style.
TDropArrowFace DropArrowFace(const TDropArrowLook& L);
// Draws the face; for dafClassic only what goes over the platform's own
// button face (which the caller paints first).
void DrawDropDownArrow(TCanvas& Canvas, const TDropArrowLook& L);

struct TDropPushLook {
  int Width = 0;
  int Height = 0;
  String Caption;
  const TBitmap* Glyph = nullptr;
  bool Hot = false;
  bool Down = false;
  bool Enabled = true;
  bool Flat = false;
  bool Etched = false;
  bool Themed = false;
  HWND ThemeWindow = 0;
};

// The themed or flat push button; false when neither applies and the
// platform's button paints itself.
bool DrawDropDownPushButton(TCanvas& Canvas, const TDropPushLook& L);
