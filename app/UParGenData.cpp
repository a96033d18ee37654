// Set Communication: loading ParGen.xml into the window, the checks, saving
// and cancelling, and the keys of the address edits.
#include <algorithm>

#include "app/ProgramState.h"
#include "app/UParGen.h"
#include "platform/gui/Dialogs.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Not_A_Number = -1;

struct TRangeCheck {
  const TEdit* Edit;
  int Min;
  int Max;
  int Message;
};

bool In_Range(const TRangeCheck& Check, int Value) { return Value >= Check.Min && Value <= Check.Max; }

void Put_Value(TControl* Control, TParGenKind Kind, const String& Value) {
  if (auto* Edit = dynamic_cast<TEdit*>(Control)) Edit->SetText(Value);
  else if (auto* Check = dynamic_cast<TCheckBox*>(Control)) Check->SetChecked(Value == u"1");
  else if (auto* List = dynamic_cast<TComboBox*>(Control)) List->SetItemIndex(ParGen_List_Index(Kind, Value));
}

String Value_Of(const TControl* Control) {
  if (auto* Check = dynamic_cast<const TCheckBox*>(Control)) return Check->Checked() ? u"1" : u"0";
  return Control->Text();  // an edit's text, a list's displayed item
}
}  // namespace

void TFParGen::FormShow() {
  Load_Values(Read_ParGen(State.File_ParGen));
  Is_Change = false;
  Move_GroupBoxs();
}

void TFParGen::FormActivate() {
  if (Top() < 0) SetTop(0);
}

void TFParGen::Load_Values(const TParGenValues& Values) {
  for (std::size_t i = 0; i < ParGen_Element_Count; ++i) Put_Value(FBound[i], ParGen_Elements[i].Kind, Values[i]);
}

TParGenValues TFParGen::Saved_Values() const {
  TParGenValues Values;
  for (std::size_t i = 0; i < ParGen_Element_Count; ++i) Values[i] = Value_Of(FBound[i]);
  return Values;
}

bool TFParGen::Controllo_Dati() {
  std::vector<TRangeCheck> Checks{{E_DALI_Console_Port, 0, 65535, 466}};
  for (std::size_t i = 0; i < 4; ++i) Checks.push_back({E_SNMP_Agent_IP[i], 0, 255, 1826 + static_cast<int>(i)});
  for (std::size_t i = 0; i < 4; ++i) Checks.push_back({E_SNMP_Agent_SM[i], 0, 255, 1830 + static_cast<int>(i)});
  if (CB_SNMP_Agent_En_Gat->Checked())
    for (std::size_t i = 0; i < 4; ++i) Checks.push_back({E_SNMP_Agent_GAT[i], 0, 255, 1834 + static_cast<int>(i)});
  // The kept time-out is checked although the window does not show it.
  if (CB_DALI_SwitchOff->Checked()) Checks.push_back({E_DALI_TimeOut, 0, 3600000, 557});
  for (const TRangeCheck& Check : Checks) {
    const int Value = StrToIntDef(Check.Edit->Text(), Not_A_Number);
    const bool Reserved_Port = Check.Edit == E_DALI_Console_Port && Value == 10000;
    if (In_Range(Check, Value) && !Reserved_Port) continue;
    MessageDlg(State.Text(Check.Message), mtError, mbOK);
    return false;
  }
  return true;
}

void TFParGen::Btn_OKClick() {
  if (!Controllo_Dati()) return;
  Write_ParGen(Saved_Values(), State.File_ParGen);
  SetModalResult(mrOk);
}

void TFParGen::Btn_CancelClick() {
  if (Is_Change && MessageDlg(State.Text(424), mtConfirmation, mbYesNo) != mrYes) return;
  SetModalResult(mrCancel);
}

void TFParGen::On_Change(TObject* Sender) {
  Is_Change = true;
  if (Sender == CB_SNMP_Agent_Secure_Lev) Move_GroupBoxs();
}

void TFParGen::On_Click(TObject* Sender) {
  Is_Change = true;
  if (Sender == CB_SNMP_Agent_Ver3) Move_GroupBoxs();
}

void TFParGen::KeyPress(TObject* Sender, Char& Key) {
  if (Key != u'.') return;
  Key = 0;
  const auto At = std::find(FAddress_Chain.begin(), FAddress_Chain.end(), Sender);
  if (At == FAddress_Chain.end() || At + 1 == FAddress_Chain.end()) return;
  if ((*(At + 1))->CanFocus()) (*(At + 1))->SetFocus();
}
