#pragma once
// The Update Device window: the gateway's address and what to transfer. On
// Update it checks by ICMP echo that the gateway answers, remembers the
// choices, writes Ethernet_Update.xml and runs the update program.
#include <array>

#include "app/ConfWindow.h"

class TLbButton;
class TComboBox;
class TCheckBox;
struct TEchoResult;

// The update program beside the configurator.
inline constexpr StringView Update_Program_Name = u"Ethernet_Update";

class TFBoot : public TFConfWindow {
 public:
  TFBoot(TComponent* AOwner, TProgramState& AState);
  void Set_Lang() override;

  // Echoes the address of the four edits; true when the last attempt was
  // answered. Only a numeric dotted quad is sent anything.
  bool Send_Ping();
  // Ethernet_Update.xml from the stored address and choices.
  void Compile_XML_Parameter_New_Boot();

  // 1: update over Ethernet, set by the main window before each showing.
  int Form_Type = 1;
  // The last echo: 0 no report yet, 1 answered with data, 2 not answered.
  int ping_res = 0;

  TPanel* P_IP_Address;
  TLabel* L_IP_Address;
  TEdit* E_IP1;
  TEdit* E_IP2;
  TEdit* E_IP3;
  TEdit* E_IP4;
  TPanel* P_Options;
  TLabel* L_Update_Option;
  TComboBox* CB_Update_Options;
  TCheckBox* CB_Update_Option_Read_Back;
  TPanel* P_Button;
  TLbButton* Btn_Cancel;
  TLbButton* Btn_Update;

 private:
  void Create_Address_Panel();
  void Create_Options_Panel();
  void Create_Button_Panel();
  void FormShow();
  // The edits' handler; the window's own KeyPress(Key) stays beside it.
  using TFConfWindow::KeyPress;
  void KeyPress(TObject* Sender, Char& Key);
  void Btn_UpdateClick();
  void PingReply(const TEchoResult& Reply);
  bool Ping_Guarded();
  std::array<TEdit*, 4> Address_Edits() const { return {E_IP1, E_IP2, E_IP3, E_IP4}; }
  String Address_Text() const;

  bool FPinging = false;
};
