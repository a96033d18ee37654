// Hiding and showing rows through the hidden-row store, filter levels and
// the renumbering of parked rows when shown rows are inserted or removed.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "grid/model/AdvStringGrid.h"
#include "platform/sys/SysUtils.h"

namespace {

// A 4-column grid of 12 rows; cell (c, r) holds "r.c" and column 1 of every
// row has a colour record, so records travel (and are freed) with rows.
struct GridHiddenRows : ::testing::Test {
  TAdvStringGrid G{nullptr};
  GridHiddenRows() {
    G.SetColCount(4);
    G.SetRowCount(12);
    for (int r = 0; r < 12; ++r) {
      for (int c = 0; c < 4; ++c) G.SetCells(c, r, IntToStr(r) + u"." + IntToStr(c));
      G.SetColors(1, r, 0x100 + r);
    }
  }
  // The original row number shown at displayed row d, from its column-0 text.
  int Shown(int d) { return StrToInt(G.Cells(0, d).substr(0, G.Cells(0, d).find(u'.'))); }
  std::vector<int> ShownRows() {
    std::vector<int> rows;
    for (int d = 0; d < G.RowCount(); ++d) rows.push_back(Shown(d));
    return rows;
  }
  std::vector<int> ParkedIdx() {
    std::vector<int> idx;
    for (int i = 0; i < G.GridItems().Count(); ++i) idx.push_back(G.GridItems().Item(i)->Idx());
    return idx;
  }
};

TEST_F(GridHiddenRows, HidingARangeSkipsParkedRowsAndKeepsTheStoreOrdered) {
  G.SetRowHeights(5, 40);
  G.HideRow(4);
  G.HideRows(3, 5);
  EXPECT_EQ(ParkedIdx(), (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(G.RowCount(), 9);
  EXPECT_EQ(G.AllRowCount(), 12);
  EXPECT_EQ(G.AllCells(2, 5), u"5.2");
  EXPECT_EQ(G.GridItems().FindRealRow(5)->Height(), 40);
  EXPECT_EQ(Shown(3), 6);
  EXPECT_EQ(G.RealRowIndex(3), 6);
  EXPECT_EQ(G.DisplRowIndex(6), 3);
  G.UnHideRows(4, 5);  // row 4 is parked but row... 4 is the first: shows 4 and 5
  EXPECT_EQ(ParkedIdx(), (std::vector<int>{3}));
  G.UnHideRows(2, 3);  // row 2 is shown: nothing
  EXPECT_EQ(ParkedIdx(), (std::vector<int>{3}));
  G.UnHideRow(3);
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(G.RowHeights(5), 40);
  EXPECT_EQ(G.Colors(1, 5), TColor(0x105)) << "the record came back with its row";
}

TEST_F(GridHiddenRows, ScatteredRowsComeBackInOnePass) {
  for (int r = 1; r < 12; r += 2) G.HideRow(r);
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 2, 4, 6, 8, 10}));
  G.UnHideRowsAll();
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(G.Colors(1, 7), TColor(0x107));
  EXPECT_EQ(G.NumHiddenRows(), 0);
}

// Rows parked before the row count was lowered keep real indexes past the
// last shown row; hiding a range reaching there used to raise halfway, with
// the cells of the rows already taken out lost.
TEST_F(GridHiddenRows, HidingARangePastTheLoweredRowCountKeepsEveryRow) {
  G.HideRows(7, 8);
  G.HideRow(2);
  G.SetRowCount(4);  // shown: 0, 1, 3, 4
  EXPECT_NO_THROW(G.HideRows(3, 6));
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 1}));
  G.UnHideRowsAll();
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 1, 2, 3, 4, 7, 8}));
}

