// Grouping a grid on a column, sub-grouping inside the groups and back.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "grid/base/CellNode.h"
#include "grid/base/CellProperties.h"
#include "grid/base/ShowModified.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/Filter.h"
#include "grid/model/Grouping.h"
#include "grid/model/SortSettings.h"
#include "platform/sys/SysUtils.h"

namespace {

std::string Narrow(const String& s) { return std::string(s.begin(), s.end()); }

// One fixed row of captions and data rows given by their column 2 and 3
// values; column 1 names the row ("r1", "r2", ...), and each row carries a
// colour record in column 3 and a height of its own, which must travel.
struct GroupRows : ::testing::Test {
  TAdvStringGrid G{nullptr};
  void Fill(const std::vector<std::pair<String, String>>& Rows) {
    G.SetColCount(5);
    G.SetRowCount(static_cast<int>(Rows.size()) + 1);
    for (int c = 0; c < 5; ++c) G.SetCells(c, 0, u"cap" + IntToStr(c));
    G.SetColWidths(2, 77);
    for (int r = 1; r <= static_cast<int>(Rows.size()); ++r) {
      G.SetCells(1, r, u"r" + IntToStr(r));
      G.SetCells(2, r, Rows[static_cast<size_t>(r - 1)].first);
      G.SetCells(3, r, Rows[static_cast<size_t>(r - 1)].second);
      G.SetCells(4, r, u"x" + IntToStr(r));
      G.SetColors(4, r, 0x100 + r);
      G.SetRowHeights(r, 20 + r);
    }
  }
  // Each shown row: H for a node (level, span, + when contracted), S for a
  // summary, then its cells from column 1.
  std::vector<std::string> Rows() {
    std::vector<std::string> v;
    for (int d = 1; d < G.RowCount(); ++d) {
      String s;
      if (G.IsNode(d))
        s = u"H" + IntToStr(G.GetNodeLevel(d)) + u"/" + IntToStr(G.GetNodeSpan(d)) + (G.GetNodeState(d) ? u"+ " : u" ");
      else if (G.IsSummary(d))
        s = u"S ";
      for (int c = 1; c < G.ColCount(); ++c) s += G.Cells(c, d) + (c + 1 < G.ColCount() ? u"|" : u"");
      v.push_back(Narrow(s));
    }
    return v;
  }
  int Level(int d) { return G.CellProperties(0, d) ? G.CellProperties(0, d)->NodeLevel() : 0; }
  // Cells, colour and height of every row of a flat grid.
  std::vector<std::string> Flat() {
    std::vector<std::string> v;
    for (int d = 0; d < G.RowCount(); ++d) {
      String s;
      for (int c = 0; c < G.ColCount(); ++c) s += G.Cells(c, d) + u"|";
      s += IntToStr(G.Colors(4, d)) + u"|" + IntToStr(G.RowHeights(d)) + u"|" + IntToStr(Level(d));
      v.push_back(Narrow(s));
    }
    return v;
  }
};

TEST_F(GroupRows, HeadersOverSortedRunsAndTheColumnComesBack) {
  Fill({{u"B", u"p"}, {u"A", u"q"}, {u"B", u"s"}});
  G.Group(2);
  EXPECT_EQ(G.GroupColumn(), 2);
  EXPECT_EQ(G.ColCount(), 4);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"H1/2 A||", "r2|q|x2", "H1/3 B||", "r1|p|x1", "r3|s|x3"}));
  EXPECT_EQ(G.NumNodes(), 2);
  EXPECT_EQ(G.Row(), 1);
  for (int d : {3, 4, 5}) EXPECT_EQ(Level(d), 1) << d;
  EXPECT_EQ(G.Colors(3, 4), 0x100 + 1);  // column 4 moved to 3 with its record
  EXPECT_EQ(G.RowHeights(4), 21);
  EXPECT_EQ(G.RowHeights(3), G.DefaultRowHeight());

  G.UnGroup();
  EXPECT_EQ(G.GroupColumn(), -1);
  EXPECT_EQ(G.NumNodes(), 0);
  EXPECT_EQ(Flat(), (std::vector<std::string>{"cap0|cap1|cap2|cap3|cap4|" + std::to_string(G.Colors(4, 0)) + "|" + std::to_string(G.RowHeights(0)) + "|0",
                                              "|r2|A|q|x2|258|22|0", "|r1|B|p|x1|257|21|0", "|r3|B|s|x3|259|23|0"}));
  EXPECT_EQ(G.ColWidths(2), 77);
}

