#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "app/MakerSite.h"
#include "app/Settings.h"
#include "app/UAbout.h"
#include "app/UBoot.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/UParGen.h"
#include "app/UProfinetFileName.h"
#include "app/USoftOptions.h"
#include "editors/UBACnetAccess.h"
#include "editors/UDALI_Access.h"
#include "editors/UDMXDefVal.h"
#include "editors/UImportEDEFile.h"
#include "editors/UModbus_TCP_Master_Set_Access.h"
#include "editors/USNMP_Trap_Access.h"
#include "editors/USetAccess.h"
#include "platform/sys/Files.h"
#include "platform/gui/RecordingCanvas.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/LoopbackHttpServer.h"

namespace {
using testsupport::LoopbackHttpServer;
using testsupport::LoopbackHttpService;
using testsupport::ProgramFixture;

// A flag picture of a size that tells it apart.
void Write_Flag(const std::filesystem::path& File, int Width) {
  TBitmap Bitmap;
  Bitmap.SetSize(Width, 16);
  const TBytes Bytes = Bitmap.SaveToBytes();
  testsupport::WriteFile(File, std::string(Bytes.begin(), Bytes.end()));
}

// Paints the link label once, so that a click finds its link, then clicks the link.
void Click_Link(testsupport::InputDriver& Input, TLinkLabel& Label) {
  TRecordingCanvas Canvas;
  Label.Perform(WM_PAINT, reinterpret_cast<WPARAM>(&Canvas), 0);
  Input.Click(Label, Point(5, 5));
}

class OptionsWindow : public ::testing::Test {
 protected:
  explicit OptionsWindow(bool Start_Now = true) : P(Start_Now) {}
  TFSoftOptions& O() { return *P.Main->Windows.FSoftOptions; }
  void Language(const std::string& Name, const std::string& Content = "") {
    testsupport::WriteFile(P.Dir.Language() / (Name + ".lng"), Content);
  }
  // Opens Options, runs Inside while it is shown; Inside closes it.
  void Show(std::function<void()> Inside) {
    P.Input.WhenModal(std::move(Inside));
    P.Click(u"Btn_Opz");
  }
  // The names the language slots show, visible ones only.
  std::vector<String> Slots() {
    std::vector<String> Names;
    for (TLabel* L : O().L_L)
      if (L->Visible()) Names.push_back(L->Caption());
    return Names;
  }
  ProgramFixture P;
};

TEST_F(OptionsWindow, LanguagePagesOfSixWithTheirButtons) {
  const struct {
    int Files;
    String Label;
    size_t Slots;
    bool Prev, Next;
  } Cases[] = {{0, u"Page 1 / 0", 0, false, true},
               {6, u"Page 1 / 1", 6, false, false},
               {7, u"Page 1 / 2", 6, false, true}};
  for (const auto& C : Cases) {
    std::filesystem::remove_all(P.Dir.Language());
    std::filesystem::create_directories(P.Dir.Language());
    for (int i = 0; i < C.Files; ++i) Language("L" + std::to_string(i));
    Show([&] {
      EXPECT_EQ(O().L_Sel_Lang->Caption(), u"Selected Language : English");
      EXPECT_EQ(O().L_Page_Lang->Caption(), C.Label);
      EXPECT_EQ(Slots().size(), C.Slots);
      EXPECT_EQ(O().Btn_Prev->Visible(), C.Prev);
      EXPECT_EQ(O().Btn_Next->Visible(), C.Next);
      P.Input.Click(*O().Btn_Next);
      if (C.Files == 7) {
        EXPECT_EQ(O().L_Page_Lang->Caption(), u"Page 2 / 2");
        EXPECT_EQ(Slots(), std::vector<String>{u"L6"});
        EXPECT_TRUE(O().Btn_Prev->Visible());
        EXPECT_FALSE(O().Btn_Next->Visible());
        P.Input.Click(*O().Btn_Prev);
      }
      EXPECT_EQ(O().L_Page_Lang->Caption(), C.Label) << "back on page 1, or nowhere to go";
      EXPECT_EQ(O().Show_Page, 1);
      P.Input.Click(*O().Btn_Cancel);
    });
  }
}

TEST_F(OptionsWindow, OnlyWritableLanguageFilesAreListedSortedWithTheirFlags) {
  Language("Italiano");
  Language("Deutsch");
  Language("english");
  Language("Locked");
  std::filesystem::create_directories(P.Dir.Language() / "Folder.lng");
  testsupport::WriteFile(P.Dir.Language() / "Notes.txt", "");
  ASSERT_TRUE(FileSetReadOnly(S((P.Dir.Language() / "Locked.lng").string()), true));
  Write_Flag(P.Dir.Language() / "Italiano.bmp", 30);
  testsupport::WriteFile(P.Dir.Language() / "Deutsch.bmp", "not a picture");
  Show([&] {
    EXPECT_EQ(Slots(), (std::vector<String>{u"Deutsch", u"english", u"Italiano"}));
    // Without a default flag a language with no usable flag shows none.
    EXPECT_FALSE(O().I_L[0]->Visible());
    EXPECT_FALSE(O().I_L[1]->Visible());
    EXPECT_TRUE(O().I_L[2]->Visible());
    EXPECT_EQ(O().I_L[2]->Picture()->Width(), 30);
    P.Input.Click(*O().Btn_Cancel);
  });
  Write_Flag(P.Dir.Language() / "DefaultFlag.bmp", 20);
  Show([&] {
    EXPECT_EQ(O().I_L[0]->Picture()->Width(), 20);
    EXPECT_EQ(O().I_L[1]->Picture()->Width(), 20);
    EXPECT_EQ(O().I_L[2]->Picture()->Width(), 30);
    for (int k = 0; k < 3; ++k) EXPECT_TRUE(O().I_L[k]->Visible()) << k;
    P.Input.Click(*O().Btn_Cancel);
  });
}

// A language file that renames the caption of every window.
std::string Italian_Captions() {
  std::string Lines = "STR0 = Inizio\r\nSTR19 = Nuova versione\r\nSTR304 = Lingua:\r\n";
  for (int Index : {100, 200, 300, 400, 600, 802, 1000, 1100, 1300, 1400, 1600, 1700, 1900})
    Lines += "STR" + std::to_string(Index) + " = IT" + std::to_string(Index) + "\r\n";
  return Lines;
}

TEST_F(OptionsWindow, AnsweringNoToTheQuestionChangesNothing) {
  Language("Italiano", Italian_Captions());
  P.Boxes.Answer(mrNo);
  Show([&] {
    P.Input.Click(*O().I_L[0]);
    EXPECT_EQ(O().Language_In_Use, u"English");
    P.Input.Click(*O().Btn_OK);
  });
  ASSERT_EQ(P.Boxes.Boxes().size(), 1u);
  const auto& Box = P.Boxes.Boxes()[0];
  EXPECT_EQ(Box.Text, u"Do you want to change the Language from English to Italiano?");
  EXPECT_EQ(Box.Kind, mtConfirmation);
  EXPECT_EQ(Box.Buttons, mbYesNo);
  EXPECT_EQ(P.Main->L_Begin->Caption(), u"Begin");
  EXPECT_EQ(P.State->Language, u"English");
}

TEST_F(OptionsWindow, AChosenLanguageRetranslatesTheWindowsAtOnceAndOKKeepsIt) {
  Language("Italiano", Italian_Captions());
  P.Boxes.Answer(mrYes);
  Show([&] {
    P.Input.Click(*O().L_L[0]);
    EXPECT_EQ(O().Caption(), u"IT300");
    EXPECT_EQ(O().L_Sel_Lang->Caption(), u"Lingua:Italiano");
    EXPECT_EQ(P.State->Language, u"English") << "committed only by OK";
    P.Input.Click(*O().Btn_OK);
  });
  const TProgramWindows& W = P.Main->Windows;
  const std::vector<TFConfWindow*> Order = {
      W.FNew_Project, W.FOpenConf, W.FSoftOptions, W.FBoot, W.FParGen, W.FDALI_Access, W.FProfinetFileName,
      W.FModbus_TCP_Master_Set_Access, W.FDMXDefVal, W.FSNMP_Trap_Access, W.FSetAccess};
  EXPECT_EQ(P.Main->Language_Windows(), Order);
  EXPECT_EQ(P.Main->L_Begin->Caption(), u"Inizio");
  for (TFConfWindow* Window : Order) EXPECT_EQ(Window->Caption().substr(0, 2), u"IT") << StringToUtf8(Window->Name());
  // These keep the texts they took at start-up.
  EXPECT_EQ(W.FBACnetAccess->Caption(), u"Set BACnet Access");
  EXPECT_NE(W.FImportEDEFile->Caption(), u"IT1600");
  EXPECT_EQ(W.FAbout->Caption(), u"About...");
  EXPECT_EQ(P.State->Language, u"Italiano");
  TProgramState Saved(S(P.Dir.Path().string()));
  Load_Setting(Saved);
  EXPECT_EQ(Saved.Language, u"Italiano");
}

// A socket named like a language file: listed as a plain file, but opening
// it fails even for a privileged user.
void Unopenable_File(const std::filesystem::path& File) {
  sockaddr_un Address{};
  Address.sun_family = AF_UNIX;
  ASSERT_LT(File.string().size(), sizeof Address.sun_path);
  std::strcpy(Address.sun_path, File.c_str());
  const int Fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(Fd, 0);
  EXPECT_EQ(::bind(Fd, reinterpret_cast<const sockaddr*>(&Address), sizeof Address), 0);
  ::close(Fd);
}

TEST_F(OptionsWindow, ALanguageThatCannotBeLoadedKeepsTheTextsInUse) {
  Language("Italiano", Italian_Captions());
  Unopenable_File(P.Dir.Language() / "Broken.lng");
  P.Boxes.Answer(mrYes);
  P.Boxes.Answer(mrYes);
  Show([&] {
    ASSERT_EQ(Slots(), (std::vector<String>{u"Broken", u"Italiano"}));
    P.Input.Click(*O().L_L[1]);
    P.Input.Click(*O().L_L[0]);
    EXPECT_EQ(O().Language_In_Use, u"Italiano");
    EXPECT_EQ(P.State->Language, u"English");
    EXPECT_EQ(P.State->Text(0), u"Inizio");
    EXPECT_EQ(O().Caption(), u"IT300");
    P.Input.Click(*O().Btn_OK);
  });
  ASSERT_EQ(P.Boxes.Boxes().size(), 3u);
  EXPECT_EQ(P.Boxes.Boxes()[2].Kind, mtError);
  EXPECT_NE(P.Boxes.Boxes()[2].Text.find(u"Broken.lng"), String::npos) << StringToUtf8(P.Boxes.Boxes()[2].Text);
  EXPECT_EQ(P.State->Language, u"Italiano");
  EXPECT_EQ(P.Main->L_Begin->Caption(), u"Inizio");
}

TEST_F(OptionsWindow, CancelKeepsTheTextsForThisRunButNotTheLanguage) {
  Language("Italiano", Italian_Captions());
  P.Boxes.Answer(mrYes);
  Show([&] {
    P.Input.Click(*O().L_L[0]);
    P.Input.Click(*O().Btn_Cancel);
  });
  EXPECT_EQ(P.Main->L_Begin->Caption(), u"Inizio");
  EXPECT_EQ(P.State->Language, u"English");
  P.Stop();
  P.Start();
  EXPECT_EQ(P.Main->L_Begin->Caption(), u"Begin");
  Show([&] {
    EXPECT_EQ(O().Language_In_Use, u"English");
    P.Input.Click(*O().Btn_Cancel);
  });
}

TEST_F(OptionsWindow, TheUpdateCheckNeedsTheConnection) {
  const struct {
    bool Internet, Update;
    bool Update_Enabled, Check_Enabled;
  } Cases[] = {{false, false, false, false}, {false, true, false, false}, {true, false, true, false},
               {true, true, true, true}};
  for (const auto& C : Cases) {
    P.State->Enable_Internet = C.Internet;
    P.State->Enable_Update = C.Update;
    Show([&] {
      EXPECT_EQ(O().CB_Update->Checked(), C.Update);
      EXPECT_EQ(O().CB_Update->Enabled(), C.Update_Enabled);
      EXPECT_EQ(O().Btn_Check_Update->Enabled(), C.Check_Enabled);
      EXPECT_FALSE(O().LL_Check_Update->Visible());
      EXPECT_EQ(O().PC_Options->ActivePage(), O().TS_Language);
      P.Input.Click(*O().Btn_Cancel);
    });
  }
  P.State->Enable_Internet = true;
  P.State->Enable_Update = true;
  Show([&] {
    O().PC_Options->SetActivePage(O().TS_Con_Options);
    P.Input.Key(*O().CB_En_Con, VK_SPACE);  // as the user toggles it
    EXPECT_TRUE(O().CB_Update->Checked()) << "the mark stays, the box is disabled";
    EXPECT_FALSE(O().CB_Update->Enabled());
    EXPECT_FALSE(O().Btn_Check_Update->Enabled());
    P.Input.Click(*O().Btn_Cancel);
  });
}

TEST_F(OptionsWindow, OKCommitsTheOptionsSavesThemAndSetsTheUpdateTimer) {
  const struct {
    bool Internet, Update, Jump, Auto_Size;
    bool Timer;
  } Cases[] = {{true, false, true, false, false}, {false, true, false, true, false}, {true, true, true, true, true}};
  for (const auto& C : Cases) {
    Show([&] {
      O().CB_En_Con->SetChecked(C.Internet);
      O().CB_Update->SetChecked(C.Update);
      O().CB_Soft_Set_Jump_Table->SetChecked(C.Jump);
      O().CB_DoubleClick_Auto_Size->SetChecked(C.Auto_Size);
      P.Input.Click(*O().Btn_OK);
    });
    EXPECT_EQ(P.Main->Timer_Update->Enabled(), C.Timer);
    TProgramState Saved(S(P.Dir.Path().string()));
    Load_Setting(Saved);
    EXPECT_EQ(Saved.Enable_Internet, C.Internet);
    EXPECT_EQ(Saved.Enable_Update, C.Update);
    EXPECT_EQ(Saved.Enable_Jump, C.Jump);
    EXPECT_EQ(Saved.Enable_Auto_Size, C.Auto_Size);
  }
  // Cancel commits nothing.
  Show([&] {
    O().CB_En_Con->SetChecked(false);
    P.Input.Click(*O().Btn_Cancel);
  });
  EXPECT_TRUE(P.State->Enable_Internet);
  EXPECT_TRUE(P.Main->Timer_Update->Enabled());
}

TEST_F(OptionsWindow, SettingsThatCannotBeWrittenStillStopTheUpdateTimer) {
  P.State->Enable_Internet = P.State->Enable_Update = true;
  P.Main->Timer_Update->SetEnabled(true);
  std::filesystem::create_directories(P.Dir / "Corvan.xml");  // a folder where the file should go
  Show([&] {
    O().CB_En_Con->SetChecked(false);
    P.Input.Click(*O().Btn_OK);
  });
  EXPECT_FALSE(P.Main->Timer_Update->Enabled());
  ASSERT_EQ(P.Boxes.Boxes().size(), 1u);
  EXPECT_EQ(P.Boxes.Boxes()[0].Kind, mtError);
  std::filesystem::remove_all(P.Dir / "Corvan.xml");
}

TEST_F(OptionsWindow, CheckingByHandShowsTheLinkOrNoUpdate) {
  const String Newer = u"<a href=\"" + Download_Page_URL() + u"\">New Version Available. Click Here for more Details</a>";
  const struct {
    int Status;
    const char* Body;
    String Shown;
  } Cases[] = {{200, "VER. 1.001", Newer},
               {200, "VER. 9.999", Newer},
               {200, "VER. 1.000", u"No Update Available"},
               {200, "<html>garbage</html>", u"No Update Available"},
               {200, "", u"No Update Available"},
               {404, "VER. 9.999", u"No Update Available"},
               {LoopbackHttpServer::NeverAnswer, "", u"No Update Available"}};
  P.State->Enable_Internet = true;
  P.State->Enable_Update = true;
  for (const auto& C : Cases) {
    LoopbackHttpServer Server(C.Status, C.Body);
    LoopbackHttpService Service(Server, 300);
    Show([&] {
      O().PC_Options->SetActivePage(O().TS_Con_Options);
      P.Input.Click(*O().Btn_Check_Update);
      EXPECT_TRUE(O().LL_Check_Update->Visible());
      EXPECT_EQ(O().LL_Check_Update->Caption(), C.Shown) << C.Status << " " << C.Body;
      P.Input.Click(*O().Btn_Cancel);
    });
    EXPECT_EQ(Server.Requests().size(), 1u);
  }
  testsupport::ShellRecorder Shell;
  Show([&] {
    O().LL_Check_Update->SetCaption(Newer);
    O().LL_Check_Update->Show();
    Click_Link(P.Input, *O().LL_Check_Update);
    P.Input.Click(*O().Btn_Cancel);
  });
  EXPECT_EQ(Shell.Opened(), std::vector<String>{Download_Page_URL()});
}

class UpdateTimer : public OptionsWindow {
 protected:
  UpdateTimer() : OptionsWindow(false) {
    TProgramState Saved(S(P.Dir.Path().string()));
    Load_Setting(Saved);
    Saved.Enable_Internet = Saved.Enable_Update = true;
    Save_Setting(Saved);
  }
  // Requests the update service has had.
  size_t Checks(const LoopbackHttpServer& Server) const { return Server.Requests().size(); }
};

TEST_F(UpdateTimer, FirstCheckAfterAMinuteThenEveryTwoHours) {
  LoopbackHttpServer Server(200, "VER. 9.999");
  LoopbackHttpService Service(Server, 300);
  P.Start();
  ASSERT_TRUE(P.Main->Timer_Update->Enabled());
  P.Input.Advance(59999);
  EXPECT_EQ(Checks(Server), 0u);
  EXPECT_FALSE(P.Main->LL_Update->Visible());
  P.Input.Advance(1);
  EXPECT_EQ(Checks(Server), 1u);
  EXPECT_TRUE(P.Main->LL_Update->Visible());
  EXPECT_EQ(P.Main->LL_Update->Caption(), Download_Link(u"New Version Available. Click Here for more Details"));
  EXPECT_EQ(P.Main->Timer_Update->Interval(), 7200000u);
  P.Input.Advance(7199999);
  EXPECT_EQ(Checks(Server), 1u);
  P.Input.Advance(1);
  EXPECT_EQ(Checks(Server), 2u);
  testsupport::ShellRecorder Shell;
  Click_Link(P.Input, *P.Main->LL_Update);
  P.Click(u"L_Ostrel");
  EXPECT_EQ(Shell.Opened(), (std::vector<String>{Download_Page_URL(), Product_Page_URL()}));
}

TEST_F(UpdateTimer, TheLinkStaysUntilATickFindsNoNewerVersion) {
  P.Start();
  {
    LoopbackHttpServer Server(200, "VER. 1.001");
    LoopbackHttpService Service(Server, 300);
    P.Input.Advance(60000);
  }
  EXPECT_TRUE(P.Main->LL_Update->Visible());
  LoopbackHttpServer Silent(LoopbackHttpServer::NeverAnswer, "");
  LoopbackHttpService Service(Silent, 300);
  P.Input.Advance(7200000);
  EXPECT_EQ(Checks(Silent), 1u);
  EXPECT_FALSE(P.Main->LL_Update->Visible());
  EXPECT_TRUE(P.Main->Timer_Update->Enabled());
}

TEST_F(UpdateTimer, ConfirmingOptionsWhileItRunsDoesNotRestartIt) {
  LoopbackHttpServer Server(200, "VER. 1.000");
  LoopbackHttpService Service(Server, 300);
  P.Start();
  P.Input.Advance(30000);
  Show([&] { P.Input.Click(*O().Btn_OK); });
  P.Input.Advance(30000);
  EXPECT_EQ(Checks(Server), 1u);
  // Switched off and on again, it starts over with its current interval.
  Show([&] {
    O().CB_Update->SetChecked(false);
    P.Input.Click(*O().Btn_OK);
  });
  EXPECT_FALSE(P.Main->Timer_Update->Enabled());
  P.Input.Advance(10000000);
  EXPECT_EQ(Checks(Server), 1u);
  Show([&] {
    O().CB_Update->SetChecked(true);
    P.Input.Click(*O().Btn_OK);
  });
  P.Input.Advance(7199999);
  EXPECT_EQ(Checks(Server), 1u);
  P.Input.Advance(1);
  EXPECT_EQ(Checks(Server), 2u);
}

}  // namespace
