#pragma once
// A grid with one fixed row and column whose data rows are filled column by
// column, and the texts of a column read back, for the sorting and bulk tests.
#include <initializer_list>
#include <vector>

#include "grid/model/AdvStringGrid.h"

struct SortGrid {
  TAdvStringGrid G{nullptr};

  // Rows 1..n; the row count follows the longest column given.
  void Fill(int ACol, std::initializer_list<const char16_t*> Texts) {
    const int rows = static_cast<int>(Texts.size()) + 1;
    if (G.RowCount() != rows) G.SetRowCount(rows);
    int r = 1;
    for (const char16_t* t : Texts) G.SetCells(ACol, r++, t);
  }
  std::vector<String> Column(int ACol) {
    std::vector<String> v;
    for (int r = G.FixedRows(); r < G.RowCount(); ++r) v.push_back(G.Cells(ACol, r));
    return v;
  }
};
