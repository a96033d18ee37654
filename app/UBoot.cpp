#include "app/UBoot.h"

#include "app/AddressHelpers.h"
#include "app/ProgramState.h"
#include "app/StartProgram.h"
#include "app/UpdateParameterFile.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Timers.h"
#include "platform/net/IcmpEcho.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/Files.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Client_Width = 449;
constexpr int Address_Height = 49;
constexpr int Options_Height = 72;
constexpr int Button_Panel_Height = 40;
constexpr int Client_Height = Title_Height + Address_Height + Options_Height + Button_Panel_Height;
constexpr int Edit_Lefts[4] = {35, 91, 147, 203};
constexpr int Edit_Width = 41;
constexpr int Update_Button_Width = 170;
constexpr unsigned Echo_Timeout = 400;
constexpr std::uint64_t Ping_Limit = 5000;
constexpr int Answers_Needed = 2;

TPanel* Place_Band(TComponent* Owner, TWinControl* Form, StringView Name, int Top, int Height) {
  TPanel* Panel = Place<TPanel>(Owner, Form, Name, 0, Top, Client_Width, Height);
  Panel->SetAlign(alTop);
  Panel->SetBevelOuter(bvNone);
  Panel->SetParentColor(true);
  return Panel;
}
}  // namespace

TFBoot::TFBoot(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FBoot", 802, 803, Client_Width, Client_Height, bsSingle}) {
  Create_Address_Panel();
  Create_Options_Panel();
  Create_Button_Panel();
  OnShow = [this](TObject*) { FormShow(); };
  EndLoading();
}

void TFBoot::Create_Address_Panel() {
  P_IP_Address = Place_Band(this, this, u"P_IP_Address", Title_Height, Address_Height);
  L_IP_Address = Place_Label(this, P_IP_Address, u"L_IP_Address", 16, 4);
  TEdit** Edits[] = {&E_IP1, &E_IP2, &E_IP3, &E_IP4};
  for (int i = 0; i < 4; ++i) {
    const String Number = IntToStr(i + 1);
    TEdit* Edit = Place<TEdit>(this, P_IP_Address, u"E_IP" + Number, Edit_Lefts[i], 21, Edit_Width, 21);
    Edit->SetText(u"0");
    Edit->OnKeyPress = [this](TObject* Sender, Char& Key) { KeyPress(Sender, Key); };
    *Edits[i] = Edit;
    if (i < 3) Place_Label(this, P_IP_Address, u"L_Dot" + Number, Edit_Lefts[i] + Edit_Width + 5, 25)->SetCaption(u".");
  }
}

void TFBoot::Create_Options_Panel() {
  P_Options = Place_Band(this, this, u"P_Options", Title_Height + Address_Height, Options_Height);
  L_Update_Option = Place_Label(this, P_Options, u"L_Update_Option", 16, 4);
  CB_Update_Options = Place<TComboBox>(this, P_Options, u"CB_Update_Options", 35, 21, 209, 21);
  CB_Update_Options->SetStyle(csDropDownList);
  CB_Update_Option_Read_Back = Place<TCheckBox>(this, P_Options, u"CB_Update_Option_Read_Back", 35, 48, 209, 17);
}

void TFBoot::Create_Button_Panel() {
  P_Button = Place_Button_Panel(this, this);
  Btn_Cancel = Place_Button(this, P_Button, u"Btn_Cancel", 16, 6);
  Btn_Cancel->SetModalResult(mrCancel);
  // Wider than Cancel: room for its longer caption.
  Btn_Update = Place_Button(this, P_Button, u"Btn_Update", 132, 6, Update_Button_Width);
  Btn_Update->OnClick = [this](TObject*) { Btn_UpdateClick(); };
}

