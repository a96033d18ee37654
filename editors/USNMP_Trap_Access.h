#pragma once
// The SNMP access tables: the read table with its traps and the write table,
// 256 rows each, kept in SNMP_Trap.xml.
#include <span>

#include "app/ConfWindow.h"
#include "editors/AccessColumns.h"
#include "editors/AccessRowButtons.h"

class TAdvColumnGrid;
class TLbButton;
class TPageControl;
class TTabSheet;

inline constexpr int SNMP_Trap_Rows = 256;
inline constexpr int SNMP_Default_Rows = 64;
inline constexpr int SNMP_Positions = 1440;
inline constexpr StringView SNMP_Conversions[] = {u"None",      u"Float",       u"Float * 10",
                                                  u"Float * 100", u"Float / 10", u"Float / 100"};

class TFSNMP_Trap_Access : public TFConfWindow {
 public:
  TFSNMP_Trap_Access(TComponent* AOwner, TProgramState& AState);
  void Set_Lang() override;

  // True when every enabled row of both tables passes; otherwise one error
  // box and false.
  bool Controllo_dati();
  // Column 0 := the row's index among the enabled rows, empty when disabled.
  static void Index_Row_Build(TAdvColumnGrid& Grid);

  void Btn_CopyRowClick();
  void Btn_PasteRowClick();
  void Btn_InsRowClick();
  void Btn_DelRowClick();

  TPageControl* PageControl1;
  TTabSheet* TS_SNMP_Read;
  TTabSheet* TS_SNMP_Write;
  TAdvColumnGrid* ACG_SNMP_Read;
  TAdvColumnGrid* ACG_SNMP_Write;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
  TLbButton* Btn_DelRow;
  TLbButton* Btn_InsRow;
  TLbButton* Btn_CopyRow;
  TLbButton* Btn_PasteRow;

  int NByte_IN = SNMP_Positions;
  int NByte_OUT = SNMP_Positions;
  TAccessRowCopy Row_Copy;

 protected:
  void FormCreate() override;

 private:
  TAdvColumnGrid* Place_Grid(TTabSheet* Page, StringView Name, std::span<const TAccessColumn> Columns);
  void Create_Buttons();
  void FormShow();
  void Btn_OKClick();
  void Load_File();
  void Save_File() const;
  TAdvColumnGrid& Active_Grid() const;
  bool Read_Active() const;

  TStringList Hint_SNMP_Read;
  TStringList Hint_SNMP_Write;
  TStringList SL_Check_Desc;
};

// The columns 1 onwards of each table, in grid order.
std::span<const TAccessColumn> SNMP_Read_Columns();
std::span<const TAccessColumn> SNMP_Write_Columns();

// True (an error) when Text holds a character other than an ASCII letter or
// digit; with Check_Type 1 the first one must be a lower-case letter too.
bool Check_Error_CommName_Desc(StringView Text, int Check_Type);
