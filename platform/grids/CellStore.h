#pragma once
// The cells of the platform string grid: one text and one object per cell.
// A row is one heap object reached through a pointer, so inserting, deleting
// and moving rows moves pointers only; a row is created on its first write and
// holds compact vectors that end at its last written column. Columns are not
// bounded by the grid's ColCount: cells beyond it stay where they are.
#include <memory>
#include <vector>

#include "platform/grids/GridTypes.h"
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

  int RowCount() const { return static_cast<int>(FRows.size()); }
  void SetRowCount(int Value);  // rows beyond Value are dropped, new rows are empty
  // The usual row width (the grid's ColCount): a row grows towards it in few steps.
  void SetColHint(int Value) { FColHint = Value; }

  // Callers check the indexes: 0 <= ARow < RowCount, 0 <= ACol.

  const String& Text(int ACol, int ARow) const {  // inline: the most used read of the grid
    const TRow* row = FRows[static_cast<size_t>(ARow)].get();
    if (!row || static_cast<size_t>(ACol) >= row->Texts.size()) return EmptyText();
    return row->Texts[static_cast<size_t>(ACol)];
  }
  void SetText(int ACol, int ARow, const String& Value);
  TObject* Object(int ACol, int ARow) const;
  void SetObject(int ACol, int ARow, TObject* Value);
  // One past the last column that holds anything in this row.
  int StoredCols(int ARow) const;

  void InsertRows(int Index, int Count);
  void DeleteRows(int Index, int Count);
  void MoveRow(int FromIndex, int ToIndex);
  void InsertCols(int Index, int Count);
  void DeleteCols(int Index, int Count);
  void MoveCol(int FromIndex, int ToIndex);
  void ClearRow(int ARow);

 // A whole row out of the store and back by pointer: the slot left behind
  // reads as an empty row; putting a row replaces (drops) what the slot held.
  TRowPtr TakeRow(int ARow) { return std::move(FRows[static_cast<size_t>(ARow)]); }
  void PutRow(int ARow, TRowPtr Row) { FRows[static_cast<size_t>(ARow)] = std::move(Row); }

 private:
  static const String& EmptyText();
  TRow* Writable(int ARow, int ACol, bool ForObject);

  std::vector<std::unique_ptr<TRow>> FRows;  // null: a row never written
  int FColHint = 0;                          // usual row width, to size new rows in one step
};
