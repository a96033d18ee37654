#include "editors/UBACnetAccess.h"

#include "app/ProgramState.h"
#include "app/TableRowHelpers.h"
#include "editors/AccessRowButtons.h"
#include "controls/button/LbButton.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr TColor Enable_Color = 0x00B0D8FF;
constexpr TColor Object_Color = 0x00FEFAE0;
constexpr TColor Dest_Color = 0x00FFD5D5;
constexpr TColor Timer_Color = 0x00A8FFA8;
constexpr TColor Error_Color = 0x00A8FFFF;
constexpr TColor Place_Color = 0x00F4D6FC;
constexpr int Narrow_Screen = 1271;
constexpr int NByte_Col = 6;

void Add_All(TStrings& Items, std::initializer_list<StringView> Texts) {
  for (StringView Text : Texts) Items.Add(String(Text));
}
void Read_Object_Items(TStrings& Items) {
  Add_All(Items, {u"Accumulator", u"Multi-State Input", u"Multi-State Output", u"Multi-State Value", u"Analog Input",
                  u"Analog Output", u"Analog Value", u"Binary Input", u"Binary Output", u"Binary Value",
                  u"Integer Value", u"Large Analog Value", u"Positive Integer Value", u"Life Safety Point",
                  u"Life Safety Zone"});
}
void Write_Object_Items(TStrings& Items) {
  Add_All(Items, {u"Multi-State Output", u"Multi-State Value", u"Analog Output", u"Analog Value", u"Binary Output",
                  u"Binary Value", u"Integer Value", u"Large Analog Value", u"Positive Integer Value"});
}
void Read_Property_Items(TStrings& Items) {
  Add_All(Items, {u"Present Value (85)", u"Object Identifier (75)", u"Units (117)", u"Scale (187)", u"PreScale (185)",
                  u"Polarity (84)", u"Event State (36)", u"Status Flags (111)", u"Object Type (79)",
                  u"Number of States (74)"});
}
void Write_Property_Items(TStrings& Items) { Add_All(Items, {u"Present Value (85)"}); }
void Data_Type_Items(TStrings& Items) {
  Add_All(Items, {u"Null", u"Boolean", u"Unsigned Int", u"Signed Int", u"Real", u"Double", u"Octet String",
                  u"Character String", u"Bit String", u"Enumerated", u"Date", u"Time", u"Object ID"});
}
void Length_Items(TStrings& Items) {
  Add_All(Items, {u"1", u"2", u"6"});
  for (int M = 1; M <= 8; ++M) Items.Add(u"M" + IntToStr(M));
}
void Position_Items(TStrings& Items) {
  for (int Device = 0; Device < 64; ++Device) Items.Add(u"Device " + IntToStr(Device));
  for (int Group = 1; Group <= 16; ++Group) Items.Add(u"Group " + IntToStr(Group));
  Items.Add(u"Broadcast");
}
void Bit_Items(TStrings& Items) {
  for (int Bit = 0; Bit < 8; ++Bit) Items.Add(IntToStr(Bit));
}
void Read_Conversion_Items(TStrings& Items) {
  Add_All(Items, {u"None", u"Float to Int", u"(Float to Int) * 10", u"(Float to Int) * 100"});
}
void Write_Conversion_Items(TStrings& Items) {
  Add_All(Items, {u"None", u"Int to Float", u"(Int to Float) / 10", u"(Int to Float) / 100"});
}

constexpr TAccessColumn Read_Columns[] = {
    {u"Enable", 1490, 0, 45, edDataCheckBox, nullptr, Enable_Color, 0, u"Y"},
    {u"IP_Address_Slave_ID", 1409, 0, 90, edNormal, nullptr, Object_Color, 0, u""},
    {u"Object_Type", 1411, 0, 125, edComboEdit, Read_Object_Items, Object_Color, 0, u""},
    {u"Instance", 1412, 0, 56, edNormal, nullptr, Object_Color, 0, u""},
    {u"Property", 1413, 0, 115, edComboEdit, Read_Property_Items, Object_Color, 0, u""},
    {u"NumByte", 1414, 0, 45, edNormal, nullptr, Object_Color, 0, u""},
    {u"Enable_Destination", 1462, 0, 50, edDataCheckBox, nullptr, Dest_Color, 0, u"N"},
    {u"Destination_Network", 1463, 0, 45, edNormal, nullptr, Dest_Color, 0, u""},
    {u"Destination_Length", 1464, 0, 45, edComboList, Length_Items, Dest_Color, 0, u""},
    {u"Destination_Address", 1465, 0, 60, edNormal, nullptr, Dest_Color, 0, u""},
    {u"PollTime", 1415, 0, 58, edNormal, nullptr, Timer_Color, 0, u""},
    {u"MaxError", 1416, 0, 50, edNormal, nullptr, Error_Color, 0, u""},
    {u"Position", 1417, 0, 112, edComboList, Position_Items, Place_Color, 0, u""},
    {u"StartBit", 1418, 0, 56, edComboList, Bit_Items, Place_Color, 0, u""},
    {u"Swap", 1460, 0, 38, edDataCheckBox, nullptr, Enable_Color, 0, u"N"},
    {u"ConvertFrom", 1480, 0, 115, edComboList, Read_Conversion_Items, Enable_Color, 0, u"None"},
    {u"Mnemonic", 1419, 0, 345, edNormal, nullptr, clWhite, 0, u""},
};

