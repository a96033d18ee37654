#include <gtest/gtest.h>
#include <pthread.h>

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "grid/base/Navigation.h"
#include "grid/base/SortIndexList.h"
#include "grid/model/AdvGridError.h"
#include "grid/model/SortSettings.h"
#include "tests/grid/model/SortGrid.h"

namespace {

using Texts = std::vector<String>;

TEST(SortRuns, IndexedWithMixedDirections) {
  SortGrid s;
  s.Fill(1, {u"a", u"b", u"a", u"b"});
  s.Fill(2, {u"1", u"2", u"3", u"4"});
  try {
    s.G.QSortIndexed();
    FAIL() << "an empty index list sorts nothing";
  } catch (const EAdvGridError& e) {
    EXPECT_EQ(e.Message(), u"No indexes specified for indexed sort");
  }
  s.G.SortIndexes()->AddIndex(1, true);
  s.G.SortIndexes()->AddIndex(2, false);
  s.G.QSortIndexed();
  EXPECT_EQ(s.Column(2), (Texts{u"3", u"1", u"4", u"2"}));
  EXPECT_EQ(s.G.SortIndexes()->Count(), 2) << "the list stays";
  s.G.Sort(2, sdAscending);
  EXPECT_EQ(s.G.SortIndexes()->Count(), 0) << "a single-column sort clears it";
}

TEST(SortRuns, SingleColumnAndNormalCellsOnly) {
  SortGrid s;
  s.Fill(0, {u"1", u"2", u"3"});
  s.Fill(1, {u"c", u"a", u"b"});
  s.Fill(2, {u"x", u"y", u"z"});
  s.G.SortSettings()->SetNormalCellsOnly(true);
  s.G.Sort(1, sdAscending);
  EXPECT_EQ(s.Column(0), (Texts{u"1", u"2", u"3"}));
  EXPECT_EQ(s.Column(2), (Texts{u"y", u"z", u"x"}));
  s.G.SortSettings()->SetSingleColumn(true);
  s.G.Sort(1, sdDescending);
  EXPECT_EQ(s.Column(1), (Texts{u"c", u"b", u"a"}));
  EXPECT_EQ(s.Column(2), (Texts{u"y", u"z", u"x"})) << "only the sort column's cells move";
}

TEST(SortRuns, CurrentRowTopRowAndRowChanged) {
  SortGrid s;
  s.Fill(1, {u"d", u"c", u"b", u"a"});
  s.G.SetRow(1);  // "d"
  std::vector<std::pair<int, int>> changes;
  s.G.OnRowChanged = [&](TObject*, int OldRow, int NewRow) { changes.emplace_back(OldRow, NewRow); };
  s.G.Sort(1, sdAscending);
  EXPECT_EQ(s.G.Row(), 1) << "the index stays";
  EXPECT_EQ(changes, (std::vector<std::pair<int, int>>{{1, 1}}));

  s.G.Navigation()->SetMoveRowOnSort(true);
  s.G.SetRow(1);  // "a"
  s.G.Sort(1, sdDescending);
  EXPECT_EQ(s.G.Cells(1, s.G.Row()), u"a") << "the current row's data is followed";
  EXPECT_EQ(changes.size(), 1u) << "not fired when the row moves along";

  s.G.SetRowCount(60);
  s.G.SetViewSize(300, 200);
  s.G.Navigation()->SetKeepScrollOnSort(true);
  s.G.SetTopRow(20);
  const int top = s.G.TopRow();
  s.G.Sort(1, sdAscending);
  EXPECT_EQ(s.G.TopRow(), top);
}

TEST(SortRuns, HiddenColumnsMoveParkedRowsStay) {
  SortGrid s;
  s.Fill(1, {u"c", u"a", u"d", u"b"});
  s.Fill(2, {u"3", u"1", u"4", u"2"});
  s.G.HideColumn(2);
  s.G.HideRow(3);  // "d" parked
  s.G.Sort(1, sdAscending);
  s.G.UnHideColumn(2);
  s.G.UnHideRowsAll();
  EXPECT_EQ(s.Column(1), (Texts{u"a", u"b", u"d", u"c"}));
  EXPECT_EQ(s.Column(2), (Texts{u"1", u"2", u"4", u"3"}));
}

// Two level-1 nodes of three children each; the second one is contracted.
TEST(SortRuns, GroupsSortInsideExpandedNodesOnly) {
  SortGrid s;
  s.Fill(1, {u"A", u"z", u"y", u"x", u"B", u"z", u"y", u"x"});
  for (int node : {1, 5}) {
    TCellGraphic* g = s.G.CreateCellGraphic(0, node);
    g->SetCellType(ctNode);
    g->SetCellIndex(4);
    for (int r = node; r < node + 4; ++r) s.G.CellProperties(0, r)->SetNodeLevel(1);
  }
  s.G.GetCellGraphic(0, 5)->SetCellBoolean(true);
  s.G.SortSettings()->SetColumn(1);
  s.G.QSortGroup();
  EXPECT_EQ(s.Column(1), (Texts{u"A", u"x", u"y", u"z", u"B", u"z", u"y", u"x"}));
  EXPECT_TRUE(s.G.IsNode(1) && s.G.IsNode(5));
}

TEST(SortRuns, UnSortAfterTwoSortsAndAfterAnAddedRow) {
  SortGrid s;
  s.Fill(1, {u"b", u"c", u"a", u"d"});
  s.Fill(2, {u"2", u"1", u"2", u"1"});
  s.G.Sort(1, sdDescending);
  s.G.Sort(2, sdAscending);
  s.G.QUnSort();
  EXPECT_EQ(s.Column(1), (Texts{u"b", u"c", u"a", u"d"}));
  for (int r = 0; r < s.G.RowCount(); ++r) EXPECT_EQ(s.G.SortRowXRef().Items(r), r);

  s.G.Sort(1, sdAscending);
  s.G.AddRow();
  s.G.SetCells(1, 5, u"0");
  s.G.QUnSort();  // the record no longer fits: it starts afresh
  EXPECT_EQ(s.Column(1), (Texts{u"a", u"b", u"c", u"d", u"0"}));
  s.G.Sort(1, sdDescending);
  s.G.QUnSort();
  EXPECT_EQ(s.Column(1), (Texts{u"a", u"b", u"c", u"d", u"0"}));
}

TEST(SortRuns, SettingsTextDrivesTheSort) {
  SortGrid s;
  s.Fill(3, {u"b", u"c", u"a"});
  s.G.Sort(3, sdDescending);
  EXPECT_EQ(s.G.SortSettings()->SaveToString(), u"d3");
  s.G.SortSettings()->LoadFromString(u"u3");
  EXPECT_EQ(s.Column(3), (Texts{u"a", u"b", u"c"}));
  EXPECT_TRUE(s.G.SortSettings()->Show());
  s.G.SortSettings()->LoadFromString(u"dx");
  EXPECT_EQ(s.Column(3), (Texts{u"a", u"b", u"c"})) << "a column that is no number is ignored";
  s.G.SortSettings()->LoadFromString(u"i;d3");
  EXPECT_EQ(s.Column(3), (Texts{u"c", u"b", u"a"}));
  EXPECT_EQ(s.G.SortSettings()->SaveToString(), u"i;d3");
  EXPECT_THROW(s.G.SortSettings()->LoadFromString(u"u"), Exception);
  s.G.SortSettings()->Remove();
  EXPECT_EQ(s.G.SortSettings()->Column(), -1);
  EXPECT_EQ(s.G.SortIndexes()->Count(), 0);
}

TEST(SortRuns, SettingsRowAndAssign) {
  TAdvStringGrid g(nullptr);
  TSortSettings& s = *g.SortSettings();
  try {
    s.SetRow(2);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), u"Sort row should be smaller than number of fixed rows");
  }
  EXPECT_EQ(s.Row(), 0);
  TAdvStringGrid other(nullptr);
  TSortSettings& src = *other.SortSettings();
  src.SetIgnoreCase(true);
  src.SetSortOnVirtualCells(false);
  src.SetColumn(4);
  s.Assign(src);
  EXPECT_EQ(s.Column(), 4);
  EXPECT_FALSE(s.IgnoreCase());
  EXPECT_TRUE(s.SortOnVirtualCells());
}

