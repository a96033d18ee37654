#include "grid/base/GradientFill.h"

#include <algorithm>
#include <utility>

#include "grid/base/ColorArithmetic.h"
#include "platform/sys/FloatText.h"

namespace {

void PenAndBrush(TCanvas& c, TColor Color) {
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetWidth(1);
  c.Pen()->SetColor(Color);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(Color);
}

void Line(TCanvas& c, TColor Color, int X1, int Y1, int X2, int Y2) {
  c.Pen()->SetColor(Color);
  c.MoveTo(X1, Y1);
  c.LineTo(X2, Y2);
}

// Halves of r: top and bottom when Vertical, else left and right.
std::pair<TRect, TRect> Halves(const TRect& r, bool Vertical) {
  TRect a = r, b = r;
  if (Vertical)
    a.Bottom = b.Top = r.Top + r.Height() / 2;
  else
    a.Right = b.Left = r.Left + r.Width() / 2;
  return {a, b};
}

}  // namespace

void FillRectWithColor(TCanvas& Canvas, const TRect& Rect, TColor Color) {
  Canvas.Brush()->SetColor(Color);
  Canvas.FillRect(Rect);
}

void DrawGradientRect(TCanvas& Canvas, TColor From, TColor To, int Steps, TRect Rect,
                      bool Horizontal) {
  if (Rect.Top == Rect.Bottom) return;
  if (Rect.Top > Rect.Bottom) std::swap(Rect.Top, Rect.Bottom);
  From = ColorToRGB(From);
  To = ColorToRGB(To);
  if (From == clNone || To == clNone) {
    PenAndBrush(Canvas, From == clNone ? To : From);
    Canvas.Rectangle(Rect);
    return;
  }
  const int length = (Horizontal ? Rect.Width() : Rect.Height()) - 1;
  if (length < 0) return;
  Steps = std::max(std::min(Steps, length), 1);
  const double band = static_cast<double>(length) / Steps;
  const int origin = Horizontal ? Rect.Left : Rect.Top, end = Horizontal ? Rect.Right : Rect.Bottom;
  auto step = [Steps](int a, int b, int i) { return a + static_cast<int>(Round(i * (b - a) / static_cast<double>(Steps))); };
  for (int i = 0; i <= Steps; ++i) {
    PenAndBrush(Canvas, RGB(step(GetRValue(From), GetRValue(To), i), step(GetGValue(From), GetGValue(To), i),
                            step(GetBValue(From), GetBValue(To), i)));
    const int start = origin + static_cast<int>(i * band);
    const int stop = std::min(start + static_cast<int>(band + 1), end);
    if (Horizontal)
      Canvas.Rectangle(start, Rect.Top, stop, Rect.Bottom);
    else
      Canvas.Rectangle(Rect.Left, start, Rect.Right, stop);
  }
}

void DrawCellBackground(TCanvas& Canvas, const TRect& Rect, const TCellBackground& Look) {
  constexpr int kSteps = 128;
  if (Look.Fill && Look.Color != clNone) {
    if (Look.MirrorColor != clNone) {
      const auto [first, second] = Halves(Rect, Look.Vertical);
      DrawGradientRect(Canvas, Look.Color, Look.ColorTo, kSteps, first, !Look.Vertical);
      DrawGradientRect(Canvas, Look.MirrorColor, Look.MirrorColorTo, kSteps, second, !Look.Vertical);
    } else if (Look.ColorTo == clNone) {
      PenAndBrush(Canvas, Look.Color);
      Canvas.Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom + 1);
    } else {
      DrawGradientRect(Canvas, Look.Color, Look.ColorTo, kSteps, Rect, !Look.Vertical);
    }
  }
  if (Look.BorderColor == clNone) return;
  if (Look.BorderLinesOnly) {
    Canvas.Pen()->SetWidth(1);
    Line(Canvas, Look.BorderColor, Rect.Left, Rect.Top, Rect.Left, Rect.Bottom);
    Line(Canvas, Look.BorderColor, Rect.Right - 1, Rect.Top, Rect.Right - 1, Rect.Bottom);
  } else {
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Look.BorderColor);
    Canvas.FrameRect(Rect);
  }
}

