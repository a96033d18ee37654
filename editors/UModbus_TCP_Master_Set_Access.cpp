#include "editors/UModbus_TCP_Master_Set_Access.h"

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FModbus_TCP_Master_Set_Access", 1100, 1101, 1007, 337, bsSizeable}) {
  EndLoading();
}
