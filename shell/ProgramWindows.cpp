#include "shell/ProgramWindows.h"

#include "app/UAbout.h"
#include "app/UBoot.h"
#include "shell/UCorvanoFirmWare.h"
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
template <class T, class Slot>
void Create(Slot*& Window, TComponent* Owner, TProgramState& State) {
  Window = new T(Owner, State);
}
}  // namespace

TFCorvanoFirmWare* Create_Program_Windows(TComponent* Owner, TProgramState& State) {
  auto* Main = new TFCorvanoFirmWare(Owner, State);
  TProgramWindows& W = Main->Windows;
  Create<TFNew_Project>(W.FNew_Project, Owner, State);
  Create<TFOpenConf>(W.FOpenConf, Owner, State);
  Create<TFAbout>(W.FAbout, Owner, State);
  Create<TFSoftOptions>(W.FSoftOptions, Owner, State);
  Create<TFParGen>(W.FParGen, Owner, State);
  Create<TFDALI_Access>(W.FDALI_Access, Owner, State);
  Create<TFBoot>(W.FBoot, Owner, State);
  Create<TFProfinetFileName>(W.FProfinetFileName, Owner, State);
  Create<TFModbus_TCP_Master_Set_Access>(W.FModbus_TCP_Master_Set_Access, Owner, State);
  Create<TFDMXDefVal>(W.FDMXDefVal, Owner, State);
  auto* BACnet = new TFBACnetAccess(Owner, State);
  auto* Import_EDE = new TFImportEDEFile(Owner, State);
  BACnet->FImportEDEFile = Import_EDE;
  W.FBACnetAccess = BACnet;
  W.FImportEDEFile = Import_EDE;
  Create<TFSetAccess>(W.FSetAccess, Owner, State);
  Create<TFSNMP_Trap_Access>(W.FSNMP_Trap_Access, Owner, State);
  W.FSoftOptions->OnChangeLanguage = [Main](TObject*) { Main->Change_Language(); };
  return Main;
}
