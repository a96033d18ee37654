#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/base/AdvGridUndoRedo.h"
#include "grid/base/AdvStringGridCheck.h"
#include "tests/grid/base/BaseGridSupport.h"

namespace {

// A grid linked to an undo component that records what its events report.
struct UndoFixture : ::testing::Test {
  TTestGrid grid{6, 6, 8};  // columns 6 and 7 are hidden storage columns
  TAdvGridUndoRedo undo{nullptr};
  std::vector<std::string> events;
  void SetUp() override {
    grid.SetUndoRedo(&undo);
    auto record = [this](const char* kind) {
      return [this, kind](TObject* Sender, TBaseGrid* Grid, int c, int r, const String& orig,
                          const String& value) {
        EXPECT_EQ(Sender, &undo);
        EXPECT_EQ(Grid, &grid);
        events.push_back(std::string(kind) + " " + std::to_string(c) + "," + std::to_string(r) +
                         " " + StringToUtf8(orig) + ">" + StringToUtf8(value));
      };
    };
    undo.OnUndo = record("undo");
    undo.OnRedo = record("redo");
  }
  // An edit as the grid makes it: the new text is written, then registered.
  void Edit(int c, int r, const String& text) {
    const String old = grid.GridCells(c, r);
    grid.SetCells(c, r, text);
    undo.RegisterChange(c, r, old, text);
  }
};

TEST_F(UndoFixture, UndoAfterAnEditRestoresTheOldTextAndRedoTheNew) {
  grid.SetCells(1, 1, u"x");
  Edit(1, 1, u"y");
  undo.Undo();
  EXPECT_EQ(grid.Cells(1, 1), u"x");
  EXPECT_EQ(events, std::vector<std::string>{"undo 1,1 y>x"});
  EXPECT_FALSE(undo.CanUndo());
  EXPECT_TRUE(undo.CanRedo());
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Row(), 1);
  undo.Redo();
  EXPECT_EQ(grid.Cells(1, 1), u"y");
  EXPECT_EQ(events.back(), "redo 1,1 x>y");
  EXPECT_TRUE(undo.CanUndo());
  EXPECT_FALSE(undo.CanRedo());
}

TEST_F(UndoFixture, OneUndoTakesBackAWholeSequenceAndOneRedoRepeatsIt) {
  undo.StartSequence();
  Edit(1, 1, u"a");
  Edit(2, 2, u"b");
  Edit(3, 3, u"c");
  undo.StopSequence();
  undo.Undo();
  EXPECT_EQ(undo.Level(), 0);
  EXPECT_EQ(events, (std::vector<std::string>{"undo 3,3 c>", "undo 2,2 b>", "undo 1,1 a>"}));
  EXPECT_EQ(grid.Cells(2, 2), u"");
  events.clear();
  undo.Redo();
  EXPECT_EQ(undo.Level(), undo.Count());
  EXPECT_EQ(events, (std::vector<std::string>{"redo 1,1 >a", "redo 2,2 >b", "redo 3,3 >c"}));
}

TEST_F(UndoFixture, MaxLevelKeepsTheNewestChanges) {
  undo.SetMaxLevel(2);
  Edit(1, 1, u"a");
  Edit(1, 2, u"b");
  Edit(1, 3, u"c");
  ASSERT_EQ(undo.Count(), 2);
  EXPECT_EQ(undo.Items(0).Row, 2);
  EXPECT_EQ(undo.Items(1).Row, 3);
  undo.Undo();
  undo.Undo();
  undo.Undo();  // nothing left
  EXPECT_EQ(grid.Cells(1, 1), u"a");
  EXPECT_EQ(grid.Cells(1, 2), u"");
}

TEST_F(UndoFixture, AChangeAfterAnUndoGoesBehindTheUndoneOne) {
  Edit(1, 1, u"a");
  undo.Undo();
  Edit(2, 2, u"b");
  ASSERT_EQ(undo.Count(), 2);
  undo.Undo();
  EXPECT_EQ(grid.Cells(2, 2), u"");
  undo.Undo();  // the earlier undone item, once more
  EXPECT_EQ(events.back(), "undo 1,1 >");
  EXPECT_EQ(undo.Level(), 0);
}