constexpr TAccessColumn Write_Columns[] = {
    {u"Enable", 1491, 0, 45, edDataCheckBox, nullptr, Enable_Color, 0, u"Y"},
    {u"IP_Address_Slave_ID", 1421, 0, 90, edNormal, nullptr, Object_Color, 0, u""},
    {u"Object_Type", 1423, 0, 125, edComboEdit, Write_Object_Items, Object_Color, 0, u""},
    {u"Data_Type", 1424, 0, 100, edComboList, Data_Type_Items, Object_Color, 0, u""},
    {u"Instance", 1425, 0, 56, edNormal, nullptr, Object_Color, 0, u""},
    {u"Property", 1426, 0, 100, edComboEdit, Write_Property_Items, Object_Color, 0, u""},
    {u"Priority", 1427, 0, 56, edNormal, nullptr, Object_Color, 0, u""},
    {u"NumByte", 1428, 0, 45, edNormal, nullptr, Object_Color, 0, u""},
    {u"Enable_Destination", 1466, 0, 50, edDataCheckBox, nullptr, Dest_Color, 0, u"N"},
    {u"Destination_Network", 1467, 0, 45, edNormal, nullptr, Dest_Color, 0, u""},
    {u"Destination_Length", 1468, 0, 45, edComboList, Length_Items, Dest_Color, 0, u""},
    {u"Destination_Address", 1469, 0, 60, edNormal, nullptr, Dest_Color, 0, u""},
    {u"OnChange", 1429, 0, 55, edDataCheckBox, nullptr, Timer_Color, 0, u"N"},
    {u"OnTimer", 1430, 0, 45, edDataCheckBox, nullptr, Timer_Color, 0, u"N"},
    {u"PollTime", 1431, 0, 58, edNormal, nullptr, Timer_Color, 0, u""},
    {u"MaxError", 1432, 0, 50, edNormal, nullptr, Error_Color, 0, u""},
    {u"Position", 1433, 0, 56, edComboList, nullptr, Place_Color, 0, u""},
    {u"StartBit", 1434, 0, 56, edComboList, Bit_Items, Place_Color, 0, u""},
    {u"Swap", 1461, 0, 38, edDataCheckBox, nullptr, Enable_Color, 0, u"N"},
    {u"ConvertFrom", 1481, 0, 115, edComboList, Write_Conversion_Items, Enable_Color, 0, u"None"},
    {u"Mnemonic", 1435, 0, 66, edNormal, nullptr, clWhite, 0, u""},
};
}  // namespace

std::span<const TAccessColumn> BACnet_Read_Columns() { return Read_Columns; }
std::span<const TAccessColumn> BACnet_Write_Columns() { return Write_Columns; }

TFBACnetAccess::TFBACnetAccess(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FBACnetAccess", 1400, 1401, 1000, 337, bsSizeable}) {
  Create_Buttons();
  PageControl1 = Place<TPageControl>(this, this, u"PageControl1", 0, Title_Height, 1000,
                                     337 - Title_Height - P_Button->Height());
  PageControl1->SetAlign(alClient);
  PageControl1->SetShowHint(true);
  for (auto [Page, Name] :
       {std::pair{&TS_BACnet_Read, u"TS_BACnet_Read"}, std::pair{&TS_BACnet_Write, u"TS_BACnet_Write"}}) {
    *Page = new TTabSheet(this);
    (*Page)->SetName(Name);
    (*Page)->SetPageControl(PageControl1);
  }
  ACG1 = Place_Grid(TS_BACnet_Read, u"ACG1", Read_Columns);
  ACG2 = Place_Grid(TS_BACnet_Write, u"ACG2", Write_Columns);
  // The byte count a read row's object and property take, on its NByte cell.
  ACG1->OnGridHint = [this](TObject*, int ARow, int ACol, String& Hint) {
    Hint = ARow >= 1 && ACol == NByte_Col ? Str_Hint_Read(ACG1->GetCellEx(3, ARow), ACG1->GetCellEx(5, ARow))
                                          : String();
  };
  ACG2->OnGridHint = [](TObject*, int, int, String& Hint) { Hint = String(); };
  OD_EDE_File = new TOpenDialog(this);
  OD_EDE_File->SetName(u"OD_EDE_File");
  OD_EDE_File->SetFilter(u"BACnet EDE File (*.csv)|*.csv");
  OnShow = [this](TObject*) { FormShow(); };
  EndLoading();
}

