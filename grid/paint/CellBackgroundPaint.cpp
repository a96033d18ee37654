// The background picture or gradient of the grid behind a cell's text, and
// the selection rectangle with its resize handle.
#include <algorithm>

#include "grid/base/BackGround.h"
#include "grid/base/ColorArithmetic.h"
#include "grid/dropdown/DropDownDrawing.h"
#include "grid/paint/CellPainter.h"

namespace {

// The first cell counted from: 0 with fixed cells painted, else the first data cell.
int FirstCounted(TBackGroundCells Cells, int FixedCount) { return Cells == bcNormal ? FixedCount : 0; }

bool PaintsCell(TBackGroundCells Cells, bool Fixed) {
  return Cells == bcAll || (Cells == bcFixed) == Fixed;
}

// Rounds Origin down in Step-sized steps to the last start at or before Edge.
int TileStart(int Origin, int Edge, int Step) {
  const int n = (Edge - Origin) / Step - (Edge < Origin ? 1 : 0);
  return Origin + n * Step;
}

// Controls stand on the gradient even in a cell with a colour of its own.
const TCellTypes GradientUnderControls{ctCheckBox, ctDataCheckBox, ctRadio, ctButton, ctRadioButton};

}  // namespace

void TCellPainter::DrawBackgroundPicture(const TRect& T) {
  const TBackGround& bg = *G.BackGround();
  if (PaintsCell(bg.Cells(), Fixed)) {
    const bool selected = G.ShowSelection() && AState.Contains(gdSelected);
    if (!bg.Bitmap()->Empty() && G.Colors(RCol, ARow) == clNone && !selected) DrawPictureTiles(T);
    if (bg.IsGradient()) DrawBackgroundGradient(T);
  }
}

void TCellPainter::DrawPictureTiles(const TRect& T) {
  const TBackGround& bg = *G.BackGround();
  const TBitmap& picture = *bg.Bitmap();
  const int grow = G.GridLineWidth() - 1;
  const TRect cell{T.Left - grow, T.Top - grow, T.Right, T.Bottom};
  const int saved = C.SaveDC();
  C.IntersectClipRect(cell);
  if (bg.Display() == bdTile) {
    const int lw = G.GridLineWidth();
    int x = ARect.Left, y = ARect.Top;
    for (int c = FirstCounted(bg.Cells(), G.FixedCols()); c < ACol; ++c) x -= G.ColWidths(c) + lw;
    for (int r = FirstCounted(bg.Cells(), G.FixedRows()); r < ARow; ++r) y -= G.RowHeights(r) + lw;
    const int w = picture.Width(), h = picture.Height();
    for (int ty = TileStart(y, cell.Top, h); ty < cell.Bottom; ty += h) {
      for (int tx = TileStart(x, cell.Left, w); tx < cell.Right; tx += w) C.Draw(tx, ty, picture);
    }
  } else {
    C.Draw(bg.Left(), bg.Top(), picture);
  }
  C.RestoreDC(saved);
}

void TCellPainter::DrawBackgroundGradient(const TRect& T) {
  if (G.Colors(RCol, ARow) != clNone && !GradientUnderControls.Contains(G.GetCellType(RCol, ARow))) return;
  const bool focused = AState.Contains(gdFocused);
  if (G.ShowSelection() && ((AState.Contains(gdSelected) && !focused) ||
                            (focused && HasOption(goDrawFocusSelected)))) {
    return;
  }
  const TBackGround& bg = *G.BackGround();
  const bool horizontal = bg.Display() == bdGradientHorz;
  const int extent = horizontal ? G.Width() : G.Height();
  auto at = [&](int Position) { return BlendColorStep(bg.Color(), bg.ColorTo(), 0, extent, Position); };
  const TColor from = at(horizontal ? T.Left : T.Top), to = at(horizontal ? T.Right : T.Bottom);
  const int lw = G.GridLineWidth();
  const TColor pen = C.Pen()->Color(), brush = C.Brush()->Color();
  DrawGradient(C, from, to, 128, TRect{T.Left - 1, T.Top - lw, T.Right, T.Bottom + lw - 1}, horizontal);
  C.Pen()->SetColor(pen);
  C.Brush()->SetColor(brush);
}

void TCellPainter::DrawSelectionRectangle() {
  if (!G.SelectionRectangle() || Fixed) return;
  const TGridRect s = G.Selection();
  const int left = std::min(s.Left, s.Right), right = std::max(s.Left, s.Right);
  const int top = std::min(s.Top, s.Bottom), bottom = std::max(s.Top, s.Bottom);
  const TRect full = G.FullCell(RCol, ARow);
  const int c1 = G.DisplColIndex(full.Left), c2 = G.DisplColIndex(full.Right);
  if (c1 < left || c1 > right || full.Top < top || full.Top > bottom) return;
  const TColor kept = C.Brush()->Color();
  C.Brush()->SetColor(G.SelectionRectangleColor());
  const TRect& r = ARect;
  if (c1 == left) C.FillRect(TRect{r.Left, r.Top, r.Left + 2, r.Bottom});
  if (c2 == right) C.FillRect(TRect{r.Right - 2, r.Top, r.Right, r.Bottom});
  if (full.Top == top) C.FillRect(TRect{r.Left, r.Top, r.Right, r.Top + 2});
  if (full.Bottom == bottom) C.FillRect(TRect{r.Left, r.Bottom - 2, r.Right, r.Bottom});
  if (G.SelectionResizer() && c2 == right && full.Bottom == bottom) {
    C.FillRect(TRect{r.Right - 4, r.Bottom - 4, r.Right, r.Bottom});
  }
  C.Brush()->SetColor(kept);
}
