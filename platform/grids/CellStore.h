#pragma once
// The cells of the platform string grid: one text and one object per cell.
// A row is one heap object reached through a pointer, so inserting, deleting
// and moving rows moves pointers only; a row is created on its first write and
// holds compact vectors that end at its last written column. Columns are not
// bounded by the grid's ColCount: cells beyond it stay where they are.
//
// The row pointers lie in a gap buffer: the free slots sit where the last
// insert or delete happened, so a run of single-row edits near each other
// (rows hidden one by one down the grid, rows typed in the middle) moves
// only the pointers between two edits, in one block, never the whole tail.
#include <memory>
#include <utility>
#include <vector>

#include "platform/grids/GridTypes.h"
#include "platform/sys/GapVector.h"
#include "platform/sys/String.h"

class TCellStore {
 public:
  // One row's cells; a row that holds nothing may be absent (null).
  struct TRow {
    std::vector<String> Texts;
    std::vector<TObject*> Objects;  // stays unallocated until a row gets an object
  };
  using TRowPtr = std::unique_ptr<TRow>;

  TCellStore();
  ~TCellStore();
  TCellStore(const TCellStore&) = delete;
  TCellStore& operator=(const TCellStore&) = delete;

  int RowCount() const { return static_cast<int>(FRows.Size()); }
  void SetRowCount(int Value);  // rows beyond Value are dropped, new rows are empty
  // The usual row width (the grid's ColCount): a row grows towards it in few steps.
  void SetColHint(int Value) { FColHint = Value; }

  // Callers check the indexes: 0 <= ARow < RowCount, 0 <= ACol.

  const String& Text(int ACol, int ARow) const {  // inline: the most used read of the grid
    const TRow* row = FRows[static_cast<size_t>(ARow)];
    if (!row || static_cast<size_t>(ACol) >= row->Texts.size()) return EmptyText();
    return row->Texts[static_cast<size_t>(ACol)];
  }
  // Asks for the memory a coming Text(ACol, ARow) reads, in three steps
  // each a little later than the one before: 0 the row, 1 the text, 2 its
  // characters. A step reads only what the step before fetched. Always
  // inlined: the compiler drops a call whose only effect is a prefetch.
  [[gnu::always_inline]] void Prefetch(int ACol, int ARow, int Step) const {
    const TRow* row = FRows[static_cast<size_t>(ARow)];
    if (Step == 0 || !row) {
      __builtin_prefetch(row);
    } else if (static_cast<size_t>(ACol) < row->Texts.size()) {
      const String& text = row->Texts[static_cast<size_t>(ACol)];
      __builtin_prefetch(Step == 1 ? static_cast<const void*>(&text) : text.data());
    }
  }
  void SetText(int ACol, int ARow, const String& Value);
  TObject* Object(int ACol, int ARow) const;
  void SetObject(int ACol, int ARow, TObject* Value);
  // One past the last column that holds anything in this row.
  int StoredCols(int ARow) const;

  void InsertRows(int Index, int Count);
  void DeleteRows(int Index, int Count);
  // Deletes the rows listed (ascending, distinct) in one walk; as many empty
  // rows join at the end, so the count stays.
  void DeleteRowList(const std::vector<int>& Rows);
  void MoveRow(int FromIndex, int ToIndex);
  void InsertCols(int Index, int Count);
  void DeleteCols(int Index, int Count);
  // Columns ascending and distinct; each row is compacted once.
  void DeleteColList(const std::vector<int>& Cols);
  void MoveCol(int FromIndex, int ToIndex);
  void ClearRow(int ARow);

  // A whole row out of the store and back by pointer: the slot left behind
  // reads as an empty row; putting a row replaces (drops) what the slot held.
  TRowPtr TakeRow(int ARow);
  void PutRow(int ARow, TRowPtr Row);
  void ExchangeRows(int ARow1, int ARow2) { std::swap(At(ARow1), At(ARow2)); }
  // After a sort has scattered the row objects, lays the rows out in memory
  // in row order again, so that walks down a column read memory in order:
  // the row objects stay where they are and the cells move between them,
  // each row keeping its room where the other's is large enough. Cells and
  // objects read the same afterwards; references into rows do not hold.
  void PackInRowOrder();

 private:
  static const String& EmptyText();
  TRow*& At(int ARow) { return FRows[static_cast<size_t>(ARow)]; }
  const TRow* At(int ARow) const { return FRows[static_cast<size_t>(ARow)]; }
  TRow* Writable(int ARow, int ACol, bool ForObject);
  void DropRow(TRow*& Row);
  template <class F>
  void ForEachRow(F Action);

  // Owned rows (null: a row never written); the gap's slots own nothing.
  TGapVector<TRow*> FRows;
  int FColHint = 0;  // usual row width, to size new rows in one step
};