TEST_F(GroupRows, SummariesCloseEveryGroupOutsideTheSpans) {
  Fill({{u"B", u"p"}, {u"A", u"q"}, {u"B", u"s"}});
  G.Grouping()->SetSummary(true);
  G.Grouping()->SetHeaderColor(clYellow);
  G.Grouping()->SetSummaryColor(clAqua);
  G.Group(2);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"H1/2 A||", "r2|q|x2", "S ||", "H1/3 B||", "r1|p|x1", "r3|s|x3", "S ||"}));
  EXPECT_EQ(Level(3), 0);
  EXPECT_EQ(G.Colors(2, 1), clYellow);
  EXPECT_EQ(G.Colors(2, 3), clAqua);
  EXPECT_EQ(G.Colors(2, 2), G.Colors(2, 0));  // data rows keep their looks

  G.UnGroup();
  EXPECT_EQ(G.RowCount(), 4);
  for (int d = 1; d < 4; ++d) {
    EXPECT_FALSE(G.IsSummary(d));
    for (int c = 1; c < 5; ++c) EXPECT_NE(G.Colors(c, d), clAqua) << c << "," << d;
  }
}

TEST_F(GroupRows, FixedFootersStayLastAndKeepTheGroupedColumnsFooter) {
  Fill({{u"B", u"p"}, {u"A", u"q"}, {u"foot", u"f"}});
  G.SetFixedFooters(1);
  G.Grouping()->SetSummary(true);
  G.Grouping()->SetMergeSummary(true);
  G.Group(2);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"H1/2 A||", "r2|q|x2", "S ||", "H1/2 B||", "r1|p|x1", "S ||", "r3|f|x3"}));
  // The last summary is merged, not the footer under it.
  EXPECT_TRUE(G.IsMergedCell(2, 6));
  EXPECT_FALSE(G.IsMergedCell(2, 7));
  G.UnGroup();
  EXPECT_EQ(G.Cells(2, 3), u"foot");
  EXPECT_EQ(G.Cells(1, 3), u"r3");
}

// The group value goes into the column right of the fixed ones that stays.
TEST_F(GroupRows, OnColumnOneTheValueLandsInTheNextColumn) {
  Fill({{u"B", u"p"}, {u"A", u"q"}});
  G.Group(1);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"H1/2 r1||", "B|p|x1", "H1/2 r2||", "A|q|x2"}));
  G.UnGroup();
  EXPECT_EQ(G.Cells(1, 1), u"r1");
  EXPECT_EQ(G.Cells(2, 1), u"B");
}

TEST_F(GroupRows, ColumnsLeftOfTheDataAndColumnZeroAreRefused) {
  struct Case {
    int FixedCols, Column;
  } cases[] = {{0, 0}, {1, 0}, {2, 1}, {0, 5}};
  for (const Case& k : cases) {
    Fill({{u"B", u"p"}, {u"A", u"q"}});
    G.SetFixedCols(k.FixedCols);
    const auto before = Flat();
    G.Group(k.Column);
    EXPECT_EQ(G.GroupColumn(), -1) << k.FixedCols << "," << k.Column;
    EXPECT_EQ(Flat(), before) << k.FixedCols << "," << k.Column;
    G.SetFixedCols(1);
  }
}

TEST_F(GroupRows, GroupColumnSetterGroupsUngroupsOrLeavesAlone) {
  Fill({{u"B", u"p"}, {u"A", u"q"}});
  G.SetGroupColumn(0);
  EXPECT_EQ(G.GroupColumn(), -1);
  G.SetGroupColumn(2);
  EXPECT_EQ(G.GroupColumn(), 2);
  G.SetGroupColumn(0);
  EXPECT_EQ(G.GroupColumn(), 2);
  G.SetGroupColumn(-1);
  EXPECT_EQ(G.GroupColumn(), -1);
  EXPECT_EQ(G.RowCount(), 3);
  EXPECT_EQ(G.ColCount(), 5);
}

TEST_F(GroupRows, ASecondGroupUngroupsTheFirst) {
  Fill({{u"B", u"y"}, {u"A", u"x"}, {u"B", u"x"}});
  G.Group(2);
  G.Group(3);
  EXPECT_EQ(G.GroupColumn(), 3);
  EXPECT_EQ(G.NumNodes(), 2);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"H1/3 x||", "r2|A|x2", "r3|B|x3", "H1/2 y||", "r1|B|x1"}));
  G.UnGroup();
  EXPECT_EQ(G.ColCount(), 5);
  EXPECT_EQ(G.Cells(2, 0), u"cap2");
  EXPECT_EQ(G.Cells(3, 0), u"cap3");
}

