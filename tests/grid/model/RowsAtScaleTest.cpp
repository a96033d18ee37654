// Rows hidden one by one in any order, with heights of their own on enough
// rows that every row has a size slot, and the update bracket's repaints.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "grid/model/AdvStringGrid.h"
#include "platform/sys/SysUtils.h"
#include "tests/grid/model/RepaintCountingGrid.h"

namespace {

constexpr int kRows = 400;

int HeightOf(int Row) { return Row % 5 == 0 ? 30 + Row % 7 : 22; }

// kRows rows: column 0 holds the row number, every fifth row a height of its own.
struct GridRowsAtScale : ::testing::Test {
  TAdvStringGrid G{nullptr};
  GridRowsAtScale() {
    G.SetColCount(3);
    G.SetRowCount(kRows);
    for (int r = 0; r < kRows; ++r) {
      G.SetCells(0, r, IntToStr(r));
      G.SetRowHeights(r, HeightOf(r));
    }
  }
  // Displayed rows show exactly the rows not in Hidden, in order, with their heights.
  void ExpectShownAllBut(const std::vector<int>& Hidden, const std::string& Order) {
    std::vector<int> sorted = Hidden;
    std::sort(sorted.begin(), sorted.end());
    int d = 0;
    for (int r = 0; r < kRows; ++r) {
      const bool hidden = std::binary_search(sorted.begin(), sorted.end(), r);
      ASSERT_EQ(G.IsHiddenRow(r), hidden) << Order << ", row " << r;
      ASSERT_EQ(G.AllCells(0, r), IntToStr(r)) << Order << ", row " << r;
      if (hidden) {
        ASSERT_EQ(G.GridItems().FindRealRow(r)->Height(), HeightOf(r)) << Order << ", row " << r;
        continue;
      }
      ASSERT_EQ(G.Cells(0, d), IntToStr(r)) << Order << ", shown " << d;
      ASSERT_EQ(G.RowHeights(d), HeightOf(r)) << Order << ", shown " << d;
      ++d;
    }
    ASSERT_EQ(G.RowCount(), d) << Order;
  }
};

}  // namespace

TEST_F(GridRowsAtScale, RowsHiddenOneByOneInAnyOrderComeBackWhole) {
  std::vector<int> odd, edges{0, kRows - 1, 1, kRows - 2};
  for (int r = 1; r < kRows; r += 2) odd.push_back(r);
  std::vector<int> shuffled = odd;
  std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(24));
  const struct {
    const char* Order;
    std::vector<int> Rows;
  } cases[] = {
      {"down the grid", odd},
      {"up the grid", std::vector<int>(odd.rbegin(), odd.rend())},
      {"shuffled", shuffled},
      {"first and last rows", edges},
  };
  for (const auto& c : cases) {
    for (int r : c.Rows) G.HideRow(r);
    ExpectShownAllBut(c.Rows, c.Order);
    G.UnHideRowsAll();
    ExpectShownAllBut({}, c.Order);
    if (HasFatalFailure()) return;
  }
}

TEST_F(GridRowsAtScale, InsertingAndRemovingAtTheEdgesAroundHiddenRows) {
  G.HideRow(1);
  G.HideRow(kRows - 1);
  G.InsertRows(0, 2);                 // above every row
  G.InsertRows(G.RowCount(), 1);      // after the last shown row
  G.RemoveRows(G.RowCount() - 2, 1);  // the last original row shown (kRows - 2)
  G.UnHideRowsAll();
  ASSERT_EQ(G.RowCount(), kRows + 2);
  EXPECT_EQ(G.Cells(0, 0), u"");
  EXPECT_EQ(G.Cells(0, 2), u"0");
  EXPECT_EQ(G.Cells(0, 3), u"1");
  EXPECT_EQ(G.RowHeights(2), HeightOf(0));
  EXPECT_EQ(G.Cells(0, kRows), u"399") << "the hidden last row kept its place";
  EXPECT_EQ(G.Cells(0, kRows + 1), u"");
  EXPECT_EQ(G.Cells(0, kRows - 1), u"397");
}

TEST(AdvStringGridUpdate, ChangesInsideTheBracketAskForOneRepaintAtItsEnd) {
  TRepaintCountingGrid g(nullptr);
  g.SetRowCount(50);
  const int before = g.Repaints;
  g.SetCells(1, 1, u"outside");
  EXPECT_GT(g.Repaints, before) << "outside the bracket a change repaints";
  g.BeginUpdate();
  const int inside = g.Repaints;
  for (int r = 0; r < 50; ++r) g.SetCells(1, r, u"x");
  g.InsertRows(3, 2);
  g.SetRowCount(60);
  g.HideRow(4);
  EXPECT_EQ(g.Repaints, inside);
  g.EndUpdate();
  EXPECT_EQ(g.Repaints, inside + 1);
}
