// The glyphs of header cells: the filter button of the filter row and the
// sort indicator, drawn from the settings' bitmaps or, without them, from
// the built-in picture and drawn triangles.
#include <algorithm>

#include "grid/base/CanvasMarks.h"
#include "grid/base/SortIndexList.h"
#include "grid/model/Filter.h"
#include "grid/model/FilterDropDown.h"
#include "grid/model/SortSettings.h"
#include "grid/paint/CellPainter.h"

namespace {

void DrawTransparent(TCanvas& C, const TBitmap& Glyph, int X, int Y) {
  TBitmap copy;
  copy.Assign(Glyph);
  copy.SetTransparent(true);
  C.Draw(X, Y, copy);
}

bool Usable(const TBitmap* Glyph) { return Glyph && !Glyph->Empty(); }

void PenPath(TCanvas& C, TColor Color, std::initializer_list<TPoint> Points) {
  C.Pen()->SetColor(Color);
  for (const TPoint& p : Points) C.LineTo(p.X, p.Y);
}

}  // namespace

void TCellPainter::DrawFilterGlyph(const TRect& T) {
  const TFilterDropDown& drop = *G.FilterDropDown();
  const TBitmap* glyph = G.Filter()->HasFilter(RCol) ? drop.GlyphActive() : drop.Glyph();
  if (Usable(glyph)) {
    DrawTransparent(C, *glyph, T.Right - 16, T.Top);
  } else {
    DrawResourceBitmapOnColor(C, G.FixedColor(), TRect{T.Right - 16, T.Top, T.Right, T.Top + 16},
                              u"ASGFILT");
  }
}

bool TCellPainter::ShowsSortGlyph() {
  const TSortSettings& sort = *G.SortSettings();
  if (G.FixedRows() <= 0 || !G.IsSortIndicatorRow(RCol, ARow)) return false;
  const int pos = G.SortIndexes()->FindIndex(RCol);
  if (RCol != sort.Column() && pos < 0) return false;
  if (ACol < G.FixedCols() && !sort.FixedCols()) return false;
  return pos <= 0 || sort.IndexShow();
}

void TCellPainter::DrawSortGlyph(int TextWidth, const TRect& TextRect, bool IsHTML) {
  TRect T = R;
  if (FilterRow) T.Right -= 16;
  const int w = std::max(0, std::min(TextWidth, T.Right - T.Left - 16));
  int x = T.Left + 8;
  if (HA == taLeftJustify) x = T.Left + w + 10;
  if (HA == taRightJustify) x = T.Right - w - 10;
  if (HA == taCenter && IsHTML) x = TextRect.Right + 2;
  int y = (T.Top + T.Bottom) / 2;
  if (VA == vtaTop) y = T.Top + 8;
  if (VA == vtaBottom) y = T.Bottom - 8;
  G.DrawSortIndicator(C, RCol, y, x);
}

// Where the grid shows its cells mirrored, the glyph goes to the mirrored
// point and ends left of it.
void TAdvStringGrid::DrawSortIndicator(TCanvas& ACanvas, int ACol, int Y, int X) {
  const TSortSettings& sort = *FSortSettings;
  const int pos = FSortIndexes->FindIndex(ACol);
  const bool indexed = sort.IndexShow() && pos >= 0;
  const bool descending =
      pos >= 0 ? !FSortIndexes->SortDirections(pos) : sort.Direction() == sdDescending;
  const TBitmap* glyph = nullptr;
  if (indexed) {
    glyph = descending ? sort.IndexUpGlyph() : sort.IndexDownGlyph();
  } else if (Usable(sort.UpGlyph()) && Usable(sort.DownGlyph())) {
    glyph = descending ? sort.DownGlyph() : sort.UpGlyph();
  }
  if (!Usable(glyph)) glyph = nullptr;
  if (DrawsMirrored(ACanvas)) X = ClientWidth() - X - 4 - (glyph ? glyph->Width() : 0) - 7;
  TMirrorLayout upright(ACanvas, 0);
  if (indexed) return DrawSortIndex(ACanvas, glyph, descending, pos, X, Y);
  if (glyph) {
    DrawTransparent(ACanvas, *glyph, X - 4, Y - 4);
    ACanvas.Brush()->SetColor(FixedColor());
  } else if (descending) {
    ACanvas.MoveTo(X + 4, Y - 4);
    PenPath(ACanvas, clWhite, {{X, Y + 4}});
    PenPath(ACanvas, clGray, {{X - 4, Y - 4}, {X + 4, Y - 4}});
  } else {
    ACanvas.MoveTo(X - 4, Y + 4);
    PenPath(ACanvas, clWhite, {{X + 4, Y + 4}, {X, Y - 4}});
    PenPath(ACanvas, clGray, {{X - 4, Y + 4}});
  }
}

void TAdvStringGrid::DrawSortIndex(TCanvas& ACanvas, const TBitmap* Glyph, bool Descending,
                                   int Pos, int X, int Y) {
  ACanvas.Brush()->SetColor(FSortSettings->IndexColor());
  ACanvas.Pen()->SetColor(clBlack);
  if (Glyph) {
    DrawTransparent(ACanvas, *Glyph, X - 7, Y - 7);
  } else if (Descending) {
    ACanvas.Polygon(std::vector<TPoint>{{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}});
  } else {
    ACanvas.Polygon(std::vector<TPoint>{{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}});
  }
  ACanvas.Font()->SetColor(clBlack);
  ACanvas.Font()->SetSize(6);
  const TBrushStyle style = ACanvas.Brush()->Style();
  ACanvas.Brush()->SetStyle(bsClear);
  ACanvas.TextOut(X - 2, Descending ? Y - 4 : Y - 2, IntToStr(Pos + 1));
  ACanvas.Brush()->SetStyle(style);
}
