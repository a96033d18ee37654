// The selection queries at scale: SelectedCellsCount rebuilding its list
// from a rectangle of 8 columns, measured beside filling a plain vector with
// the same keys, and IsSelected under disjunct cell selection, whose time
// per query should not grow with the number of cells selected.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/GuiBenchMain.h"
#include "grid/base/MouseActions.h"
#include "grid/base/SelectedCellList.h"
#include "grid/model/AdvStringGrid.h"

namespace {

constexpr int kCols = 8;
constexpr int kQueries = 1000;

void BM_SelectedCellsCount(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  TAdvStringGrid g(nullptr);
  g.SetColCount(kCols + 1);
  g.SetRowCount(rows + 1);
  g.SelectCells(1, 1, kCols, rows);
  // The list's storage, as the vector below keeps its own.
  state.counters["cells"] = g.SelectedCellsCount();
  for (auto _ : state) benchmark::DoNotOptimize(g.SelectedCellsCount());
  state.SetItemsProcessed(state.iterations() * rows * kCols);
}

// The floor: the same keys in the same order into a vector that keeps its storage.
void BM_VectorOfSameKeys(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  std::vector<TSelectedCellKey> keys;
  for (auto _ : state) {
    keys.clear();
    keys.reserve(static_cast<size_t>(rows) * kCols);
    for (int c = 1; c <= kCols; ++c)
      for (int r = 1; r <= rows; ++r) keys.push_back(SelectedCellKey(c, r));
    benchmark::DoNotOptimize(keys.data());
  }
  state.SetItemsProcessed(state.iterations() * rows * kCols);
}

// Half the queried cells are selected, half are not.
void BM_IsSelectedDisjunctCells(benchmark::State& state) {
  const int selected = static_cast<int>(state.range(0));
  const int rows = selected / kCols + 1;
  TAdvStringGrid g(nullptr);
  g.SetColCount(kCols + 1);
  g.SetRowCount(2 * rows + 1);
  g.MouseActions()->SetDisjunctCellSelect(true);
  for (int i = 0; i < selected; ++i) g.SetSelectedCells(1 + i % kCols, 1 + i / kCols, true);
  std::vector<TGridCoord> queries;
  for (int i = 0; i < kQueries; ++i) {
    const int row = 1 + (i * 7919) % (2 * rows - 1);
    queries.push_back({1 + i % kCols, row});
  }
  for (auto _ : state) {
    int hits = 0;
    for (const TGridCoord q : queries) hits += g.IsSelected(q.X, q.Y) ? 1 : 0;
    benchmark::DoNotOptimize(hits);
  }
  state.SetItemsProcessed(state.iterations() * kQueries);
}

}  // namespace

BENCHMARK(BM_SelectedCellsCount)->Arg(100000)->Arg(1000000)->MinTime(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VectorOfSameKeys)->Arg(100000)->Arg(1000000)->MinTime(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IsSelectedDisjunctCells)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
