// The redraw lock and the grid timer.
#include "grid/model/AdvStringGrid.h"

// Only a visible grid counts brackets: a hidden one paints nothing anyway.
void TAdvStringGrid::BeginUpdate() {
  if (!Visible()) return;
  ++FUpdateCount;
}

void TAdvStringGrid::EndUpdate() {
  if (!Visible() || FUpdateCount == 0) return;
  --FUpdateCount;
  if (FUpdateCount > 0 || Destroying()) return;
  CalcDueFooter();
  Invalidate();
}

void TAdvStringGrid::CellControlsUpdate(bool RebuildList) {}

void TAdvStringGrid::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_TIMER:
      if (Message.WParam != GridTimerID) break;
      return GridTimer();
    case WM_LBUTTONDOWN: return WMLButtonDown(Message);
    case WM_LBUTTONUP: return WMLButtonUp(Message);
    case WM_LBUTTONDBLCLK: return WMLButtonDblClk(Message);
    case WM_RBUTTONDOWN: return WMRButtonDown(Message);
    case WM_RBUTTONUP: return WMRButtonUp(Message);
    default: break;
  }
  TBaseGrid::Dispatch(Message);
}

// Blinking text, hovering and the incremental-search reset join here.
void TAdvStringGrid::GridTimer() { ++FTimerTicks; }
