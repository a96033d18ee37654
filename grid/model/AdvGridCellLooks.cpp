// The per-cell look properties over the cell records, the row-wide colour
// writers and the rich-text form of a cell.
#include "grid/model/AdvStringGridPrivate.h"

TCellProperties* TAdvStringGrid::PropsOrNil(int ACol, int ARow) const {
  return HasCellProps(ACol, ARow) ? GridObjects(ACol, ARow) : nullptr;
}

TCellProperties& TAdvStringGrid::PropsForWrite(int ACol, int ARow) {
  return *GetCellProperties(ACol, ARow);
}

void TAdvStringGrid::RepaintDisplCell(int ACol, int ARow) { RepaintCell(DisplColIndex(ACol), ARow); }

// Reads a record's field, or Default without a record.
#define GX_CELL_LOOK(Type, Name, Field, Default)                                 \
  Type TAdvStringGrid::Name(int ACol, int ARow) const {                          \
    const TCellProperties* p = PropsOrNil(ACol, ARow);                           \
    return p ? p->Field() : Type(Default);                                       \
  }                                                                              \
  void TAdvStringGrid::Set##Name(int ACol, int ARow, Type Value) {               \
    PropsForWrite(ACol, ARow).Set##Field(Value);                                 \
    RepaintDisplCell(ACol, ARow);                                                \
  }

GX_CELL_LOOK(TColor, ColorsTo, BrushColorTo, clNone)
GX_CELL_LOOK(TColor, FontColors, FontColor, clNone)
GX_CELL_LOOK(TFontStyles, FontStyles, FontStyle, TFontStyles())
GX_CELL_LOOK(int, FontSizes, FontSize, 0)
GX_CELL_LOOK(TAlignment, Alignments, Alignment, taLeftJustify)
GX_CELL_LOOK(bool, ReadOnly, ReadOnly, false)
GX_CELL_LOOK(TCellGradientDirection, Gradients, GradientDirection, GradientHorizontal)
#undef GX_CELL_LOOK

TColor TAdvStringGrid::Colors(int ACol, int ARow) const {
  const TCellProperties* p = PropsOrNil(ACol, ARow);
  return p ? p->BrushColor() : clNone;
}

void TAdvStringGrid::SetColors(int ACol, int ARow, TColor Value) {
  PropsForWrite(ACol, ARow).SetBrushColor(Value);
  if (FUpdateCount == 0) RepaintDisplCell(ACol, ARow);
}

String TAdvStringGrid::FontNames(int ACol, int ARow) const {
  const TCellProperties* p = PropsOrNil(ACol, ARow);
  return p ? p->FontName() : String();
}

void TAdvStringGrid::SetFontNames(int ACol, int ARow, const String& Value) {
  PropsForWrite(ACol, ARow).SetFontName(Value);
  RepaintDisplCell(ACol, ARow);
}

bool TAdvStringGrid::WordWraps(int ACol, int ARow) { return PropsForWrite(ACol, ARow).WordWrap(); }

void TAdvStringGrid::SetWordWraps(int ACol, int ARow, bool Value) {
  PropsForWrite(ACol, ARow).SetWordWrap(Value);
  RepaintDisplCell(ACol, ARow);
}

TFont* TAdvStringGrid::Fonts(int ACol, int ARow) {
  const TCellProperties* p = PropsOrNil(ACol, ARow);
  if (!p) return Font();
  FState->CellFont.Assign(*Font());
  if (!p->FontName().empty()) FState->CellFont.SetName(p->FontName());
  if (p->FontSize() != 0) FState->CellFont.SetSize(p->FontSize());
  FState->CellFont.SetStyle(p->FontStyle());
  if (p->FontColor() != clNone) FState->CellFont.SetColor(p->FontColor());
  return &FState->CellFont;
}

void TAdvStringGrid::SetFonts(int ACol, int ARow, const TFont& AFont) {
  TCellProperties& p = PropsForWrite(ACol, ARow);
  p.SetFontName(AFont.Name());
  p.SetFontSize(AFont.Size());
  p.SetFontStyle(AFont.Style());
  p.SetFontColor(AFont.Color());
  if (FUpdateCount == 0) RepaintDisplCell(ACol, ARow);
}

// ---- whole rows: resetting a colour resets only that colour

