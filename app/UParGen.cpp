#include "app/UParGen.h"

#include "app/ProgramState.h"
#include "controls/button/LbButton.h"
#include "controls/button/LbGlyphs.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Group_Width = 296;
constexpr int Octet_Width = 60;
constexpr int Octet_Left[4] = {16, 82, 148, 214};
constexpr int Wide_Left = 82;   // edits beside their label
constexpr int Wide_Width = 192;
constexpr int List_Left = 148;  // the port edit and the lists
constexpr int List_Width = 126;
constexpr int Check_Height = 17;
constexpr int Fold_Size = 11;
constexpr int Fold_Glyph = 7;
constexpr TColor Hot_Sky_Blue = RGB(166, 202, 240);
constexpr TColor Glyph_Key = clFuchsia;

// A small triangle on the transparent key: pointing up folds, down unfolds.
std::unique_ptr<TBitmap> Fold_Glyph_Bitmap(bool Collapse) {
  auto Glyph = std::make_unique<TBitmap>(Fold_Glyph, Fold_Glyph);
  TCanvas& C = *Glyph->Canvas();
  C.Brush()->SetColor(Glyph_Key);
  C.FillRect(Rect(0, 0, Fold_Glyph, Fold_Glyph));
  for (int Row = 0; Row < 4; ++Row) {
    const int Y = Collapse ? 2 + Row : 5 - Row;
    for (int X = 3 - Row; X <= 3 + Row; ++X) C.SetPixels(X, Y, clBlack);
  }
  return Glyph;
}
}  // namespace

TFParGen::TFParGen(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FParGen", 400, 401, 312, 400, bsSingle}) {
  Create_DALI_Group();
  Create_SNMP_Agent_Group();
  Create_Buttons();
  OnShow = [this](TObject*) { FormShow(); };
  OnActivate = [this](TObject*) { FormActivate(); };
  EndLoading();
}

void TFParGen::FormCreate() {
  TFConfWindow::FormCreate();
  Collapse_Expand_Creation();
  Move_GroupBoxs();
}

TEdit* TFParGen::Place_Edit(TWinControl* Parent, StringView Name, int Left, int Top, int Width, int Max_Length) {
  TEdit* Edit = Place<TEdit>(this, Parent, Name, Left, Top, Width, 21);
  Edit->SetMaxLength(Max_Length);
  Edit->OnChange = [this](TObject* Sender) { On_Change(Sender); };
  return Edit;
}

TCheckBox* TFParGen::Place_Check(TWinControl* Parent, StringView Name, int Left, int Top, int Width) {
  TCheckBox* Check = Place<TCheckBox>(this, Parent, Name, Left, Top, Width, Check_Height);
  Check->OnClick = [this](TObject* Sender) { On_Click(Sender); };
  return Check;
}

TComboBox* TFParGen::Place_List(StringView Name, int Top, TParGenKind Kind) {
  TComboBox* List = Place<TComboBox>(this, GB_SNMP_Agent, Name, List_Left, Top, List_Width, 22);
  List->SetStyle(csDropDownList);
  std::vector<String> Items;
  for (StringView Item : ParGen_List_Items(Kind)) Items.emplace_back(Item);
  List->Items().Assign(Items);
  List->SetItemIndex(0);
  List->OnChange = [this](TObject* Sender) { On_Change(Sender); };
  return List;
}

TLbButton* TFParGen::Place_Fold_Button(TGroupBox* Group, StringView Name, bool Collapse) {
  TLbButton* Button = ::Place_Button(this, Group, Name, 280, 10, Fold_Size, Fold_Size);
  Button->SetHotTrackColor(Hot_Sky_Blue);
  Button->SetGlyph(Fold_Glyph_Bitmap(Collapse).get());
  if (Collapse) Button->OnClick = [this](TObject* Sender) { Btn_GB_Collapse(Sender); };
  else Button->OnClick = [this](TObject* Sender) { Btn_GB_Expande(Sender); };
  return Button;
}

