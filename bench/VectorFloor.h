#pragma once
// The floor the grid cases are measured against: a plain std::vector of rows
// of String, kCols wide, its texts cycling through 1024 made from a prefix.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/sys/String.h"

namespace bench {

constexpr int kCols = 8;
using Table = std::vector<std::vector<String>>;

class TCellTexts {
 public:
  explicit TCellTexts(const std::string& Prefix) {
    for (int i = 0; i < 1024; ++i) FTexts.push_back(S(Prefix + std::to_string(i)));
  }
  const String& At(int r, int c) const { return FTexts[static_cast<size_t>((r * kCols + c) & 1023)]; }

 private:
  std::vector<String> FTexts;
};

inline void FillTable(Table& t, int rows, const TCellTexts& texts) {
  t.assign(static_cast<size_t>(rows), {});
  for (int r = 0; r < rows; ++r) {
    auto& row = t[static_cast<size_t>(r)];
    row.resize(kCols);
    for (int c = 0; c < kCols; ++c) row[static_cast<size_t>(c)] = texts.At(r, c);
  }
}

inline void VectorFill(benchmark::State& st, const TCellTexts& texts) {
  for (auto _ : st) {
    Table t;
    FillTable(t, static_cast<int>(st.range(0)), texts);
    benchmark::DoNotOptimize(t.data());
  }
}

// Every cell read, summing the text lengths.
inline void VectorRead(benchmark::State& st, const TCellTexts& texts) {
  Table t;
  FillTable(t, static_cast<int>(st.range(0)), texts);
  for (auto _ : st) {
    size_t sum = 0;
    for (const auto& row : t)
      for (const auto& cell : row) sum += cell.size();
    benchmark::DoNotOptimize(sum);
  }
}

}  // namespace bench
