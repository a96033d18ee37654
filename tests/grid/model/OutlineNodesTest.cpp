// Outline nodes contracted into the hidden-row store and expanded back,
// nested, with filter levels around them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "grid/base/CellNode.h"
#include "grid/base/CellProperties.h"
#include "grid/base/ControlList.h"
#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/Grouping.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Controls.h"
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
  int Level(int d) {
    const TCellProperties* p = G.GridObjects(0, d);
    return p ? p->NodeLevel() : 0;
  }
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

TEST_F(Outline, InsertChildRowGrowsEveryEnclosingNodeAndRemoveChildRowShrinksThem) {
  G.AddNode(1, 6);
  G.AddNode(2, 3);
  G.InsertChildRow(3, 1);  // below row 3, inside the inner node
  EXPECT_EQ(G.GetNodeSpan(2), 4);
  EXPECT_EQ(G.GetNodeSpan(1), 7);
  EXPECT_EQ(G.GetSubNodeCount(2), 1);
  EXPECT_EQ(G.GetSubNodeCount(1), 1);
  EXPECT_EQ(Level(4), 2);
  EXPECT_EQ(G.Cells(1, 4), u"");
  EXPECT_EQ(G.Cells(1, 5), u"4.1");
  G.ContractNode(1);
  EXPECT_EQ(Shown(), (std::vector<int>{1, 7, 8, 9, 10, 11, 12}));
  G.ExpandNode(1);
  G.RemoveChildRow(4);
  EXPECT_EQ(G.GetNodeSpan(2), 3);
  EXPECT_EQ(G.GetNodeSpan(1), 6);
  EXPECT_EQ(G.GetSubNodeCount(1), 0);
  EXPECT_EQ(G.RowCount(), 13);
}

// The grid's row routines move cell controls and count rows; the node
// routines add nothing of their own.
TEST_F(Outline, ChildRowsMoveCellControlsAndTheRowCountOnce) {
  G.AddNode(1, 6);
  TControl control(nullptr);
  G.ControlList().AddControl(1, 8, &control);
  const int maxRows = G.MaxRowCount();
  G.InsertChildRow(3, 1);
  EXPECT_EQ(G.ControlList().Control(0)->Y(), 9);
  G.RemoveChildRow(4);
  G.RemoveChildRow(4);
  EXPECT_EQ(G.ControlList().Control(0)->Y(), 7);
  EXPECT_EQ(G.MaxRowCount(), maxRows - 1);
  EXPECT_EQ(G.GetNodeSpan(1), 5);
}

// On a node row with InsertAt 0 the new row is the node's first child and
// takes the node row's texts and records; the node stays in column 0.
TEST_F(Outline, InsertChildRowOnANestedNodeRowMovesItsCellsDown) {
  G.AddNode(1, 6);
  G.AddNode(2, 3);
  G.ContractNode(2);
  G.InsertChildRow(2, 0);
  EXPECT_TRUE(G.IsNode(2));
  EXPECT_FALSE(G.GetNodeState(2));
  EXPECT_EQ(G.GetNodeSpan(2), 4);
  EXPECT_EQ(G.GetNodeSpan(1), 7);
  EXPECT_EQ(G.Cells(0, 2) + G.Cells(1, 2) + G.Cells(2, 2), u"");
  EXPECT_EQ(G.Cells(0, 3) + G.Cells(1, 3) + G.Cells(2, 3), u"2.02.12.2");
  EXPECT_EQ(G.Colors(1, 3), 0x102);
  EXPECT_EQ(Level(3), 2);
  EXPECT_EQ(G.Cells(1, 4), u"3.1");
}

