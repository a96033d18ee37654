#pragma once
// A grid on a shown form that counts the paints of each cell, with the
// input driver and the virtual clock: what a message or a tick repaints.
#include <map>
#include <utility>

#include "grid/model/AdvStringGrid.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ShownOnForm.h"
#include "tests/support/SystemInputDriver.h"

namespace painttest {

class TPaintCountingGrid : public TAdvStringGrid {
 public:
  using TAdvStringGrid::TAdvStringGrid;
  void PaintCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect,
                 TGridDrawState AState) override {
    ++Painted[{ACol, ARow}];
    TAdvStringGrid::PaintCell(ACanvas, ACol, ARow, ARect, AState);
  }
  int PaintsOf(int ACol, int ARow) { return Painted[{ACol, ARow}]; }
  std::map<std::pair<int, int>, int> Painted;
};

struct ShownGrid {
  TPaintCountingGrid* G = new TPaintCountingGrid(nullptr);
  testsupport::TShownOnForm<TPaintCountingGrid> Shown{G};
  testsupport::SystemInputDriver Input;
  testsupport::InputDriver Clock;  // the virtual clock

  ShownGrid() {
    G->SetColCount(5);
    G->SetRowCount(6);
    Input.Pump();
  }
  // Paints asked for so far are done and forgotten.
  void Settle() {
    Input.Pump();
    G->Painted.clear();
  }
  // Paints caused by the next Ms of the clock.
  void Run(unsigned Ms) {
    Settle();
    Clock.Advance(Ms);
    Input.Pump();
  }
};

}  // namespace painttest
