#include "grid/base/AdvTimerSpeedButton.h"

#include <array>

#include "grid/base/VisualStyleBinding.h"
#include "platform/gui/FrameControls.h"

namespace {
constexpr unsigned kFirstDelay = 400, kRepeatDelay = 100;
}

TAdvTimerSpeedButton::TAdvTimerSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

void TAdvTimerSpeedButton::SetButtonDirection(TButtonDirection v) {
  FButtonDirection = v;
  Invalidate();
}

void TAdvTimerSpeedButton::SetIsWinXP(bool v) {
  FIsWinXP = v;
  Invalidate();
}

void TAdvTimerSpeedButton::InvalidateParent() {
  if (Parent()) Parent()->Invalidate();
}

void TAdvTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TFreeWatch watch(*this);  // the press moves the focus, whose handlers may free us
  TSpeedButton::MouseDown(Button, Shift, X, Y);
  if (watch.Freed()) return;
  if (Button == mbLeft && (FTimeBtnState & tbAllowTimer)) {
    if (!FRepeatTimer) {
      FRepeatTimer = new TTimer(this);
      FRepeatTimer->SetEnabled(false);
      FRepeatTimer->OnTimer = [this](TObject*) { Repeat(); };
    }
    FRepeatTimer->SetInterval(kFirstDelay);
    FRepeatTimer->SetEnabled(true);
  }
  InvalidateParent();
}

void TAdvTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TFreeWatch watch(*this);
  TSpeedButton::MouseUp(Button, Shift, X, Y);
  if (watch.Freed()) return;
  if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
  InvalidateParent();
}

// Clicks only while the arrow shows down under the held button: dragged
// off, the timer runs on without clicking.
void TAdvTimerSpeedButton::Repeat() {
  FRepeatTimer->SetInterval(kRepeatDelay);
  if (State() != bsDown || !MouseCapture()) return;
  const TFreeWatch watch(*this);
  try {
    Click();
  } catch (...) {
    if (!watch.Freed()) FRepeatTimer->SetEnabled(false);
    throw;
  }
}

void TAdvTimerSpeedButton::MouseEnter() {
  FHasMouse = true;
  Invalidate();
  TSpeedButton::MouseEnter();
}

void TAdvTimerSpeedButton::MouseLeave() {
  FHasMouse = false;
  Invalidate();
  TSpeedButton::MouseLeave();
}

void TAdvTimerSpeedButton::PaintCustom(TCanvas& C, const TRect& R) {
  const TColor face = IsDown() ? FColors->ColorDown : FHasMouse ? FColors->ColorHot : FColors->Color;
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(face);
  C.Pen()->SetColor(face);
  C.Rectangle(R);
  static constexpr std::array<std::array<TPoint, 3>, 4> kCorners{{
      {{{5, 5}, {3, 7}, {5, 9}}},  // bdLeft
      {{{3, 5}, {5, 7}, {3, 9}}},  // bdRight
      {{{4, 4}, {8, 4}, {6, 2}}},  // bdUp
      {{{4, 2}, {8, 2}, {6, 4}}},  // bdDown
  }};
  std::array<TPoint, 3> corners = kCorners[FButtonDirection];
  for (TPoint& p : corners) p = Point(R.Left + p.X, R.Top + p.Y);
  C.Brush()->SetColor(clBlack);
  C.Pen()->SetColor(clBlack);
  C.Polygon(corners);
}

bool TAdvTimerSpeedButton::PaintThemed(TCanvas& C, const TRect& R) {
  if (!FIsWinXP || !Parent()) return false;
  static constexpr int kParts[] = {4, 3, 1, 2};  // by direction: left, right, up, down
  const int state = IsDown() ? 3 : FHasMouse ? 2 : 1;
  return DrawThemedPart(C, Parent()->Handle(), u"spin", kParts[FButtonDirection], state, R);
}

void TAdvTimerSpeedButton::Paint() {
  TCanvas& c = *Canvas();
  const TRect r = ClientRect();
  if (FColors && FColors->Color != clNone) return PaintCustom(c, r);
  if (PaintThemed(c, r)) return;
  if (FButtonDirection == bdUp || FButtonDirection == bdDown) return TSpeedButton::Paint();
  const unsigned kind = FButtonDirection == bdLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
  DrawFrameControl(c, r, DFC_SCROLL, kind | (IsDown() ? DFCS_PUSHED : 0) | (Flat() ? DFCS_FLAT : 0));
}
