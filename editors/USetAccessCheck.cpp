// The checks OK runs over both serial Modbus master tables before anything
// is written.
#include "editors/ModbusTables.h"
#include "editors/USetAccess.h"

namespace {
using namespace modbus_columns;

constexpr int Row_Error_Text = 1736;

constexpr TModbusCheck Read_Check{No_Modbus_Col, No_Modbus_Col, 2, 3, 4, 5, 6, 7, 8, 9, Read_Bit_Types,
                                  2000, 125, 1, 0, 0, 1737, 1738, 1739, 1740, 1741, 1742, 1743, 1744, 1745};
constexpr TModbusCheck Write_Check{No_Modbus_Col, No_Modbus_Col, 2, 3, 4, 5, 6, 9, 10, 11, Write_Bit_Types,
                                   1968, 123, 0, 0, 0, 1746, 1747, 1748, 1749, 1750, 1751, 1752, 1753, 1754};
}  // namespace

bool TFSetAccess::Controllo_dati() {
  return Modbus_Table_Passes(State, *ACG_Modbus_Read, Read_Check, NByte_IN, Row_Error_Text) &&
         Modbus_Table_Passes(State, *ACG_Modbus_Write, Write_Check, NByte_OUT, Row_Error_Text);
}
