// The grid paints every cell itself: the platform grid's default drawing and
// lines stay off.
#include <optional>

#include "grid/base/BaseGrid.h"
#include "grid/base/CellProperties.h"
#include "grid/base/GradientFill.h"
#include "grid/base/SelectionLooks.h"
#include "platform/gui/Canvas.h"

namespace {

// Clips the canvas while alive; the clip in force before comes back.
class TClipGuard {
 public:
  TClipGuard(TCanvas& Canvas, const TRect& Rect) : FCanvas(Canvas), FSaved(Canvas.SaveDC()) {
    Canvas.IntersectClipRect(Rect);
  }
  ~TClipGuard() { FCanvas.RestoreDC(FSaved); }
  TClipGuard(const TClipGuard&) = delete;
  TClipGuard& operator=(const TClipGuard&) = delete;

 private:
  TCanvas& FCanvas;
  int FSaved;
};

int SumSizes(int Count, int (TGridModel::*Size)(int) const, const TGridModel& G) {
  int sum = 0;
  for (int i = 0; i < Count; ++i) sum += (G.*Size)(i);
  return sum;
}

}  // namespace

struct TBaseGrid::TCellLook {
  TColor ColorTo = clNone;
  TColor MirrorColor = clNone;
  TColor MirrorColorTo = clNone;
  TCellGradientDirection GD = GradientVertical;
};

