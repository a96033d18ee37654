#include "grid/base/PickerLook.h"

#include "platform/gui/FrameControls.h"

namespace {
void Line(TCanvas& Canvas, std::initializer_list<TPoint> Points) {
  const TPoint* p = Points.begin();
  Canvas.MoveTo(p->X, p->Y);
  for (++p; p != Points.end(); ++p) Canvas.LineTo(p->X, p->Y);
}

void Fill(TCanvas& Canvas, const TRect& R, TColor Color) {
  Canvas.Brush()->SetColor(Color);
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.FillRect(R);
}

void DrawButtonFrame(TCanvas& Canvas, const TComboLook& L) {
  const TRect keep = Rect(L.ClientWidth - L.ButtonWidth + 4, 4, L.ClientWidth - 4, L.ClientHeight - 4);
  TRect b = Rect(L.ClientWidth - L.ButtonWidth, 2, L.Width - 2, L.Height - 2);
  if (!L.Hot) return FillAround(Canvas, Rect(b.Left, b.Top + 1, b.Right - 1, b.Bottom - 1), keep, clBtnFace);
  if (!L.DroppedDown) return Draw3DEdge(Canvas, b, false);
  Canvas.Brush()->SetColor(clBtnShadow);
  Canvas.FrameRect(b);
}
}  // namespace

TColor PickerOutlineColor(bool NoBorderStyle, const TColor* ParentColor, bool Themed, TColor BorderColor) {
  if (NoBorderStyle && ParentColor) return *ParentColor;
  return Themed ? DisabledThemedBorder : BorderColor;
}

void DrawPickerOutline(TCanvas& Canvas, int W, int H, TColor Color, TColor InnerColor) {
  Canvas.Pen()->SetWidth(1);
  Canvas.Pen()->SetColor(Color);
  Line(Canvas, {Point(0, H), Point(0, 0), Point(W - 1, 0), Point(W - 1, H - 1), Point(0, H - 1)});
  if (InnerColor == clNone) return;
  Canvas.Pen()->SetColor(InnerColor);
  Line(Canvas, {Point(1, H - 2), Point(1, 1), Point(W - 1, 1)});
}

void DrawPickerSecondOutline(TCanvas& Canvas, int W, int H) {
  Line(Canvas, {Point(1, H), Point(1, 1), Point(W - 2, 1), Point(W - 2, H - 2), Point(0, H - 2)});
}

void DrawPickerDropButton(TCanvas& Canvas, HWND Window, const TComboLook& L, int ThemedInset) {
  const int right = L.ClientWidth;
  const TRect erase = L.Themed && L.StylesActive ? Rect(right - L.ButtonWidth - ThemedInset, 1, right, L.Height)
                                                 : Rect(right - L.ButtonWidth - 2, 4, right - 2, L.Height - 4);
  Fill(Canvas, erase, L.Color);
  const TRect r = Rect(right - L.ButtonWidth + 3, 1, L.Width - 1, L.Height - 1);
  if (L.ButtonColor != clNone) return DrawCustomDropButton(Canvas, L, Rect(r.Left + 2, r.Top, r.Right, r.Bottom), 3);
  if (DrawThemedDropButton(Canvas, Window, L, r)) return;
  DrawFrameControl(Canvas, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (L.Enabled ? DFCS_FLAT : DFCS_INACTIVE));
}

void DrawPickerBorders(TCanvas& Canvas, const TComboLook& Look) {
  TComboLook l = Look;
  l.Flat = false;
  DrawBorderRules(Canvas, l);
  if (!(l.IsWinXP && l.StylesActive)) DrawButtonFrame(Canvas, l);
}
