#pragma once
// The Modbus TCP master tables: the polls the gateway sends to TCP slaves
// and where the answers land in its input area, and the writes it sends
// from its output area; 512 rows each, kept in ModbusTCPM_SetAccess.xml.
#include <span>

#include "editors/ModbusAccessWindow.h"

class TFModbus_TCP_Master_Set_Access : public TFModbusAccess {
 public:
  TFModbus_TCP_Master_Set_Access(TComponent* AOwner, TProgramState& AState);
  bool Controllo_dati() override;
};

// The columns 1 onwards of each table, in grid order.
std::span<const TAccessColumn> Modbus_TCP_Read_Columns();
std::span<const TAccessColumn> Modbus_TCP_Write_Columns();
