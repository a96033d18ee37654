// Found text and errors tagged inside cells, given back exactly on removal,
// and the attached checker run over cells.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "grid/base/AdvStringGridCheck.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/sys/SysUtils.h"

namespace {

std::string U8(const String& S) { return StringToUtf8(S); }

// 4 columns x 4 rows, one fixed row and column; cell (c, r) holds "xy" + c + r.
struct SmallGrid {
  TAdvStringGrid Grid{nullptr};
  SmallGrid() {
    Grid.SetColCount(4);
    Grid.SetRowCount(4);
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) Grid.SetCells(c, r, u"xy" + IntToStr(c) + IntToStr(r));
  }
  // The cells, row by row, marked "*" where the text is no longer the original.
  std::string Changed() {
    std::string out;
    for (int r = 0; r < 4; ++r) {
      for (int c = 0; c < 4; ++c) out += Grid.GridCells(c, r) == u"xy" + IntToStr(c) + IntToStr(r) ? '.' : '*';
      out += '/';
    }
    return out;
  }
};

TEST(Highlight, TagsOnlyTheRangeEachOperationNames) {
  struct Case {
    const char* Name;
    std::function<void(TAdvStringGrid&)> Setup;
    std::function<void(TAdvStringGrid&)> Act;
    const char* Changed;
  };
  const auto none = [](TAdvStringGrid&) {};
  const auto footerAndRightFixed = [](TAdvStringGrid& g) {
    g.SetFixedRightCols(1);
    g.SetFixedFooters(1);
  };
  const Case cases[] = {
      {"one cell", none, [](TAdvStringGrid& g) { g.HilightInCell(false, 2, 1, u"xy"); }, "..../..*./..../..../"},
      {"row, data area", footerAndRightFixed, [](TAdvStringGrid& g) { g.HilightInRow(false, false, 2, u"xy"); },
       "..../..../.**./..../"},
      {"row, fixed too", footerAndRightFixed, [](TAdvStringGrid& g) { g.MarkInRow(true, false, 2, u"xy"); },
       "..../..../****/..../"},
      {"column, data area", footerAndRightFixed, [](TAdvStringGrid& g) { g.MarkInCol(false, false, 1, u"xy"); },
       "..../.*../.*../..../"},
      {"grid, data area", footerAndRightFixed, [](TAdvStringGrid& g) { g.HilightInGrid(false, false, u"xy"); },
       "..../.**./.**./..../"},
      {"grid, whole", none, [](TAdvStringGrid& g) { g.MarkInGrid(true, false, u"xy"); }, "****/****/****/****/"},
      {"only matching cells", none, [](TAdvStringGrid& g) { g.HilightInGrid(true, false, u"21"); },
       "..../..*./..../..../"},
      {"case", none, [](TAdvStringGrid& g) { g.HilightInGrid(true, true, u"XY"); }, "..../..../..../..../"},
      {"merged non-base cells", [](TAdvStringGrid& g) { g.MergeCells(1, 1, 2, 2); },
       [](TAdvStringGrid& g) { g.HilightInGrid(true, false, u"xy"); }, "****/**.*/*..*/****/"},
  };
  for (const Case& c : cases) {
    SmallGrid f;
    c.Setup(f.Grid);
    c.Act(f.Grid);
    EXPECT_EQ(f.Changed(), c.Changed) << c.Name;
  }
}

TEST(Highlight, HiddenColumnsReachedByHilightInGridButNotMarkInGrid) {
  for (const bool mark : {false, true}) {
    SmallGrid f;
    f.Grid.HideColumn(3);
    ASSERT_EQ(f.Grid.ColCount(), 3);
    if (mark) f.Grid.MarkInGrid(false, false, u"xy");
    else f.Grid.HilightInGrid(false, false, u"xy");
    EXPECT_EQ(f.Grid.GridCells(3, 2), mark ? u"xy32" : u"<hi>xy</hi>32") << mark;
    if (mark) f.Grid.UnMarkInGrid(false);
    else f.Grid.UnHilightInGrid(false);
    EXPECT_EQ(f.Changed(), "..../..../..../..../") << mark;
  }
}

// Texts as they are stored, the text looked for, the tagged text.
TEST(Highlight, RoundTripsGiveBackExactlyTheStoredText) {
  struct Case {
    const char16_t* Text;
    const char16_t* Search;
    const char16_t* Tagged;
  };
  const Case cases[] = {
      {u"abcd", u"bc", u"a<hi>bc</hi>d"},
      {u"a<b", u"b", u"a&lt;<hi>b</hi>"},
      {u"1 &lt; 2", u"2", u"1 &amp;lt; <hi>2</hi>"},
      {u"R&amp;D \"q\"", u"D", u"R&amp;amp;<hi>D</hi> &quot;q&quot;"},
      {u"x <b>y</b>", u"y", u"x &lt;b&gt;<hi>y</hi>&lt;/b&gt;"},
      {u"R&D", u"&", u"R<hi>&amp;</hi>D"},
  };
  for (const Case& c : cases) {
    for (const bool mark : {false, true}) {
      TAdvStringGrid g(nullptr);
      g.SetCells(1, 1, c.Text);
      if (mark) g.MarkInCell(false, 1, 1, c.Search);
      else g.HilightInCell(false, 1, 1, c.Search);
      String expected = c.Tagged;
      if (mark) expected = StringReplace(StringReplace(expected, u"<hi>", u"<e>", rfReplaceAll), u"</hi>", u"</e>", rfReplaceAll);
      EXPECT_EQ(U8(g.GridCells(1, 1)), U8(expected)) << U8(c.Text);
      if (mark) g.UnMarkInCell(1, 1);
      else g.UnHilightInCell(1, 1);
      EXPECT_EQ(U8(g.GridCells(1, 1)), U8(c.Text)) << mark;
    }
  }
}

