#include "platform/gui/Canvas.h"

#include <algorithm>

#include "platform/gui/Graphic.h"
#include "platform/gui/Region.h"
#include "platform/gui/TextLayout.h"

TCanvas::TCanvas() = default;
TCanvas::~TCanvas() = default;

void TCanvas::MoveTo(int X, int Y) { FPenPos = TPoint{X, Y}; }

namespace {
// Rectangles given with right < left or bottom < top are normalised, as GDI does.
TRect Normal(int x1, int y1, int x2, int y2) {
  return TRect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}
}  // namespace

int TCanvas::DevLength(int Units) const {
  return FMapMode == mmText ? Units : MulDiv(Units, PixelsPerInch(), 254);
}

int TCanvas::LogLength(int Pixels) const {
  return FMapMode == mmText ? Pixels : MulDiv(Pixels, 254, PixelsPerInch());
}

TPoint TCanvas::Dev(TPoint P) const {
  int x = P.X - FWindowOrg.X;
  int y = P.Y - FWindowOrg.Y;
  if (FMapMode == mmLoMetric) {
    x = DevLength(x);
    y = -DevLength(y);
  }
  x += FViewportOrg.X;
  return TPoint{Mirrored() ? FMirrorWidth - x : x, y + FViewportOrg.Y};
}

TPoint TCanvas::DPtoLP(TPoint P) const {
  int x = (Mirrored() ? FMirrorWidth - P.X : P.X) - FViewportOrg.X;
  int y = P.Y - FViewportOrg.Y;
  if (FMapMode == mmLoMetric) {
    x = LogLength(x);
    y = -LogLength(y);
  }
  return TPoint{x + FWindowOrg.X, y + FWindowOrg.Y};
}

TRect TCanvas::Dev(const TRect& R) const {
  if (FMapMode != mmText) {
    const TPoint a = Dev(TPoint{R.Left, R.Top});
    const TPoint b = Dev(TPoint{R.Right, R.Bottom});
    return Normal(a.X, a.Y, b.X, b.Y);
  }
  TRect d = R;
  OffsetRect(d, FViewportOrg.X - FWindowOrg.X, FViewportOrg.Y - FWindowOrg.Y);
  if (Mirrored()) d = TRect{FMirrorWidth - d.Right, d.Top, FMirrorWidth - d.Left, d.Bottom};
  return d;
}

const TFont& TCanvas::DeviceFont() {
  if (FMapMode == mmText) return FFont;
  FDeviceFont.Assign(FFont);
  FDeviceFont.SetPixelsPerInch(PixelsPerInch());
  const int h = DevLength(FFont.Height());
  FDeviceFont.SetHeight(h == 0 && FFont.Height() != 0 ? (FFont.Height() < 0 ? -1 : 1) : h);
  return FDeviceFont;
}

const TPen& TCanvas::DevicePen() {
  if (FMapMode == mmText) return FPen;
  FDevicePen.Assign(FPen);
  FDevicePen.SetWidth(std::max(1, DevLength(FPen.Width())));
  return FDevicePen;
}

TPoint TCanvas::DevText(int X, int Y, int Width) const {
  const TRect box = Dev(TRect{X, Y, X + Width, Y});
  return TPoint{box.Left, box.Top};
}

TPoint TCanvas::DevPixel(int X, int Y) const { return Mirrored() ? DevText(X, Y, 1) : Dev(TPoint{X, Y}); }

void TCanvas::LineTo(int X, int Y) {
  DoLine(Dev(FPenPos), Dev(TPoint{X, Y}));
  FPenPos = TPoint{X, Y};
}

std::vector<TPoint> TCanvas::DevPoints(std::span<const TPoint> Points) const {
  std::vector<TPoint> out(Points.begin(), Points.end());
  for (TPoint& p : out) p = Dev(p);
  return out;
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
  if (Points.size() >= 2) DoPolyline(DevPoints(Points));
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
  if (Points.size() >= 2) DoPolygon(DevPoints(Points));
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) { DoRectangle(Dev(Normal(X1, Y1, X2, Y2))); }

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  DoRoundRect(Dev(Normal(X1, Y1, X2, Y2)), DevLength(X3), DevLength(Y3));
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) { DoEllipse(Dev(Normal(X1, Y1, X2, Y2))); }

