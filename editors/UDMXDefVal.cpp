#include "editors/UDMXDefVal.h"

#include "app/ProgramState.h"
#include "app/ProjectFile.h"
#include "controls/button/LbButton.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/Dialogs.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Header_Height = 22;
constexpr TColor Active_Color = 0x00EACAB6;
constexpr TColor Level_Color = 0x00FEFAE0;
constexpr StringView Root_Name = u"DMX_Default_Values";
constexpr StringView Row_Name = u"Row";
constexpr StringView Level_Name = u"Default_Value";
constexpr StringView Mnemonic_Name = u"Mnemonic";

void Set_Grid_Look(TAdvColumnGrid& Grid) {
  Grid.SetColCount(3);
  Grid.SetRowCount(DMX_Default_Channels + 1);
  Grid.SetFixedCols(1);
  Grid.SetFixedRows(1);
  Grid.SetRowHeights(0, Header_Height);
  Grid.SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
                               goColSizing, goEditing});
  Grid.SetScrollBars(ssBoth);
  Grid.SetActiveCellColor(Active_Color);
  Set_Table_Fonts(Grid, u"Verdana");
  const struct {
    int Width;
    TColor Color;
  } Looks[] = {{100, clBtnFace}, {100, Level_Color}, {250, clWhite}};
  for (int Col = 0; Col < 3; ++Col) {
    TGridColumnItem& Item = *Grid.Columns()->Items(Col);
    Item.SetFont(*Grid.Font());
    Item.SetHeaderFont(*Grid.FixedFont());
    Item.SetWidth(Looks[Col].Width);
    if (Col > 0) Item.SetColor(Looks[Col].Color);
  }
  Grid.Columns()->Items(0)->SetFixed(true);
}
}  // namespace

int DMX_Channel_Count(const String& Text) {
  const int Count = StrToIntDef(Text, 0);
  return Count >= 1 && Count <= DMX_Most_Channels ? Count : DMX_Default_Channels;
}

TFDMXDefVal::TFDMXDefVal(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FDMXDefVal", 1300, 1301, 475, 337, bsSizeable}) {
  Place_OK_Cancel(this, P_Button, Btn_OK, Btn_Cancel);
  Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
  ACG_DMX_Def_Val = Place<TAdvColumnGrid>(this, this, u"ACG_DMX_Def_Val", 0, Title_Height, 475,
                                          337 - Title_Height - P_Button->Height());
  ACG_DMX_Def_Val->SetAlign(alClient);
  Set_Grid_Look(*ACG_DMX_Def_Val);
  OnShow = [this](TObject*) { FormShow(); };
  EndLoading();
}

void TFDMXDefVal::Set_Lang() {
  TFConfWindow::Set_Lang();
  Btn_OK->SetCaption(State.Text(1302));
  Btn_Cancel->SetCaption(State.Text(1303));
  for (int Col = 0; Col < 3; ++Col) ACG_DMX_Def_Val->Columns()->Items(Col)->SetHeader(State.Text(1304 + Col));
}

void TFDMXDefVal::FormShow() {
  // Files that cannot be read raise out of here: the window stays closed
  // rather than offering OK over a file it could not show.
  const int Channels = DMX_Channel_Count(TProjectFile(State.File_ParGen).Text(u"DMX_Num_Channels", u""));
  const TProjectFile File(State.File_DMX_Default_Values);
  TAdvColumnGrid& Grid = *ACG_DMX_Def_Val;
  Grid.SetRowCount(Channels + 1);
  for (int Row = 1; Row <= Channels; ++Row) {
    Grid.SetCellEx(0, Row, IntToStr(Row));
    Grid.SetCellEx(1, Row, u"0");
    Grid.SetCellEx(2, Row, String());
  }
  int Row = 1;
  for (TXmlNode Node = File.Root() ? File.Root().FirstChild() : TXmlNode(); Node && Row <= Channels;
       Node = Node.NextSibling()) {
    if (Node.NodeType() != ntElement) continue;
    Grid.SetCellEx(1, Row, Node.HasAttribute(Level_Name) ? Node.Attribute(Level_Name) : String(u"0"));
    Grid.SetCellEx(2, Row, Node.Attribute(Mnemonic_Name));
    ++Row;
  }
}

bool TFDMXDefVal::Controllo_dati() {
  for (int Row = 1; Row < ACG_DMX_Def_Val->RowCount(); ++Row) {
    const int Level = StrToIntDef(ACG_DMX_Def_Val->GetCellEx(1, Row), -1);
    if (Level >= 0 && Level <= 255) continue;
    MessageDlg(State.Text(1307) + IntToStr(Row) + State.Text(1308), mtError, mbOK);
    return false;
  }
  return true;
}

void TFDMXDefVal::Btn_OKClick() {
  if (!Controllo_dati()) return;
  TXMLDocument Document;
  const TXmlNode Root = Document.AddChild(Root_Name);
  for (int Row = 1; Row < ACG_DMX_Def_Val->RowCount(); ++Row) {
    const TXmlNode Node = Root.AddChild(Row_Name);
    Node.SetAttribute(Level_Name, ACG_DMX_Def_Val->GetCellEx(1, Row));
    Node.SetAttribute(Mnemonic_Name, ACG_DMX_Def_Val->GetCellEx(2, Row));
  }
  Document.SaveToFile(State.File_DMX_Default_Values);
  SetModalResult(mrOk);
}
