#include <gtest/gtest.h>
#include <signal.h>

#include <functional>

#include "app/UBoot.h"
#include "controls/button/LbButton.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/StdCtrls.h"
#include "platform/net/IcmpEcho.h"
#include "platform/os/Process.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/FakeWaitClock.h"

namespace {
namespace fs = std::filesystem;
using testsupport::ProgramFixture;
using testsupport::ReadFile;
using testsupport::RecordedBox;
using testsupport::WriteFile;

// An echo service that plays a script of outcomes (the last one repeats) and
// records every request. A request that times out takes its 400 ms of the
// virtual clock, as the real wait would.
class ScriptedEcho : public TIcmpEchoService {
 public:
  struct Request {
    String Address;
    AnsiString Data;
    unsigned TimeoutMs;
  };
  explicit ScriptedEcho(std::vector<TEchoStatus> Script) : FScript(std::move(Script)) { SetIcmpEchoService(this); }
  ~ScriptedEcho() override { SetIcmpEchoService(nullptr); }
  TEchoResult Echo(const String& Address, const AnsiString& Data, unsigned TimeoutMs) override {
    const TEchoStatus Status = FScript[std::min(Requests.size(), FScript.size() - 1)];
    Requests.push_back({Address, Data, TimeoutMs});
    if (Status == esTimedOut) testsupport::Clock().Advance(TimeoutMs);
    if (Status == esReply) return {esReply, static_cast<int>(Data.size()), {}};
    return {Status, 0, Status == esFailed ? u"ICMP sockets are not allowed" : u""};
  }
  std::vector<Request> Requests;

 private:
  std::vector<TEchoStatus> FScript;
};

// The real runner, remembering what it started so that a test can end it.
class CapturingRunner : public TProcessRunner {
 public:
  CapturingRunner() { SetProcessService(this); }
  ~CapturingRunner() override { SetProcessService(nullptr); }
  TProgramRun Run(const String& Path, bool Hidden, unsigned LimitMs, unsigned StepMs) override {
    Paths.push_back(Path);
    return Last = TProcessRunner::Run(Path, Hidden, LimitMs, StepMs);
  }
  std::vector<String> Paths;
  TProgramRun Last;
};

// Starts nothing: records the request and reports a program that ended.
class RecordingRunner : public TProcessService {
 public:
  RecordingRunner() { SetProcessService(this); }
  ~RecordingRunner() override { SetProcessService(nullptr); }
  TProgramRun Run(const String& Path, bool, unsigned, unsigned) override {
    Paths.push_back(Path);
    return {true, {}, 1, true};
  }
  std::vector<String> Paths;
};

struct Choices {
  String Address;
  int Option;
  bool Read_Back;
};

class UpdateDevice : public ::testing::Test {
 protected:
  UpdateDevice() {
    fs::create_directories(P.Project("Plant"));
    P.State->Project_Name = u"Plant";
    P.State->Project_Path = S(P.Project("Plant").string());
    P.State->Set_Files();
  }
  TFBoot& Boot() { return *P.Main->Windows.FBoot; }
  std::array<TEdit*, 4> Edits() { return {Boot().E_IP1, Boot().E_IP2, Boot().E_IP3, Boot().E_IP4}; }
  // Step 6; Inside runs in the update window, which Cancel then closes.
  void Update(const std::function<void()>& Inside) {
    P.Input.WhenModal([this, Inside] {
      Inside();
      P.Input.Click(*Boot().Btn_Cancel);
    });
    P.Click(u"Btn_CreateBin");
  }
  // Step 6 with these parts, option and Read Back, then Update; answers
  // whether the window was still open afterwards.
  bool Update_With(std::array<String, 4> Parts, int Option = 0, bool Read_Back = true) {
    bool Still_Open = false;
    Update([&] {
      for (int i = 0; i < 4; ++i) Edits()[i]->SetText(Parts[i]);
      Boot().CB_Update_Options->SetItemIndex(Option);
      Boot().CB_Update_Option_Read_Back->SetChecked(Read_Back);
      P.Input.Click(*Boot().Btn_Update);
      Still_Open = Boot().Visible() && Boot().ModalResult() == mrNone;
    });
    return Still_Open;
  }
  Choices Stored() const { return {P.State->Last_IP_Address, P.State->Update_Option_Index, P.State->Update_Read_Back}; }
  void Expect_Stored(const Choices& C) {
    EXPECT_EQ(P.State->Last_IP_Address, C.Address);
    EXPECT_EQ(P.State->Update_Option_Index, C.Option);
    EXPECT_EQ(P.State->Update_Read_Back, C.Read_Back);
  }
  fs::path Updater() const { return P.Dir / "Ethernet_Update"; }
  fs::path Parameter_File() const { return P.Dir / "Ethernet_Update.xml"; }
  void Install_Updater(const std::string& Body) {
    WriteFile(Updater(), "#!/bin/sh\n" + Body + "\n");
    fs::permissions(Updater(), fs::perms::owner_all);
  }
  const RecordedBox& Only_Box() {
    EXPECT_EQ(P.Boxes.Boxes().size(), 1u);
    return P.Boxes.Boxes().back();
  }

