#include "editors/UDALI_Access.h"

#include "app/ProgramState.h"
#include "controls/button/LbButton.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Menus.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Header_Height = 22;
constexpr int Group_Rows = 17;
constexpr int Device_Rows_Text = 609;  // + row: the row's caption
constexpr int Group_Rows_Text = 767;   // + row

struct TColumnLook {
  int Header_Text;
  int Width;
  TEditorType Editor;
  bool Read_Only;
  std::initializer_list<StringView> Items;
  TPopupMenu* TFDALI_Access::*Menu;
};

void Set_Grid_Look(TAdvColumnGrid& Grid, int Cols, int Rows) {
  Grid.SetColCount(Cols);
  Grid.SetRowCount(Rows);
  Grid.SetFixedCols(0);
  Grid.SetFixedRows(1);
  Grid.SetRowHeights(0, Header_Height);
  Grid.SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
                               goColSizing, goEditing});
  Grid.SetScrollBars(ssBoth);
  Set_Table_Fonts(Grid, u"Tahoma");
}

void Set_Columns(TFDALI_Access& Window, TAdvColumnGrid& Grid, std::initializer_list<TColumnLook> Looks) {
  int Col = 0;
  for (const TColumnLook& Look : Looks) {
    TGridColumnItem& Item = *Grid.Columns()->Items(Col++);
    Item.SetFont(*Grid.Font());
    Item.SetHeaderFont(*Grid.FixedFont());
    Item.SetWidth(Look.Width);
    Item.SetEditor(Look.Editor);
    Item.SetReadOnly(Look.Read_Only);
    Item.SetAlignment(Look.Editor == edDataCheckBox ? taCenter : taLeftJustify);
    for (StringView Text : Look.Items) Item.ComboItems()->Add(String(Text));
    if (Look.Menu) Item.SetColumnPopup(Window.*Look.Menu);
  }
}

void Set_Headers(const TProgramState& State, TAdvColumnGrid& Grid, int First_Text) {
  for (int Col = 0; Col < Grid.AllColCount(); ++Col) Grid.Columns()->Items(Col)->SetHeader(State.Text(First_Text + Col));
}

void Set_Row_Captions(const TProgramState& State, TAdvColumnGrid& Grid, int Text_Base) {
  for (int Row = 1; Row < Grid.RowCount(); ++Row) Grid.SetCellEx(0, Row, State.Text(Text_Base + Row));
}

}  // namespace

TFDALI_Access::TFDALI_Access(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FDALI_Access", 600, 601, 880, 496, bsSizeable}) {
  L_NBI_Title = Place_Label(this, P_Title, u"L_NBI_Title", 640, 12);
  L_NBI_Value = Place_Label(this, P_Title, u"L_NBI_Value", 760, 12);
  L_NBO_Title = Place_Label(this, P_Title, u"L_NBO_Title", 640, 36);
  L_NBO_Value = Place_Label(this, P_Title, u"L_NBO_Value", 760, 36);
  L_NBI_Value->SetCaption(u"132");
  L_NBO_Value->SetCaption(u"0");
  Create_Menus();
  Create_Buttons();
  PDALI = Place<TPanel>(this, this, u"PDALI", 0, Title_Height, 880, 387);
  PDALI->SetAlign(alClient);
  PDALI->SetBevelOuter(bvNone);
  PDALI->SetParentColor(true);
  Create_Group_Grid();
  Create_Device_Grid();
  SD_DALI_Maps = new TSaveDialog(this);
  SD_DALI_Maps->SetName(u"SD_DALI_Maps");
  SD_DALI_Maps->SetFilter(u"Comma-separated value (CSV file)|*.csv");
  OnShow = [this](TObject*) { FormShow(); };
  EndLoading();
}

void TFDALI_Access::FormCreate() {
  Init_Form_Type();
  TFConfWindow::FormCreate();
}

