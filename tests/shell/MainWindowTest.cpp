#include <gtest/gtest.h>

#include "app/Settings.h"
#include "app/UAbout.h"
#include "app/UNew_Project.h"
#include "app/UParGen.h"
#include "editors/UBACnetAccess.h"
#include "editors/UDALI_Access.h"
#include "editors/USNMP_Trap_Access.h"
#include "platform/gui/Application.h"
#include "platform/sys/SysUtils.h"
#include "tests/app/ProgramFixture.h"

namespace {
using testsupport::ProgramFixture;

// Makes a configuration folder and names it in the settings file.
void Remember(ProgramFixture& P, const char* Name, bool Make_Folder) {
  if (Make_Folder) std::filesystem::create_directories(P.Project(Name));
  testsupport::WriteFile(P.Dir / "Corvan.xml", std::string("<Conf_Settings><lastproj><projectname>") + Name +
                                                   "</projectname></lastproj></Conf_Settings>");
}

TEST(MainWindow, TheFifteenWindowsAreCreatedOnceInTheirOrder) {
  ProgramFixture P;
  std::vector<String> Names;
  for (int i = 0; i < P.Owner->ComponentCount(); ++i) Names.push_back(P.Owner->Components(i)->Name());
  EXPECT_EQ(Names, (std::vector<String>{
                       u"FCorvanoFirmWare", u"FNew_Project", u"FOpenConf", u"FAbout", u"FSoftOptions", u"FParGen",
                       u"FDALI_Access", u"FBoot", u"FProfinetFileName", u"FModbus_TCP_Master_Set_Access",
                       u"FDMXDefVal", u"FBACnetAccess", u"FImportEDEFile", u"FSetAccess", u"FSNMP_Trap_Access"}));
  // Each translated itself from the texts the main window had loaded.
  EXPECT_EQ(P.Main->Windows.FParGen->Caption(), u"Set Communication");
  EXPECT_EQ(P.Main->Windows.FSNMP_Trap_Access->L_SW_Code->Caption(), u"QX4410");
}

TEST(MainWindow, FirstStartWithoutASettingsFile) {
  testsupport::TempDir Bare;  // no MASTER, PROJECTS or LANGUAGE yet
  TProgramState State(S(Bare.Path().string()));
  TComponent Owner(nullptr);
  TFCorvanoFirmWare* Main = Create_Program_Windows(&Owner, State);
  for (const char* Folder : {"MASTER", "PROJECTS", "LANGUAGE"})
    EXPECT_TRUE(std::filesystem::is_directory(Bare / Folder)) << Folder;
  EXPECT_EQ(Main->Caption(), u"Ostrel - Configurator QX4410 - DALI / SNMP Agent ");
  EXPECT_EQ(Main->ClientWidth(), 694);
  EXPECT_EQ(Main->ClientHeight(), 484);
  EXPECT_EQ(Main->L_SW_Code->Caption(), u"QX4410");
  EXPECT_EQ(Main->L_SW_Desc->Caption(), u"DALI / SNMP Agent - Converter");
  EXPECT_EQ(State.Language, u"English");
  EXPECT_EQ(Main->L_Begin->Caption(), u"Begin");
  EXPECT_EQ(Main->Btn_New->Caption(), u"New Configuration");
  EXPECT_EQ(Main->Btn_CreateBin->Hint(), u"Update the actual Firmware and/or Configuration in the device");
  EXPECT_EQ(Main->Btn_SNMP_Trap->Caption(), u"Set SNMP Access");
  EXPECT_FALSE(State.Project_Open());
  EXPECT_EQ(Main->L_Name_Conf->Caption(), u"None Configuration Opened ");
  EXPECT_EQ(Main->L_Name_Conf_L2->Caption(), u"Use Step1 to open or create new configuration");
  EXPECT_FALSE(Main->Timer_Update->Enabled());
  EXPECT_EQ(State.Last_IP_Address, u"192.168.2.205");
  EXPECT_TRUE(State.Update_Read_Back);
  EXPECT_TRUE(Main->L_Step[5]->Visible());
  EXPECT_FALSE(Main->L_Step[6]->Visible() || Main->Btn_PROFINET_XML->Visible() || Main->Btn_DMX_Default->Visible());
}

TEST(MainWindow, EveryStepThatNeedsAConfigurationAnswersText18AndOpensNothing) {
  ProgramFixture P;
  // A window opening here would wait for input the test never scripts: the
  // fixture fails the test then.
  const char16_t* Steps[] = {u"Btn_Prm_Gen", u"Btn_DALI_Access", u"Btn_SNMP_Trap", u"Btn_SNMP_MIB", u"Btn_CreateBin"};
  for (const char16_t* Step : Steps) P.Click(Step);
  ASSERT_EQ(P.Boxes.Boxes().size(), std::size(Steps));
  for (const auto& Box : P.Boxes.Boxes()) {
    EXPECT_EQ(Box.Kind, mtError);
    EXPECT_EQ(Box.Text, u"Error! Project not Valid");
    EXPECT_EQ(Box.Buttons, static_cast<TMsgDlgButtons>(mbOK));
  }
}

TEST(MainWindow, WithAConfigurationOpenEachTableStepShowsItsWindow) {
  ProgramFixture P(false);
  Remember(P, "Plant", true);
  P.Start();
  const struct {
    const char16_t* Button;
    TForm* Window;
  } Steps[] = {{u"Btn_Prm_Gen", P.Main->Windows.FParGen},
               {u"Btn_DALI_Access", P.Main->Windows.FDALI_Access},
               {u"Btn_SNMP_Trap", P.Main->Windows.FSNMP_Trap_Access}};
  for (const auto& Step : Steps) {
    TCustomForm* Shown = nullptr;
    P.Input.WhenModal([&] {
      Shown = Screen->ActiveForm();
      Shown->Close();
    });
    P.Click(Step.Button);
    EXPECT_EQ(Shown, Step.Window) << StringToUtf8(Step.Button);
  }
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

// Opening another configuration under Set Communication would let its OK
// write this configuration's values into the other one's file.
TEST(MainWindow, WhileAStepWindowIsOpenTheMainWindowStartsNothing) {
  ProgramFixture P(false);
  Remember(P, "Plant", true);
  P.Start();
  Application->SetMainForm(P.Main);
  P.Input.WhenModal([&] {
    // A window opening here would wait for input the test never scripts.
    for (const char16_t* Step : {u"Btn_Open", u"Btn_New", u"Btn_CreateBin", u"Btn_Close"}) P.Click(Step);
    P.Main->Windows.FParGen->Close();
  });
  P.Click(u"Btn_Prm_Gen");
  const bool Ended = Application->Terminated();
  Application->ResetTerminated();
  Application->SetMainForm(nullptr);
  EXPECT_FALSE(Ended);
  EXPECT_TRUE(P.Main->Visible());
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST(MainWindow, RestartRemembersTheConfigurationCreatedBefore) {
  ProgramFixture P;
  P.Input.WhenModal([&] {
    P.Main->Windows.FNew_Project->E_New_Proj->SetText(u"Plant A");
    P.Input.Key(VK_RETURN);
  });
  P.Click(u"Btn_New");
  P.Stop();  // closing saves the settings
  P.Start();
  EXPECT_EQ(P.State->Project_Path, S((P.Dir.Projects() / "Plant A").string()));
  EXPECT_EQ(P.State->File_SNMP_Trap, S((P.Dir.Projects() / "Plant A" / "SNMP_Trap.xml").string()));
  EXPECT_EQ(P.Main->L_Name_Conf->Caption(), P.Text(11));
  EXPECT_EQ(P.Main->L_Name_Conf_L2->Caption(), u"Plant A");
}

TEST(MainWindow, ARememberedConfigurationWhoseFolderIsGoneIsNotOpenedButItsNameIsKept) {
  ProgramFixture P(false);
  Remember(P, "Gone", false);
  P.Start();
  EXPECT_FALSE(P.State->Project_Open());
  EXPECT_EQ(P.Main->L_Name_Conf->Caption(), P.Text(9));
  EXPECT_EQ(P.Main->L_Name_Conf_L2->Caption(), P.Text(10));
  P.Stop();
  TProgramState Reread(S(P.Dir.Path().string()));
  Load_Setting(Reread);
  EXPECT_EQ(Reread.Project_Name, u"Gone");
}

TEST(MainWindow, ARememberedNameThatIsAPathIsNotOpened) {
  ProgramFixture P(false);
  std::filesystem::create_directories(P.Dir / "Outside");
  Remember(P, "../Outside", false);
  P.Start();
  EXPECT_FALSE(P.State->Project_Open());
}

TEST(MainWindow, CloseSavesTheSettingsAndEndsTheProgram) {
  ProgramFixture P;
  P.State->Last_IP_Address = u"10.1.2.3";
  Application->SetMainForm(P.Main);
  P.Click(u"Btn_Close");
  EXPECT_TRUE(Application->Terminated());
  Application->ResetTerminated();
  Application->SetMainForm(nullptr);
  EXPECT_FALSE(P.Main->Visible());
  EXPECT_NE(testsupport::ReadFile(P.Dir / "Corvan.xml").find("10.1.2.3"), std::string::npos);
}

TEST(MainWindow, SettingsThatCannotBeWrittenShowOneErrorBoxAndTheProgramStillEnds) {
  ProgramFixture P;
  std::filesystem::create_directories(P.Dir / "Corvan.xml");  // a folder where the file should go
  Application->SetMainForm(P.Main);
  P.Click(u"Btn_Close");
  const bool Ended = Application->Terminated();
  Application->ResetTerminated();
  Application->SetMainForm(nullptr);
  EXPECT_TRUE(Ended);
  EXPECT_FALSE(P.Main->Visible());
  ASSERT_EQ(P.Boxes.Boxes().size(), 1u);
  EXPECT_EQ(P.Boxes.Boxes()[0].Kind, mtError);
}

TEST(MainWindow, ChangeLanguageTranslatesAllButTheBACnetEDEAndAboutWindows) {
  ProgramFixture P;
  for (int Index : {0, 100, 200, 400, 600, 1400, 1600, 1900}) P.State->Texts.SetStrings(Index, u"T" + IntToStr(Index));
  P.Main->Change_Language();
  EXPECT_EQ(P.Main->L_Begin->Caption(), u"T0");
  EXPECT_EQ(P.Main->Windows.FNew_Project->Caption(), u"T100");
  EXPECT_EQ(P.Main->Windows.FParGen->Caption(), u"T400");
  EXPECT_EQ(P.Main->Windows.FDALI_Access->Caption(), u"T600");
  EXPECT_EQ(P.Main->Windows.FSNMP_Trap_Access->Caption(), u"T1900");
  EXPECT_EQ(P.Main->Windows.FBACnetAccess->Caption(), u"Set BACnet Access");
  EXPECT_EQ(P.Main->Windows.FAbout->Caption(), u"About...");
}

TEST(AboutBox, ShowsTheFixedIdentityAndOpensTheProductPage) {
  ProgramFixture P;
  testsupport::ShellRecorder Shell;
  TFAbout* About = P.Main->Windows.FAbout;
  std::vector<String> Seen;
  P.Input.WhenModal([&] {
    for (TLabel* L : {About->Label1, About->Label2, About->Label9, About->Label10, About->Label12})
      Seen.push_back(L->Caption());
    EXPECT_LE(About->Label4->Left() + About->Label4->Width(), About->ClientWidth()) << "the whole address shows";
    P.Input.Click(*About->Label4);
    P.Input.Click(*About->LbButton1);
  });
  P.Click(u"Btn_Info");
  EXPECT_EQ(Seen, (std::vector<String>{u"Software Corvan ", u"DALI / SNMP Agent - Converter", u"QX4410", u"1.000",
                                       u"DX4410"}));
  EXPECT_EQ(About->ClientWidth(), 425);
  EXPECT_EQ(About->ClientHeight(), 148);
  ASSERT_EQ(Shell.Opened().size(), 1u);
  EXPECT_EQ(Shell.Opened()[0], u"http://www.ostrel.example/HOME/default.asp?frompg=QX4410");
}
}  // namespace
