#include "grid/dropdown/DropDownArrow.h"

#include <array>

#include "grid/base/VisualStyleBinding.h"
#include "grid/dropdown/DropDownDrawing.h"
#include "platform/gui/FrameControls.h"

namespace {
void Arrow(TCanvas& Canvas, TColor Color) {
  const std::array<TPoint, 3> points{Point(5, 7), Point(11, 7), Point(8, 10)};
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(Color);
  Canvas.Pen()->SetColor(Color);
  Canvas.Polygon(points);
}

TColor StateColor(bool Down, bool Hot, TColor Normal, TColor HotColor, TColor DownColor) {
  return Down ? DownColor : Hot ? HotColor : Normal;
}

int ThemeState(bool Enabled, bool Down, bool Hot) { return !Enabled ? 4 : Down ? 3 : Hot ? 2 : 1; }

void Coloured(TCanvas& Canvas, const TDropArrowLook& L) {
  const TEditorButtonColors& c = L.Colors;
  const TColor face = StateColor(L.Down, L.Hot, c.Color, c.ColorHot, c.ColorDown);
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(face);
  Canvas.Pen()->SetColor(face);
  Canvas.FillRect(Rect(0, 0, L.Width, L.Height));
  Canvas.Pen()->SetColor(L.EditBorderColor);
  Canvas.MoveTo(0, 0);
  Canvas.LineTo(0, L.Height);
  Arrow(Canvas, StateColor(L.Down, L.Hot, c.TextColor, c.TextColorHot, c.TextColorDown));
}

void WithGlyph(TCanvas& Canvas, const TDropArrowLook& L) {
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(clBtnFace);
  Canvas.Pen()->SetColor(clGray);
  Canvas.Rectangle(0, 0, L.Width, L.Height);
  TBitmap glyph;
  glyph.Assign(*L.Glyph);
  glyph.SetTransparent(true);
  glyph.SetTransparentMode(tmAuto);
  Canvas.Draw(0, 0, glyph);
}

void Themed(TCanvas& Canvas, const TDropArrowLook& L) {
  TRect r = Rect(0, 0, L.Width, L.Height);
  if (L.Vista) {
    r.Left += 1;
  } else {
    InflateRect(r, 1, 1);
    r.Left += 2;
  }
  DrawThemedPart(Canvas, L.ThemeWindow, u"combobox", 1, ThemeState(L.Enabled, L.Down, L.Hot), r);
}

void Classic(TCanvas& Canvas, const TDropArrowLook& L) {
  const int w = L.Width, h = L.Height;
  Canvas.Pen()->SetColor(clBtnFace);
  const std::array<TPoint, 3> outer{Point(w - 2, 0), Point(0, 0), Point(0, h - 1)};
  Canvas.Polyline(outer);
  Canvas.Pen()->SetColor(clWhite);
  const std::array<TPoint, 3> inner{Point(w - 3, 1), Point(1, 1), Point(1, h - 2)};
  Canvas.Polyline(inner);
  Arrow(Canvas, clBlack);
}

// The glyph's left-top inside the push button's face.
TPoint PushGlyphPos(const TDropPushLook& L, const TRect& R) {
  TPoint p = Point(R.Left, R.Top);
  const int gw = L.Glyph->Width(), gh = L.Glyph->Height();
  if (!L.Caption.empty()) p.X += 2;
  else if (gw < R.Width()) p.X += (R.Width() - gw) / 2;
  if (gh < R.Height()) p.Y += (R.Height() - gh) / 2;
  if (L.Down) p = Point(p.X + 1, p.Y + 1);
  return p;
}

void PushContent(TCanvas& Canvas, const TDropPushLook& L) {
  const int shift = L.Down ? 1 : 0;
  const TRect r = Rect(2, 2, L.Width - 2, L.Height - 2);
  const bool glyph = L.Glyph && !L.Glyph->Empty();
  if (glyph) {
    TBitmap image;
    image.Assign(*L.Glyph);
    image.SetTransparent(true);
    const TPoint p = PushGlyphPos(L, r);
    Canvas.Draw(p.X, p.Y, image);
  }
  if (L.Caption.empty()) return;
  Canvas.Brush()->SetStyle(bsClear);
  TRect text = glyph ? Rect(r.Left + L.Glyph->Width() + 2, r.Top - 1, r.Right, r.Bottom)
                     : Rect(3 + shift, 1 + shift, L.Width - 3 + shift, L.Height - 1 + shift);
  const unsigned format = glyph ? DT_LEFT | DT_VCENTER | DT_SINGLELINE : DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  Canvas.DrawText(L.Caption, text, format);
}

void FlatPush(TCanvas& Canvas, const TDropPushLook& L) {
  const TRect bounds = Rect(0, 0, L.Width, L.Height);
  Canvas.FillRect(bounds);
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(clBtnFace);
  Canvas.FillRect(bounds);
  const TRect edge = Rect(0, 0, L.Width + 1, L.Height + 1);
  if (L.Etched) DrawBevel(Canvas, edge, clBtnShadow, clBtnHighlight);
  else if (!L.Down) DrawBevel(Canvas, edge, clBtnHighlight, clBtnShadow);
  const int shift = L.Down ? 1 : 0;
  if (L.Glyph && !L.Glyph->Empty())
    DrawTransparentGlyph(Canvas, *L.Glyph, clBtnFace, Rect(3 + shift, 3 + shift, L.Width - 3 + shift, L.Height - 3 + shift));
  if (L.Caption.empty()) return;
  Canvas.Brush()->SetStyle(bsClear);
  TRect text = Rect(3, 1, L.Width - 3, L.Height - 1);
  Canvas.DrawText(L.Caption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
}  // namespace

TDropArrowFace DropArrowFace(const TDropArrowLook& L) {
  if (L.Colors.Color != clNone) return dafColoured;
  if (L.Glyph && !L.Glyph->Empty()) return dafGlyph;
  return L.Themed ? dafThemed : dafClassic;
}

void DrawDropDownArrow(TCanvas& Canvas, const TDropArrowLook& L) {
  switch (DropArrowFace(L)) {
    case dafColoured: return Coloured(Canvas, L);
    case dafGlyph: return WithGlyph(Canvas, L);
    case dafThemed: return Themed(Canvas, L);
    case dafClassic: return Classic(Canvas, L);
  }
}

bool DrawDropDownPushButton(TCanvas& Canvas, const TDropPushLook& L) {
  if (L.Themed) {
    Canvas.FillRect(Rect(0, 0, L.Width, L.Height));
    DrawThemedPart(Canvas, L.ThemeWindow, u"button", 1, ThemeState(L.Enabled, L.Down, L.Hot),
                   Rect(0, 0, L.Width + 1, L.Height + 1));
    PushContent(Canvas, L);
    return true;
  }
  if (!L.Flat) return false;
  FlatPush(Canvas, L);
  return true;
}