void TFParGen::Create_DALI_Group() {
  GB_DALI = Place<TGroupBox>(this, this, u"GB_DALI", 8, 70, Group_Width, 124);
  GB_DALI->SetParentColor(true);
  L_DALI_Console_Port = Place_Label(this, GB_DALI, u"L_DALI_Console_Port", 16, 24);
  E_DALI_Console_Port = Place_Edit(GB_DALI, u"E_DALI_Console_Port", List_Left, 21, List_Width);
  CB_DALI_Disable_Scan = Place_Check(GB_DALI, u"CB_DALI_Disable_Scan", 16, 58, 258);
  CB_DALI_En_DALI2 = Place_Check(GB_DALI, u"CB_DALI_En_DALI2", 16, 92, 258);
  CB_DALI_SwitchOff = Place_Check(GB_DALI, u"CB_DALI_SwitchOff", 16, 126, 258);
  CB_DALI_SwitchOff->SetVisible(false);
  E_DALI_TimeOut = Place_Edit(GB_DALI, u"E_DALI_TimeOut", List_Left, 150, List_Width);
  E_DALI_TimeOut->SetVisible(false);
  Btn_DALI_Collapse = Place_Fold_Button(GB_DALI, u"Btn_DALI_Collapse", true);
  Btn_DALI_Expande = Place_Fold_Button(GB_DALI, u"Btn_DALI_Expande", false);
}

std::array<TEdit*, 4> TFParGen::Place_Octets(StringView Name, int Top) {
  std::array<TEdit*, 4> Octets{};
  for (int i = 0; i < 4; ++i) {
    Octets[i] = Place_Edit(GB_SNMP_Agent, String(Name) + IntToStr(i + 1), Octet_Left[i], Top, Octet_Width);
    Octets[i]->OnKeyPress = [this](TObject* Sender, Char& Key) { KeyPress(Sender, Key); };
    if (i == 3) break;
    TLabel* Dot = Place_Label(this, GB_SNMP_Agent, String(Name) + u"Dot" + IntToStr(i + 1),
                              Octet_Left[i] + Octet_Width + 1, Top + 4);
    Dot->SetCaption(u".");
  }
  return Octets;
}

void TFParGen::Create_SNMP_Address_Rows() {
  L_SNMP_Agent_IP_Add = Place_Label(this, GB_SNMP_Agent, u"L_SNMP_Agent_IP_Add", 16, 24);
  E_SNMP_Agent_IP = Place_Octets(u"E_SNMP_Agent_IP", 43);
  L_SNMP_Agent_SM_Add = Place_Label(this, GB_SNMP_Agent, u"L_SNMP_Agent_SM_Add", 16, 79);
  E_SNMP_Agent_SM = Place_Octets(u"E_SNMP_Agent_SM", 98);
  CB_SNMP_Agent_En_Gat = Place_Check(GB_SNMP_Agent, u"CB_SNMP_Agent_En_Gat", 16, 134, 258);
  E_SNMP_Agent_GAT = Place_Octets(u"E_SNMP_Agent_GAT", 154);
  for (std::size_t i = 0; i < 4; ++i) {
    FAddress_Chain[i] = E_SNMP_Agent_IP[i];
    FAddress_Chain[4 + i] = E_SNMP_Agent_SM[i];
    FAddress_Chain[8 + i] = E_SNMP_Agent_GAT[i];
  }
}

void TFParGen::Create_SNMP_Version3_Rows() {
  TGroupBox* G = GB_SNMP_Agent;
  L_SNMP_Agent_User = Place_Label(this, G, u"L_SNMP_Agent_User", 16, 349);
  E_SNMP_Agent_User = Place_Edit(G, u"E_SNMP_Agent_User", Wide_Left, 346, Wide_Width, 19);
  L_SNMP_Agent_Secure_Lev = Place_Label(this, G, u"L_SNMP_Agent_Secure_Lev", 16, 383);
  CB_SNMP_Agent_Secure_Lev = Place_List(u"CB_SNMP_Agent_Secure_Lev", 380, pgSecurityLevel);
  L_SNMP_Agent_Auth_Pass = Place_Label(this, G, u"L_SNMP_Agent_Auth_Pass", 16, 417);
  E_SNMP_Agent_Auth_Pass = Place_Edit(G, u"E_SNMP_Agent_Auth_Pass", Wide_Left, 414, Wide_Width, 15);
  L_SNMP_Agent_Auth_Mode = Place_Label(this, G, u"L_SNMP_Agent_Auth_Mode", 16, 451);
  CB_SNMP_Agent_Auth_Mode = Place_List(u"CB_SNMP_Agent_Auth_Mode", 448, pgAuthMode);
  L_SNMP_Agent_Priv_Pass = Place_Label(this, G, u"L_SNMP_Agent_Priv_Pass", 16, 485);
  E_SNMP_Agent_Priv_Pass = Place_Edit(G, u"E_SNMP_Agent_Priv_Pass", Wide_Left, 482, Wide_Width, 15);
  L_SNMP_Agent_Priv_Mode = Place_Label(this, G, u"L_SNMP_Agent_Priv_Mode", 16, 519);
  CB_SNMP_Agent_Priv_Mode = Place_List(u"CB_SNMP_Agent_Priv_Mode", 516, pgPrivMode);
}

