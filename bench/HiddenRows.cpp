// The string grid's hidden-row store at scale: rows parked and put back by
// pointer, and rows inserted and removed in the middle of a grid that has
// 100,000 rows parked. Each case runs at 100,000 and 1,000,000 rows, so the
// growth between the two shows whether the work stays linear.
//
// The most rows hidden: 8 columns, a random word in column 1, and the 95 % of
// rows whose word lacks "ab" hidden one by one down or up the grid, or in one
// list, then all shown again; the floor in the same run is a filter over a
// plain vector of the same rows, one pass building the list of shown rows.
#include <benchmark/benchmark.h>

#include <algorithm>

#include <string>
#include <vector>

#include "bench/GuiBenchMain.h"
#include "bench/TextGrid.h"
#include "grid/model/AdvStringGrid.h"

namespace {

constexpr int kCols = 4;
constexpr int kParked = 100000;
constexpr int kOps = 1000;

void Fill(TAdvStringGrid& g, int rows) {
  g.SetColCount(kCols);
  g.SetRowCount(rows);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < kCols; ++c) g.SetCells(c, r, S("v" + std::to_string((r * kCols + c) & 1023)));
}

std::vector<int> EveryNth(int rows, int step) {
  std::vector<int> list;
  for (int r = 1; r < rows; r += step) list.push_back(r);
  return list;
}

// Every other row parked as one filter level, then shown again by `ShowBack`.
template <class ShowBack>
void HideEveryOtherRow(benchmark::State& state, ShowBack showBack) {
  const int rows = static_cast<int>(state.range(0));
  TAdvStringGrid g(nullptr);
  Fill(g, rows);
  const std::vector<int> odd = EveryNth(rows, 2);
  for (auto _ : state) {
    g.HideRowList(odd);
    showBack(g);
  }
  state.counters["rows"] = rows;
}

void BM_HideEveryOtherRowAndShowAll(benchmark::State& state) {
  HideEveryOtherRow(state, [](TAdvStringGrid& g) { g.UnHideRowsAll(); });
}

// The same rows taken back as the filter level they were parked as.
void BM_HideEveryOtherRowTopLevelBack(benchmark::State& state) {
  HideEveryOtherRow(state, [](TAdvStringGrid& g) { g.UnHideRowList(); });
}

// `Cycle` inserts and removes kOps rows in the middle of a grid of `rows`
// shown rows with 100,000 more parked between them.
template <class Cycle>
void InsertRemoveWithParked(benchmark::State& state, Cycle cycle) {
  const int rows = static_cast<int>(state.range(0));
  TAdvStringGrid g(nullptr);
  Fill(g, rows + kParked);
  g.HideRowList(EveryNth(rows + kParked, (rows + kParked) / kParked));
  const int mid = g.RowCount() / 2;
  for (auto _ : state) cycle(g, mid);
  state.counters["rows"] = g.RowCount();
  state.counters["parked"] = g.NumHiddenRows();
}

void BM_InsertRemove1000InOneCall(benchmark::State& state) {
  InsertRemoveWithParked(state, [](TAdvStringGrid& g, int mid) {
    g.InsertRows(mid, kOps);
    g.RemoveRows(mid, kOps);
  });
}

void BM_InsertRemove1000OneByOne(benchmark::State& state) {
  InsertRemoveWithParked(state, [](TAdvStringGrid& g, int mid) {
    for (int i = 0; i < kOps; ++i) g.InsertRows(mid, 1);
    for (int i = 0; i < kOps; ++i) g.RemoveRows(mid, 1);
  });
}

// `Hide` hides the rows lacking "ab", given ascending; all are shown again.
template <class Hide>
void HideRowsLackingAb(benchmark::State& state, Hide hide) {
  const bench::TRows rows = bench::MakeRows(static_cast<int>(state.range(0)), bench::kMostLackAb);
  TAdvStringGrid g(nullptr);
  bench::FillGrid(g, rows);
  const std::vector<int> lacking = bench::RowsWithAb(rows, false);
  for (auto _ : state) {
    hide(g, lacking);
    state.counters["shown"] = g.RowCount() - 1;
    g.UnHideRowsAll();
  }
  state.counters["rows"] = static_cast<double>(rows.size());
}

void BM_HideRowTopDownAndShowAll(benchmark::State& state) {
  HideRowsLackingAb(state, [](TAdvStringGrid& g, const std::vector<int>& list) {
    for (int r : list) g.HideRow(r);
  });
}

void BM_HideRowBottomUpAndShowAll(benchmark::State& state) {
  HideRowsLackingAb(state, [](TAdvStringGrid& g, const std::vector<int>& list) {
    for (auto r = list.rbegin(); r != list.rend(); ++r) g.HideRow(*r);
  });
}

void BM_HideRowListLackingAbAndShowAll(benchmark::State& state) {
  HideRowsLackingAb(state, [](TAdvStringGrid& g, const std::vector<int>& list) { g.HideRowList(list); });
}

void BM_VectorFilterFloor(benchmark::State& state) {
  bench::VectorFilterFloor(state, bench::MakeRows(static_cast<int>(state.range(0)), bench::kMostLackAb));
}

}  // namespace

BENCHMARK(BM_HideRowTopDownAndShowAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HideRowBottomUpAndShowAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HideRowListLackingAbAndShowAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VectorFilterFloor)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HideEveryOtherRowAndShowAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HideEveryOtherRowTopLevelBack)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertRemove1000InOneCall)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertRemove1000OneByOne)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