// A mapped rectangle may run upward; it is empty by its size on the surface.
void TCanvas::FillRect(const TRect& Rect) {
  if (const TRect d = Dev(Rect); !d.IsEmpty()) DoFillRect(d);
}

void TCanvas::FrameRect(const TRect& Rect) {
  if (const TRect d = Dev(Rect); !d.IsEmpty()) DoFrameRect(d);
}

void TCanvas::DrawFocusRect(const TRect& Rect) {
  if (const TRect d = Dev(Rect); !d.IsEmpty()) DoFocusRect(d);
}

TColor TCanvas::Pixels(int X, int Y) {
  const TSize e = Extent();
  const TPoint p = DevPixel(X, Y);
  if (p.X < 0 || p.Y < 0 || p.X >= e.cx || p.Y >= e.cy) return CLR_INVALID;
  return DoGetPixel(p.X, p.Y);
}

void TCanvas::SetPixels(int X, int Y, TColor Color) {
  const TPoint p = DevPixel(X, Y);
  if (FHasClip && !FClip.Contains(p)) return;
  if (FClipRegion && !FClipRegion->Contains(p)) return;
  DoSetPixel(p.X, p.Y, ColorToRGB(Color));
}

void TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle) {
  DoFloodFill(DevPixel(X, Y), ColorToRGB(Color), FillStyle);
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas& Canvas, const TRect& Source) {
  const TRect d = Dev(Dest), s = Canvas.Dev(Source);
  if (!d.IsEmpty() && !s.IsEmpty()) DoCopyRect(d, Canvas, s);
}

void TCanvas::TextOut(int X, int Y, const String& Text) {
  const int width = DoTextWidth(Text);
  const TPoint p = Mirrored() ? DevText(X, Y, width) : Dev(TPoint{X, Y});
  DoTextOut(p.X, p.Y, Text, -1, false);
  FPenPos = TPoint{X + LogLength(width), Y};
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, const String& Text) {
  const int saved = SaveDC();
  IntersectClipRect(Rect);
  if (FBrush.Style() != bsClear) FillRect(Rect);
  const TPoint p = Mirrored() ? DevText(X, Y, DoTextWidth(Text)) : Dev(TPoint{X, Y});
  DoTextOut(p.X, p.Y, Text, -1, false);
  RestoreDC(saved);
}

int TCanvas::TextWidth(const String& Text) { return LogLength(DoTextWidth(Text)); }

int TCanvas::TextHeight(const String& Text) { return LogLength(DoLineHeight()); }

TSize TCanvas::TextExtent(const String& Text) { return TSize{TextWidth(Text), TextHeight(Text)}; }

int TCanvas::DrawText(const String& Text, TRect& Rect, unsigned Format) {
  if (FMapMode != mmText) return DrawTextMapped(Text, Rect, Format);
  DoDrawTextBegin(Text, Dev(Rect), Format);
  TTextMeasure m;
  m.Width = [this](const String& s) { return DoTextWidth(s); };
  m.LineHeight = DoLineHeight();
  // Measured only for a text with tabs: measuring costs a text layout.
  if (Text.find(u'\t') != String::npos) m.TabWidth = 8 * DoTextWidth(u"x");
  const TTextLayout layout = LayoutText(Text, Rect, Format, m);
  if (Format & DT_CALCRECT) {
    Rect.Right = layout.Box.Right;
    Rect.Bottom = layout.Box.Bottom;
    return layout.Result;
  }
  const int saved = SaveDC();
  if (!(Format & DT_NOCLIP)) IntersectClipRect(Rect);
  for (const TTextLine& line : layout.Lines) {
    const TPoint p = Mirrored() ? DevText(line.X, line.Y, DoTextWidth(line.Text)) : Dev(TPoint{line.X, line.Y});
    DoTextOut(p.X, p.Y, line.Text, line.UnderlineAt, (Format & DT_RTLREADING) != 0);
  }
  RestoreDC(saved);
  return layout.Result;
}

