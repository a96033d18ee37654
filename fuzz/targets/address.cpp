// Dotted addresses, address and port, and the SNMP security names.
#include "app/AddressHelpers.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const String text = fuzz::Text(fuzz::Bytes(Data, Size));
  String a, b, c, d;
  Split_IP_Address(text, a, b, c, d);
  std::uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
  std::uint16_t port = 0;
  IP_To_Bytes(text, b1, b2, b3, b4);
  if (!Parse_IP_Port(text, b1, b2, b3, b4, port))
    fuzz::Check(b1 == 0 && b2 == 0 && b3 == 0 && b4 == 0 && port == 0, "an invalid address left values");
  SNMP_Security_Level_Index(text);
  SNMP_Auth_Mode_Index(text);
  SNMP_Priv_Mode_Index(text);
  return 0;
}
