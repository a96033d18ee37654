#include "app/Pictures.h"

#include <algorithm>
#include <memory>

namespace {
struct TCell {
  int Left, Top, Size;
};
// Top row: the 32-pixel glyphs of the three round buttons; bottom row: the
// 24-pixel glyphs of the step buttons.
constexpr TCell Cells[] = {{0, 0, 32}, {32, 0, 32}, {64, 0, 32}, {0, 32, 24}, {24, 32, 24}, {48, 32, 24}};

// Decoded once, on first use.
const TBitmap& Glyph_Sheet() {
  static const std::unique_ptr<TBitmap> Sheet = [] {
    TPicture Picture;
    Load_Png(Picture, GlyphSheet_Png());
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->Assign(*Picture.Bitmap());
    return Bitmap;
  }();
  return *Sheet;
}
}  // namespace

void Load_Png(TPicture& Picture, std::string_view Png) { Picture.LoadFromBytes(TBytes(Png.begin(), Png.end())); }

void Load_Main_Glyph(TMainGlyph Which, TBitmap& Glyph) {
  const TBitmap& Sheet = Glyph_Sheet();
  const TCell& Cell = Cells[Which];
  Glyph.SetPixelFormat(Sheet.PixelFormat());
  Glyph.SetSize(Cell.Size, Cell.Size);
  const int Bpp = Sheet.Pixels().BytesPerPixel;
  for (int Row = 0; Row < Cell.Size; ++Row)
    std::copy_n(Sheet.ScanLine(Cell.Top + Row) + Cell.Left * Bpp, Cell.Size * Bpp, Glyph.ScanLine(Row));
}
