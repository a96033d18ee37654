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
class TFBoot;
class TFProfinetFileName;
class TFConfWindow;

// The windows the main window opens and translates (not owned here). The
// table windows are held through their base: only Create_Program_Windows
// knows their types.
struct TProgramWindows {
  TFNew_Project* FNew_Project = nullptr;
  TFOpenConf* FOpenConf = nullptr;
  TFAbout* FAbout = nullptr;
  TFSoftOptions* FSoftOptions = nullptr;
  TFParGen* FParGen = nullptr;
  TFConfWindow* FDALI_Access = nullptr;
  TFBoot* FBoot = nullptr;
  TFProfinetFileName* FProfinetFileName = nullptr;
  TFConfWindow* FModbus_TCP_Master_Set_Access = nullptr;
  TFConfWindow* FDMXDefVal = nullptr;
  TFConfWindow* FBACnetAccess = nullptr;
  TFConfWindow* FImportEDEFile = nullptr;
  TFConfWindow* FSetAccess = nullptr;
  TFConfWindow* FSNMP_Trap_Access = nullptr;
};

// Creates the main window (which reads the settings and fills Texts), then
// the other fourteen, which translate themselves from Texts as they are
// created. Owner frees them all.
TFCorvanoFirmWare* Create_Program_Windows(TComponent* Owner, TProgramState& State);
