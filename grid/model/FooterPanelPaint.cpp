// The footer paints on its own canvas: the grid's columns up to W (the
// width they take), the grid's colour right of it, and everything mirrored
// for a right-to-left grid.
#include <algorithm>

#include "grid/base/GradientFill.h"
#include "grid/base/HTMLRender.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/FooterPanel.h"
#include "grid/model/FooterTemplate.h"
#include "platform/gui/Canvas.h"

namespace {

// The template's text starts this far below the footer's top.
constexpr int TemplateTop = 2;

void Fill(TCanvas& C, TColor Color, const TRect& R) {
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Color);
  C.FillRect(R);
}

// The colour OnGetCellColor gives the cell, else its stored colour; clNone
// when neither is set.
TColor CellColor(TAdvStringGrid& G, int ACol, int ARow, TGridDrawState State) {
  if (G.OnGetCellColor) {
    TBrush brush;
    brush.SetColor(clNone);
    TFont font;
    font.Assign(*G.Font());
    G.OnGetCellColor(&G, ARow, ACol, State, &brush, &font);
    if (brush.Color() != clNone) return brush.Color();
  }
  return G.Colors(ACol, ARow);
}

}  // namespace

TRect TFooterPanel::Placed(const TRect& R) const {
  if (!FGrid->UseRightToLeftAlignment()) return R;
  const int w = ClientWidth();
  return Rect(w - R.Right, R.Top, w - R.Left, R.Bottom);
}

void TFooterPanel::Paint() {
  TCanvas& c = *Canvas();
  const TFloatingFooter& footer = *FGrid->FloatingFooter();
  // Footer cells show no selection text colour.
  struct TSelectionTextOff {
    TColor& Slot;
    TColor Saved;
    ~TSelectionTextOff() { Slot = Saved; }
  } selectionText{FGrid->FLook.SelectionTextColor, FGrid->FLook.SelectionTextColor};
  selectionText.Slot = 0;

  const int w = ColumnsWidth();
  int painted = w;
  switch (footer.FooterStyle()) {
    case fsFixedLastRow: PaintFixedLastRow(c, w); break;
    case fsColumnPreview: PaintColumnPreview(c, w); break;
    case fsCustomPreview: PaintCustomPreview(c, w); break;
    case fsCustomPaint:
      painted = ClientWidth();
      if (FGrid->OnPaintFooter) FGrid->OnPaintFooter(this, footer.Column(), ClientRect(), &c);
      break;
  }
  if (footer.FooterStyle() != fsCustomPaint && w < ClientWidth())
    Fill(c, FGrid->Color(), Placed(Rect(w, 0, ClientWidth(), ClientHeight())));
  if (footer.BorderColor() != clNone) {
    const TRect line = Placed(Rect(0, 0, painted, 1));
    c.Pen()->SetColor(footer.BorderColor());
    c.MoveTo(line.Left, 0);
    c.LineTo(line.Right, 0);
  }
}

void TFooterPanel::PaintFixedLastRow(TCanvas& C, int W) {
  Fill(C, FGrid->FloatingFooter()->Color(), Placed(Rect(0, 0, W, ClientHeight())));
  const TAdvStringGrid& g = *FGrid;
  int x = 0;
  auto cell = [&](int col) {
    const TRect r = Rect(x, 0, x + g.ColWidths(col), ClientHeight());
    x = r.Right;
    PaintFooterCell(C, col, r);
  };
  for (int col = 0; col < g.FixedCols(); ++col) cell(col);
  for (int col = std::max(g.LeftCol(), g.FixedCols()); col < g.ColCount(); ++col) cell(col);
}

void TFooterPanel::PaintFooterCell(TCanvas& C, int ACol, const TRect& R) {
  TAdvStringGrid& g = *FGrid;
  const int row = g.RowCount() - 1;
  int baseCol = ACol, baseRow = row;
  if (g.ResolveBaseCell(ACol, row, baseCol, baseRow)) {
    const TGridDrawState state{gdFixed};
    const TColor color = CellColor(g, ACol, row, state);
    if (color != clNone) Fill(C, color, Placed(R));
    PaintCell(C, ACol, row, Rect(R.Left, R.Top, R.Right - 1, R.Bottom), state,
              color != clNone ? color : g.FloatingFooter()->Color());
  }
  const bool fixed = ACol < g.FixedCols();
  if (!g.Options().Contains(fixed ? goFixedVertLine : goVertLine)) return;
  const TRect line = Placed(Rect(R.Right - 1, R.Top, R.Right, R.Bottom));
  C.Pen()->SetColor(fixed ? g.GridFixedLineColor() : g.GridLineColor());
  C.Pen()->SetWidth(1);
  C.MoveTo(line.Left, line.Top);
  C.LineTo(line.Left, line.Bottom);
}

