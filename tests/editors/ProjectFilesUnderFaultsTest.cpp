// The project files as other editors and odd file systems leave them,
// through every window and step that reads them.
#include <gtest/gtest.h>

#include "app/UParGen.h"
#include "editors/UDALI_Access.h"
#include "editors/USNMP_Trap_Access.h"
#include "grid/model/AdvColumnGrid.h"
#include "tests/app/ProgramFixture.h"

namespace {
using testsupport::OddFile;
using testsupport::ReadFile;
using testsupport::WriteFile;

constexpr const char* Before_Root = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- saved by another editor -->\n";

class ProjectFilesUnderFaults : public ::testing::Test {
 protected:
  ProjectFilesUnderFaults() {
    std::filesystem::create_directories(P.Project("Plant"));
    P.State->Project_Name = u"Plant";
    P.State->Project_Path = S(P.Project("Plant").string());
    P.State->Set_Files();
  }
  std::filesystem::path File(const char* Name) const { return P.Project("Plant") / Name; }
  // Opens a window by its step button, runs Action in it and closes it.
  void Show(const char16_t* Button, TForm& Window, const std::function<void()>& Action) {
    P.Input.WhenModal([&] {
      Action();
      Window.Close();
    });
    P.Click(Button);
  }

  testsupport::ProgramFixture P;
};

TEST_F(ProjectFilesUnderFaults, FilesWithADeclarationFirstShowTheirValuesAndOkKeepsThem) {
  WriteFile(File("ParGen.xml"), std::string(Before_Root) +
                                    "<Par_Gen><SNMP_Agent_IP1>10</SNMP_Agent_IP1>"
                                    "<SNMP_Agent_Name_of_Station>hall</SNMP_Agent_Name_of_Station></Par_Gen>");
  WriteFile(File("DALI_Access.xml"), std::string(Before_Root) + "<DALI_Access><DALI_ID_DEVICE_3>1</DALI_ID_DEVICE_3></DALI_Access>");
  WriteFile(File("SNMP_Trap.xml"), std::string(Before_Root) +
                                       "<SNMP_Trap><SNMP_Trap_Read><row Mnemonic=\"lamp\" Enable=\"Y\"/></SNMP_Trap_Read>"
                                       "</SNMP_Trap>");
  TFParGen& ParGen = *P.Main->Windows.FParGen;
  Show(u"Btn_Prm_Gen", ParGen, [&] {
    EXPECT_EQ(ParGen.E_SNMP_Agent_IP[0]->Text(), u"10");
    EXPECT_EQ(ParGen.E_SNMP_Agent_Name_Of_Station->Text(), u"hall");
  });
  auto& DALI = dynamic_cast<TFDALI_Access&>(*P.Main->Windows.FDALI_Access);
  P.Input.WhenModal([&] {
    EXPECT_EQ(DALI.ACG_DALI_Device->GetCellEx(1, 4), u"Y");
    EXPECT_EQ(DALI.ACG_DALI_Device->GetCellEx(1, 1), u"N");
    P.Input.Click(*DALI.Btn_OK);
  });
  P.Click(u"Btn_DALI_Access");
  EXPECT_NE(ReadFile(File("DALI_Access.xml")).find("<DALI_ID_DEVICE_3>1</DALI_ID_DEVICE_3>"), std::string::npos);
  auto& Traps = dynamic_cast<TFSNMP_Trap_Access&>(*P.Main->Windows.FSNMP_Trap_Access);
  Show(u"Btn_SNMP_Trap", Traps, [&] { EXPECT_EQ(Traps.ACG_SNMP_Read->GetCellEx(14, 1), u"lamp"); });
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

// A pipe, a folder or a huge file under a project file's name: every window
// and step that reads it shows one error naming it, opens nothing, writes
// nothing and leaves the thing as it was (a pipe never holds the program).
TEST_F(ProjectFilesUnderFaults, NoRegularFileOrTooLargeStopsEveryReaderAndIsLeftAlone) {
  const struct {
    const char* File;
    const char16_t* Button;
  } Readers[] = {
      {"ParGen.xml", u"Btn_Prm_Gen"},     {"DALI_Access.xml", u"Btn_DALI_Access"},
      {"SNMP_Trap.xml", u"Btn_SNMP_Trap"}, {"ParGen.xml", u"Btn_CreateBin"},
      {"DALI_Access.xml", u"Btn_CreateBin"}, {"SNMP_Trap.xml", u"Btn_CreateBin"},
      {"SNMP_Trap.xml", u"Btn_SNMP_MIB"},
  };
  const auto Mib = P.Project("Plant") / "out.mib";
  for (const auto& R : Readers) {
    for (OddFile Kind : testsupport::OddFiles) {
      SCOPED_TRACE(std::string(R.File) + " as " + OddFileName(Kind) + " via " + StringToUtf8(String(R.Button)));
      std::filesystem::remove_all(P.Project("Plant"));
      testsupport::MakeOddFile(File(R.File), Kind);
      const auto Before = P.Boxes.Boxes().size();
      if (String(R.Button) == u"Btn_SNMP_MIB") P.Boxes.AnswerFile(S(Mib.string()));
      P.Click(R.Button);
      ASSERT_EQ(P.Boxes.Boxes().size(), Before + 1);
      const auto& Box = P.Boxes.Boxes().back();
      EXPECT_EQ(Box.Kind, mtError);
      EXPECT_NE(Box.Text.find(S(File(R.File).string())), String::npos) << StringToUtf8(Box.Text);
      EXPECT_FALSE(std::filesystem::exists(P.Project("Plant") / "bin"));
      EXPECT_FALSE(std::filesystem::exists(Mib));
      EXPECT_EQ(std::filesystem::status(File(R.File)).type(),
                Kind == OddFile::Fifo     ? std::filesystem::file_type::fifo
                : Kind == OddFile::Folder ? std::filesystem::file_type::directory
                                          : std::filesystem::file_type::regular);
      if (Kind == OddFile::Oversized) {
        EXPECT_EQ(std::filesystem::file_size(File(R.File)), 16u * 1024 * 1024 + 1);
      }
    }
  }
}

}  // namespace
