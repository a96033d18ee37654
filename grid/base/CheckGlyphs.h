#pragma once
// Which picture a check box or radio button of a control style shows in a
// state, the shapes the csBorland style draws itself, and the built-in
// check and radio bitmaps ("ASGCHK01" ... "ASGRAD08", loaded once by name).
#include "grid/base/LookTypes.h"
#include "platform/gui/Bitmap.h"

enum TCheckGlyphKind {
  gkFrameControl,  // the platform's frame control, FrameState its DFCS_* flags
  gkBitmap,        // the built-in bitmap BitmapName
  gkGlyph,         // the look's own glyph for On (checked or radio on)
  gkShape,         // the csBorland box or diamond
  gkThemed,        // the visual style's "button" part in ThemeState
};

struct TCheckGlyph {
  TCheckGlyphKind Kind = gkFrameControl;
  String BitmapName;
  unsigned FrameState = 0;
  int ThemeState = 0;
  bool On = false;
  bool Enabled = true;
  friend bool operator==(const TCheckGlyph&, const TCheckGlyph&) = default;
};

// Themed: visual styles paint (else csTheme draws as csClassic). A grayed
// box shows as checked in the frame-control and themed kinds only.
TCheckGlyph CheckBoxGlyph(TControlStyle Style, bool Checked, bool Grayed, bool Enabled, bool Themed);
TCheckGlyph RadioGlyph(TControlStyle Style, bool On, bool Enabled, bool Themed);

// Frame-control radio buttons take the look's RadioSize and lay their items
// out by the text height; the other kinds are 16 pixels square.
inline bool IsFrameStyle(const TCheckGlyph& Glyph) { return Glyph.Kind == gkFrameControl; }

// The visual style's part ids in its "button" class.
constexpr int BP_RADIOBUTTON = 2, BP_CHECKBOX = 3;

// csBorland: a raised box in Box, with a two-pixel tick in TickColor.
void DrawBorlandCheckBox(TCanvas& Canvas, const TRect& Box, bool Checked, bool Enabled,
                         TColor TickColor);
// csBorland: a 16 x 16 diamond at (X, Y), sunken when on with a dot in DotColor.
void DrawBorlandRadio(TCanvas& Canvas, int X, int Y, bool On, TColor DotColor);

// The program's bitmap resource of that name, transparent by its automatic
// colour; an empty bitmap for a name nobody registered.
const TBitmap& BuiltInBitmap(const String& Name);
