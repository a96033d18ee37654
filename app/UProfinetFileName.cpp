#include "app/UProfinetFileName.h"

TFProfinetFileName::TFProfinetFileName(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FProfinetFileName", 1000, 1001, 540, 205, bsSingle}) {
  EndLoading();
}
