// The classic progress bar: done part and rest in their own colours, the
// text changing colour where the bar ends.
#include <algorithm>
#include <cmath>
#include <limits>

#include "grid/base/ProgressIndicators.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/FloatText.h"
#include "platform/sys/Format.h"
#include "platform/sys/SysUtils.h"

namespace {

// NaN counts as 0; the rest is limited to [Low, High] before rounding.
int RoundLimited(double Value, double Low, double High) {
  if (std::isnan(Value)) return 0;
  return static_cast<int>(Round(std::clamp(Value, Low, High)));
}

int RoundPosition(double Position) {
  return RoundLimited(Position, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

String PlainText(double Position) { return IntToStr(RoundPosition(Position)) + u"%"; }

String BarText(const TProgressBarValues& b) {
  if (b.Format.empty()) return PlainText(b.Position);
  try {
    if (b.Format.find_first_of(u"du") != String::npos) return Format(b.Format, {RoundPosition(b.Position)});
    return Format(b.Format, {std::isnan(b.Position) ? 0.0 : b.Position});
  } catch (const Exception&) {
    return PlainText(b.Position);
  }
}

int Percentage(const TProgressBarValues& b) {
  if (b.Format.empty()) return RoundLimited(b.Position, 0, 100);
  if (b.Max == b.Min) return 0;
  return RoundLimited((b.Position - b.Min) * 100 / (b.Max - b.Min), 0, 100);
}

void PartWithText(TCanvas& c, const TRect& part, TColor Color, TColor TextColor, TPoint at,
                  const String& Text) {
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(Color);
  c.Pen()->SetColor(Color);
  c.Font()->SetColor(TextColor);
  c.Rectangle(part);
  c.TextRect(part, at.X, at.Y, Text);
}

}  // namespace

void DrawProgressBar(TCanvas& Canvas, const TProgressBarValues& Bar) {
  const TColor remembered = Canvas.Brush()->Color();
  Canvas.Pen()->SetStyle(psSolid);
  Canvas.Pen()->SetWidth(1);
  const String text = BarText(Bar);
  const int percentage = Percentage(Bar);
  TRect r = Bar.Rect;
  InflateRect(r, -Bar.MarginX, -Bar.MarginY);
  const TSize extent = Canvas.TextExtent(text);
  const int textHeight = Bar.Printing ? -extent.cy : extent.cy;
  const TPoint at{r.Left + (r.Width() - extent.cx) / 2, r.Top + (r.Height() - textHeight) / 2};
  const int split = r.Left + static_cast<int>(Round(percentage * r.Width() / 100.0));
  PartWithText(Canvas, TRect{r.Left, r.Top, split, r.Bottom}, Bar.Color, Bar.TextColor, at, text);
  PartWithText(Canvas, TRect{split, r.Top, r.Right, r.Bottom}, Bar.ColorTo, Bar.TextColorTo, at, text);

  Canvas.Brush()->SetColor(Bar.BorderColor);
  Canvas.Pen()->SetColor(remembered);
  InflateRect(r, 1, 1);
  if (Bar.BorderColor != clNone) Canvas.FrameRect(r);
  Canvas.Brush()->SetColor(remembered);
  InflateRect(r, 1, 1);
  Canvas.FrameRect(r);
}
