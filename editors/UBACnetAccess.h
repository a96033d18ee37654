#pragma once
// The BACnet client tables: the read table of objects the gateway polls and
// the write table of objects it writes, 512 rows each, kept in
// BACnet_Master_Access.xml and filled from EDE files. Keeps the language of
// start-up.
#include <span>

#include "app/ConfWindow.h"
#include "editors/AccessColumns.h"
#include "editors/AccessRowButtons.h"

class TAdvColumnGrid;
class TFImportEDEFile;
class TLbButton;
class TOpenDialog;
class TPageControl;
class TTabSheet;

inline constexpr int BACnet_Rows = 512;

class TFBACnetAccess : public TFConfWindow {
 public:
  TFBACnetAccess(TComponent* AOwner, TProgramState& AState);
  void Set_Lang() override;

  // True when every enabled row of both tables passes; otherwise one error
  // box and false.
  bool Controllo_dati();
  // Column 2 (the address) for types 0 and 1, else column 3 (object type).
  int Key_Col() const;

  void Btn_CopyRowClick();
  void Btn_PasteRowClick();
  void Btn_InsRowClick();
  void Btn_DelRowClick();
  void Btn_Import_CSVClick();

  TPageControl* PageControl1;
  TTabSheet* TS_BACnet_Read;
  TTabSheet* TS_BACnet_Write;
  TAdvColumnGrid* ACG1;
  TAdvColumnGrid* ACG2;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
  TLbButton* Btn_DelRow;
  TLbButton* Btn_InsRow;
  TLbButton* Btn_CopyRow;
  TLbButton* Btn_PasteRow;
  TLbButton* Btn_Import_CSV;
  TOpenDialog* OD_EDE_File;
  // The import dialog, created beside this window (not owned).
  TFImportEDEFile* FImportEDEFile = nullptr;

  int App_BACnet_Type = 0;
  TAccessRowCopy Row_Copy;

 protected:
  void FormCreate() override;

 private:
  TAdvColumnGrid* Place_Grid(TTabSheet* Page, StringView Name, std::span<const TAccessColumn> Columns);
  void Create_Buttons();
  void FormShow();
  void Read_BACnet_Type();
  void Show_Address_Columns();
  void Load_File();
  void Btn_OKClick();
  void Save_File() const;
  void Import_Vars();
  bool Row_Failure(bool In_Read, int Row, String& Reason) const;
  TAdvColumnGrid& Active_Grid() const;
  bool Read_Active() const;
};

// The columns 1 onwards of each table, in grid order.
std::span<const TAccessColumn> BACnet_Read_Columns();
std::span<const TAccessColumn> BACnet_Write_Columns();

// The check routines; each trims and upper-cases its text first.
// read_write: 0 read table, 1 write table.
// The object code (1 to 15, or a proprietary 128 to 1023); -1 for an error.
int Check_Object_Type(StringView Text, int read_write);
// The property's byte count, 100 for the present value, 200 for a
// proprietary property; -1 for an error.
int Check_Property(StringView Text, int read_write, int Obj_Type);
// 1000 when the property is not the present value; else the type's size
// when it fits the object, -1 when not.
int Check_Data_Type(StringView Text, int Obj_Type, int Property_val);
// The data type the present value of the object needs; "" when open.
String Aspected_Data_Type_Value(int Obj_Type, int Property_val);
int Check_Num_Byte_Max(StringView Text);
// The read or write reason of the first fault of a destination address of
// NumByte comma-separated bytes; 0 when it passes.
int Check_Dest_Add(StringView Values, int NumByte, bool InRead);
// The read grid's hint for a data cell: the byte count of the row's object
// type and property (see the .cpp); "" when there is none.
String Str_Hint_Read(StringView Object_Type, StringView Property);
