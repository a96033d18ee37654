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
  if (Message.Msg == WM_TIMER && Message.WParam == GridTimerID) {
    GridTimer();
    return;
  }
  TBaseGrid::Dispatch(Message);
}

// Blinking text, hovering and the incremental-search reset join here.
void TAdvStringGrid::GridTimer() { ++FTimerTicks; }
