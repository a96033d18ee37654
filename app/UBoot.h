#pragma once
// The Update Device window: the gateway's address, what to transfer, the update program.
#include "app/ConfWindow.h"

class TFBoot : public TFConfWindow {
 public:
  TFBoot(TComponent* AOwner, TProgramState& AState);
};
