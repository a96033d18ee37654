// The Set Communication window through its step button: loading ParGen.xml,
// the checks before saving, saving, and Cancel.
#include <gtest/gtest.h>

#include "app/BankBuilder.h"
#include "platform/sys/SysUtils.h"
#include "tests/app/Golden.h"
#include "tests/app/SetCommunicationFixture.h"
#include "tests/support/SystemInputDriver.h"

namespace {
namespace PR = Parameter_Record;
using testsupport::ReadFile;
using testsupport::Value;
using testsupport::WriteFile;

class SetCommunication : public testsupport::SetCommunicationFixture {
 protected:
  // The bank builder's record from the project as it is on disk now.
  TByteImage Bank1() {
    TBankBuilder Builder;
    Builder.Build_Banks(*P.State);
    TByteImage Image(Builder.Bank1_Buffer().size());
    for (std::size_t i = 0; i < Image.Size(); ++i)
      Image.SetU8(i, static_cast<std::uint8_t>(Builder.Bank1_Buffer()[i]));
    return Image;
  }
  // What the bank builder reads from the saved file is what the window held.
  void Expect_Bank_Holds(const TParGenValues& V) {
    const TByteImage Bank = Bank1();
    const auto Octet = [&](const char16_t* Prefix, int N) {
      return static_cast<std::uint8_t>(StrToInt(Value(V, String(Prefix) + IntToStr(N))));
    };
    const bool Gateway = Value(V, u"SNMP_Agent_EN_GAT") == u"1";
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(Bank.U8(PR::Agent_IP + i), Octet(u"SNMP_Agent_IP", i + 1));
      EXPECT_EQ(Bank.U8(PR::Agent_Mask + i), Octet(u"SNMP_Agent_SM", i + 1));
      EXPECT_EQ(Bank.U8(PR::Agent_Gateway + i), Gateway ? Octet(u"SNMP_Agent_GAT", i + 1) : 255);
    }
    const auto Text = [&](TTextField F) {
      const std::string Field = Bank.Bytes().substr(F.Offset, F.Width);
      return Field.substr(0, Field.find('\0'));
    };
    EXPECT_EQ(Text(PR::Station_Name), StringToUtf8(Value(V, u"SNMP_Agent_Name_of_Station")));
    EXPECT_EQ(Text(PR::Contact), StringToUtf8(Value(V, u"SNMP_Agent_Contact")));
    EXPECT_EQ(Text(PR::Location), StringToUtf8(Value(V, u"SNMP_Agent_Location")));
    EXPECT_EQ(Bank.U16(PR::Console_Port), StrToInt(Value(V, u"DALI_CONSOLE_PORT")));
    std::uint32_t Dali = 0;
    if (Value(V, u"DALI_DISABLE_SCAN") == u"1") Dali |= DALI_No_Scan;
    if (Value(V, u"DALI_ENABLE_DALI_2") == u"1") Dali |= DALI_2;
    EXPECT_EQ(Bank.U32(PR::DALI_Flags), Dali);
    const std::uint32_t Versions = (Value(V, u"SNMP_Agent_VERSION1") == u"1" ? std::uint32_t{SNMP_V1} : 0u) |
                                   (Value(V, u"SNMP_Agent_VERSION2") == u"1" ? std::uint32_t{SNMP_V2} : 0u) |
                                   (Value(V, u"SNMP_Agent_VERSION3") == u"1" ? std::uint32_t{SNMP_V3} : 0u);
    EXPECT_EQ(Bank.U32(PR::SNMP_Flags) & 0x7u, Versions);
  }
  // A file that passes every check, with the gateway in use.
  void Write_Valid_File() {
    WriteFile(File(), ReadFile(golden::Data("pargen") / "full" / "expected.xml"));
  }
};

