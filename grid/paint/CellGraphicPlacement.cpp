#include "grid/paint/CellGraphicPlacement.h"

#include <algorithm>

namespace {

const TCellTypes CheckTypes{ctCheckBox,    ctDataCheckBox, ctVirtCheckBox,
                            ctRowCheckBox, ctRadioButton,  ctTriStateCheckBox};
const TCellTypes DataChecks{ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox};

int Centred(int From, int Room, int Extent) { return Extent <= Room ? From + (Room - Extent) / 2 : From + 1; }

int PlacedLeft(const TGraphicPlace& P) {
  const TRect& r = P.R;
  const int w = P.Size.X, t = P.TextSpan, room = r.Right - r.Left;
  switch (P.HAlign) {
    case haRight: return r.Right - 1 - w;
    case haCenter: return Centred(r.Left, room, w);
    case haBeforeText:
      if (P.TextAlign == taRightJustify) return r.Right - t - w;
      if (P.TextAlign == taCenter) return std::max(r.Left + 1, r.Left + (room - t - w) / 2);
      return r.Left + 1;
    case haAfterText:
      if (P.TextAlign == taRightJustify) return r.Right - 1 - w;
      if (P.TextAlign == taCenter) return r.Left + t + (room - t - w) / 2;
      return r.Left + t;
    case haFull: return r.Left;
    default: return r.Left + 1;
  }
}

int PlacedTop(const TGraphicPlace& P) {
  const TRect& r = P.R;
  const int h = P.Size.Y;
  if (P.OwnVAlign && IsCheckGraphic(P.Type)) {
    if (P.CellVAlign == vtaCenter) return Centred(r.Top, r.Bottom - r.Top, h);
    return P.CellVAlign == vtaBottom ? r.Bottom - 1 - h : r.Top + 1;
  }
  switch (P.VAlign) {
    case vaBottom: return r.Bottom - 1 - h;
    case vaCenter: return Centred(r.Top, r.Bottom - r.Top, h);
    case vaUnderText: return r.Bottom - h;
    case vaFull: return r.Top;
    default: return r.Top + 1;
  }
}

// Boxes sit where the text's alignment puts them, whatever the graphic says.
int CheckLeft(const TGraphicPlace& P) {
  const TRect& r = P.R;
  const int w = P.Size.X, t = P.TextSpan, room = r.Right - r.Left;
  const bool data = DataChecks.Contains(P.Type);
  int left = r.Left + 1;
  if (P.TextAlign == taRightJustify) {
    left = data ? r.Right - w - 1 : r.Right - t - w - 1;
  } else if (P.TextAlign == taCenter) {
    left = data || t < 1 ? r.Left + std::max(0, room - w) / 2 : r.Left + std::max(0, room - t) / 2 - w;
  }
  return left < r.Left ? r.Left + 1 : left;
}

}  // namespace

bool IsCheckGraphic(TCellType Type) { return CheckTypes.Contains(Type); }

TRect PlaceCellGraphic(const TGraphicPlace& P) {
  TRect g;
  g.Left = IsCheckGraphic(P.Type) ? CheckLeft(P) : PlacedLeft(P);
  g.Right = P.HAlign == haFull && !IsCheckGraphic(P.Type) ? P.R.Right : g.Left + P.Size.X;
  g.Top = PlacedTop(P);
  g.Bottom = P.VAlign == vaFull && !(P.OwnVAlign && IsCheckGraphic(P.Type)) ? P.R.Bottom : g.Top + P.Size.Y;
  return g;
}
