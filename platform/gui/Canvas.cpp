#include "platform/gui/Canvas.h"

#include <algorithm>

#include "platform/gui/Graphic.h"
#include "platform/gui/Region.h"
#include "platform/gui/TextLayout.h"

TCanvas::TCanvas() = default;
TCanvas::~TCanvas() = default;

void TCanvas::MoveTo(int X, int Y) { FPenPos = TPoint{X, Y}; }

void TCanvas::LineTo(int X, int Y) {
  DoLine(FPenPos, TPoint{X, Y});
  FPenPos = TPoint{X, Y};
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
  if (Points.size() >= 2) DoPolyline(Points);
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
  if (Points.size() >= 2) DoPolygon(Points);
}

namespace {
// Rectangles given with right < left or bottom < top are normalised, as GDI does.
TRect Normal(int x1, int y1, int x2, int y2) {
  return TRect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}
}  // namespace

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) { DoRectangle(Normal(X1, Y1, X2, Y2)); }

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  DoRoundRect(Normal(X1, Y1, X2, Y2), X3, Y3);
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) { DoEllipse(Normal(X1, Y1, X2, Y2)); }

void TCanvas::FillRect(const TRect& Rect) {
  if (!Rect.IsEmpty()) DoFillRect(Rect);
}

void TCanvas::FrameRect(const TRect& Rect) {
  if (!Rect.IsEmpty()) DoFrameRect(Rect);
}

void TCanvas::DrawFocusRect(const TRect& Rect) {
  if (!Rect.IsEmpty()) DoFocusRect(Rect);
}

TColor TCanvas::Pixels(int X, int Y) {
  const TSize e = Extent();
  if (X < 0 || Y < 0 || X >= e.cx || Y >= e.cy) return CLR_INVALID;
  return DoGetPixel(X, Y);
}

void TCanvas::SetPixels(int X, int Y, TColor Color) {
  if (FHasClip && !FClip.Contains(TPoint{X, Y})) return;
  if (FClipRegion && !FClipRegion->Contains(TPoint{X, Y})) return;
  DoSetPixel(X, Y, ColorToRGB(Color));
}

void TCanvas::TextOut(int X, int Y, const String& Text) {
  DoTextOut(X, Y, Text, -1, false);
  FPenPos = TPoint{X + DoTextWidth(Text), Y};
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, const String& Text) {
  const int saved = SaveDC();
  IntersectClipRect(Rect);
  if (FBrush.Style() != bsClear) FillRect(Rect);
  DoTextOut(X, Y, Text, -1, false);
  RestoreDC(saved);
}

int TCanvas::TextWidth(const String& Text) { return DoTextWidth(Text); }

int TCanvas::TextHeight(const String& Text) { return DoLineHeight(); }

TSize TCanvas::TextExtent(const String& Text) { return TSize{TextWidth(Text), TextHeight(Text)}; }

int TCanvas::DrawText(const String& Text, TRect& Rect, unsigned Format) {
  DoDrawTextBegin(Text, Rect, Format);
  TTextMeasure m;
  m.Width = [this](const String& s) { return DoTextWidth(s); };
  m.LineHeight = DoLineHeight();
  m.TabWidth = 8 * DoTextWidth(u"x");
  const TTextLayout layout = LayoutText(Text, Rect, Format, m);
  if (Format & DT_CALCRECT) {
    Rect.Right = layout.Box.Right;
    Rect.Bottom = layout.Box.Bottom;
    return layout.Result;
  }
  const int saved = SaveDC();
  if (!(Format & DT_NOCLIP)) IntersectClipRect(Rect);
  for (const TTextLine& line : layout.Lines)
    DoTextOut(line.X, line.Y, line.Text, line.UnderlineAt, (Format & DT_RTLREADING) != 0);
  RestoreDC(saved);
  return layout.Result;
}

void TCanvas::Draw(int X, int Y, const TGraphic& Graphic) {
  if (Graphic.Empty()) return;
  Graphic.DrawOn(*this, TRect{X, Y, X + Graphic.Width(), Y + Graphic.Height()});
}

void TCanvas::StretchDraw(const TRect& Rect, const TGraphic& Graphic) {
  if (!Graphic.Empty() && !Rect.IsEmpty()) Graphic.DrawOn(*this, Rect);
}

void TCanvas::DrawPixels(const TRect& Dest, const TPixelView& Image) {
  if (Image.Bits && Image.Width > 0 && Image.Height > 0 && !Dest.IsEmpty()) DoDrawPixels(Dest, Image);
}

TRect TCanvas::ClipRect() {
  if (FHasClip) return FClip;
  const TSize e = Extent();
  return TRect{0, 0, e.cx, e.cy};
}

void TCanvas::SetClipRect(const TRect& Rect) {
  FClipRegion.reset();
  FHasClip = true;
  FClip = Rect.IsEmpty() ? TRect{} : Rect;
}

void TCanvas::IntersectClipRect(const TRect& Rect) {
  const TRect r = FHasClip ? IntersectRect(FClip, Rect) : Rect;
  FHasClip = true;
  FClip = r.IsEmpty() ? TRect{} : r;
}

void TCanvas::ResetClip() {
  FHasClip = false;
  FClip = TRect{};
  FClipRegion.reset();
}

void TCanvas::IntersectClipRegion(const TRegion& Region) {
  FClipRegion = std::make_shared<const TRegion>(FClipRegion ? FClipRegion->Combined(Region, RGN_AND) : Region);
  IntersectClipRect(FClipRegion->Bounds());
}

int TCanvas::SaveDC() {
  FSaved.push_back(TSavedState{FHasClip, FClip, FClipRegion, FPenPos});
  return static_cast<int>(FSaved.size());
}

void TCanvas::RestoreDC(int Index) {
  const int n = static_cast<int>(FSaved.size());
  if (Index < 0) Index = n + 1 + Index;
  if (Index < 1 || Index > n) return;
  const TSavedState s = FSaved[static_cast<size_t>(Index - 1)];
  FSaved.resize(static_cast<size_t>(Index - 1));
  FHasClip = s.HasClip;
  FClip = s.Clip;
  FClipRegion = s.ClipRegion;
  FPenPos = s.PenPos;
}
