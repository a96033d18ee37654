// The BACnet tables: loading BACnet_Master_Access.xml and the BACnet type
// from ParGen.xml, saving, and the rows an EDE import adds.
#include "app/ProgramState.h"
#include "app/ProjectFile.h"
#include "editors/EdeFile.h"
#include "editors/UBACnetAccess.h"
#include "editors/UImportEDEFile.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/sys/Files.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr StringView Root_Name = u"BACnet_Master_Access";
constexpr StringView Read_Name = u"BACnet_Read";
constexpr StringView Write_Name = u"BACnet_Write";
constexpr StringView Version_Comment = u"SW_VERSION = 1.000";
constexpr StringView Present_Value = u"Present Value (85)";

String As_Stored(const TAccessColumn&, const String& Text) { return Text; }

// Where an import writes into a table and how far it has got.
struct TImportTarget {
  TAdvColumnGrid& Grid;
  int Key_Col, Position_Col, NByte_Col;
  int Row = 1;
  int Position = 0;

  // The next position after the rows in the table: the largest Position +
  // NByte of a row whose both are non-negative numbers.
  void Start() {
    for (int R = 1; R < Grid.RowCount(); ++R) {
      if (!Has_Access_Key(Grid, R, Key_Col)) continue;
      const int At = StrToIntDef(Grid.GetCellEx(Position_Col, R), -1);
      const int Size = StrToIntDef(Grid.GetCellEx(NByte_Col, R), -1);
      if (At >= 0 && Size >= 0) Position = std::max(Position, At + Size);
    }
  }
  // The next row without a key, from the last one filled; 0 when none is left.
  int Next_Free_Row() {
    while (Row < Grid.RowCount() && Has_Access_Key(Grid, Row, Key_Col)) ++Row;
    return Row < Grid.RowCount() ? Row : 0;
  }
  void Fill(const TBACnet_Var& Var, std::initializer_list<String> Cells) {
    const int R = Next_Free_Row();
    if (R == 0) return;
    int Col = 1;
    for (const String& Text : Cells) Grid.SetCellEx(Col++, R, Text);
    Position += Get_NumByte_EDE(Var.object_type);
  }
};

String Mnemonic(const TBACnet_Var& Var) { return Var.object_name + u" - " + Var.description; }
}  // namespace

void TFBACnetAccess::FormShow() {
  Number_Access_Rows(*ACG1);
  Number_Access_Rows(*ACG2);
  PageControl1->SetActivePage(TS_BACnet_Read);
  // A file that cannot be read raises out of here: the window stays closed
  // rather than offering OK over a file it could not show.
  Read_BACnet_Type();
  Show_Address_Columns();
  Load_File();
  Row_Copy.Clear();
}

void TFBACnetAccess::Read_BACnet_Type() {
  const TProjectFile File(State.File_ParGen);
  App_BACnet_Type = File.Integer(u"BACnet_Type", 0);
  if (!File.Child(u"BACnet_Type")) MessageDlg(State.Text(1457), mtError, mbOK);
}

void TFBACnetAccess::Show_Address_Columns() {
  const bool Shown = App_BACnet_Type == 0 || App_BACnet_Type == 1;
  for (auto [Grid, Text] : {std::pair{ACG1, 1409}, std::pair{ACG2, 1421}}) {
    if (Shown) {
      Grid->UnHideColumn(2);
      Grid->Columns()->Items(2)->SetHeader(State.Text(Text + App_BACnet_Type));
    } else if (!Grid->IsHiddenColumn(2)) {
      Grid->HideColumn(2);
    }
  }
}

void TFBACnetAccess::Load_File() {
  const TProjectFile File(State.File_BACnet_Master_Access);
  if (!File.Exists()) return;
  Load_Access_Section(File.Child(Read_Name), *ACG1, BACnet_Read_Columns(), As_Stored);
  Load_Access_Section(File.Child(Write_Name), *ACG2, BACnet_Write_Columns(), As_Stored);
}

void TFBACnetAccess::Btn_OKClick() {
  if (!Controllo_dati()) return;
  Save_File();
  SetModalResult(mrOk);
}

void TFBACnetAccess::Save_File() const {
  TXMLDocument Document;
  const TXmlNode Root = Document.AddChild(Root_Name);
  Document.AddComment(Version_Comment);
  Save_Access_Section(Root, Read_Name, *ACG1, BACnet_Read_Columns(), Key_Col());
  Save_Access_Section(Root, Write_Name, *ACG2, BACnet_Write_Columns(), Key_Col());
  Document.SaveToFile(State.File_BACnet_Master_Access);
}

void TFBACnetAccess::Btn_Import_CSVClick() {
  FImportEDEFile->App_BACnet_Type = App_BACnet_Type;
  if (!OD_EDE_File->Execute()) return;
  const String Name = OD_EDE_File->FileName();
  // Remembered for any confirmed choice, whatever the import does then.
  State.EDE_Last_Dir = ExcludeTrailingPathDelimiter(ExtractFileDir(Name));
  OD_EDE_File->SetInitialDir(State.EDE_Last_Dir);
  if (!FileExists(Name)) return;
  FImportEDEFile->EDE_File = Name;
  if (FImportEDEFile->ShowModal() == mrOk) Import_Vars();
}

// The chosen objects go into the free rows (no key) from the top, each
// table's positions continuing after the rows it holds.
void TFBACnetAccess::Import_Vars() {
  TImportTarget Read{*ACG1, Key_Col(), 13, 6};
  TImportTarget Write{*ACG2, Key_Col(), 17, 8};
  Read.Start();
  Write.Start();
  const String Address = FImportEDEFile->Address();
  for (const TBACnet_Var& Var : FImportEDEFile->List_EDE_Var) {
    if (!Var.import) continue;
    const String Name = Get_ObjType_EDE(Var.object_type), Instance = IntToStr(Var.object_instance),
                 Bytes = IntToStr(Get_NumByte_EDE(Var.object_type));
    if (Var.read)
      Read.Fill(Var, {u"Y", Address, Name, Instance, String(Present_Value), Bytes, u"N", u"", u"", u"", u"1000", u"0",
                      IntToStr(Read.Position), u"0", u"N", u"", Mnemonic(Var)});
    if (Var.write)
      Write.Fill(Var, {u"Y", Address, Name, Get_DataType_EDE(Var.object_type), Instance, String(Present_Value), u"0",
                       Bytes, u"N", u"", u"", u"", u"N", u"N", u"1000", u"0", IntToStr(Write.Position), u"0", u"N",
                       u"", Mnemonic(Var)});
  }
  ACG1->Invalidate();
  ACG2->Invalidate();
}
