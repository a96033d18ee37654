#include "grid/base/LabelPlacement.h"

namespace {
int CenterTop(const TLabelPlacement& p) {
  const int h = p.Control.Height();
  return h >= p.LabelHeight ? p.Control.Top + (h - p.LabelHeight) / 2 : p.Control.Top - (p.LabelHeight - h) / 2;
}

int CenterLeft(const TLabelPlacement& p) {
  const int w = p.Control.Width();
  return p.LabelWidth < w ? p.Control.Left + (w - p.LabelWidth) / 2 : p.Control.Left - (p.LabelWidth - w) / 2;
}
}  // namespace

TPoint PlaceLabel(TLabelPosition Position, const TLabelPlacement& P) {
  const TRect& c = P.Control;
  const int before = c.Left - P.TextWidth - P.Margin, after = c.Right + P.Margin;
  const int above = c.Top - P.LabelHeight - P.Margin, below = c.Bottom + P.Margin;
  const int bottom = c.Bottom - P.LabelHeight;
  switch (Position) {
    case lpLeftTop: return Point(before, c.Top);
    case lpLeftCenter: return Point(before, CenterTop(P));
    case lpLeftBottom: return Point(before, bottom);
    case lpTopLeft: return Point(c.Left, above);
    case lpBottomLeft: return Point(c.Left, below);
    case lpLeftTopLeft: return Point(c.Left - P.Margin, c.Top);
    case lpLeftCenterLeft: return Point(c.Left - P.Margin, CenterTop(P));
    case lpLeftBottomLeft: return Point(c.Left - P.Margin, bottom);
    case lpTopCenter: return Point(CenterLeft(P), above);
    case lpBottomCenter: return Point(CenterLeft(P), below);
    case lpRightTop: return Point(after, c.Top);
    case lpRightCenter: return Point(after, CenterTop(P));
    case lpRighBottom: return Point(after, bottom);
    case lpTopRight: return Point(c.Right - P.LabelWidth, above);
    case lpBottomRight: return Point(c.Right - P.LabelWidth, below);
  }
  return Point(c.Left, c.Top);
}
