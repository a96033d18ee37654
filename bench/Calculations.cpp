// Summing a column of 100,000 and 1,000,000 numeric texts, and summing each
// of about 1,000 groups of the same rows into their summary rows. The floor
// is a plain loop over a std::vector of the same texts, each converted once
// with the grid's number parser; the grouped cases also against one read of
// every grouped row. All grow linearly.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "bench/GuiBenchMain.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/CellFloat.h"
#include "grid/model/Grouping.h"
#include "grid/model/SortSettings.h"

namespace {

constexpr int kValueCol = 1;
constexpr int kGroupCol = 2;
constexpr int kDistinct = 1000;

std::vector<String> Numbers(int rows) {
  std::vector<String> v;
  v.reserve(static_cast<size_t>(rows));
  for (int r = 0; r < rows; ++r) v.push_back(S(std::to_string(r % 1000) + "." + std::to_string(r % 97)));
  return v;
}

void Fill(TAdvStringGrid& g, const std::vector<String>& numbers) {
  const int rows = static_cast<int>(numbers.size());
  g.SetColCount(3);
  g.SetRowCount(rows + 1);
  for (int r = 1; r <= rows; ++r) g.SetCells(kValueCol, r, numbers[static_cast<size_t>(r - 1)]);
}

void BM_ColumnSum(benchmark::State& state) {
  TAdvStringGrid g(nullptr);
  Fill(g, Numbers(static_cast<int>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(g.ColumnSum(kValueCol, -1, -1));
  state.counters["rows"] = static_cast<double>(state.range(0));
}

// Groups of shuffled keys, sorted by the grouping; the value column is then
// column 1 still (the key column right of it goes).
void FillGrouped(TAdvStringGrid& g, int rows) {
  Fill(g, Numbers(rows));
  std::mt19937 rnd(7);
  std::uniform_int_distribution<int> key(0, kDistinct - 1);
  for (int r = 1; r <= rows; ++r) g.SetCells(kGroupCol, r, S("g" + std::to_string(key(rnd))));
  g.Grouping()->SetSummary(true);
  g.Group(kGroupCol);
}

void BM_GroupSum(benchmark::State& state) {
  TAdvStringGrid g(nullptr);
  FillGrouped(g, static_cast<int>(state.range(0)));
  for (auto _ : state) g.GroupSum(kValueCol);
  state.counters["rows"] = static_cast<double>(state.range(0));
  state.counters["groups"] = g.NumNodes();
}

// The whole grouped column at once, node and summary rows among the data.
void BM_ColumnSumGrouped(benchmark::State& state) {
  TAdvStringGrid g(nullptr);
  FillGrouped(g, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(g.ColumnSum(kValueCol, -1, -1));
}

// The memory floor of the grouped cases: one read of the value text of
// every row of the grouped grid.
void BM_ReadGroupedRowsFloor(benchmark::State& state) {
  TAdvStringGrid g(nullptr);
  FillGrouped(g, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    size_t n = 0;
    for (int r = 1; r < g.RowCount(); ++r) n += g.GridCells(kValueCol, r).size();
    benchmark::DoNotOptimize(n);
  }
}

void BM_SumFloorPlainVector(benchmark::State& state) {
  const std::vector<String> numbers = Numbers(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    double sum = 0.0;
    for (const String& s : numbers) {
      double v = 0.0;
      if (TryCellTextToFloat(s, v)) sum += v;
    }
    benchmark::DoNotOptimize(sum);
  }
}

}  // namespace

BENCHMARK(BM_ColumnSum)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupSum)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColumnSumGrouped)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadGroupedRowsFloor)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SumFloorPlainVector)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
