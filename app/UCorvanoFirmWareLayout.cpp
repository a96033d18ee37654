// The main window's components and their places.
#include "app/Maker.h"
#include "app/UCorvanoFirmWare.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Step_Width = 170;
constexpr int Step_Height = 36;
constexpr int Glyph_Size = 50;
constexpr TColor Hot_Sky_Blue = RGB(166, 202, 240);
constexpr TColor Hot_Yellow = RGB(255, 255, 0);
constexpr int Step_Label_Top[8] = {128, 172, 216, 260, 304, 348, 392, 436};
}  // namespace

TStepButton* TFCorvanoFirmWare::Place_Step_Button(StringView Name, int Left, int Top, TColor HotTrack) {
  TStepButton* Button = Place<TStepButton>(this, this, Name, Left, Top, Step_Width, Step_Height);
  Button->OnClick = [this](TObject* Sender) { Btn_Click(Sender); };
  (void)HotTrack;
  return Button;
}

TStepButton* TFCorvanoFirmWare::Place_Glyph_Button(StringView Name, int Left) {
  TStepButton* Button = Place<TStepButton>(this, this, Name, Left, 8, Glyph_Size, Glyph_Size);
  Button->OnClick = [this](TObject* Sender) { Btn_Click(Sender); };
  return Button;
}

void TFCorvanoFirmWare::Create_Components() {
  L_SW_Code = Place_Label(this, this, u"L_SW_Code", 16, 8);
  L_SW_Desc = Place_Label(this, this, u"L_SW_Desc", 16, 42);
  L_Begin = Place_Label(this, this, u"L_Begin", 16, 84);
  Shape2 = Place<TShape>(this, this, u"Shape2", 80, 70, 348, 36);
  Shape2->Pen()->SetColor(clSilver);
  Shape2->Brush()->SetStyle(bsClear);
  L_Name_Conf = Place_Label(this, this, u"L_Name_Conf", 87, 75);
  L_Name_Conf_L2 = Place_Label(this, this, u"L_Name_Conf_L2", 87, 88);
  Btn_Info = Place_Glyph_Button(u"Btn_Info", 516);
  Btn_Opz = Place_Glyph_Button(u"Btn_Opz", 574);
  Btn_Close = Place_Glyph_Button(u"Btn_Close", 632);
  for (int i = 0; i < 8; ++i) {
    L_Step[i] = Place_Label(this, this, u"L_Step_" + IntToStr(i + 1), 16, Step_Label_Top[i]);
    L_Step[i]->SetVisible(i < 6);
  }
  Btn_New = Place_Step_Button(u"Btn_New", 80, 112, Hot_Sky_Blue);
  Btn_Open = Place_Step_Button(u"Btn_Open", 258, 112, Hot_Sky_Blue);
  Btn_Prm_Gen = Place_Step_Button(u"Btn_Prm_Gen", 80, 156, Hot_Yellow);
  Btn_DALI_Access = Place_Step_Button(u"Btn_DALI_Access", 80, 200, Hot_Yellow);
  Btn_SNMP_Trap = Place_Step_Button(u"Btn_SNMP_Trap", 80, 244, Hot_Yellow);
  Btn_SNMP_Trap->SetCaption(u"Set SNMP Access");
  Btn_SNMP_MIB = Place_Step_Button(u"Btn_SNMP_MIB", 80, 288, Hot_Yellow);
  Btn_SNMP_MIB->SetCaption(u"SNMP MIB");
  Btn_CreateBin = Place_Step_Button(u"Btn_CreateBin", 80, 332, Hot_Sky_Blue);
  Shape1 = Place<TShape>(this, this, u"Shape1", 10, Btn_CreateBin->Top() + 51, 674, 1);
  L_Ostrel = Place_Label(this, this, u"L_Ostrel", 565, L_Step[5]->Top());
  L_Ostrel->SetCaption(String(Maker_Web_Address));
  L_Ostrel->SetCursor(crHandPoint);
  Btn_PROFINET_XML = Place_Step_Button(u"Btn_PROFINET_XML", 258, 156, Hot_Yellow);
  Btn_ModM_SetAccess = Place_Step_Button(u"Btn_ModM_SetAccess", 258, 200, Hot_Yellow);
  Btn_DMX_Default = Place_Step_Button(u"Btn_DMX_Default", 258, 244, Hot_Yellow);
  Btn_Set_BACnet_Access = Place_Step_Button(u"Btn_Set_BACnet_Access", 258, 288, Hot_Yellow);
  Btn_Set_BACnet_Access->SetCaption(u"Set BACnet Access");
  for (TControl* Hidden : {Btn_PROFINET_XML, Btn_ModM_SetAccess, Btn_DMX_Default, Btn_Set_BACnet_Access})
    Hidden->SetVisible(false);
  Timer_Update = new TTimer(this);
  Timer_Update->SetName(u"Timer_Update");
  Timer_Update->SetEnabled(false);
  Timer_Update->SetInterval(60000);
  SetClientWidth(694);
  SetClientHeight(Btn_CreateBin->Top() + 152);
}
