#include "editors/ModbusAccessWindow.h"

#include "app/ProjectFile.h"
#include "controls/button/LbButton.h"
#include "editors/ModbusTables.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Key_Col = 2;
constexpr StringView Read_Name = u"Modbus_Read";
constexpr StringView Write_Name = u"Modbus_Write";

String As_Stored(const TAccessColumn&, const String& Text) { return Text; }

}  // namespace

TFModbusAccess::TFModbusAccess(TComponent* AOwner, TProgramState& AState, const TModbusWindowLook& ALook)
    : TFConfWindow(AOwner, AState, ALook.Window), FLook(ALook) {
  Create_Buttons();
  PageControl1 = Place<TPageControl>(this, this, u"PageControl1", 0, Title_Height, ALook.Window.Client_Width,
                                     ALook.Window.Client_Height - Title_Height - P_Button->Height());
  PageControl1->SetAlign(alClient);
  for (auto [Page, Name] :
       {std::pair{&TS_Modbus_Read, u"TS_Modbus_Read"}, std::pair{&TS_Modbus_Write, u"TS_Modbus_Write"}}) {
    *Page = new TTabSheet(this);
    (*Page)->SetName(Name);
    (*Page)->SetPageControl(PageControl1);
  }
  ACG_Modbus_Read = Place_Grid(TS_Modbus_Read, u"ACG_Modbus_Read", ALook.Read_Columns);
  ACG_Modbus_Write = Place_Grid(TS_Modbus_Write, u"ACG_Modbus_Write", ALook.Write_Columns);
  OnShow = [this](TObject*) { FormShow(); };
}

TAdvColumnGrid* TFModbusAccess::Place_Grid(TTabSheet* Page, StringView Name, std::span<const TAccessColumn> Columns) {
  auto* Grid = Place<TAdvColumnGrid>(this, Page, Name, 0, 0, Page->ClientWidth(), Page->ClientHeight());
  Grid->SetAlign(alClient);
  Set_Access_Grid_Look(*Grid, static_cast<int>(Columns.size()) + 1, Modbus_Rows + 1, true);
  Set_Access_Columns(*Grid, 40, Columns);
  Grid->OnClickCell = [Grid](TObject*, int ARow, int ACol) { ClickCell(*Grid, ARow, ACol); };
  return Grid;
}

void TFModbusAccess::Create_Buttons() {
  P_Button = Place_Button_Panel(this, this);
  Place_Row_Of_Buttons(this, P_Button,
                       {{&Btn_OK, u"Btn_OK"},
                        {&Btn_Cancel, u"Btn_Cancel"},
                        {&Btn_DelRow, u"Btn_DelRow"},
                        {&Btn_InsRow, u"Btn_InsRow"},
                        {&Btn_CopyRow, u"Btn_CopyRow"},
                        {&Btn_PasteRow, u"Btn_PasteRow"}});
  Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_DelRow->OnClick = [this](TObject*) { Btn_DelRowClick(); };
  Btn_InsRow->OnClick = [this](TObject*) { Btn_InsRowClick(); };
  Btn_CopyRow->OnClick = [this](TObject*) { Btn_CopyRowClick(); };
  Btn_PasteRow->OnClick = [this](TObject*) { Btn_PasteRowClick(); };
  Btn_CopyRow->SetCaption(u"Copy Row");
  Btn_PasteRow->SetCaption(u"Paste Row");
}

void TFModbusAccess::FormCreate() {
  ACG_Modbus_Write->HideColumns(FLook.Write_On_Col, FLook.Write_On_Col + 1);
  PageControl1->SetActivePage(TS_Modbus_Read);
  TFConfWindow::FormCreate();
}

