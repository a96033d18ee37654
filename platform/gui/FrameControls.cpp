#include "platform/gui/FrameControls.h"

#include <algorithm>

namespace {

// One-pixel bevel: top and left in Light, bottom and right in Dark.
void Bevel(TCanvas& c, const TRect& r, TColor light, TColor dark) {
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetWidth(1);
  c.Pen()->SetColor(light);
  c.MoveTo(r.Left, r.Bottom - 2);
  c.LineTo(r.Left, r.Top);
  c.LineTo(r.Right - 1, r.Top);
  c.Pen()->SetColor(dark);
  c.MoveTo(r.Left, r.Bottom - 1);
  c.LineTo(r.Right - 1, r.Bottom - 1);
  c.LineTo(r.Right - 1, r.Top - 1);
}

void Fill(TCanvas& c, const TRect& r, TColor color) {
  c.Brush()->SetColor(color);
  c.FillRect(r);
}

TRect Inner(TRect r, int by) {
  InflateRect(r, -by, -by);
  return r;
}

// A square of Size centred in r.
TRect CentredSquare(const TRect& r, int size) {
  const int l = r.Left + (r.Width() - size) / 2, t = r.Top + (r.Height() - size) / 2;
  return TRect{l, t, l + size, t + size};
}

void ButtonFace(TCanvas& c, const TRect& r, unsigned state) {
  if (!(state & DFCS_TRANSPARENT)) Fill(c, r, clBtnFace);
  if (state & DFCS_FLAT) {
    if (state & (DFCS_PUSHED | DFCS_CHECKED))
      Bevel(c, r, clBtnShadow, clBtnHighlight);
    else if (state & DFCS_HOT)
      Bevel(c, r, clBtnHighlight, clBtnShadow);
    return;
  }
  if (state & (DFCS_PUSHED | DFCS_CHECKED)) {
    Bevel(c, r, cl3DDkShadow, clBtnHighlight);
    Bevel(c, Inner(r, 1), clBtnShadow, cl3DLight);
  } else {
    Draw3DEdge(c, r, false);
  }
}

// The tick of a check box, 7 x 7 in a 13 x 13 box.
void CheckMark(TCanvas& c, const TRect& box, TColor color) {
  const int x0 = box.Left + 3, y0 = box.Top + 5;
  for (int i = 0; i < 7; ++i) {
    const int y = i < 3 ? y0 + i : y0 + 4 - i;
    for (int dy = 0; dy < 3; ++dy) c.SetPixels(x0 + i, y + dy, color);
  }
}

void CheckBox(TCanvas& c, const TRect& r, unsigned state) {
  const TRect box = CentredSquare(r, 13);
  const bool inactive = state & DFCS_INACTIVE;
  const TColor face = (inactive || (state & DFCS_PUSHED)) ? clBtnFace : clWindow;
  if (state & DFCS_FLAT) {
    c.Brush()->SetColor(clBtnShadow);
    c.FrameRect(box);
    Fill(c, Inner(box, 1), face);
  } else {
    Draw3DEdge(c, box, true);
    Fill(c, Inner(box, 2), face);
  }
  if (state & DFCS_CHECKED) CheckMark(c, box, inactive ? clBtnShadow : clWindowText);
}

void RadioButton(TCanvas& c, const TRect& r, unsigned state) {
  const TRect box = CentredSquare(r, 12);
  const bool inactive = state & DFCS_INACTIVE;
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetColor(clBtnShadow);
  c.Brush()->SetColor((inactive || (state & DFCS_PUSHED)) ? clBtnFace : clWindow);
  c.Ellipse(box);
  if (!(state & DFCS_FLAT)) {
    c.Pen()->SetColor(cl3DDkShadow);
    c.Brush()->SetStyle(bsClear);
    c.Ellipse(Inner(box, 1));
  }
  if (!(state & DFCS_CHECKED)) return;
  const TColor dot = inactive ? clBtnShadow : clWindowText;
  c.Pen()->SetColor(dot);
  c.Brush()->SetColor(dot);
  c.Ellipse(CentredSquare(box, 4));
}

// A filled triangle pointing in the arrow's direction, centred in r.
void Arrow(TCanvas& c, const TRect& r, unsigned kind, TColor color, int shift) {
  const int size = std::max(2, std::min(r.Width(), r.Height()) / 3);
  const int cx = (r.Left + r.Right) / 2 + shift, cy = (r.Top + r.Bottom) / 2 + shift;
  const int h = size / 2 + 1;
  c.Pen()->SetColor(color);
  c.Brush()->SetColor(color);
  TPoint p[3];
  switch (kind) {
    case DFCS_SCROLLUP: p[0] = {cx - h + 1, cy + h / 2}, p[1] = {cx + h - 1, cy + h / 2}, p[2] = {cx, cy - h / 2}; break;
    case DFCS_SCROLLLEFT: p[0] = {cx + h / 2, cy - h + 1}, p[1] = {cx + h / 2, cy + h - 1}, p[2] = {cx - h / 2, cy}; break;
    case DFCS_SCROLLRIGHT: p[0] = {cx - h / 2, cy - h + 1}, p[1] = {cx - h / 2, cy + h - 1}, p[2] = {cx + h / 2, cy}; break;
    default: p[0] = {cx - h + 1, cy - h / 2}, p[1] = {cx + h - 1, cy - h / 2}, p[2] = {cx, cy + h / 2}; break;
  }
  c.Polygon(p);
}

void ScrollArrow(TCanvas& c, const TRect& r, unsigned state) {
  const unsigned kind = state & 0xFF;
  ButtonFace(c, r, state & ~DFCS_CHECKED);
  const int shift = (state & DFCS_PUSHED) ? 1 : 0;
  if (state & DFCS_INACTIVE) {
    Arrow(c, r, kind, clBtnHighlight, shift + 1);
    Arrow(c, r, kind, clBtnShadow, shift);
  } else {
    Arrow(c, r, kind, clBtnText, shift);
  }
}

}  // namespace

