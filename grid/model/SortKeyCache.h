#pragma once
// The facts of one sort run: per column the resolved sort style and number
// format, and per displayed row the key read once from its cell. The keys
// swap with their rows; the texts they view stay where they are (in the row
// objects, which move by pointer, or in the column's own copies).
#include <memory>
#include <numeric>
#include <unordered_map>
#include <utility>
#include <vector>

#include "grid/model/SortFastColumn.h"
#include "grid/model/SortKeys.h"

struct TSortColumn {
  TSortStyle Style = ssAlphabetic;
  TSortNumberFormat Format;
  // Keys follow the swaps; else each comparison reads its cells afresh
  // (a column that stays when only the sort column's cells swap).
  bool Cached = false;
  bool Filled = false;
  // The first column of a run keeps its keys by displayed row (Keys, Copies)
  // and swaps them; the others, read only where rows tie, keep theirs in Tied.
  bool ByRow = false;
  std::vector<TSortKey> Keys;
  std::vector<String> Copies;  // texts a key cannot view in place; never moved
  // The keys of a column read only where rows tie, by the row they came
  // from, each with the copy of its text it may need (nodes never move).
  std::unordered_map<int, std::pair<TSortKey, String>> Tied;
  TSortKey Loose[2];
  String LooseText[2];
};

class TSortKeyCache {
 public:
  // Rows: the raised row count; DataRows the rows below the scratch rows.
  // Room: a vector whose memory the origins may take over.
  TSortKeyCache(int Rows, int DataRows, bool StableTexts, int OnlyMovingColumn, std::vector<int>&& Room)
      : Rows(Rows),
        DataRows(DataRows),
        StableTexts(StableTexts),
        OnlyMovingColumn(OnlyMovingColumn),
        Origin(std::move(Room)) {
    Origin.resize(static_cast<size_t>(Rows));
    std::iota(Origin.begin(), Origin.end(), 0);
  }
  std::vector<int> TakeOrigins() { return std::move(Origin); }
  // Whether two displayed rows hold the same row (a row and its pivot copy).
  // The first column's keys carry their origin: no further memory is read.
  bool SameRow(int A, int B) const {
    if (Fast) return Fast->SameRow(A, B);
    if (!Filled.empty()) {
      const std::vector<TSortKey>& keys = Filled.front()->Keys;
      return keys[static_cast<size_t>(A)].Origin == keys[static_cast<size_t>(B)].Origin;
    }
    return Origin[static_cast<size_t>(A)] == Origin[static_cast<size_t>(B)];
  }
  // With flat keys the origins travel in them alone.
  int OriginOf(int ARow) const { return Fast ? Fast->Origin(ARow) : Origin[static_cast<size_t>(ARow)]; }
  std::unique_ptr<TSortColumn>& Column(int ACol) {
    if (static_cast<size_t>(ACol) >= Columns.size()) Columns.resize(static_cast<size_t>(ACol) + 1);
    return Columns[static_cast<size_t>(ACol)];
  }
  void Swap(int A, int B) {
    if (Fast)
      Fast->Swap(A, B);
    else
      std::swap(Origin[static_cast<size_t>(A)], Origin[static_cast<size_t>(B)]);
    for (TSortColumn* c : Filled) std::swap(c->Keys[static_cast<size_t>(A)], c->Keys[static_cast<size_t>(B)]);
  }
  void CopyKey(int To, int From) {
    if (Fast)
      Fast->Copy(To, From);
    else
      Origin[static_cast<size_t>(To)] = Origin[static_cast<size_t>(From)];
    for (TSortColumn* c : Filled) c->Keys[static_cast<size_t>(To)] = c->Keys[static_cast<size_t>(From)];
  }

  int Rows;
  int DataRows;
  // Views into the stored texts hold: no hook computes them and no callback
  // or single-column swap may rewrite them during the run.
  bool StableTexts;
  int OnlyMovingColumn;  // -1: every column moves with its row
  std::vector<TSortColumn*> Filled;
  // The first column when its keys alone decide: then no column above
  // keeps its keys by row.
  TSortFastColumn* Fast = nullptr;
  int FastCol = -1;
  bool FastTried = false;
  bool FirstColumnTaken() const { return Fast || !Filled.empty(); }
  // The first column, for the next run to fill again without new memory.
  std::unique_ptr<TSortColumn> TakeFirst() {
    if (FastCol >= 0 && static_cast<size_t>(FastCol) < Columns.size()) return std::move(Columns[static_cast<size_t>(FastCol)]);
    for (auto& c : Columns)
      if (c && !Filled.empty() && c.get() == Filled.front()) return std::move(c);
    return nullptr;
  }
  // Identical rows compare equal in every column without reading a cell,
  // unless a callback takes part in the comparison.
  bool ShortCutSameRow = false;

 private:
  std::vector<std::unique_ptr<TSortColumn>> Columns;
  std::vector<int> Origin;  // the row each displayed row held when the run began
};
