#pragma once
// Which storage columns are hidden, and the mapping between displayed and
// storage columns. Only storage columns 0..511 can be hidden; every column
// past the last visible one below 512 is shifted by the number of hidden
// columns, so columns beyond 512 keep mapping one to one.
#include <array>

class TVisibleColumns {
 public:
  static constexpr int MaxHideable = 512;

  TVisibleColumns() { FVisible.fill(true); }

  // Indexes outside 0..512 read as visible and are not stored.
  bool GetVisibleCol(int Index) const;
  // Keeps the hidden count in step.
  void SetVisibleCol(int Index, bool Value);
  int NumHidden() const { return FNumHidden; }
  bool AllVisible() const { return FNumHidden == 0; }

  // Displayed column -> storage column; 0 for a negative column while
  // columns are hidden.
  int DisplToRealCol(int ACol) const;
  // Storage column -> displayed column; a hidden column maps to the index
  // the next visible one has.
  int RealToDisplCol(int ACol) const;

 private:
  int VisibleBelowLimit() const { return MaxHideable - FNumHidden; }

  std::array<bool, MaxHideable + 1> FVisible{};
  int FNumHidden = 0;
};
