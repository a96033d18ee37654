// The settings file beside the program, read and written back.
#include "app/ProgramState.h"
#include "app/Settings.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static TProgramState state(fuzz::ScratchFile(""));
  fuzz::WriteScratch(Settings_File_Name(state), fuzz::Bytes(Data, Size));
  Load_Setting(state);
  const String name = state.Project_Name, address = state.Last_IP_Address, language = state.Language;
  Save_Setting(state);
  Load_Setting(state);
  fuzz::Check(state.Project_Name == name && state.Last_IP_Address == address && state.Language == language,
              "the settings read back differ from those written");
  return 0;
}
