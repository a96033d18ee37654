// Filtering rows into filter levels: the row test, applying and taking back
// levels, incremental narrowing, and the observers of cell changes.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "grid/base/CellGraphic.h"
#include "grid/base/CellText.h"
#include "grid/base/FilterMatch.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/Filter.h"
#include "grid/model/GridChangeNotifier.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/SysUtils.h"

namespace {

// The calculated text is the stored one with "c" in front; "boom" raises.
class TCalcGrid : public TAdvStringGrid {
 public:
  using TAdvStringGrid::TAdvStringGrid;
  void GetNormalCellText(int ACol, int ARow, String& Text) override {
    Text = GridCells(ACol, ARow);
    if (Text == u"boom") throw Exception(u"cannot calculate");
    Text = u"c" + Text;
  }
};

struct Cond {
  int Column;
  String Condition;
  TFilterOperation Operation = foNONE;
  TFilterCells Data = fcVirtual;
  bool CaseSensitive = true;
  String Prefix = u"", Suffix = u"";
  TFilterMethod Method = fmExpression;
};

struct RowCase {
  const char* Name;
  String Col1, Col2;
  std::vector<Cond> Conds;
  bool Expected;
};

void SetConditions(TAdvStringGrid& G, const std::vector<Cond>& Conds) {
  G.Filter()->Clear();
  for (const Cond& c : Conds) {
    TFilterData* d = G.Filter()->Add();
    d->SetColumn(c.Column);
    d->SetCondition(c.Condition);
    d->SetOperation(c.Operation);
    d->SetData(c.Data);
    d->SetCaseSensitive(c.CaseSensitive);
    d->SetPrefix(c.Prefix);
    d->SetSuffix(c.Suffix);
    d->SetMethod(c.Method);
  }
}

TEST(RowMatchesFilter, EachOperationSourceAndTextRule) {
  const std::vector<RowCase> cases = {
      {"or: first holds", u"ax", u"zz", {{1, u"a*"}, {2, u"b*", foOR}}, true},
      {"or: second holds", u"zz", u"bx", {{1, u"a*"}, {2, u"b*", foOR}}, true},
      {"or: neither", u"zz", u"zz", {{1, u"a*"}, {2, u"b*", foOR}}, false},
      {"and: both", u"ax", u"bx", {{1, u"a*"}, {2, u"b*", foAND}}, true},
      {"and: one", u"ax", u"zz", {{1, u"a*"}, {2, u"b*", foAND}}, false},
      {"xor: both", u"ax", u"bx", {{1, u"a*"}, {2, u"b*", foXOR}}, false},
      {"xor: one", u"ax", u"zz", {{1, u"a*"}, {2, u"b*", foXOR}}, true},
      {"short: a failing first stops", u"zz", u"bx", {{1, u"a*", foSHORT}, {2, u"b*", foOR}}, false},
      {"short: a passing first goes on", u"ax", u"zz", {{1, u"a*", foSHORT}, {2, u"b*", foAND}}, false},
      {"none: only the last counts", u"zz", u"bx", {{1, u"a*"}, {2, u"b*", foNONE}}, true},
      {"empty condition matches", u"zz", u"", {{1, u""}}, true},
      {"contains, case kept", u"xAbx", u"", {{1, u"*ab*"}}, false},
      {"contains, case ignored", u"xAbx", u"", {{1, u"*ab*", foNONE, fcVirtual, false}}, true},
      {"operators still parsed", u"xabx", u"", {{1, u"*ab*&!x*"}}, false},
      {"trimmed first", u"  ax  ", u"", {{1, u"ax"}}, true},
      {"prefix taken off", u"ABC-12", u"", {{1, u"12", foNONE, fcVirtual, true, u"ABC-"}}, true},
      {"prefix elsewhere stays", u"12ABC-", u"", {{1, u"12", foNONE, fcVirtual, true, u"ABC-"}}, false},
      {"suffix at the end taken off", u"5kg", u"", {{1, u"5", foNONE, fcVirtual, true, u"", u"kg"}}, true},
      {"suffix found earlier kept", u"kg5kg", u"", {{1, u"kg5kg", foNONE, fcVirtual, true, u"", u"kg"}}, true},
      {"literal equals", u"a*", u"", {{1, u"a*", foNONE, fcVirtual, true, u"", u"", fmLiteral}}, true},
      {"literal is no pattern", u"ab", u"", {{1, u"a*", foNONE, fcVirtual, true, u"", u"", fmLiteral}}, false},
      {"virtual: the text shown", u"raw", u"", {{1, u"shown"}}, true},
      {"normal: the text stored", u"raw", u"", {{1, u"raw", foNONE, fcNormal}}, true},
      {"normal: raw text", u"<b>x</b>", u"", {{1, u"x", foNONE, fcNormal}}, false},
      {"strip HTML", u"<b>x</b>", u"", {{1, u"x", foNONE, fcStripHTML}}, true},
      {"calculated", u"7", u"", {{1, u"c7", foNONE, fcCalculated}}, true},
      {"a raising condition matches nothing", u"boom", u"bx", {{1, u"*", foNONE, fcCalculated}}, false},
      {"and the rest still count", u"boom", u"bx", {{1, u"*", foNONE, fcCalculated}, {2, u"b*", foOR}}, true},
      {"row: any cell, case ignored", u"ax", u"bx", {{-1, u"BX", foNONE, fcRow}}, true},
      {"row: none", u"ax", u"bx", {{-1, u"q", foNONE, fcRow}}, false},
      {"a column past the grid reads empty", u"x", u"", {{7, u"!x"}}, true},
      {"wide text decoded", PackWideCellText(u"\u03c9x"), u"", {{1, u"\u03c9*"}}, true},
  };
  for (const RowCase& c : cases) {
    TCalcGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetCells(1, 1, c.Col1);
    g.SetCells(2, 1, c.Col2);
    g.OnGetDisplText = [](TObject*, int, int, String& Value) {
      if (Value == u"raw") Value = u"shown";
    };
    SetConditions(g, c.Conds);
    EXPECT_EQ(g.RowMatchesFilter(1), c.Expected) << c.Name;
  }
}

// ApplyFilter reads a condition once; whatever shortcut that takes, the
// rows it keeps are those MatchFilter keeps.
TEST(RowMatchesFilter, OneRunKeepsWhatMatchFilterKeeps) {
  std::mt19937 rnd(3);
  const String letters = u"aAbB c";
  std::uniform_int_distribution<int> pick(0, 5), length(0, 6);
  std::vector<String> texts;
  for (int i = 0; i < 300; ++i) {
    String t;
    for (int n = length(rnd); n > 0; --n) t += letters[static_cast<size_t>(pick(rnd))];
    texts.push_back(t);
  }
  for (const char16_t* condition : {u"*ab*", u"* a b *", u"*AB*", u"*a?*", u"*ab*|c*", u"\"*a b*\"", u"*b"}) {
    for (const bool cs : {true, false}) {
      TAdvStringGrid g(nullptr);
      g.SetColCount(2);
      g.SetRowCount(static_cast<int>(texts.size()) + 1);
      for (size_t i = 0; i < texts.size(); ++i) {
        g.SetCells(0, static_cast<int>(i) + 1, IntToStr(static_cast<int>(i)));
        g.SetCells(1, static_cast<int>(i) + 1, texts[i]);
      }
      SetConditions(g, {{1, condition, foNONE, fcVirtual, cs}});
      g.ApplyFilter();
      std::vector<int> kept, expected;
      for (int d = 1; d < g.RowCount(); ++d) kept.push_back(StrToInt(g.Cells(0, d)));
      for (size_t i = 0; i < texts.size(); ++i) {
        if (MatchFilter(condition, Trim(texts[i]), cs)) expected.push_back(static_cast<int>(i));
      }
      EXPECT_EQ(kept, expected) << StringToUtf8(condition) << " " << cs;
    }
  }
}

TEST(RowMatchesFilter, OnCustomFilterHasTheLastWord) {
  TAdvStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(3);
  g.SetCells(1, 1, u"a");
  g.SetCells(1, 2, u"b");
  SetConditions(g, {{1, u"a"}});
  std::vector<std::pair<int, bool>> asked;
  g.OnCustomFilter = [&](TObject*, int ARow, bool& Accept) {
    asked.emplace_back(ARow, Accept);
    Accept = !Accept;
  };
  EXPECT_FALSE(g.RowMatchesFilter(1));
  EXPECT_TRUE(g.RowMatchesFilter(2));
  EXPECT_EQ(asked, (std::vector<std::pair<int, bool>>{{1, true}, {2, false}}));
}

// Row 0 fixed; column 1 of data row r holds Texts[r - 1], column 0 "r",
// column 2 a colour record and every row its own height.
struct Filtered : ::testing::Test {
  TAdvStringGrid G{nullptr};
  void Fill(const std::vector<String>& Texts) {
    G.SetColCount(3);
    G.SetRowCount(static_cast<int>(Texts.size()) + 1);
    for (int r = 1; r < G.RowCount(); ++r) {
      G.SetCells(0, r, IntToStr(r));
      G.SetCells(1, r, Texts[static_cast<size_t>(r - 1)]);
      G.SetColors(2, r, 0x100 + r);
      G.SetRowHeights(r, 20 + r);
    }
  }
  std::vector<int> Shown() {
    std::vector<int> rows;
    for (int d = G.FixedRows(); d < G.RowCount(); ++d) rows.push_back(StrToIntDef(G.Cells(0, d), -1));
    return rows;
  }
  void ExpectAllBack(int Rows) {
    ASSERT_EQ(G.RowCount(), Rows + 1);
    for (int r = 1; r <= Rows; ++r) {
      EXPECT_EQ(G.Cells(0, r), IntToStr(r));
      EXPECT_EQ(G.Colors(2, r), TColor(0x100 + r)) << r;
      EXPECT_EQ(G.RowHeights(r), 20 + r) << r;
    }
  }
  void Condition(const String& Text) { SetConditions(G, {{1, Text}}); }
};

TEST_F(Filtered, NodeAndSummaryRowsStayWhenOnlyNormalCellsAreFiltered) {
  Fill({u"group", u"a1", u"b1", u"sum", u"b2"});
  G.AddNode(1, 3);
  G.CreateCellGraphic(0, 4)->SetCellType(ctSummary);
  Condition(u"a*");
  G.ApplyFilter();
  EXPECT_EQ(Shown(), (std::vector<int>{1, 2, 4}));
  G.RemoveLastFilter();
  G.SetFilterNormalCellsOnly(false);
  G.ApplyFilter();
  EXPECT_EQ(Shown(), (std::vector<int>{2}));
}

TEST_F(Filtered, FilterRowParksTheDisplayedRowByItsRealIndex) {
  Fill({u"a1", u"b1", u"a2"});
  G.HideRow(1);
  Condition(u"a*");
  G.FilterRow(1);  // shows real row 2, "b1"
  EXPECT_EQ(Shown(), (std::vector<int>{3}));
  G.FilterRow(1);
  EXPECT_EQ(Shown(), (std::vector<int>{3}));
}

TEST_F(Filtered, ProgressIsTestedRowsInPercentOfTheDataRows) {
  Fill({u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h"});
  G.SetFixedFooters(1);  // 7 data rows
  G.AddNode(2, 1);       // not tested
  std::vector<int> seen;
  G.OnFilterProgress = [&](TObject*, short P) { seen.push_back(P); };
  Condition(u"*");
  G.ApplyFilter();
  // 1/7 = 14.29, 2/7 = 28.57, 5/14 halves... 6/7 = 85.71; then once more.
  EXPECT_EQ(seen, (std::vector<int>{14, 29, 43, 57, 71, 86, 86}));
}

TEST_F(Filtered, SwitchingTheFilterOffBringsRowsBackWhole) {
  Fill({u"a1", u"b1", u"a2", u"b2"});
  G.SetFixedRowAlways(true);
  Condition(u"x*");  // nothing matches
  G.SetFilterActive(true);
  EXPECT_EQ(G.RowCount(), 1);
  G.SetFilterActive(false);
  ExpectAllBack(4);
  EXPECT_EQ(G.FixedRows(), 1);
  EXPECT_EQ(G.FilterLevel(), 1) << "switching off keeps the level counter";

  Condition(u"a*");
  G.SetFilterActive(true);
  EXPECT_EQ(Shown(), (std::vector<int>{1, 3}));
  EXPECT_EQ(G.FilterLevel(), 2);
  G.FocusCell(2, 2);
  G.HideSelection();
  G.SetFilterActive(false);
  ExpectAllBack(4);
  EXPECT_FALSE(G.SelHidden());
  EXPECT_EQ(G.Selection().Top, 2);
  EXPECT_EQ(G.Selection().Left, 2);
}

TEST_F(Filtered, RemovingTheLastAndAllLevels) {
  Fill({u"abc", u"ab", u"a", u"x"});
  EXPECT_FALSE(G.RemoveLastFilter());
  for (const char16_t* c : {u"a*", u"ab*", u"abc*"}) {
    Condition(c);
    G.ApplyFilter();
  }
  EXPECT_EQ(Shown(), (std::vector<int>{1}));
  EXPECT_TRUE(G.RemoveLastFilter()) << "two levels remain";
  EXPECT_EQ(Shown(), (std::vector<int>{1, 2}));
  EXPECT_FALSE(G.RemoveLastFilter());
  EXPECT_EQ(Shown(), (std::vector<int>{1, 2, 3}));
  G.ApplyFilter();
  G.RemoveAllFilters();
  ExpectAllBack(4);
  EXPECT_EQ(G.FilterLevel(), 0);
  EXPECT_EQ(G.Filter()->Count(), 1) << "the conditions stay";
  G.RemoveAllFilters();
  EXPECT_EQ(G.Filter()->Count(), 0);
}

TEST_F(Filtered, NarrowingStacksALevelPerCharacterAndAnEmptyTextShowsAll) {
  Fill({u"ab", u"ABC", u"abd", u"x", u"hidden abc", u"xa", u"abc", u"q"});
  G.HideRows(5, 6);  // by other means
  const struct {
    const char16_t* Text;
    std::vector<int> Rows;
    int Level;
  } steps[] = {
      {u"a", {1, 2, 3, 7}, 1},      {u"ab", {1, 2, 3, 7}, 2}, {u"abc", {2, 7}, 3},
      {u"ab", {1, 2, 3, 7}, 2},     {u"x", {4}, 1},           {u"", {1, 2, 3, 4, 5, 6, 7, 8}, 0},
  };
  for (const auto& s : steps) {
    G.NarrowDown(s.Text, 1);
    EXPECT_EQ(Shown(), s.Rows) << "after \"" << StringToUtf8(s.Text) << "\"";
    EXPECT_EQ(G.FilterLevel(), s.Level) << StringToUtf8(s.Text);
  }
  ExpectAllBack(8);
  EXPECT_EQ(G.NumHiddenRows(), 0);
}

TEST_F(Filtered, NarrowingOnTheWholeRowAndABlankInTheText) {
  Fill({u"a b", u"ab", u"xa bx"});
  G.NarrowDown(u"A", -1);
  EXPECT_EQ(Shown(), (std::vector<int>{1, 2, 3}));
  // Not one more character: a fresh condition, unquoted, so its blank goes.
  G.NarrowDown(u"a b", 1);
  EXPECT_EQ(Shown(), (std::vector<int>{2}));
  G.NarrowDown(u"a b", 1);
  G.NarrowDown(u"", 1);
  G.NarrowDown(u"a", 1);
  G.NarrowDown(u"a ", 1);  // one more: quoted, and so a literal blank
  EXPECT_EQ(G.Filter()->Items(0)->Condition(), u"\"*a *\"");
}

TEST_F(Filtered, AnEmptyNarrowingOpensTheContractedNodesItShows) {
  Fill({u"node", u"a1", u"b1", u"a2", u"b2"});
  G.AddNode(1, 3);
  G.ContractNode(1);
  G.NarrowDown(u"b", 1);
  G.NarrowDown(u"", 1);
  ExpectAllBack(5);
  EXPECT_FALSE(G.GetNodeState(1));
  G.ContractNode(1);
  EXPECT_EQ(Shown(), (std::vector<int>{1, 4, 5}));
  G.ExpandNode(1);
  ExpectAllBack(5);
}

// Each notifier writes its name into the shared log.
class TLoggingNotifier : public TGridChangeNotifier {
 public:
  TLoggingNotifier(std::vector<std::string>& Log, std::string Name)
      : TGridChangeNotifier(nullptr), FLog(Log), FName(std::move(Name)) {}
  void CellsChanged(const TRect& R) override { FLog.push_back(FName + ":" + std::to_string(R.Top)); }

 private:
  std::vector<std::string>& FLog;
  std::string FName;
};

TEST(GridChangeNotifiers, AreToldInRegistrationOrderAfterTheEvent) {
  TAdvStringGrid g(nullptr);
  std::vector<std::string> log;
  g.OnCellsChanged = [&](TObject*, const TRect& R) { log.push_back("event:" + std::to_string(R.Top)); };
  auto second = std::make_unique<TLoggingNotifier>(log, "second");
  TLoggingNotifier first(log, "first");
  g.RegisterNotifier(&first);
  g.RegisterNotifier(second.get());
  g.RegisterNotifier(&first);  // once only
  g.CellsChanged(TRect{1, 2, 3, 4});
  EXPECT_EQ(log, (std::vector<std::string>{"event:2", "first:2", "second:2"}));
  log.clear();
  second.reset();  // a freed notifier is forgotten
  g.UnRegisterNotifier(&first);
  g.CellsChanged(TRect{0, 5, 0, 5});
  EXPECT_EQ(log, (std::vector<std::string>{"event:5"}));
}

}  // namespace