void TFDALI_Access::Init_Form_Type() {
  ACG_DALI_Device->HideColumns(2, 5);
  SetClientWidth(880);
  for (TLabel* Label : {L_NBI_Title, L_NBI_Value, L_NBO_Title, L_NBO_Value}) Label->SetVisible(false);
  Splitter1->SetVisible(false);
  PDaliGroupBroad->SetVisible(false);
}

void TFDALI_Access::Create_Device_Grid() {
  PDaliDevice = Place<TPanel>(this, PDALI, u"PDaliDevice", 0, 0, 880, 285);
  PDaliDevice->SetAlign(alClient);
  PDaliDevice->SetBevelOuter(bvNone);
  ACG_DALI_Device = Place<TAdvColumnGrid>(this, PDaliDevice, u"ACG_DALI_Device", 0, 0, 880, 285);
  ACG_DALI_Device->SetAlign(alClient);
  Set_Grid_Look(*ACG_DALI_Device, 6, DALI_Device_Count + 1);
  Set_Columns(*this, *ACG_DALI_Device,
              {{758, 200, edNormal, true, {}, nullptr},
               {759, 90, edDataCheckBox, false, {}, nullptr},
               {760, 190, edNormal, true, {}, nullptr},
               {761, 190, edComboList, false, {Dimming_Modes[0], Dimming_Modes[1]}, &TFDALI_Access::PM_Dimming_Mode},
               {762, 90, edDataCheckBox, false, {}, &TFDALI_Access::PM_MinMax_Value},
               {763, 190, edComboList, false, {Recall_Levels[0], Recall_Levels[1], Recall_Levels[2]},
                &TFDALI_Access::PM_Recall_Level}});
}

void TFDALI_Access::Create_Group_Grid() {
  PDaliGroupBroad = Place<TPanel>(this, PDALI, u"PDaliGroupBroad", 0, 288, 880, 99);
  PDaliGroupBroad->SetAlign(alBottom);
  PDaliGroupBroad->SetBevelOuter(bvNone);
  Splitter1 = Place<TPanel>(this, PDALI, u"Splitter1", 0, 285, 880, 3);
  Splitter1->SetAlign(alBottom);
  Splitter1->SetBevelOuter(bvNone);
  ACG_DALI_GroupBroad = Place<TAdvColumnGrid>(this, PDaliGroupBroad, u"ACG_DALI_GroupBroad", 0, 0, 880, 99);
  ACG_DALI_GroupBroad->SetAlign(alClient);
  Set_Grid_Look(*ACG_DALI_GroupBroad, 4, Group_Rows + 1);
  Set_Columns(*this, *ACG_DALI_GroupBroad,
              {{764, 290, edNormal, true, {}, nullptr},
               {765, 190, edComboList, false, {Dimming_Modes[0], Dimming_Modes[1]}, &TFDALI_Access::PM_Dimming_Mode},
               {766, 90, edDataCheckBox, false, {}, &TFDALI_Access::PM_MinMax_Value},
               {767, 190, edComboList, false, {Recall_Levels[0], Recall_Levels[1], Recall_Levels[2]},
                &TFDALI_Access::PM_Recall_Level}});
}

void TFDALI_Access::Create_Buttons() {
  P_Button = Place_Button_Panel(this, this);
  Btn_OK = Place_Button(this, P_Button, u"Btn_OK", 16, 6);
  Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
  Btn_Cancel = Place_Button(this, P_Button, u"Btn_Cancel", 134, 6);
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_SelectAll = Place_Button(this, P_Button, u"Btn_SelectAll", 252, 6);
  Btn_SelectAll->OnClick = [this](TObject*) { Set_All_Enable(u"Y"); };
  Btn_ClearAll = Place_Button(this, P_Button, u"Btn_ClearAll", 370, 6);
  Btn_ClearAll->OnClick = [this](TObject*) { Set_All_Enable(u"N"); };
  Btn_DALI_Maps = Place_Button(this, P_Button, u"Btn_DALI_Maps", 488, 6);
  Btn_DALI_Maps->OnClick = [this](TObject*) { Btn_DALI_MapsClick(); };
}