// The grid's row insertion renumbers the parked rows: a contracted node
// above and one below the insertion point keep their own rows.
TEST_F(Outline, InsertChildRowBetweenContractedNodesKeepsTheirRows) {
  G.AddNode(1, 10);
  G.AddNode(2, 3);
  G.AddNode(6, 3);
  G.ContractNode(2);
  G.ContractNode(6);
  G.InsertChildRow(5, 0);
  G.SetCells(1, G.RealToDisplRow(5), u"99.1");
  G.ExpandAll();
  EXPECT_EQ(Shown(), (std::vector<int>{1, 2, 3, 4, 99, 5, 6, 7, 8, 9, 10, 11, 12}));
  for (int d = 1; d < G.RowCount(); ++d) {
    const String id = G.Cells(1, d).substr(0, G.Cells(1, d).find(u'.'));
    if (id != u"99") {
      EXPECT_EQ(G.Cells(2, d), id + u".2") << d;
    }
  }
  EXPECT_EQ(G.GetNodeSpan(1), 11);
}

TEST_F(Outline, InsertNormalRowLeavesNodesAndParkedRowsAlone) {
  G.AddNode(2, 3);
  G.ContractNode(2);
  G.InsertNormalRow(6);
  G.SetCells(1, 4, u"99.1");
  G.InsertNormalRow(G.AllRowCount());  // appended
  G.SetCells(1, G.RowCount() - 1, u"98.1");
  G.InsertNormalRow(3);  // parked: nothing
  G.ExpandNode(2);
  EXPECT_EQ(Shown(), (std::vector<int>{1, 2, 3, 4, 5, 99, 6, 7, 8, 9, 10, 11, 12, 98}));
  EXPECT_EQ(G.GetNodeSpan(2), 3);
  EXPECT_EQ(Level(6), 0);
}

TEST_F(Outline, SpanTypeMarksTheRowThatEndsItsBlock) {
  G.AddNode(1, 6);
  G.AddNode(2, 3);
  const std::vector<std::pair<int, int>> cases = {
      {1, 0}, {2, 0}, {3, 2}, {4, 1}, {5, 2}, {6, 1}, {7, 1}, {12, 1}};
  for (const auto& [row, type] : cases) EXPECT_EQ(G.GetNodeSpanType(row), type) << row;
  G.SetFixedFooters(1);  // the next row is a footer
  G.CellProperties(0, 12)->SetNodeLevel(1);
  EXPECT_EQ(G.GetNodeSpanType(11), 1);
}

TEST_F(Outline, RemoveAllNodesOpensAndDropsThemAll) {
  const auto before = Rows();
  G.AddNode(1, 6);
  G.AddNode(2, 3);
  G.AddNode(8, 4);
  G.ContractNode(2);
  G.ContractNode(1);
  G.ContractNode(8);
  G.RemoveAllNodes();
  EXPECT_EQ(G.NumHiddenRows(), 0);
  EXPECT_EQ(G.NumNodes(), 0);
  EXPECT_FALSE(G.HasNodes());
  EXPECT_EQ(Rows(), before);
}

// The node count follows the node rows that exist, shown or parked.
TEST_F(Outline, NodeCountFollowsRemovedAndClearedRows) {
  const std::vector<std::tuple<const char*, std::function<void(TAdvStringGrid&)>, int>> cases = {
      {"RemoveRows of a node row", [](TAdvStringGrid& g) { g.RemoveRows(1, 1); }, 2},
      {"RemoveNormalRow", [](TAdvStringGrid& g) { g.RemoveNormalRow(8); }, 2},
      {"RowCount lowered", [](TAdvStringGrid& g) { g.SetRowCount(5); }, 2},
      {"Clear", [](TAdvStringGrid& g) { g.Clear(); }, 0},
      {"ClearNormalCells with a fixed column", [](TAdvStringGrid& g) { g.ClearNormalCells(); }, 3},
      {"ClearNormalCells without", [](TAdvStringGrid& g) { g.SetFixedCols(0); g.ClearNormalCells(); }, 0},
      {"ClearAll with a parked node", [](TAdvStringGrid& g) { g.ContractNode(1); g.ClearAll(); }, 0},
      {"rows inserted", [](TAdvStringGrid& g) { g.InsertRows(2, 3); }, 3},
  };
  for (const auto& [name, change, left] : cases) {
    TAdvStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(13);
    g.AddNode(1, 6);
    g.AddNode(2, 3);
    g.AddNode(8, 3);
    change(g);
    EXPECT_EQ(g.NumNodes(), left) << name;
    EXPECT_EQ(g.HasNodes(), left > 0) << name;
  }
}

