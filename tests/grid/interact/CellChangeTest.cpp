// Moving the current cell by mouse: the change events and their refusal,
// goEditing switched per target cell, merged cells and disabled rows; and
// the advance after Enter as a table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/base/Navigation.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/grids/InplaceEdit.h"
#include "grid/model/GridColumnCollection.h"
#include "grid/model/GridColumnItem.h"
#include "tests/support/ShownOnForm.h"
#include "tests/support/SystemInputDriver.h"

namespace {

std::string Cell(int ACol, int ARow) { return std::to_string(ACol) + "," + std::to_string(ARow); }

// One fixed row and column; column 1 edNormal, 2 edDataCheckBox, 3 read-only.
struct TableGrid {
  TAdvColumnGrid* G = new TAdvColumnGrid(nullptr);
  testsupport::TShownOnForm<TAdvColumnGrid> Shown{G};
  testsupport::SystemInputDriver Input;
  std::vector<std::string> Log;

  TableGrid() {
    G->SetColCount(4);
    G->SetRowCount(5);
    G->Columns()->Items(2)->SetEditor(edDataCheckBox);
    G->Columns()->Items(3)->SetReadOnly(true);
    G->SetOptions(G->Options() + TGridOptions{goEditing});
    Input.Pump();
  }
  void ClickCell(int ACol, int ARow) {
    const TRect r = G->CellRect(ACol, ARow);
    Input.Click(*G, TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  std::string Current() const { return Cell(G->Col(), G->Row()); }
  void Record() {
    G->OnRowChanging = [this](TObject*, int OldRow, int NewRow, bool&) {
      Log.push_back("RowChanging " + std::to_string(OldRow) + ">" + std::to_string(NewRow));
    };
    G->OnColChanging = [this](TObject*, int OldCol, int NewCol, bool&) {
      Log.push_back("ColChanging " + std::to_string(OldCol) + ">" + std::to_string(NewCol));
    };
    G->OnCellChanging = [this](TObject*, int OldRow, int OldCol, int NewRow, int NewCol, bool&) {
      Log.push_back("CellChanging " + Cell(OldCol, OldRow) + ">" + Cell(NewCol, NewRow));
    };
    G->OnRowChanged = [this](TObject*, int OldRow, int NewRow) {
      Log.push_back("RowChanged " + std::to_string(OldRow) + ">" + std::to_string(NewRow));
    };
  }
};

TEST(CellChange, MovingFiresTheChangeEventsInOrderAndARefusalKeepsTheCell) {
  TableGrid f;
  f.Record();
  f.ClickCell(3, 2);
  EXPECT_EQ(f.Current(), "3,2");
  EXPECT_EQ(f.Log, (std::vector<std::string>{"RowChanging 1>2", "ColChanging 1>3",
                                             "CellChanging 1,1>3,2", "RowChanged 1>2"}));
  f.Log.clear();
  f.G->OnCellChanging = [&](TObject*, int, int, int, int, bool& Allow) {
    f.Log.push_back("CellChanging");
    Allow = false;
  };
  f.ClickCell(1, 3);
  EXPECT_EQ(f.Current(), "3,2");
  ASSERT_GE(f.Log.size(), 3u);
  EXPECT_EQ(f.Log[0], "RowChanging 2>3");
  EXPECT_EQ(f.Log[1], "ColChanging 3>1");
  EXPECT_EQ(f.Log[2], "CellChanging");
  for (const std::string& e : f.Log) EXPECT_EQ(e.find("RowChanged"), std::string::npos) << e;
}

TEST(CellChange, GoEditingFollowsTheTargetCell) {
  TableGrid f;
  f.ClickCell(3, 2);
  EXPECT_FALSE(f.G->Options().Contains(goEditing)) << "read-only column";
  EXPECT_TRUE(f.G->EditEnabledSuspended());
  f.ClickCell(1, 2);
  EXPECT_TRUE(f.G->Options().Contains(goEditing));
  EXPECT_FALSE(f.G->EditEnabledSuspended());
  f.ClickCell(3, 3);
  f.ClickCell(2, 3);
  EXPECT_TRUE(f.G->Options().Contains(goEditing)) << "a check-box cell is editable by its box";
}

TEST(CellChange, TheCoveredPartOfAMergedCellSelectsItsBase) {
  TableGrid f;
  f.G->SetOptions(f.G->Options() - TGridOptions{goRangeSelect});
  f.G->MergeCells(1, 2, 2, 2);
  f.ClickCell(2, 3);
  EXPECT_EQ(f.Current(), "1,2");
}

TEST(CellChange, DisabledRowsAreNotSelectedWithSkipDisabledRows) {
  TableGrid f;
  f.G->SetUseEnabledRows(true);
  f.G->SetRowEnabled(3, false);
  f.ClickCell(1, 3);
  EXPECT_EQ(f.Current(), "1,1");
  f.G->Navigation()->SetSkipDisabledRows(false);
  f.ClickCell(1, 3);
  EXPECT_EQ(f.Current(), "1,3");
}

// A 4 x 4 grid, one fixed row and column: data cells 1..3 x 1..3.
TEST(CellAdvance, NextCellAfterEnter) {
  struct Case {
    const char* Name;
    TAdvanceDirection Dir;
    int StartCol, StartRow;
    std::string Expected;
    bool Loop = true;
    bool Insert = false;
    bool Forward = true;
    bool Skip = true;
    std::vector<std::pair<int, int>> ReadOnly = {};
  };
  const std::vector<Case> cases = {
      {"next in row", adLeftRight, 1, 1, "2,1"},
      {"row end", adLeftRight, 3, 1, "1,2"},
      {"last cell loops", adLeftRight, 3, 3, "1,1"},
      {"last cell, no loop", adLeftRight, 3, 3, "3,3", false},
      {"last cell appends a row", adLeftRight, 3, 3, "1,4", true, true},
      {"in row wraps", adLeftRightInRow, 3, 2, "1,2"},
      {"in row stops", adLeftRightInRow, 3, 2, "3,2", false},
      {"down", adTopBottom, 1, 1, "1,2"},
      {"column end", adTopBottom, 1, 3, "2,1"},
      {"last column loops", adTopBottom, 3, 3, "1,1"},
      {"last column appends a column", adTopBottom, 3, 3, "4,1", true, true},
      {"in column wraps without loop", adTopBottomInCol, 2, 3, "2,1", false},
      {"back in row", adLeftRight, 1, 2, "3,1", true, false, false},
      {"back in column", adTopBottom, 2, 1, "1,3", true, false, false},
      {"back in row only", adLeftRightInRow, 2, 2, "2,2", true, false, false},
      {"skips read-only", adLeftRight, 1, 1, "1,2", true, false, true, true, {{2, 1}, {3, 1}}},
      {"stops on read-only", adLeftRight, 1, 1, "2,1", true, false, true, false, {{2, 1}, {3, 1}}},
      {"nothing editable", adLeftRight, 1, 1, "1,1", true, false, true, true,
       {{2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}}},
  };
  for (const Case& c : cases) {
    TAdvStringGrid* g = new TAdvStringGrid(nullptr);
    testsupport::TShownOnForm<TAdvStringGrid> shown(g);
    g->SetColCount(4);
    g->SetRowCount(4);
    g->SetOptions(g->Options() + TGridOptions{goEditing});
    TNavigation& nav = *g->Navigation();
    nav.SetAdvanceOnEnter(true);
    nav.SetAdvanceDirection(c.Dir);
    nav.SetAdvanceOnEnterLoop(c.Loop);
    nav.SetAdvanceInsert(c.Insert);
    nav.SetAdvanceSkipReadOnlyCells(c.Skip);
    for (const auto& [col, row] : c.ReadOnly) g->SetReadOnly(col, row, true);
    std::vector<int> added;
    g->OnAutoAddRow = [&](TObject*, int ARow) { added.push_back(ARow); };
    g->OnAutoInsertCol = [&](TObject*, int ACol) { added.push_back(ACol); };
    g->SetCol(c.StartCol);
    g->SetRow(c.StartRow);
    g->AdvanceToNextCell(c.StartCol, c.StartRow, false, false, c.Forward, false, false);
    EXPECT_EQ(Cell(g->Col(), g->Row()), c.Expected) << c.Name;
    EXPECT_EQ(added, c.Insert ? std::vector<int>{4} : std::vector<int>{}) << c.Name;
  }
}

TEST(CellAdvance, OnAutoAdvanceRedirectsOrRefusesAndOnlyWithAdvanceOnEnter) {
  TableGrid f;
  f.G->AdvanceToNextCell(1, 1, false, false, true, false, false);
  EXPECT_EQ(f.Current(), "1,1") << "AdvanceOnEnter is off";
  f.G->Navigation()->SetAdvanceOnEnter(true);
  std::vector<std::string> log;
  f.G->OnAutoAdvance = [&](TObject*, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow) {
    log.push_back("AutoAdvance " + Cell(OldCol, OldRow) + ">" + Cell(NewCol, NewRow));
    Allow = NewRow != 2;
    NewCol = 1;
  };
  f.G->OnCellChanging = [&](TObject*, int OldRow, int OldCol, int NewRow, int NewCol, bool&) {
    log.push_back("CellChanging " + Cell(OldCol, OldRow) + ">" + Cell(NewCol, NewRow));
  };
  f.G->AdvanceToNextCell(1, 1, false, false, true, false, false);
  EXPECT_EQ(f.Current(), "1,1") << "read-only column 3 skipped, (2,1) redirected to (1,1)";
  EXPECT_EQ(log, (std::vector<std::string>{"AutoAdvance 1,1>2,1", "CellChanging 1,1>1,1"}));
  f.G->SetCol(2);
  log.clear();
  f.G->AdvanceToNextCell(2, 1, false, false, true, false, false);
  EXPECT_EQ(f.Current(), "2,1") << "refused";
  EXPECT_EQ(log, (std::vector<std::string>{"AutoAdvance 2,1>1,2"}));
}

}  // namespace

namespace {

TEST(GridKeyPress, EnterAdvancesFromACheckBoxCellAndIsDroppedOnAReadOnlyCell) {
  TableGrid f;
  int enters = 0;
  f.G->OnKeyPress = [&](TObject*, Char& Key) { enters += Key == 13 ? 1 : 0; };
  f.ClickCell(3, 1);
  f.G->SetFocus();
  f.Input.Key(VK_RETURN);
  EXPECT_EQ(enters, 1);
  EXPECT_FALSE(f.G->EditorMode()) << "a read-only cell opens no editor";
  EXPECT_EQ(f.Current(), "3,1");

  f.G->Navigation()->SetAdvanceOnEnter(true);
  f.ClickCell(2, 1);
  f.Input.Key(VK_RETURN);
  EXPECT_EQ(f.Current(), "1,2") << "from the check box past the read-only column";
  EXPECT_EQ(enters, 2);
}

// Enter from a text edit onto a data check box toggles it as a click
// would; a box entered from another box is not toggled.
TEST(CellAdvance, EnterOntoACheckBoxClicksIt) {
  TableGrid f;
  f.G->Navigation()->SetAdvanceOnEnter(true);
  f.G->Columns()->Items(2)->SetCheckTrue(u"Y");
  f.G->Columns()->Items(2)->SetCheckFalse(u"N");
  f.G->SetCells(2, 2, u"N");
  f.ClickCell(1, 2);
  f.Input.Key(VK_F2);
  f.Input.Type(u"x");
  f.Input.Key(VK_RETURN);
  f.Input.Pump();
  EXPECT_EQ(f.G->Cells(1, 2), u"x");
  EXPECT_EQ(f.Current(), "2,2");
  EXPECT_EQ(f.G->Cells(2, 2), u"Y");
  EXPECT_FALSE(f.G->InplaceEditor() && f.G->InplaceEditor()->Visible());
}

}  // namespace
