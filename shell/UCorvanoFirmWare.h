#pragma once
// The main window: the step launcher of the workflow. Its creation reads the
// settings and the language and shows the open configuration; each step
// button opens its modal window; closing it saves the settings and ends the
// program.
#include <array>
#include <vector>

#include "app/Pictures.h"
#include "shell/ProgramWindows.h"
#include "app/WindowLook.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Timers.h"

class TProgramState;
class TFConfWindow;
using TStepButton = TLbButton;

// The update check's first run after start-up, and the wait between later ones.
inline constexpr unsigned First_Update_Check = 60000;
inline constexpr unsigned Update_Check_Interval = 7200000;

class TFCorvanoFirmWare : public TForm {
 public:
  TFCorvanoFirmWare(TComponent* AOwner, TProgramState& AState);

  void Set_Lang();
  void Set_Files();
  void Open_Project();
  void Create_New_Project();
  // Set_Lang of this window, then of every window that follows a language
  // change, in the order of Language_Windows.
  void Change_Language();
  std::vector<TFConfWindow*> Language_Windows() const;
  void Btn_Click(TObject* Sender);

  // The windows opened from here; filled by Create_Program_Windows.
  TProgramWindows Windows;

  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TLabel* L_Begin;
  TShape* Shape2;
  TLabel* L_Name_Conf;
  TLabel* L_Name_Conf_L2;
  TStepButton* Btn_Info;
  TStepButton* Btn_Opz;
  TStepButton* Btn_Close;
  std::array<TLabel*, 8> L_Step;  // L_Step_1 ... L_Step_8
  TStepButton* Btn_New;
  TStepButton* Btn_Open;
  TStepButton* Btn_Prm_Gen;
  TStepButton* Btn_DALI_Access;
  TStepButton* Btn_SNMP_Trap;
  TStepButton* Btn_SNMP_MIB;
  TStepButton* Btn_CreateBin;
  TShape* Shape1;
  TLabel* L_Ostrel;
  // Shown when a newer version is reported.
  TLinkLabel* LL_Update;
  // Steps kept for other gateways: created, never shown.
  TStepButton* Btn_PROFINET_XML;
  TStepButton* Btn_ModM_SetAccess;
  TStepButton* Btn_DMX_Default;
  TStepButton* Btn_Set_BACnet_Access;
  TImage* I_Brellis;
  TTimer* Timer_Update;
  TSaveDialog* SaveMIB;

 private:
  void Create_Components();
  TStepButton* Place_Step_Button(StringView Name, int Left, int Top, TColor HotTrack, TMainGlyph Glyph = mgStep);
  TStepButton* Place_Glyph_Button(StringView Name, int Left, TMainGlyph Glyph);
  void FormCreate();
  void FormClose(TCloseAction& Action);
  void Show_Configuration();
  void Software_Options();
  void Timer_UpdateTimer();
  void LL_UpdateLinkClick(const String& Link);
  void L_OstrelClick();
  // The steps that write the device's files (UCorvanoFirmWareSteps.cpp).
  void Update_Device();
  void Save_MIB();
  void PROFINET_XML();
  void Save_GSDML(const String& n);
  // The table window a step button opens (null for the other buttons).
  TForm* Step_Window(TObject* Sender) const;

  TProgramState& State;
};
