#pragma once
// Sizing a window by an edge or corner, as the window system does after
// WM_NCLBUTTONDOWN on a sizing hit code: each pointer move proposes a
// rectangle, the window's WM_SIZING may change it, the window takes it; the
// button's release ends the sizing.
#include "platform/gui/Messages.h"
#include "platform/sys/Types.h"

class TControl;

namespace platform {
// HitCode: HTLEFT .. HTBOTTOMRIGHT; ScreenPos: where the button went down.
void BeginSizeTracking(TControl& Window, WPARAM HitCode, TPoint ScreenPos);
// A mouse message while sizing belongs to the sizing: true when it took it.
bool TrackSizing(UINT Msg, TPoint ScreenPos);
bool SizeTracking();
}  // namespace platform
