#pragma once
// One ICMP echo to a numeric IPv4 address, behind a service that tests
// replace. Names are never resolved: only a dotted quad is accepted.
#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/sys/String.h"

enum TEchoStatus {
  esReply,     // an echo reply came back in time
  esTimedOut,  // the request went out, no reply in time
  esFailed,    // nothing was sent: bad address, or no ICMP socket allowed
};

struct TEchoResult {
  TEchoStatus Status = esFailed;
  int BytesReceived = 0;  // the reply's data bytes (after the ICMP header)
  String Reason;          // why it failed; empty otherwise
};

class TIcmpEchoService {
 public:
  virtual ~TIcmpEchoService() = default;
  // Sends one echo request carrying Data to Address and waits up to
  // TimeoutMs for its reply.
  virtual TEchoResult Echo(const String& Address, const AnsiString& Data, unsigned TimeoutMs) = 0;
};

// Over an unprivileged datagram ICMP socket where the system allows one
// (net.ipv4.ping_group_range), else a raw socket.
class TIcmpEchoClient : public TIcmpEchoService {
 public:
  TEchoResult Echo(const String& Address, const AnsiString& Data, unsigned TimeoutMs) override;

 protected:
  // socket(AF_INET, Type, IPPROTO_ICMP) with Type SOCK_DGRAM or SOCK_RAW;
  // -1 with errno set when refused.
  virtual int OpenSocket(int Type);
};

// "a.b.c.d": four decimal parts of one to three digits, each 0-255, nothing
// else (no blanks, signs or other forms). False leaves Bytes unchanged.
bool ParseDottedQuad(StringView Text, std::array<std::uint8_t, 4>& Bytes);

// The data length of a received Packet when it is the echo reply to the
// request Id/Sequence, else -1. A raw socket hands over the IP header too
// and sees every echo reply of the machine; a datagram socket only ours,
// with the identifier set by the kernel.
int EchoReplyLength(const std::uint8_t* Packet, std::size_t Size, bool Raw, std::uint16_t Id, std::uint16_t Sequence);

// The service in use; null restores the real client.
void SetIcmpEchoService(TIcmpEchoService* Service);
TIcmpEchoService& IcmpEchoService();
