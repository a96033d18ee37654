#pragma once
// The serial Modbus master tables: the TCP master's twin on a serial line,
// where a slave is named by its slave ID alone; 512 rows each, kept in
// ModbusM_SetAccess.xml. No step opens it in this product.
#include <span>

#include "editors/ModbusAccessWindow.h"

class TFSetAccess : public TFModbusAccess {
 public:
  TFSetAccess(TComponent* AOwner, TProgramState& AState);
  bool Controllo_dati() override;

  // The OK and Insert Row buttons under this window's own names.
  void bitbtn1Click() { Btn_OKClick(); }
  void Btn_InsertRowClick() { Btn_InsRowClick(); }
};

// The columns 1 onwards of each table, in grid order.
std::span<const TAccessColumn> Modbus_Serial_Read_Columns();
std::span<const TAccessColumn> Modbus_Serial_Write_Columns();
