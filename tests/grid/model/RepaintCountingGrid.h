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
  void InvalidateRect(const TRect& R) override {
    ++Repaints;
    TAdvStringGrid::InvalidateRect(R);
  }
  int Repaints = 0;
};
