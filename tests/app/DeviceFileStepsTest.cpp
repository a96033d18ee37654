#include <gtest/gtest.h>

#include <optional>

#include "app/GsdmlWriter.h"
#include "app/UProfinetFileName.h"
#include "controls/button/LbButton.h"
#include "platform/sys/DateTime.h"
#include "tests/app/ProgramFixture.h"

namespace {
namespace fs = std::filesystem;
using testsupport::ProgramFixture;
using testsupport::ReadFile;
using testsupport::WriteFile;

class DeviceFileSteps : public ::testing::Test {
 protected:
  DeviceFileSteps() {
    fs::create_directories(Project());
    P.State->Project_Name = u"Plant";
    P.State->Project_Path = S(Project().string());
    P.State->Set_Files();
  }
  fs::path Project() const { return P.Project("Plant"); }
  TFProfinetFileName& Name_Window() { return *P.Main->Windows.FProfinetFileName; }
  // The hidden PROFINET step, with User typed into its file-name window before OK.
  void Profinet_Step(const String& User) {
    P.Input.WhenModal([this, User] {
      Name_Window().E_XML_User->SetText(User);
      P.Input.Click(*Name_Window().Btn_OK);
    });
    P.Main->Btn_Click(P.Main->Btn_PROFINET_XML);
  }