// The 100th comparison raises: every count and scratch change is undone and
// each record still has exactly one cell (freeing the grid checks that).
TEST(SortRuns, ARaisingComparisonLeavesTheGridAsItWas) {
  SortGrid s;
  s.G.SetRowCount(60);
  std::vector<TColor> colorOf(59);
  for (int r = 1; r < 60; ++r) {
    s.G.SetCells(1, r, IntToStr((r * 37) % 59));
    s.G.SetColors(2, r, static_cast<TColor>(r));
    colorOf[static_cast<size_t>((r * 37) % 59)] = static_cast<TColor>(r);
  }
  s.G.SetColWidths(s.G.ColCount() - 1, 77);
  s.G.HideColumn(3);
  const int rows = s.G.RowCount(), cols = s.G.ColCount(), maxRows = s.G.MaxRowCount();
  s.G.OnGetFormat = [](TObject*, int, TSortStyle& Style, String&, String&) { Style = ssCustom; };
  int calls = 0;
  s.G.OnCustomCompare = [&](TObject*, const String& A, const String& B, int& Res) {
    if (++calls == 100) throw std::runtime_error("compare failed");
    Res = StrToIntDef(A, 0) - StrToIntDef(B, 0);
  };
  EXPECT_THROW(s.G.Sort(1, sdAscending), std::runtime_error);
  EXPECT_EQ(s.G.RowCount(), rows);
  EXPECT_EQ(s.G.ColCount(), cols);
  EXPECT_EQ(s.G.MaxRowCount(), maxRows);
  EXPECT_EQ(s.G.ColWidths(s.G.ColCount() - 1), 77);
  EXPECT_EQ(s.G.UpdateCount(), 0);
  std::vector<int> seen;
  for (int r = 1; r < rows; ++r) {
    seen.push_back(StrToInt(s.G.Cells(1, r)));
    EXPECT_EQ(s.G.Colors(2, r), colorOf[static_cast<size_t>(seen.back())]) << "records go with their rows";
  }
  std::sort(seen.begin(), seen.end());
  std::vector<int> all(59);
  std::iota(all.begin(), all.end(), 0);
  EXPECT_EQ(seen, all) << "a permutation of the rows";
  s.G.OnCustomCompare = nullptr;
  s.G.OnGetFormat = nullptr;
  s.G.Sort(1, sdAscending);
  EXPECT_EQ(s.G.Cells(1, 1), u"0");
}

