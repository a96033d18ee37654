#pragma once
// The facts of one sort run: per column the resolved sort style and number
// format, and per row the key read once from its cell. Keys are kept by the
// row they were read from; Slot maps each displayed row to its key and is
// swapped with the rows, so a key never moves and a view into it stays valid.
#include <climits>
#include <cstdint>
#include <memory>
#include <numeric>
#include <utility>
#include <vector>

#include "grid/model/SortKeys.h"

struct TSortColumn {
  TSortStyle Style = ssAlphabetic;
  TSortNumberFormat Format;
  // Keys by row follow the swaps; else each comparison reads its cells afresh
  // (a column that stays when only the sort column's cells swap).
  bool Cached = false;
  bool Filled = false;
  std::vector<TSortKey> Keys;
  std::vector<std::int8_t> CheckBox;  // -1 not read yet
  std::vector<std::int8_t> Checked;
  std::vector<long long> Images;      // LLONG_MIN not read yet
  TSortKey Loose[2];
};

class TSortKeyCache {
 public:
  // Rows: the raised row count; DataRows the rows below the scratch rows.
  TSortKeyCache(int Rows, int DataRows, bool StableTexts, int OnlyMovingColumn)
      : Slot(static_cast<size_t>(Rows)),
        DataRows(DataRows),
        StableTexts(StableTexts),
        OnlyMovingColumn(OnlyMovingColumn) {
    std::iota(Slot.begin(), Slot.end(), 0);
  }
  void Swap(int A, int B) { std::swap(Slot[static_cast<size_t>(A)], Slot[static_cast<size_t>(B)]); }
  int KeyOf(int ARow) const { return Slot[static_cast<size_t>(ARow)]; }
  void Alias(int Scratch, int ARow) { Slot[static_cast<size_t>(Scratch)] = KeyOf(ARow); }
  std::unique_ptr<TSortColumn>& Column(int ACol) {
    if (static_cast<size_t>(ACol) >= Columns.size()) Columns.resize(static_cast<size_t>(ACol) + 1);
    return Columns[static_cast<size_t>(ACol)];
  }

  std::vector<int> Slot;
  int DataRows;
  // Views into the stored texts hold: no hook computes them and no callback
  // or single-column swap may rewrite them during the run.
  bool StableTexts;
  int OnlyMovingColumn;  // -1: every column moves with its row

 private:
  std::vector<std::unique_ptr<TSortColumn>> Columns;
};
