#include "editors/AccessRowButtons.h"

#include "app/ProgramState.h"
#include "app/TableRowHelpers.h"
#include "app/WindowLook.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/Dialogs.h"
#include "platform/sys/SysUtils.h"

void Place_Row_Of_Buttons(TComponent* Owner, TWinControl* Panel, std::initializer_list<TButtonSlot> Buttons) {
  int Left = 16;
  for (const TButtonSlot& Slot : Buttons) {
    *Slot.Button = Place_Button(Owner, Panel, Slot.Name, Left, 6);
    Left += 118;
  }
}

void TAccessRowCopy::Copy(TProgramState& State, TAdvColumnGrid& Grid, bool In_Read) {
  Copy_Grid_Row(State, Grid, Grid.Row());
  Do_Copy_In_Read = In_Read;
  Do_Copy_In_Write = !In_Read;
}

void TAccessRowCopy::Paste(const TProgramState& State, TAdvColumnGrid& Grid, bool In_Read) const {
  Paste_Grid_Row(State, Grid, Grid.Row(), In_Read ? Do_Copy_In_Read : Do_Copy_In_Write);
}

void Access_Insert_Row(TAdvColumnGrid& Grid) { Insert_Grid_Row(Grid.Row(), Grid, true); }

void Access_Delete_Row(const TProgramState& State, TAdvColumnGrid& Grid, int Confirm_Text) {
  const int Row = Grid.Row();
  if (MessageDlg(State.Text(Confirm_Text) + IntToStr(Row), mtConfirmation, mbYesNo) == mrYes) Delete_Grid_Row(Row, Grid);
}
