#pragma once
// The PROFINET file-name window: builds the name of the GSDML file.
#include "app/ConfWindow.h"

class TFProfinetFileName : public TFConfWindow {
 public:
  TFProfinetFileName(TComponent* AOwner, TProgramState& AState);
};
