#include "app/USoftOptions.h"

TFSoftOptions::TFSoftOptions(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FSoftOptions", 300, 301, 509, 373, bsSingle}) {
  EndLoading();
}