void Draw3DEdge(TCanvas& Canvas, const TRect& Rect, bool Sunken) {
  if (Sunken) {
    Bevel(Canvas, Rect, clBtnShadow, clBtnHighlight);
    Bevel(Canvas, Inner(Rect, 1), cl3DDkShadow, cl3DLight);
  } else {
    Bevel(Canvas, Rect, clBtnHighlight, cl3DDkShadow);
    Bevel(Canvas, Inner(Rect, 1), cl3DLight, clBtnShadow);
  }
}

bool DrawFrameControl(TCanvas& Canvas, const TRect& Rect, unsigned Type, unsigned State) {
  const unsigned kind = State & 0xFF;
  if (Type == DFC_BUTTON) {
    if (kind & DFCS_BUTTONPUSH) return ButtonFace(Canvas, Rect, State), true;
    if (kind & DFCS_BUTTONRADIO) return RadioButton(Canvas, Rect, State), true;
    return CheckBox(Canvas, Rect, State), true;
  }
  if (Type == DFC_SCROLL && (kind <= DFCS_SCROLLRIGHT || kind == DFCS_SCROLLCOMBOBOX))
    return ScrollArrow(Canvas, Rect, State), true;
  return false;
}

void DrawBevel(TCanvas& Canvas, const TRect& Rect, TColor TopLeft, TColor BottomRight) {
  Canvas.Pen()->SetColor(TopLeft);
  Canvas.MoveTo(Rect.Left, Rect.Bottom - 1);
  Canvas.LineTo(Rect.Left, Rect.Top);
  Canvas.LineTo(Rect.Right - 1, Rect.Top);
  Canvas.Pen()->SetColor(BottomRight);
  Canvas.LineTo(Rect.Right - 1, Rect.Bottom - 1);
  Canvas.LineTo(Rect.Left, Rect.Bottom - 1);
}
