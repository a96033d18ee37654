#include "grid/base/CellShapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/sys/FloatText.h"

namespace {

void Poly(TCanvas& c, std::vector<TPoint> points) { c.Polygon(points); }

// Point k of the ten around the centre, every 36 degrees clockwise from the
// top; odd points on a third of the radii.
TPoint StarPoint(int X, int Y, int w, int h, int k) {
  const double a = k * 36 * std::numbers::pi / 180;
  const double rx = k % 2 ? w / 2 / 3.0 : w / 2, ry = k % 2 ? h / 2 / 3.0 : h / 2;
  return Point(X + w / 2 + static_cast<int>(Round(std::sin(a) * rx)),
               Y + h / 2 - static_cast<int>(Round(std::cos(a) * ry)));
}

void Star(TCanvas& c, int X, int Y, int w, int h, std::initializer_list<int> Ks) {
  std::vector<TPoint> points;
  for (int k : Ks) points.push_back(StarPoint(X, Y, w, h, k));
  c.Polygon(points);
}

void Arrow(TCanvas& c, int X, int Y, int w, int h, TCellShape Shape) {
  if (Shape == csArrowUp || Shape == csArrowDown) {
    const int W = w / 2 * 2, q = W / 4;
    const int tip = Shape == csArrowUp ? Y : Y + h, tail = Shape == csArrowUp ? Y + h : Y;
    const int m = Y + h / 2;
    Poly(c, {Point(X, m), Point(X + W / 2, tip), Point(X + W, m), Point(X + 3 * q, m),
             Point(X + 3 * q, tail), Point(X + q, tail), Point(X + q, m)});
    return;
  }
  const int H = h / 2 * 2, q = H / 4;
  const int tip = Shape == csArrowLeft ? X : X + w, tail = Shape == csArrowLeft ? X + w : X;
  const int m = X + w / 2;
  Poly(c, {Point(tip, Y + H / 2), Point(m, Y), Point(m, Y + q), Point(tail, Y + q),
           Point(tail, Y + 3 * q), Point(m, Y + 3 * q), Point(m, Y + H)});
}

}  // namespace

void DrawCellShape(TCanvas& Canvas, int X, int Y, int Width, int Height, TCellShape Shape,
                   TColor BrushColor, TColor PenColor) {
  if (Shape < 0 || Shape >= EnumCount<TCellShape>()) return;
  int w = Width, h = Height;
  if (Shape == csCircle || Shape == csSquare || Shape == csRoundSquare) w = h = std::min(w, h);
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(BrushColor);
  Canvas.Pen()->SetStyle(psSolid);
  Canvas.Pen()->SetColor(PenColor);
  switch (Shape) {
    case csRectangle:
    case csSquare: Canvas.Rectangle(X + 1, Y + 1, X + w - 1, Y + h - 1); break;
    case csCircle:
    case csEllips: Canvas.Ellipse(X, Y, X + w, Y + h); break;
    case csTriangleLeft: Poly(Canvas, {Point(X + w, Y), Point(X + w, Y + h), Point(X, Y + h / 2)}); break;
    case csTriangleRight: Poly(Canvas, {Point(X, Y), Point(X, Y + h), Point(X + w, Y + h / 2)}); break;
    case csTriangleUp: Poly(Canvas, {Point(X, Y + h), Point(X + w, Y + h), Point(X + w / 2, Y)}); break;
    case csTriangleDown: Poly(Canvas, {Point(X, Y), Point(X + w, Y), Point(X + w / 2, Y + h)}); break;
    case csDiamond:
      Poly(Canvas, {Point(X, Y + h / 2), Point(X + w / 2, Y), Point(X + 2 * (w / 2), Y + h / 2),
                    Point(X + w / 2, Y + 2 * (h / 2))});
      break;
    case csLineVert: Canvas.Rectangle(X + w / 2, Y, X + w / 2 + 1, Y + h); break;
    case csLineHorz: Canvas.Rectangle(X, Y + h / 2, X + w, Y + h / 2 + 1); break;
    case csRoundRect:
    case csRoundSquare: Canvas.RoundRect(X, Y, X + w, Y + h, 10, 10); break;
    case csStar: Star(Canvas, X, Y, w, h, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}); break;
    case csHalfStar: Star(Canvas, X, Y, w, h, {0, 5, 6, 7, 8, 9}); break;
    case csArrowUp:
    case csArrowDown:
    case csArrowLeft:
    case csArrowRight: Arrow(Canvas, X, Y, w, h, Shape); break;
  }
}
