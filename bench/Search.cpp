// FindNext down column 1 of 8 (case ignored) to the only hit, in the last
// row. The floor in the same run upper-cases the same texts of a plain
// vector of rows and tests each for the search text.
#include <benchmark/benchmark.h>

#include "bench/GuiBenchMain.h"
#include "bench/TextGrid.h"
#include "platform/sys/SysUtils.h"

namespace {

const String kTarget = u"needle";

bench::TRows RowsWithTargetLast(int Count) {
  bench::TRows rows = bench::MakeRows(Count);
  rows.back()[bench::kWordCol] = u"a" + kTarget;
  return rows;
}

void BM_FindNextToTheLastRow(benchmark::State& state) {
  const bench::TRows rows = RowsWithTargetLast(static_cast<int>(state.range(0)));
  TAdvStringGrid g(nullptr);
  bench::FillGrid(g, rows);
  g.FindFirst(u"NEEDLE", {});
  for (auto _ : state) {
    g.SetSearchCell(Point(-1, -1));
    benchmark::DoNotOptimize(g.FindNext());
  }
  state.counters["rows"] = static_cast<double>(rows.size());
}

void BM_VectorSearchFloor(benchmark::State& state) {
  const bench::TRows rows = RowsWithTargetLast(static_cast<int>(state.range(0)));
  const String needle = AnsiUpperCase(kTarget);
  for (auto _ : state) {
    int hit = -1;
    for (size_t r = 0; r < rows.size() && hit < 0; ++r) {
      if (AnsiUpperCase(rows[r][bench::kWordCol]).find(needle) != String::npos) hit = static_cast<int>(r);
    }
    benchmark::DoNotOptimize(hit);
  }
  state.counters["rows"] = static_cast<double>(rows.size());
}

}  // namespace

BENCHMARK(BM_FindNextToTheLastRow)->Arg(100000)->Arg(300000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VectorSearchFloor)->Arg(100000)->Arg(300000)->Arg(1000000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
