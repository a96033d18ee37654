// Filtering 8 columns by a condition on column 1 ("*ab*", case-sensitive):
// the rows that do not match are parked as one filter level and the filter
// is taken back again. The floor in the same run scans the same texts in a
// plain vector of rows and lists the indexes of the matching rows. Sizes
// from 100,000 to 1,000,000 rows show whether the work stays linear; the
// second argument is the letters of the words: with 8 about 92 % of the rows
// go, with 10 about 95 %.
#include <benchmark/benchmark.h>

#include "bench/GuiBenchMain.h"
#include "bench/TextGrid.h"
#include "grid/model/Filter.h"

namespace {

bench::TRows Rows(const benchmark::State& state) {
  return bench::MakeRows(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}

void BM_FilterAndRemove(benchmark::State& state) {
  const bench::TRows rows = Rows(state);
  TAdvStringGrid g(nullptr);
  bench::FillGrid(g, rows);
  TFilterData* d = g.Filter()->Add();
  d->SetColumn(bench::kWordCol);
  d->SetCondition(u"*ab*");
  for (auto _ : state) {
    g.SetFilterActive(true);
    state.counters["shown"] = g.RowCount() - 1;
    g.SetFilterActive(false);
  }
  state.counters["rows"] = static_cast<double>(rows.size());
}

void BM_VectorFilterFloor(benchmark::State& state) { bench::VectorFilterFloor(state, Rows(state)); }

void Sizes(benchmark::internal::Benchmark* b) {
  for (int rows : {100000, 300000, 1000000}) b->Args({rows, 8});
  for (int rows : {100000, 1000000}) b->Args({rows, bench::kMostLackAb});
  b->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_FilterAndRemove)->Apply(Sizes);
BENCHMARK(BM_VectorFilterFloor)->Apply(Sizes);

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
