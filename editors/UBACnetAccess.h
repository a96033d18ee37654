#pragma once
// The BACnet access tables (read and write); keeps the language of start-up.
#include "app/ConfWindow.h"

class TFBACnetAccess : public TFConfWindow {
 public:
  TFBACnetAccess(TComponent* AOwner, TProgramState& AState);
};
