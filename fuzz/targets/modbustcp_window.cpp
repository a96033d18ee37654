// ModbusTCPM_SetAccess.xml as the Modbus TCP master window loads it.
#include "editors/UModbus_TCP_Master_Set_Access.h"
#include "fuzz/WindowTarget.h"
#include "grid/model/AdvColumnGrid.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static fuzz::WindowTarget<TFModbus_TCP_Master_Set_Access> target;
  if (!target.Load(target.State().File_ModbusTCPM_SetAccess, fuzz::Bytes(Data, Size))) return 0;
  fuzz::Check(target.Form().ACG_Modbus_Write->RowCount() == Modbus_Rows + 1, "loading changed the table's size");
  return 0;
}
