#pragma once
// The editing cycle's combo kinds (edComboEdit, edComboList): the grid's one
// combo editor placed over the cell, filled from the cell and written back.
#include "grid/interact/CellEditorKind.h"

class TComboEditorKind : public TCellEditorKind {
 public:
  explicit TComboEditorKind(bool List) : FList(List) {}
  TWinControl* Show(TAdvStringGrid& Grid, const TCellEditorPlace& Place) override;
  void WriteBack(TAdvStringGrid& Grid, int ACol, int ARow) override;
  bool Guarded() const override { return true; }

 private:
  // Answers whether the combo-change events are due (a list whose cell text is no item).
  bool Load(TAdvStringGrid& Grid, const TCellEditorPlace& Place);
  bool FList;
};
