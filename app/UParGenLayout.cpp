// Set Communication: the layout of the two groups and their folding.
#include "app/UParGen.h"
#include "controls/button/LbButton.h"

namespace {
constexpr int Folded_Height = 26;
constexpr int Group_Gap = 15;       // between the groups, and below a group's last row
constexpr int Buttons_Gap = 13;     // from the SNMP group to OK and Cancel
constexpr int Window_Margin = 54;   // from the SNMP group to the bottom of the window

int Bottom(const TControl* Control) { return Control->Top() + Control->Height(); }

void Show_All(std::initializer_list<TControl*> Controls, bool Visible) {
  for (TControl* Control : Controls) Control->SetVisible(Visible);
}
}  // namespace

void TFParGen::Collapse_Expand_Creation() {
  GB_DALI_Visible = true;
  GB_SNMP_Agent_Visible = true;
  for (TLbButton* Button : {Btn_DALI_Collapse, Btn_DALI_Expande, Btn_SNMP_Agent_Collapse, Btn_SNMP_Agent_Expande})
    Button->SetBounds(280, 10, Button->Width(), Button->Height());
  Show_All({Btn_DALI_Collapse, Btn_SNMP_Agent_Collapse}, true);
  Show_All({Btn_DALI_Expande, Btn_SNMP_Agent_Expande}, false);
}

void TFParGen::Move_GroupBoxs() { RePosition_Objects_410(); }

void TFParGen::RePosition_Objects_410() {
  GB_DALI->SetVisible(true);
  GB_DALI->SetBounds(8, 70, GB_DALI->Width(), GB_DALI->Height());
  Show_All({CB_DALI_Disable_Scan, CB_DALI_En_DALI2}, true);
  Show_All({CB_DALI_SwitchOff, E_DALI_TimeOut}, false);
  if (GB_DALI_Visible) GB_DALI->SetHeight(Bottom(CB_DALI_En_DALI2) + Group_Gap);
  GB_SNMP_Agent->SetVisible(true);
  GB_SNMP_Agent->SetBounds(8, Bottom(GB_DALI) + Group_Gap, GB_SNMP_Agent->Width(), GB_SNMP_Agent->Height());
  const int Last_Row_Bottom = Place_Version3_Rows();
  if (GB_SNMP_Agent_Visible) GB_SNMP_Agent->SetHeight(Last_Row_Bottom + Group_Gap);
  Btn_OK->SetTop(Bottom(GB_SNMP_Agent) + Buttons_Gap);
  Btn_Cancel->SetTop(Bottom(GB_SNMP_Agent) + Buttons_Gap);
  SetClientHeight(Bottom(GB_SNMP_Agent) + Window_Margin);
  SetClientWidth(312);
}

// Shows the version-3 rows that the version box and the security level
// call for; answers the bottom of the last row shown.
int TFParGen::Place_Version3_Rows() {
  const std::initializer_list<TControl*> User_Rows{L_SNMP_Agent_User, E_SNMP_Agent_User, L_SNMP_Agent_Secure_Lev,
                                                   CB_SNMP_Agent_Secure_Lev};
  const std::initializer_list<TControl*> Auth_Rows{L_SNMP_Agent_Auth_Pass, E_SNMP_Agent_Auth_Pass,
                                                   L_SNMP_Agent_Auth_Mode, CB_SNMP_Agent_Auth_Mode};
  const std::initializer_list<TControl*> Priv_Rows{L_SNMP_Agent_Priv_Pass, E_SNMP_Agent_Priv_Pass,
                                                   L_SNMP_Agent_Priv_Mode, CB_SNMP_Agent_Priv_Mode};
  Show_All(User_Rows, false);
  Show_All(Auth_Rows, false);
  Show_All(Priv_Rows, false);
  if (!CB_SNMP_Agent_Ver3->Checked()) return Bottom(CB_SNMP_Agent_Ver3);
  Show_All(User_Rows, true);
  const int Level = CB_SNMP_Agent_Secure_Lev->ItemIndex();
  if (Level < 1) return Bottom(CB_SNMP_Agent_Secure_Lev);
  Show_All(Auth_Rows, true);
  if (Level < 2) return Bottom(CB_SNMP_Agent_Auth_Mode);
  Show_All(Priv_Rows, true);
  return Bottom(CB_SNMP_Agent_Priv_Mode);
}

void TFParGen::Btn_GB_Collapse(TObject* Sender) {
  TGroupBox* Group = Sender == Btn_DALI_Collapse ? GB_DALI : GB_SNMP_Agent;
  Group->SetHeight(Folded_Height);
  Set_Folded(Group, true);
}

void TFParGen::Btn_GB_Expande(TObject* Sender) {
  Set_Folded(Sender == Btn_DALI_Expande ? GB_DALI : GB_SNMP_Agent, false);
}

void TFParGen::Set_Folded(TGroupBox* Group, bool Folded) {
  const bool DALI = Group == GB_DALI;
  if (DALI) Show_All({L_DALI_Console_Port, E_DALI_Console_Port}, !Folded);
  else L_SNMP_Agent_IP_Add->SetVisible(!Folded);
  TLbButton* Collapse = DALI ? Btn_DALI_Collapse : Btn_SNMP_Agent_Collapse;
  TLbButton* Expand = DALI ? Btn_DALI_Expande : Btn_SNMP_Agent_Expande;
  // The rows under a folded title are out of sight: Tab passes them by.
  for (int i = 0; i < Group->ControlCount(); ++i)
    if (auto* Control = dynamic_cast<TWinControl*>(Group->Controls(i)); Control && Control != Collapse && Control != Expand)
      Control->SetTabStop(!Folded);
  Collapse->SetVisible(!Folded);
  Expand->SetVisible(Folded);
  (DALI ? GB_DALI_Visible : GB_SNMP_Agent_Visible) = !Folded;
  RePosition_Objects_410();
}
