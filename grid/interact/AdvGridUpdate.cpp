// The redraw lock: nested brackets, painting resumes when the last closes.
#include "grid/model/AdvStringGrid.h"

void TAdvStringGrid::BeginUpdate() { ++FUpdateCount; }

void TAdvStringGrid::EndUpdate() {
  if (FUpdateCount == 0) return;
  --FUpdateCount;
  if (FUpdateCount == 0 && !Destroying()) Invalidate();
}

void TAdvStringGrid::CellControlsUpdate(bool RebuildList) {}
