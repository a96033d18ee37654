// The checks OK runs over both Modbus TCP master tables before anything is
// written.
#include "editors/ModbusTables.h"
#include "editors/UModbus_TCP_Master_Set_Access.h"

namespace {
using namespace modbus_columns;

constexpr int Row_Error_Text = 1138;

constexpr TModbusCheck Read_Check{2,    3,    4,    5,    6,    7,    8,    9,    10,   11,   Read_Bit_Types,
                                  2000, 125,  1,    1139, 1140, 1141, 1142, 1143, 1144, 1145, 1146,
                                  1147, 1148, 1149};
constexpr TModbusCheck Write_Check{2,    3,    4,    5,    6,    7,    8,    11,   12,   13,   Write_Bit_Types,
                                   1968, 123,  0,    1150, 1151, 1152, 1153, 1154, 1155, 1156, 1157,
                                   1158, 1159, 1160};
}  // namespace

bool TFModbus_TCP_Master_Set_Access::Controllo_dati() {
  return Modbus_Table_Passes(State, *ACG_Modbus_Read, Read_Check, NByte_IN, Row_Error_Text) &&
         Modbus_Table_Passes(State, *ACG_Modbus_Write, Write_Check, NByte_OUT, Row_Error_Text);
}
