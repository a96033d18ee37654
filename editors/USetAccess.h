#pragma once
// The serial Modbus master access tables (read and write).
#include "app/ConfWindow.h"

class TFSetAccess : public TFConfWindow {
 public:
  TFSetAccess(TComponent* AOwner, TProgramState& AState);
};