// The middle row of every range is its largest, so each partition peels off
// one row: without the smaller part recursed, 5,000 nested calls.
std::vector<int> MiddleIsLargest(int First, int Count) {
  std::vector<int> label(static_cast<size_t>(Count)), value(static_cast<size_t>(Count));
  std::iota(label.begin(), label.end(), 0);
  for (int e = Count - 1; e >= 1; --e) {
    const int m = (First + First + e) / 2 - First;
    value[static_cast<size_t>(label[static_cast<size_t>(m)])] = e;
    std::swap(label[static_cast<size_t>(m)], label[static_cast<size_t>(e)]);
  }
  return value;
}

void* SortOnSmallStack(void* Result) {
  constexpr int n = 5000;
  TAdvStringGrid g(nullptr);
  g.SetRowCount(n + 1);
  const std::vector<int> values = MiddleIsLargest(1, n);
  for (int r = 0; r < n; ++r) g.SetCells(1, r + 1, IntToStr(values[static_cast<size_t>(r)]));
  g.Sort(1, sdAscending);
  bool sorted = true;
  for (int r = 1; r <= n; ++r) sorted = sorted && g.Cells(1, r) == IntToStr(r - 1);
  *static_cast<bool*>(Result) = sorted;
  return nullptr;
}

TEST(SortRuns, AnAdverseOrderSortsOnASmallStack) {
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setstacksize(&attr, 256 * 1024);
  bool sorted = false;
  pthread_t worker;
  ASSERT_EQ(pthread_create(&worker, &attr, SortOnSmallStack, &sorted), 0);
  pthread_join(worker, nullptr);
  pthread_attr_destroy(&attr);
  EXPECT_TRUE(sorted);
}

}  // namespace
