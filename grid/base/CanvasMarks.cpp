#include "grid/base/CanvasMarks.h"

#include <algorithm>

#include "platform/gui/Picture.h"
#include "platform/gui/Resources.h"
#include "platform/sys/Exceptions.h"

void DrawBitmapOnColor(TCanvas& Canvas, const TBitmap& Bitmap, TColor Color, const TRect& Rect) {
  if (Bitmap.Pixels().Empty()) return;
  TPixelBuffer px = Bitmap.Pixels().Converted(3);
  const TColor key = px.Pixel(0, 0), with = ColorToRGB(Color);
  for (int y = 0; y < px.Height; ++y) {
    std::uint8_t* p = px.Row(y);
    for (int x = 0; x < px.Width; ++x, p += 3)
      if (RGB(p[2], p[1], p[0]) == key) {
        p[0] = static_cast<std::uint8_t>(GetBValue(with));
        p[1] = static_cast<std::uint8_t>(GetGValue(with));
        p[2] = static_cast<std::uint8_t>(GetRValue(with));
      }
  }
  Canvas.DrawPixels(TRect{Rect.Left, Rect.Top, Rect.Left + px.Width, Rect.Top + px.Height}, px.View());
}

void DrawResourceBitmapOnColor(TCanvas& Canvas, TColor Color, const TRect& Rect,
                               StringView ResourceName) {
  const std::string_view bytes = platform::FindResource(ResourceName);
  if (bytes.empty()) return;
  TPicture picture;
  try {
    picture.LoadFromBytes(TBytes(bytes.begin(), bytes.end()));
  } catch (const Exception&) {
    return;
  }
  DrawBitmapOnColor(Canvas, *picture.Bitmap(), Color, Rect);
}

void DrawDownTriangle(TCanvas& Canvas, int X, int Y, TColor Color) {
  Canvas.Pen()->SetStyle(psSolid);
  Canvas.Pen()->SetColor(Color);
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(Color);
  const TPoint points[] = {Point(X - 3, Y), Point(X + 3, Y), Point(X, Y + 3)};
  Canvas.Polygon(points);
}

namespace {

// x of character Index of Text drawn from 0; past the end, 4 pixels beyond it.
int CharX(TCanvas& c, const String& Text, int Index) {
  const int length = static_cast<int>(Text.size());
  if (Index >= length) return c.TextWidth(Text) + 4;
  return c.TextWidth(Text.substr(0, static_cast<size_t>(std::max(Index, 0))));
}

}  // namespace

void DrawErrorUnderline(TCanvas& Canvas, const String& Text, const TRect& Rect, int Offset, int From,
                        int Length) {
  const int startX = Rect.Left + CharX(Canvas, Text, From);
  const int endX = Rect.Left + CharX(Canvas, Text, From + Length - 1);
  const int high = Rect.Top + Offset, low = high + 3;
  Canvas.Pen()->SetStyle(psSolid);
  Canvas.Pen()->SetColor(clRed);
  Canvas.Pen()->SetWidth(2);
  int x = startX;
  bool up = true;
  Canvas.MoveTo(x, low);
  auto segment = [&] {
    x += 3;
    Canvas.LineTo(x, up ? high : low);
    up = !up;
  };
  while (x < endX) segment();
  segment();
}
