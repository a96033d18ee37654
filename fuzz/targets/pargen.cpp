// ParGen.xml as the Set Communication window reads it: every element's
// value, the list items the three lists select, and the file its OK writes
// read back the same.
#include "app/ParGenFile.h"
#include "fuzz/FuzzSupport.h"
#include "platform/sys/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static const String file = fuzz::ScratchFile("ParGen.xml");
  fuzz::WriteScratch(file, fuzz::Bytes(Data, Size));
  TParGenValues values;
  try {
    values = Read_ParGen(file);
  } catch (const Exception&) {
    return 0;
  }
  for (std::size_t i = 0; i < ParGen_Element_Count; ++i) {
    const auto items = ParGen_List_Items(ParGen_Elements[i].Kind);
    const int index = ParGen_List_Index(ParGen_Elements[i].Kind, values[i]);
    fuzz::Check(items.empty() ? index == 0 : index >= 0 && static_cast<std::size_t>(index) < items.size(),
                "a list item out of range");
  }
  Write_ParGen(values, file);
  fuzz::Check(Read_ParGen(file) == values, "the values written read back differ");
  return 0;
}
