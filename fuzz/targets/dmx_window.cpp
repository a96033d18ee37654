// DMX_Default_Values.xml as the DMX default values window loads it; the
// input's first line, when it reads as one, is the DMX_Num_Channels text.
#include <string>

#include "editors/UDMXDefVal.h"
#include "fuzz/WindowTarget.h"
#include "grid/model/AdvColumnGrid.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static fuzz::WindowTarget<TFDMXDefVal> target;
  const std::string_view Input = fuzz::Bytes(Data, Size);
  const std::size_t Line = Input.find('\n');
  const std::string_view Count = Line == std::string_view::npos ? std::string_view() : Input.substr(0, Line);
  fuzz::WriteScratch(target.State().File_ParGen, "<ParGen><DMX_Num_Channels>" + std::string(Count.substr(0, 12)) +
                                                     "</DMX_Num_Channels></ParGen>");
  if (!target.Load(target.State().File_DMX_Default_Values, Line == std::string_view::npos ? Input : Input.substr(Line + 1)))
    return 0;
  const int Rows = target.Form().ACG_DMX_Def_Val->RowCount();
  fuzz::Check(Rows >= 2 && Rows <= DMX_Most_Channels + 1, "a channel count out of range");
  return 0;
}
