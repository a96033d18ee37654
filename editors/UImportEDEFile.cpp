#include "editors/UImportEDEFile.h"

#include <cstdint>

#include "app/AddressHelpers.h"
#include "app/ProgramState.h"
#include "controls/button/LbButton.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Header_Height = 22;
constexpr int Import_Col = 1, Read_Col = 2, Write_Col = 3;

struct TListColumn {
  int Width;
  TEditorType Editor;
  bool Read_Only;
};

constexpr TListColumn List_Columns[] = {
    {32, edNormal, true},          {50, edDataCheckBox, false}, {40, edDataCheckBox, false},
    {40, edDataCheckBox, false}, {150, edNormal, true},         {85, edNormal, true},
    {60, edNormal, true},          {150, edNormal, true},         {90, edDataCheckBox, true},
};

String YN(bool Set) { return Set ? u"Y" : u"N"; }
}  // namespace

TFImportEDEFile::TFImportEDEFile(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FImportEDEFile", 1600, 1601, 863, 337, bsSizeable}) {
  P_Button = Place_Button_Panel(this, this);
  const std::pair<TLbButton**, StringView> Buttons[] = {{&Btn_OK, u"Btn_OK"},
                                                        {&Btn_Cancel, u"Btn_Cancel"},
                                                        {&Btn_Select_All, u"Btn_Select_All"},
                                                        {&Btn_Unselect_All, u"Btn_Unselect_All"}};
  int Left = 16;
  for (auto [Button, Name] : Buttons) {
    *Button = Place_Button(this, P_Button, Name, Left, 6);
    Left += 118;
  }
  Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_Select_All->OnClick = [this](TObject*) { Btn_Select_AllClick(); };
  Btn_Unselect_All->OnClick = [this](TObject*) { Btn_Unselect_AllClick(); };
  Btn_Select_All->SetCaption(u"Select All");
  Btn_Unselect_All->SetCaption(u"Unselect All");
  P_ID_IP = Place<TPanel>(this, this, u"P_ID_IP", 0, Title_Height, 863, 22);
  P_ID_IP->SetAlign(alTop);
  P_ID_IP->SetBevelOuter(bvNone);
  P_ID_IP->SetParentColor(true);
  LID_IP = Place_Label(this, P_ID_IP, u"LID_IP", 16, 4);
  E_ID_IP = Place<TEdit>(this, P_ID_IP, u"E_ID_IP", 300, 0, 135, 22);
  Create_Grid();
  OnShow = [this](TObject*) { FormShow(); };
  EndLoading();
}

void TFImportEDEFile::Create_Grid() {
  ACG = Place<TAdvColumnGrid>(this, this, u"ACG", 0, Title_Height + 22, 863, 200);
  ACG->SetAlign(alClient);
  ACG->SetColCount(static_cast<int>(std::size(List_Columns)));
  ACG->SetRowCount(2);
  ACG->SetFixedCols(1);
  ACG->SetFixedRows(1);
  ACG->SetRowHeights(0, Header_Height);
  ACG->SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
                               goColSizing, goEditing});
  ACG->SetScrollBars(ssBoth);
  Set_Table_Fonts(*ACG, u"Verdana");
  for (int Col = 0; Col < static_cast<int>(std::size(List_Columns)); ++Col) {
    const TListColumn& Look = List_Columns[Col];
    TGridColumnItem& Item = *ACG->Columns()->Items(Col);
    Item.SetFont(*ACG->Font());
    Item.SetHeaderFont(*ACG->FixedFont());
    Item.SetWidth(Look.Width);
    Item.SetEditor(Look.Editor);
    Item.SetReadOnly(Look.Read_Only);
    Item.SetAlignment(Look.Editor == edDataCheckBox ? taCenter : taLeftJustify);
  }
  ACG->Columns()->Items(0)->SetFixed(true);
  ACG->OnCheckBoxClick = [this](TObject*, int ACol, int ARow, bool) { ACGCheckBoxClick(ACol, ARow); };
}

void TFImportEDEFile::Set_Lang() {
  TFConfWindow::Set_Lang();
  Btn_OK->SetCaption(State.Text(1602));
  Btn_Cancel->SetCaption(State.Text(1603));
  for (int Col = 0; Col < ACG->AllColCount(); ++Col) ACG->Columns()->Items(Col)->SetHeader(State.Text(1604 + Col));
  LID_IP->SetCaption(State.Text(1615));
}

String TFImportEDEFile::Address() const { return E_ID_IP->Text(); }

void TFImportEDEFile::FormShow() {
  for (int Row = 1; Row < ACG->RowCount(); ++Row)
    for (int Col = 0; Col < ACG->AllColCount(); ++Col) ACG->SetCellEx(Col, Row, String());
  // The window is not shown yet: the edit takes the focus as it activates.
  SetActiveControl(E_ID_IP);
  List_EDE_Var.clear();
  // A file that cannot be read raises out of here: the dialog stays closed.
  List_EDE_Var = Load_EDE_File(EDE_File);
  Show_Data_in_Grid();
}

void TFImportEDEFile::Show_Data_in_Grid() {
  ACG->SetRowCount(std::max<int>(2, static_cast<int>(List_EDE_Var.size()) + 1));
  for (int Col = 0; Col < ACG->AllColCount(); ++Col) ACG->SetCellEx(Col, 1, String());
  int Row = 1;
  for (const TBACnet_Var& Var : List_EDE_Var) {
    const String Cells[] = {IntToStr(Row),          YN(Var.import),          YN(Var.read),
                            YN(Var.write),          Var.object_name,         IntToStr(Var.object_type),
                            IntToStr(Var.object_instance), Var.description, YN(Var.commandable)};
    for (int Col = 0; Col < static_cast<int>(std::size(Cells)); ++Col) ACG->SetCellEx(Col, Row, Cells[Col]);
    ++Row;
  }
}

void TFImportEDEFile::ACGCheckBoxClick(int ACol, int ARow) {
  if (ARow < 1 || ARow > static_cast<int>(List_EDE_Var.size())) return;
  TBACnet_Var& Var = List_EDE_Var[static_cast<std::size_t>(ARow - 1)];
  const bool Set = ACG->GetCellEx(ACol, ARow) == u"Y";
  if (ACol == Write_Col && Set && !Var.commandable) {
    MessageDlg(State.Text(1613) + IntToStr(ARow) + State.Text(1614), mtError, mbOK);
    ACG->SetCellEx(ACol, ARow, u"N");
    return;
  }
  if (ACol == Import_Col) Var.import = Set;
  if (ACol == Read_Col) Var.read = Set;
  if (ACol == Write_Col) Var.write = Set;
}

void TFImportEDEFile::Select_All(bool Import) {
  for (std::size_t k = 0; k < List_EDE_Var.size(); ++k) {
    List_EDE_Var[k].import = Import;
    ACG->SetCellEx(Import_Col, static_cast<int>(k) + 1, YN(Import));
  }
  ACG->Invalidate();
}

void TFImportEDEFile::Btn_OKClick() {
  const String Text = Address();
  int Failure = 0;
  if (App_BACnet_Type == 0) {
    std::uint8_t B1, B2, B3, B4;
    if (IP_To_Bytes(Text, B1, B2, B3, B4)) Failure = 1616;
  } else if (App_BACnet_Type == 1) {
    int ID = 0;
    if (!TryStrToInt(Text, ID) || ID < 0 || ID > 254) Failure = 1617;
  }
  if (Failure) {
    MessageDlg(State.Text(Failure), mtError, mbOK);
    return;
  }
  SetModalResult(mrOk);
}
