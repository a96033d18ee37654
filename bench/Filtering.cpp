// Filtering 8 columns by a condition on column 1 ("*ab*", case-sensitive):
// the rows that do not match are parked as one filter level and the filter
// is taken back again. The floor in the same run scans the same texts in a
// plain vector of rows and lists the indexes of the matching rows. Sizes
// from 100,000 to 1,000,000 rows show whether the work stays linear.
#include <benchmark/benchmark.h>

#include "bench/GuiBenchMain.h"
#include "bench/TextGrid.h"
#include "grid/model/Filter.h"

namespace {

void BM_FilterAndRemove(benchmark::State& state) {
  const bench::TRows rows = bench::MakeRows(static_cast<int>(state.range(0)));
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

void BM_VectorFilterFloor(benchmark::State& state) {
  const bench::TRows rows = bench::MakeRows(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::vector<int> kept;
    for (size_t r = 0; r < rows.size(); ++r) {
      if (rows[r][bench::kWordCol].find(u"ab") != String::npos) kept.push_back(static_cast<int>(r));
    }
    benchmark::DoNotOptimize(kept.data());
    state.counters["shown"] = static_cast<double>(kept.size());
  }
  state.counters["rows"] = static_cast<double>(rows.size());
}

}  // namespace

BENCHMARK(BM_FilterAndRemove)->Arg(100000)->Arg(300000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VectorFilterFloor)->Arg(100000)->Arg(300000)->Arg(1000000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
