#include "platform/gui/Region.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
using TSpans = std::vector<std::pair<int, int>>;

bool Inside(const TSpans& Spans, int X) {
  return std::ranges::any_of(Spans, [X](const auto& s) { return X >= s.first && X < s.second; });
}

// The spans where Keep(in A, in B) holds.
template <class Op>
TSpans CombineSpans(const TSpans& A, const TSpans& B, Op Keep) {
  std::vector<int> edges;
  for (const TSpans* spans : {&A, &B})
    for (const auto& [l, r] : *spans) edges.insert(edges.end(), {l, r});
  std::ranges::sort(edges);
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  TSpans out;
  for (size_t i = 0; i + 1 < edges.size(); ++i) {
    if (!Keep(Inside(A, edges[i]), Inside(B, edges[i]))) continue;
    if (!out.empty() && out.back().second == edges[i]) out.back().second = edges[i + 1];
    else out.emplace_back(edges[i], edges[i + 1]);
  }
  return out;
}

bool KeepFor(int Mode, bool A, bool B) {
  switch (Mode) {
    case RGN_AND: return A && B;
    case RGN_OR: return A || B;
    case RGN_XOR: return A != B;
    case RGN_DIFF: return A && !B;
    default: return A;
  }
}

// The first pixel whose centre lies at or right of X.
int FirstPixelFrom(double X) { return static_cast<int>(std::ceil(X - 0.5)); }
}  // namespace

void TRegion::AddSpan(int Y, int Left, int Right) {
  if (Right <= Left) return;
  TSpans& row = FRows[Y];
  row = CombineSpans(row, TSpans{{Left, Right}}, [](bool a, bool b) { return a || b; });
}

TRegion TRegion::FromRect(const TRect& R) {
  TRegion region;
  for (int y = R.Top; y < R.Bottom; ++y) region.AddSpan(y, R.Left, R.Right);
  return region;
}

TRegion TRegion::RoundRect(const TRect& R, int EllipseW, int EllipseH) {
  const double a = std::min(std::abs(EllipseW), R.Width()) / 2.0, b = std::min(std::abs(EllipseH), R.Height()) / 2.0;
  TRegion region;
  for (int y = R.Top; y < R.Bottom; ++y) {
    const double cy = y + 0.5;
    double ey = 0;
    if (cy < R.Top + b) ey = R.Top + b - cy;
    else if (cy > R.Bottom - b) ey = cy - (R.Bottom - b);
    const double dx = b > 0 && ey > 0 ? a - a * std::sqrt(std::max(0.0, 1 - (ey / b) * (ey / b))) : 0;
    region.AddSpan(y, FirstPixelFrom(R.Left + dx), FirstPixelFrom(R.Right - dx));
  }
  return region;
}

TRegion TRegion::Polygon(std::span<const TPoint> Points, int FillMode) {
  TRegion region;
  if (Points.size() < 3) return region;
  const auto [lo, hi] = std::ranges::minmax(Points, {}, &TPoint::Y);
  for (int y = lo.Y; y < hi.Y; ++y) {
    const double cy = y + 0.5;
    std::vector<std::pair<double, int>> crossings;  // x, direction
    for (size_t i = 0; i < Points.size(); ++i) {
      const TPoint p = Points[i], q = Points[(i + 1) % Points.size()];
      if ((p.Y <= cy) == (q.Y <= cy)) continue;
      const double x = p.X + (cy - p.Y) * (q.X - p.X) / static_cast<double>(q.Y - p.Y);
      crossings.emplace_back(x, q.Y > p.Y ? 1 : -1);
    }
    std::ranges::sort(crossings);
    int winding = 0;
    for (size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += FillMode == WINDING ? crossings[i].second : 1;
      const bool in = FillMode == WINDING ? winding != 0 : (winding % 2) != 0;
      if (in) region.AddSpan(y, FirstPixelFrom(crossings[i].first), FirstPixelFrom(crossings[i + 1].first));
    }
  }
  return region;
}

bool TRegion::Contains(TPoint P) const {
  const auto row = FRows.find(P.Y);
  return row != FRows.end() && Inside(row->second, P.X);
}

TRect TRegion::Bounds() const {
  if (FRows.empty()) return {};
  TRect r;
  r.Top = FRows.begin()->first;
  r.Bottom = FRows.rbegin()->first + 1;
  r.Left = r.Right = FRows.begin()->second.front().first;
  for (const auto& [y, spans] : FRows) {
    r.Left = std::min(r.Left, spans.front().first);
    r.Right = std::max(r.Right, spans.back().second);
  }
  return r;
}

std::vector<TRect> TRegion::Rects() const {
  std::vector<TRect> out;
  const TSpans* above = nullptr;
  int aboveY = 0;
  size_t firstOfRow = 0;
  for (const auto& [y, spans] : FRows) {
    // A row like the one above it makes that row's rectangles taller.
    if (above && aboveY == y - 1 && *above == spans) {
      for (size_t i = firstOfRow; i < out.size(); ++i) out[i].Bottom = y + 1;
    } else {
      firstOfRow = out.size();
      for (const auto& [l, r] : spans) out.push_back(TRect{l, y, r, y + 1});
    }
    above = &spans;
    aboveY = y;
  }
  return out;
}

TRegion TRegion::Combined(const TRegion& Other, int Mode) const {
  TRegion out;
  std::vector<int> rows;
  for (const TRegion* r : {this, &Other})
    for (const auto& [y, spans] : r->FRows) rows.push_back(y);
  std::ranges::sort(rows);
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  static const TSpans none;
  for (int y : rows) {
    const auto a = FRows.find(y), b = Other.FRows.find(y);
    TSpans spans = CombineSpans(a == FRows.end() ? none : a->second, b == Other.FRows.end() ? none : b->second,
                                [Mode](bool x, bool z) { return KeepFor(Mode, x, z); });
    if (!spans.empty()) out.FRows[y] = std::move(spans);
  }
  return out;
}

void TRegion::Offset(int DX, int DY) {
  std::map<int, TSpans> moved;
  for (auto& [y, spans] : FRows) {
    for (auto& s : spans) s = {s.first + DX, s.second + DX};
    moved[y + DY] = std::move(spans);
  }
  FRows = std::move(moved);
}
