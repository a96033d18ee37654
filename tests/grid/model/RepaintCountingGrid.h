#pragma once
// A grid that counts the repaints it is asked for, then repaints as usual.
#include "grid/model/AdvStringGrid.h"

class TRepaintCountingGrid : public TAdvStringGrid {
 public:
  using TAdvStringGrid::TAdvStringGrid;
  void Invalidate() override {
    ++Repaints;
    TAdvStringGrid::Invalidate();
  }
  int Repaints = 0;
};
