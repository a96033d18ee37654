#include "grid/base/CellProgressBar.h"

namespace {
TColor Inverse(TColor Color) { return ColorToRGB(Color) ^ 0xFFFFFF; }
}  // namespace

TProgressBarValues CellProgressBar(const TCellGraphic& g, const TControlLook& Look, const TRect& Rect,
                                   double Position) {
  TProgressBarValues bar;
  bar.Rect = Rect;
  bar.Color = g.BitmapSlot().Color();
  bar.ColorTo = g.IconSlot().Color();
  bar.TextColor = g.CellBoolean() ? static_cast<TColor>(g.CellIndex()) : Inverse(bar.Color);
  bar.TextColorTo = g.CellBoolean() ? static_cast<TColor>(g.CellAngle()) : Inverse(bar.ColorTo);
  bar.Position = Position;
  bar.MarginX = Look.ProgressMarginX();
  bar.MarginY = Look.ProgressMarginY();
  bar.Min = g.CellErrFrom();
  bar.Max = g.CellErrLen();
  bar.Format = g.CellText();
  bar.BorderColor = Look.ProgressBorderColor();
  return bar;
}
