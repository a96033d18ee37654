#include "app/UBoot.h"

TFBoot::TFBoot(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FBoot", 802, 803, 449, 230, bsSingle}) {
  EndLoading();
}
