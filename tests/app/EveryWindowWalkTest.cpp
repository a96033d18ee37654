// Every window of the program opened from the main window twice (a window is
// made once and shown again), every control in it clicked at each showing and
// the window closed with its own button, all through the window system's
// input path. It passes when nothing crashes, no sanitizer
// reports and every window closes. Nothing leaves the machine and no program
// starts: HTTP, echo, process start and shell are the test's; message boxes
// are answered; the MIB save dialog is the toolkit's own.
#include <gtest/gtest.h>

#include <functional>

#include "app/UAbout.h"
#include "app/UBoot.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/UParGen.h"
#include "app/USoftOptions.h"
#include "editors/UDALI_Access.h"
#include "editors/USNMP_Trap_Access.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/Application.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/HintWindow.h"
#include "platform/gui/StdCtrls.h"
#include "platform/net/HttpClient.h"
#include "platform/net/IcmpEcho.h"
#include "platform/os/Process.h"
#include "tests/app/ProgramFixture.h"
#include "tests/app/WindowWalker.h"

namespace {
using testsupport::ProgramFixture;
using testsupport::SystemInputDriver;
using testsupport::WindowWalker;

// No network and no program start: each fails as an unplugged machine's would.
class ClosedMachine : public THttpService, public TIcmpEchoService, public TProcessService {
 public:
  ClosedMachine() {
    SetHttpService(this);
    SetIcmpEchoService(this);
    SetProcessService(this);
  }
  ~ClosedMachine() override {
    SetHttpService(nullptr);
    SetIcmpEchoService(nullptr);
    SetProcessService(nullptr);
  }
  THttpResult Get(const String&, const std::vector<String>&) override { return {false, 0, u"", u"no network"}; }
  TEchoResult Echo(const String&, const AnsiString&, unsigned) override { return {esFailed, 0, u"no network"}; }
  TProgramRun Run(const String&, bool, unsigned, unsigned) override {
    return {false, u"no program may start", 0, false};
  }
};

// Every box answered OK or Yes (the walk's windows close when asked); file dialogs cancelled, but for
// the MIB save dialog, which is the toolkit's.
class AnsweringDialogs : public TDialogService {
 public:
  AnsweringDialogs() : FPrevious(&DialogService()) { SetDialogService(this); }
  ~AnsweringDialogs() override { SetDialogService(FPrevious); }
  TModalResult MessageBox(const TMessageBoxRequest& r) override {
    ++Boxes;
    for (auto [Button, Result] : {std::pair{mbOK, mrOk}, {mbYes, mrYes}})
      if (r.Buttons & Button) return Result;
    return mrCancel;
  }
  bool FileDialog(TFileDialogRequest& r) override {
    if (r.Filter.find(u"*.csv") != String::npos && !Ede_File.empty()) {
      r.FileName = Ede_File;
      return true;
    }
    if (r.Filter.find(u"*.mib") == String::npos) return false;
    SetDialogService(nullptr);
    const bool Chosen = DialogService().FileDialog(r);
    SetDialogService(this);
    ++Native_File_Dialogs;
    return Chosen;
  }
  int Boxes = 0;
  int Native_File_Dialogs = 0;
  String Ede_File;  // the answer of the EDE open dialog; empty cancels it

 private:
  TDialogService* FPrevious;
};

const std::set<String> Ending_Buttons{u"Btn_OK", u"Btn_Cancel", u"Btn_Update", u"LbButton1"};

class EveryWindow : public ::testing::Test {
 protected:
  // Opens the window by its main-window button; inside, Walk_Then runs and must close it.
  void Open(const char16_t* Button, TCustomForm& Window, const std::function<void()>& Walk_Then) {
    bool Opened = false;
    P.Input.WhenModal([&] {
      Opened = Window.Visible();
      Walk_Then();
    });
    Sys.Click(P.Control(Button));
    EXPECT_TRUE(Opened) << StringToUtf8(Button);
    EXPECT_FALSE(Window.Visible()) << StringToUtf8(Button) << " did not close";
  }
  // Every control but the ending buttons, then the ending button named.
  void Open_Twice(const char16_t* Button, TCustomForm& Window, const std::function<void()>& Walk_Then) {
    for (int Showing = 1; Showing <= 2; ++Showing) {
      SCOPED_TRACE("showing " + std::to_string(Showing));
      Open(Button, Window, Walk_Then);
    }
  }
  void Walk_And_Close(TCustomForm& Window, const char16_t* Close_Button, std::set<String> Skip = {}) {
    Skip.insert(Ending_Buttons.begin(), Ending_Buttons.end());
    Walker.Walk(Window, Skip);
    TControl& Close = P.Control(Window, Close_Button);
    EXPECT_TRUE(Sys.ScrollIntoView(Close, Point(Close.Width() / 2, Close.Height() / 2)));
    Sys.Click(Close);
  }

