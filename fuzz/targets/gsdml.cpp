// ParGen.xml and DALI_Access.xml as the GSDML writer reads them, and the
// description's lines. Parts: ParGen.xml, DALI_Access.xml.
#include "app/GsdmlWriter.h"
#include "fuzz/FuzzSupport.h"
#include "platform/sys/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static const String files[] = {fuzz::ScratchFile("ParGen.xml"), fuzz::ScratchFile("DALI_Access.xml")};
  const auto parts = fuzz::Parts(fuzz::Bytes(Data, Size), 2);
  for (std::size_t i = 0; i < 2; ++i) fuzz::WriteScratch(files[i], parts[i]);
  try {
    fuzz::Check(Count_Input_Bytes(files[1]) >= 0, "a negative input length");
    GSDML_Lines(Load_Profinet_Params(files[0], files[1]));
  } catch (const Exception&) {
  }
  return 0;
}
