// Push buttons in cells: the plain and the bitmap button with their
// captions and the expand button's chevron. Each records where it was
// painted, for the hit tests of the mouse handling.
#include "grid/base/ButtonFaces.h"
#include "grid/base/ControlLook.h"
#include "grid/paint/CellPainter.h"
#include "grid/paint/TransparentBitmap.h"

namespace {

void DrawGlyph(TCanvas& C, const TBitmap& Glyph, TRect& Caption, bool Captioned) {
  const int w = Glyph.Width(), h = Glyph.Height(), height = Caption.Height();
  const int y = h <= height ? Caption.Top + (height - h) / 2 : Caption.Top + 3;
  const int x = !Captioned && w <= Caption.Width() ? Caption.Left + (Caption.Width() - w) / 2 : Caption.Left + 3;
  DrawBitmapAt(C, Glyph, x, y, true);
  Caption.Left = x + w + 2;
}

void DrawCaption(TCanvas& C, const String& Caption, TRect Rect, TColor Color) {
  const bool lines = Caption.find(u'\r') != String::npos;
  const TBrushStyle style = C.Brush()->Style();
  C.Brush()->SetStyle(bsClear);
  C.Font()->SetColor(Color);
  Rect.Left += 1;
  C.DrawText(Caption, Rect,
             DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | (lines ? DT_WORDBREAK : DT_SINGLELINE));
  C.Brush()->SetStyle(style);
}

void DrawChevron(TCanvas& C, const TRect& R, bool Expanded) {
  C.Pen()->SetColor(clBlack);
  C.Pen()->SetWidth(1);
  if (Expanded) {
    C.MoveTo(R.Right - 10, R.Top + 8);
    C.LineTo(R.Right - 7, R.Top + 5);
    C.LineTo(R.Right - 3, R.Top + 9);
  } else {
    C.MoveTo(R.Right - 10, R.Top + 5);
    C.LineTo(R.Right - 7, R.Top + 8);
    C.LineTo(R.Right - 3, R.Top + 4);
  }
}

}  // namespace

// Visual styles are never active and the grid has no colour tones, so the
// face is classic, or flat with FlatButton.
void TCellPainter::DrawCellButton(const TRect& Place) {
  TCellGraphic& g = *Graphic;
  const int lw = AState.Contains(gdFixed) ? 0 : G.GridLineWidth();
  const auto dx = static_cast<unsigned>(Place.Left - (ARect.Left - lw)) & 0xFFFF;
  const auto dy = static_cast<unsigned>(Place.Top - (ARect.Top - lw)) & 0xFFFF;
  g.SetCellValue(static_cast<double>((dy << 16) | dx));
  const TControlLook& look = *G.ControlLook();
  bool enabled = true;
  if (!look.NoDisabledButtonLook()) G.CanEditCell(RCol, ARow, enabled);
  const bool expand = g.CellType() == ctExpand;
  int state = g.CellBoolean() ? bstPressed : G.FPaint.HoverCell == TPoint{ACol, ARow} ? bstHot : bstNormal;
  if (!enabled && !expand) state = bstDisabled;
  C.Brush()->SetColor(clBtnFace);
  DrawPushButtonFace(C, HWND{}, Place, look.FlatButton() ? blFlat : blClassic, state, TColorTones{});
  TRect content = Place;
  if (state == bstPressed) OffsetRect(content, 1, 1);
  if (expand) {
    DrawChevron(C, content, g.CellVar() != 0);
    return;
  }
  const auto* glyph = g.CellType() == ctBitButton ? dynamic_cast<const TBitmap*>(g.CellBitmap()) : nullptr;
  if (glyph && !glyph->Empty()) DrawGlyph(C, *glyph, content, !g.CellText().empty());
  if (!g.CellText().empty()) DrawCaption(C, g.CellText(), content, enabled ? clBtnText : clGrayText);
}
