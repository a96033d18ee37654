#pragma once
// The Set Communication window: the general parameters of the gateway (ParGen.xml).
#include "app/ConfWindow.h"

class TFParGen : public TFConfWindow {
 public:
  TFParGen(TComponent* AOwner, TProgramState& AState);
};
