#include "editors/UBACnetAccess.h"

TFBACnetAccess::TFBACnetAccess(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FBACnetAccess", 1400, 1401, 1007, 337, bsSizeable}) {
  EndLoading();
}
