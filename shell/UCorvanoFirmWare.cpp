#include "shell/UCorvanoFirmWare.h"

#include <functional>

#include "app/Language.h"
#include "app/MakerSite.h"
#include "app/ProgramState.h"
#include "app/Settings.h"
#include "app/UAbout.h"
#include "app/UBoot.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/UParGen.h"
#include "app/UProfinetFileName.h"
#include "app/USoftOptions.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Shell.h"
#include "platform/sys/Files.h"

namespace {

// A file the program cannot use is shown in one box and the program goes on.
void Show_Error_And_Go_On(const std::function<void()>& Step) {
  try {
    Step();
  } catch (const Exception& E) {
    MessageDlg(E.Message(), mtError, mbOK);
  }
}

}  // namespace

TFCorvanoFirmWare::TFCorvanoFirmWare(TComponent* AOwner, TProgramState& AState) : TForm(AOwner), State(AState) {
  BeginLoading();
  SetName(u"FCorvanoFirmWare");
  Set_Window_Look(*this, bsSingle);
  Create_Components();
  L_Ostrel->OnClick = [this](TObject*) { L_OstrelClick(); };
  LL_Update->OnLinkClick = [this](TObject*, const String& Link, TSysLinkType) { LL_UpdateLinkClick(Link); };
  Timer_Update->OnTimer = [this](TObject*) { Timer_UpdateTimer(); };
  OnCreate = [this](TObject*) { FormCreate(); };
  OnClose = [this](TObject*, TCloseAction& Action) { FormClose(Action); };
  EndLoading();
}

void TFCorvanoFirmWare::FormCreate() {
  State.Create_Folders();
  State.Project_Name.clear();
  Show_Error_And_Go_On([this] { Load_Setting(State); });
  Timer_Update->SetEnabled(State.Enable_Internet && State.Enable_Update);
  SetCaption(State.Program_Title);
  L_SW_Code->SetCaption(State.SW_Code);
  L_SW_Desc->SetCaption(State.SW_Description);
  Show_Error_And_Go_On([this] { Load_Language(State); });
  const String Path = Join(State.Projects_Dir, State.Project_Name);
  // A remembered configuration whose folder is gone (or whose name is not a
  // folder of PROJECTS) is not opened; its name stays and is written back at close.
  const bool Usable = !State.Project_Name.empty() && !Unsafe_Project_Name(State.Project_Name);
  State.Project_Path = Usable && DirectoryExists(Path) ? Path : String();
  Set_Lang();
  Set_Files();
  State.Update_Read_Back = true;
  State.Row_Clipboard.Clear();
}

void TFCorvanoFirmWare::FormClose(TCloseAction&) {
  // The program ends even when the settings cannot be written: one box, then out.
  Show_Error_And_Go_On([this] { Save_Setting(State); });
}

void TFCorvanoFirmWare::Show_Configuration() {
  const bool Open = State.Project_Open();
  L_Name_Conf->SetCaption(State.Text(Open ? 11 : 9));
  L_Name_Conf_L2->SetCaption(Open ? State.Project_Name : State.Text(10));
}

void TFCorvanoFirmWare::Set_Lang() {
  L_Begin->SetCaption(State.Text(0));
  for (int i = 0; i < 8; ++i) L_Step[i]->SetCaption(State.Text(i + 1));
  const struct {
    TStepButton* Button;
    int Caption, Hint;
  } Buttons[] = {{Btn_New, 15, 22},         {Btn_Open, 16, 23},           {Btn_CreateBin, 17, 26},
               {Btn_Prm_Gen, 20, 24},     {Btn_DALI_Access, 21, 25},    {Btn_PROFINET_XML, 27, 28},
               {Btn_ModM_SetAccess, 29, 30}, {Btn_DMX_Default, 31, 32}};
  for (const auto& T : Buttons) {
    T.Button->SetCaption(State.Text(T.Caption));
    T.Button->SetHint(State.Text(T.Hint));
  }
  Btn_Info->SetHint(State.Text(12));
  Btn_Opz->SetHint(State.Text(13));
  Btn_Close->SetHint(State.Text(14));
  Show_Configuration();
}

