#include <gtest/gtest.h>

#include <filesystem>

#include "app/AddressHelpers.h"
#include "tests/support/TempDir.h"

namespace {

struct SplitCase {
  const char16_t* Text;
  bool Result;
  const char16_t *A, *B, *C, *D;  // "?" = left as it was
};

TEST(AddressHelpersTest, SplitIPAddress) {
  const SplitCase Cases[] = {
      {u" 192 . 168 . 0 . 5 ", true, u"192", u"168", u"0", u"5"},
      {u"0.0.0.0", true, u"0", u"0", u"0", u"0"},
      {u"255.255.255.255", true, u"255", u"255", u"255", u"255"},
      {u"1.2.3.4.5", false, u"1", u"2", u"3", u"4.5"},
      {u"1.2.3", false, u"1", u"2", u"?", u"?"},
      {u"1.2", false, u"1", u"?", u"?", u"?"},
      {u"1234", false, u"?", u"?", u"?", u"?"},
      {u"", false, u"?", u"?", u"?", u"?"},
      {u"256.1.1.1", false, u"256", u"1", u"1", u"1"},
      {u"1..2.3", false, u"1", u"", u"2", u"3"},
      {u"a.b.c.d", false, u"a", u"b", u"c", u"d"},
      {u"1.2.3.-1", false, u"1", u"2", u"3", u"-1"},
  };
  for (const SplitCase& C : Cases) {
    String A = u"?", B = u"?", Cc = u"?", D = u"?";
    EXPECT_EQ(Split_IP_Address(C.Text, A, B, Cc, D), C.Result) << StringToUtf8(C.Text);
    EXPECT_EQ(A + u"|" + B + u"|" + Cc + u"|" + D, String(C.A) + u"|" + C.B + u"|" + C.C + u"|" + C.D)
        << StringToUtf8(C.Text);
  }
}

TEST(AddressHelpersTest, IPToBytes) {
  const struct {
    const char16_t* Text;
    bool Error;
    int B1, B2, B3, B4;  // 9 = left as it was
  } Cases[] = {
      {u"", true, 9, 9, 9, 9},
      {u"192.168.0.1", false, 192, 168, 0, 1},
      {u"300.1.1.1", true, 0, 1, 1, 1},
      {u"1.2.3", true, 1, 2, 0, 3},
      {u"1.2", true, 1, 0, 0, 2},
      {u"1.2.3.4.5", true, 1, 2, 3, 0},
      {u" 1.2.3.4", true, 0, 2, 3, 4},  // parts are not trimmed
      {u"1.2.3.4 ", true, 1, 2, 3, 0},
      {u"1.-2.3.4", true, 1, 0, 3, 4},
  };
  for (const auto& C : Cases) {
    std::uint8_t B1 = 9, B2 = 9, B3 = 9, B4 = 9;
    EXPECT_EQ(IP_To_Bytes(C.Text, B1, B2, B3, B4), C.Error) << StringToUtf8(C.Text);
    EXPECT_EQ((std::vector<int>{B1, B2, B3, B4}), (std::vector<int>{C.B1, C.B2, C.B3, C.B4})) << StringToUtf8(C.Text);
  }
}

TEST(AddressHelpersTest, ParseIPPort) {
  const struct {
    const char16_t* Text;
    bool Valid;
    int B1, B2, B3, B4, Port;
  } Cases[] = {
      {u"192.168.0.15:47808", true, 192, 168, 0, 15, 47808},
      {u" 1 . 2 . 3 . 4 : 80 ", true, 1, 2, 3, 4, 80},
      {u"1.2.3.4:65535", true, 1, 2, 3, 4, 65535},
      {u"1.2.3.4:0", true, 1, 2, 3, 4, 0},
      {u"192.168.0.15", false, 0, 0, 0, 0, 0},
      {u"1.2.3.4:65536", false, 0, 0, 0, 0, 0},
      {u"1.2.3.4:-1", false, 0, 0, 0, 0, 0},
      {u"1.2.3.4:", false, 0, 0, 0, 0, 0},
      {u"1.2.3.4.5:80", false, 0, 0, 0, 0, 0},
      {u"1.2.3:80", false, 0, 0, 0, 0, 0},
      {u"1.2.3.256:80", false, 0, 0, 0, 0, 0},
      {u"-1.2.3.4:80", false, 0, 0, 0, 0, 0},
      {u"", false, 0, 0, 0, 0, 0},
      {u"localhost:80", false, 0, 0, 0, 0, 0},
  };
  for (const auto& C : Cases) {
    std::uint8_t B1 = 9, B2 = 9, B3 = 9, B4 = 9;
    std::uint16_t Port = 9;
    EXPECT_EQ(Parse_IP_Port(C.Text, B1, B2, B3, B4, Port), C.Valid) << StringToUtf8(C.Text);
    EXPECT_EQ((std::vector<int>{B1, B2, B3, B4, Port}), (std::vector<int>{C.B1, C.B2, C.B3, C.B4, C.Port}))
        << StringToUtf8(C.Text);
  }
}

TEST(AddressHelpersTest, SNMPCodes) {
  const struct {
    int (*Code)(StringView);
    const char16_t* Text;
    int Expected;
  } Cases[] = {
      {SNMP_Security_Level_Index, u" auth priv ", 2},
      {SNMP_Security_Level_Index, u"AUTH PRIV", 2},
      {SNMP_Security_Level_Index, u"Auth NoPriv", 1},
      {SNMP_Security_Level_Index, u"NOAUTH NOPRIV", 0},
      {SNMP_Security_Level_Index, u"AUTH  PRIV", 0},
      {SNMP_Security_Level_Index, u"", 0},
      {SNMP_Auth_Mode_Index, u" sha ", 1},
      {SNMP_Auth_Mode_Index, u"MD5", 0},
      {SNMP_Auth_Mode_Index, u"SHA1", 0},
      {SNMP_Priv_Mode_Index, u"aes", 1},
      {SNMP_Priv_Mode_Index, u"DES", 0},
      {SNMP_Priv_Mode_Index, u"AES128", 0},
  };
  for (const auto& C : Cases) EXPECT_EQ(C.Code(C.Text), C.Expected) << StringToUtf8(C.Text);
}

TEST(AddressHelpersTest, ListCOMPortsByNumberAscending) {
  testsupport::TempDir Dev;
  for (const char* Name : {"ttyS10", "ttyS2", "ttyUSB0", "ttyACM1", "ttyS0", "ttyprintk", "ttySx", "ttyS", "console",
                           "ttyUSB2a"})
    testsupport::WriteFile(Dev / Name, "");
  std::filesystem::create_directory(Dev / "ttyS3");
  const auto Ports = List_COM_Ports(S(Dev.Path().string()));
  EXPECT_EQ(StringToUtf8(Ports->CommaText()), "ttyS0,ttyUSB0,ttyACM1,ttyS2,ttyS10");

  testsupport::TempDir Empty;
  EXPECT_EQ(List_COM_Ports(S(Empty.Path().string()))->Count(), 0);
  EXPECT_EQ(List_COM_Ports(S((Empty / "none").string()))->Count(), 0);
}

}  // namespace
