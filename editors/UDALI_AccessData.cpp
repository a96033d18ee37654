// The DALI access table: loading DALI_Access.xml, saving it, the bulk
// buttons, the popup-menu handlers and the byte-map export.
#include "app/ProgramState.h"
#include "app/ProjectFile.h"
#include "editors/UDALI_Access.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Menus.h"
#include "platform/sys/Files.h"
#include "platform/sys/Strings.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Enable_Col = 1;
constexpr StringView Root_Name = u"DALI_Access";
constexpr StringView Version_Comment = u"SW_VERSION = 1.000";

String Device_Element(int Row) { return u"DALI_ID_DEVICE_" + IntToStr(Row - 1); }

bool Is_Enabled(TAdvColumnGrid& Grid, int Row) { return UpperCase(Trim(Grid.GetCellEx(Enable_Col, Row))) == u"Y"; }

void Fill_Column(TAdvColumnGrid& Grid, int Col, const String& Value) {
  for (int Row = 1; Row < Grid.RowCount(); ++Row) Grid.SetCellEx(Col, Row, Value);
  Grid.Invalidate();
}

// The map's line of an enabled device: its row, then the eight byte
// offsets from At, the last two joined by ", ".
String Map_Line(int Row, int At) {
  String Line = IntToStr(Row);
  for (int i = 0; i < 7; ++i) Line += u"; " + IntToStr(At + i);
  return Line + u", " + IntToStr(At + 7) + u";";
}
}  // namespace

void TFDALI_Access::FormShow() {
  SD_DALI_Maps->SetInitialDir(State.Project_Path);
  Set_All_Enable(u"N");
  // A file that cannot be read raises out of here: the window stays closed
  // rather than offering OK over a file it could not show.
  const TProjectFile File(State.File_DALI_Access);
  for (int Row = 1; Row < ACG_DALI_Device->RowCount(); ++Row)
    ACG_DALI_Device->SetCellEx(Enable_Col, Row, File.Flag(Device_Element(Row)) ? u"Y" : u"N");
  // The window is not shown yet: the grid takes the focus as it activates.
  SetActiveControl(ACG_DALI_Device);
  Btn_DALI_Maps->SetVisible(false);
}

void TFDALI_Access::Btn_OKClick() {
  if (!Controllo_dati()) return;
  TXMLDocument Document;
  const TXmlNode Root = Document.AddChild(Root_Name);
  Document.AddComment(Version_Comment);
  for (int Row = 1; Row < ACG_DALI_Device->RowCount(); ++Row)
    Root.AddChild(Device_Element(Row)).SetText(Is_Enabled(*ACG_DALI_Device, Row) ? u"1" : u"0");
  Document.SaveToFile(State.File_DALI_Access);
  SetModalResult(mrOk);
}

void TFDALI_Access::Set_All_Enable(const String& Value) { Fill_Column(*ACG_DALI_Device, Enable_Col, Value); }

void TFDALI_Access::Fill_From_Menu(TObject* Sender, std::initializer_list<StringView> Values, int Device_Col,
                                   int Group_Col) {
  const auto* Item = dynamic_cast<TMenuItem*>(Sender);
  if (!Item || !Item->Parent()) return;
  const int Index = Item->Parent()->IndexOf(Item);
  if (Index < 0 || Index >= static_cast<int>(Values.size())) return;
  const String Value(Values.begin()[Index]);
  if (Item->Name().starts_with(u"GB_")) Fill_Column(*ACG_DALI_GroupBroad, Group_Col, Value);
  else Fill_Column(*ACG_DALI_Device, Device_Col, Value);
}

void TFDALI_Access::DimmingModeClick(TObject* Sender) {
  Fill_From_Menu(Sender, {Dimming_Modes[0], Dimming_Modes[1]}, 3, 1);
}

void TFDALI_Access::MinMaxValueClick(TObject* Sender) { Fill_From_Menu(Sender, {u"Y", u"N"}, 4, 2); }

void TFDALI_Access::RecallLevelClick(TObject* Sender) {
  Fill_From_Menu(Sender, {Recall_Levels[0], Recall_Levels[1], Recall_Levels[2]}, 5, 3);
}

void TFDALI_Access::Btn_DALI_MapsClick() {
  if (!SD_DALI_Maps->Execute()) return;
  String Name = SD_DALI_Maps->FileName();
  if (UpperCase(Trim(ExtractFileExt(Name))) != u".CSV") Name += u".csv";
  if (FileExists(Name) && MessageDlg(State.Text(755), mtConfirmation, mbYesNoCancel) != mrYes) return;
  TStringList Lines;
  Lines.Add(State.Text(756));
  int At = 0;
  for (int Row = 1; Row < ACG_DALI_Device->RowCount(); ++Row) {
    if (!Is_Enabled(*ACG_DALI_Device, Row)) continue;
    Lines.Add(Map_Line(Row, At));
    At += 8;
  }
  Lines.SaveToFile(Name);
}
