#pragma once
// The program's own pictures, compiled in from resources/pictures.
#include <string_view>

#include "platform/gui/Bitmap.h"
#include "platform/gui/Picture.h"

// The PNG files as they are (defined in a generated source).
std::string_view GlyphSheet_Png();
std::string_view Logo_Png();

// The main window's glyphs, cut from the glyph sheet into Glyph.
enum TMainGlyph { mgInfo, mgOptions, mgClose, mgNew, mgOpen, mgStep };
void Load_Main_Glyph(TMainGlyph Which, TBitmap& Glyph);
// Decodes PNG data into Picture.
void Load_Png(TPicture& Picture, std::string_view Png);
