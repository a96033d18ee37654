#include "editors/UDMXDefVal.h"

TFDMXDefVal::TFDMXDefVal(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FDMXDefVal", 1300, 1301, 475, 337, bsSizeable}) {
  EndLoading();
}
