// The progress pie and the value bar centred on zero.
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "grid/base/ProgressIndicators.h"
#include "platform/sys/FloatText.h"
#include "platform/sys/SysUtils.h"

namespace {

int RoundInt(double Value) { return static_cast<int>(Round(Value)); }

// Points of the sector from 12 o'clock clockwise to Angle (radians): the
// centre, then the arc every few degrees.
std::vector<TPoint> Sector(double cx, double cy, double rx, double ry, double Angle) {
  const int steps = std::max(1, static_cast<int>(std::ceil(Angle / (std::numbers::pi / 60))));
  std::vector<TPoint> points{Point(RoundInt(cx), RoundInt(cy))};
  for (int k = 0; k <= steps; ++k) {
    const double a = Angle * k / steps;
    points.push_back(Point(RoundInt(cx + rx * std::sin(a)), RoundInt(cy - ry * std::cos(a))));
  }
  return points;
}

}  // namespace

void DrawProgressPie(TCanvas& Canvas, const TRect& Rect, TColor Color, int Percent, bool Printing) {
  Percent = std::clamp(Percent, 0, 100);
  const int w = Rect.Width(), h = Rect.Height();
  const int cx = Rect.Left + w / 2, cy = Rect.Top + h / 2;
  const double angle = Percent / 100.0 * 2 * std::numbers::pi;
  Canvas.Pen()->SetStyle(psSolid);
  Canvas.Pen()->SetWidth(1);
  Canvas.Pen()->SetColor(clGray);
  Canvas.Ellipse(Rect);
  if (Percent > 0) {
    // The sector lies inside the outline, which is drawn again over its edge.
    Canvas.Pen()->SetColor(Color);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color);
    const double rx = (w - 1) / 2.0, ry = (h - 1) / 2.0;
    const auto points = Sector(Rect.Left + rx, Rect.Top + ry, rx, ry, angle);
    Canvas.Polygon(points);
    Canvas.Pen()->SetColor(clGray);
    const TBrushStyle style = Canvas.Brush()->Style();
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.Ellipse(Rect);
    Canvas.Brush()->SetStyle(style);
  }
  Canvas.MoveTo(cx, Rect.Top);
  Canvas.LineTo(cx, cy);
  Canvas.LineTo(cx + RoundInt((w + 1) / 2.0 * std::sin(angle)), cy - RoundInt((h + 1) / 2.0 * std::cos(angle)));
  Canvas.Brush()->SetColor(Color);
}

void DrawCenteredValueBar(TCanvas& Canvas, const TRect& Rect, double Position, double Max,
                          bool ShowValue, TColor NegativeColor, TColor PositiveColor) {
  TRect r = Rect;
  InflateRect(r, -2, -2);
  if (std::isnan(Position)) Position = 0;
  if (!std::isnan(Max) && Max > 0) {
    Position = std::clamp(Position, -Max, Max);
    const int half = r.Width() / 2, mid = r.Left + half;
    const int x = RoundInt(std::clamp(half * Position / Max, -1e9, 1e9));
    const TColor color = x < 0 ? NegativeColor : PositiveColor;
    Canvas.Pen()->SetStyle(psSolid);
    Canvas.Pen()->SetColor(color);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(color);
    if (x != 0) Canvas.Rectangle(std::min(mid, mid + x), r.Top, std::max(mid, mid + x), r.Bottom);
  }
  if (!ShowValue) return;
  const double limited = std::clamp(Position, double(std::numeric_limits<int>::min()),
                                    double(std::numeric_limits<int>::max()));
  const String text = IntToStr(RoundInt(limited));
  const TSize size = Canvas.TextExtent(text);
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.TextOut(r.Left + (r.Width() - size.cx) / 2, r.Top + (r.Height() - size.cy) / 2, text);
}