void TFooterPanel::PaintCell(TCanvas& C, int ACol, int ARow, const TRect& R, TGridDrawState State,
                             TColor Background) {
  TAdvStringGrid& g = *FGrid;
  const TRect placed = Placed(R);
  if (g.OnPaintFooter) {
    g.OnPaintFooter(this, ACol, placed, &C);
    return;
  }
  C.SetFont(*g.Font());
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Background);
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = g.WordWrap();
  TCellGradientDirection gd = GradientVertical;
  g.GetVisualProperties(ACol, ARow, State, false, false, true, *C.Brush(), colorTo, mirror, mirrorTo,
                        *C.Font(), ha, va, ww, gd);
  if (C.Brush()->Color() != Background || colorTo != clNone)
    DrawGradientRect(C, C.Brush()->Color(), colorTo, 64, placed, gd == GradientHorizontal);
  g.DrawCellContent(C, ACol, ARow, placed, State);
}

void TFooterPanel::PaintPreviewFrame(TCanvas& C, int W) {
  const int h = ClientHeight();
  Fill(C, FGrid->FloatingFooter()->Color(), Placed(Rect(0, 0, W, h)));
  // A raised frame: light top and left edge, grey bottom and right edge.
  auto edge = [&](TColor Color, const TRect& R) {
    const TRect r = Placed(R);
    C.Pen()->SetColor(Color);
    C.Pen()->SetWidth(1);
    if (r.Bottom - r.Top == 1) {
      C.MoveTo(r.Left, r.Top);
      C.LineTo(r.Right, r.Top);
    } else {
      C.MoveTo(r.Left, r.Top);
      C.LineTo(r.Left, r.Bottom);
    }
  };
  edge(clGray, Rect(0, h - 1, W, h));
  edge(clGray, Rect(W - 1, 0, W, h));
  edge(clWhite, Rect(0, 0, W, 1));
  edge(clWhite, Rect(0, 0, 1, h));
}

void TFooterPanel::PaintColumnPreview(TCanvas& C, int W) {
  PaintPreviewFrame(C, W);
  const TAdvStringGrid& g = *FGrid;
  const int col = FGrid->FloatingFooter()->Column();
  if (col < 0 || col >= g.ColCount() || g.Row() < 0 || g.Row() >= g.RowCount()) return;
  PaintCell(C, col, g.Row(), Rect(1, 1, W - 1, ClientHeight() - 1), TGridDrawState{},
            FGrid->FloatingFooter()->Color());
}

void TFooterPanel::PaintCustomPreview(TCanvas& C, int W) {
  PaintPreviewFrame(C, W);
  TAdvStringGrid& g = *FGrid;
  const String& tmpl = g.FloatingFooter()->CustomTemplate();
  const TRect r = Placed(Rect(TemplateTop, TemplateTop, W - TemplateTop, ClientHeight()));
  C.SetFont(*g.Font());
  C.Brush()->SetColor(g.FloatingFooter()->Color());
  if (g.ComponentState() & csDesigning) {
    C.Brush()->SetStyle(bsClear);
    C.TextOut(r.Left, r.Top, tmpl);
    return;
  }
  const int row = g.Row();
  const String text = SubstituteFooterTemplate(tmpl, [&](int col) {
    const bool inGrid = col >= 0 && col < g.AllColCount() && row >= 0 && row < g.RowCount();
    return inGrid ? String(g.GridCells(col, row)) : String();
  });
  THTMLRenderInputs in;
  in.BiDiMode = g.UseRightToLeftAlignment() ? 1 : 0;
  THTMLRenderResults out;
  RenderMiniHTML(C, text, r, in, out);
}
