#pragma once
// A grid of 8 columns and the same texts in a plain vector of rows, for the
// filtering and search cases and their floors: column 1 holds random words
// of 6 letters from the first Letters of the alphabet (from a to h about one
// in thirteen contains "ab", from a to j about one in twenty), the other
// columns short texts cycling through 1024.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "grid/model/AdvStringGrid.h"

namespace bench {

constexpr int kTextCols = 8;
constexpr int kWordCol = 1;
using TRows = std::vector<std::vector<String>>;

constexpr int kMostLackAb = 10;  // letters that leave about 95 % of the words without "ab"

inline TRows MakeRows(int Rows, int Letters = 8) {
  std::mt19937 rnd(7);
  std::uniform_int_distribution<int> letter(0, Letters - 1);
  TRows rows(static_cast<size_t>(Rows));
  for (int r = 0; r < Rows; ++r) {
    auto& row = rows[static_cast<size_t>(r)];
    for (int c = 0; c < kTextCols; ++c) row.push_back(S("c" + std::to_string((r * kTextCols + c) & 1023)));
    String w;
    for (int i = 0; i < 6; ++i) w += static_cast<Char>(u'a' + letter(rnd));
    row[kWordCol] = w;
  }
  return rows;
}

// Row 0 is the fixed header; data row r + 1 holds Rows[r].
inline void FillGrid(TAdvStringGrid& G, const TRows& Rows) {
  G.SetColCount(kTextCols);
  G.SetRowCount(static_cast<int>(Rows.size()) + 1);
  for (size_t r = 0; r < Rows.size(); ++r) {
    for (int c = 0; c < kTextCols; ++c) G.SetCells(c, static_cast<int>(r) + 1, Rows[r][static_cast<size_t>(c)]);
  }
}

// Grid rows (data row r + 1 holds Rows[r]) whose word has "ab": the floor's
// filter, one pass building the list of shown rows. With Has false, the rows
// lacking it.
inline std::vector<int> RowsWithAb(const TRows& Rows, bool Has = true) {
  std::vector<int> list;
  for (size_t r = 0; r < Rows.size(); ++r) {
    if ((Rows[r][kWordCol].find(u"ab") != String::npos) == Has) list.push_back(static_cast<int>(r) + 1);
  }
  return list;
}

// The floor of the filtering cases: RowsWithAb, each iteration.
inline void VectorFilterFloor(benchmark::State& State, const TRows& Rows) {
  for (auto _ : State) {
    const std::vector<int> kept = RowsWithAb(Rows);
    benchmark::DoNotOptimize(kept.data());
    State.counters["shown"] = static_cast<double>(kept.size());
  }
  State.counters["rows"] = static_cast<double>(Rows.size());
}

}  // namespace bench
