#include "platform/gui/ClipRects.h"

#include <algorithm>

TClipRects::TClipRects(const TRect& Rect) {
  if (!Rect.IsEmpty()) FRects.push_back(Rect);
}

void TClipRects::Intersect(const TRect& Rect) {
  for (TRect& r : FRects) r = IntersectRect(r, Rect);
  std::erase_if(FRects, [](const TRect& r) { return r.IsEmpty(); });
}

// Each rectangle leaves up to four pieces: the bands above and below the
// cut, and the parts left and right of it between them.
void TClipRects::Exclude(const TRect& Rect) {
  if (Rect.IsEmpty()) return;
  std::vector<TRect> kept;
  for (const TRect& r : FRects) {
    const TRect cut = IntersectRect(r, Rect);
    if (cut.IsEmpty()) {
      kept.push_back(r);
      continue;
    }
    const TRect pieces[] = {{r.Left, r.Top, r.Right, cut.Top},
                            {r.Left, cut.Bottom, r.Right, r.Bottom},
                            {r.Left, cut.Top, cut.Left, cut.Bottom},
                            {cut.Right, cut.Top, r.Right, cut.Bottom}};
    for (const TRect& p : pieces)
      if (!p.IsEmpty()) kept.push_back(p);
  }
  FRects = std::move(kept);
}

void TClipRects::Offset(int DX, int DY) {
  for (TRect& r : FRects) OffsetRect(r, DX, DY);
}

bool TClipRects::Contains(TPoint P) const {
  return std::any_of(FRects.begin(), FRects.end(), [&](const TRect& r) { return r.Contains(P); });
}

TRect TClipRects::Bounds() const {
  if (FRects.empty()) return TRect{};
  TRect b = FRects.front();
  for (const TRect& r : FRects) b = UnionRect(b, r);
  return b;
}
