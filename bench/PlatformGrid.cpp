// The platform grid's cell store at scale, each case against a plain
// std::vector of rows of String doing the same work in the same run.
// Texts are short (no heap of their own), so the figures show the structure.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "bench/GuiBenchMain.h"
#include "bench/VectorFloor.h"
#include "platform/grids/GridModel.h"
#include "platform/grids/StringGrid.h"
#include "platform/gui/Forms.h"

namespace {

using bench::kCols;
using bench::Table;
constexpr int kOps = 1000;

const bench::TCellTexts& Texts() {
  static const bench::TCellTexts texts("v");
  return texts;
}

const String& TextFor(int r, int c) { return Texts().At(r, c); }

void FillGrid(TGridModel& g, int rows) {
  g.SetColCount(kCols);
  g.SetRowCount(rows);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < kCols; ++c) g.SetCells(c, r, TextFor(r, c));
}

void FillTable(Table& t, int rows) { bench::FillTable(t, rows, Texts()); }

size_t HeapInUse() {
  struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

void GridFill(benchmark::State& st) {
  for (auto _ : st) {
    TGridModel g;
    FillGrid(g, static_cast<int>(st.range(0)));
    benchmark::DoNotOptimize(g.RowCount());
  }
}

void VectorFill(benchmark::State& st) { bench::VectorFill(st, Texts()); }

void GridRead(benchmark::State& st) {
  TGridModel g;
  FillGrid(g, static_cast<int>(st.range(0)));
  for (auto _ : st) {
    size_t sum = 0;
    for (int r = 0; r < g.RowCount(); ++r)
      for (int c = 0; c < kCols; ++c) sum += g.Cells(c, r).size();
    benchmark::DoNotOptimize(sum);
  }
}

void VectorRead(benchmark::State& st) { bench::VectorRead(st, Texts()); }

// Time per single insert or delete (2 x kOps per iteration).
void PerOperation(benchmark::State& st) {
  st.counters["per_op"] = benchmark::Counter(2 * kOps, benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
}

void GridInsertDeleteMiddle(benchmark::State& st) {
  TGridModel g;
  int rows = static_cast<int>(st.range(0));
  FillGrid(g, rows);
  for (auto _ : st) {
    for (int i = 0; i < kOps; ++i) g.InsertRow(rows / 2);
    for (int i = 0; i < kOps; ++i) g.DeleteRow(rows / 2);
  }
  PerOperation(st);
}

// The floor: a vector of row pointers, each insert and delete one block move.
void VectorInsertDeleteMiddle(benchmark::State& st) {
  int rows = static_cast<int>(st.range(0));
  std::vector<std::unique_ptr<std::vector<String>>> t(static_cast<size_t>(rows));
  for (int r = 0; r < rows; ++r) {
    t[static_cast<size_t>(r)] = std::make_unique<std::vector<String>>();
    for (int c = 0; c < kCols; ++c) t[static_cast<size_t>(r)]->push_back(TextFor(r, c));
  }
  for (auto _ : st) {
    for (int i = 0; i < kOps; ++i) t.insert(t.begin() + rows / 2, nullptr);
    for (int i = 0; i < kOps; ++i) t.erase(t.begin() + rows / 2);
  }
  PerOperation(st);
}

// Every other row hidden by a negative height and shown again.
void HideShowEveryOther(benchmark::State& st, TGridModel& g) {
  int rows = static_cast<int>(st.range(0));
  FillGrid(g, rows);
  for (auto _ : st) {
    for (int r = 1; r < rows; r += 2) g.SetRowHeights(r, -1);
    for (int r = 1; r < rows; r += 2) g.SetRowHeights(r, g.DefaultRowHeight());
  }
  st.counters["rows"] = rows;
}

// On the grid window: its view follows the height changes.
void GridHideShowEveryOther(benchmark::State& st) {
  TStringGrid g(nullptr);
  HideShowEveryOther(st, g);
}

// The same on a shown window, where every repaint request reaches the toolkit.
void ShownGridHideShowEveryOther(benchmark::State& st) {
  TForm form(nullptr);
  auto* g = new TStringGrid(&form);  // the form frees it
  g->SetParent(&form);
  g->SetBounds(0, 0, 400, 300);
  form.Show();
  HideShowEveryOther(st, *g);
}

// On a shown window, the top row stepped over the rows, the vertical bar's
// info read after each step and a cell written: the time per step stays
// flat from 10k to 1M rows when the bar never walks the rows.
void ShownGridScrollSteps(benchmark::State& st) {
  const int rows = static_cast<int>(st.range(0));
  TForm form(nullptr);
  auto* g = new TStringGrid(&form);  // the form frees it
  g->SetParent(&form);
  g->SetBounds(0, 0, 400, 300);
  g->SetBorderStyle(bsSingle);
  g->SetRowCount(rows);
  form.Show();
  constexpr int kSteps = 1000;
  long long sum = 0;
  for (auto _ : st) {
    for (int i = 0; i < kSteps; ++i) {
      g->SetTopRow(1 + static_cast<int>(static_cast<long long>(rows - 2) * i / kSteps));
      TScrollInfo info;
      g->GetScrollInfo(SB_VERT, info);
      sum += info.nPos;
      g->SetCells(1, g->TopRow(), u"x");
    }
  }
  benchmark::DoNotOptimize(sum);
  st.counters["per_step"] = benchmark::Counter(static_cast<double>(st.iterations()) * kSteps,
                                               benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The model alone, without a window.
void ModelHideShowEveryOther(benchmark::State& st) {
  TGridModel g;
  HideShowEveryOther(st, g);
}

// The floor: a filter over the vector, scanning the rows and building the
// index list of the rows shown, then the full list again.
void VectorFilterEveryOther(benchmark::State& st) {
  Table t;
  FillTable(t, static_cast<int>(st.range(0)));
  for (auto _ : st) {
    std::vector<int> shown;
    for (size_t r = 0; r < t.size(); ++r)
      if (r == 0 || r % 2 == 0 || t[r].empty()) shown.push_back(static_cast<int>(r));
    benchmark::DoNotOptimize(shown.data());
    std::vector<int> all;
    for (size_t r = 0; r < t.size(); ++r) all.push_back(static_cast<int>(r));
    benchmark::DoNotOptimize(all.data());
  }
}

void GridMoveTopToBottom(benchmark::State& st) {
  TGridModel g;
  FillGrid(g, static_cast<int>(st.range(0)));
  for (auto _ : st) g.MoveRow(g.FixedRows(), g.RowCount() - 1);
}

void VectorMoveTopToBottom(benchmark::State& st) {
  Table t;
  FillTable(t, static_cast<int>(st.range(0)));
  for (auto _ : st) std::rotate(t.begin() + 1, t.begin() + 2, t.end());
}

// Heap bytes per written cell, grid and vector, for the same rows.
void MemoryPerCell(benchmark::State& st) {
  int rows = static_cast<int>(st.range(0));
  double cells = static_cast<double>(rows) * kCols;
  double grid = 0, table = 0;
  for (auto _ : st) {
    size_t before = HeapInUse();
    {
      TGridModel g;
      FillGrid(g, rows);
      grid = static_cast<double>(HeapInUse() - before) / cells;
    }
    before = HeapInUse();
    {
      Table t;
      FillTable(t, rows);
      table = static_cast<double>(HeapInUse() - before) / cells;
    }
  }
  st.counters["grid_bytes_per_cell"] = grid;
  st.counters["vector_bytes_per_cell"] = table;
  st.counters["ratio"] = grid / table;
}

}  // namespace

BENCHMARK(GridFill)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(VectorFill)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(GridRead)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(VectorRead)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(GridInsertDeleteMiddle)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(VectorInsertDeleteMiddle)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(GridHideShowEveryOther)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ShownGridHideShowEveryOther)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ShownGridScrollSteps)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ModelHideShowEveryOther)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(VectorFilterEveryOther)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(GridMoveTopToBottom)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(VectorMoveTopToBottom)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(MemoryPerCell)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