TEST_F(SetCommunication, AMissingFileShowsTheWindowsDefaults) {
  Show([&] {
    EXPECT_EQ(W().E_SNMP_Agent_IP[0]->Text(), u"192");
    EXPECT_EQ(W().E_SNMP_Agent_IP[3]->Text(), u"5");
    EXPECT_EQ(W().E_SNMP_Agent_SM[3]->Text(), u"0");
    EXPECT_EQ(W().E_SNMP_Agent_GAT[3]->Text(), u"1");
    EXPECT_FALSE(W().CB_SNMP_Agent_En_Gat->Checked());
    EXPECT_EQ(W().E_SNMP_Agent_Name_Of_Station->Text(), u"devicename1");
    EXPECT_EQ(W().E_DALI_Console_Port->Text(), u"10001");
    EXPECT_EQ(W().CB_SNMP_Agent_Secure_Lev->Text(), u"NoAuth NoPriv");
    EXPECT_EQ(W().CB_SNMP_Agent_Auth_Mode->Text(), u"MD5");
    EXPECT_EQ(W().CB_SNMP_Agent_Priv_Mode->Text(), u"DES");
    EXPECT_FALSE(W().CB_DALI_SwitchOff->Checked());
    EXPECT_EQ(W().E_DALI_TimeOut->Text(), u"0");
    EXPECT_FALSE(W().Is_Change);  // loading fired the change events first
    W().Close();
  });
  EXPECT_FALSE(File_Exists());
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST_F(SetCommunication, AFullFileInAnyOrderShowsEveryValue) {
  WriteFile(File(), ReadFile(golden::Data("pargen") / "full" / "input.xml"));
  Show([&] {
    EXPECT_EQ(W().E_SNMP_Agent_IP[0]->Text(), u"10");
    EXPECT_EQ(W().E_SNMP_Agent_SM[2]->Text(), u"252");
    EXPECT_EQ(W().E_SNMP_Agent_GAT[3]->Text(), u"254");
    EXPECT_TRUE(W().CB_SNMP_Agent_En_Gat->Checked());
    EXPECT_EQ(W().E_SNMP_Agent_Contact->Text(), u" Service ");  // as it stands
    EXPECT_EQ(W().E_SNMP_Agent_Location->Text(), u"Hall 3 & 4");
    EXPECT_TRUE(W().CB_SNMP_Agent_Ver1->Checked() && W().CB_SNMP_Agent_Ver2->Checked());
    EXPECT_TRUE(W().CB_SNMP_Agent_Ver3->Checked());
    EXPECT_EQ(W().CB_SNMP_Agent_Secure_Lev->ItemIndex(), 2);
    EXPECT_EQ(W().CB_SNMP_Agent_Auth_Mode->Text(), u"SHA");
    EXPECT_EQ(W().CB_SNMP_Agent_Priv_Mode->Text(), u"AES");
    EXPECT_EQ(W().E_SNMP_Agent_Priv_Pass->Text(), u"privPass99");
    EXPECT_TRUE(W().CB_DALI_Disable_Scan->Checked() && W().CB_DALI_En_DALI2->Checked());
    EXPECT_EQ(W().E_DALI_TimeOut->Text(), u"1500");
    // Version 3 at "Auth Priv": every version-3 row is shown.
    EXPECT_TRUE(W().E_SNMP_Agent_Priv_Pass->Visible());
    EXPECT_EQ(W().GB_SNMP_Agent->Height(), 553);
    EXPECT_FALSE(W().Is_Change);
    W().Close();
  });
}

TEST_F(SetCommunication, UnreadableValuesTakeTheirDefaultsOneByOne) {
  WriteFile(File(), ReadFile(golden::Data("pargen") / "unreadable" / "input.xml"));
  const TParGenValues V = Shown_Values();
  EXPECT_EQ(Value(V, u"SNMP_Agent_IP1"), u"192");  // an element inside the value
  EXPECT_EQ(Value(V, u"SNMP_Agent_IP2"), u"0");    // its neighbour is read
  EXPECT_EQ(Value(V, u"SNMP_Agent_SM1"), u"255");
  EXPECT_EQ(Value(V, u"SNMP_Agent_EN_GAT"), u"0");    // "true"
  EXPECT_EQ(Value(V, u"SNMP_Agent_VERSION1"), u"0");  // " 1"
  EXPECT_EQ(Value(V, u"SNMP_Agent_VERSION2"), u"1");
  EXPECT_EQ(Value(V, u"SNMP_Agent_Name_of_Station"), u"devicename1");
  EXPECT_EQ(Value(V, u"SNMP_Agent_VER3_SECURITY_LEVEL"), u"Auth NoPriv");
  EXPECT_EQ(Value(V, u"SNMP_Agent_VER3_AUTHORITY_MODE"), u"MD5");  // "SHA-256" is no item
  EXPECT_EQ(Value(V, u"DALI_CONSOLE_PORT"), u"10001");
  EXPECT_EQ(Value(V, u"DALI_DISABLE_SCAN"), u"0");
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST_F(SetCommunication, AFileTheParserRejectsReachesTheErrorBoxAndIsLeftAlone) {
  WriteFile(File(), "<Par_Gen><SNMP_Agent_IP1>10</Par_Gen>");
  P.Click(u"Btn_Prm_Gen");  // the window never waits for input
  ASSERT_EQ(P.Boxes.Boxes().size(), 1u);
  EXPECT_EQ(P.Boxes.Boxes()[0].Kind, mtError);
  EXPECT_NE(P.Boxes.Boxes()[0].Text.find(u"ParGen.xml"), String::npos);
  EXPECT_FALSE(W().Visible());
  EXPECT_EQ(ReadFile(File()), "<Par_Gen><SNMP_Agent_IP1>10</Par_Gen>");
}

// Each case folder: input.xml (absent: no file), expected.xml. OK writes
// the expected file, and the bank builder reads back the window's values.
TEST_F(SetCommunication, OkRewritesTheWholeFileAndTheBankBuilderReadsItBack) {
  for (const auto& Case : golden::Cases("pargen")) {
    SCOPED_TRACE(Case.filename().string());
    std::filesystem::remove(File());
    if (std::filesystem::exists(Case / "input.xml")) WriteFile(File(), ReadFile(Case / "input.xml"));
    TParGenValues Shown;
    const TModalResult Result = Show([&] {
      Shown = W().Saved_Values();
      P.Input.Click(*W().Btn_OK);
    });
    EXPECT_EQ(Result, mrOk);
    EXPECT_TRUE(P.Boxes.Boxes().empty());
    golden::ExpectSameText(ReadFile(File()), Case / "expected.xml");
    Expect_Bank_Holds(Shown);
  }
}

// The kept switch-off flag and time-out are not on screen, yet OK checks
// the time-out whenever the flag is set: out of range, text 557 and the file
// stays as it was; else both are saved as they came.
TEST_F(SetCommunication, TheHiddenTimeOutIsCheckedWheneverItsSwitchIsSet) {
  struct TCase {
    const char* Switch_Off;
    const char* Time_Out;
    bool Refused;
  };
  testsupport::SystemInputDriver Sys;
  for (const TCase& Case : {TCase{"1", "4000000", true}, TCase{"1", "-1", true}, TCase{"1", "3600000", false},
                            TCase{"0", "4000000", false}}) {
    SCOPED_TRACE(std::string(Case.Switch_Off) + " " + Case.Time_Out);
    std::string Input = ReadFile(golden::Data("pargen") / "kept-dali" / "input.xml");
    const std::string Kept = "<DALI_SWITCH_OFF>1</DALI_SWITCH_OFF><DALI_TIMEOUT>3600000</DALI_TIMEOUT>";
    const std::string Case_Kept = std::string("<DALI_SWITCH_OFF>") + Case.Switch_Off + "</DALI_SWITCH_OFF><DALI_TIMEOUT>" +
                                  Case.Time_Out + "</DALI_TIMEOUT>";
    Input.replace(Input.find(Kept), Kept.size(), Case_Kept);
    WriteFile(File(), Input);
    const std::size_t Boxes = P.Boxes.Boxes().size();
    bool Stayed_Open = false;
    Show([&] {
      EXPECT_FALSE(W().CB_DALI_SwitchOff->Visible() || W().E_DALI_TimeOut->Visible());
      Retype(*W().E_SNMP_Agent_Name_Of_Station, u"gw2");
      Sys.Click(*W().Btn_OK);
      Stayed_Open = W().ModalResult() == mrNone;
      if (Stayed_Open) W().Close();
    });
    EXPECT_EQ(Stayed_Open, Case.Refused);
    const std::string Saved = ReadFile(File());
    if (Case.Refused) {
      ASSERT_EQ(P.Boxes.Boxes().size(), Boxes + 1);
      EXPECT_EQ(P.Boxes.Boxes().back().Text, u"Error DALI!! TimeOut must be between 0 and 3600000 ms");
      EXPECT_EQ(Saved, Input);
    } else {
      EXPECT_EQ(P.Boxes.Boxes().size(), Boxes);
      EXPECT_NE(Saved.find(Case_Kept), std::string::npos);
      EXPECT_NE(Saved.find("<SNMP_Agent_Name_of_Station>gw2<"), std::string::npos);
    }
  }
}

TEST_F(SetCommunication, ALongerNameFromTheFileIsShownAndSavedWhole) {
  std::string Input = ReadFile(golden::Data("pargen") / "kept-dali" / "input.xml");
  const std::string Name = "station-of-hall-3-nw";  // longer than the user may type
  Input.replace(Input.find("devicename1"), 11, Name);
  WriteFile(File(), Input);
  Show([&] {
    EXPECT_EQ(W().E_SNMP_Agent_Name_Of_Station->Text(), Utf8ToString(Name));
    P.Input.Click(*W().Btn_OK);
  });
  EXPECT_TRUE(P.Boxes.Boxes().empty());
  EXPECT_NE(ReadFile(File()).find("<SNMP_Agent_Name_of_Station>" + Name + "<"), std::string::npos);
}

// One bad value: its message in one error box, the window open with the
// values as typed, the file untouched.
TEST_F(SetCommunication, EachCheckStopsAtTheFirstBadValue) {
  // "Port", or "IP1" to "GAT4".
  const auto Edit_Named = [this](const String& Name) -> TEdit& {
    if (Name == u"Port") return *W().E_DALI_Console_Port;
    const auto i = static_cast<std::size_t>(StrToInt(Name.substr(Name.size() - 1)) - 1);
    return *(Name[0] == u'I' ? W().E_SNMP_Agent_IP : Name[0] == u'S' ? W().E_SNMP_Agent_SM : W().E_SNMP_Agent_GAT)[i];
  };
  const struct {
    std::vector<std::pair<String, String>> Values;  // "Port", "IP1".."GAT4"
    bool Gateway;
    int Message;  // 0: saved
  } Cases[] = {
      {{{u"Port", u"10000"}}, false, 466},
      {{{u"Port", u"-1"}}, false, 466},
      {{{u"Port", u"65536"}}, false, 466},
      {{{u"Port", u"abc"}}, false, 466},
      {{{u"Port", u""}}, false, 466},
      {{{u"Port", u"0"}}, false, 0},
      {{{u"Port", u"65535"}}, false, 0},
      {{{u"IP1", u"256"}}, false, 1826},
      {{{u"IP2", u"-5"}}, false, 1827},
      {{{u"IP3", u"256"}, {u"SM1", u"999"}, {u"GAT1", u"999"}}, true, 1828},
      {{{u"IP4", u" 1"}}, false, 1829},
      {{{u"SM1", u"x"}}, false, 1830},
      {{{u"SM2", u"300"}}, false, 1831},
      {{{u"SM3", u"0x1"}}, false, 1832},
      {{{u"SM4", u"256"}, {u"GAT4", u"999"}}, true, 1833},
      {{{u"GAT1", u"300"}}, true, 1834},
      {{{u"GAT2", u"-1"}}, true, 1835},
      {{{u"GAT3", u"256"}}, true, 1836},
      {{{u"GAT4", u"x"}}, true, 1837},
      {{{u"GAT1", u"300"}}, false, 0},  // the gateway is not used
      {{{u"Port", u"abc"}, {u"IP1", u"x"}}, false, 466},
  };
  for (const auto& Case : Cases) {
    std::filesystem::remove(File());
    const std::size_t Boxes_Before = P.Boxes.Boxes().size();
    bool Open_After_OK = false;
    String Port_After;
    if (Case.Message) {
      P.Boxes.Answer(mrOk);   // the error
      P.Boxes.Answer(mrYes);  // Cancel asks: the values were changed
    }
    const TModalResult Result = Show([&] {
      W().CB_SNMP_Agent_En_Gat->SetChecked(Case.Gateway);
      for (const auto& [Name, Text] : Case.Values) Retype(Edit_Named(Name), Text);
      P.Input.Click(*W().Btn_OK);
      Open_After_OK = W().ModalResult() == mrNone;
      Port_After = W().E_DALI_Console_Port->Text();
      if (Open_After_OK) P.Input.Click(*W().Btn_Cancel);
    });
    const std::string Label = StringToUtf8(Case.Values[0].first + u"=" + Case.Values[0].second);
    if (Case.Message == 0) {
      EXPECT_EQ(Result, mrOk) << Label;
      EXPECT_TRUE(File_Exists()) << Label;
      EXPECT_EQ(P.Boxes.Boxes().size(), Boxes_Before) << Label;
      continue;
    }
    EXPECT_TRUE(Open_After_OK) << Label;
    EXPECT_EQ(Result, mrCancel) << Label;
    EXPECT_FALSE(File_Exists()) << Label;
    ASSERT_EQ(P.Boxes.Boxes().size(), Boxes_Before + 2) << Label;  // the error, then 424 on Cancel
    const auto& Box = P.Boxes.Boxes()[Boxes_Before];
    EXPECT_EQ(Box.Kind, mtError) << Label;
    EXPECT_EQ(Box.Buttons, static_cast<TMsgDlgButtons>(mbOK)) << Label;
    EXPECT_EQ(Box.Text, P.Text(Case.Message)) << Label;
    if (Case.Values[0].first == u"Port") {
      EXPECT_EQ(Port_After, Case.Values[0].second) << Label;
    }
  }
}

TEST_F(SetCommunication, CancelAfterAChangeAsksAndOnlyYesDiscards) {
  Write_Valid_File();
  const std::string Before = ReadFile(File());
  P.Boxes.Answer(mrNo);
  P.Boxes.Answer(mrYes);
  bool Open_After_No = false;
  const TModalResult Result = Show([&] {
    Retype(*W().E_SNMP_Agent_Contact, u"Someone");
    EXPECT_TRUE(W().Is_Change);
    P.Input.Click(*W().Btn_Cancel);
    Open_After_No = W().ModalResult() == mrNone;
    P.Input.Click(*W().Btn_Cancel);
  });
  EXPECT_TRUE(Open_After_No);
  EXPECT_EQ(Result, mrCancel);
  ASSERT_EQ(P.Boxes.Boxes().size(), 2u);
  for (const auto& Box : P.Boxes.Boxes()) {
    EXPECT_EQ(Box.Kind, mtConfirmation);
    EXPECT_EQ(Box.Text, u"Do you want to exit without saving changes?");
    EXPECT_EQ(Box.Buttons, static_cast<TMsgDlgButtons>(mbYesNo));
  }
  EXPECT_EQ(ReadFile(File()), Before);
  // The next showing reloads the file: the typed contact is gone.
  EXPECT_EQ(Value(Shown_Values(), u"SNMP_Agent_Contact"), u" Service ");
}

TEST_F(SetCommunication, ClickingABoxCountsAsAChange) {
  P.Boxes.Answer(mrYes);
  Show([&] {
    P.Input.Click(*W().CB_DALI_En_DALI2, Point(6, 8));  // on the box itself
    EXPECT_TRUE(W().CB_DALI_En_DALI2->Checked());
    EXPECT_TRUE(W().Is_Change);
    P.Input.Click(*W().Btn_Cancel);
  });
  EXPECT_EQ(P.Boxes.Boxes().size(), 1u);
}

TEST_F(SetCommunication, CancelWithoutChangesAndTheSystemMenuCloseAtOnce) {
  Write_Valid_File();
  EXPECT_EQ(Show([&] { P.Input.Click(*W().Btn_Cancel); }), mrCancel);
  EXPECT_EQ(Show([&] {
              Retype(*W().E_SNMP_Agent_Contact, u"Someone");
              W().Perform(WM_CLOSE);
            }),
            mrCancel);
  EXPECT_TRUE(P.Boxes.Boxes().empty());
  EXPECT_EQ(ReadFile(File()), ReadFile(golden::Data("pargen") / "full" / "expected.xml"));
}
}  // namespace
