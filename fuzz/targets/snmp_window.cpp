// SNMP_Trap.xml as the SNMP trap tables window loads it.
#include "editors/USNMP_Trap_Access.h"
#include "fuzz/WindowTarget.h"
#include "grid/model/AdvColumnGrid.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static fuzz::WindowTarget<TFSNMP_Trap_Access> target;
  const int rows = target.Form().ACG_SNMP_Read->RowCount();
  if (!target.Load(target.State().File_SNMP_Trap, fuzz::Bytes(Data, Size))) return 0;
  fuzz::Check(target.Form().ACG_SNMP_Read->RowCount() == rows, "loading changed the table's size");
  return 0;
}
