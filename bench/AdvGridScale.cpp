// The string grid at scale, 8 columns, each case against a plain vector of
// rows of String doing the same work in the same run, at 100,000 and
// 1,000,000 rows: the growth between the two shows whether the work stays
// linear. Texts are longer than a string's inline buffer, as most cell texts
// are, so a copy of one allocates.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/GuiBenchMain.h"
#include "bench/VectorFloor.h"
#include "grid/model/AdvStringGrid.h"
#include "tests/grid/model/RepaintCountingGrid.h"

namespace {

using bench::kCols;
using TCountingGrid = TRepaintCountingGrid;

const bench::TCellTexts& Texts() {
  static const bench::TCellTexts texts("cell text ");
  return texts;
}

// Fills inside the update bracket; answers the repaints asked for before its end.
int FillGrid(TCountingGrid& g, int rows) {
  g.BeginUpdate();
  const int before = g.Repaints;
  g.SetColCount(kCols);
  g.SetRowCount(rows);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < kCols; ++c) g.SetCells(c, r, Texts().At(r, c));
  const int inside = g.Repaints - before;
  g.EndUpdate();
  return inside;
}

void GridFillInUpdate(benchmark::State& st) {
  int inside = 0;
  for (auto _ : st) {
    TCountingGrid g(nullptr);
    inside = FillGrid(g, static_cast<int>(st.range(0)));
  }
  st.counters["repaints_before_end"] = inside;
}

void VectorFill(benchmark::State& st) { bench::VectorFill(st, Texts()); }

// Every cell read, through `Read`, summing the text lengths.
template <class Read>
void GridRead(benchmark::State& st, Read read) {
  TCountingGrid g(nullptr);
  FillGrid(g, static_cast<int>(st.range(0)));
  for (auto _ : st) {
    size_t sum = 0;
    for (int r = 0; r < g.RowCount(); ++r)
      for (int c = 0; c < kCols; ++c) sum += read(g, c, r);
    benchmark::DoNotOptimize(sum);
  }
}

void GridReadCellView(benchmark::State& st) {
  GridRead(st, [](TAdvStringGrid& g, int c, int r) { return g.CellView(c, r).size(); });
}

void GridReadCells(benchmark::State& st) {
  GridRead(st, [](TAdvStringGrid& g, int c, int r) { return g.Cells(c, r).size(); });
}

void VectorRead(benchmark::State& st) { bench::VectorRead(st, Texts()); }

// Every other row hidden by `hide`, then all shown again.
template <class Hide>
void HideEveryOther(benchmark::State& st, Hide hide) {
  const int rows = static_cast<int>(st.range(0));
  TCountingGrid g(nullptr);
  FillGrid(g, rows);
  for (auto _ : st) {
    hide(g, rows);
    g.UnHideRowsAll();
  }
  st.counters["rows"] = rows;
}

void GridHideRowOneByOne(benchmark::State& st) {
  HideEveryOther(st, [](TAdvStringGrid& g, int rows) {
    for (int r = 1; r < rows; r += 2) g.HideRow(r);
  });
}

void GridHideRowList(benchmark::State& st) {
  HideEveryOther(st, [](TAdvStringGrid& g, int rows) {
    std::vector<int> odd;
    for (int r = 1; r < rows; r += 2) odd.push_back(r);
    g.HideRowList(odd);
  });
}

}  // namespace

#define AT_SCALE(name) BENCHMARK(name)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)
AT_SCALE(GridFillInUpdate);
AT_SCALE(VectorFill);
AT_SCALE(GridReadCellView);
AT_SCALE(GridReadCells);
AT_SCALE(VectorRead);
AT_SCALE(GridHideRowOneByOne);
AT_SCALE(GridHideRowList);

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