void TFModbusAccess::Set_Lang() {
  TFConfWindow::Set_Lang();
  int Text = FLook.Button_Text;
  for (TLbButton* Button : {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow}) Button->SetCaption(State.Text(Text++));
  if (FLook.Copy_Text) {
    Btn_CopyRow->SetCaption(State.Text(FLook.Copy_Text));
    Btn_PasteRow->SetCaption(State.Text(FLook.Copy_Text + 1));
  }
  TS_Modbus_Read->SetText(State.Text(FLook.Tab_Text));
  TS_Modbus_Write->SetText(State.Text(FLook.Tab_Text + 1));
  Set_Access_Headers(State, *ACG_Modbus_Read, FLook.Read_Number_Text, FLook.Read_Columns);
  Set_Access_Headers(State, *ACG_Modbus_Write, FLook.Write_Number_Text, FLook.Write_Columns);
}

void TFModbusAccess::FormShow() {
  Number_Access_Rows(*ACG_Modbus_Read);
  Number_Access_Rows(*ACG_Modbus_Write);
  PageControl1->SetActivePage(TS_Modbus_Read);
  NByte_IN = Modbus_NByte_IN;
  NByte_OUT = Modbus_NByte_OUT;
  Fill_Access_Positions(*ACG_Modbus_Read, FLook.Read_Position_Col, NByte_IN);
  Fill_Access_Positions(*ACG_Modbus_Write, FLook.Write_Position_Col, NByte_OUT);
  // A file that cannot be read raises out of here: the window stays closed
  // rather than offering OK over a file it could not show.
  Load_File();
  Row_Copy.Clear();
}

void TFModbusAccess::Load_File() {
  const TProjectFile File(State.*FLook.File);
  if (!File.Exists()) return;
  const TXmlNode Read = File.Child(Read_Name), Write = File.Child(Write_Name);
  // Every row is looked at before any reaches the tables.
  Require_Access_Attributes(Read, *ACG_Modbus_Read, FLook.Read_Columns, File.FileName());
  Require_Access_Attributes(Write, *ACG_Modbus_Write, FLook.Write_Columns, File.FileName());
  Load_Access_Section(Read, *ACG_Modbus_Read, FLook.Read_Columns, As_Stored);
  Load_Access_Section(Write, *ACG_Modbus_Write, FLook.Write_Columns, As_Stored);
}

void TFModbusAccess::Btn_OKClick() {
  if (!Controllo_dati()) return;
  Save_File();
  SetModalResult(mrOk);
}

void TFModbusAccess::Save_File() const {
  TXMLDocument Document;
  const TXmlNode Root = Document.AddChild(FLook.Root_Name);
  if (!FLook.Comment.empty()) Document.AddComment(FLook.Comment);
  Save_Access_Section(Root, Read_Name, *ACG_Modbus_Read, FLook.Read_Columns, Key_Col, FLook.Saved);
  Save_Access_Section(Root, Write_Name, *ACG_Modbus_Write, FLook.Write_Columns, Key_Col, FLook.Saved);
  Document.SaveToFile(State.*FLook.File);
}

bool TFModbusAccess::Read_Active() const { return PageControl1->ActivePage() == TS_Modbus_Read; }

TAdvColumnGrid& TFModbusAccess::Active_Grid() const { return Read_Active() ? *ACG_Modbus_Read : *ACG_Modbus_Write; }

void TFModbusAccess::Btn_CopyRowClick() { Row_Copy.Copy(State, Active_Grid(), Read_Active()); }

void TFModbusAccess::Btn_PasteRowClick() { Row_Copy.Paste(State, Active_Grid(), Read_Active()); }

void TFModbusAccess::Btn_InsRowClick() { Insert_Row(Active_Grid().Row(), Active_Grid()); }

void TFModbusAccess::Btn_DelRowClick() {
  TAdvColumnGrid& Grid = Active_Grid();
  const int Row = Grid.Row();
  if (MessageDlg(State.Text(FLook.Delete_Text) + IntToStr(Row), mtConfirmation, mbYesNo) == mrYes) Delete_Row(Row, Grid);
}
