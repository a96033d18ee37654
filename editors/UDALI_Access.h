#pragma once
// The DALI access table: which of the 64 DALI devices the gateway serves.
#include "app/ConfWindow.h"

class TFDALI_Access : public TFConfWindow {
 public:
  TFDALI_Access(TComponent* AOwner, TProgramState& AState);
};
