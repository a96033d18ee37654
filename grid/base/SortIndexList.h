#pragma once
// The sort columns of a grid in priority order: one integer per column, the
// low 31 bits the column index, bit 31 set for descending.
#include "grid/base/IntList.h"

class TSortIndexList : public TIntList {
 public:
  TSortIndexList() : TIntList(-1, -1) {}

  void AddIndex(int ColumnIndex, bool Ascending);
  // Position of the first item for the column; -1 when none.
  int FindIndex(int ColumnIndex) const;
  // Flips the direction of the column's first item; nothing when absent.
  void ToggleIndex(int ColumnIndex);

  int SortColumns(int Index) const;
  // Keeps the item's direction.
  void SetSortColumns(int Index, int Value);
  // True = ascending.
  bool SortDirections(int Index) const;
  void SetSortDirections(int Index, bool Value);

  // "u2;d0": column 2 ascending, then column 0 descending. Writing keeps
  // only the low 16 bits of a column.
  String SaveToString() const;
  // Pieces shorter than two characters are skipped, and so is a piece whose
  // number does not read as an integer; any first character other than "u"
  // means descending.
  void LoadFromString(const String& S);
};
