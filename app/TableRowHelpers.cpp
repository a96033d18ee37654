#include "app/TableRowHelpers.h"

#include "app/ProgramState.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/Dialogs.h"
#include "platform/sys/SysUtils.h"

namespace {

constexpr int Text_Row_Used = 900;
constexpr int Text_Copy_Width = 901;
constexpr int Text_No_Copy = 902;

// Storage index of shown column Displ: copy and paste follow what the user
// sees, so a hidden column neither enters the clipboard nor shifts the rest.
int Shown_Col(const TAdvColumnGrid& Grid, int Displ) { return Grid.RealColIndex(Displ); }

bool Is_Check_Box_Col(const TAdvColumnGrid& Grid, int Storage_Col) {
  const TGridColumnItem* Item = Grid.ColumnItem(Storage_Col);
  return Item && Item->Editor() == edDataCheckBox;
}

// Check-box cells always hold "Y" or "N", so only the other columns tell
// whether the row holds data.
bool Row_In_Use(TAdvColumnGrid& Grid, int Row) {
  for (int C = 1; C < Grid.ColCount(); ++C) {
    const int Storage = Shown_Col(Grid, C);
    if (!Is_Check_Box_Col(Grid, Storage) && !Trim(Grid.GetCellEx(Storage, Row)).empty()) return true;
  }
  return false;
}

void Move_Row_Texts(TAdvColumnGrid& Grid, int From, int To) {
  for (int C = 1; C < Grid.AllColCount(); ++C) Grid.SetCellEx(C, To, Grid.GetCellEx(C, From));
}

void Empty_Row(TAdvColumnGrid& Grid, int Row) {
  for (int C = 1; C < Grid.AllColCount(); ++C) Grid.SetCellEx(C, Row, String());
}

}  // namespace

void Copy_Grid_Row(TProgramState& State, TAdvColumnGrid& Grid, int Row) {
  State.Row_Clipboard.Clear();
  for (int C = 1; C < Grid.ColCount(); ++C) State.Row_Clipboard.Add(Grid.GetCellEx(Shown_Col(Grid, C), Row));
}

void Paste_Grid_Row(const TProgramState& State, TAdvColumnGrid& Grid, int Row, bool Copied) {
  if (!Copied) {
    MessageDlg(State.Text(Text_No_Copy), mtError, mbOK);
    return;
  }
  const TStringList& Clipboard = State.Row_Clipboard;
  if (Clipboard.Count() != Grid.ColCount() - 1) {
    MessageDlg(State.Text(Text_Copy_Width), mtError, mbOK);
    return;
  }
  if (Row_In_Use(Grid, Row) && MessageDlg(State.Text(Text_Row_Used), mtConfirmation, mbYesNo) != mrYes)
    return;
  for (int C = 1; C < Grid.ColCount(); ++C) Grid.SetCellEx(Shown_Col(Grid, C), Row, Clipboard.Strings(C - 1));
}

void Insert_Grid_Row(int Row, TAdvColumnGrid& Grid, bool Set_Enable) {
  for (int R = Grid.RowCount() - 1; R > Row; --R) Move_Row_Texts(Grid, R - 1, R);
  Empty_Row(Grid, Row);
  if (Set_Enable) Grid.SetCellEx(1, Row, u"Y");
}

void Delete_Grid_Row(int Row, TAdvColumnGrid& Grid) {
  const int Last = Grid.RowCount() - 1;
  for (int R = Row; R < Last; ++R) Move_Row_Texts(Grid, R + 1, R);
  Empty_Row(Grid, Last);
}

void Grid_Auto_Size_Column(const TProgramState& State, TAdvColumnGrid& Grid, int ARow, int ACol) {
  if (State.Enable_Auto_Size && ARow == 0) Grid.AutoSizeCol(ACol, 0);
}

void Grid_Enter_Next_Cell(const TProgramState& State, TAdvColumnGrid& Grid, Char& Key) {
  if (!State.Enable_Jump || Key != 13) return;
  const int Col = Grid.Col(), Row = Grid.Row();
  if (Col > 0 && Row > 0) {
    if (Col < Grid.ColCount() - 1) {
      Grid.SetCol(Col + 1);
    } else {
      Grid.SetCol(1);
      Grid.SetRow(Row == Grid.RowCount() - 1 ? 1 : Row + 1);
    }
  }
  Key = 0;
}
