// SNMP_Trap.xml as the MIB writer reads it, and the module's lines.
#include "app/MibWriter.h"
#include "fuzz/FuzzSupport.h"
#include "platform/sys/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static const String file = fuzz::ScratchFile("SNMP_Trap.xml");
  fuzz::WriteScratch(file, fuzz::Bytes(Data, Size));
  try {
    const TMibObjects objects = Load_MIB_Objects(file);
    fuzz::Check(objects.Read.size() <= 256 && objects.Write.size() <= 256, "more than 256 objects");
    MIB_Lines(objects);
  } catch (const Exception&) {
  }
  return 0;
}
