#pragma once
// A canvas clip made of disjoint rectangles, so that a rectangle can be cut
// out of it (ExcludeClipRect) as well as intersected with it.
#include <vector>

#include "platform/sys/Types.h"

class TClipRects {
 public:
  TClipRects() = default;
  explicit TClipRects(const TRect& Rect);

  void Intersect(const TRect& Rect);
  void Exclude(const TRect& Rect);
  void Offset(int DX, int DY);
  bool Contains(TPoint P) const;
  bool IsEmpty() const { return FRects.empty(); }
  // The smallest rectangle around the clip (empty when nothing is left).
  TRect Bounds() const;
  const std::vector<TRect>& Rects() const { return FRects; }
  friend bool operator==(const TClipRects&, const TClipRects&) = default;

 private:
  std::vector<TRect> FRects;
};
