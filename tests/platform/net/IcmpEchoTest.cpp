#include "platform/net/IcmpEcho.h"

#include <gtest/gtest.h>
#include <sys/socket.h>

#include <cerrno>
#include <vector>

namespace {

TEST(IcmpEcho, OnlyNumericDottedQuadsAreAddresses) {
  const struct {
    const char16_t* Text;
    bool Valid;
    std::array<std::uint8_t, 4> Bytes;
  } Cases[] = {
      {u"127.0.0.1", true, {127, 0, 0, 1}},     {u"255.255.255.255", true, {255, 255, 255, 255}},
      {u"0.0.0.0", true, {0, 0, 0, 0}},         {u"010.001.2.3", true, {10, 1, 2, 3}},
      {u"256.1.1.1", false, {}},                {u"1.2.3", false, {}},
      {u"1.2.3.4.5", false, {}},                {u"1..3.4", false, {}},
      {u"localhost", false, {}},                {u"", false, {}},
      {u" 1.2.3.4", false, {}},                 {u"1.2.3.4 ", false, {}},
      {u"+1.2.3.4", false, {}},                 {u"0x7f.0.0.1", false, {}},
      {u"127.1", false, {}},                    {u"0001.2.3.4", false, {}},
      {u"1.2.3.4.", false, {}},
  };
  for (const auto& C : Cases) {
    std::array<std::uint8_t, 4> Bytes = {9, 9, 9, 9};
    EXPECT_EQ(ParseDottedQuad(C.Text, Bytes), C.Valid) << StringToUtf8(C.Text);
    const std::array<std::uint8_t, 4> Expected = C.Valid ? C.Bytes : std::array<std::uint8_t, 4>{9, 9, 9, 9};
    EXPECT_EQ(Bytes, Expected) << StringToUtf8(C.Text);
  }
}

// A client whose socket kinds can be refused, recording what it tried.
class ScriptedClient : public TIcmpEchoClient {
 public:
  bool AllowDatagram = true;
  bool AllowRaw = true;
  std::vector<int> Tried;

 protected:
  int OpenSocket(int Type) override {
    Tried.push_back(Type);
    if ((Type == SOCK_DGRAM && !AllowDatagram) || (Type == SOCK_RAW && !AllowRaw)) {
      errno = EPERM;
      return -1;
    }
    return TIcmpEchoClient::OpenSocket(Type);
  }
};

// The real echo needs one of the two socket kinds.
void SkipWhenNoEchoAllowed(const TEchoResult& R) {
  if (R.Status == esFailed && R.Reason.find(u"not allowed") != String::npos)
    GTEST_SKIP() << "this machine allows neither datagram nor raw ICMP sockets: " << StringToUtf8(R.Reason);
}

TEST(IcmpEcho, LoopbackAnswersWithTheData) {
  TIcmpEchoClient Client;
  const TEchoResult R = Client.Echo(u"127.0.0.1", "127.0.0.1", 400);
  SkipWhenNoEchoAllowed(R);
  EXPECT_EQ(R.Status, esReply) << StringToUtf8(R.Reason);
  EXPECT_EQ(R.BytesReceived, 9);
}

TEST(IcmpEcho, RawSocketWhenDatagramIsRefused) {
  ScriptedClient Client;
  Client.AllowDatagram = false;
  const TEchoResult R = Client.Echo(u"127.0.0.1", "abc", 400);
  SkipWhenNoEchoAllowed(R);
  EXPECT_EQ(Client.Tried, (std::vector<int>{SOCK_DGRAM, SOCK_RAW}));
  EXPECT_EQ(R.Status, esReply) << StringToUtf8(R.Reason);
  EXPECT_EQ(R.BytesReceived, 3);
}

TEST(IcmpEcho, DatagramSocketWhereTheSystemAllowsIt) {
  ScriptedClient Client;
  Client.AllowRaw = false;
  const TEchoResult R = Client.Echo(u"127.0.0.1", "abcd", 400);
  if (R.Status == esFailed && R.Reason.find(u"not allowed") != String::npos)
    GTEST_SKIP() << "net.ipv4.ping_group_range excludes this user's group";
  EXPECT_EQ(Client.Tried, (std::vector<int>{SOCK_DGRAM}));
  EXPECT_EQ(R.Status, esReply) << StringToUtf8(R.Reason);
  EXPECT_EQ(R.BytesReceived, 4);
}

TEST(IcmpEcho, NeitherSocketAllowedIsAClearFailure) {
  ScriptedClient Client;
  Client.AllowDatagram = Client.AllowRaw = false;
  const TEchoResult R = Client.Echo(u"127.0.0.1", "x", 400);
  EXPECT_EQ(R.Status, esFailed);
  EXPECT_NE(R.Reason.find(u"ICMP echo is not allowed"), String::npos) << StringToUtf8(R.Reason);
  EXPECT_EQ(Client.Tried, (std::vector<int>{SOCK_DGRAM, SOCK_RAW}));
}

TEST(IcmpEcho, NamesAndBadAddressesSendNothing) {
  for (const char16_t* Address : {u"localhost", u"example.com", u"1.2.3.256", u"1.2.3.", u""}) {
    ScriptedClient Client;
    const TEchoResult R = Client.Echo(Address, "x", 400);
    EXPECT_EQ(R.Status, esFailed) << StringToUtf8(Address);
    EXPECT_FALSE(R.Reason.empty());
    EXPECT_TRUE(Client.Tried.empty()) << StringToUtf8(Address);
  }
}

TEST(IcmpEcho, NoTimeLeftIsATimeOut) {
  TIcmpEchoClient Client;
  const TEchoResult R = Client.Echo(u"127.0.0.1", "x", 0);
  SkipWhenNoEchoAllowed(R);
  EXPECT_EQ(R.Status, esTimedOut);
  EXPECT_EQ(R.BytesReceived, 0);
}

TEST(IcmpEcho, ServiceCanBeReplaced) {
  struct Fake : TIcmpEchoService {
    TEchoResult Echo(const String&, const AnsiString& Data, unsigned) override {
      TEchoResult R;
      R.Status = esReply;
      R.BytesReceived = static_cast<int>(Data.size());
      return R;
    }
  } F;
  SetIcmpEchoService(&F);
  EXPECT_EQ(IcmpEchoService().Echo(u"10.0.0.1", "abcd", 400).BytesReceived, 4);
  SetIcmpEchoService(nullptr);
  EXPECT_NE(&IcmpEchoService(), static_cast<TIcmpEchoService*>(&F));
}

}  // namespace