TEST_F(GroupRows, MergedHeadersAndSummariesAreSplitByUnGroup) {
  Fill({{u"B", u"p"}, {u"A", u"q"}});
  G.Grouping()->SetSummary(true);
  G.Grouping()->SetMergeHeader(true);
  G.Grouping()->SetMergeSummary(true);
  G.Grouping()->SetHeaderColor(clYellow);
  G.Grouping()->SetSummaryColor(clAqua);
  G.Group(2);
  for (int h : {1, 4}) {
    EXPECT_TRUE(G.IsMergedCell(3, h)) << h;
    EXPECT_EQ(G.BaseCell(3, h).X, 1);
    EXPECT_EQ(G.Colors(1, h), clYellow);
  }
  for (int s : {3, 6}) {
    EXPECT_TRUE(G.IsMergedCell(2, s)) << s;
    EXPECT_EQ(G.Colors(1, s), clAqua);
  }
  EXPECT_FALSE(G.IsMergedCell(1, 2));
  G.UnGroup();
  for (int d = 1; d < G.RowCount(); ++d) {
    for (int c = 1; c < 5; ++c) {
      EXPECT_FALSE(G.IsMergedCell(c, d)) << c << "," << d;
      EXPECT_NE(G.Colors(c, d), clYellow);
    }
  }
}

TEST_F(GroupRows, ExpandOneLeavesTheFirstGroupOpen) {
  Fill({{u"C", u"p"}, {u"A", u"q"}, {u"B", u"s"}, {u"A", u"t"}});
  G.CellNode()->SetExpandOne(true);
  G.Group(2);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"H1/3 A||", "r2|q|x2", "r4|t|x4", "H1/2+ B||", "H1/2+ C||"}));
  G.UnGroup();
  EXPECT_TRUE(G.CellNode()->ExpandOne());
  EXPECT_EQ(G.RowCount(), 5);
  EXPECT_EQ(G.NumHiddenRows(), 0);
}

TEST_F(GroupRows, ContractedGroupsComeBackWithUnGroup) {
  Fill({{u"B", u"p"}, {u"A", u"q"}, {u"B", u"s"}});
  G.Group(2);
  G.ContractAll();
  EXPECT_EQ(G.RowCount(), 3);
  G.UnGroup();
  EXPECT_EQ(G.NumHiddenRows(), 0);
  EXPECT_EQ(G.Cells(2, 3), u"B");
  EXPECT_EQ(G.Cells(1, 3), u"r3");
}

// A row a filter parked keeps its place after the row it followed.
TEST_F(GroupRows, ParkedRowsFollowTheOpenedRows) {
  Fill({{u"A", u"p"}, {u"A", u"q"}, {u"B", u"s"}, {u"B", u"t"}});
  G.SortSettings()->SetAutoSortForGrouping(false);
  G.HideRow(2);
  G.Group(2);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"H1/2 A||", "r1|p|x1", "H1/3 B||", "r3|s|x3", "r4|t|x4"}));
  G.UnHideRowsAll();
  EXPECT_EQ(G.Cells(1, 3), u"r2");
  EXPECT_TRUE(G.IsNode(4));
}

TEST_F(GroupRows, ModifiedFlagsFollowTheirRows) {
  Fill({{u"A", u"p"}, {u"A", u"q"}, {u"B", u"s"}});
  G.ShowModified()->SetEnabled(true);
  G.SortSettings()->SetAutoSortForGrouping(false);
  G.SetRowModified(1, true);
  G.SetRowModified(3, true);
  G.Group(2);
  std::vector<int> modified;
  for (int d = 0; d < G.RowCount(); ++d) {
    if (G.RowModified(d)) modified.push_back(d);
  }
  EXPECT_EQ(modified, (std::vector<int>{2, 5}));
}