TPopupMenu* TFDALI_Access::Place_Menu(StringView Name, StringView Prefix, std::initializer_list<TMenuLine> Items,
                                      void (TFDALI_Access::*Handler)(TObject*)) {
  auto* Menu = new TPopupMenu(this);
  Menu->SetName(String(Name));
  for (const TMenuLine& Line : Items) {
    auto* Item = new TMenuItem(this);
    Item->SetName(String(Prefix) + String(Line.Name));
    Item->SetCaption(String(Line.Caption));
    Item->OnClick = [this, Handler](TObject* Sender) { (this->*Handler)(Sender); };
    Menu->Items()->Add(Item);
  }
  return Menu;
}

void TFDALI_Access::Create_Menus() {
  const std::initializer_list<TMenuLine> Dimming{{u"SelectAllNormal1", u"Select All Normal"},
                                                 {u"SelectAllStartBreak1", u"Select All Start Break"}};
  const std::initializer_list<TMenuLine> MinMax{{u"SelectAll1", u"Select All"}, {u"ClearAll1", u"Clear All"}};
  const std::initializer_list<TMenuLine> Recall{
      {u"SelectAllNone1", u"Select All None"},
      {u"SelectAllRecallMinMaxLevelforSwitch1", u"Select All Recall Min-Max Level for Switch"},
      {u"SelectAllRecallOldValueLevelforSwitch1", u"Select All Recall Old Value Level for Switch"}};
  PM_Dimming_Mode = Place_Menu(u"PM_Dimming_Mode", u"", Dimming, &TFDALI_Access::DimmingModeClick);
  PM_MinMax_Value = Place_Menu(u"PM_MinMax_Value", u"", MinMax, &TFDALI_Access::MinMaxValueClick);
  PM_Recall_Level = Place_Menu(u"PM_Recall_Level", u"", Recall, &TFDALI_Access::RecallLevelClick);
  PM_DimMode_GB = Place_Menu(u"PM_DimMode_GB", u"GB_", Dimming, &TFDALI_Access::DimmingModeClick);
  PM_MinMax_GB = Place_Menu(u"PM_MinMax_GB", u"GB_", MinMax, &TFDALI_Access::MinMaxValueClick);
  PM_Recall_GB = Place_Menu(u"PM_Recall_GB", u"GB_", Recall, &TFDALI_Access::RecallLevelClick);
}

void TFDALI_Access::Set_Lang() {
  TFConfWindow::Set_Lang();
  const auto Put = [this](TControl* Control, int Caption, int Hint) {
    Control->SetCaption(State.Text(Caption));
    Control->SetHint(State.Text(Hint));
  };
  Put(Btn_OK, 602, 606);
  Put(Btn_Cancel, 603, 607);
  Put(Btn_SelectAll, 604, 608);
  Put(Btn_ClearAll, 605, 609);
  Put(Btn_DALI_Maps, 753, 754);
  L_NBI_Title->SetCaption(State.Text(751));
  L_NBO_Title->SetCaption(State.Text(752));
  Set_Row_Captions(State, *ACG_DALI_Device, Device_Rows_Text);
  Set_Headers(State, *ACG_DALI_Device, 758);
  Set_Row_Captions(State, *ACG_DALI_GroupBroad, Group_Rows_Text);
  Set_Headers(State, *ACG_DALI_GroupBroad, 764);
}

bool TFDALI_Access::PDaliGroupBroadCanResize(int& NewHeight) const {
  if (NewHeight < 30) NewHeight = 30;
  return true;
}

String Check_Dimming_mode(const String& Text) { return String(Text == Dimming_Modes[1] ? Dimming_Modes[1] : Dimming_Modes[0]); }

String Check_ReCall_Level(const String& Text) {
  for (StringView Level : Recall_Levels)
    if (Text == Level) return String(Level);
  return String(Recall_Levels[0]);
}
