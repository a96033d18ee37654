#include "editors/UImportEDEFile.h"

TFImportEDEFile::TFImportEDEFile(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FImportEDEFile", 1600, 1601, 863, 337, bsSizeable}) {
  EndLoading();
}
