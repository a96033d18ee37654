// The background picture of the grid behind a cell's text, and the
// selection rectangle with its resize handle.
#include <algorithm>

#include "grid/base/BackGround.h"
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

}  // namespace

void TCellPainter::DrawBackgroundPicture(const TRect& T) {
  const TBackGround& bg = *G.BackGround();
  const TBitmap& picture = *bg.Bitmap();
  if (picture.Empty() || G.Colors(RCol, ARow) != clNone || !PaintsCell(bg.Cells(), Fixed)) return;
  if (G.ShowSelection() && AState.Contains(gdSelected)) return;
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
