// The face and edges of fixed cells, the row indicator, the modified-row bar
// and the editor buttons that stay visible.
#include "grid/base/ButtonFaces.h"
#include "grid/base/CanvasMarks.h"
#include "grid/base/ColorArithmetic.h"
#include "grid/base/ControlLook.h"
#include "grid/base/GradientFill.h"
#include "grid/base/ShowModified.h"
#include "grid/model/SortSettings.h"
#include "grid/paint/CellPainter.h"

namespace {

void DrawLine(TCanvas& C, TColor Color, int X1, int Y1, int X2, int Y2) {
  C.Pen()->SetColor(Color);
  C.MoveTo(X1, Y1);
  C.LineTo(X2, Y2);
}

}  // namespace

void TCellPainter::DrawFixedFace() {
  if (!HasGradientFixedFace(G.Look())) return;
  const bool movedColumn = G.GridState() == gsColMoving && ACol == G.MoveIndex();
  if (G.IsHoverFixedCell(ACol, ARow) && (G.FPaint.HoverFixedCell == TPoint{ACol, ARow} || movedColumn)) {
    DrawHoverFace();
  } else {
    DrawRestingFace();
  }
}

void TCellPainter::DrawHoverFace() {
  R.Bottom += 1;
  const TCellBackground hover{G.ZEVGradient(fgHoverFrom), G.ZEVGradient(fgHoverTo),
                              G.ZEVGradient(fgHoverMirrorFrom), G.ZEVGradient(fgHoverMirrorTo),
                              true, G.ZEVGradient(fgHoverBorder)};
  const TCellBackground down{G.ZEVGradient(fgDownFrom), G.ZEVGradient(fgDownTo),
                             G.ZEVGradient(fgDownMirrorFrom), G.ZEVGradient(fgDownMirrorTo),
                             true, G.ZEVGradient(fgDownBorder)};
  const bool pressed = G.FPaint.HoverFixedPressed;
  const bool button = G.ControlLook()->FixedDropDownButton() && G.DoCanShowFixedDropDown(RCol);
  if (pressed && button) {
    const bool open = G.FPaint.FixedDropDownOpen;
    DrawCellBackground(C, TRect{R.Right - 16, R.Top, R.Right, R.Bottom}, open ? down : hover);
    DrawCellBackground(C, TRect{R.Left, R.Top, R.Right - 16, R.Bottom}, open ? hover : down);
  } else {
    DrawCellBackground(C, R, pressed ? down : hover);
  }
  if (!button) return;
  DrawLine(C, pressed ? down.BorderColor : hover.BorderColor, R.Right - 16, R.Top, R.Right - 16,
       R.Bottom);
  DrawDownTriangle(C, R.Right - 8, R.Top + 8, clBlack);
  R.Right -= 16;
}

void TCellPainter::DrawRestingFace() {
  const TSortSettings& sort = *G.SortSettings();
  const bool activeHeader =
      G.ActiveCellShow() && ((ACol + 1 == G.FixedCols() && ARow == G.Row()) ||
                             (ARow + 1 == G.FixedRows() && ACol == G.Col()));
  const bool sortHeader = sort.Column() != -1 && sort.HeaderColor() != clNone &&
                          ARow + 1 == G.FixedRows() && RCol == sort.Column() &&
                          (ACol >= G.FixedCols() || sort.FixedCols());
  TCellBackground face{C.Brush()->Color(), ColorTo, MirrorColor, MirrorColorTo, true};
  if (activeHeader) {
    face = TCellBackground{G.ActiveCellColor(), G.ActiveCellColorTo(), clNone, clNone, true};
  } else if (sortHeader) {
    face = TCellBackground{sort.HeaderColor(), sort.HeaderColorTo(), sort.HeaderMirrorColor(),
                           sort.HeaderMirrorColorTo(), true};
  } else if (G.Flat()) {
    return;
  } else if (G.Look() == glVista) {
    // The fill in the cell's own colours is the background already painted.
    face.Fill = false;
    face.BorderColor = clWhite;
    face.BorderLinesOnly = true;
  } else {
    return;
  }
  DrawCellBackground(C, R, face);
}

// Visual styles are never active here: the classic list-view header face.
void TCellPainter::DrawListViewFace() {
  C.Pen()->SetColor(clWhite);
  C.Brush()->SetColor(clBtnFace);
  C.Rectangle(R);
}