TEST(Highlight, UnmatchedAndUntaggedCellsKeepTheirTexts) {
  TAdvStringGrid g(nullptr);
  g.SetCells(1, 1, u"R&D");
  g.SetCells(2, 1, u"a &lt; b");
  g.SetCells(1, 2, u"find me");
  g.HilightInGrid(false, false, u"find");
  EXPECT_EQ(g.Cells(1, 1), u"R&D");
  EXPECT_EQ(g.Cells(2, 1), u"a &lt; b");
  g.UnHilightInGrid(false);
  EXPECT_EQ(g.Cells(1, 1), u"R&D");
  EXPECT_EQ(g.Cells(2, 1), u"a &lt; b");
  EXPECT_EQ(g.Cells(1, 2), u"find me");
}

TEST(Highlight, EachTagComesOffOnlyWhereItIsMarkup) {
  TAdvStringGrid g(nullptr);
  g.SetCells(1, 1, u"x<y");
  g.MarkInCell(false, 1, 1, u"y");
  g.HilightInCell(false, 1, 1, u"x");
  const String both = u"<hi>x</hi>&amp;lt;&lt;e&gt;y&lt;/e&gt;";
  EXPECT_EQ(g.Cells(1, 1), both);
  g.UnMarkInCell(1, 1);
  EXPECT_EQ(g.Cells(1, 1), both) << "the error tag is escaped text inside the highlight";
  g.UnHilightInCell(1, 1);
  EXPECT_EQ(g.Cells(1, 1), u"x&lt;<e>y</e>");
  g.UnMarkInCell(1, 1);
  EXPECT_EQ(g.Cells(1, 1), u"x<y");
}

TEST(Highlight, TextLevelOperations) {
  EXPECT_EQ(TAdvStringGrid::HilightText(false, u"Abab", u"ab"), u"<hi>Ab</hi><hi>ab</hi>");
  EXPECT_EQ(TAdvStringGrid::HilightText(true, u"Abab", u"ab"), u"Ab<hi>ab</hi>");
  EXPECT_EQ(TAdvStringGrid::MarkText(false, u"xyz", u"y"), u"x<e>y</e>z");
  EXPECT_EQ(TAdvStringGrid::UnHilightText(u"x<HI>y</hi>&lt;"), u"xy<");
  EXPECT_EQ(TAdvStringGrid::UnMarkText(u"x<e>y</E>"), u"xy");
}

TEST(Highlight, WorksOnTheDisplayHookTextOfMatchedCellsOnly) {
  TAdvStringGrid g(nullptr);
  g.SetCells(1, 1, u"raw");
  g.SetCells(2, 1, u"other");
  g.OnGetDisplText = [](TObject*, int, int, String& V) {
    if (V == u"raw") V = u"shown";
  };
  g.HilightInGrid(false, false, u"show");
  g.OnGetDisplText = nullptr;
  EXPECT_EQ(g.Cells(1, 1), u"<hi>show</hi>n");
  EXPECT_EQ(g.Cells(2, 1), u"other");
}

// ---- checking

class TRecordingCheck : public TAdvStringGridCheck {
 public:
  using TAdvStringGridCheck::TAdvStringGridCheck;
  TAdvStringGrid* Grid = nullptr;
  std::vector<std::string> Calls;
  String MarkError(int ACol, int ARow, const String& s) override {
    Calls.push_back("mark " + U8(s));
    return s.find(u"bad") != String::npos ? u"<e>" + s + u"</e>" : s;
  }
  String Correct(int ACol, int ARow, const String& s) override {
    Calls.push_back("correct " + U8(s) + Where());
    return s == u"teh" ? String(u"the") : s;
  }
  void StartCheck() override { Calls.push_back("start"); }
  void StopCheck() override { Calls.push_back("stop"); }

 private:
  std::string Where() const {
    return GotoCell() ? " at " + std::to_string(Grid->Col()) + "," + std::to_string(Grid->Row()) : "";
  }
};

