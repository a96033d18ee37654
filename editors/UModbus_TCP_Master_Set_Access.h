#pragma once
// The Modbus TCP master access tables (read and write).
#include "app/ConfWindow.h"

class TFModbus_TCP_Master_Set_Access : public TFConfWindow {
 public:
  TFModbus_TCP_Master_Set_Access(TComponent* AOwner, TProgramState& AState);
};
