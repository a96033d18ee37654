// Outline nodes contracted into the hidden-row store and expanded back,
// nested, with filter levels around them.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "grid/base/CellNode.h"
#include "grid/base/CellProperties.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/sys/SysUtils.h"

namespace {

// One fixed row and 12 data rows; cell (c, r) holds "r.c", column 1 a
// colour record and every row its own height, so all of them must travel.
struct Outline : ::testing::Test {
  TAdvStringGrid G{nullptr};
  Outline() {
    G.SetColCount(3);
    G.SetRowCount(13);
    for (int r = 0; r < 13; ++r) {
      for (int c = 0; c < 3; ++c) G.SetCells(c, r, IntToStr(r) + u"." + IntToStr(c));
      G.SetColors(1, r, 0x100 + r);
      G.SetRowHeights(r, 20 + r);
    }
  }
  int Level(int d) { return G.CellProperties(0, d)->NodeLevel(); }
  // Every shown row with its cells, colour, height, level and node state.
  std::vector<std::string> Rows() {
    std::vector<std::string> v;
    for (int d = 0; d < G.RowCount(); ++d) {
      String s;
      for (int c = 0; c < 3; ++c) s += G.Cells(c, d) + u"|";
      s += IntToStr(G.Colors(1, d)) + u"|" + IntToStr(G.RowHeights(d)) + u"|" + IntToStr(Level(d)) +
           (G.IsNode(d) ? (G.GetNodeState(d) ? u"|+" : u"|-") : u"");
      v.push_back(std::string(s.begin(), s.end()));
    }
    return v;
  }
  std::vector<int> Shown() {
    std::vector<int> v;
    for (int d = 1; d < G.RowCount(); ++d) v.push_back(StrToInt(G.Cells(1, d).substr(0, G.Cells(1, d).find(u'.'))));
    return v;
  }
};

TEST_F(Outline, NodeOfFourContractsAndExpandsWithEverythingInPlace) {
  G.AddNode(1, 4);
  EXPECT_EQ(G.NumNodes(), 1);
  EXPECT_TRUE(G.HasNodes());
  EXPECT_EQ(G.GetNodeSpan(1), 4);
  EXPECT_EQ(G.GetNodeLevel(1), 1);
  for (int r = 2; r <= 4; ++r) EXPECT_EQ(Level(r), 1) << r;
  EXPECT_EQ(Level(5), 0);
  const auto before = Rows();

  G.ContractNode(1);
  EXPECT_TRUE(G.GetNodeState(1));
  EXPECT_EQ(Shown(), (std::vector<int>{1, 5, 6, 7, 8, 9, 10, 11, 12}));
  EXPECT_EQ(G.FilterLevel(), 0);

  G.ExpandNode(1);
  EXPECT_FALSE(G.GetNodeState(1));
  EXPECT_EQ(Rows(), before);
  EXPECT_EQ(G.NumHiddenRows(), 0);
}

TEST_F(Outline, InnerThenOuterContractedComesBackWithTheInnerOpen) {
  G.AddNode(1, 6);
  G.AddNode(2, 3);
  EXPECT_EQ(Level(3), 2);
  const auto before = Rows();
  G.ContractNode(2);
  EXPECT_EQ(Shown(), (std::vector<int>{1, 2, 5, 6, 7, 8, 9, 10, 11, 12}));
  G.ContractNode(1);
  EXPECT_EQ(Shown(), (std::vector<int>{1, 7, 8, 9, 10, 11, 12}));
  G.ExpandNode(1);
  EXPECT_EQ(Rows(), before);
}

// Opening a node inside another keeps the outer one open: only nodes that
// do not hold the row close.
TEST_F(Outline, ExpandOneClosesOnlyNodesNotHoldingTheRow) {
  G.AddNode(1, 6);
  G.AddNode(2, 3);
  G.AddNode(7, 3);
  G.CellNode()->SetExpandOne(true);
  G.ContractNode(2);
  G.ContractNode(7);
  G.ExpandNode(2);
  EXPECT_EQ(Shown(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 10, 11, 12}));
  EXPECT_FALSE(G.GetNodeState(1));
  G.ExpandNode(7);
  EXPECT_EQ(Shown(), (std::vector<int>{1, 7, 8, 9, 10, 11, 12}));
  EXPECT_TRUE(G.GetNodeState(1));
}

