#include "platform/gui/SizeTracking.h"

#include <algorithm>

#include "platform/gui/Controls.h"
#include "platform/gui/WindowStyles.h"

namespace {
struct Tracking {
  HWND Window = 0;
  WPARAM Edge = 0;  // WMSZ_xxx
  TPoint Start;
  TRect StartBounds;
};

Tracking& Current() {
  static Tracking t;
  return t;
}

TRect Proposed(const Tracking& t, TPoint At) {
  const int dx = At.X - t.Start.X, dy = At.Y - t.Start.Y;
  TRect r = t.StartBounds;
  const WPARAM e = t.Edge;
  if (e == WMSZ_LEFT || e == WMSZ_TOPLEFT || e == WMSZ_BOTTOMLEFT) r.Left += dx;
  if (e == WMSZ_RIGHT || e == WMSZ_TOPRIGHT || e == WMSZ_BOTTOMRIGHT) r.Right += dx;
  if (e == WMSZ_TOP || e == WMSZ_TOPLEFT || e == WMSZ_TOPRIGHT) r.Top += dy;
  if (e == WMSZ_BOTTOM || e == WMSZ_BOTTOMLEFT || e == WMSZ_BOTTOMRIGHT) r.Bottom += dy;
  return r;
}
}  // namespace

namespace platform {
void BeginSizeTracking(TControl& Window, WPARAM HitCode, TPoint ScreenPos) {
  auto* w = dynamic_cast<TWinControl*>(&Window);
  if (!w || HitCode < static_cast<WPARAM>(HTLEFT) || HitCode > static_cast<WPARAM>(HTBOTTOMRIGHT)) return;
  SetCaptureControl(nullptr);
  Current() = {w->Handle(), HitCode - (HTLEFT - WMSZ_LEFT), ScreenPos, w->BoundsRect()};
}

bool SizeTracking() { return Current().Window != 0; }

bool TrackSizing(UINT Msg, TPoint ScreenPos) {
  Tracking& t = Current();
  if (!t.Window) return false;
  TWinControl* w = FindControl(t.Window);
  if (!w || Msg == WM_LBUTTONUP) {
    t = {};
    return true;
  }
  if (Msg != WM_MOUSEMOVE) return true;
  TRect r = Proposed(t, ScreenPos);
  w->Perform(WM_SIZING, t.Edge, reinterpret_cast<LPARAM>(&r));
  if ((w = FindControl(t.Window)) != nullptr) w->SetBounds(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
  return true;
}
}  // namespace platform