struct CheckedGrid {
  TAdvStringGrid Grid{nullptr};
  std::unique_ptr<TRecordingCheck> Checker = std::make_unique<TRecordingCheck>(nullptr);
  CheckedGrid() {
    Grid.SetColCount(3);
    Grid.SetRowCount(3);
    Grid.SetCells(1, 1, u"teh");
    Grid.SetCells(2, 1, u"fine");
    Grid.SetCells(1, 2, u"bad");
    Grid.SetCells(2, 2, u"1 &lt; 2");
    Grid.SetCells(0, 0, u"teh");
    Checker->Grid = &Grid;
    Grid.SetCellChecker(Checker.get());
  }
};

TEST(CellCheck, CorrectingCheckerAnswersFalseAndKeepsTheCorrection) {
  CheckedGrid f;
  f.Checker->SetUseCorrect(true);
  EXPECT_FALSE(f.Grid.CheckGrid(false));
  EXPECT_EQ(f.Grid.Cells(1, 1), u"the");
  EXPECT_EQ(f.Grid.Cells(0, 0), u"teh") << "fixed cells are left out";
  EXPECT_EQ(f.Grid.Cells(2, 2), u"1 &lt; 2") << "an unchanged text is not decoded";
  EXPECT_EQ(f.Checker->Calls, (std::vector<std::string>{"start", "correct teh", "correct fine", "correct bad",
                                                         "correct 1 &lt; 2", "stop"}));
  EXPECT_TRUE(f.Grid.CheckGrid(false)) << "nothing left to correct";
}

TEST(CellCheck, CheckingTwiceDoesNotNestErrorTags) {
  CheckedGrid f;
  f.Checker->SetUseMarkError(true);
  EXPECT_FALSE(f.Grid.CheckCol(false, 1));
  EXPECT_EQ(f.Grid.Cells(1, 2), u"<e>bad</e>");
  EXPECT_FALSE(f.Grid.CheckCol(false, 1)) << "the mark is put back";
  EXPECT_EQ(f.Grid.Cells(1, 2), u"<e>bad</e>");
  EXPECT_TRUE(f.Grid.CheckRow(false, 1));
}

TEST(CellCheck, GotoCellVisitsEachCellAndRestoresTheCurrentCell) {
  CheckedGrid f;
  f.Checker->SetUseCorrect(true);
  f.Checker->SetGotoCell(true);
  f.Grid.SetCol(2);
  f.Grid.SetRow(2);
  f.Grid.CheckRow(false, 1);
  EXPECT_EQ(f.Checker->Calls, (std::vector<std::string>{"start", "correct teh at 1,1", "correct fine at 2,1", "stop"}));
  EXPECT_EQ(f.Grid.Col(), 2);
  EXPECT_EQ(f.Grid.Row(), 2);
}

TEST(CellCheck, ARaisingCheckerEndsItsCheckAndTheCurrentCellStays) {
  CheckedGrid f;
  f.Grid.SetCells(2, 1, u"raise");
  struct TRaising : TRecordingCheck {
    using TRecordingCheck::TRecordingCheck;
    String Correct(int ACol, int ARow, const String& s) override {
      if (s == u"raise") throw std::runtime_error("checker failed");
      return TRecordingCheck::Correct(ACol, ARow, s);
    }
  };
  TRaising raising(nullptr);
  raising.Grid = &f.Grid;
  raising.SetUseCorrect(true);
  raising.SetGotoCell(true);
  f.Grid.SetCellChecker(&raising);
  f.Grid.SetCol(2);
  f.Grid.SetRow(2);
  EXPECT_THROW(f.Grid.CheckRow(false, 1), std::runtime_error);
  EXPECT_EQ(raising.Calls, (std::vector<std::string>{"start", "correct teh at 1,1", "stop"}));
  EXPECT_EQ(f.Grid.Col(), 2);
  EXPECT_EQ(f.Grid.Row(), 2);
  f.Grid.SetCellChecker(nullptr);
}

TEST(CellCheck, MergedCellsAreCheckedOnTheBaseText) {
  CheckedGrid f;
  f.Checker->SetUseCorrect(true);
  f.Grid.MergeCells(1, 1, 2, 1);
  EXPECT_FALSE(f.Grid.CheckRow(false, 1));
  EXPECT_EQ(f.Grid.Cells(1, 1), u"the");
  EXPECT_EQ(f.Checker->Calls, (std::vector<std::string>{"start", "correct teh", "correct the", "stop"}));
}

TEST(CellCheck, NoCheckerAnswersTrueAndChangesNothing) {
  CheckedGrid f;
  f.Grid.SetCellChecker(nullptr);
  EXPECT_TRUE(f.Grid.CheckGrid(true));
  EXPECT_TRUE(f.Grid.CheckCell(1, 1));
  EXPECT_EQ(f.Grid.Cells(1, 1), u"teh");
}

TEST(CellCheck, AFreedCheckerIsForgotten) {
  CheckedGrid f;
  f.Checker.reset();
  EXPECT_EQ(f.Grid.CellChecker(), nullptr);
  EXPECT_TRUE(f.Grid.CheckGrid(false));
}

}  // namespace
