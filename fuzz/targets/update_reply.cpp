// A reply body of the update service.
#include "app/VersionCheck.h"
#include "fuzz/FuzzSupport.h"
#include "platform/net/HttpClient.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const String body = HttpBodyText(fuzz::Bytes(Data, Size));
  Conv_Version(body);
  Version_Reply_Check(body);
  return 0;
}
