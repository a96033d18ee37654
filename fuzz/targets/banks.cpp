// The three project files as the bank builder reads them. Parts: ParGen.xml,
// DALI_Access.xml, SNMP_Trap.xml.
#include "app/BankBuilder.h"
#include "app/BankLayout.h"
#include "fuzz/FuzzSupport.h"
#include "platform/sys/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static const String files[] = {fuzz::ScratchFile("ParGen.xml"), fuzz::ScratchFile("DALI_Access.xml"),
                                 fuzz::ScratchFile("SNMP_Trap.xml")};
  const auto parts = fuzz::Parts(fuzz::Bytes(Data, Size), 3);
  for (std::size_t i = 0; i < 3; ++i) fuzz::WriteScratch(files[i], parts[i]);
  TBankBuilder builder;
  try {
    builder.Build_Banks(files[0], files[1], files[2]);
  } catch (const Exception&) {
    fuzz::Check(builder.Bank1_Buffer().empty() && builder.Bank2_Buffer().empty(), "a failed build kept banks");
    return 0;
  }
  fuzz::Check(builder.Bank1_Buffer().size() == Bank1_Size && builder.Bank2_Buffer().size() == Bank2_Size,
              "a bank has the wrong size");
  return 0;
}
