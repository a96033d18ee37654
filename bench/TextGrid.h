#pragma once
// A grid of 8 columns and the same texts in a plain vector of rows, for the
// filtering and search cases and their floors: column 1 holds random words
// of 6 letters from a to h (about one in thirteen contains "ab"), the other
// columns short texts cycling through 1024.
#include <random>
#include <string>
#include <vector>

#include "grid/model/AdvStringGrid.h"

namespace bench {

constexpr int kTextCols = 8;
constexpr int kWordCol = 1;
using TRows = std::vector<std::vector<String>>;

inline TRows MakeRows(int Rows) {
  std::mt19937 rnd(7);
  std::uniform_int_distribution<int> letter(0, 7);
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

}  // namespace bench
