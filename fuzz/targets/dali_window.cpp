// DALI_Access.xml as the DALI device table window loads it.
#include "editors/UDALI_Access.h"
#include "fuzz/WindowTarget.h"
#include "grid/model/AdvColumnGrid.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static fuzz::WindowTarget<TFDALI_Access> target;
  if (!target.Load(target.State().File_DALI_Access, fuzz::Bytes(Data, Size))) return 0;
  TAdvColumnGrid& grid = *target.Form().ACG_DALI_Device;
  for (int row = 1; row < grid.RowCount(); ++row) {
    const String shown = grid.GetCellEx(1, row);
    fuzz::Check(shown == u"Y" || shown == u"N", "an Enable cell neither Y nor N");
  }
  return 0;
}