// Rows parked by HideRows used to be misplaced and then dropped with their
// cells when a filter level was taken back.
TEST_F(GridHiddenRows, RowsHiddenByHideRowsSurviveFilterLevels) {
  G.HideRow(2);
  G.HideRowList({3, 5});  // displayed rows: real rows 4 and 6
  EXPECT_EQ(G.FilterLevel(), 1);
  G.HideRowList({0});
  EXPECT_EQ(ShownRows(), (std::vector<int>{1, 3, 5, 7, 8, 9, 10, 11}));
  EXPECT_EQ(ParkedIdx(), (std::vector<int>{0, 2, 4, 6}));
  G.UnHideRowList();  // top level only
  G.SetFilterLevel(1);
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 1, 3, 5, 7, 8, 9, 10, 11}));
  G.UnHideRowList();
  G.SetFilterLevel(0);
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(ParkedIdx(), (std::vector<int>{2}));
  EXPECT_EQ(G.AllCells(3, 2), u"2.3");
  G.UnHideRowList();  // no level left: nothing
  EXPECT_EQ(G.NumHiddenRows(), 1);
  G.UnHideRow(2);
  EXPECT_EQ(G.Colors(1, 2), TColor(0x102));
}

// A row parked below an inserted row used to come back one place too high.
TEST_F(GridHiddenRows, InsertingRowsRenumbersParkedRowsBelow) {
  G.HideRow(6);
  G.HideRows(2, 4);  // block right above displayed row 2 (real 5)
  G.InsertRows(2, 2);
  EXPECT_EQ(ParkedIdx(), (std::vector<int>{2, 3, 4, 8})) << "rows parked before the point stay";
  G.UnHideRowsAll();
  EXPECT_EQ(G.Cells(0, 5), u"") << "the inserted rows follow the parked block";
  EXPECT_EQ(Shown(7), 5);
  EXPECT_EQ(Shown(8), 6);
  EXPECT_EQ(G.RowCount(), 14);
}

TEST_F(GridHiddenRows, RemovingRowsRenumbersParkedRowsBelow) {
  struct Case {
    const char* Name;
    std::function<void(TAdvStringGrid&)> Remove;
  } cases[] = {
      {"RemoveRows", [](TAdvStringGrid& g) { g.RemoveRows(2, 2); }},
      {"DeleteRows", [](TAdvStringGrid& g) { g.DeleteRows(2, 2); }},
      {"RemoveRowsEx", [](TAdvStringGrid& g) { g.RemoveRowsEx(2, 2); }},
  };
  for (const Case& c : cases) {
    TAdvStringGrid g(nullptr);
    g.SetCells(0, 7, u"seven");
    g.HideRow(7);
    c.Remove(g);
    ASSERT_EQ(g.NumHiddenRows(), 1) << c.Name;
    EXPECT_EQ(g.GridItems().Item(0)->Idx(), 5) << c.Name;
    g.UnHideRow(5);
    EXPECT_EQ(g.Cells(0, 5), u"seven") << c.Name;
  }
}

// A parked row between removed shown rows keeps a real index of its own.
TEST_F(GridHiddenRows, RemovingAroundAParkedRowKeepsItBetweenItsNeighbours) {
  G.HideRow(3);
  G.RemoveRows(2, 2);  // real rows 2 and 4
  EXPECT_EQ(ParkedIdx(), (std::vector<int>{2}));
  G.UnHideRowsAll();
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 1, 3, 5, 6, 7, 8, 9, 10, 11}));
}

TEST_F(GridHiddenRows, InsertingAndRemovingColumnsReachesParkedRows) {
  G.HideRow(4);
  G.InsertCols(1, 1);
  EXPECT_EQ(G.AllCells(2, 4), u"4.1");
  EXPECT_EQ(G.AllCells(1, 4), u"");
  G.RemoveCols(1, 2);  // the new column and the one with the records
  G.UnHideRow(4);
  EXPECT_EQ(G.Cells(1, 4), u"4.2");
  EXPECT_EQ(G.Colors(1, 4), clNone);
}

