#pragma once
// What the two Modbus master windows share beyond the access-table
// columns: the column colours and lists, their row routines, the address
// check, where a row's data ends in the gateway's byte area, and the checks
// of a table.
#include <span>

#include "grid/model/AdvGridEvents.h"
#include "platform/sys/Strings.h"

class TAdvColumnGrid;
class TProgramState;

namespace modbus_columns {
inline constexpr TColor Enable = 0x00B0D8FF;
inline constexpr TColor Slave = 0x00FEFAE0;
inline constexpr TColor Timing = 0x00A8FFA8;
inline constexpr TColor Position = 0x00F4D6FC;
inline constexpr TColor Swapped = 0x00A8FFFF;

// The types a read table polls and a write table writes.
inline constexpr StringView Read_Types[] = {u"Coil Status", u"Input Status", u"Holding Register", u"Input Register"};
inline constexpr StringView Write_Types[] = {u"Coil Status", u"Holding Register"};
// The types whose points are bits, upper case, for the checks.
inline constexpr StringView Read_Bit_Types[] = {u"COIL STATUS", u"INPUT STATUS"};
inline constexpr StringView Write_Bit_Types[] = {u"COIL STATUS"};

void Read_Type_Items(TStrings& Items);
void Write_Type_Items(TStrings& Items);
void Bit_Items(TStrings& Items);  // "0" to "7"
}  // namespace modbus_columns

// Rows Num_Row .. 511 move one down over every column but 0 (the last
// row's texts are lost); Num_Row is emptied, Enable too.
void Insert_Row(int Num_Row, TAdvColumnGrid& Grid);
// The rows below Num_Row move one up over every column but 0; the last
// row is emptied.
void Delete_Row(int Num_Row, TAdvColumnGrid& Grid);
// A click in column 0 selects row ARow of Grid.
void ClickCell(TAdvColumnGrid& Grid, int ARow, int ACol);
// True (an error) for an empty text or when one of the four dot-separated
// parts (the fourth the rest of the text) is no integer 0 to 255.
bool Check_IP_Address(StringView IP_Address);

// The last byte a row's data takes from Position: registers are two bytes
// each, bits are packed from Start_Bit (any integer a file holds).
long long Register_Last_Byte(int Position, int NPoint);
long long Bit_Last_Byte(int Position, int NPoint, int Start_Bit);

inline constexpr int No_Modbus_Col = -1;

// Where a table keeps each checked value, its limits and the message of
// each failure.
struct TModbusCheck {
  int IP_Col, Port_Col;  // No_Modbus_Col: the table has none
  int Slave_Col, Type_Col, Address_Col, NPoint_Col, Poll_Col, Error_Col, Position_Col, Bit_Col;
  std::span<const StringView> Bit_Types;  // upper case; the other types are registers
  int Bit_Max, Register_Max, Poll_Min;
  int IP_Msg, Port_Msg, Slave_Msg, Type_Msg, Address_Msg, NPoint_Msg, Poll_Msg, Error_Msg, Position_Msg, Bit_Msg,
      Bytes_Msg;
};

// The reason of the first failure of Row (the number appended where the
// message takes one); "" when it passes. Positions is the byte area's size.
String Modbus_Row_Failure(const TProgramState& State, TAdvColumnGrid& Grid, const TModbusCheck& Check,
                          int Positions, int Row);
// True when every enabled row with a key (column 2) passes; otherwise one
// error box with Row_Error_Text, the row and the reason, and false.
bool Modbus_Table_Passes(const TProgramState& State, TAdvColumnGrid& Grid, const TModbusCheck& Check, int Positions,
                         int Row_Error_Text);
