// The main window's components and their places.
#include "app/Maker.h"
#include "shell/UCorvanoFirmWare.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Step_Width = 170;
constexpr int Step_Height = 36;
constexpr int Glyph_Size = 50;
constexpr TColor Hot_Sky_Blue = RGB(166, 202, 240);
constexpr TColor Light_Grey = RGB(128, 128, 128);
constexpr TColor Glyph_Caption = RGB(51, 51, 51);
constexpr int Step_Label_Top[8] = {128, 172, 216, 260, 304, 348, 392, 436};

// Every button of the window: window colour face, orange while pressed.
TStepButton* Look(TStepButton* Button, TLbButtonStyle Style, TColor HotTrack, TMainGlyph Glyph) {
  Button->SetStyle(Style);
  Button->SetColor(Window_Color);
  Button->SetHotTrackColor(HotTrack);
  Button->SetColorWhenDown(Pressed_Orange);
  Button->SetLightColor(Light_Grey);
  TBitmap Bitmap;
  Load_Main_Glyph(Glyph, Bitmap);
  Button->SetGlyph(&Bitmap);
  return Button;
}
}  // namespace

TStepButton* TFCorvanoFirmWare::Place_Step_Button(StringView Name, int Left, int Top, TColor HotTrack,
                                                  TMainGlyph Glyph) {
  TStepButton* Button = Place<TStepButton>(this, this, Name, Left, Top, Step_Width, Step_Height);
  Look(Button, bsEncarta, HotTrack, Glyph)->SetAlignment(taLeftJustify);
  Button->OnClick = [this](TObject* Sender) { Btn_Click(Sender); };
  return Button;
}

TStepButton* TFCorvanoFirmWare::Place_Glyph_Button(StringView Name, int Left, TMainGlyph Glyph) {
  TStepButton* Button = Place<TStepButton>(this, this, Name, Left, 8, Glyph_Size, Glyph_Size);
  Look(Button, bsNormal, Hot_Yellow, Glyph)->Font()->SetColor(Glyph_Caption);
  Button->OnClick = [this](TObject* Sender) { Btn_Click(Sender); };
  return Button;
}

void TFCorvanoFirmWare::Create_Components() {
  L_SW_Code = Place_Label(this, this, u"L_SW_Code", 16, 8, {}, 24);
  L_SW_Desc = Place_Label(this, this, u"L_SW_Desc", 16, 42, {fsBold});
  L_Begin = Place_Label(this, this, u"L_Begin", 16, 84, {fsBold});
  Shape2 = Place<TShape>(this, this, u"Shape2", 80, 70, 348, 36);
  Shape2->Pen()->SetColor(clSilver);
  Shape2->Brush()->SetStyle(bsClear);
  L_Name_Conf = Place_Label(this, this, u"L_Name_Conf", 87, 75);
  L_Name_Conf_L2 = Place_Label(this, this, u"L_Name_Conf_L2", 87, 88);
  Btn_Info = Place_Glyph_Button(u"Btn_Info", 516, mgInfo);
  Btn_Opz = Place_Glyph_Button(u"Btn_Opz", 574, mgOptions);
  Btn_Close = Place_Glyph_Button(u"Btn_Close", 632, mgClose);
  for (int i = 0; i < 8; ++i) {
    L_Step[i] = Place_Label(this, this, u"L_Step_" + IntToStr(i + 1), 16, Step_Label_Top[i], {fsBold});
    L_Step[i]->SetVisible(i < 6);
  }
  Btn_New = Place_Step_Button(u"Btn_New", 80, 112, Hot_Sky_Blue, mgNew);
  Btn_Open = Place_Step_Button(u"Btn_Open", 258, 112, Hot_Sky_Blue, mgOpen);
  Btn_Prm_Gen = Place_Step_Button(u"Btn_Prm_Gen", 80, 156, Hot_Yellow);
  Btn_Prm_Gen->SetStyle(bsNormal);
  Btn_DALI_Access = Place_Step_Button(u"Btn_DALI_Access", 80, 200, Hot_Yellow);
  Btn_SNMP_Trap = Place_Step_Button(u"Btn_SNMP_Trap", 80, 244, Hot_Yellow);
  Btn_SNMP_Trap->SetCaption(u"Set SNMP Access");
  Btn_SNMP_MIB = Place_Step_Button(u"Btn_SNMP_MIB", 80, 288, Hot_Yellow);
  Btn_SNMP_MIB->SetCaption(u"SNMP MIB");
  Btn_CreateBin = Place_Step_Button(u"Btn_CreateBin", 80, 332, Hot_Sky_Blue);
  Shape1 = Place<TShape>(this, this, u"Shape1", 10, Btn_CreateBin->Top() + 51, 674, 1);
  L_Ostrel = Place_Label(this, this, u"L_Ostrel", 565, L_Step[5]->Top(), {fsBold});
  L_Ostrel->SetCaption(String(Maker_Web_Address));
  L_Ostrel->SetCursor(crHandPoint);
  Btn_PROFINET_XML = Place_Step_Button(u"Btn_PROFINET_XML", 258, 156, Hot_Yellow);
  Btn_ModM_SetAccess = Place_Step_Button(u"Btn_ModM_SetAccess", 258, 200, Hot_Yellow);
  Btn_DMX_Default = Place_Step_Button(u"Btn_DMX_Default", 258, 244, Hot_Yellow);
  Btn_Set_BACnet_Access = Place_Step_Button(u"Btn_Set_BACnet_Access", 258, 288, Hot_Yellow);
  Btn_Set_BACnet_Access->SetCaption(u"Set BACnet Access");
  LL_Update = Place<TLinkLabel>(this, this, u"LL_Update", 208, 19, 300, 17);
  I_Brellis = Place<TImage>(this, this, u"I_Brellis", 516, 70, 166, 36);
  for (TControl* Hidden : std::initializer_list<TControl*>{Btn_PROFINET_XML, Btn_ModM_SetAccess, Btn_DMX_Default,
                                                           Btn_Set_BACnet_Access, LL_Update, I_Brellis})
    Hidden->SetVisible(false);
  Timer_Update = new TTimer(this);
  Timer_Update->SetName(u"Timer_Update");
  Timer_Update->SetEnabled(false);
  Timer_Update->SetInterval(First_Update_Check);
  SaveMIB = new TSaveDialog(this);
  SaveMIB->SetName(u"SaveMIB");
  SaveMIB->SetFilter(u"Management Information Base (*.mib)|*.mib");
  SaveMIB->SetDefaultExt(u"mib");
  SetClientWidth(694);
  SetClientHeight(Btn_CreateBin->Top() + 152);
}
