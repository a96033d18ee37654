#pragma once
// The row buttons of the windows with a read and a write table: each acts
// on the current row of the table shown, and a copied row pastes only into
// the table it came from.
#include <initializer_list>

#include "platform/sys/String.h"

class TAdvColumnGrid;
class TComponent;
class TLbButton;
class TProgramState;
class TWinControl;

struct TButtonSlot {
  TLbButton** Button;
  StringView Name;
};
// The buttons side by side on Panel from its left, in order.
void Place_Row_Of_Buttons(TComponent* Owner, TWinControl* Panel, std::initializer_list<TButtonSlot> Buttons);

struct TAccessRowCopy {
  bool Do_Copy_In_Read = false;
  bool Do_Copy_In_Write = false;

  void Clear() { Do_Copy_In_Read = Do_Copy_In_Write = false; }
  void Copy(TProgramState& State, TAdvColumnGrid& Grid, bool In_Read);
  void Paste(const TProgramState& State, TAdvColumnGrid& Grid, bool In_Read) const;
};

// An empty row (Enable "Y") at the current row, the rows below moved down.
void Access_Insert_Row(TAdvColumnGrid& Grid);
// The current row removed after Yes to Confirm_Text + its number.
void Access_Delete_Row(const TProgramState& State, TAdvColumnGrid& Grid, int Confirm_Text);
