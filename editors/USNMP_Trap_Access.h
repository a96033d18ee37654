#pragma once
// The SNMP access tables: the read table with its traps and the write table.
#include "app/ConfWindow.h"

class TFSNMP_Trap_Access : public TFConfWindow {
 public:
  TFSNMP_Trap_Access(TComponent* AOwner, TProgramState& AState);
};