  ProgramFixture P;
};

TEST_F(UpdateDevice, FirstShowingTakesTheProgramStateAndDotMovesOn) {
  Update([this] {
    EXPECT_EQ(Boot().Caption(), u"Update Device by Ethernet (UDP)");
    EXPECT_EQ(Boot().L_SW_Code->Caption(), u"QX4410");
    EXPECT_EQ(Boot().ClientWidth(), 449);
    EXPECT_EQ(Boot().ClientHeight(), 230);
    std::vector<String> Texts;
    for (TEdit* E : Edits()) Texts.push_back(E->Text());
    EXPECT_EQ(Texts, (std::vector<String>{u"192", u"168", u"2", u"205"}));
    EXPECT_EQ(Boot().CB_Update_Options->Items().Count(), 3);
    EXPECT_EQ(Boot().CB_Update_Options->Text(), u"Firmware + Configuration");
    EXPECT_TRUE(Boot().CB_Update_Option_Read_Back->Checked());
    EXPECT_EQ(Boot().Btn_Update->Caption(), u"Execute Update Firmware");
    ASSERT_TRUE(Boot().E_IP1->Focused());
    Boot().E_IP1->SetText(u"");
    P.Input.Type(u"10.");
    EXPECT_EQ(Boot().E_IP1->Text(), u"10");
    EXPECT_TRUE(Boot().E_IP2->Focused());
    Boot().E_IP4->SetFocus();
    P.Input.Type(u".");
    EXPECT_TRUE(Boot().E_IP4->Focused());
    EXPECT_EQ(Boot().E_IP4->Text(), u"205");
  });
  // The banks were built before the window opened.
  EXPECT_TRUE(fs::is_regular_file(P.Project("Plant") / "bin" / "bank1.bin"));
  EXPECT_TRUE(fs::is_regular_file(P.Project("Plant") / "bin" / "bank2.bin"));
}

// Set GX_SNAPSHOT_DIR to keep the picture for a look.
TEST_F(UpdateDevice, TheWindowLooksAsLaidOut) {
  const char* Keep = std::getenv("GX_SNAPSHOT_DIR");
  const fs::path File = (Keep ? fs::path(Keep) : P.Dir.Path()) / "UpdateWindow.png";
  Update([&] { ASSERT_TRUE(platform::RenderToPng(Boot(), S(File.string()))); });
  TPngImage Png;
  Png.LoadFromFile(S(File.string()));
  ASSERT_EQ(Png.Width(), 449);
  ASSERT_EQ(Png.Height(), 230);
  const TPixelBuffer& Px = Png.Bitmap().Pixels();
  EXPECT_EQ(Px.Pixel(400, 100), RGB(248, 247, 237));  // right of the address edits
  EXPECT_EQ(Px.Pixel(300, 225), RGB(248, 247, 237));  // the button panel beside the buttons
}

// Loopback answers a real echo; the fake update program copies the file it was handed.
TEST_F(UpdateDevice, AnsweredEchoStoresTheChoicesWritesTheFileAndRunsTheUpdater) {
  const TEchoResult Probe = TIcmpEchoClient().Echo(u"127.0.0.1", "probe", 400);
  if (Probe.Status == esFailed) GTEST_SKIP() << "no ICMP echo on this machine: " << StringToUtf8(Probe.Reason);
  Install_Updater("cp \"$(dirname \"$0\")/Ethernet_Update.xml\" \"$(dirname \"$0\")/updater-read.xml\"");
  EXPECT_TRUE(Update_With({u"127", u"0", u"0", u"1"}, 2, false));
  EXPECT_TRUE(P.Boxes.Boxes().empty());
  Expect_Stored({u"127.0.0.1", 2, false});
  const std::string Written = ReadFile(Parameter_File());
  EXPECT_NE(Written.find("<IP_Address_Dev>127.0.0.1</IP_Address_Dev>"), std::string::npos);
  EXPECT_NE(Written.find("bank1.bin"), std::string::npos);
  EXPECT_EQ(Written.find("Sim4410.sim"), std::string::npos);  // "Configuration" sends no firmware
  ASSERT_TRUE(fs::exists(P.Dir / "updater-read.xml")) << "the update program did not run";
  EXPECT_EQ(ReadFile(P.Dir / "updater-read.xml"), Written);

  // The next showing offers what was used.
  Update([this] {
    EXPECT_EQ(Boot().E_IP1->Text(), u"127");
    EXPECT_EQ(Boot().E_IP4->Text(), u"1");
    EXPECT_EQ(Boot().CB_Update_Options->ItemIndex(), 2);
    EXPECT_FALSE(Boot().CB_Update_Option_Read_Back->Checked());
  });
}

TEST_F(UpdateDevice, EchoOutcomesDecideBetweenTheUpdateAndTheirMessages) {
  const struct {
    const char* Name;
    std::vector<TEchoStatus> Script;
    std::size_t Attempts;
    int Text;  // 0: the update goes on
  } Cases[] = {
      {"answered at once", {esReply}, 2, 0},
      {"answered from the third echo", {esTimedOut, esTimedOut, esReply}, 4, 0},
      {"silent", {esTimedOut}, 13, 836},
      {"answered once, then silent", {esReply, esTimedOut}, 14, 836},
      {"no echo socket", {esFailed}, 1, 837},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    ScriptedEcho Echo(C.Script);
    RecordingRunner Runner;
    fs::remove(Parameter_File());
    const Choices Before{Default_IP_Address, 0, true};
    P.State->Last_IP_Address = Before.Address;
    P.State->Update_Option_Index = Before.Option;
    P.State->Update_Read_Back = Before.Read_Back;
    const std::size_t Boxes_Before = P.Boxes.Boxes().size();
    EXPECT_TRUE(Update_With({u"10", u"0", u"0", u"9"}, 1, false));
    ASSERT_EQ(Echo.Requests.size(), C.Attempts);
    EXPECT_EQ(Echo.Requests[0].Address, u"10.0.0.9");
    EXPECT_EQ(Echo.Requests[0].Data, "10.0.0.9");
    EXPECT_EQ(Echo.Requests[0].TimeoutMs, 400u);
    if (C.Text == 0) {
      EXPECT_EQ(P.Boxes.Boxes().size(), Boxes_Before);
      Expect_Stored({u"10.0.0.9", 1, false});
      EXPECT_TRUE(fs::exists(Parameter_File()));
      EXPECT_EQ(Runner.Paths, (std::vector<String>{S(Updater().string())}));
    } else {
      ASSERT_EQ(P.Boxes.Boxes().size(), Boxes_Before + 1);
      EXPECT_EQ(P.Boxes.Boxes().back().Text, P.Text(C.Text));
      EXPECT_EQ(P.Boxes.Boxes().back().Kind, C.Text == 836 ? mtWarning : mtError);
      Expect_Stored(Before);
      EXPECT_FALSE(fs::exists(Parameter_File()));
      EXPECT_TRUE(Runner.Paths.empty());
    }
  }
  // The choices changed before a failed echo are not offered again.
  Update([this] {
    EXPECT_EQ(Boot().E_IP1->Text(), u"192");
    EXPECT_EQ(Boot().CB_Update_Options->ItemIndex(), 0);
    EXPECT_TRUE(Boot().CB_Update_Option_Read_Back->Checked());
  });
}

TEST_F(UpdateDevice, AnAddressThatIsNotANumericDottedQuadIsNeverSent) {
  const std::array<String, 4> Cases[] = {
      {u"256", u"1", u"1", u"1"}, {u"192", u"168", u"", u"1"},   {u"localhost", u"", u"", u""},
      {u"a", u"b", u"c", u"d"},   {u"10", u"0", u"0", u"1.5"},   {u" 10", u"0", u"0", u"1"},
      {u"-1", u"0", u"0", u"1"},  {u"0x7f", u"0", u"0", u"1"},
  };
  ScriptedEcho Echo({esReply});
  RecordingRunner Runner;
  for (const auto& Parts : Cases) {
    const String Address = Parts[0] + u"." + Parts[1] + u"." + Parts[2] + u"." + Parts[3];
    SCOPED_TRACE(StringToUtf8(Address));
    EXPECT_TRUE(Update_With(Parts));
    ASSERT_FALSE(P.Boxes.Boxes().empty());
    EXPECT_EQ(P.Boxes.Boxes().back().Kind, mtError);
    EXPECT_EQ(P.Boxes.Boxes().back().Text, u"Error!!! Check the Ip Address");
  }
  EXPECT_EQ(P.Boxes.Boxes().size(), std::size(Cases));
  EXPECT_TRUE(Echo.Requests.empty());
  EXPECT_TRUE(Runner.Paths.empty());
  EXPECT_FALSE(fs::exists(Parameter_File()));
  EXPECT_EQ(P.State->Last_IP_Address, u"192.168.2.205");
}

TEST_F(UpdateDevice, AMissingUpdateProgramIsReportedWithItsPathAndReason) {
  ScriptedEcho Echo({esReply});
  EXPECT_TRUE(Update_With({u"10", u"1", u"2", u"3"}));
  const RecordedBox& Box = Only_Box();
  EXPECT_EQ(Box.Kind, mtError);
  EXPECT_NE(Box.Text.find(S(Updater().string())), String::npos) << StringToUtf8(Box.Text);
  EXPECT_NE(Box.Text.find(u"No such file or directory"), String::npos) << StringToUtf8(Box.Text);
  // The file was handed over all the same: the box is what tells the user.
  EXPECT_TRUE(fs::exists(Parameter_File()));
  EXPECT_EQ(P.State->Last_IP_Address, u"10.1.2.3");
}

TEST_F(UpdateDevice, AnUpdaterRunningPastTheLimitIsLeftRunning) {
  Install_Updater("exec sleep 60");
  ScriptedEcho Echo({esReply});
  CapturingRunner Runner;
  testsupport::FakeWaitClock Wait;
  const std::uint64_t Start = Wait.Now();
  EXPECT_TRUE(Update_With({u"10", u"1", u"2", u"3"}));
  ASSERT_TRUE(Runner.Last.Started);
  EXPECT_FALSE(Runner.Last.Ended);
  EXPECT_EQ(Wait.Now() - Start, 150000u);
  EXPECT_EQ(::kill(Runner.Last.Pid, 0), 0) << "the update program must go on";
  ::kill(Runner.Last.Pid, SIGKILL);
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST_F(UpdateDevice, BanksThatCannotBeBuiltOrWrittenStopTheStep) {
  const struct {
    const char* Name;
    std::function<void()> Damage;
    const char* Named;
  } Cases[] = {
      {"damaged ParGen.xml", [this] { WriteFile(P.Project("Plant") / "ParGen.xml", "<ParGen><unclosed>"); },
       "ParGen.xml"},
      {"bin is a file", [this] { WriteFile(P.Project("Plant") / "bin", "in the way"); }, "bin"},
      // Removed outside the program while open: not made again with default banks in it.
      {"configuration folder gone", [this] { fs::remove_all(P.Project("Plant")); }, "bin"},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    fs::remove_all(P.Project("Plant"));
    fs::create_directories(P.Project("Plant"));
    C.Damage();
    const std::size_t Before = P.Boxes.Boxes().size();
    // No modal action is queued: the update window opening would fail the test.
    P.Click(u"Btn_CreateBin");
    ASSERT_EQ(P.Boxes.Boxes().size(), Before + 1);
    EXPECT_EQ(P.Boxes.Boxes().back().Kind, mtError);
    EXPECT_NE(P.Boxes.Boxes().back().Text.find(S(C.Named)), String::npos)
        << StringToUtf8(P.Boxes.Boxes().back().Text);
    EXPECT_FALSE(Boot().Visible());
    EXPECT_FALSE(fs::exists(P.Project("Plant") / "bin" / "bank1.bin"));
  }
}

}  // namespace
