#pragma once
// The fifteen windows of the program: each is created once, in this order,
// and lives until the end (its owner frees it).
class TComponent;
class TProgramState;
class TFCorvanoFirmWare;
class TFNew_Project;
class TFOpenConf;
class TFAbout;
class TFSoftOptions;
class TFParGen;
class TFDALI_Access;
class TFBoot;
class TFProfinetFileName;
class TFModbus_TCP_Master_Set_Access;
class TFDMXDefVal;
class TFBACnetAccess;
class TFImportEDEFile;
class TFSetAccess;
class TFSNMP_Trap_Access;

// The windows the main window opens and translates (not owned here).
struct TProgramWindows {
  TFNew_Project* FNew_Project = nullptr;
  TFOpenConf* FOpenConf = nullptr;
  TFAbout* FAbout = nullptr;
  TFSoftOptions* FSoftOptions = nullptr;
  TFParGen* FParGen = nullptr;
  TFDALI_Access* FDALI_Access = nullptr;
  TFBoot* FBoot = nullptr;
  TFProfinetFileName* FProfinetFileName = nullptr;
  TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;
  TFDMXDefVal* FDMXDefVal = nullptr;
  TFBACnetAccess* FBACnetAccess = nullptr;
  TFImportEDEFile* FImportEDEFile = nullptr;
  TFSetAccess* FSetAccess = nullptr;
  TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;
};

// Creates the main window (which reads the settings and fills Texts), then
// the other fourteen, which translate themselves from Texts as they are
// created. Owner frees them all.
TFCorvanoFirmWare* Create_Program_Windows(TComponent* Owner, TProgramState& State);
