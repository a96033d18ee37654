#pragma once
// The DMX default values: the level of every channel at start.
#include "app/ConfWindow.h"

class TFDMXDefVal : public TFConfWindow {
 public:
  TFDMXDefVal(TComponent* AOwner, TProgramState& AState);
};
