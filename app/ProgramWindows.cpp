#include "app/ProgramWindows.h"

#include "app/UAbout.h"
#include "app/UBoot.h"
#include "app/UCorvanoFirmWare.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/UParGen.h"
#include "app/UProfinetFileName.h"
#include "app/USoftOptions.h"
#include "editors/UBACnetAccess.h"
#include "editors/UDALI_Access.h"
#include "editors/UDMXDefVal.h"
#include "editors/UImportEDEFile.h"
#include "editors/UModbus_TCP_Master_Set_Access.h"
#include "editors/USNMP_Trap_Access.h"
#include "editors/USetAccess.h"

namespace {
template <class T>
void Create(T*& Window, TComponent* Owner, TProgramState& State) {
  Window = new T(Owner, State);
}
}  // namespace

TFCorvanoFirmWare* Create_Program_Windows(TComponent* Owner, TProgramState& State) {
  auto* Main = new TFCorvanoFirmWare(Owner, State);
  TProgramWindows& W = Main->Windows;
  Create(W.FNew_Project, Owner, State);
  Create(W.FOpenConf, Owner, State);
  Create(W.FAbout, Owner, State);
  Create(W.FSoftOptions, Owner, State);
  Create(W.FParGen, Owner, State);
  Create(W.FDALI_Access, Owner, State);
  Create(W.FBoot, Owner, State);
  Create(W.FProfinetFileName, Owner, State);
  Create(W.FModbus_TCP_Master_Set_Access, Owner, State);
  Create(W.FDMXDefVal, Owner, State);
  Create(W.FBACnetAccess, Owner, State);
  Create(W.FImportEDEFile, Owner, State);
  Create(W.FSetAccess, Owner, State);
  Create(W.FSNMP_Trap_Access, Owner, State);
  W.FSoftOptions->OnChangeLanguage = [Main](TObject*) { Main->Change_Language(); };
  return Main;
}
