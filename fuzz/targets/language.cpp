// A language file applied over the built-in texts.
#include "app/Language.h"
#include "app/ProgramState.h"
#include "fuzz/FuzzSupport.h"
#include "platform/sys/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static TProgramState state(fuzz::ScratchFile("program"));
  static const String file = fuzz::ScratchFile("Italiano.lng");
  fuzz::WriteScratch(file, fuzz::Bytes(Data, Size));
  Load_Default_Texts(state);
  Load_Language_File(state, file);
  fuzz::Check(state.Texts.Count() == state.Text_Count, "a language file changed the number of texts");
  return 0;
}
