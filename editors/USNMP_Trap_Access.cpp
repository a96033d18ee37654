#include "editors/USNMP_Trap_Access.h"

TFSNMP_Trap_Access::TFSNMP_Trap_Access(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FSNMP_Trap_Access", 1900, 1901, 1256, 337, bsSizeable}) {
  EndLoading();
}
