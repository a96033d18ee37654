// Column, row and group calculations, and the floating footer's calculated
// row: which cells count, real rows past the grid, and the footer kept
// across count changes and update brackets.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/base/CellGraphic.h"
#include "grid/model/AdvGridError.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/Filter.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/Grouping.h"
#include "platform/gui/Forms.h"
#include "platform/sys/SysUtils.h"

namespace {

std::string Narrow(const String& s) { return StringToUtf8(s); }

using TColumnFunc = double (TAdvStringGrid::*)(int, int, int);

// One fixed row; column 1 holds the given texts from row 1 on.
struct Calc : ::testing::Test {
  TAdvStringGrid G{nullptr};
  Calc() { G.SetFloatFormat(u"%g"); }
  void Fill(const std::vector<String>& Texts) {
    G.SetColCount(4);
    G.SetRowCount(static_cast<int>(Texts.size()) + 1);
    for (size_t i = 0; i < Texts.size(); ++i) G.SetCells(1, static_cast<int>(i) + 1, Texts[i]);
  }
  // Data rows of the texts, then the footer row with the calculation of column 1.
  void FillWithFooter(const std::vector<String>& Texts, TColumnCalcType Type) {
    std::vector<String> rows = Texts;
    rows.push_back(String());
    Fill(rows);
    G.FloatingFooter()->SetVisible(true);
    G.FloatingFooter()->SetColumnCalc(1, Type);
  }
  std::string Footer(int ACol = 1) { return Narrow(G.Cells(ACol, G.RowCount() - 1)); }
};

struct ColumnCase {
  const char* Name;
  std::vector<String> Texts;
  TColumnFunc Func;
  int From, To;
  double Expected;
};

TEST_F(Calc, ColumnFunctionsOverTheirRange) {
  const std::vector<ColumnCase> cases = {
      {"sum skips a non-number", {u"1", u"1.2.3", u"2.5"}, &TAdvStringGrid::ColumnSum, -1, -1, 3.5},
      {"average divides by every row", {u"1", u"x", u"2.5"}, &TAdvStringGrid::ColumnAvg, 1, 3, 3.5 / 3},
      {"average of an empty range", {u"1", u"2"}, &TAdvStringGrid::ColumnAvg, 2, 1, 0},
      {"sum of an empty range", {u"1", u"2"}, &TAdvStringGrid::ColumnSum, 2, 1, 0},
      {"deviation", {u"2", u"4", u"4", u"4", u"5", u"5", u"7", u"9"}, &TAdvStringGrid::ColumnStdDev, -1, -1, 2},
      {"distinct without case", {u"a", u"A", u"b", u""}, &TAdvStringGrid::ColumnDistinct, -1, -1, 3},
      {"minimum", {u"5", u"3", u"8"}, &TAdvStringGrid::ColumnMin, -1, -1, 3},
      {"maximum skips a later non-number", {u"5", u"1.2.3", u"8"}, &TAdvStringGrid::ColumnMax, -1, -1, 8},
      {"part of the rows", {u"5", u"3", u"8", u"1"}, &TAdvStringGrid::ColumnSum, 2, 3, 11},
      {"tags stripped", {u"<b>2</b>", u"x<br>", u"3"}, &TAdvStringGrid::ColumnSum, -1, -1, 5},
      {"minimum from a tagged start", {u"<i>4</i>", u"6"}, &TAdvStringGrid::ColumnMin, -1, -1, 4},
  };
  for (const ColumnCase& c : cases) {
    Fill(c.Texts);
    EXPECT_DOUBLE_EQ((G.*c.Func)(1, c.From, c.To), c.Expected) << c.Name;
  }
}

TEST_F(Calc, ReadsThatCannotSkipRaise) {
  struct Case {
    const char* Name;
    std::vector<String> Texts;
    std::function<double(TAdvStringGrid&)> Call;
  };
  const std::vector<Case> cases = {
      {"minimum from a non-number", {u"1.2.3", u"3"}, [](TAdvStringGrid& g) { return g.ColumnMin(1, -1, -1); }},
      {"maximum from a non-number", {u"1.2.3", u"3"}, [](TAdvStringGrid& g) { return g.ColumnMax(1, -1, -1); }},
      {"deviation over a non-number", {u"1", u"1.2.3"}, [](TAdvStringGrid& g) { return g.ColumnStdDev(1, -1, -1); }},
      {"row minimum from a non-number", {u"1.2.3"}, [](TAdvStringGrid& g) { return g.RowMin(1, 1, 2); }},
  };
  for (const Case& c : cases) {
    Fill(c.Texts);
    EXPECT_THROW(c.Call(G), EAdvGridError) << c.Name;
  }
}

TEST_F(Calc, ColumnCustomCalcGoesThroughItsEvent) {
  Fill({u"1"});
  EXPECT_EQ(G.ColumnCustomCalc(1, 1, 1), 0.0);
  G.OnColumnCalc = [](TObject*, int ACol, int From, int To, double& Res) { Res += ACol * 100 + From * 10 + To; };
  G.OnGroupCalc = [](TObject*, int, int, int, double& Res) { Res = -1; };
  EXPECT_EQ(G.ColumnCustomCalc(1, 2, 3), 123.0);
  EXPECT_EQ(G.GroupCustomCalc(1, 2, 3), -1.0);
}

// A handler that loops from FromRow to ToRow needs the real range.
TEST_F(Calc, CustomCalcsHandTheDefaultRangeForMinusOne) {
  struct Case {
    const char* Name;
    int From, To, FixedFooters;
    bool Group;
    double Expected;
  } cases[] = {
      {"both ends", -1, -1, 0, false, 103},
      {"the start alone", -1, 2, 0, false, 103},
      {"the end alone", 2, -1, 0, false, 103},
      {"above a fixed footer", -1, -1, 1, false, 103},
      {"given rows stay", 2, 3, 0, false, 203},
      {"group handler", -1, -1, 0, true, 103},
  };
  auto answer = [](TObject*, int, int From, int To, double& Res) { Res = From * 100 + To; };
  G.OnColumnCalc = answer;
  G.OnGroupCalc = answer;
  for (const Case& c : cases) {
    Fill({u"1", u"2", u"3", u"foot"});
    G.SetFixedFooters(c.FixedFooters);
    if (c.FixedFooters == 0) G.SetRowCount(4);
    const double got = c.Group ? G.GroupCustomCalc(1, c.From, c.To) : G.ColumnCustomCalc(1, c.From, c.To);
    EXPECT_EQ(got, c.Expected) << c.Name;
  }
}

TEST_F(Calc, RowFunctionsCountBaseCellsOnce) {
  G.SetColCount(6);
  const char16_t* texts[] = {u"", u"4", u"1.2.3", u"2", u"9", u"7"};
  for (int c = 0; c < 6; ++c) G.SetCells(c, 1, texts[c]);
  G.MergeCells(4, 1, 2, 1);  // 9 covers 7
  EXPECT_DOUBLE_EQ(G.RowSum(1, 1, 5), 15);
  EXPECT_DOUBLE_EQ(G.RowAvg(1, 1, 5), 3);
  EXPECT_DOUBLE_EQ(G.RowAvg(1, 3, 2), 0);
  EXPECT_DOUBLE_EQ(G.RowMin(1, 1, 5), 2);
  EXPECT_DOUBLE_EQ(G.RowMax(1, 1, 5), 9);
  EXPECT_DOUBLE_EQ(G.RowMax(1, 3, 5), 9) << "the start is read, the non-number after it skipped";
}

TEST_F(Calc, NumbersAreReadThroughTheDisplayHook) {
  Fill({u"1", u"x", u"<b>y</b>"});
  G.OnGetDisplText = [](TObject*, int, int ARow, String& Value) {
    if (ARow == 2) Value = u"10";
    if (ARow == 3) Value = u"<b>100</b>";
  };
  EXPECT_DOUBLE_EQ(G.ColumnSum(1, -1, -1), 111);
  EXPECT_DOUBLE_EQ(G.ColumnMax(1, -1, -1), 100);
}

TEST_F(Calc, MergedAreasCountOnce) {
  Fill({u"1", u"10", u"100", u"1000"});
  G.MergeCells(1, 2, 1, 2);
  EXPECT_DOUBLE_EQ(G.ColumnSum(1, -1, -1), 1011);
  EXPECT_DOUBLE_EQ(G.ColumnMin(1, -1, -1), 1);
}

// Column 2 is the group key, column 3 the value; after grouping the values
// are in column 2.
struct Grouped : Calc {
  // With a footer, one more row stays last, outside the groups.
  void Build(bool Summary, const std::vector<std::pair<String, String>>& Rows, bool Footer = false) {
    G.SetColCount(4);
    G.SetRowCount(static_cast<int>(Rows.size()) + (Footer ? 2 : 1));
    for (size_t i = 0; i < Rows.size(); ++i) {
      G.SetCells(1, static_cast<int>(i) + 1, u"r" + IntToStr(static_cast<int>(i) + 1));
      G.SetCells(2, static_cast<int>(i) + 1, Rows[i].first);
      G.SetCells(3, static_cast<int>(i) + 1, Rows[i].second);
    }
    G.FloatingFooter()->SetVisible(Footer);
    G.Grouping()->SetSummary(Summary);
    G.Group(2);
  }
  // Column 2 of every row below the fixed row.
  std::vector<std::string> Values() {
    std::vector<std::string> v;
    for (int r = 1; r < G.RowCount(); ++r) v.push_back(Narrow(G.Cells(2, r)));
    return v;
  }
};

TEST_F(Grouped, NodeAndSummaryRowsAreLeftOutOnlyWhileGrouped) {
  Build(true, {{u"a", u"1"}, {u"a", u"2"}, {u"b", u"4"}});
  // header a, 1, 2, summary, header b, 4, summary
  ASSERT_TRUE(G.IsNode(1) && G.IsSummary(4));
  G.SetCells(2, 1, u"100");
  G.SetCells(2, 4, u"1000");
  EXPECT_DOUBLE_EQ(G.ColumnSum(2, -1, -1), 7);
  EXPECT_DOUBLE_EQ(G.ColumnMin(2, -1, -1), 1) << "starts from the first counted cell";

  TAdvStringGrid flat(nullptr);
  flat.SetRowCount(4);
  for (int r = 1; r < 4; ++r) flat.SetCells(1, r, IntToStr(r * 10));
  flat.AddNode(1, 2);
  EXPECT_DOUBLE_EQ(flat.ColumnSum(1, -1, -1), 60);
}

TEST_F(Grouped, GroupCalcWritesEachMethodIntoTheSummaryRows) {
  struct Case {
    int Method;
    std::vector<std::string> Expected;
  };
  // Groups a: 1, 3 and b: 4; each method overwrites the summaries.
  const std::vector<Case> cases = {
      {9, {"", "1", "3", "", "", "4", ""}},
      {1, {"", "1", "3", "4", "", "4", "4"}}, {2, {"", "1", "3", "2", "", "4", "4"}},
      {3, {"", "1", "3", "1", "", "4", "4"}}, {4, {"", "1", "3", "3", "", "4", "4"}},
      {5, {"", "1", "3", "2", "", "4", "1"}}, {6, {"", "1", "3", "-1", "", "4", "-1"}},
      {7, {"", "1", "3", "2", "", "4", "1"}}, {8, {"", "1", "3", "1", "", "4", "0"}},
  };
  Build(true, {{u"a", u"1"}, {u"a", u"3"}, {u"b", u"4"}});
  G.OnGroupCalc = [](TObject*, int, int, int, double& Res) { Res = -1; };
  for (const Case& c : cases) {
    G.GroupCalc(2, c.Method);
    EXPECT_EQ(Values(), c.Expected) << "method " << c.Method;
  }
}

TEST_F(Grouped, WithoutSummariesHeadersTakeTheResultAndContractedGroupsStay) {
  Build(false, {{u"a", u"1"}, {u"a", u"3"}, {u"b", u"4"}, {u"c", u"5"}});
  // header a, 1, 3, header b, 4, header c, 5
  G.ContractNode(4);
  G.GroupSum(2);
  EXPECT_EQ(Values(), (std::vector<std::string>{"4", "1", "3", "", "5", "5"}));
  G.GroupCount(2);
  EXPECT_EQ(Values(), (std::vector<std::string>{"2", "1", "3", "", "1", "5"}));
}

TEST_F(Grouped, GroupSumWithTheFooterShownSumsTheFooterToo) {
  Build(true, {{u"a", u"1"}, {u"a", u"3"}, {u"b", u"4"}}, true);
  G.GroupSum(2);
  EXPECT_EQ(G.FloatingFooter()->ColumnCalc(2), acSUM);
  EXPECT_EQ(Footer(2), "8") << "summary rows are not added in";
  G.GroupMin(2);
  EXPECT_EQ(G.FloatingFooter()->ColumnCalc(2), acMIN);
  EXPECT_EQ(Footer(2), "1") << "header rows' empty cells are not the start";
}

// Row 1 parked: every data row counts with CalculateHiddenRows, the shown
// ones without.
TEST_F(Calc, FooterCalculationsOverParkedRows) {
  struct Case {
    TColumnCalcType Type;
    std::string All, Shown;
  };
  const std::vector<Case> cases = {
      {acSUM, "15", "14"}, {acAVG, "3", "3.5"}, {acMIN, "1", "2"},
      {acMAX, "5", "5"},   {acCOUNT, "5", "4"}, {acDISTINCT, "5", "4"},
  };
  for (const Case& c : cases) {
    FillWithFooter({u"1", u"2", u"3", u"4", u"5"}, c.Type);
    G.HideRow(1);
    G.CalcFooter(-1);
    EXPECT_EQ(Footer(), c.All) << "type " << c.Type;
    G.CalcFooter(-1);
    EXPECT_EQ(Footer(), c.All) << "type " << c.Type << " recalculated";
    G.FloatingFooter()->SetCalculateHiddenRows(false);
    G.CalcFooter(-1);
    EXPECT_EQ(Footer(), c.Shown) << "type " << c.Type << " over the shown rows";
    G.UnHideRowsAll();
    G.FloatingFooter()->SetCalculateHiddenRows(true);
    G.FloatingFooter()->SetVisible(false);
  }
}

TEST_F(Calc, DeviationAndDistinctReadRealRowsUnderAContractedNode) {
  FillWithFooter({u"2", u"4", u"4", u"4", u"5", u"5", u"7", u"9"}, acSTDDEV);
  G.AddNode(1, 4);
  G.ContractNode(1);
  ASSERT_EQ(G.NumHiddenRows(), 3);
  G.CalcFooter(-1);
  EXPECT_EQ(Footer(), "2");
  G.FloatingFooter()->SetColumnCalc(1, acDISTINCT);
  EXPECT_EQ(Footer(), "5");
}

TEST_F(Calc, FooterCellsByCalculationType) {
  Fill(std::vector<String>(11, u"2"));  // 12 rows, the last the footer
  G.FloatingFooter()->SetVisible(true);
  G.SetCells(1, 11, u"kept");
  G.SetCells(2, 11, u"old");
  G.SetCells(3, 5, u"1.2.3");
  G.FloatingFooter()->SetColumnCalc(0, acCOUNT);
  G.FloatingFooter()->SetColumnCalc(1, acSPREAD);
  G.FloatingFooter()->SetColumnCalc(3, acSTDDEV);
  EXPECT_EQ(Footer(0), "10");
  EXPECT_EQ(Footer(1), "kept");
  EXPECT_EQ(Footer(3), "") << "a raising calculation leaves the cell empty";

  std::vector<std::string> calls;
  G.FloatingFooter()->OnCalcFooter = [&](TObject*, int ACol, int ARow, String& V) {
    calls.push_back("footer " + std::to_string(ACol) + "," + std::to_string(ARow));
    V = u"F";
  };
  G.FloatingFooter()->SetColumnCalc(2, acCUSTOM);
  EXPECT_EQ(Footer(2), "F");
  G.OnFooterCalc = [&](TObject*, int ACol, int ARow, String& V) {
    calls.push_back("grid " + std::to_string(ACol) + "," + std::to_string(ARow));
    V = u"G";
  };
  G.CalcFooter(2);
  EXPECT_EQ(Footer(2), "G");
  EXPECT_EQ(calls, (std::vector<std::string>{"footer 2,11", "grid 2,11"}));
  EXPECT_THROW(G.ColumnStdDev(3, -1, -1), EAdvGridError) << "direct calls still raise";

  G.FloatingFooter()->SetEnableCalculation(false);
  G.SetCells(0, 11, u"");
  G.CalcFooter(-1);
  EXPECT_EQ(Footer(0), "");
}

TEST_F(Calc, FooterRowFollowsRowCountChanges) {
  FillWithFooter({u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8"}, acSUM);  // 10 rows
  G.SetCells(2, 9, u"total");
  G.FloatingFooter()->SetColumnCalc(3, acCOUNT);
  G.SetColors(1, 7, 0x123456);  // a record on a row that goes
  ASSERT_EQ(Footer(), "36");

  G.SetRowCount(8);
  EXPECT_EQ(Footer(2), "total");
  EXPECT_EQ(G.FloatingFooter()->ColumnCalc(1), acSUM);
  EXPECT_EQ(Footer(), "21");
  EXPECT_EQ(Footer(3), "6");

  G.SetRowCount(12);
  EXPECT_EQ(Footer(2), "total");
  EXPECT_EQ(G.FloatingFooter()->ColumnCalc(1), acSUM);
  EXPECT_EQ(G.FloatingFooter()->ColumnCalc(3), acCOUNT);
  EXPECT_EQ(Footer(), "21");
  EXPECT_EQ(Footer(3), "10");
  for (int r = 7; r < 11; ++r) EXPECT_EQ(Narrow(G.Cells(2, r)), "") << "row " << r;
  EXPECT_EQ(G.GridObjects(1, 7), nullptr) << "the old footer position holds no record";
}

// Progress hook calls of a calculation.
class TProgressGrid : public TAdvStringGrid {
 public:
  using TAdvStringGrid::TAdvStringGrid;
  std::vector<std::string> Calls;
  void ExportNotification(TGridExportState AState, int ARow) override {
    Calls.push_back(std::to_string(AState) + ":" + std::to_string(ARow));
  }
};

TEST(CalcProgress, HookBeforeEachCountedCellAndAtBothEnds) {
  TProgressGrid g(nullptr);
  g.SetRowCount(4);
  for (int r = 1; r < 4; ++r) g.SetCells(1, r, u"1");
  g.MergeCells(1, 2, 1, 2);
  g.ColumnSum(1, -1, -1);
  EXPECT_EQ(g.Calls, (std::vector<std::string>{"0:1", "1:1", "1:2", "2:-1"}));
  g.Calls.clear();
  g.ColumnDistinct(1, -1, -1);
  EXPECT_EQ(g.Calls, (std::vector<std::string>{"0:1", "1:1", "1:2", "1:3", "2:-1"}));
}

// A shown grid, so that update brackets count.
struct ShownFooter : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TAdvStringGrid* Grid = new TAdvStringGrid(Form.get());
  int Calcs = 0;
  ShownFooter() {
    Form->SetBounds(40, 40, 500, 400);
    Grid->SetParent(Form.get());
    Grid->SetBounds(10, 10, 460, 360);
    Grid->SetColCount(3);
    Grid->SetRowCount(8);
    for (int r = 1; r < 7; ++r) Grid->SetCells(1, r, r % 2 ? u"a" : u"b");
    Grid->FloatingFooter()->SetVisible(true);
    Grid->OnFooterCalc = [this](TObject*, int, int, String& V) { V = IntToStr(++Calcs); };
    Grid->FloatingFooter()->SetColumnCalc(2, acCUSTOM);
    Form->Show();
    Calcs = 0;
  }
};

TEST_F(ShownFooter, CalcFooterInABracketRunsOnceAtTheOutermostEnd) {
  Grid->BeginUpdate();
  Grid->BeginUpdate();
  Grid->CalcFooter(-1);
  Grid->CalcFooter(2);
  Grid->EndUpdate();
  EXPECT_EQ(Calcs, 0);
  Grid->EndUpdate();
  EXPECT_EQ(Calcs, 1);
  Grid->BeginUpdate();
  Grid->EndUpdate();
  EXPECT_EQ(Calcs, 1) << "nothing due, nothing run";
}

TEST_F(ShownFooter, FilterSetAndRemovedRecalculatesOnceEach) {
  TFilterData* d = Grid->Filter()->Add();
  d->SetColumn(1);
  d->SetCondition(u"a");
  Grid->SetFilterActive(true);
  ASSERT_EQ(Grid->RowCount(), 5);
  EXPECT_EQ(Calcs, 1);
  Grid->SetFilterActive(false);
  ASSERT_EQ(Grid->RowCount(), 8);
  EXPECT_EQ(Calcs, 2);
}

}  // namespace
