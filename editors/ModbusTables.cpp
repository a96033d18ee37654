#include "editors/ModbusTables.h"

#include "app/AddressHelpers.h"
#include "app/ProgramState.h"
#include "app/TableRowHelpers.h"
#include "editors/AccessColumns.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/Dialogs.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Key_Col = 2;
constexpr int Enable_Col = 1;
constexpr int Most_Time = 100000000;

// The integer of the program's checks: untrimmed, -1 when it is none.
int Number(const String& Text) { return StrToIntDef(Text, -1); }

bool In_Range(const String& Text, int Low, int High) {
  const int Value = Number(Text);
  return Value >= Low && Value <= High;
}

bool Is_Bit_Type(const TModbusCheck& Check, const String& Type) {
  const String Wanted = UpperCase(Trim(Type));
  for (StringView Bit_Type : Check.Bit_Types)
    if (Wanted == Bit_Type) return true;
  return false;
}
}  // namespace

namespace modbus_columns {
void Read_Type_Items(TStrings& Items) {
  for (StringView Type : Read_Types) Items.Add(String(Type));
}
void Write_Type_Items(TStrings& Items) {
  for (StringView Type : Write_Types) Items.Add(String(Type));
}
void Bit_Items(TStrings& Items) {
  for (int Bit = 0; Bit < 8; ++Bit) Items.Add(IntToStr(Bit));
}
}  // namespace modbus_columns

void Insert_Row(int Num_Row, TAdvColumnGrid& Grid) { Insert_Grid_Row(Num_Row, Grid, false); }

void Delete_Row(int Num_Row, TAdvColumnGrid& Grid) { Delete_Grid_Row(Num_Row, Grid); }

void ClickCell(TAdvColumnGrid& Grid, int ARow, int ACol) {
  if (ACol == 0 && ARow > 0) Grid.SelectRows(ARow, 1);
}

bool Check_IP_Address(StringView IP_Address) {
  std::uint8_t B1 = 0, B2 = 0, B3 = 0, B4 = 0;
  return IP_To_Bytes(IP_Address, B1, B2, B3, B4);
}

long long Register_Last_Byte(int Position, int NPoint) { return Position + 2LL * NPoint - 1; }

long long Bit_Last_Byte(int Position, int NPoint, int Start_Bit) {
  return Position + (static_cast<long long>(NPoint) + Start_Bit - 1) / 8;
}

String Modbus_Row_Failure(const TProgramState& State, TAdvColumnGrid& Grid, const TModbusCheck& Check,
                          int Positions, int Row) {
  const auto Cell = [&](int Col) { return Grid.GetCellEx(Col, Row); };
  const auto Reason = [&](int Msg) { return State.Text(Msg); };
  if (Check.IP_Col != No_Modbus_Col && Check_IP_Address(Cell(Check.IP_Col))) return Reason(Check.IP_Msg);
  if (Check.Port_Col != No_Modbus_Col && !In_Range(Cell(Check.Port_Col), 0, 65535)) return Reason(Check.Port_Msg);
  if (!In_Range(Cell(Check.Slave_Col), 1, 247)) return Reason(Check.Slave_Msg);
  if (Trim(Cell(Check.Type_Col)).empty()) return Reason(Check.Type_Msg);
  const bool Bits = Is_Bit_Type(Check, Cell(Check.Type_Col));
  if (!In_Range(Cell(Check.Address_Col), 0, 65535)) return Reason(Check.Address_Msg);
  const int Most_Points = Bits ? Check.Bit_Max : Check.Register_Max;
  const int NPoint = Number(Cell(Check.NPoint_Col));
  if (NPoint < 1 || NPoint > Most_Points) return Reason(Check.NPoint_Msg) + IntToStr(Most_Points);
  if (!In_Range(Cell(Check.Poll_Col), Check.Poll_Min, Most_Time)) return Reason(Check.Poll_Msg);
  if (!In_Range(Cell(Check.Error_Col), 0, Most_Time)) return Reason(Check.Error_Msg);
  const int Position = Number(Cell(Check.Position_Col));
  if (Position < 0 || Position > Positions - 1) return Reason(Check.Position_Msg) + IntToStr(Positions - 1);
  if (Bits && Trim(Cell(Check.Bit_Col)).empty()) return Reason(Check.Bit_Msg);
  const long long Last = Bits ? Bit_Last_Byte(Position, NPoint, StrToIntDef(Cell(Check.Bit_Col), 0))
                        : Register_Last_Byte(Position, NPoint);
  if (Last >= Positions) return Reason(Check.Bytes_Msg);
  return String();
}

bool Modbus_Table_Passes(const TProgramState& State, TAdvColumnGrid& Grid, const TModbusCheck& Check, int Positions,
                         int Row_Error_Text) {
  for (int Row = 1; Row < Grid.RowCount(); ++Row) {
    // Rows without a key are no table rows; the rows below them are.
    if (!Has_Access_Key(Grid, Row, Key_Col)) continue;
    if (Trim(Grid.GetCellEx(Enable_Col, Row)) != u"Y") continue;
    const String Failure = Modbus_Row_Failure(State, Grid, Check, Positions, Row);
    if (Failure.empty()) continue;
    MessageDlg(State.Text(Row_Error_Text) + IntToStr(Row) + Failure, mtError, mbOK);
    return false;
  }
  return true;
}