TEST_F(Outline, ExpandAllOpensTheShownNodesBelowAFilter) {
  const auto before = Rows();
  G.AddNode(4, 3);
  G.AddNode(8, 3);
  const auto flat = Rows();
  G.ContractNode(4);
  G.ContractNode(8);
  G.HideRowList({1, 2});  // a filter level above the nodes
  G.ExpandAll();
  EXPECT_EQ(Shown(), (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  EXPECT_FALSE(G.GetNodeState(2) || G.GetNodeState(6));
  G.UnHideRowList();
  EXPECT_EQ(Rows(), flat);
  G.RemoveNode(4);
  G.RemoveNode(8);
  EXPECT_EQ(Rows(), before);
  EXPECT_FALSE(G.HasNodes());
}

// The outline parks as level-0 items: a filter added and taken back after
// ContractAll leaves every node closed with its rows parked.
TEST_F(Outline, ContractAllStaysApartFromFilters) {
  G.AddNode(1, 6);
  G.AddNode(2, 3);
  G.AddNode(8, 0);  // reaches up to the end
  const auto before = Rows();
  G.ContractAll();
  EXPECT_EQ(Shown(), (std::vector<int>{1, 7, 8}));
  EXPECT_EQ(G.FilterLevel(), 0);
  G.HideRowList({2});
  G.UnHideRowList();
  EXPECT_EQ(Shown(), (std::vector<int>{1, 7, 8}));
  EXPECT_TRUE(G.GetNodeState(1) && G.GetNodeState(3));
  G.ExpandAll();
  EXPECT_EQ(Rows(), before);
}

TEST_F(Outline, NodeOfSpanZeroReachesTheNextNodeRow) {
  G.AddNode(2, 0);
  G.AddNode(6, 2);
  G.ContractNode(2);
  EXPECT_EQ(Shown(), (std::vector<int>{1, 2, 6, 7, 8, 9, 10, 11, 12}));
}

TEST_F(Outline, RemoveNodeOpensItAndLowersItsLevels) {
  G.AddNode(1, 6);
  G.AddNode(2, 3);
  G.ContractNode(2);
  G.RemoveNode(2);
  EXPECT_EQ(G.NumHiddenRows(), 0);
  EXPECT_FALSE(G.IsNode(2));
  for (int r = 1; r <= 6; ++r) EXPECT_EQ(Level(r), 1) << r;
  EXPECT_EQ(G.NumNodes(), 1);
  G.RemoveNode(2);
  EXPECT_EQ(G.NumNodes(), 1);
}

// Calls on rows without the expected node, parked or outside the grid
// change nothing.
TEST_F(Outline, CallsOnTheWrongRowsChangeNothing) {
  G.AddNode(1, 4);
  G.AddNode(6, 3);
  G.ContractNode(6);
  const auto before = Rows();
  const std::vector<std::pair<const char*, std::function<void()>>> cases = {
      {"AddNode before the grid", [&] { G.AddNode(-1, 2); }},
      {"AddNode past the grid", [&] { G.AddNode(13, 2); }},
      {"AddNode on a parked row", [&] { G.AddNode(7, 2); }},
      {"AddNode with a negative span", [&] { G.AddNode(10, -2); }},
      {"ContractNode on a plain row", [&] { G.ContractNode(5); }},
      {"ContractNode on a closed node", [&] { G.ContractNode(6); }},
      {"ContractNode on a parked row", [&] { G.ContractNode(8); }},
      {"ExpandNode on an open node", [&] { G.ExpandNode(1); }},
      {"ExpandNode on a plain row", [&] { G.ExpandNode(10); }},
      {"ExpandNode past the grid", [&] { G.ExpandNode(40); }},
      {"RemoveNode on a plain row", [&] { G.RemoveNode(5); }},
      {"RemoveNode before the grid", [&] { G.RemoveNode(-3); }},
  };
  for (const auto& [name, call] : cases) {
    call();
    EXPECT_EQ(Rows(), before) << name;
    EXPECT_EQ(G.NumNodes(), 2) << name;
    EXPECT_EQ(G.NumHiddenRows(), 2) << name;
  }
}

// Rows a filter parked inside a block stay parked when the filter goes
// while the block is contracted, and come back with it.
TEST_F(Outline, FilterTakenBackKeepsContractedBlocksParked) {
  G.AddNode(1, 6);
  G.AddNode(2, 3);
  G.ContractNode(2);
  const auto closed = Rows();
  G.HideRowList({2, 5});  // the inner node row and a row of the outer block
  G.ContractNode(1);
  G.UnHideRowList();
  EXPECT_EQ(Shown(), (std::vector<int>{1, 7, 8, 9, 10, 11, 12}));
  G.ExpandNode(1);
  EXPECT_EQ(Shown(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  EXPECT_FALSE(G.GetNodeState(2));
  G.ContractNode(2);
  EXPECT_EQ(Rows(), closed);
}

// A plain tree of the same nodes: a row shows when no node holding it is
// contracted; contracting a node opens the nodes inside it.
struct TreeModel {
  struct Node { int Row, Span, Level; bool Closed = false; };
  std::vector<Node> Nodes{{1, 6, 1}, {2, 3, 2}, {7, 3, 1}, {10, 3, 1}, {11, 2, 2}};
  bool Holds(const Node& n, int r) const { return r > n.Row && r < n.Row + n.Span; }
  bool Visible(int r) const {
    for (const Node& n : Nodes) if (n.Closed && Holds(n, r)) return false;
    return true;
  }
  void Contract(Node& n) {
    if (!Visible(n.Row) || n.Closed) return;
    n.Closed = true;
    for (Node& m : Nodes) if (Holds(n, m.Row)) m.Closed = false;
  }
  void Expand(Node& n) { if (Visible(n.Row)) n.Closed = false; }
  void ExpandAll() { for (Node& n : Nodes) n.Closed = false; }
  void ContractAll() { for (Node& n : Nodes) n.Closed = n.Level == 1; }
};

TEST_F(Outline, RandomStepsAgreeWithATreeModel) {
  TreeModel m;
  for (const auto& n : m.Nodes) G.AddNode(n.Row, n.Span);
  std::mt19937 rng(36);
  for (int step = 0; step < 400; ++step) {
    auto& n = m.Nodes[rng() % m.Nodes.size()];
    switch (rng() % 5) {
      case 0: m.Contract(n); G.ContractNode(n.Row); break;
      case 1:
      case 2: m.Expand(n); G.ExpandNode(n.Row); break;
      case 3: m.ExpandAll(); G.ExpandAll(); break;
      default: m.ContractAll(); G.ContractAll(); break;
    }
    if (rng() % 3 == 0) {
      G.HideRowList({1 + static_cast<int>(rng() % (G.RowCount() - 1))});
      G.UnHideRowList();
    }
    std::vector<int> shown;
    for (int r = 1; r < 13; ++r) if (m.Visible(r)) shown.push_back(r);
    ASSERT_EQ(Shown(), shown) << step;
    for (const auto& k : m.Nodes) {
      if (!m.Visible(k.Row)) continue;
      const int d = G.RealToDisplRow(k.Row);
      ASSERT_EQ(G.GetNodeState(d), k.Closed) << step;
      ASSERT_EQ(G.GetNodeLevel(d), k.Level) << step;
      ASSERT_EQ(G.GetNodeSpan(d), k.Span) << step;
    }
  }
  G.ExpandAll();
  EXPECT_EQ(G.NumHiddenRows(), 0);
}

}  // namespace
