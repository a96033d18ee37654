#pragma once
// The EDE import dialog of the BACnet window; keeps the language of start-up.
#include "app/ConfWindow.h"

class TFImportEDEFile : public TFConfWindow {
 public:
  TFImportEDEFile(TComponent* AOwner, TProgramState& AState);
};