TAdvColumnGrid* TFBACnetAccess::Place_Grid(TTabSheet* Page, StringView Name, std::span<const TAccessColumn> Columns) {
  auto* Grid = Place<TAdvColumnGrid>(this, Page, Name, 0, 0, Page->ClientWidth(), Page->ClientHeight());
  Grid->SetAlign(alClient);
  Set_Access_Grid_Look(*Grid, static_cast<int>(Columns.size()) + 1, BACnet_Rows + 1, true);
  Set_Access_Columns(*Grid, 32, Columns);
  Grid->OnKeyPress = [this, Grid](TObject*, Char& Key) { Grid_Enter_Next_Cell(State, *Grid, Key); };
  Grid->OnDblClickCell = [this, Grid](TObject*, int ARow, int ACol) { Grid_Auto_Size_Column(State, *Grid, ARow, ACol); };
  return Grid;
}

void TFBACnetAccess::Create_Buttons() {
  P_Button = Place_Button_Panel(this, this);
  Place_Row_Of_Buttons(this, P_Button,
                       {{&Btn_OK, u"Btn_OK"},
                        {&Btn_Cancel, u"Btn_Cancel"},
                        {&Btn_DelRow, u"Btn_DelRow"},
                        {&Btn_InsRow, u"Btn_InsRow"},
                        {&Btn_CopyRow, u"Btn_CopyRow"},
                        {&Btn_PasteRow, u"Btn_PasteRow"},
                        {&Btn_Import_CSV, u"Btn_Import_CSV"}});
  Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_DelRow->OnClick = [this](TObject*) { Btn_DelRowClick(); };
  Btn_InsRow->OnClick = [this](TObject*) { Btn_InsRowClick(); };
  Btn_CopyRow->OnClick = [this](TObject*) { Btn_CopyRowClick(); };
  Btn_PasteRow->OnClick = [this](TObject*) { Btn_PasteRowClick(); };
  Btn_Import_CSV->OnClick = [this](TObject*) { Btn_Import_CSVClick(); };
  Btn_CopyRow->SetCaption(u"Copy Row");
  Btn_PasteRow->SetCaption(u"Paste Row");
}

void TFBACnetAccess::FormCreate() {
  TFConfWindow::FormCreate();
  SetClientWidth(Screen->Width() < Narrow_Screen ? 1000 : 1305);
  TS_BACnet_Write->SetTabVisible(false);
  ACG1->HideColumns(14, 16);
  OD_EDE_File->SetInitialDir(State.EDE_Last_Dir);
  PageControl1->SetActivePage(TS_BACnet_Read);
}

void TFBACnetAccess::Set_Lang() {
  TFConfWindow::Set_Lang();
  int Text = 1402;
  for (TLbButton* Button : {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow}) Button->SetCaption(State.Text(Text++));
  Btn_Import_CSV->SetCaption(State.Text(1459));
  TS_BACnet_Read->SetText(State.Text(1406));
  TS_BACnet_Write->SetText(State.Text(1407));
  Set_Access_Headers(State, *ACG1, 1408, Read_Columns);
  Set_Access_Headers(State, *ACG2, 1420, Write_Columns);
}

int TFBACnetAccess::Key_Col() const { return App_BACnet_Type == 0 || App_BACnet_Type == 1 ? 2 : 3; }

bool TFBACnetAccess::Read_Active() const { return PageControl1->ActivePage() == TS_BACnet_Read; }

TAdvColumnGrid& TFBACnetAccess::Active_Grid() const { return Read_Active() ? *ACG1 : *ACG2; }

void TFBACnetAccess::Btn_CopyRowClick() { Row_Copy.Copy(State, Active_Grid(), Read_Active()); }

void TFBACnetAccess::Btn_PasteRowClick() { Row_Copy.Paste(State, Active_Grid(), Read_Active()); }

void TFBACnetAccess::Btn_InsRowClick() { Access_Insert_Row(Active_Grid()); }

void TFBACnetAccess::Btn_DelRowClick() { Access_Delete_Row(State, Active_Grid(), 1436); }