void TFBoot::Set_Lang() {
  TFConfWindow::Set_Lang();
  L_IP_Address->SetCaption(State.Text(806));
  const auto Edits = Address_Edits();
  for (int i = 0; i < 4; ++i) Edits[i]->SetHint(State.Text(821 + i));
  L_Update_Option->SetCaption(State.Text(814));
  CB_Update_Options->Items().Assign({State.Text(815), State.Text(816), State.Text(817)});
  CB_Update_Options->SetItemIndex(0);
  CB_Update_Options->SetHint(State.Text(832));
  CB_Update_Option_Read_Back->SetCaption(State.Text(818));
  CB_Update_Option_Read_Back->SetHint(State.Text(833));
  Btn_Cancel->SetCaption(State.Text(819));
  Btn_Cancel->SetHint(State.Text(834));
  Btn_Update->SetCaption(State.Text(820));
  Btn_Update->SetHint(State.Text(835));
}

void TFBoot::FormShow() {
  Set_Lang();
  L_SW_Code->SetCaption(State.SW_Code);
  SetClientWidth(Client_Width);
  SetClientHeight(Client_Height);
  String Parts[4];
  if (!State.Last_IP_Address.empty() &&
      Split_IP_Address(State.Last_IP_Address, Parts[0], Parts[1], Parts[2], Parts[3])) {
    const auto Edits = Address_Edits();
    for (int i = 0; i < 4; ++i) Edits[i]->SetText(Parts[i]);
  }
  CB_Update_Options->SetItemIndex(State.Update_Option_Index);
  CB_Update_Option_Read_Back->SetChecked(State.Update_Read_Back);
  if (E_IP1->CanFocus()) SetActiveControl(E_IP1);
}

void TFBoot::KeyPress(TObject* Sender, Char& Key) {
  if (Key != u'.') return;
  Key = 0;
  const auto Edits = Address_Edits();
  for (int i = 0; i < 3; ++i)
    if (Sender == Edits[i] && Edits[i + 1]->CanFocus()) Edits[i + 1]->SetFocus();
}

String TFBoot::Address_Text() const {
  return E_IP1->Text() + u"." + E_IP2->Text() + u"." + E_IP3->Text() + u"." + E_IP4->Text();
}

void TFBoot::PingReply(const TEchoResult& Reply) { ping_res = Reply.BytesReceived > 0 ? 1 : 2; }

bool TFBoot::Send_Ping() {
  ping_res = 0;
  const String Host = Address_Text();
  // A name would be looked up on this thread and might reach some other host.
  std::array<std::uint8_t, 4> Bytes;
  if (!ParseDottedQuad(Host, Bytes)) return false;
  const AnsiString Data = StringToAnsi(Host);
  const std::uint64_t t0 = GetTickCount64();
  int Answered = 0;
  do {
    const TEchoResult Reply = IcmpEchoService().Echo(Host, Data, Echo_Timeout);
    if (Reply.Status == esFailed) return false;
    PingReply(Reply);
    if (ping_res == 1) ++Answered;
    // Repaints and input between the attempts.
    Application->ProcessMessages();
  } while (Answered < Answers_Needed && GetTickCount64() - t0 <= Ping_Limit);
  return ping_res == 1;
}

bool TFBoot::Ping_Guarded() {
  // Nothing the user does during the echo may start a second update or
  // close the window under it: the buttons are off and a close is dropped.
  FPinging = true;
  Btn_Update->SetEnabled(false);
  Btn_Cancel->SetEnabled(false);
  const bool Answered = Send_Ping();
  Btn_Update->SetEnabled(true);
  Btn_Cancel->SetEnabled(true);
  SetModalResult(mrNone);
  FPinging = false;
  return Answered;
}

void TFBoot::Compile_XML_Parameter_New_Boot() { Write_Update_Parameter_File(State); }

void TFBoot::Btn_UpdateClick() {
  if (Form_Type != 1 || FPinging) return;
  // The choices as they were when Update was pressed.
  const String Address = Address_Text();
  const int Option = CB_Update_Options->ItemIndex();
  const bool Read_Back = CB_Update_Option_Read_Back->Checked();
  if (!Ping_Guarded()) {
    if (ping_res == 2) MessageDlg(State.Text(836), mtWarning, mbOK);
    else MessageDlg(State.Text(837), mtError, mbOK);
    return;
  }
  State.Last_IP_Address = Address;
  State.Update_Option_Index = Option;
  State.Update_Read_Back = Read_Back;
  Compile_XML_Parameter_New_Boot();
  Start_Program(Join(State.Program_Dir, String(Update_Program_Name)), false);
}