TEST_F(GridHiddenRows, ClearAllEmptiesParkedRowsAndKeepsThemParked) {
  G.HideRows(3, 4);
  G.ClearAll();
  EXPECT_EQ(G.NumHiddenRows(), 2);
  EXPECT_EQ(G.AllCells(0, 3), u"");
  EXPECT_EQ(G.Cells(0, 5), u"");
  G.UnHideRowsAll();
  EXPECT_EQ(G.Colors(1, 3), clNone);
}

TEST_F(GridHiddenRows, AGridKeepsOneShownRow) {
  G.HideRows(0, 20);
  EXPECT_EQ(G.RowCount(), 1);
  EXPECT_EQ(G.NumHiddenRows(), 11);
  EXPECT_EQ(Shown(0), 11);
  G.UnHideRowsAll();
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

// Random sequences of every operation that parks, restores, inserts, removes
// or moves rows, checked after each step against a plain list of the real
// rows: which original row each holds, whether and by which level it is
// parked, its height. Filter levels are taken back top first, as filtering does.
class GridHiddenRowsModel : public GridHiddenRows {
 protected:
  struct Row {
    int Id;     // original row, -1 for an inserted one
    int Level;  // -1 shown, 0 HideRows, above 0 the filter level
    int Height;
  };
  std::vector<Row> Rows;
  int Level = 0;
  std::mt19937 Rng;
  std::string Log;

  int Pick(int n) { return n <= 0 ? 0 : static_cast<int>(Rng() % static_cast<unsigned>(n)); }
  int ShownCount() const {
    int n = 0;
    for (const Row& r : Rows) n += r.Level < 0;
    return n;
  }
  int RealOfShown(int d) const {
    for (int i = 0, n = 0; i < static_cast<int>(Rows.size()); ++i) {
      if (Rows[i].Level < 0 && n++ == d) return i;
    }
    return static_cast<int>(Rows.size());
  }
  // Parks the listed real rows, keeping the grid's last shown row.
  void Park(std::vector<int> Real, int AtLevel) {
    if (static_cast<int>(Real.size()) >= ShownCount()) Real.resize(static_cast<size_t>(ShownCount() - 1));
    for (int i : Real) Rows[static_cast<size_t>(i)].Level = AtLevel;
  }
  std::vector<Row> TakeShown(int d, int n) {
    std::vector<int> real;
    for (int k = 0; k < n; ++k) real.push_back(RealOfShown(d + k));
    std::vector<Row> taken;
    for (int k = n - 1; k >= 0; --k) {
      taken.insert(taken.begin(), Rows[static_cast<size_t>(real[static_cast<size_t>(k)])]);
      Rows.erase(Rows.begin() + real[static_cast<size_t>(k)]);
    }
    return taken;
  }
  void Step();
  void Check(int Seed);
};

void GridHiddenRowsModel::Step() {
  const int all = static_cast<int>(Rows.size()), shown = ShownCount();
  const int a = Pick(all), n = 1 + Pick(3), d = Pick(shown), t = Pick(shown + 1);
  const auto say = [&](const std::string& s) { Log += s + " "; };
  switch (Pick(8)) {
    case 0: {
      say("HideRows(" + std::to_string(a) + "," + std::to_string(a + n) + ")");
      G.HideRows(a, a + n);
      std::vector<int> real;
      for (int i = a; i <= std::min(a + n, all - 1); ++i)
        if (Rows[static_cast<size_t>(i)].Level < 0) real.push_back(i);
      Park(real, 0);
      break;
    }
    case 1:
      say("UnHideRows(" + std::to_string(a) + "," + std::to_string(a + n) + ")");
      G.UnHideRows(a, a + n);
      if (Rows[static_cast<size_t>(a)].Level >= 0)
        for (int i = a; i <= std::min(a + n, all - 1); ++i) Rows[static_cast<size_t>(i)].Level = -1;
      break;
    case 2:
      say("UnHideRowsAll");
      G.UnHideRowsAll();
      for (Row& r : Rows) r.Level = -1;
      break;
    case 3: {
      std::vector<int> list, real;
      for (int k = 0; k < shown; ++k)
        if (Pick(3) == 0) list.push_back(k);
      say("HideRowList(" + std::to_string(list.size()) + " rows)");
      G.HideRowList(list);
      for (int k : list) real.push_back(RealOfShown(k));
      Park(real, ++Level);
      break;
    }
    case 4:
      say("UnHideRowList");
      G.UnHideRowList();
      if (Level == 0) break;
      for (Row& r : Rows)
        if (r.Level == Level) r.Level = -1;
      G.SetFilterLevel(--Level);
      break;
    case 5:
      say("InsertRows(" + std::to_string(t) + "," + std::to_string(n) + ")");
      G.InsertRows(t, n);
      Rows.insert(Rows.begin() + RealOfShown(t), static_cast<size_t>(n), Row{-1, -1, G.DefaultRowHeight()});
      break;
    case 6: {
      const int m = std::min(n, shown - d);
      if (m >= shown) break;
      const int how = Pick(3);
      say("Remove" + std::to_string(how) + "(" + std::to_string(d) + "," + std::to_string(n) + ")");
      if (how == 0) G.RemoveRows(d, n);
      if (how == 1) G.DeleteRows(d, n);
      if (how == 2) G.RemoveRowsEx(d, n);
      TakeShown(d, m);
      break;
    }
    default: {
      const int m = std::min(n, shown - d);
      say("MoveRows(" + std::to_string(d) + "," + std::to_string(t) + "," + std::to_string(n) + ")");
      G.MoveRows(d, t, n);
      const int to = std::clamp(d + m < t ? t - m : t, 0, shown - m);
      if (to == d) break;
      std::vector<Row> block = TakeShown(d, m);
      Rows.insert(Rows.begin() + RealOfShown(to), block.begin(), block.end());
    }
  }
}

void GridHiddenRowsModel::Check(int Seed) {
  SCOPED_TRACE("seed " + std::to_string(Seed) + ": " + Log);
  ASSERT_EQ(G.RowCount(), ShownCount());
  ASSERT_EQ(G.AllRowCount(), static_cast<int>(Rows.size()));
  for (int i = 0; i < static_cast<int>(Rows.size()); ++i) {
    const Row& r = Rows[static_cast<size_t>(i)];
    const String text = r.Id < 0 ? String() : IntToStr(r.Id) + u".2";
    ASSERT_EQ(G.AllCells(2, i), text) << "real row " << i;
    ASSERT_EQ(G.IsHiddenRow(i), r.Level >= 0) << "real row " << i;
    if (r.Level >= 0) {
      ASSERT_EQ(G.GridItems().FindRealRow(i)->Level(), r.Level) << "real row " << i;
      continue;
    }
    const int d = G.DisplRowIndex(i);
    ASSERT_EQ(G.RealRowIndex(d), i);
    ASSERT_EQ(G.RowHeights(d), r.Height) << "real row " << i;
    ASSERT_EQ(G.Colors(1, d), r.Id < 0 ? clNone : TColor(0x100 + r.Id)) << "real row " << i;
  }
}

TEST_F(GridHiddenRowsModel, RandomSequencesAgreeWithAPlainModel) {
  for (int seed = 0; seed < 60; ++seed) {
    G.UnHideRowsAll();
    G.SetFilterLevel(0);
    G.SetRowCount(12);
    Rows.clear();
    for (int r = 0; r < 12; ++r) {
      for (int c = 0; c < 4; ++c) G.SetCells(c, r, IntToStr(r) + u"." + IntToStr(c));
      G.SetColors(1, r, 0x100 + r);
      G.SetRowHeights(r, 20 + r);
      Rows.push_back({r, -1, 20 + r});
    }
    Level = 0;
    Rng.seed(static_cast<unsigned>(seed));
    Log.clear();
    for (int step = 0; step < 40; ++step) {
      Step();
      Check(seed);
      if (HasFatalFailure()) return;
    }
  }
}

}  // namespace