  // Rests the pointer on a header cell for the hint pause; answers the hint shown.
  String Rest_On_Header(TAdvColumnGrid& Grid, int Col) {
    const TRect Cell = Grid.CellRect(Col, 0);
    Sys.MouseMove(Grid, Point(Cell.Left + 5, (Cell.Top + Cell.Bottom) / 2));
    P.Input.Advance(static_cast<unsigned>(Application->HintPause()));
    const THintWindow* Hint = Application->HintWindow();
    return Hint && Hint->Visible() ? Hint->Caption() : String();
  }

  ClosedMachine Machine;
  ProgramFixture P;
  testsupport::ShellRecorder Shell;
  AnsweringDialogs Dialogs;
  SystemInputDriver Sys;
  WindowWalker Walker{Sys};
};

TEST_F(EveryWindow, EachControlOfEachWindowTakesAClickAndEachWindowClosesWithItsOwnButton) {
  auto& W = P.Main->Windows;
  Open_Twice(u"Btn_New", *W.FNew_Project, [&] { Walk_And_Close(*W.FNew_Project, u"Btn_Cancel"); });

  for (const char* Name : {"Alpha", "Beta", "Gamma"}) std::filesystem::create_directories(P.Project(Name) / "bin");
  Open_Twice(u"Btn_Open", *W.FOpenConf, [&] { Walk_And_Close(*W.FOpenConf, u"Btn_Cancel"); });
  // Open again, an entry chosen, OK: the configuration the steps below work on.
  Open(u"Btn_Open", *W.FOpenConf, [&] {
    Sys.Click(*W.FOpenConf->ListBox1, Point(20, 6));
    Sys.Click(*W.FOpenConf->Btn_OK);
  });
  ASSERT_TRUE(P.State->Project_Open());

  TFParGen& Set = *W.FParGen;
  Open_Twice(u"Btn_Prm_Gen", Set, [&] { Walk_And_Close(Set, u"Btn_Cancel"); });
  // Version 3 at each security level, which the walk then leaves as chosen.
  const std::set<String> Version_Choices{u"CB_SNMP_Agent_Ver1", u"CB_SNMP_Agent_Ver2", u"CB_SNMP_Agent_Ver3",
                                         u"CB_SNMP_Agent_Secure_Lev"};
  for (int Level = 0; Level < 3; ++Level) {
    Open(u"Btn_Prm_Gen", Set, [&] {
      // The walk before folded the group away.
      if (Set.Btn_SNMP_Agent_Expande->Showing()) Sys.Click(*Set.Btn_SNMP_Agent_Expande);
      if (!Set.CB_SNMP_Agent_Ver3->Checked()) Sys.Click(*Set.CB_SNMP_Agent_Ver3);
      Walker.Choose(*Set.CB_SNMP_Agent_Secure_Lev, Level);
      EXPECT_EQ(Set.CB_SNMP_Agent_Secure_Lev->ItemIndex(), Level);
      Walk_And_Close(Set, u"Btn_Cancel", Version_Choices);
    });
  }

  Open_Twice(u"Btn_Opz", *W.FSoftOptions, [&] { Walk_And_Close(*W.FSoftOptions, u"Btn_Cancel"); });
  Open_Twice(u"Btn_Info", *W.FAbout, [&] { Walk_And_Close(*W.FAbout, u"LbButton1"); });
  Open_Twice(u"Btn_CreateBin", *W.FBoot, [&] { Walk_And_Close(*W.FBoot, u"Btn_Cancel"); });

  // The MIB save dialog: a click into it, then Escape.
  bool Dialog_Shown = false;
  Sys.WhenNativeModal([&] {
    TRect Dialog;
    Dialog_Shown = Sys.ModalRect(Dialog);
    Sys.ClickAt(Point((Dialog.Left + Dialog.Right) / 2, (Dialog.Top + Dialog.Bottom) / 2));
    Sys.Key(VK_ESCAPE);
  });
  Sys.Click(P.Control(u"Btn_SNMP_MIB"));
  EXPECT_TRUE(Dialog_Shown);
  EXPECT_EQ(Dialogs.Native_File_Dialogs, 1);

  for (auto [Button, Window] : {std::pair<const char16_t*, TCustomForm*>{u"Btn_DALI_Access", W.FDALI_Access},
                                {u"Btn_SNMP_Trap", W.FSNMP_Trap_Access}})
    Open_Twice(Button, *Window, [&, Window = Window] {
      Walker.Walk(*Window, Ending_Buttons);
      Sys.CloseWindow(*Window);
    });
  auto& Trap = dynamic_cast<TFSNMP_Trap_Access&>(*W.FSNMP_Trap_Access);
  Open(u"Btn_SNMP_Trap", Trap, [&] {
    EXPECT_EQ(Rest_On_Header(*Trap.ACG_SNMP_Read, 2), P.State->Text(1940));
    const TRect Tab = Trap.PageControl1->TabRect(1);
    Sys.Click(*Trap.PageControl1, Point((Tab.Left + Tab.Right) / 2, (Tab.Top + Tab.Bottom) / 2));
    EXPECT_EQ(Rest_On_Header(*Trap.ACG_SNMP_Write, 2), P.State->Text(1953));
    Application->CancelHint();
    Sys.CloseWindow(Trap);
  });

  // The BACnet step is hidden in this product: its window is reached through
  // the step itself, the import dialog through "Import EDE" on a fixture file.
  TCustomForm& BACnet = *W.FBACnetAccess;
  TCustomForm& Import = *W.FImportEDEFile;
  Dialogs.Ede_File = S((std::filesystem::path(GX_TEST_DATA) / "ede" / "line7" / "input.csv").string());
  bool BACnet_Opened = false, Import_Opened = false;
  P.Input.WhenModal([&] {
    BACnet_Opened = BACnet.Visible();
    std::set<String> Skip = Ending_Buttons;
    Skip.insert(u"Btn_Import_CSV");
    Walker.Walk(BACnet, Skip);
    P.Input.WhenModal([&] {
      Import_Opened = Import.Visible();
      Walk_And_Close(Import, u"Btn_Cancel");
    });
    Sys.Click(P.Control(BACnet, u"Btn_Import_CSV"));
    Sys.CloseWindow(BACnet);
  });
  P.Main->Btn_Click(P.Main->Btn_Set_BACnet_Access);
  EXPECT_TRUE(BACnet_Opened);
  EXPECT_TRUE(Import_Opened);
  EXPECT_FALSE(BACnet.Visible());
  EXPECT_FALSE(Import.Visible());

  // The Modbus TCP and DMX steps are hidden too, and no step opens the
  // serial Modbus window: each is walked as the program would open it.
  const std::pair<TCustomForm*, std::function<void()>> Hidden[] = {
      {W.FModbus_TCP_Master_Set_Access, [&] { P.Main->Btn_Click(P.Main->Btn_ModM_SetAccess); }},
      {W.FDMXDefVal, [&] { P.Main->Btn_Click(P.Main->Btn_DMX_Default); }},
      {W.FSetAccess, [&] { W.FSetAccess->ShowModal(); }}};
  for (const auto& [Window, Open_It] : Hidden) {
    for (int Showing = 1; Showing <= 2; ++Showing) {
      SCOPED_TRACE(StringToUtf8(Window->Name()) + " showing " + std::to_string(Showing));
      bool Opened = false;
      P.Input.WhenModal([&, Window = Window] {
        Opened = Window->Visible();
        Walker.Walk(*Window, Ending_Buttons);
        Sys.CloseWindow(*Window);
      });
      Open_It();
      EXPECT_TRUE(Opened);
      EXPECT_FALSE(Window->Visible());
    }
  }

  EXPECT_GT(Walker.Clicks(), 100);
  EXPECT_TRUE(P.Main->Visible());
}
}  // namespace
