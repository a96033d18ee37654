#include "editors/USNMP_Trap_Access.h"

#include "app/ProgramState.h"
#include "app/TableRowHelpers.h"
#include "controls/button/LbButton.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/ComCtrls.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Name_Length = 15;
constexpr TColor Enable_Color = 0x00B0D8FF;
constexpr TColor Name_Color = 0x00FEFAE0;
constexpr TColor Trap_Color = 0x00A8FFA8;
constexpr TColor Place_Color = 0x00F4D6FC;
constexpr TColor Size_Color = 0x00A8FFFF;
constexpr TColor Desc_Color = 0x00FFD5D5;
constexpr TColor IP_Color = 0x00E4E4C9;

void Community_Items(TStrings& Items) {
  for (StringView Name : {u"Vantor", u"Morlend"}) Items.Add(String(Name));
}
void Type_Items(TStrings& Items) {
  for (StringView Type : {u"Int", u"String"}) Items.Add(String(Type));
}
void Bit_Items(TStrings& Items) {
  for (int Bit = 0; Bit < 8; ++Bit) Items.Add(IntToStr(Bit));
}
void Conversion_Items(TStrings& Items) {
  for (StringView Conversion : SNMP_Conversions) Items.Add(String(Conversion));
}

// The Position lists are filled on showing.
constexpr TAccessColumn Read_Columns[] = {
    {u"Enable", 1917, 1939, 50, edDataCheckBox, nullptr, Enable_Color, 0, u"Y"},
    {u"Community_Name", 1918, 1940, 130, edComboEdit, Community_Items, Name_Color, Name_Length, u""},
    {u"Type", 1919, 1941, 60, edComboList, Type_Items, Name_Color, 0, u""},
    {u"On_Change", 1920, 1942, 75, edDataCheckBox, nullptr, Trap_Color, 0, u"N"},
    {u"On_Command", 1921, 1943, 50, edDataCheckBox, nullptr, Trap_Color, 0, u"N"},
    {u"On_Timer", 1922, 1944, 60, edDataCheckBox, nullptr, Trap_Color, 0, u"N"},
    {u"Time", 1923, 1945, 65, edNormal, nullptr, Trap_Color, 0, u""},
    {u"Position", 1924, 1946, 60, edComboList, nullptr, Place_Color, 0, u""},
    {u"Bit", 1925, 1947, 60, edComboList, Bit_Items, Place_Color, 0, u""},
    {u"NumBits", 1926, 1948, 95, edNormal, nullptr, Size_Color, 0, u""},
    {u"Description", 1927, 1949, 130, edNormal, nullptr, Desc_Color, Name_Length, u""},
    {u"IP_Address", 1928, 1950, 120, edNormal, nullptr, IP_Color, 0, u""},
    {u"Conversion", 1981, 1983, 100, edComboList, Conversion_Items, Enable_Color, 0, u"None"},
    {u"Mnemonic", 1929, 1951, 130, edNormal, nullptr, clWhite, 0, u""},
};

constexpr TAccessColumn Write_Columns[] = {
    {u"Enable", 1931, 1952, 50, edDataCheckBox, nullptr, Enable_Color, 0, u"Y"},
    {u"Community_Name", 1932, 1953, 130, edComboEdit, Community_Items, Name_Color, Name_Length, u""},
    {u"Type", 1933, 1954, 60, edComboList, Type_Items, Name_Color, 0, u""},
    {u"Position", 1934, 1955, 60, edComboList, nullptr, Place_Color, 0, u""},
    {u"Bit", 1935, 1956, 60, edComboList, Bit_Items, Place_Color, 0, u""},
    {u"NumBits", 1936, 1957, 95, edNormal, nullptr, Size_Color, 0, u""},
    {u"Description", 1937, 1958, 130, edNormal, nullptr, Desc_Color, Name_Length, u""},
    {u"Conversion", 1982, 1984, 100, edComboList, Conversion_Items, Enable_Color, 0, u"None"},
    {u"Mnemonic", 1938, 1959, 500, edNormal, nullptr, clWhite, 0, u""},
};

// Header cells from column 1 show their column's hint; no other cell has one.
void Header_Hint(const TStringList& Hints, int ARow, int ACol, String& Hint) {
  Hint = ARow == 0 && ACol >= 1 && ACol - 1 < Hints.Count() ? Hints.Strings(ACol - 1) : String();
}
}  // namespace

std::span<const TAccessColumn> SNMP_Read_Columns() { return Read_Columns; }
std::span<const TAccessColumn> SNMP_Write_Columns() { return Write_Columns; }

