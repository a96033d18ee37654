// The address check before an echo request and the reply parser after it.
// Parts: the address text, the received packet.
#include "fuzz/FuzzSupport.h"
#include "platform/net/IcmpEcho.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const auto parts = fuzz::Parts(fuzz::Bytes(Data, Size), 2);
  std::array<std::uint8_t, 4> bytes{};
  if (ParseDottedQuad(fuzz::Text(parts[0]), bytes)) {
    String again;
    for (std::size_t i = 0; i < 4; ++i) again += (i ? u"." : u"") + Utf8ToString(std::to_string(bytes[i]));
    std::array<std::uint8_t, 4> reread{};
    fuzz::Check(ParseDottedQuad(again, reread) && reread == bytes, "an accepted address does not read back");
  }
  const auto* packet = reinterpret_cast<const std::uint8_t*>(parts[1].data());
  for (const bool raw : {false, true}) {
    const int length = EchoReplyLength(packet, parts[1].size(), raw, 0x1234, 7);
    fuzz::Check(length == -1 || (length >= 0 && length <= static_cast<int>(parts[1].size()) - 8),
                "a reply length beyond the packet");
  }
  return 0;
}
