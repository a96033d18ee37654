#include "app/USoftOptions.h"

#include "app/MakerSite.h"
#include "app/ProgramState.h"
#include "app/VersionCheck.h"
#include "platform/gui/Shell.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Client_Width = 509;
constexpr int Client_Height = 373;
constexpr int Check_Box_Width = 470;
constexpr int Check_Box_Height = 17;
}  // namespace

TFSoftOptions::TFSoftOptions(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FSoftOptions", 300, 301, Client_Width, Client_Height, bsSingle}) {
  Place_OK_Cancel(this, P_Button, Btn_OK, Btn_Cancel);
  Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
  PC_Options = Place<TPageControl>(this, this, u"PC_Options", 0, Title_Height, Client_Width,
                                   Client_Height - Title_Height - P_Button->Height());
  PC_Options->SetAlign(alClient);
  Create_Language_Page();
  Create_Connection_Page();
  Create_Settings_Page();
  OnShow = [this](TObject*) { FormShow(); };
  EndLoading();
}

TTabSheet* TFSoftOptions::Place_Page(StringView Name) {
  auto* Page = new TTabSheet(this);
  Page->SetName(String(Name));
  Page->SetPageControl(PC_Options);
  return Page;
}

TCheckBox* TFSoftOptions::Place_Check_Box(TWinControl* Page, StringView Name, int Left, int Top) {
  auto* Box = Place<TCheckBox>(this, Page, Name, Left, Top, Check_Box_Width - Left, Check_Box_Height);
  Box->OnClick = [this](TObject*) { Update_CheckBox(); };
  return Box;
}

void TFSoftOptions::Create_Language_Page() {
  TS_Language = Place_Page(u"TS_Language");
  L_Sel_Lang = Place_Label(this, TS_Language, u"L_Sel_Lang", 12, 11);
  const TPoint Flags[6] = {{24, 40}, {26, 94}, {24, 148}, {254, 40}, {254, 94}, {254, 148}};
  const TPoint Names[6] = {{80, 56}, {80, 110}, {80, 164}, {310, 56}, {310, 110}, {310, 164}};
  for (int k = 0; k < 6; ++k) {
    const String Slot = IntToStr(k + 1);
    I_L[k] = Place<TImage>(this, TS_Language, u"I_L" + Slot, Flags[k].X, Flags[k].Y, 48, 48);
    I_L[k]->SetTransparent(true);
    L_L[k] = Place_Label(this, TS_Language, u"L_L" + Slot, Names[k].X, Names[k].Y);
    for (TControl* Control : {static_cast<TControl*>(I_L[k]), static_cast<TControl*>(L_L[k])}) {
      Control->SetCursor(crHandPoint);
      Control->OnClick = [this](TObject* Sender) { LangClick(Sender); };
    }
  }
  L_Page_Lang = Place_Label(this, TS_Language, u"L_Page_Lang", 220, 212);
  Btn_Prev = Place_Button(this, TS_Language, u"Btn_Prev", 12, 204, 110, 25);
  Btn_Next = Place_Button(this, TS_Language, u"Btn_Next", 379, 205, 110, 25);
  Btn_Next->SetLayout(blGlyphRight);
  for (TLbButton* Button : {Btn_Prev, Btn_Next})
    Button->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };
}

void TFSoftOptions::Create_Connection_Page() {
  TS_Con_Options = Place_Page(u"TS_Con_Options");
  CB_En_Con = Place_Check_Box(TS_Con_Options, u"CB_En_Con", 16, 16);
  CB_Update = Place_Check_Box(TS_Con_Options, u"CB_Update", 40, 44);
  Btn_Check_Update = Place_Button(this, TS_Con_Options, u"Btn_Check_Update", 16, 80, 220, 28);
  Btn_Check_Update->OnClick = [this](TObject*) { Btn_Check_UpdateClick(); };
  LL_Check_Update = Place<TLinkLabel>(this, TS_Con_Options, u"LL_Check_Update", 16, 124, Check_Box_Width, 17);
  LL_Check_Update->OnLinkClick = [](TObject*, const String& Link, TSysLinkType) { ShellOpen(Link); };
}

void TFSoftOptions::Create_Settings_Page() {
  TS_Soft_Settings = Place_Page(u"TS_Soft_Settings");
  CB_Soft_Set_Jump_Table = Place_Check_Box(TS_Soft_Settings, u"CB_Soft_Set_Jump_Table", 16, 16);
  CB_DoubleClick_Auto_Size = Place_Check_Box(TS_Soft_Settings, u"CB_DoubleClick_Auto_Size", 16, 44);
}

void TFSoftOptions::FormCreate() {
  TFConfWindow::FormCreate();
  TS_Con_Options->SetTabVisible(true);
}

void TFSoftOptions::Set_Lang() {
  TFConfWindow::Set_Lang();
  TS_Language->SetCaption(State.Text(302));
  TS_Con_Options->SetCaption(State.Text(303));
  TS_Soft_Settings->SetCaption(State.Text(319));
  L_Sel_Lang->SetCaption(State.Text(304));
  L_Page_Lang->SetCaption(State.Text(305) + u"1" + State.Text(306) + u"1");
  const std::pair<TControl*, int> Captions[] = {
      {Btn_Prev, 307},  {Btn_Next, 308},   {Btn_Check_Update, 311},       {Btn_OK, 312},
      {Btn_Cancel, 313}, {CB_En_Con, 309}, {CB_Update, 310},              {CB_Soft_Set_Jump_Table, 320},
      {CB_DoubleClick_Auto_Size, 321}};
  for (const auto& [Control, Text] : Captions) Control->SetCaption(State.Text(Text));
}

void TFSoftOptions::FormShow() {
  Language_In_Use = State.Language;
  Create_Lang_List();
  LL_Check_Update->Hide();
  PC_Options->SetActivePage(TS_Language);
  CB_En_Con->SetChecked(State.Enable_Internet);
  CB_Update->SetChecked(State.Enable_Update);
  CB_Soft_Set_Jump_Table->SetChecked(State.Enable_Jump);
  CB_DoubleClick_Auto_Size->SetChecked(State.Enable_Auto_Size);
  Update_CheckBox();
}

// Unchecking the connection keeps the update's check mark but disables it.
void TFSoftOptions::Update_CheckBox() {
  CB_Update->SetEnabled(CB_En_Con->Checked());
  Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

void TFSoftOptions::Btn_OKClick() {
  State.Language = Language_In_Use;
  State.Enable_Internet = CB_En_Con->Checked();
  State.Enable_Update = CB_Update->Checked();
  State.Enable_Jump = CB_Soft_Set_Jump_Table->Checked();
  State.Enable_Auto_Size = CB_DoubleClick_Auto_Size->Checked();
  SetModalResult(mrOk);
}

bool TFSoftOptions::Check_Version() { return Query_Update_Service(State.SW_Code) == vcNewer; }

void TFSoftOptions::Btn_Check_UpdateClick() {
  LL_Check_Update->SetCaption(Check_Version() ? Download_Link(State.Text(314)) : State.Text(315));
  LL_Check_Update->Show();
}
