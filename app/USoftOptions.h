#pragma once
// The Options window: language, internet and update check, table options.
#include "app/ConfWindow.h"

class TFSoftOptions : public TFConfWindow {
 public:
  TFSoftOptions(TComponent* AOwner, TProgramState& AState);
};