TEST_F(GroupRows, SubGroupsNestInsideTheGroupsAndGoAgain) {
  struct Case {
    bool Summary;
    std::vector<std::string> Expected;
  } cases[] = {
      {false, {"H1/4 A||", "H2/3 ||x", "r1||x1", "r2||x2",  //
               "H1/6 B||", "H2/2 ||x", "r3||x3", "H2/3 ||y", "r4||x4", "r5||x5"}},
      {true, {"H1/4 A||", "H2/3 ||x", "r1||x1", "r2||x2", "S ||",  //
              "H1/6 B||", "H2/2 ||x", "r3||x3", "H2/3 ||y", "r4||x4", "r5||x5", "S ||"}},
  };
  for (const Case& k : cases) {
    G.UnGroup();
    Fill({{u"A", u"x"}, {u"A", u"x"}, {u"B", u"x"}, {u"B", u"y"}, {u"B", u"y"}});
    G.Grouping()->SetSummary(k.Summary);
    G.SortSettings()->SetAutoSortForGrouping(false);
    G.Group(2);
    const auto grouped = Rows();
    G.SubGroup(2);  // the former column 3
    EXPECT_EQ(G.SubGroupColumn(), 2);
    EXPECT_EQ(G.GroupColumn(), 2);
    EXPECT_EQ(Rows(), k.Expected) << k.Summary;
    EXPECT_EQ(G.NumNodes(), 5);
    EXPECT_EQ(G.GetSubNodeCount(5 + k.Summary), 2);
    EXPECT_EQ(Level(3), 2);
    G.SubUnGroup(2);
    EXPECT_EQ(Rows(), grouped) << k.Summary;
    EXPECT_EQ(G.NumNodes(), 2);
    EXPECT_EQ(G.GetSubNodeCount(1), 0);
    EXPECT_EQ(G.SubGroupColumn(), -1);
    EXPECT_EQ(Level(2), 1);
  }
}

// Rows parked while grouped hold their group values only in the headers:
// ungrouping gives them back and leaves the rows parked as they were.
struct ParkedWhileGrouped : GroupRows {
  int RowOf(const String& Name) {
    for (int d = 1; d < G.RowCount(); ++d) {
      if (G.Cells(1, d) == Name) return d;
    }
    return -1;
  }
  void Hide(const String& Name) { G.HideRow(G.RealRowIndex(RowOf(Name))); }
  std::vector<std::string> ShownNames() {
    std::vector<std::string> v;
    for (int d = 1; d < G.RowCount(); ++d) v.push_back(Narrow(G.Cells(1, d)));
    return v;
  }
  // "name=column 2/column 3" of every row, by name: the sort need not keep
  // the order of equal values.
  std::vector<std::string> Values() {
    std::vector<std::string> v;
    for (int d = 1; d < G.RowCount(); ++d)
      v.push_back(Narrow(G.Cells(1, d) + u"=" + G.Cells(2, d) + u"/" + G.Cells(3, d)));
    std::ranges::sort(v);
    return v;
  }
};

TEST_F(ParkedWhileGrouped, UnGroupGivesParkedRowsTheirValuesAndKeepsThemParked) {
  using TStep = std::function<void(ParkedWhileGrouped&)>;
  const TStep filterToR3 = [](ParkedWhileGrouped& t) {
    t.G.Filter()->Clear();
    TFilterData* d = t.G.Filter()->Add();
    d->SetColumn(1);
    d->SetCondition(u"r3");
    t.G.SetFilterActive(true);
  };
  const TStep filterOff = [](ParkedWhileGrouped& t) { t.G.SetFilterActive(false); };
  const TStep hideR2R1 = [](ParkedWhileGrouped& t) {
    t.Hide(u"r2");
    t.Hide(u"r1");
  };
  const TStep hideGroupA = [](ParkedWhileGrouped& t) { t.G.HideRows(1, t.G.RealRowIndex(t.RowOf(u"r4"))); };
  const TStep showAll = [](ParkedWhileGrouped& t) { t.G.UnHideRowsAll(); };
  struct Case {
    const char* Name;
    bool Summary, Sub;
    TStep Park, Show;
    std::vector<std::string> Shown;
    int HeadersParked;
  } cases[] = {
      {"filter", false, false, filterToR3, filterOff, {"r3"}, 0},
      {"filter with summaries", true, false, filterToR3, filterOff, {"r3"}, 0},
      {"filter over sub-groups", false, true, filterToR3, filterOff, {"r3"}, 0},
      {"HideRows", false, false, hideR2R1, showAll, {"r3", "r4"}, 0},
      {"HideRows over sub-groups with summaries", true, true, hideR2R1, showAll, {"r3", "r4"}, 0},
      {"HideRows over a whole group and its header", true, false, hideGroupA, showAll, {"r1", "r3"}, 1},
  };
  for (const Case& k : cases) {
    G.UnGroup();
    G.Filter()->Clear();
    Fill({{u"B", u"y"}, {u"A", u"x"}, {u"B", u"x"}, {u"A", u"y"}});
    G.Grouping()->SetSummary(k.Summary);
    G.Group(2);
    if (k.Sub) G.SubGroup(2);
    k.Park(*this);
    const int parked = G.NumHiddenRows();
    const int level = G.FilterLevel();

    G.UnGroup();
    std::vector<std::string> shown = ShownNames();
    std::ranges::sort(shown);
    EXPECT_EQ(shown, k.Shown) << k.Name;
    EXPECT_EQ(G.NumHiddenRows(), parked - k.HeadersParked) << k.Name;
    EXPECT_EQ(G.FilterLevel(), level) << k.Name;
    EXPECT_EQ(G.NumNodes(), 0) << k.Name;

    k.Show(*this);
    EXPECT_EQ(G.NumHiddenRows(), 0) << k.Name;
    EXPECT_EQ(Values(), (std::vector<std::string>{"r1=B/y", "r2=A/x", "r3=B/x", "r4=A/y"})) << k.Name;
    for (int d = 1; d < G.RowCount(); ++d) {
      EXPECT_FALSE(G.IsNode(d) || G.IsSummary(d)) << k.Name << " " << d;
      const int r = std::stoi(Narrow(G.Cells(1, d)).substr(1));
      EXPECT_EQ(G.RowHeights(d), 20 + r) << k.Name << " " << d;
    }
  }
}