namespace {

bool IsDefaultColour(TColor Value, TColor Default) { return Value == clNone || Value == Default; }

// No data, no merge and no flags in the record.
bool HoldsNothing(const TCellProperties& p) {
  const bool noData = !p.GraphicObject() && !p.CellObject() && !p.Control() &&
                      !p.CalcObject() && p.CalcType() == acNONE;
  const bool unmerged = p.CellSpanX() == -1 && p.CellSpanY() == -1;
  const bool noFlags = !p.ReadOnly() && p.Editor() == edNormal && p.NodeLevel() == 0;
  return noData && unmerged && noFlags;
}

}  // namespace

// Every look is compared, alignments and word wrap as well as colours and
// font, so no setting the user made goes with the record.
bool TAdvStringGrid::HasDefaultLooks(int ACol, int ARow, const TCellProperties& P) {
  TFont font;
  TBrush brush;
  TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = WordWrap();
  TCellGradientDirection gd = GradientVertical;
  GetDefaultProps(ACol, ARow, font, brush, colorTo, mirrorColor, mirrorColorTo, ha, va, ww, gd);
  const TCellProperties blank(this, ACol, ARow);
  const bool layout = P.Alignment() == ha && P.VAlignment() == va && P.WordWrap() == ww &&
                      P.GradientDirection() == gd && P.BrushStyle() == blank.BrushStyle() &&
                      P.BorderWidth() == blank.BorderWidth() && P.BorderColor() == blank.BorderColor();
  const bool colours = IsDefaultColour(P.BrushColor(), brush.Color()) &&
                       IsDefaultColour(P.BrushColorTo(), colorTo) && IsDefaultColour(P.FontColor(), font.Color());
  const bool ownFont = (P.FontName().empty() || P.FontName() == font.Name()) &&
                       (P.FontSize() == 0 || P.FontSize() == font.Size()) && P.FontStyle() == font.Style();
  return layout && colours && ownFont;
}

void TAdvStringGrid::FreeIfPlain(int ACol, int ARow) {
  TCellProperties* p = PropsOrNil(ACol, ARow);
  if (p && HoldsNothing(*p) && HasDefaultLooks(ACol, ARow, *p)) FreeCellProps(ACol, ARow);
}

void TAdvStringGrid::SetRowColor(int ARow, TColor Value) {
  for (int c = FixedCols(); c < AllColCount(); ++c) {
    if (Value == clNone && !PropsOrNil(c, ARow)) continue;
    PropsForWrite(c, ARow).SetBrushColor(Value);
    if (Value == clNone) FreeIfPlain(c, ARow);
  }
  Invalidate();
}

void TAdvStringGrid::SetRowColorTo(int ARow, TColor Value) {
  for (int c = FixedCols(); c < AllColCount(); ++c) {
    if (Value == clNone && !PropsOrNil(c, ARow)) continue;
    PropsForWrite(c, ARow).SetBrushColorTo(Value);
    if (Value == clNone) FreeIfPlain(c, ARow);
  }
  Invalidate();
}

void TAdvStringGrid::SetRowFontColor(int ARow, TColor Value) {
  for (int c = FixedCols(); c < AllColCount(); ++c) {
    if (Value == clNone && !PropsOrNil(c, ARow)) continue;
    PropsForWrite(c, ARow).SetFontColor(Value);
    if (Value == clNone) FreeIfPlain(c, ARow);
  }
  Invalidate();
}

// ---- rich text

String TAdvStringGrid::RTFBytesToCellText(const TBytes& Rtf) {
  String text;
  text.reserve(Rtf.size());
  for (std::uint8_t b : Rtf) text.push_back(static_cast<char16_t>(b));
  return text;
}

TBytes TAdvStringGrid::CellTextToRTFBytes(const String& Text) {
  TBytes bytes;
  // The older form: the stream in UTF-16 with its byte-order mark, a byte a character.
  const bool utf16 = Text.size() >= 2 && Text[0] == 0xFF && Text[1] == 0xFE;
  if (utf16) {
    for (size_t i = 2; i + 1 < Text.size(); i += 2) {
      bytes.push_back(static_cast<std::uint8_t>(Text[i]));
    }
    return bytes;
  }
  for (char16_t ch : Text) bytes.push_back(static_cast<std::uint8_t>(ch));
  return bytes;
}