void TCellPainter::DrawFixedEdges() {
  if (DrawFixedButtonEdge()) return;
  TRect r = R;
  const TColor shade = HalveColor(G.FixedColor());
  const bool horz = HasOption(goFixedHorzLine);
  switch (G.Look()) {
    case glClassic:
      r.Left += 1;
      r.Top += 1;
      r.Bottom += 1;
      DrawLine(C, clBtnHighlight, r.Left, r.Bottom - 2, r.Left, r.Top);
      DrawLine(C, clBtnHighlight, r.Left, r.Top, r.Right - 1, r.Top);
      DrawLine(C, clBtnShadow, r.Right - 2, r.Top + 1, r.Right - 2, r.Bottom - 2);
      DrawLine(C, clBtnShadow, r.Right - 2, r.Bottom - 2, r.Left, r.Bottom - 2);
      DrawLine(C, clBlack, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
      DrawLine(C, clBlack, r.Right - 1, r.Bottom - 1, r.Left - 1, r.Bottom - 1);
      return;
    case glSoft:
      r.Right += 1;
      [[fallthrough]];
    case glZEV:
    case glXP:
      r.Bottom += 1;
      break;
    default:
      return;
  }
  if (horz) {
    DrawLine(C, shade, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    DrawLine(C, clWhite, r.Left, r.Top, r.Right, r.Top);
    DrawLine(C, clWhite, r.Left, r.Top, r.Left, r.Bottom - 1);
  }
  if (G.Look() == glSoft && HasOption(goFixedVertLine)) {
    DrawLine(C, shade, r.Right - 3, r.Top, r.Right - 3, r.Bottom);
    DrawLine(C, clWhite, r.Right - 2, r.Top, r.Right - 2, r.Bottom);
  }
}

void TCellPainter::DrawFlatRightFixedLines() {
  if (G.FixedRightCols() <= 0 || ACol < G.ColCount() - G.FixedRightCols() || G.Look() == glClassic) {
    return;
  }
  if (HasOption(goFixedHorzLine)) {
    DrawLine(C, clGray, R.Left - 1, R.Top - 1, R.Right + 1, R.Top - 1);
    DrawLine(C, clGray, R.Left - 1, R.Bottom, R.Right + 1, R.Bottom);
  }
  if (HasOption(goFixedVertLine)) {
    DrawLine(C, clGray, R.Left - 1, R.Top - 1, R.Left - 1, R.Bottom + 1);
    DrawLine(C, clGray, R.Right, R.Top - 1, R.Right, R.Bottom + 1);
  }
}

void TCellPainter::DrawRowIndicator() {
  TBitmap& indicator = G.FState->RowIndicator;
  if (RCol != 0 || !IsCurrentRow() || G.FixedCols() <= 0 || indicator.Empty()) return;
  if (G.FixedRowAlways() && G.RowCount() == G.FixedRows()) return;
  const int h = indicator.Height();
  int y = R.Top;
  if (G.VAlignment() == vtaCenter) y = R.Top + (R.Bottom - R.Top - h) / 2;
  if (G.VAlignment() == vtaBottom) y = R.Bottom - h;
  indicator.SetTransparent(true);
  C.Draw(R.Left + 2, y, indicator);
  IndicatorWidth = indicator.Width() + 2;
  R.Left += IndicatorWidth;
}

void TCellPainter::DrawModifiedBar() {
  if (ACol != 0 || !G.ShowModified()->Enabled() || !G.RowModified(ARow)) return;
  FillRectWithColor(C, TRect{R.Right - 4, R.Top, R.Right, R.Bottom}, G.ShowModified()->Color());
}

// Visual styles are never active here, so the button look is classic or flat.
void TCellPainter::DrawEditorButtons() {
  const TControlLook& look = *G.ControlLook();
  const bool combo = look.DropDownAlwaysVisible() && G.DoHasComboBox(RCol, ARow);
  const bool spin = look.SpinButtonsAlwaysVisible() && G.DoHasSpinEdit(RCol, ARow);
  if (!combo && !spin) return;
  const int style = look.FlatButton() ? blFlat : blClassic;
  bool canEdit = true;
  G.CanEditCell(RCol, ARow, canEdit);
  const int state = canEdit ? bstNormal : bstDisabled;
  const TColorTones tones{};
  if (combo) {
    DrawComboButton(C, HWND{}, TRect{R.Right - 18, R.Top - 1, R.Right + 1, R.Bottom}, style, state,
                    tones);
    R.Right -= 16;
  }
  if (spin) {
    DrawSpinButtons(C, HWND{}, TRect{R.Right - 16, R.Top, R.Right, R.Bottom}, style, state, tones);
    R.Right -= 16;
  }
}
