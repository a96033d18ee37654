// Grouping 8 columns of 100,000 and 1,000,000 rows on a column of about
// 1,000 distinct values in shuffled order (sorted first), ungrouping, and
// contracting and expanding every group of the grouped grid. Grouping may
// grow as the sort does (N log N), the rest linearly; the floors are a plain
// sort of the same values and one read of every grouped row.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "bench/GuiBenchMain.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/SortSettings.h"

namespace {

constexpr int kCols = 8;
constexpr int kGroupCol = 2;
constexpr int kDistinct = 1000;

std::vector<String> GroupValues(int rows) {
  std::mt19937 rnd(7);
  std::uniform_int_distribution<int> value(0, kDistinct - 1);
  std::vector<String> v;
  for (int r = 0; r < rows; ++r) v.push_back(S("group" + std::to_string(value(rnd))));
  return v;
}

void Fill(TAdvStringGrid& g, const std::vector<String>& values) {
  const int rows = static_cast<int>(values.size());
  g.SetColCount(kCols);
  g.SetRowCount(rows + 1);
  for (int r = 1; r <= rows; ++r) {
    for (int c = 0; c < kCols; ++c) g.SetCells(c, r, S("c" + std::to_string((r * kCols + c) & 1023)));
    g.SetCells(kGroupCol, r, values[static_cast<size_t>(r - 1)]);
  }
}

// The shuffled rows are written afresh, untimed, before each grouping;
// only the grouping is timed.
void TimeGrouping(benchmark::State& state, TAdvStringGrid& g, const std::vector<String>& values) {
  for (auto _ : state) {
    state.PauseTiming();
    g.UnGroup();
    Fill(g, values);
    state.ResumeTiming();
    g.Group(kGroupCol);
  }
  state.counters["rows"] = static_cast<double>(values.size());
}

void BM_Group(benchmark::State& state) {
  const std::vector<String> values = GroupValues(static_cast<int>(state.range(0)));
  TAdvStringGrid g(nullptr);
  TimeGrouping(state, g, values);
  state.counters["groups"] = g.NumNodes();
}

// The two parts of grouping apart: the sort alone, and the layout alone on
// rows already in order.
void BM_SortForGrouping(benchmark::State& state) {
  const std::vector<String> values = GroupValues(static_cast<int>(state.range(0)));
  TAdvStringGrid g(nullptr);
  for (auto _ : state) {
    state.PauseTiming();
    Fill(g, values);
    g.SetCompares(0);
    state.ResumeTiming();
    g.Sort(kGroupCol, sdAscending);
  }
  state.counters["rows"] = static_cast<double>(values.size());
  state.counters["compares"] = g.Compares();
}

void BM_GroupSortedRows(benchmark::State& state) {
  std::vector<String> values = GroupValues(static_cast<int>(state.range(0)));
  std::sort(values.begin(), values.end());
  TAdvStringGrid g(nullptr);
  g.SortSettings()->SetAutoSortForGrouping(false);
  TimeGrouping(state, g, values);
}

void BM_UnGroup(benchmark::State& state) {
  const std::vector<String> values = GroupValues(static_cast<int>(state.range(0)));
  TAdvStringGrid g(nullptr);
  Fill(g, values);
  for (auto _ : state) {
    state.PauseTiming();
    g.Group(kGroupCol);
    state.ResumeTiming();
    g.UnGroup();
  }
  state.counters["rows"] = static_cast<double>(values.size());
}

// Expanding or contracting every group of the grouped grid; the other step
// puts the grid back untimed.
template <class Timed, class Back>
void EveryGroup(benchmark::State& state, Timed timed, Back back) {
  const std::vector<String> values = GroupValues(static_cast<int>(state.range(0)));
  TAdvStringGrid g(nullptr);
  Fill(g, values);
  g.Group(kGroupCol);
  for (auto _ : state) {
    state.PauseTiming();
    back(g);
    state.ResumeTiming();
    timed(g);
  }
  state.counters["rows"] = static_cast<double>(values.size());
}

void BM_ContractAll(benchmark::State& state) {
  EveryGroup(state, [](TAdvStringGrid& g) { g.ContractAll(); }, [](TAdvStringGrid& g) { g.ExpandAll(); });
}

void BM_ExpandAll(benchmark::State& state) {
  EveryGroup(state, [](TAdvStringGrid& g) { g.ExpandAll(); }, [](TAdvStringGrid& g) { g.ContractAll(); });
}

// The memory floor of the linear steps: one read of a cell of every row of
// the grouped grid.
void BM_TouchEveryGroupedRowFloor(benchmark::State& state) {
  const std::vector<String> values = GroupValues(static_cast<int>(state.range(0)));
  TAdvStringGrid g(nullptr);
  Fill(g, values);
  g.Group(kGroupCol);
  for (auto _ : state) {
    size_t n = 0;
    for (int r = 1; r < g.RowCount(); ++r) n += g.GridCells(1, r).size();
    benchmark::DoNotOptimize(n);
  }
}

void BM_GroupFloorPlainSort(benchmark::State& state) {
  const std::vector<String> values = GroupValues(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::vector<String> v = values;
    std::sort(v.begin(), v.end());
    benchmark::DoNotOptimize(v.data());
  }
}

}  // namespace

BENCHMARK(BM_Group)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortForGrouping)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GroupSortedRows)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_UnGroup)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ContractAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExpandAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TouchEveryGroupedRowFloor)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupFloorPlainSort)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
