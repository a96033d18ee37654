// The grid timer on the virtual clock (blinking cells, the incremental-search
// counter, hover focus), the redraw lock as the window sees it, and the
// end-of-edit message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "tests/grid/interact/PaintCountingGrid.h"

namespace {
using painttest::ShownGrid;

TEST(GridTimer, OnlyCellsWithABlinkTagRepaintEveryTick) {
  ShownGrid f;
  f.G->SetCells(1, 1, u"<blink>on</blink>");
  f.G->SetCells(3, 4, u"plain");
  f.G->SetCells(2, 0, u"<BLINK>head</BLINK>");
  f.Run(500);
  EXPECT_EQ(f.G->PaintsOf(1, 1), 0) << "EnableBlink is off";

  f.G->SetEnableBlink(true);
  const bool phase = f.G->GridBlink();
  f.Run(500);
  EXPECT_GE(f.G->PaintsOf(1, 1), 1);
  EXPECT_GE(f.G->PaintsOf(2, 0), 1) << "a fixed cell blinks too";
  EXPECT_EQ(f.G->PaintsOf(3, 4), 0);
  EXPECT_NE(f.G->GridBlink(), phase);
  f.Run(499);
  EXPECT_EQ(f.G->PaintsOf(1, 1), 0) << "not before the next tick";
  f.Run(1);
  EXPECT_GE(f.G->PaintsOf(1, 1), 1);
  EXPECT_EQ(f.G->GridBlink(), phase);
}

TEST(GridTimer, TheSearchTextLivesThreeToFourTicks) {
  ShownGrid f;
  f.G->SetSearchInc(u"ab");
  f.Run(2000);
  EXPECT_EQ(f.G->SearchInc(), u"ab") << "only with AutoGotoIncremental";

  f.G->Navigation()->SetAutoGotoIncremental(true);
  f.G->SetSearchTics(0);
  f.Run(1500);
  EXPECT_EQ(f.G->SearchInc(), u"ab");
  EXPECT_EQ(f.G->SearchTics(), 3);
  f.Run(500);
  EXPECT_EQ(f.G->SearchInc(), u"");
  EXPECT_EQ(f.G->SearchTics(), 0);
}

TEST(GridTimer, HoveringFocusesTheDataCellUnderThePointer) {
  ShownGrid f;
  f.Shown.Other->SetFocus();
  const TRect fixed = f.G->CellRect(0, 3);
  f.Input.MouseMove(*f.G, TPoint{fixed.Left + 3, fixed.Top + 3});
  f.Run(500);
  EXPECT_EQ(f.G->Row(), 1) << "Hovering is off";

  f.G->SetHovering(true);
  f.Run(500);
  EXPECT_EQ(f.G->Row(), 1) << "a fixed cell is not taken";
  EXPECT_FALSE(f.G->Focused());
  const TRect data = f.G->CellRect(2, 3);
  f.Input.MouseMove(*f.G, TPoint{data.Left + 3, data.Top + 3});
  f.Run(500);
  EXPECT_EQ(f.G->Col(), 2);
  EXPECT_EQ(f.G->Row(), 3);
  EXPECT_TRUE(f.G->Focused());
}

TEST(GridUpdateLock, NothingIsPaintedWhileLockedAndAllAfter) {
  ShownGrid f;
  f.Settle();
  f.G->BeginUpdate();
  f.G->BeginUpdate();
  f.G->SetCells(1, 1, u"changed");
  f.G->Invalidate();
  f.Input.Pump();
  EXPECT_TRUE(f.G->Painted.empty());
  f.G->EndUpdate();
  f.Input.Pump();
  EXPECT_TRUE(f.G->Painted.empty()) << "one bracket still open";
  f.G->EndUpdate();
  f.Input.Pump();
  EXPECT_GE(f.G->PaintsOf(1, 1), 1);
  EXPECT_GE(f.G->PaintsOf(4, 5), 1) << "the whole grid";
  f.G->EndUpdate();
  EXPECT_EQ(f.G->UpdateCount(), 0);
}

// A bracket closed while the grid was hidden used to leave it locked for good.
TEST(GridUpdateLock, ABracketClosedWhileHiddenLeavesTheGridPainting) {
  ShownGrid f;
  f.G->BeginUpdate();
  f.G->SetVisible(false);
  f.G->EndUpdate();
  EXPECT_EQ(f.G->UpdateCount(), 0);
  f.G->SetVisible(true);
  f.Settle();
  f.G->SetCells(1, 1, u"changed");
  f.G->RepaintCell(1, 1);
  f.Input.Pump();
  EXPECT_GE(f.G->PaintsOf(1, 1), 1);
}

TEST(GridEditDone, OnEditCellDoneFiresOnlyWhenTheQueueIsPumped) {
  ShownGrid f;
  std::vector<std::string> log;
  f.G->OnEditingDone = [&](TObject*) { log.push_back("EditingDone"); };
  f.G->OnEditCellDone = [&](TObject*, int ACol, int ARow) {
    log.push_back("EditCellDone " + std::to_string(ACol) + "," + std::to_string(ARow));
  };
  f.G->SetOptions(f.G->Options() + TGridOptions{goEditing});
  f.G->EditingDoneNotify(3, 2);
  EXPECT_EQ(log, (std::vector<std::string>{"EditingDone"}));
  f.Input.Pump();
  EXPECT_EQ(log, (std::vector<std::string>{"EditingDone", "EditCellDone 3,2"}));
  EXPECT_TRUE(f.G->Options().Contains(goEditing));

  f.G->MouseActions()->SetEditOnDblClickOnly(true);
  f.G->SetOptions(f.G->Options() + TGridOptions{goEditing});
  f.G->EditingDoneNotify(1, 1);
  f.Input.Pump();
  EXPECT_FALSE(f.G->Options().Contains(goEditing)) << "editing waits for the next double click";
}

TEST(GridVersion, VersionString) {
  TAdvStringGrid g(nullptr);
  EXPECT_EQ(g.GetVersionString(), u"6.2.1.3 Sep, 2012");
}

}  // namespace
