#include "grid/dropdown/DropDownBorders.h"

#include "grid/dropdown/DropDownDrawing.h"
#include "platform/gui/FrameControls.h"

namespace {
void Frame(TCanvas& Canvas, const TRect& R, TColor Color) {
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(Color);
  Canvas.FrameRect(R);
}
}  // namespace

bool DropDownBordersWanted(const TDropDownBorderLook& L) {
  return !L.Enabled || L.Flat || L.BorderColor != clNone || L.FocusBorderColor != clNone;
}

void DrawDropDownBorders(TCanvas& Canvas, const TDropDownBorderLook& L) {
  if (!DropDownBordersWanted(L)) return;
  TRect r = Rect(0, 0, L.Width, L.Height);
  if (!L.Enabled && L.StylesActive && L.DisabledBorder) return Frame(Canvas, r, clSilver);
  if (L.BorderColor != clNone && (!L.Focused || L.FocusBorderColor == clNone))
    return Frame(Canvas, r, L.BorderColor);
  if (L.FocusBorderColor != clNone) {
    if (L.Focused) Frame(Canvas, r, L.FocusBorderColor);
    return;
  }
  if (L.Hot) {
    DrawBevel(Canvas, r, clBtnShadow, clBtnHighlight);
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    return Frame(Canvas, r, clBtnFace);
  }
  Frame(Canvas, r, L.ParentColor);
  Frame(Canvas, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), L.ParentColor);
}

void DrawDropDownValue(TCanvas& Canvas, const TDropDownValueLook& L) {
  TRect r = Rect(2, 2, L.Width - L.ButtonWidth - 1, L.Height - 2);
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(clHighlight);
  Canvas.Pen()->SetColor(clBlack);
  Canvas.FillRect(r);
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.Font()->SetColor(clHighlightText);
  r = Rect(r.Left + 2, r.Top, r.Right - 3, r.Bottom);
  Canvas.DrawText(L.Text, r, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

void DrawDropDownBackground(TCanvas& Canvas, const TDropDownBackground& B) {
  const int w = B.BorderWidth;
  const TRect inner = Rect(B.Client.Left + w, B.Client.Top + w, B.Client.Right - w, B.Client.Bottom - w);
  if (B.Color != clNone && B.ColorTo != clNone) {
    DrawGradient(Canvas, B.Color, B.ColorTo, 80, inner, B.Gradient == gdHorizontal);
  } else if (B.Color != clNone) {
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(B.Color);
    Canvas.FillRect(inner);
  }
  if (w <= 0) return;
  Canvas.Pen()->SetWidth(w);
  Canvas.Pen()->SetColor(B.BorderColor);
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.Rectangle(B.Client.Left + w / 2, B.Client.Top + w / 2, B.Client.Right, B.Client.Bottom);
  Canvas.Pen()->SetWidth(1);
}
