#include "platform/net/IcmpEcho.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

#include "platform/sys/SysError.h"

namespace {

// Owns a socket descriptor.
class Socket {
 public:
  explicit Socket(int Fd) : FFd(Fd) {}
  ~Socket() {
    if (FFd >= 0) ::close(FFd);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  int Fd() const { return FFd; }

 private:
  int FFd;
};

struct Request {
  std::uint16_t Id;
  std::uint16_t Sequence;
};

std::uint16_t Checksum(const std::vector<std::uint8_t>& Bytes) {
  std::uint32_t Sum = 0;
  for (std::size_t I = 0; I + 1 < Bytes.size(); I += 2) Sum += static_cast<std::uint32_t>(Bytes[I] << 8 | Bytes[I + 1]);
  if (Bytes.size() % 2) Sum += static_cast<std::uint32_t>(Bytes.back() << 8);
  while (Sum >> 16) Sum = (Sum & 0xFFFF) + (Sum >> 16);
  return static_cast<std::uint16_t>(~Sum);
}

// An echo request: type 8, code 0, identifier, sequence, data.
std::vector<std::uint8_t> EchoPacket(const Request& R, const AnsiString& Data) {
  std::vector<std::uint8_t> P = {ICMP_ECHO, 0, 0, 0, static_cast<std::uint8_t>(R.Id >> 8),
                                 static_cast<std::uint8_t>(R.Id), static_cast<std::uint8_t>(R.Sequence >> 8),
                                 static_cast<std::uint8_t>(R.Sequence)};
  P.insert(P.end(), Data.begin(), Data.end());
  const std::uint16_t Sum = Checksum(P);
  P[2] = static_cast<std::uint8_t>(Sum >> 8);
  P[3] = static_cast<std::uint8_t>(Sum);
  return P;
}

TEchoResult Failed(String Reason) {
  TEchoResult Result;
  Result.Reason = std::move(Reason);
  return Result;
}

// Waits for the reply to R from Target until TimeoutMs have passed.
TEchoResult AwaitReply(int Fd, bool Raw, const Request& R, in_addr Target, unsigned TimeoutMs) {
  using Clock = std::chrono::steady_clock;
  const auto Deadline = Clock::now() + std::chrono::milliseconds(TimeoutMs);
  std::uint8_t Buffer[65536];
  for (;;) {
    const auto Left = std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - Clock::now()).count();
    if (Left <= 0) break;
    pollfd P = {Fd, POLLIN, 0};
    const int Ready = ::poll(&P, 1, static_cast<int>(Left));
    if (Ready < 0 && errno == EINTR) continue;
    if (Ready <= 0) break;
    sockaddr_in From{};
    socklen_t FromLength = sizeof From;
    const ssize_t N = ::recvfrom(Fd, Buffer, sizeof Buffer, 0, reinterpret_cast<sockaddr*>(&From), &FromLength);
    if (N < 0) continue;
    if (From.sin_addr.s_addr != Target.s_addr) continue;
    const int Length = EchoReplyLength(Buffer, static_cast<std::size_t>(N), Raw, R.Id, R.Sequence);
    if (Length < 0) continue;
    TEchoResult Result;
    Result.Status = esReply;
    Result.BytesReceived = Length;
    return Result;
  }
  TEchoResult Result;
  Result.Status = esTimedOut;
  return Result;
}

Request NextRequest() {
  static std::atomic<std::uint16_t> Sequence{0};
  return {static_cast<std::uint16_t>(::getpid()), ++Sequence};
}

}  // namespace

int EchoReplyLength(const std::uint8_t* Packet, std::size_t Size, bool Raw, std::uint16_t Id, std::uint16_t Sequence) {
  if (Raw) {
    if (Size < 20) return -1;
    const std::size_t HeaderLength = static_cast<std::size_t>(Packet[0] & 0x0F) * 4;
    if (HeaderLength < 20 || HeaderLength > Size) return -1;
    Packet += HeaderLength;
    Size -= HeaderLength;
  }
  if (Size < 8 || Packet[0] != ICMP_ECHOREPLY || Packet[1] != 0) return -1;
  const std::uint16_t GotId = static_cast<std::uint16_t>(Packet[4] << 8 | Packet[5]);
  const std::uint16_t GotSequence = static_cast<std::uint16_t>(Packet[6] << 8 | Packet[7]);
  if (GotSequence != Sequence || (Raw && GotId != Id)) return -1;
  return static_cast<int>(Size - 8);
}

bool ParseDottedQuad(StringView Text, std::array<std::uint8_t, 4>& Bytes) {
  std::array<std::uint8_t, 4> Parsed{};
  std::size_t I = 0;
  for (int Part = 0; Part < 4; ++Part) {
    if (Part > 0 && (I >= Text.size() || Text[I++] != u'.')) return false;
    int Value = 0, Digits = 0;
    for (; I < Text.size() && Text[I] >= u'0' && Text[I] <= u'9' && Digits < 4; ++I, ++Digits)
      Value = Value * 10 + (Text[I] - u'0');
    if (Digits == 0 || Digits > 3 || Value > 255) return false;
    Parsed[static_cast<std::size_t>(Part)] = static_cast<std::uint8_t>(Value);
  }
  if (I != Text.size()) return false;
  Bytes = Parsed;
  return true;
}

int TIcmpEchoClient::OpenSocket(int Type) { return ::socket(AF_INET, Type | SOCK_CLOEXEC, IPPROTO_ICMP); }

TEchoResult TIcmpEchoClient::Echo(const String& Address, const AnsiString& Data, unsigned TimeoutMs) {
  std::array<std::uint8_t, 4> Bytes;
  if (!ParseDottedQuad(Address, Bytes)) return Failed(u"Not a numeric IPv4 address: " + Address);
  bool Raw = false;
  int Fd = OpenSocket(SOCK_DGRAM);
  if (Fd < 0) {
    Raw = true;
    Fd = OpenSocket(SOCK_RAW);
  }
  if (Fd < 0) return Failed(u"ICMP echo is not allowed on this system: " + SysErrorMessage(errno));
  const Socket Owner(Fd);
  sockaddr_in Target{};
  Target.sin_family = AF_INET;
  std::memcpy(&Target.sin_addr, Bytes.data(), 4);
  const Request R = NextRequest();
  const std::vector<std::uint8_t> Packet = EchoPacket(R, Data);
  if (::sendto(Fd, Packet.data(), Packet.size(), 0, reinterpret_cast<const sockaddr*>(&Target), sizeof Target) < 0)
    return Failed(u"The echo request could not be sent: " + SysErrorMessage(errno));
  return AwaitReply(Fd, Raw, R, Target.sin_addr, TimeoutMs);
}

namespace {
TIcmpEchoService*& Installed() {
  static TIcmpEchoService* S = nullptr;
  return S;
}
}  // namespace

void SetIcmpEchoService(TIcmpEchoService* Service) { Installed() = Service; }

TIcmpEchoService& IcmpEchoService() {
  static TIcmpEchoClient Real;
  return Installed() ? *Installed() : Real;
}
