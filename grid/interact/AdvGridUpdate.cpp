// The redraw lock and the grid timer.
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/gui/Messages.h"

// Brackets always count, so that they pair however the visibility changes
// in between; only the window's redrawing follows the visibility.
void TAdvStringGrid::BeginUpdate() {
  ++FUpdateCount;
  if (!Visible() || !HandleAllocated()) return;
  Perform(WM_SETREDRAW, 0, 0);
  FState->Timer.RedrawOff = true;
}

void TAdvStringGrid::EndUpdate() {
  if (FUpdateCount == 0) return;
  --FUpdateCount;
  if (FUpdateCount > 0 || Destroying()) return;
  SetSelChangePending(false);
  TGridTimerState& t = FState->Timer;
  // A switch left off while hidden would keep the grid blank once shown.
  if (t.RedrawOff && HandleAllocated()) Perform(WM_SETREDRAW, 1, 0);
  t.RedrawOff = false;
  CalcDueFooter();
  if (Visible()) Invalidate();
}

void TAdvStringGrid::CellControlsUpdate(bool RebuildList) {}
