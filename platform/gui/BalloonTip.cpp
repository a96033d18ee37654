#include "platform/gui/BalloonTip.h"

#include <algorithm>

#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Views.h"

namespace {
constexpr int Pad = 8, IconSize = 16, Stem = 12, Gap = 4;

TColor IconColor(TBalloonIcon Icon) {
  switch (Icon) {
    case biWarning: return TColor(0x0000C0FF);
    case biError: return clRed;
    default: return TColor(0x00D07010);
  }
}

const char16_t* IconMark(TBalloonIcon Icon) {
  switch (Icon) {
    case biWarning: return u"!";
    case biError: return u"x";
    default: return u"i";
  }
}
}  // namespace

TBalloonTip& BalloonTipFor(TControl& Owner) {
  for (int i = 0; i < Owner.ComponentCount(); ++i)
    if (auto* b = dynamic_cast<TBalloonTip*>(Owner.Components(i))) return *b;
  return *new TBalloonTip(Owner);
}

TBalloonTip::TBalloonTip(TControl& Owner) : TCustomControl(&Owner) {
  TControl::SetVisible(false);
  SetView(platform::CreatePopupView(*this));
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
  FTimer.SetEnabled(false);
  FTimer.OnTimer = [this](TObject*) {
    FTimer.SetEnabled(false);
    if (auto then = std::exchange(FThen, nullptr)) (this->*then)();
  };
}

void TBalloonTip::SetDelays(int Initial, int Reshow, int AutoHide) {
  FInitialDelay = Initial < 0 ? 500 : Initial;
  FReshowDelay = Reshow < 0 ? 100 : Reshow;
  FAutoHideDelay = AutoHide < 0 ? 5000 : AutoHide;
}

void TBalloonTip::Wait(int Ms, void (TBalloonTip::*Then)()) {
  FTimer.SetEnabled(false);
  FThen = Then;
  if (Ms <= 0) return (this->*std::exchange(FThen, nullptr))();
  FTimer.SetInterval(static_cast<unsigned>(Ms));
  FTimer.SetEnabled(true);
}

void TBalloonTip::Activate(TPoint ScreenPos) {
  if (Up() && ScreenPos == FSpot) return;
  const bool wasUp = Up();
  FSpot = ScreenPos;
  Hide();
  Wait(wasUp ? FReshowDelay : FInitialDelay, &TBalloonTip::ShowNow);
}

void TBalloonTip::Pop() {
  FTimer.SetEnabled(false);
  FThen = nullptr;
  Hide();
}

TRect TBalloonTip::TextRect() const {
  const int left = Pad + (FIcon != biNone ? IconSize + Gap : 0);
  const int top = (FPointsUp ? Stem : 0) + Pad;
  return Rect(left, top, Width() - Pad, Height() - (FPointsUp ? 0 : Stem) - Pad);
}

TSize TBalloonTip::Measure() {
  TBitmap measure(1, 1);
  TCanvas& c = *measure.Canvas();
  const int iconRoom = FIcon != biNone ? IconSize + Gap : 0;
  const int textWidth = std::max(1, FMaxWidth - 2 * Pad - iconRoom);
  TRect body = Rect(0, 0, textWidth, 0);
  c.SetFont(*Font());
  c.DrawText(Text(), body, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  TRect title = Rect(0, 0, textWidth, 0);
  c.Font()->SetStyle({fsBold});
  if (!FTitle.empty()) c.DrawText(FTitle, title, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
  const int head = std::max(FTitle.empty() ? 0 : title.Height() + Gap, FIcon != biNone ? IconSize + Gap : 0);
  const int w = std::max(body.Width(), title.Width()) + iconRoom + 2 * Pad;
  return TSize{std::min(w, std::max(FMaxWidth, 2 * Pad + iconRoom + 1)), head + body.Height() + 2 * Pad + Stem};
}

void TBalloonTip::ShowNow() {
  const TFreeWatch watch(*this);
  if (OnNeedText) OnNeedText(*this);
  if (watch.Freed() || (Text().empty() && FTitle.empty())) return;
  const TSize size = Measure();
  // Below the spot, its corner at the spot; above it where the screen ends.
  FPointsUp = FSpot.Y + size.cy <= Screen->Height();
  const int left = std::clamp(FSpot.X - Stem, 0, std::max(0, Screen->Width() - size.cx));
  SetBounds(left, FPointsUp ? FSpot.Y : FSpot.Y - size.cy, size.cx, size.cy);
  Show();
  BringToFront();
  Invalidate();
  Wait(FAutoHideDelay, &TBalloonTip::Pop);
}

void TBalloonTip::Paint() {
  TCanvas& c = *Canvas();
  const int bodyTop = FPointsUp ? Stem : 0, bodyBottom = Height() - (FPointsUp ? 0 : Stem);
  c.Brush()->SetColor(Color());
  c.Pen()->SetColor(clInfoText);
  c.RoundRect(0, bodyTop, Width(), bodyBottom, 12, 12);
  const int sx = std::clamp(FSpot.X - Left(), 1, Width() - 2);
  const int baseY = FPointsUp ? bodyTop : bodyBottom - 1;
  const TPoint stem[] = {Point(sx, FPointsUp ? 0 : Height() - 1), Point(sx + Stem, baseY), Point(sx + 2 * Stem, baseY)};
  c.Polygon(stem);
  TRect r = TextRect();
  if (FIcon != biNone) {
    c.Brush()->SetColor(IconColor(FIcon));
    c.Pen()->SetColor(IconColor(FIcon));
    c.Ellipse(Pad, r.Top, Pad + IconSize, r.Top + IconSize);
    c.Font()->SetColor(clWhite);
    c.Brush()->SetStyle(bsClear);
    TRect mark = Rect(Pad, r.Top, Pad + IconSize, r.Top + IconSize);
    c.DrawText(IconMark(FIcon), mark, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    c.Font()->SetColor(Font()->Color());
  }
  c.Brush()->SetStyle(bsClear);
  if (!FTitle.empty()) {
    c.Font()->SetStyle({fsBold});
    TRect t = r;
    c.DrawText(FTitle, t, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    c.DrawText(FTitle, t, DT_SINGLELINE | DT_NOPREFIX);
    r.Top = std::max(t.Bottom, FIcon != biNone ? r.Top + IconSize : 0) + Gap;
    c.Font()->SetStyle({});
  } else if (FIcon != biNone) {
    r.Top += IconSize + Gap;
  }
  c.DrawText(Text(), r, DT_WORDBREAK | DT_NOPREFIX);
}
