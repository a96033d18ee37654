#include "editors/USetAccess.h"

TFSetAccess::TFSetAccess(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FSetAccess", 1700, 1701, 956, 337, bsSizeable}) {
  EndLoading();
}