void TBaseGrid::Paint() {
  // The pass ends however the platform's painting ends.
  struct TEndPass {
    bool& Painting;
    int& PaintID;
    ~TEndPass() {
      Painting = false;
      ++PaintID;
    }
  } endPass{FPainting, FPaintID};
  FPainting = true;
  TStringGrid::Paint();
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (TCanvas* canvas = Canvas()) DoPaintCell(*canvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect,
                          TGridDrawState AState) {
  DoPaintCell(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect,
                             TGridDrawState AState) {
  DoPaintCell(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::DoPaintCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect,
                            TGridDrawState AState, bool DrawContent) {
  if (ARow == RowCount() - 1 && FHideLastRow) {
    ACanvas.Brush()->SetColor(Color());
    ACanvas.Pen()->SetColor(Color());
    ACanvas.Rectangle(ARect);
    return;
  }
  int baseCol = ACol, baseRow = ARow;
  if (!ResolveBaseCell(ACol, ARow, baseCol, baseRow)) {
    // A merged area paints whole from its base, once per pass for its covered cells.
    TCellProperties* base = GridObjects(baseCol, baseRow);
    if (base && base->PaintID() != FPaintID) {
      base->SetPaintID(FPaintID);
      PaintCell(ACanvas, baseCol, baseRow, ARect, AState);
    }
    return;
  }
  // Within a pass the base paints the whole area: its covered cells need not.
  if (FPainting && DrawContent && IsMergedCell(ACol, ARow)) GridObjects(ACol, ARow)->SetPaintID(FPaintID);
  if (DrawContent && IsFixed(ACol, ARow)) {
    AState.Include(gdFixed);
    AState.Exclude(gdSelected);
  }
  if (DrawContent) ARect = CellRect(ACol, ARow);
  std::optional<TClipGuard> clip;
  if (ReachesUnderFixed(ACol, ARow, ARect)) clip.emplace(ACanvas, FixedAreaClip(ACol, ARow));

  ACanvas.Pen()->SetWidth(1);
  ACanvas.SetFont(*Font());
  const TCellLook look = CellLook(ACanvas, ACol, ARow, AState, DrawContent);
  PaintCellBackground(ACanvas, ACol, ARect, AState, look);
  PaintCellLines(ACanvas, ACol, ARect, AState);
  if (DrawContent) DrawCellContent(ACanvas, ACol, ARow, ContentRect(ARect, AState), AState);
  clip.reset();
  ACanvas.Brush()->SetStyle(bsSolid);
  ACanvas.Pen()->SetStyle(psSolid);
}

bool TBaseGrid::ReachesUnderFixed(int ACol, int ARow, const TRect& ARect) const {
  const TRect area = FixedAreaClip(ACol, ARow);
  return (ACol >= FixedCols() && FixedCols() > 0 && ARect.Left < area.Left) ||
         (ARow >= FixedRows() && FixedRows() > 0 && ARect.Top < area.Top);
}

TRect TBaseGrid::FixedAreaClip(int ACol, int ARow) const {
  const int fw = ACol >= FixedCols() ? SumSizes(FixedCols(), &TGridModel::ColWidths, *this) : 0;
  const int fh = ARow >= FixedRows() ? SumSizes(FixedRows(), &TGridModel::RowHeights, *this) : 0;
  return Rect(fw, fh, ClientWidth(), ClientHeight());
}

TBaseGrid::TCellLook TBaseGrid::CellLook(TCanvas& ACanvas, int ACol, int ARow,
                                         TGridDrawState& AState, bool DrawContent) {
  // Without a subclass's looks a cell shows the grid's own colours.
  ACanvas.Brush()->SetColor(AState.Contains(gdFixed) ? FixedColor() : Color());
  TCellLook look;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = FWordWrap;
  GetVisualProperties(ACol, ARow, AState, false, true, true, *ACanvas.Brush(), look.ColorTo,
                      look.MirrorColor, look.MirrorColorTo, *ACanvas.Font(), ha, va, ww, look.GD);
  ACanvas.Pen()->SetColor(ACanvas.Brush()->Color());

  const bool selected = AState.Contains(gdSelected), fixed = AState.Contains(gdFixed);
  if (ARow == FHoverRowIdx && FHoverRow && !(selected && !FHoverRowCells.Contains(hcSelected)) &&
      !(fixed && !FHoverRowCells.Contains(hcFixed))) {
    ACanvas.Brush()->SetColor(FHoverRowColor);
    look = TCellLook{FHoverRowColorTo, clNone, clNone, GradientVertical};
  }
  const bool activeRow = FActiveRowShow && ARow == Row() && (ACol != Col() || !FShowSel) &&
                         ACol >= FixedCols();
  if (activeRow || (!DrawContent && selected)) {
    ACanvas.Brush()->SetColor(FActiveRowColor);
    look = TCellLook{FActiveRowColorTo, FActiveRowMirrorColor, FActiveRowMirrorColorTo, look.GD};
    ACanvas.Pen()->SetColor(FActiveRowColor);
  }
  return look;
}

void TBaseGrid::PaintCellBackground(TCanvas& ACanvas, int ACol, const TRect& ARect,
                                    TGridDrawState AState, const TCellLook& Look) {
  const bool selected = AState.Contains(gdSelected), fixed = AState.Contains(gdFixed);
  if (selected && FSelectionStyle != ssDefault && FShowSel) {
    const TGridRect sel = Selection();
    TRect r = ARect;
    const bool rtl = UseRightToLeftAlignment();
    if (!Options().Contains(goHorzLine) || rtl) ++r.Bottom;
    if (!Options().Contains(goVertLine) || rtl) ++r.Right;
    const bool focused = Focused() || Options().Contains(goDrawFocusSelected);
    DrawRoundedGradientFace(ACanvas, SelectionFaceColors(FSelectionStyle, focused, Color()), r,
                            SelectionFaceKind(ACol, sel.Left, sel.Right));
    return;
  }
  if (AppStyleActive() && (fixed || selected)) return;
  const TColor color = ACanvas.Brush()->Color();
  if (Look.MirrorColorTo == clNone) {
    DrawGradientRect(ACanvas, color, Look.ColorTo, 64, ARect, Look.GD == GradientHorizontal);
  } else {
    TCellBackground background;
    background.Color = color;
    background.ColorTo = Look.ColorTo;
    background.MirrorColor = Look.MirrorColor;
    background.MirrorColorTo = Look.MirrorColorTo;
    background.Vertical = true;
    DrawCellBackground(ACanvas, ARect, background);
  }
}

void TBaseGrid::PaintCellLines(TCanvas& ACanvas, int ACol, const TRect& R, TGridDrawState AState) {
  const bool fixed = AState.Contains(gdFixed);
  int h = 1;
  if (fixed) {
    ACanvas.Pen()->SetColor(FGridFixedLineColor);
    ACanvas.Pen()->SetWidth(1);
  } else {
    if (FGridLineWidth > 0) ACanvas.Pen()->SetColor(FGridLineColor);
    ACanvas.Pen()->SetWidth(FGridLineWidth);
    h = (FGridLineWidth + 1) / 2;
  }
  const TGridOptions options = Options();
  if (!(ACol == 0 && HasNodes()) &&
      options.Contains(fixed ? goFixedHorzLine : goHorzLine)) {
    ACanvas.MoveTo(R.Left - h + 1, R.Bottom - h);
    ACanvas.LineTo(R.Right - h + 1, R.Bottom - h);
  }
  if (options.Contains(fixed ? goFixedVertLine : goVertLine)) {
    const int x = UseRightToLeftAlignment() ? R.Right - h + 1 : R.Right - h;
    ACanvas.MoveTo(x, R.Bottom - h);
    ACanvas.LineTo(x, R.Top - h);
  }
}

TRect TBaseGrid::ContentRect(const TRect& ARect, TGridDrawState AState) const {
  if (AState.Contains(gdFixed)) return Rect(ARect.Left, ARect.Top, ARect.Right - 1, ARect.Bottom - 2);
  const int w = FGridLineWidth;
  return Rect(ARect.Left + w, ARect.Top + w, ARect.Right - w, ARect.Bottom - w);
}

void TBaseGrid::DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect,
                                TGridDrawState AState) {
  TRect r = ARect;
  ACanvas.Brush()->SetStyle(bsClear);
  ACanvas.DrawText(Cells(ACol, ARow), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
