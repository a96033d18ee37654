// The platform grid's cell store at scale, each case against a plain
// std::vector of rows of String doing the same work in the same run.
// Texts are short (no heap of their own), so the figures show the structure.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/grids/GridModel.h"

namespace {

constexpr int kCols = 8;
constexpr int kOps = 1000;
using Table = std::vector<std::vector<String>>;

const String& TextFor(int r, int c) {
  static const std::vector<String> texts = [] {
    std::vector<String> t;
    for (int i = 0; i < 1024; ++i) t.push_back(S("v" + std::to_string(i)));
    return t;
  }();
  return texts[static_cast<size_t>((r * kCols + c) & 1023)];
}

void FillGrid(TGridModel& g, int rows) {
  g.SetColCount(kCols);
  g.SetRowCount(rows);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < kCols; ++c) g.SetCells(c, r, TextFor(r, c));
}

void FillTable(Table& t, int rows) {
  t.assign(static_cast<size_t>(rows), {});
  for (int r = 0; r < rows; ++r) {
    auto& row = t[static_cast<size_t>(r)];
    row.resize(kCols);
    for (int c = 0; c < kCols; ++c) row[static_cast<size_t>(c)] = TextFor(r, c);
  }
}

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

void VectorFill(benchmark::State& st) {
  for (auto _ : st) {
    Table t;
    FillTable(t, static_cast<int>(st.range(0)));
    benchmark::DoNotOptimize(t.data());
  }
}

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

void VectorRead(benchmark::State& st) {
  Table t;
  FillTable(t, static_cast<int>(st.range(0)));
  for (auto _ : st) {
    size_t sum = 0;
    for (const auto& row : t)
      for (const auto& cell : row) sum += cell.size();
    benchmark::DoNotOptimize(sum);
  }
}

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

void VectorInsertDeleteMiddle(benchmark::State& st) {
  Table t;
  int rows = static_cast<int>(st.range(0));
  FillTable(t, rows);
  for (auto _ : st) {
    for (int i = 0; i < kOps; ++i) t.insert(t.begin() + rows / 2, std::vector<String>());
    for (int i = 0; i < kOps; ++i) t.erase(t.begin() + rows / 2);
  }
  PerOperation(st);
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
BENCHMARK(GridMoveTopToBottom)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(VectorMoveTopToBottom)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(MemoryPerCell)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