TFSNMP_Trap_Access::TFSNMP_Trap_Access(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FSNMP_Trap_Access", 1900, 1901, 1256, 337, bsSizeable}) {
  Create_Buttons();
  PageControl1 = Place<TPageControl>(this, this, u"PageControl1", 0, Title_Height, 1256,
                                     337 - Title_Height - P_Button->Height());
  PageControl1->SetAlign(alClient);
  PageControl1->SetShowHint(true);
  for (auto [Page, Name] : {std::pair{&TS_SNMP_Read, u"TS_SNMP_Read"}, std::pair{&TS_SNMP_Write, u"TS_SNMP_Write"}}) {
    *Page = new TTabSheet(this);
    (*Page)->SetName(Name);
    (*Page)->SetPageControl(PageControl1);
  }
  ACG_SNMP_Read = Place_Grid(TS_SNMP_Read, u"ACG_SNMP_Read", Read_Columns);
  ACG_SNMP_Write = Place_Grid(TS_SNMP_Write, u"ACG_SNMP_Write", Write_Columns);
  ACG_SNMP_Read->OnGridHint = [this](TObject*, int ARow, int ACol, String& Hint) {
    Header_Hint(Hint_SNMP_Read, ARow, ACol, Hint);
  };
  ACG_SNMP_Write->OnGridHint = [this](TObject*, int ARow, int ACol, String& Hint) {
    Header_Hint(Hint_SNMP_Write, ARow, ACol, Hint);
  };
  OnShow = [this](TObject*) { FormShow(); };
  EndLoading();
}

TAdvColumnGrid* TFSNMP_Trap_Access::Place_Grid(TTabSheet* Page, StringView Name,
                                              std::span<const TAccessColumn> Columns) {
  auto* Grid = Place<TAdvColumnGrid>(this, Page, Name, 0, 0, Page->ClientWidth(), Page->ClientHeight());
  Grid->SetAlign(alClient);
  Set_Access_Grid_Look(*Grid, static_cast<int>(Columns.size()) + 1, SNMP_Trap_Rows + 1,
                       Columns.size() == std::size(Read_Columns));
  Grid->SetHintShowCells(true);
  Set_Access_Columns(*Grid, 40, Columns);
  Grid->OnKeyPress = [this, Grid](TObject*, Char& Key) { Grid_Enter_Next_Cell(State, *Grid, Key); };
  Grid->OnDblClickCell = [this, Grid](TObject*, int ARow, int ACol) { Grid_Auto_Size_Column(State, *Grid, ARow, ACol); };
  Grid->OnCheckBoxClick = [Grid](TObject*, int ACol, int, bool) {
    if (ACol == 1) Index_Row_Build(*Grid);
  };
  return Grid;
}

void TFSNMP_Trap_Access::Create_Buttons() {
  P_Button = Place_Button_Panel(this, this);
  Btn_OK = Place_Button(this, P_Button, u"Btn_OK", 16, 6);
  Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
  Btn_Cancel = Place_Button(this, P_Button, u"Btn_Cancel", 134, 6);
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_DelRow = Place_Button(this, P_Button, u"Btn_DelRow", 252, 6);
  Btn_DelRow->OnClick = [this](TObject*) { Btn_DelRowClick(); };
  Btn_InsRow = Place_Button(this, P_Button, u"Btn_InsRow", 370, 6);
  Btn_InsRow->OnClick = [this](TObject*) { Btn_InsRowClick(); };
  Btn_CopyRow = Place_Button(this, P_Button, u"Btn_CopyRow", 488, 6);
  Btn_CopyRow->OnClick = [this](TObject*) { Btn_CopyRowClick(); };
  Btn_PasteRow = Place_Button(this, P_Button, u"Btn_PasteRow", 606, 6);
  Btn_PasteRow->OnClick = [this](TObject*) { Btn_PasteRowClick(); };
}

void TFSNMP_Trap_Access::FormCreate() {
  PageControl1->SetActivePage(TS_SNMP_Read);
  TFConfWindow::FormCreate();
}

void TFSNMP_Trap_Access::Set_Lang() {
  TFConfWindow::Set_Lang();
  int Text = 1902;
  for (TLbButton* Button : {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow}) {
    Button->SetCaption(State.Text(Text));
    Button->SetHint(State.Text(Text + 8));
    ++Text;
  }
  TS_SNMP_Read->SetText(State.Text(1908));
  TS_SNMP_Write->SetText(State.Text(1909));
  Set_Access_Headers(State, *ACG_SNMP_Read, 1916, Read_Columns, &Hint_SNMP_Read);
  Set_Access_Headers(State, *ACG_SNMP_Write, 1930, Write_Columns, &Hint_SNMP_Write);
}

void TFSNMP_Trap_Access::Index_Row_Build(TAdvColumnGrid& Grid) {
  int Counter = 1;
  for (int Row = 1; Row < Grid.RowCount(); ++Row)
    Grid.SetCellEx(0, Row, UpperCase(Grid.GetCellEx(1, Row)) == u"Y" ? IntToStr(Counter++) : String());
}