namespace {

// The corner pixels of one rounded end; Inner is the column next to the
// outer one (left + 1 or right - 2), Outer the edge column.
void RoundedCorners(TCanvas& c, const TRoundedFaceColors& k, const TRect& r, int Inner, int Outer) {
  for (TPoint p : {Point(Inner, r.Top), Point(Inner, r.Top + 1), Point(Outer, r.Top + 1),
                   Point(Inner, r.Bottom), Point(Inner, r.Bottom - 1), Point(Outer, r.Bottom - 1)})
    c.SetPixels(p.X, p.Y, k.CornerColor);
  c.SetPixels(Outer, r.Top, k.OuterCornerColor);
  c.SetPixels(Outer, r.Bottom, k.OuterCornerColor);
}

void FaceFill(TCanvas& c, const TRoundedFaceColors& k, const TRect& inner) {
  constexpr int kSteps = 16;
  if (k.ColorTo == clNone) {
    FillRectWithColor(c, inner, k.Color);
  } else if (k.MirrorColor == clNone) {
    DrawGradientRect(c, k.Color, k.ColorTo, kSteps, inner, false);
  } else {
    const auto [upper, lower] = Halves(inner, true);
    DrawGradientRect(c, k.Color, k.ColorTo, kSteps, upper, false);
    DrawGradientRect(c, k.MirrorColor, k.MirrorColorTo, kSteps, lower, false);
  }
}

}  // namespace

void DrawRoundedGradientFace(TCanvas& Canvas, const TRoundedFaceColors& Colors, TRect r, int Ends) {
  const bool left = Ends == 0 || Ends == 1, right = Ends == 0 || Ends == 2;
  r.Bottom -= 2;
  r.Right -= 1;
  const int mid = r.Top + (r.Bottom - r.Top) / 2;
  const int leftIn = left ? 2 : 0, rightIn = right ? 2 : 0;
  Canvas.Pen()->SetStyle(psSolid);
  Canvas.Pen()->SetWidth(1);

  Line(Canvas, Colors.InnerLightColor, r.Left, r.Top + 1, r.Right, r.Top + 1);
  if (left) Line(Canvas, Colors.InnerLightColor, r.Left + 1, r.Top + 1, r.Left + 1, mid);
  if (right) Line(Canvas, Colors.InnerLightColor, r.Right - 2, r.Top + 1, r.Right - 2, mid);

  Line(Canvas, Colors.InnerShadowColor, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
  if (left) Line(Canvas, Colors.InnerShadowColor, r.Left + 1, mid, r.Left + 1, r.Bottom - 1);
  if (right) Line(Canvas, Colors.InnerShadowColor, r.Right - 2, mid, r.Right - 2, r.Bottom - 1);

  Line(Canvas, Colors.BorderColor, r.Left + leftIn, r.Top, r.Right - rightIn, r.Top);
  Line(Canvas, Colors.BorderColor, r.Left + leftIn, r.Bottom, r.Right - rightIn, r.Bottom);
  if (left) Line(Canvas, Colors.BorderColor, r.Left, r.Top + 2, r.Left, r.Bottom - 1);
  if (right) Line(Canvas, Colors.BorderColor, r.Right - 1, r.Top + 2, r.Right - 1, r.Bottom - 1);

  if (left) RoundedCorners(Canvas, Colors, r, r.Left + 1, r.Left);
  if (right) RoundedCorners(Canvas, Colors, r, r.Right - 2, r.Right - 1);

  FaceFill(Canvas, Colors, Rect(r.Left + leftIn, r.Top + 2, r.Right - rightIn, r.Bottom - 1));
}