// A row parked before grouping sits between a group's last row and its
// summary once shown: the summary still goes.
TEST_F(ParkedWhileGrouped, ASummaryBelowARowParkedBeforeGroupingGoes) {
  Fill({{u"A", u"p"}, {u"A", u"q"}, {u"B", u"s"}});
  G.SortSettings()->SetAutoSortForGrouping(false);
  G.Grouping()->SetSummary(true);
  G.HideRow(2);
  G.Group(2);
  G.UnGroup();
  EXPECT_EQ(ShownNames(), (std::vector<std::string>{"r1", "r3"}));
  G.UnHideRowsAll();
  EXPECT_EQ(Values(), (std::vector<std::string>{"r1=A/p", "r2=A/q", "r3=B/s"}));
}

// Sub-groups alone go too, and a row parked before they were made kept
// its own value, which stays.
TEST_F(ParkedWhileGrouped, SubUnGroupGivesParkedRowsTheirValues) {
  Fill({{u"A", u"x"}, {u"A", u"x"}, {u"A", u"y"}, {u"B", u"y"}});
  G.SortSettings()->SetAutoSortForGrouping(false);
  G.Group(2);
  Hide(u"r3");
  G.SubGroup(2);
  Hide(u"r2");
  G.SubUnGroup(2);
  EXPECT_EQ(ShownNames(), (std::vector<std::string>{"A", "r1", "B", "r4"}));
  EXPECT_EQ(G.NumNodes(), 2);
  G.UnHideRowsAll();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"H1/4 A||", "r1|x|x1", "r2|x|x2", "r3|y|x3", "H1/2 B||", "r4|y|x4"}));
}

// Sub-grouping keeps the grouped column's width, caption and footer.
TEST_F(GroupRows, UnGroupAfterSubGroupGivesTheSortedFlatGridBack) {
  Fill({{u"B", u"y"}, {u"A", u"x"}, {u"B", u"x"}, {u"B", u"y"}, {u"A", u"x"}});
  G.SetColWidths(3, 55);
  G.Group(2);
  G.SubGroup(3);
  G.UnGroup();
  EXPECT_EQ(G.SubGroupColumn(), -1);
  EXPECT_EQ(G.ColCount(), 5);
  EXPECT_EQ(G.ColWidths(2), 77);
  EXPECT_EQ(G.ColWidths(3), 55);
  for (int d = 1; d <= 5; ++d) {
    const std::string name = Narrow(G.Cells(1, d));
    const int r = std::stoi(name.substr(1));
    EXPECT_EQ(G.Cells(2, d), d <= 2 ? u"A" : u"B") << d;
    EXPECT_EQ(G.Cells(2, d), (r == 2 || r == 5) ? u"A" : u"B") << d;
    EXPECT_EQ(G.Cells(3, d), (r == 1 || r == 4) ? u"y" : u"x") << d;
    EXPECT_EQ(G.Cells(4, d), u"x" + IntToStr(r)) << d;
    EXPECT_EQ(G.Colors(4, d), 0x100 + r) << d;
    EXPECT_EQ(G.RowHeights(d), 20 + r) << d;
    EXPECT_EQ(Level(d), 0) << d;
  }
  for (int c = 0; c < 5; ++c) EXPECT_EQ(G.Cells(c, 0), u"cap" + IntToStr(c));
  EXPECT_EQ(G.NumNodes(), 0);
}

}  // namespace
