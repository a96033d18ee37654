#pragma once
// The platform grid's column move step for the string grid: cells move by
// storage column, and every column-keyed list goes along. The grid holds one
// and forwards its ColumnMoved to it.
class TAdvStringGrid;

class TColumnMoveStep {
 public:
  explicit TColumnMoveStep(TAdvStringGrid& Grid) : G(Grid) {}

  // Displayed indexes.
  void ColumnMoved(int FromIndex, int ToIndex);

 private:
  void MoveStorageColumn(int RF, int RT);
  void FollowColumnMove(int RF, int RT);

  TAdvStringGrid& G;
};
