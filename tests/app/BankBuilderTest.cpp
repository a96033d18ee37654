#include "app/BankBuilder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "app/ProgramState.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/SafeWrite.h"
#include "tests/support/TempDir.h"

namespace {

namespace PR = Parameter_Record;
using testsupport::ReadFile;
using testsupport::WriteFile;

String PathOf(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

std::string Elements(std::initializer_list<std::pair<std::string, std::string>> Items) {
  std::string xml;
  for (const auto& [name, text] : Items) xml += "<" + name + ">" + text + "</" + name + ">";
  return xml;
}

class BankBuilderTest : public ::testing::Test {
 protected:
  BankBuilderTest() : state(PathOf(program.Path())) {
    state.Project_Path = PathOf(program.Projects() / "Plant");
    state.Set_Files();
    std::filesystem::create_directories(Project());
  }

  std::filesystem::path Project() const { return program.Projects() / "Plant"; }
  void ParGen(const std::string& Body) { WriteFile(Project() / "ParGen.xml", "<Par_Gen>" + Body + "</Par_Gen><!--SW_VERSION = 1.000-->"); }
  void DALI(const std::string& Body) { WriteFile(Project() / "DALI_Access.xml", "<DALI_Access>" + Body + "</DALI_Access>"); }
  void Traps(const std::string& Read, const std::string& Write) {
    WriteFile(Project() / "SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read>" + Read + "</SNMP_Trap_Read><SNMP_Trap_Write>" +
                                               Write + "</SNMP_Trap_Write></SNMP_Trap><!--SW_VERSION = 1.000-->");
  }

  // The built banks as images, checked for their exact sizes.
  void Build() {
    builder.Build_Banks(state);
    ASSERT_EQ(builder.Bank1_Buffer().size(), 2048u);
    ASSERT_EQ(builder.Bank2_Buffer().size(), 24742u);
    bank1 = Image(builder.Bank1_Buffer());
    bank2 = Image(builder.Bank2_Buffer());
  }
  static TByteImage Image(const std::string& Bytes) {
    TByteImage image(Bytes.size());
    for (std::size_t i = 0; i < Bytes.size(); ++i) image.SetU8(i, static_cast<std::uint8_t>(Bytes[i]));
    return image;
  }
  std::string Bytes1(std::size_t Offset, std::size_t Count) const { return bank1.Bytes().substr(Offset, Count); }
  std::string Field(TTextField F) const { return Bytes1(F.Offset, F.Width); }
  std::uint16_t DALI_Word(std::size_t N) const { return bank2.U16(24580 + 2 * N); }
  std::size_t Read_Entry(std::size_t K) const { return K * 48; }
  std::size_t Write_Entry(std::size_t K) const { return 12288 + K * 48; }
  std::string Text2(std::size_t Offset) const { return bank2.Bytes().substr(Offset, 16); }

  testsupport::TempProgramDir program;
  TProgramState state;
  TBankBuilder builder;
  TByteImage bank1{0};
  TByteImage bank2{0};
};

std::vector<std::string> FilesIn(const std::filesystem::path& Dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(Dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string Padded(const std::string& S, std::size_t Width) { return S + std::string(Width - S.size(), '\0'); }

TEST_F(BankBuilderTest, NoProjectFilesGiveTheStartingValuesAndDefaultTraps) {
  Build();
  EXPECT_EQ(Bytes1(40, 12), std::string("\xC0\xA8\x02\xCD\xFF\xFF\xFF\x00\xFF\xFF\xFF\xFF", 12));
  EXPECT_EQ(bank1.U16(56), 10001);
  for (const TTextField f : {PR::Station_Name, PR::Contact, PR::Location, PR::V3_User, PR::V3_Authority, PR::V3_Privacy})
    EXPECT_EQ(Field(f), std::string(f.Width, '\0'));
  EXPECT_EQ(bank1.U32(PR::SNMP_Flags), 0u);
  EXPECT_EQ(bank1.U32(PR::DALI_Flags), 0u);
  EXPECT_EQ(bank1.U32(1436), 64u);
  EXPECT_EQ(bank1.U32(1440), 64u);
  // Only the fields above and the fixed values differ from a fresh record.
  TByteImage expected = New_Parameter_Record();
  for (std::size_t o : {40u, 41u, 42u, 43u, 44u, 45u, 46u, 48u, 49u, 50u, 51u}) expected.SetU8(o, bank1.U8(o));
  expected.SetU16(56, 10001);
  expected.SetU32(1436, 64);
  expected.SetU32(1440, 64);
  expected.SetU32(2044, bank1.U32(2044));
  EXPECT_EQ(bank1.Bytes(), expected.Bytes());
  EXPECT_EQ(bank1.U32(2044), bank1.ByteSum(0, 2044));

  for (const std::size_t k : {0u, 1u, 63u}) {
    const std::size_t r = Read_Entry(k), w = Write_Entry(k);
    EXPECT_EQ(bank2.U16(r), k * 8);
    EXPECT_EQ(bank2.U16(w), k);
    EXPECT_EQ(bank2.U16(r + 4), 8);
    EXPECT_EQ(bank2.U8(r + 7), Trap_Int);
    EXPECT_EQ(bank2.U8(w + 7), Trap_Int);
    EXPECT_EQ(bank2.U32(r + 8), 1000u);
    EXPECT_EQ(bank2.U32(w + 8), 0u);
    EXPECT_EQ(Text2(r + 12), Padded("vantor", 16));
    EXPECT_EQ(Text2(r + 28), Padded("lampADV" + std::to_string(k), 16));
    EXPECT_EQ(Text2(w + 28), Padded("lamp" + std::to_string(k), 16));
    EXPECT_EQ(bank2.Bytes().substr(r + 44, 4), "\x10\x02\xA8\xC0");
    EXPECT_EQ(bank2.U32(w + 44), 0u);
  }
  EXPECT_EQ(bank2.Bytes().substr(Read_Entry(64), 12288 - 64 * 48), std::string(12288 - 64 * 48, '\0'));
  EXPECT_EQ(bank2.Bytes().substr(Write_Entry(64)), std::string(24742 - Write_Entry(64), '\0'));  // DALI block too
}

TEST_F(BankBuilderTest, NetworkTextsAndDaliFlagsFromParGen) {
  ParGen(Elements({{"SNMP_Agent_IP1", "10"}, {"SNMP_Agent_IP2", "1"}, {"SNMP_Agent_IP3", "2"}, {"SNMP_Agent_IP4", "300"},
                   {"SNMP_Agent_SM1", "255"}, {"SNMP_Agent_SM2", "255"}, {"SNMP_Agent_SM3", "0"}, {"SNMP_Agent_SM4", "0"},
                   {"SNMP_Agent_GAT1", "10"}, {"SNMP_Agent_GAT2", "1"}, {"SNMP_Agent_GAT3", "0"}, {"SNMP_Agent_GAT4", "254"},
                   {"SNMP_Agent_EN_GAT", "1"},
                   {"SNMP_Agent_Name_of_Station", "a-very-long-station-name"},
                   {"SNMP_Agent_Contact", "0123456789abcdef"},
                   {"SNMP_Agent_Location", "Caf\xC3\xA9 \xE2\x82\xAC"},  // é is Latin-1, € is not
                   {"DALI_CONSOLE_PORT", "70000"}, {"DALI_DISABLE_SCAN", "1"}, {"DALI_ENABLE_DALI_2", "1"},
                   {"DALI_SWITCH_OFF", "1"}, {"DALI_TIMEOUT", "5000"}}));
  Build();
  EXPECT_EQ(Bytes1(40, 12), std::string("\x0A\x01\x02\x2C\xFF\xFF\x00\x00\x0A\x01\x00\xFE", 12));  // 300 keeps its low byte
  EXPECT_EQ(Field(PR::Station_Name), "a-very-long-stat");
  EXPECT_EQ(bank1.U8(96), 0);
  EXPECT_EQ(Field(PR::Contact), "0123456789abcdef");
  EXPECT_EQ(Field(PR::Location), Padded("Caf\xE9 \xAC", 16));  // the low byte of U+20AC
  EXPECT_EQ(bank1.U16(56), 70000 & 0xFFFF);
  EXPECT_EQ(bank1.U32(PR::DALI_Flags), DALI_No_Scan | DALI_2);
  EXPECT_EQ(bank1.U32(2044), bank1.ByteSum(0, 2044));
}

TEST_F(BankBuilderTest, GatewayOnlyWhenEnabledExactlyByOne) {
  for (const std::string en : {"0", "true", " 1", ""}) {
    ParGen(Elements({{"SNMP_Agent_GAT1", "10"}, {"SNMP_Agent_GAT4", "1"}, {"SNMP_Agent_EN_GAT", en}}));
    Build();
    EXPECT_EQ(Bytes1(48, 4), "\xFF\xFF\xFF\xFF") << en;
  }
}

// An empty root gives each element's own default, not the starting values.
TEST_F(BankBuilderTest, EmptyParGenGivesTheElementDefaults) {
  ParGen("");
  Build();
  EXPECT_EQ(Bytes1(40, 12), std::string("\xC0\xA8\x00\x05\xFF\xFF\xFF\x00\xFF\xFF\xFF\xFF", 12));
  EXPECT_EQ(Field(PR::Station_Name), Padded("devicename1", 16));
  EXPECT_EQ(bank1.U16(56), 10001);
}

TEST_F(BankBuilderTest, SnmpFlagsAndVersion3Texts) {
  struct Case {
    const char* V1;
    const char* V2;
    const char* V3;
    const char* Level;  // nullptr: element missing
    const char* Auth_Mode;
    const char* Priv_Mode;
    std::uint32_t Flags;
    bool User, Auth, Priv;  // which version-3 texts reach the bank
  };
  const Case cases[] = {
      {"1", "0", "0", "Auth Priv", "SHA", "AES", 0x001, false, false, false},  // v3 off: nothing of v3
      {"0", "1", "1", "Auth Priv", "SHA", "AES", 0x2B6, true, true, true},
      {"1", "1", "1", "Auth NoPriv", "MD5", "AES", 0x057, true, true, false},
      {"0", "0", "1", "NoAuth NoPriv", "SHA", "AES", 0x004, true, false, false},
      {"0", "0", "1", nullptr, nullptr, nullptr, 0x004, true, false, false},
      {"0", "0", "1", " auth priv ", nullptr, nullptr, 0x174, true, true, true},
      {"0", "0", "1", "Auth Priv", " sha", "aes ", 0x2B4, true, true, true},
  };
  for (const Case& c : cases) {
    std::string body = Elements({{"SNMP_Agent_VERSION1", c.V1}, {"SNMP_Agent_VERSION2", c.V2}, {"SNMP_Agent_VERSION3", c.V3},
                                 {"SNMP_Agent_VER3_USER", "operator-with-a-long-name"},
                                 {"SNMP_Agent_VER3_AUTHORITY", "authpass"}, {"SNMP_Agent_VER3_PRIVACY", "privpass"}});
    if (c.Level) body += Elements({{"SNMP_Agent_VER3_SECURITY_LEVEL", c.Level}});
    if (c.Auth_Mode) body += Elements({{"SNMP_Agent_VER3_AUTHORITY_MODE", c.Auth_Mode}});
    if (c.Priv_Mode) body += Elements({{"SNMP_Agent_VER3_PRIVACY_MODE", c.Priv_Mode}});
    ParGen(body);
    Build();
    SCOPED_TRACE(std::string(c.V3) + " " + (c.Level ? c.Level : "-"));
    EXPECT_EQ(bank1.U32(PR::SNMP_Flags), c.Flags);
    EXPECT_EQ(Field(PR::V3_User), c.User ? "operator-with-a-lon" + std::string("g") : std::string(20, '\0'));
    EXPECT_EQ(Field(PR::V3_Authority), c.Auth ? Padded("authpass", 16) : std::string(16, '\0'));
    EXPECT_EQ(Field(PR::V3_Privacy), c.Priv ? Padded("privpass", 16) : std::string(16, '\0'));
  }
}

TEST_F(BankBuilderTest, DaliDeviceWordsFromEachElement) {
  DALI(Elements({{"DALI_ID_DEVICE_5", "1"}, {"DALI_ID_DEVICE_0", "1"}, {"DALI_ID_DEVICE_0_DIMMING_MODE", "Start Break"},
                 {"DALI_ID_DEVICE_0_MIN_MAN_VALUE", "1"},
                 {"DALI_ID_DEVICE_0_RECALL_LEVEL", "Recall Min-Max Level for Switch"},
                 {"DALI_ID_DEVICE_63_RECALL_LEVEL", "Recall Old Value Level for Switch"},
                 {"DALI_ID_DEVICE_7", "true"}, {"DALI_ID_DEVICE_8_DIMMING_MODE", "start break"},
                 {"DALI_ID_DEVICE_64", "1"}, {"DALI_ID_DEVICE_05", "1"}}));
  Build();
  EXPECT_EQ(DALI_Word(0), 0x8000 | 0x1 | 0x4 | 0x8);
  EXPECT_EQ(DALI_Word(5), 0x8000);
  EXPECT_EQ(DALI_Word(63), 0x10);
  for (std::size_t n = 0; n < 81; ++n)
    if (n != 0 && n != 5 && n != 63) {
      EXPECT_EQ(DALI_Word(n), 0) << n;
    }
  EXPECT_EQ(bank2.U32(24576), 0u);
}

TEST_F(BankBuilderTest, TrapRowsFillTheTablesInOrder) {
  Traps(R"(<row Enable="Y" Community_Name="public" Type="Int" Position="10" Bit="3" NumBits="16" Description="temp1"
             Conversion="  float / 10 " On_Change="Y" On_Command="n" On_Timer="y" Time="2500" IP_Address="192 .168.2.16 "/>
           <row Enable="N" Community_Name="skipped" Type="Int" Position="1" NumBits="8" Description="off"/>
           <!--a comment is no enabled row-->
           <row Enable="Yes" Community_Name="skipped" Type="Int" Position="1" NumBits="8" Description="off"/>
           <other Enable="y" Community_Name="a-community-name-too-long" Type="String" Position="70000" Bit="x"
             NumBits="4" Description="status" Conversion="Float*10" Time="abc" IP_Address="300.1.1.1"/>
           <row Enable="Y" Type="String" Description="nobits" IP_Address=""/>)",
        R"(<row Enable="Y" Community_Name="private" Type="INT" Position="3" Bit="1" NumBits="8" Description="level"
             Conversion="Float" On_Change="Y" On_Timer="Y" Time="100" IP_Address="1.2.3.4"/>)");
  Build();
  EXPECT_EQ(bank1.U32(1436), 3u);
  EXPECT_EQ(bank1.U32(1440), 1u);
  const std::size_t r0 = Read_Entry(0), r1 = Read_Entry(1), r2 = Read_Entry(2), w0 = Write_Entry(0);
  EXPECT_EQ(bank2.U16(r0), 10);
  EXPECT_EQ(bank2.U16(r0 + 2), 3);
  EXPECT_EQ(bank2.U16(r0 + 4), 16);  // INT: a bit count
  EXPECT_EQ(bank2.U8(r0 + 6), 4);
  EXPECT_EQ(bank2.U8(r0 + 7), Trap_Int | Trap_On_Change | Trap_On_Timer);
  EXPECT_EQ(bank2.U32(r0 + 8), 2500u);
  EXPECT_EQ(Text2(r0 + 12), Padded("public", 16));
  EXPECT_EQ(Text2(r0 + 28), Padded("temp1", 16));
  EXPECT_EQ(bank2.Bytes().substr(r0 + 44, 4), "\x10\x02\xA8\xC0");  // trimmed parts, as the window checks them

  EXPECT_EQ(bank2.U16(r1), 70000 & 0xFFFF);
  EXPECT_EQ(bank2.U16(r1 + 2), 0);
  EXPECT_EQ(bank2.U16(r1 + 4), 32);  // 4 bytes
  EXPECT_EQ(bank2.U8(r1 + 6), 0);
  EXPECT_EQ(bank2.U8(r1 + 7), 0);
  EXPECT_EQ(bank2.U32(r1 + 8), 0u);
  EXPECT_EQ(Text2(r1 + 12), "a-community-name");
  EXPECT_EQ(bank2.Bytes().substr(r1 + 44, 4), std::string("\x01\x01\x01\x00", 4));  // 0.1.1.1

  EXPECT_EQ(bank2.U16(r2 + 4), 8);  // NumBits missing: 1 byte
  EXPECT_EQ(bank2.U32(r2 + 44), 0u);

  EXPECT_EQ(bank2.U16(w0), 3);
  EXPECT_EQ(bank2.U16(w0 + 4), 8);
  EXPECT_EQ(bank2.U8(w0 + 6), 1);
  EXPECT_EQ(bank2.U8(w0 + 7), Trap_Int);  // no trap conditions in write entries
  EXPECT_EQ(bank2.U32(w0 + 8), 0u);
  EXPECT_EQ(bank2.U32(w0 + 44), 0u);
  EXPECT_EQ(bank2.Bytes().substr(Read_Entry(3), 12288 - 3 * 48), std::string(12288 - 3 * 48, '\0'));
}

TEST_F(BankBuilderTest, MoreThan256EnabledRowsFillTheTableAndStop) {
  std::string rows;
  for (int i = 0; i < 300; ++i)
    rows += "<row Enable=\"Y\" Type=\"Int\" Position=\"" + std::to_string(i) + "\" NumBits=\"8\" Description=\"d\"/>";
  Traps(rows, rows);
  Build();
  EXPECT_EQ(bank1.U32(1436), 256u);
  EXPECT_EQ(bank1.U32(1440), 256u);
  EXPECT_EQ(bank2.U16(Read_Entry(255)), 255);
  EXPECT_EQ(bank2.U16(Write_Entry(255)), 255);
  EXPECT_EQ(bank2.U32(24576), 0u);  // the DALI block is untouched
}

TEST_F(BankBuilderTest, EveryBuildStartsFromScratch) {
  Traps("<row Enable=\"Y\" Type=\"Int\" Position=\"1\" Description=\"a\"/><row Enable=\"Y\" Type=\"Int\" Description=\"b\"/>", "");
  DALI(Elements({{"DALI_ID_DEVICE_1", "1"}}));
  Build();
  Traps("<row Enable=\"Y\" Type=\"Int\" Position=\"2\" Description=\"c\"/>", "");
  std::filesystem::remove(Project() / "DALI_Access.xml");
  Build();
  EXPECT_EQ(bank1.U32(1436), 1u);
  EXPECT_EQ(bank2.Bytes().substr(Read_Entry(1), 48), std::string(48, '\0'));
  EXPECT_EQ(DALI_Word(1), 0);
}

TEST_F(BankBuilderTest, DamagedProjectFileRaisesNamingItAndNothingIsWritten) {
  for (const char* name : {"ParGen.xml", "DALI_Access.xml", "SNMP_Trap.xml"}) {
    std::filesystem::remove_all(Project());
    WriteFile(Project() / name, "<Root><Unclosed></Root>");
    try {
      builder.Build_Banks(state);
      ADD_FAILURE() << name << ": no error";
    } catch (const Exception& e) {
      EXPECT_NE(e.Message().find(PathOf(Project() / name)), String::npos) << e.what();
    }
    EXPECT_TRUE(builder.Bank1_Buffer().empty());
    EXPECT_THROW(builder.Save_Banks(state), Exception);
    EXPECT_FALSE(std::filesystem::exists(Project() / "bin")) << name;
  }
}

TEST_F(BankBuilderTest, SaveCreatesTheBinFolderAndWritesBothBanks) {
  Build();
  builder.Save_Banks(state);
  EXPECT_EQ(ReadFile(Project() / "bin" / "bank1.bin"), builder.Bank1_Buffer());
  EXPECT_EQ(ReadFile(Project() / "bin" / "bank2.bin"), builder.Bank2_Buffer());
}

TEST_F(BankBuilderTest, UnwritableBanksRaiseAndTheOldOnesStay) {
  WriteFile(Project() / "bin" / "bank1.bin", "old bank 1");
  WriteFile(Project() / "bin" / "bank2.bin", "old bank 2");
  Build();
  SetSafeWriteFaultForTests([](std::string_view step) { return step == "create" ? EACCES : 0; });
  try {
    builder.Save_Banks(state);
    ADD_FAILURE() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_NE(e.Message().find(u"bank1.bin"), String::npos) << e.what();
  }
  SetSafeWriteFaultForTests(nullptr);
  EXPECT_EQ(ReadFile(Project() / "bin" / "bank1.bin"), "old bank 1");
  EXPECT_EQ(ReadFile(Project() / "bin" / "bank2.bin"), "old bank 2");
}

// The banks are a pair: a failure anywhere in writing bank2.bin leaves both
// old files (or both missing), never a new bank1.bin beside an old bank2.bin.
TEST_F(BankBuilderTest, FailedSecondBankLeavesTheOldPair) {
  struct Case {
    const char* what;
    const char* step;  // fails its second occurrence, the one for bank2.bin
    bool bank2Folder;
    bool oldBank1;
  };
  const Case cases[] = {
      {"bank2.bin is a folder", "", true, true},
      {"disk full on bank2", "write", false, true},
      {"bank2 rename fails", "rename", false, true},
      {"bank2 rename fails, no old bank1", "rename", false, false},
  };
  Build();
  const auto bin = Project() / "bin";
  for (const Case& c : cases) {
    std::filesystem::remove_all(bin);
    std::filesystem::create_directories(bin);
    if (c.oldBank1) WriteFile(bin / "bank1.bin", "old bank 1");
    if (c.bank2Folder) std::filesystem::create_directories(bin / "bank2.bin" / "inside");
    else WriteFile(bin / "bank2.bin", "old bank 2");
    int seen = 0;
    SetSafeWriteFaultForTests([&](std::string_view step) { return step == c.step && ++seen == 2 ? ENOSPC : 0; });
    try {
      builder.Save_Banks(state);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const EInOutError& e) {
      EXPECT_NE(e.Message().find(u"bank2.bin"), String::npos) << e.what();
    }
    SetSafeWriteFaultForTests(nullptr);
    EXPECT_EQ(std::filesystem::exists(bin / "bank1.bin"), c.oldBank1) << c.what;
    if (c.oldBank1) {
      EXPECT_EQ(ReadFile(bin / "bank1.bin"), "old bank 1") << c.what;
    }
    if (!c.bank2Folder) {
      EXPECT_EQ(ReadFile(bin / "bank2.bin"), "old bank 2") << c.what;
    }
    const auto files = std::distance(std::filesystem::directory_iterator(bin), {});
    EXPECT_EQ(files, c.oldBank1 ? 2 : 1) << c.what << ": a temporary was left";
  }
}

TEST_F(BankBuilderTest, OldBank1ThatCannotBePutBackIsKeptAndNamed) {
  Build();
  const auto bin = Project() / "bin";
  WriteFile(bin / "bank1.bin", "old bank 1");
  WriteFile(bin / "bank2.bin", "old bank 2");
  int renames = 0;
  SetSafeWriteFaultForTests([&](std::string_view step) {
    return (step == "rename" && ++renames == 2) || step == "restore" ? EIO : 0;
  });
  String message;
  try {
    builder.Save_Banks(state);
  } catch (const EInOutError& e) {
    message = e.Message();
  }
  SetSafeWriteFaultForTests(nullptr);
  std::string kept;
  for (const auto& entry : std::filesystem::directory_iterator(bin)) {
    const std::string name = entry.path().filename().string();
    if (name != "bank1.bin" && name != "bank2.bin") kept = name;
  }
  ASSERT_FALSE(kept.empty()) << "the old bank1.bin is gone";
  EXPECT_EQ(ReadFile(bin / kept), "old bank 1");
  EXPECT_NE(message.find(Utf8ToString(kept)), String::npos) << StringToUtf8(message);
  EXPECT_EQ(ReadFile(bin / "bank2.bin"), "old bank 2");
}

TEST_F(BankBuilderTest, BinFolderThatCannotBeCreatedRaisesNamingIt) {
  WriteFile(Project() / "bin", "a file where the folder should be");
  Build();
  try {
    builder.Save_Banks(state);
    ADD_FAILURE() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_NE(e.Message().find(PathOf(Project() / "bin")), String::npos) << e.what();
  }
}

TEST_F(BankBuilderTest, ProjectFilesWithADeclarationFirstAreRead) {
  WriteFile(Project() / "ParGen.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- by hand -->\n<Par_Gen>" +
                                          Elements({{"SNMP_Agent_Name_of_Station", "hall"}}) + "</Par_Gen>");
  WriteFile(Project() / "DALI_Access.xml",
            "<?xml version=\"1.0\"?><!DOCTYPE DALI_Access><DALI_Access>" + Elements({{"DALI_ID_DEVICE_5", "1"}}) + "</DALI_Access>");
  Build();
  EXPECT_EQ(Field(PR::Station_Name), Padded("hall", 16));
  EXPECT_EQ(DALI_Word(5), 0x8000);
}

// FAT, exFAT and some network shares refuse hard links: the old bank1.bin
// is then kept by a copy, so the pair is written there as anywhere else.
TEST_F(BankBuilderTest, WhereLinksAreRefusedTheOldBank1IsKeptByACopy) {
  Build();
  const auto bin = Project() / "bin";
  for (const int Refusal : {EPERM, EOPNOTSUPP, ENOSYS}) {
    for (const bool Bank2Fails : {false, true}) {
      SCOPED_TRACE(std::to_string(Refusal) + (Bank2Fails ? ", bank2 rename fails" : ""));
      WriteFile(bin / "bank1.bin", "old bank 1");
      WriteFile(bin / "bank2.bin", "old bank 2");
      int renames = 0;
      SetSafeWriteFaultForTests([&](std::string_view step) {
        if (step == "link") return Refusal;
        return step == "rename" && ++renames == 2 && Bank2Fails ? EIO : 0;
      });
      try {
        builder.Save_Banks(state);
        EXPECT_FALSE(Bank2Fails) << "no error";
      } catch (const EInOutError& e) {
        EXPECT_TRUE(Bank2Fails) << e.what();
      }
      SetSafeWriteFaultForTests(nullptr);
      EXPECT_EQ(ReadFile(bin / "bank1.bin"), Bank2Fails ? "old bank 1" : builder.Bank1_Buffer());
      EXPECT_EQ(ReadFile(bin / "bank2.bin"), Bank2Fails ? "old bank 2" : builder.Bank2_Buffer());
      EXPECT_EQ(FilesIn(bin), (std::vector<std::string>{"bank1.bin", "bank2.bin"}));
    }
  }
  std::filesystem::remove(bin / "bank1.bin");  // a first build: nothing to keep
  SetSafeWriteFaultForTests([](std::string_view step) { return step == "link" ? EPERM : 0; });
  EXPECT_NO_THROW(builder.Save_Banks(state));
  SetSafeWriteFaultForTests(nullptr);
  EXPECT_EQ(ReadFile(bin / "bank1.bin"), builder.Bank1_Buffer());
}

// Temporaries left by a writer that was killed go at the next write of
// their file; those of a process that still runs, or of other files, stay.
TEST_F(BankBuilderTest, TemporariesOfWritersThatAreGoneAreRemovedAtTheNextWrite) {
  const auto bin = Project() / "bin";
  const std::string gone = std::to_string(testsupport::GonePid()), mine = std::to_string(getpid());
  const std::vector<std::string> stale = {".bank1.bin." + gone + ".7.tmp", ".bank2.bin." + gone + ".0.tmp"};
  const std::vector<std::string> kept = {".bank1.bin.1.3.tmp", ".bank2.bin." + mine + ".99999.tmp",
                                         ".bank1.bin." + gone + ".x.tmp", ".ParGen.xml." + gone + ".1.tmp",
                                         "bank1.bin." + gone + ".1.tmp"};
  for (const auto& name : stale) WriteFile(bin / name, "stale");
  for (const auto& name : kept) WriteFile(bin / name, "kept");
  Build();
  builder.Save_Banks(state);
  for (const auto& name : stale) EXPECT_FALSE(std::filesystem::exists(bin / name)) << name;
  for (const auto& name : kept) EXPECT_EQ(ReadFile(bin / name), "kept") << name;
}

// The pair write cut off between its two renames (the process killed
// there): the disk holds the new bank1.bin beside the old bank2.bin, with
// the old bank1.bin and the new bank2.bin as the dead writer's hidden
// temporaries. Nothing reads the banks but Update Device, and it always
// builds and writes the pair whole first: after it both banks are new and
// the temporaries are gone.
TEST_F(BankBuilderTest, APairWriteCutBetweenItsRenamesIsMadeWholeByTheNextUpdate) {
  const auto bin = Project() / "bin", atCrash = program.Path() / "at-crash";
  WriteFile(bin / "bank1.bin", "old bank 1");
  WriteFile(bin / "bank2.bin", "old bank 2");
  Build();
  int renames = 0;
  SetSafeWriteFaultForTests([&](std::string_view step) {
    if (step != "rename" || ++renames != 2) return 0;
    std::filesystem::copy(bin, atCrash);  // what a kill here leaves on disk
    return EIO;
  });
  EXPECT_THROW(builder.Save_Banks(state), EInOutError);
  SetSafeWriteFaultForTests(nullptr);
  std::filesystem::remove_all(bin);
  const std::string mine = "." + std::to_string(getpid()) + ".", gone = "." + std::to_string(testsupport::GonePid()) + ".";
  for (const auto& entry : std::filesystem::directory_iterator(atCrash)) {
    std::string name = entry.path().filename().string();
    if (const auto at = name.find(mine); at != std::string::npos) name.replace(at, mine.size(), gone);
    WriteFile(bin / name, ReadFile(entry.path()));
  }
  EXPECT_EQ(ReadFile(bin / "bank1.bin"), builder.Bank1_Buffer());
  EXPECT_EQ(ReadFile(bin / "bank2.bin"), "old bank 2");
  std::vector<std::string> hidden;
  for (const auto& name : FilesIn(bin))
    if (name.starts_with(".")) hidden.push_back(ReadFile(bin / name));
  std::vector<std::string> expected{builder.Bank2_Buffer(), "old bank 1"};
  std::sort(hidden.begin(), hidden.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(hidden, expected);

  TBankBuilder next;
  next.Build_Banks(state);
  next.Save_Banks(state);
  EXPECT_EQ(ReadFile(bin / "bank1.bin"), next.Bank1_Buffer());
  EXPECT_EQ(ReadFile(bin / "bank2.bin"), next.Bank2_Buffer());
  EXPECT_EQ(FilesIn(bin), (std::vector<std::string>{"bank1.bin", "bank2.bin"}));
}

}  // namespace
