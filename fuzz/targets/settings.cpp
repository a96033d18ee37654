// The settings file beside the program, read and written back.
#include "app/ProgramState.h"
#include "app/Settings.h"
#include "fuzz/FuzzSupport.h"
#include "platform/sys/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static TProgramState state(fuzz::ScratchFile(""));
  static const String aside = Settings_File_Name(state) + u".bad";
  fuzz::WriteScratch(Settings_File_Name(state), fuzz::Bytes(Data, Size));
  try {
    Load_Setting(state);
  } catch (const EInOutError&) {
    // A file that cannot serve was kept aside; the defaults stand.
    fuzz::Check(state.Project_Name.empty() && state.Language == Default_Language, "a refused file left values");
    fuzz::RemoveScratch(aside);
  }
  const String name = state.Project_Name, address = state.Last_IP_Address, language = state.Language;
  Save_Setting(state);
  Load_Setting(state);
  fuzz::Check(state.Project_Name == name && state.Last_IP_Address == address && state.Language == language,
              "the settings read back differ from those written");
  return 0;
}