TEST_F(UndoFixture, ResetEmptiesTheList) {
  Edit(1, 1, u"a");
  undo.Undo();
  undo.Reset();
  EXPECT_FALSE(undo.CanUndo());
  EXPECT_FALSE(undo.CanRedo());
}

TEST_F(UndoFixture, UnterminatedSequenceNeverWritesToAMarkerCell) {
  undo.StartSequence();
  Edit(1, 1, u"a");
  undo.Undo();  // the change
  undo.Undo();  // the start marker: stepped over
  EXPECT_EQ(undo.Level(), 0);
  events.clear();
  undo.Redo();  // start marker, then to the end of the list
  EXPECT_EQ(events, std::vector<std::string>{"redo 1,1 >a"});
  EXPECT_EQ(undo.Level(), undo.Count());
}

TEST_F(UndoFixture, MergedCellsAndStorageColumnsAreWrittenThroughTheGrid) {
  grid.MergeCells(1, 1, 2, 2);
  Edit(2, 2, u"m");
  EXPECT_EQ(grid.GridCells(1, 1), u"m");
  undo.Undo();
  EXPECT_EQ(grid.GridCells(1, 1), u"");
}

// Rows and columns removed after a change: its undo has nothing to write,
// and the changes before it can still be taken back and repeated.
TEST_F(UndoFixture, ChangesOfRemovedCellsAreSteppedOver) {
  Edit(1, 1, u"kept");
  Edit(1, 4, u"row gone");
  Edit(7, 2, u"hidden");
  grid.SetRowCount(3);
  events.clear();
  undo.Undo();  // a hidden column is written, the current cell stays
  EXPECT_EQ(grid.GridCells(7, 2), u"");
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Row(), 2);
  undo.Undo();
  undo.Undo();
  EXPECT_EQ(grid.Cells(1, 1), u"");
  EXPECT_EQ(undo.Level(), 0);
  EXPECT_EQ(events, (std::vector<std::string>{"undo 7,2 hidden>", "undo 1,1 kept>"}));
  undo.Redo();
  undo.Redo();
  EXPECT_EQ(grid.Cells(1, 1), u"kept");
  EXPECT_EQ(undo.Level(), 2);
}

TEST(UndoLink, EitherSideForgetsTheOtherWhenFreed) {
  auto grid = std::make_unique<TTestGrid>();
  auto undo = std::make_unique<TAdvGridUndoRedo>(nullptr);
  grid->SetUndoRedo(undo.get());
  EXPECT_EQ(undo->Grid(), grid.get());
  undo.reset();
  EXPECT_EQ(grid->UndoRedo(), nullptr);

  undo = std::make_unique<TAdvGridUndoRedo>(nullptr);
  grid->SetUndoRedo(undo.get());
  grid.reset();
  EXPECT_EQ(undo->Grid(), nullptr);
  undo->RegisterChange(0, 0, u"a", u"b");  // still records
  undo->Undo();                            // no grid: nothing
  EXPECT_EQ(undo->Level(), 1);
}

// The base checker leaves every text as it is, whatever its switches say.
TEST(CellChecker, BaseClassReturnsTextsUnchanged) {
  TAdvStringGridCheck check(nullptr);
  EXPECT_FALSE(check.GotoCell() || check.AutoCorrect() || check.AutoMarkError() ||
               check.UseCorrect() || check.UseMarkError());
  check.SetAutoCorrect(true);
  check.SetAutoMarkError(true);
  check.SetUseCorrect(true);
  check.SetUseMarkError(true);
  check.StartCheck();
  EXPECT_EQ(check.Correct(1, 2, u"teh"), u"teh");
  EXPECT_EQ(check.MarkError(1, 2, u"teh"), u"teh");
  check.StopCheck();
}

}  // namespace
