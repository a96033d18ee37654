#pragma once
// The move after Enter, made on the stack by AdvanceToNextCell: the next
// cell in the advance direction, rows or columns appended at the end, and
// read-only cells skipped.
#include "grid/model/AdvStringGrid.h"

class TCellAdvance {
 public:
  TCellAdvance(TAdvStringGrid& AGrid, bool AForward);
  void Run(int ACol, int ARow, bool ShowEditor, bool Repeating, bool AutoEdit);

 private:
  // The next cell from (C, R); false when the advance ends without a move.
  bool NextCell(int C, int R, TPoint& N);
  bool NextForwardInRow(int C, int R, TPoint& N);
  bool NextForwardInColumn(int C, int R, TPoint& N);
  void NextBackward(int C, int R, TPoint& N) const;
  bool AppendRow(int R, TPoint& N);
  bool Editable(int ACol, int ARow);
  bool AnyEditableColumn(int ARow);
  void MoveTo(int StartCol, int StartRow, const TPoint& N);
  // With the editor asked for: shown on the new current cell, and a
  // clickable graphic there clicked.
  void ShowEditorAfterMove(int StartCol, int StartRow, bool AutoEdit);
  void ClickAt(const TPoint& N);

  TAdvStringGrid& G;
  bool Forward;
  int F, L, Z;  // first and last navigable column, last data row
};
