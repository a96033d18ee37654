#pragma once
// The frame of the two Modbus master windows: a read and a write table of
// 512 rows on two tabs, the row buttons, and the project file loaded on
// showing and rewritten on OK through the column tables. Each window gives
// its columns, texts and file, and its checks.
#include <span>

#include "app/ConfWindow.h"
#include "app/ProgramState.h"
#include "editors/AccessColumns.h"
#include "editors/AccessRowButtons.h"

class TAdvColumnGrid;
class TLbButton;
class TPageControl;
class TTabSheet;

inline constexpr int Modbus_Rows = 512;
inline constexpr int Modbus_NByte_IN = 128;
inline constexpr int Modbus_NByte_OUT = 1540;

struct TModbusWindowLook {
  TConfWindowLook Window;
  int Button_Text;  // OK, Cancel, Delete Row, Insert Row from here
  int Copy_Text;    // Copy Row and Paste Row from here; 0: fixed captions
  int Tab_Text;     // the read tab, the write tab's the next
  int Read_Number_Text, Write_Number_Text;
  std::span<const TAccessColumn> Read_Columns, Write_Columns;
  int Read_Position_Col, Write_Position_Col;
  int Write_On_Col;  // the first of the two hidden On columns
  int Delete_Text;
  String TProgramState::*File;
  StringView Root_Name;
  StringView Comment;  // "" for none
  TSavedText Saved;    // null: as the cells stand
};

class TFModbusAccess : public TFConfWindow {
 public:
  TFModbusAccess(TComponent* AOwner, TProgramState& AState, const TModbusWindowLook& ALook);
  void Set_Lang() override;

  // True when every enabled row of both tables passes; otherwise one error
  // box and false.
  virtual bool Controllo_dati() = 0;

  void Btn_OKClick();
  void Btn_CopyRowClick();
  void Btn_PasteRowClick();
  void Btn_InsRowClick();
  void Btn_DelRowClick();

  TPageControl* PageControl1;
  TTabSheet* TS_Modbus_Read;
  TTabSheet* TS_Modbus_Write;
  TAdvColumnGrid* ACG_Modbus_Read;
  TAdvColumnGrid* ACG_Modbus_Write;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
  TLbButton* Btn_DelRow;
  TLbButton* Btn_InsRow;
  TLbButton* Btn_CopyRow;
  TLbButton* Btn_PasteRow;

  int NByte_IN = Modbus_NByte_IN;
  int NByte_OUT = Modbus_NByte_OUT;
  TAccessRowCopy Row_Copy;

 protected:
  void FormCreate() override;

 private:
  TAdvColumnGrid* Place_Grid(TTabSheet* Page, StringView Name, std::span<const TAccessColumn> Columns);
  void Create_Buttons();
  void FormShow();
  void Load_File();
  void Save_File() const;
  TAdvColumnGrid& Active_Grid() const;
  bool Read_Active() const;

  TModbusWindowLook FLook;
};
