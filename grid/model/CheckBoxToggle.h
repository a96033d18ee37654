#pragma once
// Toggling check boxes and radio buttons as the user does it: the flip by
// kind, the outline's group check (a node sets its rows, a row greys or
// checks its node), the undo record of the text, and the hit test of the box.
#include "grid/base/CellGraphic.h"

class TAdvStringGrid;

class TCheckBoxToggle {
 public:
  explicit TCheckBoxToggle(TAdvStringGrid& Grid) : G(Grid) {}

  bool ToggleCheckBox(int ACol, int ARow, bool FromUser);
  bool ToggleRadioButton(int ACol, int ARow, bool FromUser);
  void SelectNextRadioOption(int ACol, int ARow, bool FromUser);
  bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);

 private:
  // Whether a user's click may change the cell.
  bool MayChange(int ACol, int ARow, bool FromUser, bool AlwaysActive);
  // The new state handed on to the change event.
  bool Flip(TCellGraphic& g, int ACol, int ARow, bool OnNode);
  void CheckNodeRows(int ACol, int ARow, bool State);
  void UpdateParentBox(int ACol, int AParent);
  int BoxLeft(int ACol, int ARow, const TRect& R, int Size);

  TAdvStringGrid& G;
};
