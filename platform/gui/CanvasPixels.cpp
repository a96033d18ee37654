// The canvas operations that work on the surface's pixels: flood fill and
// copying between canvases. Backends that cannot read their pixels (a
// printer) leave them undone.
#include <vector>

#include "platform/gui/Canvas.h"
#include "platform/gui/PixelBuffer.h"

namespace {

// Nearest pixel, so that a copy to the same size is exact.
TPixelBuffer Scaled(const TPixelBuffer& Src, int Width, int Height) {
  TPixelBuffer out;
  out.Resize(Width, Height, 4);
  for (int y = 0; y < Height; ++y) {
    const std::uint8_t* s = Src.Row(y * Src.Height / Height);
    std::uint32_t* d = reinterpret_cast<std::uint32_t*>(out.Row(y));
    for (int x = 0; x < Width; ++x) d[x] = reinterpret_cast<const std::uint32_t*>(s)[x * Src.Width / Width];
  }
  return out;
}

std::uint8_t Combined(std::uint8_t Src, std::uint8_t Dst, TCopyMode Mode) {
  switch (Mode) {
    case cmSrcAnd: return Src & Dst;
    case cmSrcInvert: return Src ^ Dst;
    case cmSrcPaint: return Src | Dst;
    default: return Src;
  }
}

// Pixels filled from a start point, as runs [Left, Right) of one row each.
class TFloodArea {
 public:
  template <class Inside>
  TFloodArea(const TRect& Area, TPoint Start, Inside&& In) : FArea(Area) {
    FDone.assign(static_cast<size_t>(Area.Width()) * Area.Height(), false);
    std::vector<TPoint> todo{Start};
    while (!todo.empty()) {
      const TPoint p = todo.back();
      todo.pop_back();
      if (Done(p.X, p.Y) || !In(p.X, p.Y)) continue;
      int l = p.X, r = p.X + 1;
      while (l > Area.Left && !Done(l - 1, p.Y) && In(l - 1, p.Y)) --l;
      while (r < Area.Right && !Done(r, p.Y) && In(r, p.Y)) ++r;
      for (int x = l; x < r; ++x) Mark(x, p.Y);
      Runs.push_back(TRect{l, p.Y, r, p.Y + 1});
      for (int y : {p.Y - 1, p.Y + 1}) {
        if (y < Area.Top || y >= Area.Bottom) continue;
        for (int x = l; x < r; ++x)
          if (!Done(x, y) && In(x, y) && (x == l || !In(x - 1, y))) todo.push_back(TPoint{x, y});
      }
    }
  }
  std::vector<TRect> Runs;

 private:
  size_t Index(int X, int Y) const {
    return static_cast<size_t>(Y - FArea.Top) * FArea.Width() + static_cast<size_t>(X - FArea.Left);
  }
  bool Done(int X, int Y) const { return FDone[Index(X, Y)]; }
  void Mark(int X, int Y) { FDone[Index(X, Y)] = true; }

  TRect FArea;
  std::vector<bool> FDone;
};

}  // namespace

void TCanvas::DoFloodFill(TPoint Start, TColor Color, TFillStyle FillStyle) {
  const TSize e = Extent();
  TRect area{0, 0, e.cx, e.cy};
  if (FHasClip) area = IntersectRect(area, FClip.Bounds());
  TPixelBuffer px;
  if (!area.Contains(Start) || !DoReadPixels(area, px)) return;
  const TFloodArea fill(area, Start, [&](int x, int y) {
    if (FHasClip && !FClip.Contains(TPoint{x, y})) return false;
    return (px.Pixel(x - area.Left, y - area.Top) == Color) == (FillStyle == fsSurface);
  });
  for (const TRect& run : fill.Runs) DoFillRect(run);
}

void TCanvas::DoCopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect) {
  TPixelBuffer src;
  if (!Source.DoReadPixels(SourceRect, src)) return;
  if (src.Width != Dest.Width() || src.Height != Dest.Height()) src = Scaled(src, Dest.Width(), Dest.Height());
  if (FCopyMode != cmSrcCopy) {
    TPixelBuffer dst;
    if (!DoReadPixels(Dest, dst)) return;
    for (size_t i = 0; i < src.Bits.size(); ++i) src.Bits[i] = Combined(src.Bits[i], dst.Bits[i], FCopyMode);
  }
  DoDrawPixels(Dest, src.View());
}
