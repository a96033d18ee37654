#pragma once
// The Set Communication window: the general parameters of the gateway
// (ParGen.xml), in two groups that fold to their title line.
#include <array>

#include "app/ConfWindow.h"
#include "app/ParGenFile.h"

class TLbButton;

class TFParGen : public TFConfWindow {
 public:
  TFParGen(TComponent* AOwner, TProgramState& AState);
  void Set_Lang() override;
  // The checks before saving, in order; the first bad value shows its
  // message and answers false.
  bool Controllo_Dati();
  // The thirty values as OK writes them, in element order.
  TParGenValues Saved_Values() const;

  TGroupBox* GB_DALI;
  TLabel* L_DALI_Console_Port;
  TEdit* E_DALI_Console_Port;
  TCheckBox* CB_DALI_Disable_Scan;
  TCheckBox* CB_DALI_En_DALI2;
  // Kept from the file and written back, never shown in this product.
  TCheckBox* CB_DALI_SwitchOff;
  TEdit* E_DALI_TimeOut;
  TLbButton* Btn_DALI_Collapse;
  TLbButton* Btn_DALI_Expande;

  TGroupBox* GB_SNMP_Agent;
  TLabel* L_SNMP_Agent_IP_Add;
  std::array<TEdit*, 4> E_SNMP_Agent_IP;
  TLabel* L_SNMP_Agent_SM_Add;
  std::array<TEdit*, 4> E_SNMP_Agent_SM;
  TCheckBox* CB_SNMP_Agent_En_Gat;
  std::array<TEdit*, 4> E_SNMP_Agent_GAT;
  TLabel* L_SNMP_Agent_Name_Of_Station;
  TEdit* E_SNMP_Agent_Name_Of_Station;
  TLabel* L_SNMP_Agent_Contact;
  TEdit* E_SNMP_Agent_Contact;
  TLabel* L_SNMP_Agent_Location;
  TEdit* E_SNMP_Agent_Location;
  TLabel* L_SNMP_Agent_Version;
  TCheckBox* CB_SNMP_Agent_Ver1;
  TCheckBox* CB_SNMP_Agent_Ver2;
  TCheckBox* CB_SNMP_Agent_Ver3;
  TLabel* L_SNMP_Agent_User;
  TEdit* E_SNMP_Agent_User;
  TLabel* L_SNMP_Agent_Secure_Lev;
  TComboBox* CB_SNMP_Agent_Secure_Lev;
  TLabel* L_SNMP_Agent_Auth_Pass;
  TEdit* E_SNMP_Agent_Auth_Pass;
  TLabel* L_SNMP_Agent_Auth_Mode;
  TComboBox* CB_SNMP_Agent_Auth_Mode;
  TLabel* L_SNMP_Agent_Priv_Pass;
  TEdit* E_SNMP_Agent_Priv_Pass;
  TLabel* L_SNMP_Agent_Priv_Mode;
  TComboBox* CB_SNMP_Agent_Priv_Mode;
  TLbButton* Btn_SNMP_Agent_Collapse;
  TLbButton* Btn_SNMP_Agent_Expande;

  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;

  bool Is_Change = false;
  bool GB_DALI_Visible = true;
  bool GB_SNMP_Agent_Visible = true;

 protected:
  void FormCreate() override;

 private:
  // Creation of the components, group by group.
  void Create_DALI_Group();
  void Create_SNMP_Agent_Group();
  void Create_SNMP_Address_Rows();
  void Create_SNMP_Version3_Rows();
  void Create_Buttons();
  std::array<TEdit*, 4> Place_Octets(StringView Name, int Top);
  TEdit* Place_Edit(TWinControl* Parent, StringView Name, int Left, int Top, int Width, int Max_Length = 0);
  TCheckBox* Place_Check(TWinControl* Parent, StringView Name, int Left, int Top, int Width);
  TComboBox* Place_List(StringView Name, int Top, TParGenKind Kind);
  TLbButton* Place_Fold_Button(TGroupBox* Group, StringView Name, bool Collapse);
  TLbButton* Place_Button(StringView Name, int Left, const char16_t* Glyph_Name);

  // Layout and folding.
  void Collapse_Expand_Creation();
  void Move_GroupBoxs();
  void RePosition_Objects_410();
  int Place_Version3_Rows();
  void Btn_GB_Collapse(TObject* Sender);
  void Btn_GB_Expande(TObject* Sender);
  void Set_Folded(TGroupBox* Group, bool Folded);

  // The cycle: loading, checking, saving, cancelling.
  void FormShow();
  void FormActivate();
  void Btn_OKClick();
  void Btn_CancelClick();
  void On_Change(TObject* Sender);
  void On_Click(TObject* Sender);
  // The edits' handler; the window's own KeyPress(Key) stays beside it.
  using TFConfWindow::KeyPress;
  void KeyPress(TObject* Sender, Char& Key);
  void Load_Values(const TParGenValues& Values);

  // The component of each ParGen.xml element, in element order.
  std::array<TControl*, ParGen_Element_Count> FBound{};
  // The chain that "." moves along: IP1..IP4, SM1..SM4, GAT1..GAT4.
  std::array<TEdit*, 12> FAddress_Chain{};
};
