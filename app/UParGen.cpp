#include "app/UParGen.h"

TFParGen::TFParGen(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FParGen", 400, 401, 312, 400, bsSingle}) {
  EndLoading();
}
