// The order in which a cell's content is painted.
#include "grid/paint/CellPainter.h"

#include "grid/base/CellNode.h"
#include "grid/base/CellProperties.h"
#include "grid/model/FilterDropDown.h"

namespace {

// Restores the canvas tools a routine changes, whatever it leaves behind.
class TKeepColors {
 public:
  explicit TKeepColors(TCanvas& Canvas)
      : C(Canvas), FBrush(Canvas.Brush()->Color()), FFont(Canvas.Font()->Color()) {}
  ~TKeepColors() {
    C.Brush()->SetColor(FBrush);
    C.Font()->SetColor(FFont);
  }
  TKeepColors(const TKeepColors&) = delete;
  TKeepColors& operator=(const TKeepColors&) = delete;

 private:
  TCanvas& C;
  TColor FBrush;
  TColor FFont;
};

}  // namespace

void TAdvStringGrid::DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect,
                                     TGridDrawState AState) {
  TCellPainter(*this, ACanvas, ACol, ARow, ARect, AState).Paint();
}

TCellPainter::TCellPainter(TAdvStringGrid& Grid, TCanvas& Canvas, int ACol, int ARow,
                           const TRect& ARect, TGridDrawState AState)
    : G(Grid), C(Canvas), ACol(ACol), ARow(ARow), RCol(Grid.RealColIndex(ACol)), ARect(ARect),
      R(ARect), AState(AState) {}

void TCellPainter::Paint() {
  FilterRow = G.FValues.FilterDropDownAuto && ARow == G.FilterDropDownRow() &&
              ARow < G.FixedRows() && G.FillColumnFilterList(RCol);
  WW = G.WordWrap();
  G.GetVisualProperties(ACol, ARow, AState, false, false, true, *C.Brush(), ColorTo, MirrorColor,
                        MirrorColorTo, *C.Font(), HA, VA, WW, GD);
  if (AState.Contains(gdSelected) && !AState.Contains(gdFocused) && G.SelectionColor() == clNone) {
    C.Brush()->SetColor(clHighlight);
  }
  TakeGraphicInfo();
  C.Font()->SetSize(C.Font()->Size() + G.FValues.ZoomFactor);
  KeptBrush = C.Brush()->Color();
  KeptFont = C.Font()->Color();
  URLColor = G.URLColor();
  Fixed = G.InFixedArea(ACol, ARow) || G.IsFixed(ACol, ARow);
  const bool hoverRowKeepsData = G.HoverRow() && ARow == G.FHoverRowIdx &&
                                 G.FHoverRowCells.Contains(hcFixed);
  FixedLook = Fixed && !hoverRowKeepsData;

  const int right = R.Right;
  {
    TKeepColors keep(C);
    if (FixedLook) DrawFixedFace();
    DrawRowIndicator();
    if (FixedLook && G.Look() == glListView && !G.Flat()) DrawListViewFace();
    DrawModifiedBar();
    if (G.OnCustomCellBkgDraw) G.OnCustomCellBkgDraw(&G, &C, ACol, ARow, AState, R, false);
    if (!Fixed) DrawEditorButtons();
    const bool events = G.OnDrawCell || G.OnCustomCellDraw;
    if (!G.NoImageAndText() && (!events || !G.NoDefaultDraw())) PaintCellText();
  }
  R.Right = right;
  DrawBorders(TRect{R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1});
  R.Left -= IndicatorWidth;
  if (FixedLook && !G.Flat()) DrawFixedEdges();
  if (G.Flat()) DrawFlatRightFixedLines();
  DrawTreeLines();
  if (Graphic) DrawCellGraphic(FixedLook ? TRect{R.Left, R.Top + 1, R.Right, R.Bottom} : R);
  if (G.OnDrawCell) {
    const int lw = G.GridLineWidth();
    G.OnDrawCell(&G, ACol, ARow, TRect{R.Left + 1, R.Top + 1, R.Right - lw, R.Bottom - lw}, AState);
  }
  if (G.OnCustomCellDraw) G.OnCustomCellDraw(&G, &C, ACol, ARow, AState, R, false);
  DrawFocus();
}
