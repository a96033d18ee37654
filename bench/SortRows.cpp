// Sorting a grid of 8 columns by a text column and by a numeric column, and
// removing many rows at once, at 100,000 and 1,000,000 rows. Each grid case
// has its floor in the same run: a plain index sort with the same
// comparison, and compacting a plain vector of rows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "bench/GuiBenchMain.h"
#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/SortKeys.h"

namespace {

constexpr int kCols = 8;
constexpr int kTextCol = 1;
constexpr int kNumberCol = 2;

// Random words and numbers, the same for every case of one size.
struct Data {
  std::vector<String> words, numbers;
  explicit Data(int rows) {
    std::mt19937 rnd(42);
    std::uniform_int_distribution<int> letter(0, 25), number(0, 99999999);
    for (int r = 0; r < rows; ++r) {
      String w;
      for (int i = 0; i < 8; ++i) w += static_cast<Char>(u'a' + letter(rnd));
      words.push_back(w);
      const int n = number(rnd);
      numbers.push_back(S(std::to_string(n / 100) + (n % 100 < 10 ? ".0" : ".") + std::to_string(n % 100)));
    }
  }
};

void FillSortGrid(TAdvStringGrid& g, const Data& d) {
  const int rows = static_cast<int>(d.words.size());
  g.SetColCount(kCols);
  g.SetRowCount(rows + 1);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < kCols; ++c) g.SetCells(c, r + 1, S("c" + std::to_string((r * kCols + c) & 1023)));
    g.SetCells(kTextCol, r + 1, d.words[static_cast<size_t>(r)]);
    g.SetCells(kNumberCol, r + 1, d.numbers[static_cast<size_t>(r)]);
  }
}

// Each iteration sorts the same shuffled rows: the order is put back untimed.
void SortColumn(benchmark::State& state, int Col) {
  const Data d(static_cast<int>(state.range(0)));
  TAdvStringGrid g(nullptr);
  FillSortGrid(g, d);
  g.SetCompares(0);
  int swaps = 0;
  for (auto _ : state) {
    const int before = g.Swaps();
    g.Sort(Col, sdAscending);
    state.PauseTiming();
    swaps += g.Swaps() - before;
    g.QUnSort();
    state.ResumeTiming();
  }
  state.counters["rows"] = static_cast<double>(d.words.size());
  state.counters["compares"] = g.Compares() / static_cast<double>(state.iterations());
  state.counters["swaps"] = swaps / static_cast<double>(state.iterations());
}

void BM_SortTextColumn(benchmark::State& state) { SortColumn(state, kTextCol); }
void BM_SortNumericColumn(benchmark::State& state) { SortColumn(state, kNumberCol); }

void BM_SortTextBaseline(benchmark::State& state) {
  const Data d(static_cast<int>(state.range(0)));
  std::vector<int> idx(d.words.size());
  for (auto _ : state) {
    std::iota(idx.begin(), idx.end(), 0);
    std::stable_sort(idx.begin(), idx.end(), [&](int a, int b) {
      return d.words[static_cast<size_t>(a)].compare(d.words[static_cast<size_t>(b)]) < 0;
    });
    benchmark::DoNotOptimize(idx.data());
  }
}

void BM_SortNumericBaseline(benchmark::State& state) {
  const Data d(static_cast<int>(state.range(0)));
  std::vector<int> idx(d.numbers.size());
  std::vector<double> values(d.numbers.size());
  const TSortNumberFormat format;
  for (auto _ : state) {
    for (size_t i = 0; i < values.size(); ++i) SortTextToFloat(d.numbers[i], format, values[i]);
    std::iota(idx.begin(), idx.end(), 0);
    std::stable_sort(idx.begin(), idx.end(), [&](int a, int b) {
      return values[static_cast<size_t>(a)] < values[static_cast<size_t>(b)];
    });
    benchmark::DoNotOptimize(idx.data());
  }
}

constexpr int kBulkCols = 4;

// A fresh grid for each iteration (untimed); `Prepare` marks what goes.
template <class Prepare, class Remove>
void RemoveRows(benchmark::State& state, Prepare prepare, Remove remove) {
  const int rows = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto g = std::make_unique<TAdvStringGrid>(nullptr);
    g->SetColCount(kBulkCols);
    g->SetRowCount(rows + 1);
    for (int r = 1; r <= rows; ++r)
      for (int c = 0; c < kBulkCols; ++c) g->SetCells(c, r, S("c" + std::to_string((r * kBulkCols + c) & 1023)));
    prepare(*g, rows);
    state.ResumeTiming();
    remove(*g);
    state.PauseTiming();
    g.reset();
    state.ResumeTiming();
  }
  state.counters["rows"] = rows;
}

void BM_RemoveEveryOtherRowBySelection(benchmark::State& state) {
  RemoveRows(
      state,
      [](TAdvStringGrid& g, int rows) {
        g.MouseActions()->SetDisjunctRowSelect(true);
        for (int r = 1; r <= rows; r += 2) g.SetRowSelect(r, true);
      },
      [](TAdvStringGrid& g) { g.RemoveSelectedRows(); });
}

void BM_RemoveDuplicatesHalfRepeat(benchmark::State& state) {
  RemoveRows(
      state,
      [](TAdvStringGrid& g, int rows) {
        for (int r = 1; r <= rows; ++r) g.SetCells(1, r, S("d" + std::to_string(r % (rows / 2))));
      },
      [](TAdvStringGrid& g) { g.RemoveDuplicates(1, false); });
}

void BM_CompactRowsBaseline(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  using Row = std::unique_ptr<std::vector<String>>;
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<Row> table;
    table.reserve(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r) {
      auto row = std::make_unique<std::vector<String>>();
      for (int c = 0; c < kBulkCols; ++c) row->push_back(S("c" + std::to_string((r * kBulkCols + c) & 1023)));
      table.push_back(std::move(row));
    }
    state.ResumeTiming();
    size_t write = 0;
    for (size_t r = 0; r < table.size(); ++r)
      if (r % 2 == 1) table[write++] = std::move(table[r]);
    table.resize(write);
    benchmark::DoNotOptimize(table.data());
    state.PauseTiming();
    table.clear();
    state.ResumeTiming();
  }
  state.counters["rows"] = rows;
}

}  // namespace

BENCHMARK(BM_SortTextColumn)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortTextBaseline)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortNumericColumn)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortNumericBaseline)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RemoveEveryOtherRowBySelection)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RemoveDuplicatesHalfRepeat)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CompactRowsBaseline)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