// Laid out in pixels, where the layout's y runs down the surface.
int TCanvas::DrawTextMapped(const String& Text, TRect& Rect, unsigned Format) {
  const TRect box = Dev(Rect);
  DoDrawTextBegin(Text, box, Format);
  TTextMeasure m;
  m.Width = [this](const String& s) { return DoTextWidth(s); };
  m.LineHeight = DoLineHeight();
  if (Text.find(u'\t') != String::npos) m.TabWidth = 8 * DoTextWidth(u"x");
  const TTextLayout layout = LayoutText(Text, box, Format, m);
  if (Format & DT_CALCRECT) {
    const TPoint far = DPtoLP(TPoint{layout.Box.Right, layout.Box.Bottom});
    Rect.Right = far.X;
    Rect.Bottom = far.Y;
    return LogLength(layout.Result);
  }
  const int saved = SaveDC();
  if (!(Format & DT_NOCLIP)) IntersectClipRect(Rect);
  for (const TTextLine& line : layout.Lines)
    DoTextOut(line.X, line.Y, line.Text, line.UnderlineAt, (Format & DT_RTLREADING) != 0);
  RestoreDC(saved);
  return LogLength(layout.Result);
}

void TCanvas::Draw(int X, int Y, const TGraphic& Graphic) {
  if (Graphic.Empty()) return;
  Graphic.DrawOn(*this, TRect{X, Y, X + Graphic.Width(), Y + Graphic.Height()});
}

void TCanvas::StretchDraw(const TRect& Rect, const TGraphic& Graphic) {
  if (!Graphic.Empty() && !Dev(Rect).IsEmpty()) Graphic.DrawOn(*this, Rect);
}

void TCanvas::DrawPixels(const TRect& Dest, const TPixelView& Image) {
  const TRect d = Dev(Dest);
  if (Image.Bits && Image.Width > 0 && Image.Height > 0 && !d.IsEmpty()) DoDrawPixels(d, Image);
}

TRect TCanvas::ClipRect() {
  const TSize e = Extent();
  TRect box = FHasClip ? FClip.Bounds() : TRect{0, 0, e.cx, e.cy};
  if (box.IsEmpty()) return box;
  if (FMapMode != mmText) {
    const TPoint a = DPtoLP(TPoint{box.Left, box.Top});
    const TPoint b = DPtoLP(TPoint{box.Right, box.Bottom});
    return TRect{std::min(a.X, b.X), a.Y, std::max(a.X, b.X), b.Y};
  }
  if (Mirrored()) box = TRect{FMirrorWidth - box.Right, box.Top, FMirrorWidth - box.Left, box.Bottom};
  OffsetRect(box, FWindowOrg.X - FViewportOrg.X, FWindowOrg.Y - FViewportOrg.Y);
  return box;
}

void TCanvas::SetClipRect(const TRect& Rect) {
  FClipRegion.reset();
  FHasClip = true;
  FClip = TClipRects(Dev(Rect));
}

void TCanvas::IntersectClipRect(const TRect& Rect) {
  if (!FHasClip) return SetClipRect(Rect);
  FClip.Intersect(Dev(Rect));
}

void TCanvas::ExcludeClipRect(const TRect& Rect) {
  if (!FHasClip) {
    const TSize e = Extent();
    FHasClip = true;
    FClip = TClipRects(TRect{0, 0, e.cx, e.cy});
  }
  FClip.Exclude(Dev(Rect));
}

void TCanvas::ResetClip() {
  FHasClip = false;
  FClip = TClipRects();
  FClipRegion.reset();
}

void TCanvas::IntersectClipRegion(const TRegion& Region) {
  TRegion r;
  for (const TRect& part : Region.Rects()) r = r.Combined(TRegion::FromRect(Dev(part)), RGN_OR);
  FClipRegion = std::make_shared<const TRegion>(FClipRegion ? FClipRegion->Combined(r, RGN_AND) : r);
  const TRect b = FClipRegion->Bounds();
  if (!FHasClip) {
    FHasClip = true;
    FClip = TClipRects(b);
  } else {
    FClip.Intersect(b);
  }
}

int TCanvas::SaveDC() {
  FSaved.push_back(TSavedState{FHasClip, FClip, FClipRegion, FPenPos, FWindowOrg, FViewportOrg, FMirrorWidth, FMapMode});
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
  FWindowOrg = s.WindowOrg;
  FViewportOrg = s.ViewportOrg;
  FMirrorWidth = s.MirrorWidth;
  FMapMode = s.MapMode;
}