namespace {

// Single rows hidden and shown in random order, or most rows hidden down or
// up the grid, in a grid of Rows rows whose column 0 holds the row number;
// after each step the grid shows what a plain list of visible rows holds.
struct GridSingleRowSteps : ::testing::Test {
  TAdvStringGrid G{nullptr};
  std::vector<bool> Hidden;
  void Build(int Rows) {
    G.SetColCount(2);
    G.SetRowCount(Rows);
    Hidden.assign(static_cast<size_t>(Rows), false);
    for (int r = 0; r < Rows; ++r) {
      G.SetCells(0, r, IntToStr(r));
      if (r % 5 == 0) G.SetRowHeights(r, 30);
    }
  }
  int ShownCount() const { return static_cast<int>(std::count(Hidden.begin(), Hidden.end(), false)); }
  void Hide(int Real) {
    G.HideRow(Real);
    if (ShownCount() > 1) Hidden[static_cast<size_t>(Real)] = true;  // the grid keeps one shown row
  }
  void Show(int Real) {
    G.UnHideRow(Real);
    Hidden[static_cast<size_t>(Real)] = false;
  }
  ::testing::AssertionResult Agrees() {
    std::vector<int> visible;
    for (size_t r = 0; r < Hidden.size(); ++r)
      if (!Hidden[r]) visible.push_back(static_cast<int>(r));
    if (G.RowCount() != static_cast<int>(visible.size()))
      return ::testing::AssertionFailure() << "shown " << G.RowCount() << " != " << visible.size();
    for (int d = 0; d < G.RowCount(); ++d) {
      const int r = visible[static_cast<size_t>(d)];
      if (G.Cells(0, d) != IntToStr(r) || G.RealRowIndex(d) != r || G.DisplRowIndex(r) != d ||
          G.RowHeights(d) != (r % 5 == 0 ? 30 : G.DefaultRowHeight()))
        return ::testing::AssertionFailure() << "displayed row " << d << " should be row " << r;
    }
    for (size_t r = 0; r < Hidden.size(); ++r) {
      const int real = static_cast<int>(r);
      if (G.IsHiddenRow(real) != Hidden[r]) return ::testing::AssertionFailure() << "row " << r << " hidden";
      if (Hidden[r] && G.AllCells(0, real) != IntToStr(real))
        return ::testing::AssertionFailure() << "parked row " << r << " holds " << G.AllCells(0, real).size();
    }
    return ::testing::AssertionSuccess();
  }
};

TEST_F(GridSingleRowSteps, RandomHidesAndShowsAgreeWithAListOfVisibleRows) {
  Build(300);
  std::mt19937 rng(90);
  int r = 150;
  for (int step = 0; step < 4000; ++step) {
    // Half the steps near the row before, as a user walks the grid; the rest anywhere.
    const int near = std::clamp(r + static_cast<int>(rng() % 7) - 3, 0, 299);
    r = rng() % 2 ? near : static_cast<int>(rng() % 300);
    if (Hidden[static_cast<size_t>(r)])
      Show(r);
    else
      Hide(r);
    ASSERT_TRUE(Agrees()) << "after step " << step;
  }
  G.UnHideRowsAll();
  std::fill(Hidden.begin(), Hidden.end(), false);
  EXPECT_TRUE(Agrees());
}

// Enough rows that the free slots outgrow the rows left and are given back.
TEST_F(GridSingleRowSteps, MostRowsHiddenDownOrUpTheGridComeBackInPlace) {
  for (const bool down : {true, false}) {
    SCOPED_TRACE(down ? "down" : "up");
    Build(3000);
    for (int i = 0; i < 3000; ++i) {
      const int r = down ? i : 2999 - i;
      if (r % 19 != 7) Hide(r);
    }
    ASSERT_TRUE(Agrees());
    for (int i = 0; i < 3000; i += 3) Show(down ? 2999 - i : i);
    ASSERT_TRUE(Agrees());
    G.UnHideRowsAll();
    std::fill(Hidden.begin(), Hidden.end(), false);
    EXPECT_TRUE(Agrees());
  }
}

}  // namespace
