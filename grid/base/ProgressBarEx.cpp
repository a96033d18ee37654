// The appearance-driven progress bar: level colours, stacked segments or
// blocks, optional gradients and a percentage, horizontal or growing upwards.
#include <algorithm>

#include "grid/base/GradientFill.h"
#include "grid/base/ProgressIndicators.h"
#include "platform/sys/FloatText.h"
#include "platform/sys/SysUtils.h"

namespace {

struct TLevelColors {
  TColor Color;
  TColor ColorTo;
};

// Lays segments along the bar: Start and Length run from the bar's start
// (left, or bottom of a vertical bar); Inset narrows them across the bar.
class TBarPainter {
 public:
  TBarPainter(TCanvas& c, const TRect& r, const TProgressDrawInfo& i) : c_(c), r_(r), i_(i) {}

  int Length() const { return (i_.Vertical ? r_.Height() : r_.Width()) - 2; }

  void Segment(int Start, int Length, int Inset, const TLevelColors& Colors) {
    if (Length <= 0) return;
    TRect s;
    if (i_.Vertical)
      s = TRect{r_.Left + Inset, r_.Bottom - Start - Length, r_.Right - Inset, r_.Bottom - Start};
    else
      s = TRect{r_.Left + Start, r_.Top + Inset, r_.Left + Start + Length, r_.Bottom - Inset};
    Fill(s, Colors);
  }

 private:
  void Fill(const TRect& s, const TLevelColors& k) {
    if (!i_.ShowGradient) {
      FillRectWithColor(c_, s, k.Color);
      return;
    }
    TRect a = s, b = s;
    if (i_.Vertical)
      a.Right = b.Left = s.Left + s.Width() / 2;
    else
      a.Bottom = b.Top = s.Top + s.Height() / 2;
    DrawGradientRect(c_, k.ColorTo, k.Color, i_.Steps, a, i_.Vertical);
    DrawGradientRect(c_, k.Color, k.ColorTo, i_.Steps, b, i_.Vertical);
  }

  TCanvas& c_;
  TRect r_;
  const TProgressDrawInfo& i_;
};

int Part(int Percent, int Length) { return static_cast<int>(Round(Percent * Length / 100.0)); }

void Stacked(TBarPainter& bar, int Percent, const TProgressDrawInfo& i) {
  const int length = bar.Length();
  int at = 1;
  const int first = Part(std::min(Percent, i.Level1Perc), length);
  bar.Segment(at, first, 1, {i.Level0Color, i.Level0ColorTo});
  at += first;
  if (Percent < i.Level1Perc) return;
  const int second = Part(std::min(Percent, i.Level2Perc) - i.Level1Perc, length);
  bar.Segment(at, second, 1, {i.Level1Color, i.Level1ColorTo});
  at += second;
  if (Percent < i.Level2Perc) return;
  const int third = Percent >= 100 ? length + 1 - at : Part(Percent - i.Level2Perc, length);
  bar.Segment(at, third, 1, {i.Level3Color, i.Level3ColorTo});
}

TLevelColors LevelOf(int Percent, const TProgressDrawInfo& i) {
  if (Percent < i.Level1Perc) return {i.Level0Color, i.Level0ColorTo};
  if (Percent < i.Level2Perc) return {i.Level1Color, i.Level1ColorTo};
  if (Percent > 99) return {i.Level3Color, i.Level3ColorTo};
  return {i.Level2Color, i.Level2ColorTo};
}

// 7-pixel blocks every 9 pixels, 2 pixels in from the edge, and what is left.
void Blocks(TBarPainter& bar, int Filled, const TLevelColors& k) {
  constexpr int kPeriod = 9, kBlock = 7, kInset = 2;
  if (Filled <= 1) return;
  if (Filled <= kPeriod) {
    bar.Segment(kInset, Filled - 1, kInset, k);
    return;
  }
  const int whole = Filled / kPeriod, rest = Filled % kPeriod;
  for (int n = 0; n < whole; ++n) bar.Segment(kInset + n * kPeriod, kBlock, kInset, k);
  if (rest > 2) bar.Segment(kInset + whole * kPeriod, rest - 1, kInset, k);
}

void PercentageText(TCanvas& c, const TRect& r, int Percent, const TProgressDrawInfo& i) {
  c.Brush()->SetStyle(bsClear);
  if (i.Font) c.SetFont(*i.Font);
  c.Font()->SetColor(i.CompleteFontColor);
  const String text = IntToStr(Percent) + u"%";
  const TSize size = c.TextExtent(text);
  if (!i.Vertical) {
    c.TextOut(r.Left + (r.Width() - size.cx) / 2, r.Top + (r.Height() - size.cy) / 2, text);
    return;
  }
  const int orientation = c.Font()->Orientation();
  c.Font()->SetOrientation(900);
  c.TextOut(r.Left + (r.Width() - size.cy) / 2, r.Top + (r.Height() + size.cx) / 2, text);
  c.Font()->SetOrientation(orientation);
}

void SetPen(TCanvas& c, TColor Color) {
  c.Pen()->SetWidth(1);
  c.Pen()->SetStyle(Color == clNone ? psClear : psSolid);
  c.Pen()->SetColor(Color);
}

}  // namespace

void DrawProgressBarEx(TCanvas& Canvas, const TRect& Rect, int Percent, const TProgressDrawInfo& Info) {
  Percent = std::clamp(Percent, 0, 100);
  const TColor pen = Info.ShowBorder ? Info.BorderColor : Info.UnCompleteColor;
  Canvas.Brush()->SetStyle(Info.UnCompleteColor == clNone ? bsClear : bsSolid);
  Canvas.Brush()->SetColor(Info.UnCompleteColor);
  SetPen(Canvas, pen);
  Canvas.Rectangle(Rect);
  TBarPainter bar(Canvas, Rect, Info);
  if (Percent > 0) {
    if (Info.Stacked)
      Stacked(bar, Percent, Info);
    else if (Info.CompletionSmooth)
      bar.Segment(1, Part(Percent, bar.Length()), 1, LevelOf(Percent, Info));
    else
      Blocks(bar, Part(Percent, bar.Length()), LevelOf(Percent, Info));
  }
  if (Info.ShowPercentage) PercentageText(Canvas, Rect, Percent, Info);
  Canvas.Brush()->SetStyle(bsClear);
  SetPen(Canvas, pen);
  Canvas.Rectangle(Rect);
}