  ProgramFixture P;
};

TEST_F(DeviceFileSteps, SaveMibAsksWhereAndWhetherToReplace) {
  const std::string Kept = "an older module";
  const struct {
    const char* Name;
    fs::path Chosen;  // empty: the dialog is cancelled
    std::optional<TModalResult> Answer;  // to the question 905
    fs::path Written;  // empty: nothing is written
  } Cases[] = {
      {"cancelled", {}, {}, {}},
      {"new file", Project() / "new.mib", {}, Project() / "new.mib"},
      {"name typed without extension", Project() / "typed", {}, Project() / "typed.mib"},
      {"existing file, No", Project() / "old.mib", mrNo, {}},
      {"existing file, Yes", Project() / "old.mib", mrYes, Project() / "old.mib"},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    for (const char* Name : {"new.mib", "typed.mib", "typed"}) fs::remove(Project() / Name);
    WriteFile(Project() / "old.mib", Kept);
    const std::size_t Boxes = P.Boxes.Boxes().size();
    P.Boxes.AnswerFile(S(C.Chosen.string()));
    if (C.Answer) P.Boxes.Answer(*C.Answer);
    P.Click(u"Btn_SNMP_MIB");

    const TFileDialogRequest& Request = P.Boxes.FileRequests().back();
    EXPECT_TRUE(Request.Save);
    EXPECT_EQ(Request.InitialDir, P.State->Project_Path);
    EXPECT_EQ(Request.Filter, u"Management Information Base (*.mib)|*.mib");
    ASSERT_EQ(P.Boxes.Boxes().size(), Boxes + (C.Answer ? 1 : 0));
    if (C.Answer) {
      EXPECT_EQ(P.Boxes.Boxes().back().Text, u"File already exists! Do you want to overwrite the file?");
      EXPECT_EQ(P.Boxes.Boxes().back().Kind, mtConfirmation);
      EXPECT_EQ(P.Boxes.Boxes().back().Buttons, static_cast<TMsgDlgButtons>(mbYesNo));
    }
    if (C.Written != Project() / "old.mib") {
      EXPECT_EQ(ReadFile(Project() / "old.mib"), Kept);
    }
    for (const char* Name : {"new.mib", "typed.mib", "typed"})
      EXPECT_EQ(fs::exists(Project() / Name), C.Written == Project() / Name) << Name;
    if (C.Written.empty()) continue;
    // No trap file: the module with the default objects.
    const std::string Module = ReadFile(C.Written);
    EXPECT_TRUE(Module.starts_with("GATEWAY DEFINITIONS ::= BEGIN\r\n"));
    EXPECT_NE(Module.find("lampADV63 OBJECT-TYPE"), std::string::npos);
  }
}

TEST_F(DeviceFileSteps, FileNameWindowShowsItsFixedParts) {
  TFProfinetFileName& W = Name_Window();
  EXPECT_EQ(W.Caption(), u"PROFINET XML File Name");
  EXPECT_EQ(W.ClientWidth(), 540);
  EXPECT_EQ(W.ClientHeight(), 205);
  EXPECT_EQ(W.L_XML_Fix1->Caption(), u"GSDML-V2.31-Ostrel-GX3380");
  EXPECT_EQ(W.L_XML_Fix2->Caption(), GSDML_Name_Fix2(Date()));
  EXPECT_EQ(W.Btn_OK->Caption(), u"OK");
  EXPECT_EQ(W.E_XML_User->Hint(), u"Insert here the User part of GSDML file");
}

TEST_F(DeviceFileSteps, ProfinetStepWritesTheGsdmlFileUnderTheBuiltNameInTheChosenFolder) {
  WriteFile(Project() / "ParGen.xml", "<ParGen><PROFINET_NAME_STA>hall-7</PROFINET_NAME_STA></ParGen>");
  const fs::path Elsewhere = P.Dir / "export";
  fs::create_directories(Elsewhere);
  P.Boxes.AnswerFile(S((Elsewhere / "typed-name.xml").string()));
  Profinet_Step(u"line 2");

  const String Name = String(GSDML_Name_Fix1) + u"_line 2" + Name_Window().L_XML_Fix2->Caption();
  EXPECT_EQ(Name_Window().Name_File_XML, Name);
  const TFileDialogRequest& Request = P.Boxes.FileRequests().back();
  EXPECT_TRUE(Request.Save);
  EXPECT_EQ(Request.InitialDir, P.State->Project_Path);
  EXPECT_EQ(Request.FileName, Name);
  EXPECT_EQ(Request.Filter, u"PROFINET XML (*.xml)|" + Name);
  EXPECT_FALSE(fs::exists(Elsewhere / "typed-name.xml"));
  const std::string Gsdml = ReadFile(Elsewhere / StringToUtf8(Name));
  EXPECT_NE(Gsdml.find("DNS_CompatibleName=\"hall-7\""), std::string::npos);
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST_F(DeviceFileSteps, ProfinetUserPartNeverLeavesTheChosenFolder) {
  const fs::path Chosen = P.Dir / "export" / "inner";
  fs::create_directories(Chosen);
  P.Boxes.AnswerFile(S((Chosen / "x.xml").string()));
  Profinet_Step(u"../../up\\x");
  const String Name = Name_Window().Name_File_XML;
  EXPECT_EQ(Name.find(u'/'), String::npos);
  EXPECT_EQ(Name.find(u'\\'), String::npos);
  EXPECT_TRUE(fs::exists(Chosen / StringToUtf8(Name)));
}

TEST_F(DeviceFileSteps, ProfinetStepWritesNothingWhenCancelledOrRefused) {
  const String Name = String(GSDML_Name_Fix1) + Name_Window().L_XML_Fix2->Caption();
  const fs::path Target = Project() / StringToUtf8(Name);

  // Cancel in the file-name window: no dialog at all.
  P.Input.WhenModal([this] { P.Input.Click(*Name_Window().Btn_Cancel); });
  P.Main->Btn_Click(P.Main->Btn_PROFINET_XML);
  EXPECT_TRUE(P.Boxes.FileRequests().empty());

  P.Boxes.AnswerFile(u"");
  Profinet_Step(u"   ");
  EXPECT_FALSE(fs::exists(Target));

  WriteFile(Target, "kept");
  P.Boxes.AnswerFile(S(Target.string()));
  P.Boxes.Answer(mrNo);
  Profinet_Step(u"");
  ASSERT_EQ(P.Boxes.Boxes().size(), 1u);
  EXPECT_EQ(P.Boxes.Boxes().back().Kind, mtConfirmation);
  EXPECT_EQ(P.Boxes.Boxes().back().Text, P.Text(1011));
  EXPECT_EQ(ReadFile(Target), "kept");

  P.Boxes.AnswerFile(S(Target.string()));
  P.Boxes.Answer(mrYes);
  Profinet_Step(u"");
  EXPECT_TRUE(ReadFile(Target).starts_with("<?xml"));
}

}  // namespace
