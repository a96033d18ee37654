// Finding cells by text: the cell test, the scan orders and restrictions,
// moving to a hit, replacing and the sort-column search.
#include <gtest/gtest.h>

#include <vector>

#include "grid/base/MouseActions.h"
#include "grid/base/ShowModified.h"
#include "grid/base/SortIndexList.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/Filter.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/SortSettings.h"
#include "platform/sys/SysUtils.h"

namespace {

const TPoint None{-1, -1};

TEST(FindCell, EachMatchingRule) {
  const struct {
    const char* Name;
    String Text, Search;
    TFindParams Params;
    bool Found;
  } cases[] = {
      {"substring, case ignored", u"xAB", u"ab", {}, true},
      {"with case", u"xAB", u"ab", {fnMatchCase}, false},
      {"start: not at the start", u"xAB", u"ab", {fnMatchStart}, false},
      {"start", u"ABx", u"ab", {fnMatchStart}, true},
      {"full", u"Ab", u"ab", {fnMatchFull}, true},
      {"full: longer", u"abc", u"ab", {fnMatchFull}, false},
      {"regular: pattern", u"ABC", u"a*", {fnMatchRegular}, true},
      {"regular: pattern with case", u"ABC", u"a*", {fnMatchRegular, fnMatchCase}, false},
      {"regular: comparison", u"7", u">5", {fnMatchRegular}, true},
      {"two quotes: an empty cell", u"", u"\"\"", {}, true},
      {"two quotes: text", u"x", u"\"\"", {}, false},
      {"nothing finds nothing", u"x", u"", {}, false},
      {"tags searched", u"<b>bold</b>", u"b>bo", {}, true},
      {"tags ignored", u"<b>bold</b>", u"b>bo", {fnIgnoreHTMLTags}, false},
      {"text without tags", u"<b>bo</b>ld", u"bold", {fnIgnoreHTMLTags}, true},
  };
  for (const auto& c : cases) {
    TAdvStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetCells(1, 1, c.Text);
    EXPECT_EQ(g.FindFirst(c.Search, c.Params), c.Found ? Point(1, 1) : None) << c.Name;
  }
}

// 4 x 4, row 0 and column 0 fixed; "x" in (1,1), (3,1), (2,2), (1,3).
struct Scan : ::testing::Test {
  TAdvStringGrid G{nullptr};
  Scan() {
    G.SetColCount(4);
    G.SetRowCount(4);
    for (TPoint p : {Point(1, 1), Point(3, 1), Point(2, 2), Point(1, 3)}) G.SetCells(p.X, p.Y, u"x");
  }
  // The hits until the scan ends or wraps back to the first hit.
  std::vector<TPoint> All(TFindParams Params, const String& S = u"x") {
    std::vector<TPoint> hits;
    for (TPoint p = G.FindFirst(S, Params); p != None && hits.size() < 20; p = G.FindNext()) {
      if (!hits.empty() && p == hits.front()) break;
      hits.push_back(p);
    }
    return hits;
  }
  using Hits = std::vector<TPoint>;
};

TEST_F(Scan, OrdersForwardsAndBackwards) {
  EXPECT_EQ(All({}), (Hits{{1, 1}, {1, 3}, {2, 2}, {3, 1}})) << "column by column";
  EXPECT_EQ(All({fnDirectionLeftRight}), (Hits{{1, 1}, {3, 1}, {2, 2}, {1, 3}}));
  EXPECT_EQ(All({fnBackward}), (Hits{{3, 1}, {2, 2}, {1, 3}, {1, 1}}));
  EXPECT_EQ(All({fnBackward, fnDirectionLeftRight}), (Hits{{1, 3}, {2, 2}, {3, 1}, {1, 1}}));
}

TEST_F(Scan, AfterTheLastHitNothingThenTheFirstAgain) {
  EXPECT_EQ(G.FindFirst(u"x", {fnDirectionLeftRight}), Point(1, 1));
  G.SetSearchCell(Point(1, 3));
  EXPECT_EQ(G.FindNext(), None);
  EXPECT_FALSE(G.FindBusy());
  EXPECT_EQ(G.FindNext(), Point(1, 1));
  EXPECT_TRUE(G.FindBusy()) << "stays set after a hit";
  // A hit in the very last cell: the step past it wraps to the first cell.
  G.SetCells(3, 3, u"x");
  G.SetSearchCell(Point(3, 3));
  EXPECT_EQ(G.FindNext(), Point(1, 1));
}

TEST_F(Scan, Restrictions) {
  G.FocusCell(1, 2);
  EXPECT_EQ(All({fnFindInCurrentRow}), (Hits{{2, 2}}));
  EXPECT_EQ(All({fnFindInCurrentCol}), (Hits{{1, 1}, {1, 3}}));
  EXPECT_EQ(G.Find(Point(1, 1), u"x", {fnFindInCurrentCol}), Point(1, 3)) << "from the row after";
  G.SetFindRow(1);
  G.SetFindCol(3);
  EXPECT_EQ(All({fnFindInPresetRow}), (Hits{{1, 1}, {3, 1}}));
  EXPECT_EQ(All({fnFindInPresetCol}), (Hits{{3, 1}}));
  G.SetFindCol(9);
  EXPECT_EQ(All({fnFindInPresetCol}), Hits{}) << "a column past the grid holds nothing";
  G.SetSelection(TGridRect{2, 1, 3, 2});
  EXPECT_EQ(All({fnSelectedCells}), (Hits{{2, 2}, {3, 1}}));
  G.SetCells(0, 0, u"x");
  EXPECT_EQ(All({fnIncludeFixed}).front(), Point(0, 0));
  EXPECT_EQ(All({}).front(), Point(1, 1));
}

TEST_F(Scan, HiddenColumnsAndRowsOnlyWhenAsked) {
  G.HideColumn(2);
  EXPECT_EQ(All({}), (Hits{{1, 1}, {1, 3}, {2, 1}})) << "displayed columns; storage column 3 shows as 2";
  EXPECT_EQ(All({fnIncludeHiddenColumns}), (Hits{{1, 1}, {1, 3}, {2, 2}, {3, 1}}));
  G.UnHideColumn(2);
  G.HideRow(2);
  EXPECT_EQ(All({fnDirectionLeftRight}), (Hits{{1, 1}, {3, 1}, {1, 2}}));
  EXPECT_EQ(All({fnDirectionLeftRight, fnIncludeHiddenRows}), (Hits{{1, 1}, {3, 1}, {2, 2}, {1, 3}}))
      << "real rows";
}

TEST_F(Scan, IgnoredColumnsOnlyRowByRow) {
  G.IgnoreColumns()->Add(1);
  EXPECT_EQ(All({fnDirectionLeftRight}), (Hits{{3, 1}, {2, 2}}));
  EXPECT_EQ(All({}), (Hits{{1, 1}, {1, 3}, {2, 2}, {3, 1}}));
}

TEST_F(Scan, GotoMovesTheCurrentCellOrTheDisjunctRowSelection) {
  EXPECT_EQ(G.FindFirst(u"x", {fnAutoGoto, fnBackward}), Point(3, 1));
  EXPECT_EQ(G.Col(), 3);
  EXPECT_EQ(G.Row(), 1);
  G.MouseActions()->SetDisjunctRowSelect(true);
  G.SetRowSelect(1, true);
  EXPECT_EQ(G.FindNext(), Point(2, 2));
  EXPECT_EQ(G.Row(), 2);
  EXPECT_TRUE(G.RowSelect(2));
  EXPECT_FALSE(G.RowSelect(1));
}

TEST_F(Scan, GotoAHiddenRowUsesItsDisplayedIndexOrStays) {
  G.SetRowCount(6);
  G.SetCells(2, 4, u"y");
  G.SetCells(2, 5, u"z");
  G.HideRow(1);
  const TFindParams p{fnAutoGoto, fnIncludeHiddenRows};
  EXPECT_EQ(G.FindFirst(u"y", p), Point(2, 4));
  EXPECT_EQ(G.Row(), 3) << "real row 4 shows as row 3";
  EXPECT_EQ(G.Cells(2, G.Row()), u"y");
  // Parked by a filter: the hit stands and the current cell stays.
  G.Filter()->Add()->SetCondition(u"!z");
  G.Filter()->Items(0)->SetColumn(2);
  G.ApplyFilter();
  G.FocusCell(1, 1);
  EXPECT_EQ(G.FindFirst(u"z", p), Point(2, 5));
  EXPECT_EQ(G.Row(), 1);
  EXPECT_EQ(G.Col(), 1);
}

TEST_F(Scan, GotoIntoAContractedNodeOpensIt) {
  G.SetRowCount(7);
  G.SetCells(2, 5, u"deep");
  G.AddNode(4, 3);
  G.ContractNode(4);
  G.HideRow(1);
  EXPECT_EQ(G.FindFirst(u"deep", {fnAutoGoto, fnIncludeHiddenRows}), Point(2, 5));
  EXPECT_FALSE(G.GetNodeState(3));
  EXPECT_EQ(G.Row(), 4);
  EXPECT_EQ(G.Cells(2, G.Row()), u"deep");
}

TEST(FindTopRow, StepsDownNearTheBottomMoreWithTheFloatingFooter) {
  for (const bool floating : {false, true}) {
    TAdvStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(50);
    g.SetBounds(0, 0, 200, 20 * 10 + 8);
    g.FloatingFooter()->SetVisible(floating);
    const int last = g.TopRow() + g.VisibleRowCount() - 1;
    g.SetCells(1, last, u"x");
    const int top = g.TopRow();
    g.FindFirst(u"x", {fnAutoGoto});
    EXPECT_EQ(g.TopRow(), top + (floating ? 3 : 1)) << floating;
    g.SetTopRow(top);
    g.FindFirst(u"x", {});
    EXPECT_EQ(g.TopRow(), top) << "only with fnAutoGoto";
  }
}

TEST(FindBusy, SetFromTheStartUntilAScanEndsWithoutAHit) {
  TAdvStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetFixedRowAlways(true);
  g.SetRowCount(1);  // the fixed row only: nothing to search
  EXPECT_FALSE(g.FindBusy());
  EXPECT_EQ(g.FindFirst(u"x", {}), None);
  EXPECT_TRUE(g.FindBusy());
}

TEST(Replace, EveryHitOnceWithRowsMarked) {
  TAdvStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(3);
  g.SetCells(1, 1, u"Aa");
  g.ShowModified()->SetEnabled(true);
  EXPECT_EQ(g.Replace(u"a", u"b", {}), 1);
  EXPECT_EQ(g.Cells(1, 1), u"bb");
  EXPECT_TRUE(g.RowModified(1));
  EXPECT_FALSE(g.RowModified(2));
  // The last cell a hit and still matching after the change: each cell once.
  g.SetCells(1, 1, u"a");
  g.SetCells(2, 2, u"a");
  EXPECT_EQ(g.Replace(u"a", u"aa", {}), 2);
  EXPECT_EQ(g.Cells(2, 2), u"aa");
  g.SetCells(1, 1, u"");
  g.SetCells(2, 2, u"A");
  EXPECT_EQ(g.Replace(u"A", u"a", {}), 1);
  EXPECT_EQ(g.Cells(2, 2), u"a");
}

TEST(SearchKey, ReadsTheSortKeyColumnWithoutTags) {
  TAdvStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(4);
  for (int r = 1; r < 4; ++r) {
    g.SetCells(1, r, u"<b>c" + IntToStr(r) + u"</b>");
    g.SetCells(2, r, IntToStr(4 - r) + u"k");
  }
  EXPECT_EQ(g.Search(u"C2"), 2) << "FixedCols while the sort settings are not shown";
  EXPECT_EQ(g.Search(u"C22"), -1);
  g.SortSettings()->SetShow(true);
  g.SortSettings()->SetColumn(2);
  EXPECT_EQ(g.Search(u"1K"), 3);
  g.SortSettings()->SetIndexShow(true);
  EXPECT_EQ(g.Search(u"C3"), 3) << "no index: FixedCols";
  g.SortIndexes()->AddIndex(2, true);
  EXPECT_EQ(g.Search(u"2"), 2);
  g.SortSettings()->SetIndexShow(false);
  g.SortSettings()->SetColumn(-1);
  EXPECT_EQ(g.Search(u"C"), -1);
}

}  // namespace
