// The EDE parser on any bytes: every object it keeps is of an accepted
// type and marked for import, and parsing the same text twice agrees.
#include "editors/EdeFile.h"
#include "fuzz/FuzzSupport.h"
#include "platform/sys/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::vector<String> Lines = SplitLines(Decode_EDE_Text(fuzz::Bytes(Data, Size)));
  const std::vector<TBACnet_Var> Vars = Parse_EDE_Lines(Lines);
  for (const TBACnet_Var& Var : Vars) {
    fuzz::Check(Is_Accepted_EDE_Type(Var.object_type), "an object of a type not accepted");
    fuzz::Check(Var.import && Var.read && Var.write == Var.commandable, "an object not marked as parsed");
  }
  fuzz::Check(Parse_EDE_Lines(Lines).size() == Vars.size(), "two parses differ");
  return 0;
}