TEST_F(Outline, NodeFieldSettersTouchOnlyNodeRows) {
  G.AddNode(1, 4);
  G.SetNodeState(1, true);
  EXPECT_EQ(G.RowCount(), 10);
  G.SetNodeState(1, true);
  EXPECT_EQ(G.RowCount(), 10);
  G.SetNodeState(1, false);
  EXPECT_EQ(G.RowCount(), 13);
  G.SetNodeState(6, true);  // no node
  G.SetNodeSpan(6, 3);
  G.UpdateNodeSpan(6, 1);
  G.UpdateSubNodeCount(6, 2);
  EXPECT_EQ(G.GetNodeSpan(6), -1);
  EXPECT_EQ(G.GetSubNodeCount(6), 0);
  EXPECT_FALSE(G.IsNode(6));
  G.SetNodeSpan(1, 2);
  G.UpdateNodeSpan(1, 1);
  G.UpdateSubNodeCount(1, -2);
  EXPECT_EQ(G.GetNodeSpan(1), 3);
  EXPECT_EQ(G.GetSubNodeCount(1), -2);
  G.ContractNode(1);
  EXPECT_EQ(Shown(), (std::vector<int>{1, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  // Summary rows take real rows: real row 6 is shown as row 4 here.
  G.AddSummaryRow(6);
  EXPECT_TRUE(G.IsSummary(4));
  G.AddSummaryRow(2);  // parked
  G.ExpandNode(1);
  EXPECT_FALSE(G.IsSummary(2));
}

// Under row selection the current and the top row stay where they were.
TEST_F(Outline, ExpandNodeUnderRowSelectKeepsTheCurrentAndTopRow) {
  G.SetHeight(120);
  G.SetOptions(G.Options() + TGridOptions{goRowSelect});
  G.MouseActions()->SetDisjunctRowSelect(true);
  G.AddNode(1, 4);
  G.ContractNode(1);
  G.SetRow(6);
  G.SetTopRow(4);
  G.ExpandNode(1);
  EXPECT_EQ(G.Row(), 6);
  EXPECT_EQ(G.TopRow(), 4);
  EXPECT_TRUE(G.Options().Contains(goRowSelect));
  EXPECT_TRUE(G.MouseActions()->DisjunctRowSelect());
}

// Level-2 rows, indent 12: the glyph lies between the margin and the right
// extent of each node type, mirrored right to left, where a shown vertical
// bar moves it left.
TEST_F(Outline, NodeGlyphHitByTypeAndDirection) {
  struct Case {
    TNodeType type;
    int glyphWidth;
    int ltrFirst, ltrLast;  // hits left to right
    int rtlFirst;           // first hit right to left, width 300, no bar
  };
  const Case cases[] = {
      {cnFlat, 0, 17, 27, 270}, {cn3D, 0, 13, 29, 268}, {cnGlyph, 16, 15, 31, 266},
      {cnGlyph, 0, 13, 23, 274}, {cnLeaf, 0, 15, 31, 266}, {cnXP, 0, 17, 27, 270},
  };
  G.AddNode(1, 6);
  G.AddNode(2, 3);
  G.SetWidth(300);
  const int row = 3;
  ASSERT_EQ(Level(row), 2);
  for (const Case& c : cases) {
    G.CellNode()->SetNodeType(c.type);
    TBitmap glyph;
    if (c.glyphWidth) glyph.SetSize(c.glyphWidth, 16);
    G.CellNode()->SetExpandGlyph(glyph);
    const std::string name = StringToUtf8(EnumName(c.type)) + std::to_string(c.glyphWidth);
    G.SetBiDiMode(bdLeftToRight);
    EXPECT_FALSE(G.IsInNodeGlyph(row, c.ltrFirst - 1)) << name;
    EXPECT_TRUE(G.IsInNodeGlyph(row, c.ltrFirst)) << name;
    EXPECT_TRUE(G.IsInNodeGlyph(row, c.ltrLast)) << name;
    EXPECT_FALSE(G.IsInNodeGlyph(row, c.ltrLast + 1)) << name;
    G.SetBiDiMode(bdRightToLeft);
    for (const int height : {1000, 100}) {
      G.SetHeight(height);
      const int bar = height == 1000 ? 0 : TCustomGrid::ScrollBarThickness();
      EXPECT_FALSE(G.IsInNodeGlyph(row, c.rtlFirst - 1 - bar)) << name << height;
      EXPECT_TRUE(G.IsInNodeGlyph(row, c.rtlFirst - bar)) << name << height;
      EXPECT_TRUE(G.IsInNodeGlyph(row, 287 - bar)) << name << height;
      EXPECT_FALSE(G.IsInNodeGlyph(row, 288 - bar)) << name << height;
    }
  }
  G.MouseActions()->SetPreciseNodeClick(false);
  EXPECT_TRUE(G.IsInNodeGlyph(row, 200));
  G.SetBiDiMode(bdLeftToRight);
  EXPECT_TRUE(G.IsInNodeGlyph(row, 200));
}

TEST_F(Outline, RowIndentFollowsTheLevelWhileNodesExist) {
  G.CellProperties(0, 5)->SetNodeLevel(2);
  EXPECT_EQ(G.GetRowIndent(5), 0);  // no nodes yet
  G.AddNode(1, 6);
  G.AddNode(2, 3);
  G.CellNode()->SetNodeIndent(10);
  const std::vector<std::pair<int, int>> cases = {{-1, 0}, {1, 10}, {3, 20}, {5, 30}, {6, 10}, {8, 0}};
  for (const auto& [row, indent] : cases) EXPECT_EQ(G.GetRowIndent(row), indent) << row;
}

// The node row's column 1 shows the rows it grouped: span - sub-nodes - 1.
TEST_F(Outline, GroupCountAfterTheNodeText) {
  G.AddNode(1, 5);
  G.UpdateSubNodeCount(1, 1);
  EXPECT_EQ(G.Cells(1, 1), u"1.1");
  G.Grouping()->SetShowGroupCount(true);
  struct Case {
    String format, text;
  };
  const Case cases[] = {{u"", u"1.1 (3)"}, {u" - %d rows", u"1.1 - 3 rows"}, {u" %s%s", u"1.1 (3)"}};
  for (const Case& c : cases) {
    G.Grouping()->SetGroupCountFormat(c.format);
    EXPECT_EQ(G.Cells(1, 1), c.text);
    EXPECT_EQ(G.Cells(2, 1), u"1.2");
    EXPECT_EQ(G.Cells(1, 2), u"2.1");
  }
}

// A plain tree of the same nodes over row ids in real order: a row shows
// when no node holding it is contracted; contracting a node opens the nodes
// inside it; a row inserted or removed inside nodes changes the span and
// sub-node count of each of them.
struct TreeModel {
  struct Node { int Id, Span, Level; bool Closed = false; int Sub = 0; };
  std::vector<int> Ids{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};  // real rows 1..
  std::vector<Node> Nodes{{1, 6, 1}, {2, 3, 2}, {7, 3, 1}, {10, 3, 1}, {11, 2, 2}};
  int NextId = 13;
  int RowOf(int Id) const { return static_cast<int>(std::find(Ids.begin(), Ids.end(), Id) - Ids.begin()) + 1; }
  int IdAt(int r) const { return Ids[static_cast<size_t>(r - 1)]; }
  bool Holds(const Node& n, int r) const { return r > RowOf(n.Id) && r < RowOf(n.Id) + n.Span; }
  bool Visible(int r) const {
    for (const Node& n : Nodes) if (n.Closed && Holds(n, r)) return false;
    return true;
  }
  bool IsNode(int r) const {
    for (const Node& n : Nodes) if (RowOf(n.Id) == r) return true;
    return false;
  }
  int Level(int r) const {
    int l = 0;
    for (const Node& n : Nodes) l += Holds(n, r) || RowOf(n.Id) == r;
    return l;
  }
  void Contract(Node& n) {
    if (!Visible(RowOf(n.Id)) || n.Closed) return;
    n.Closed = true;
    for (Node& m : Nodes) if (Holds(n, RowOf(m.Id))) m.Closed = false;
  }
  void Expand(Node& n) { if (Visible(RowOf(n.Id))) n.Closed = false; }
  void ExpandAll() { for (Node& n : Nodes) n.Closed = false; }
  void ContractAll() { for (Node& n : Nodes) n.Closed = n.Level == 1; }
  void Grow(int r, int Delta) {
    for (Node& n : Nodes) {
      if (!Holds(n, r) && RowOf(n.Id) != r) continue;
      n.Span += Delta;
      n.Sub += Delta;
      n.Closed = false;
    }
  }
  int InsertChild(int r, int At) {
    Grow(r, 1);
    Ids.insert(Ids.begin() + (r - 1 + At), NextId);
    return NextId++;
  }
  void RemoveChild(int r) {
    Grow(r, -1);
    Ids.erase(Ids.begin() + (r - 1));
  }
};

TEST_F(Outline, RandomStepsAgreeWithATreeModel) {
  TreeModel m;
  for (const auto& n : m.Nodes) G.AddNode(n.Id, n.Span);
  std::mt19937 rng(36);
  for (int step = 0; step < 600; ++step) {
    auto& n = m.Nodes[rng() % m.Nodes.size()];
    std::vector<int> shownRows;
    for (int r = 1; r <= static_cast<int>(m.Ids.size()); ++r) if (m.Visible(r)) shownRows.push_back(r);
    const int r = shownRows[rng() % shownRows.size()];
    switch (rng() % 7) {
      case 0: m.Contract(n); G.ContractNode(m.RowOf(n.Id)); break;
      case 1:
      case 2: m.Expand(n); G.ExpandNode(m.RowOf(n.Id)); break;
      case 3: m.ExpandAll(); G.ExpandAll(); break;
      case 4: m.ContractAll(); G.ContractAll(); break;
      case 5: {
        const int at = m.IsNode(r) ? 1 : static_cast<int>(rng() % 2);
        const int id = m.InsertChild(r, at);
        G.InsertChildRow(r, at);
        G.SetCells(1, G.RealToDisplRow(r + at), IntToStr(id) + u".1");
        break;
      }
      default:
        if (m.IsNode(r) || m.Ids.size() < 8) break;
        m.RemoveChild(r);
        G.RemoveChildRow(r);
        break;
    }
    if (rng() % 3 == 0) {
      G.HideRowList({1 + static_cast<int>(rng() % (G.RowCount() - 1))});
      G.UnHideRowList();
    }
    std::vector<int> shown;
    for (int k = 1; k <= static_cast<int>(m.Ids.size()); ++k) if (m.Visible(k)) shown.push_back(m.IdAt(k));
    ASSERT_EQ(Shown(), shown) << step;
    for (int d = 1; d < G.RowCount(); ++d) ASSERT_EQ(Level(d), m.Level(G.RealRowIndex(d))) << step << " " << d;
    for (const auto& k : m.Nodes) {
      if (!m.Visible(m.RowOf(k.Id))) continue;
      const int d = G.RealToDisplRow(m.RowOf(k.Id));
      ASSERT_EQ(G.GetNodeState(d), k.Closed) << step;
      ASSERT_EQ(G.GetNodeLevel(d), k.Level) << step;
      ASSERT_EQ(G.GetNodeSpan(d), k.Span) << step;
      ASSERT_EQ(G.GetSubNodeCount(d), k.Sub) << step;
    }
  }
  G.ExpandAll();
  EXPECT_EQ(G.NumHiddenRows(), 0);
  EXPECT_EQ(G.NumNodes(), 5);
}

}  // namespace