void TFParGen::Create_SNMP_Agent_Group() {
  GB_SNMP_Agent = Place<TGroupBox>(this, this, u"GB_SNMP_Agent", 8, 209, Group_Width, 346);
  GB_SNMP_Agent->SetParentColor(true);
  TGroupBox* G = GB_SNMP_Agent;
  Create_SNMP_Address_Rows();
  L_SNMP_Agent_Name_Of_Station = Place_Label(this, G, u"L_SNMP_Agent_Name_Of_Station", 16, 191);
  E_SNMP_Agent_Name_Of_Station = Place_Edit(G, u"E_SNMP_Agent_Name_Of_Station", 16, 210, 258, 15);
  L_SNMP_Agent_Contact = Place_Label(this, G, u"L_SNMP_Agent_Contact", 16, 247);
  E_SNMP_Agent_Contact = Place_Edit(G, u"E_SNMP_Agent_Contact", Wide_Left, 244, Wide_Width, 16);
  L_SNMP_Agent_Location = Place_Label(this, G, u"L_SNMP_Agent_Location", 16, 281);
  E_SNMP_Agent_Location = Place_Edit(G, u"E_SNMP_Agent_Location", Wide_Left, 278, Wide_Width, 16);
  L_SNMP_Agent_Version = Place_Label(this, G, u"L_SNMP_Agent_Version", 16, 315);
  CB_SNMP_Agent_Ver1 = Place_Check(G, u"CB_SNMP_Agent_Ver1", Wide_Left, 314, Octet_Width);
  CB_SNMP_Agent_Ver2 = Place_Check(G, u"CB_SNMP_Agent_Ver2", 148, 314, Octet_Width);
  CB_SNMP_Agent_Ver3 = Place_Check(G, u"CB_SNMP_Agent_Ver3", 214, 314, Octet_Width);
  CB_SNMP_Agent_Ver1->SetCaption(u"1");
  CB_SNMP_Agent_Ver2->SetCaption(u"2");
  CB_SNMP_Agent_Ver3->SetCaption(u"3");
  Create_SNMP_Version3_Rows();
  Btn_SNMP_Agent_Collapse = Place_Fold_Button(G, u"Btn_SNMP_Agent_Collapse", true);
  Btn_SNMP_Agent_Expande = Place_Fold_Button(G, u"Btn_SNMP_Agent_Expande", false);
  FBound = {E_SNMP_Agent_IP[0],       E_SNMP_Agent_IP[1],       E_SNMP_Agent_IP[2],
            E_SNMP_Agent_IP[3],       E_SNMP_Agent_SM[0],       E_SNMP_Agent_SM[1],
            E_SNMP_Agent_SM[2],       E_SNMP_Agent_SM[3],       E_SNMP_Agent_GAT[0],
            E_SNMP_Agent_GAT[1],      E_SNMP_Agent_GAT[2],      E_SNMP_Agent_GAT[3],
            CB_SNMP_Agent_En_Gat,     E_SNMP_Agent_Name_Of_Station, E_SNMP_Agent_Contact,
            E_SNMP_Agent_Location,    CB_SNMP_Agent_Ver1,       CB_SNMP_Agent_Ver2,
            CB_SNMP_Agent_Ver3,       E_SNMP_Agent_User,        CB_SNMP_Agent_Secure_Lev,
            E_SNMP_Agent_Auth_Pass,   CB_SNMP_Agent_Auth_Mode,  E_SNMP_Agent_Priv_Pass,
            CB_SNMP_Agent_Priv_Mode,  E_DALI_Console_Port,      CB_DALI_SwitchOff,
            E_DALI_TimeOut,           CB_DALI_Disable_Scan,     CB_DALI_En_DALI2};
}

