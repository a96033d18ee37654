// ModbusM_SetAccess.xml as the serial Modbus master window loads it.
#include "editors/USetAccess.h"
#include "fuzz/WindowTarget.h"
#include "grid/model/AdvColumnGrid.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static fuzz::WindowTarget<TFSetAccess> target;
  if (!target.Load(target.State().File_ModbusM_SetAccess, fuzz::Bytes(Data, Size))) return 0;
  fuzz::Check(target.Form().ACG_Modbus_Read->RowCount() == Modbus_Rows + 1, "loading changed the table's size");
  return 0;
}
