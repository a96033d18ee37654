// The SNMP access tables: loading SNMP_Trap.xml or the default rows, saving
// it, and the row buttons.
#include "app/ProgramState.h"
#include "app/ProjectFile.h"
#include "app/TableRowHelpers.h"
#include "editors/AccessRowButtons.h"
#include "editors/USNMP_Trap_Access.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr StringView Root_Name = u"SNMP_Trap";
constexpr StringView Read_Name = u"SNMP_Trap_Read";
constexpr StringView Write_Name = u"SNMP_Trap_Write";
constexpr StringView Version_Comment = u"SW_VERSION = 1.000";

// A data check box shows checked only for "Y": a flag that the gateway
// takes as set (any letter case) is shown so.
String Loaded_Text(const TAccessColumn& Column, const String& Text) {
  if (Column.Editor == edDataCheckBox && UpperCase(Text) == u"Y") return u"Y";
  return Text;
}

String Numbered(StringView Prefix, int K) { return String(Prefix) + IntToStr(K); }

void Fill_Defaults(TAdvColumnGrid& Read, TAdvColumnGrid& Write) {
  for (int K = 0; K < SNMP_Default_Rows; ++K) {
    const int Row = K + 1;
    const std::initializer_list<String> Read_Row{
        u"Y",    u"vantor",         u"Int", u"N", u"N", u"N", u"1000", IntToStr(8 * K), u"0", u"8",
        Numbered(u"lampADV", K), u"192.168.2.16", u"None", Numbered(u"lampADV", K)};
    const std::initializer_list<String> Write_Row{u"Y",  u"vantor",           u"Int", IntToStr(K),
                                                  u"0",  u"8",                Numbered(u"lamp", K),
                                                  u"None", Numbered(u"lamp", K)};
    int Col = 1;
    for (const String& Text : Read_Row) Read.SetCellEx(Col++, Row, Text);
    Col = 1;
    for (const String& Text : Write_Row) Write.SetCellEx(Col++, Row, Text);
  }
}

// Rows without a Community Name are not part of the table: they are
// passed over, and rows below them still count.
constexpr int Key_Col = 2;
}  // namespace

void TFSNMP_Trap_Access::FormShow() {
  Clear_Access_Rows(*ACG_SNMP_Read, u"Y");
  Clear_Access_Rows(*ACG_SNMP_Write, u"Y");
  NByte_IN = SNMP_Positions;
  NByte_OUT = SNMP_Positions;
  Fill_Access_Positions(*ACG_SNMP_Read, 8, NByte_IN);
  Fill_Access_Positions(*ACG_SNMP_Write, 4, NByte_OUT);
  // A file that cannot be read raises out of here: the window stays closed
  // rather than offering OK over a file it could not show.
  Load_File();
  Index_Row_Build(*ACG_SNMP_Read);
  Index_Row_Build(*ACG_SNMP_Write);
  Row_Copy.Clear();
}

void TFSNMP_Trap_Access::Load_File() {
  const TProjectFile File(State.File_SNMP_Trap);
  if (!File.Exists()) return Fill_Defaults(*ACG_SNMP_Read, *ACG_SNMP_Write);
  Load_Access_Section(File.Child(Read_Name), *ACG_SNMP_Read, SNMP_Read_Columns(), Loaded_Text);
  Load_Access_Section(File.Child(Write_Name), *ACG_SNMP_Write, SNMP_Write_Columns(), Loaded_Text);
}

void TFSNMP_Trap_Access::Btn_OKClick() {
  if (!Controllo_dati()) return;
  Save_File();
  SetModalResult(mrOk);
}

void TFSNMP_Trap_Access::Save_File() const {
  TXMLDocument Document;
  const TXmlNode Root = Document.AddChild(Root_Name);
  Document.AddComment(Version_Comment);
  Save_Access_Section(Root, Read_Name, *ACG_SNMP_Read, SNMP_Read_Columns(), Key_Col);
  Save_Access_Section(Root, Write_Name, *ACG_SNMP_Write, SNMP_Write_Columns(), Key_Col);
  Document.SaveToFile(State.File_SNMP_Trap);
}

bool TFSNMP_Trap_Access::Read_Active() const { return PageControl1->ActivePage() == TS_SNMP_Read; }

TAdvColumnGrid& TFSNMP_Trap_Access::Active_Grid() const { return Read_Active() ? *ACG_SNMP_Read : *ACG_SNMP_Write; }

void TFSNMP_Trap_Access::Btn_CopyRowClick() { Row_Copy.Copy(State, Active_Grid(), Read_Active()); }

void TFSNMP_Trap_Access::Btn_PasteRowClick() { Row_Copy.Paste(State, Active_Grid(), Read_Active()); }

void TFSNMP_Trap_Access::Btn_InsRowClick() { Access_Insert_Row(Active_Grid()); }

void TFSNMP_Trap_Access::Btn_DelRowClick() { Access_Delete_Row(State, Active_Grid(), 1975); }
