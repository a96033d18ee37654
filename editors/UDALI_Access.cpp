#include "editors/UDALI_Access.h"

TFDALI_Access::TFDALI_Access(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FDALI_Access", 600, 601, 880, 496, bsSizeable}) {
  EndLoading();
}