TLbButton* TFParGen::Place_Button(StringView Name, int Left, const char16_t* Glyph_Name) {
  TLbButton* Button = ::Place_Button(this, this, Name, Left, 0, 112, 28);
  const auto Glyph = LoadLbBitmap(Glyph_Name);
  Button->SetGlyph(Glyph.get());
  return Button;
}

void TFParGen::Create_Buttons() {
  Btn_OK = Place_Button(u"Btn_OK", 71, u"LBOK");
  Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
  Btn_Cancel = Place_Button(u"Btn_Cancel", 192, u"LBCANCEL");
  Btn_Cancel->OnClick = [this](TObject*) { Btn_CancelClick(); };
}

void TFParGen::Set_Lang() {
  TFConfWindow::Set_Lang();
  const auto Put = [this](TControl* Control, int Caption, int Hint) {
    if (Caption) Control->SetCaption(State.Text(Caption));
    if (Hint) Control->SetHint(State.Text(Hint));
  };
  Put(GB_DALI, 463, 0);
  Put(L_DALI_Console_Port, 464, 0);
  Put(E_DALI_Console_Port, 0, 465);
  Put(CB_DALI_Disable_Scan, 1290, 1291);
  Put(CB_DALI_En_DALI2, 1292, 1293);
  Put(GB_SNMP_Agent, 1800, 0);
  Put(L_SNMP_Agent_IP_Add, 1801, 0);
  Put(L_SNMP_Agent_SM_Add, 1802, 0);
  Put(CB_SNMP_Agent_En_Gat, 1803, 435);
  for (std::size_t i = 0; i < 4; ++i) {
    const int n = static_cast<int>(i);
    Put(E_SNMP_Agent_IP[i], 0, 427 + n);
    Put(E_SNMP_Agent_SM[i], 0, 431 + n);
    Put(E_SNMP_Agent_GAT[i], 0, 436 + n);
  }
  Put(L_SNMP_Agent_Name_Of_Station, 1804, 0);
  Put(E_SNMP_Agent_Name_Of_Station, 0, 1805);
  Put(L_SNMP_Agent_Contact, 1806, 0);
  Put(E_SNMP_Agent_Contact, 0, 1807);
  Put(L_SNMP_Agent_Location, 1808, 0);
  Put(E_SNMP_Agent_Location, 0, 1809);
  Put(L_SNMP_Agent_Version, 1810, 0);
  Put(CB_SNMP_Agent_Ver1, 0, 1811);
  Put(CB_SNMP_Agent_Ver2, 0, 1812);
  Put(CB_SNMP_Agent_Ver3, 0, 1813);
  Put(L_SNMP_Agent_User, 1814, 0);
  Put(E_SNMP_Agent_User, 0, 1815);
  Put(L_SNMP_Agent_Secure_Lev, 1816, 0);
  Put(CB_SNMP_Agent_Secure_Lev, 0, 1817);
  Put(L_SNMP_Agent_Auth_Pass, 1818, 0);
  Put(E_SNMP_Agent_Auth_Pass, 0, 1819);
  Put(L_SNMP_Agent_Auth_Mode, 1820, 0);
  Put(CB_SNMP_Agent_Auth_Mode, 0, 1821);
  Put(L_SNMP_Agent_Priv_Pass, 1822, 0);
  Put(E_SNMP_Agent_Priv_Pass, 0, 1823);
  Put(L_SNMP_Agent_Priv_Mode, 1824, 0);
  Put(CB_SNMP_Agent_Priv_Mode, 0, 1825);
  for (TControl* Fold : {Btn_DALI_Collapse, Btn_SNMP_Agent_Collapse}) Put(Fold, 0, 409);
  for (TControl* Fold : {Btn_DALI_Expande, Btn_SNMP_Agent_Expande}) Put(Fold, 0, 410);
  Put(Btn_OK, 402, 425);
  Put(Btn_Cancel, 403, 426);
}
