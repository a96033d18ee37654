#pragma once
// Rows parked by filters, HideRows or contracted nodes, shown while the
// grouping layout is rebuilt over every row and parked again afterwards at
// their own levels. Rows the rebuild removes are not parked again.
#include <vector>

class TAdvStringGrid;
class TGridRowEngine;

class TParkedRowsShown {
 public:
  // Shows every parked row.
  TParkedRowsShown(TAdvStringGrid& Grid, TGridRowEngine& Rows);
  // The displayed row was parked.
  bool Held(int ARow) const;
  // The rebuild removed these displayed rows (ascending).
  void Removed(const std::vector<int>& Rows);
  void ParkAgain();

 private:
  struct TParked {
    int Row;  // displayed while every row shows
    int Level;
  };
  TAdvStringGrid& G;
  TGridRowEngine& FRows;
  std::vector<TParked> FParked;  // ascending Row
};