void TFCorvanoFirmWare::Set_Files() { State.Set_Files(); }

void TFCorvanoFirmWare::Open_Project() {
  if (Windows.FOpenConf->ShowModal() != mrOk) return;
  State.Project_Name = Windows.FOpenConf->Name_Conf;
  State.Project_Path = Join(State.Projects_Dir, State.Project_Name);
  Show_Configuration();
  Set_Files();
}

void TFCorvanoFirmWare::Create_New_Project() {
  if (Windows.FNew_Project->ShowModal() != mrOk) return;
  Show_Configuration();
}

std::vector<TFConfWindow*> TFCorvanoFirmWare::Language_Windows() const {
  const TProgramWindows& W = Windows;
  return {W.FNew_Project,      W.FOpenConf, W.FSoftOptions,
          W.FBoot,             W.FParGen,   W.FDALI_Access,
          W.FProfinetFileName, W.FModbus_TCP_Master_Set_Access,
          W.FDMXDefVal,        W.FSNMP_Trap_Access, W.FSetAccess};
}

void TFCorvanoFirmWare::Change_Language() {
  Set_Lang();
  for (TFConfWindow* Window : Language_Windows()) Window->Set_Lang();
}

void TFCorvanoFirmWare::Software_Options() {
  if (Windows.FSoftOptions->ShowModal() != mrOk) return;
  // The timer first: settings that cannot be written must not leave the
  // update check running after the internet was switched off.
  Timer_Update->SetEnabled(State.Enable_Internet && State.Enable_Update);
  Save_Setting(State);
}

// The check blocks the window until the service answers or the client's
// time-out ends it; then the timer waits its long interval.
void TFCorvanoFirmWare::Timer_UpdateTimer() {
  Timer_Update->SetEnabled(false);
  if (Windows.FSoftOptions->Check_Version()) {
    LL_Update->SetCaption(Download_Link(State.Text(19)));
    LL_Update->Show();
  } else {
    LL_Update->Hide();
  }
  Timer_Update->SetInterval(Update_Check_Interval);
  Timer_Update->SetEnabled(true);
}

void TFCorvanoFirmWare::LL_UpdateLinkClick(const String& Link) { ShellOpen(Link); }

void TFCorvanoFirmWare::L_OstrelClick() { Open_Product_Page(); }

TForm* TFCorvanoFirmWare::Step_Window(TObject* Sender) const {
  const TProgramWindows& W = Windows;
  const std::pair<TObject*, TForm*> Steps[] = {
      {Btn_Prm_Gen, W.FParGen},           {Btn_DALI_Access, W.FDALI_Access},
      {Btn_ModM_SetAccess, W.FModbus_TCP_Master_Set_Access}, {Btn_DMX_Default, W.FDMXDefVal},
      {Btn_Set_BACnet_Access, W.FBACnetAccess}, {Btn_SNMP_Trap, W.FSNMP_Trap_Access}};
  for (const auto& [Button, Window] : Steps)
    if (Button == Sender) return Window;
  return nullptr;
}

void TFCorvanoFirmWare::Btn_Click(TObject* Sender) {
  if (Sender == Btn_New) return Create_New_Project();
  if (Sender == Btn_Open) return Open_Project();
  if (Sender == Btn_Close) return Close();
  if (Sender == Btn_Info) {
    Windows.FAbout->ShowModal();
    return;
  }
  if (Sender == Btn_Opz) return Software_Options();
  if (!State.Project_Open()) {
    MessageDlg(State.Text(18), mtError, mbOK);
    return;
  }
  if (TForm* Window = Step_Window(Sender)) {
    Window->ShowModal();  // each window saves its own file on OK
  } else if (Sender == Btn_SNMP_MIB) {
    Save_MIB();
  } else if (Sender == Btn_PROFINET_XML) {
    PROFINET_XML();
  } else if (Sender == Btn_CreateBin) {
    Update_Device();
  }
}
