#pragma once
// The configurator's program state: folders, the open configuration, the
// project file paths, the language and options, the text table and the
// working lists. One object for the whole run, created by the main window
// and passed by reference to every window and routine that needs it.
#include "platform/sys/String.h"
#include "platform/sys/Strings.h"
#include "platform/xml/XmlDocument.h"

// Values of a first start, also taken when the settings file lacks them.
inline constexpr const char16_t* Default_IP_Address = u"192.168.2.205";
inline constexpr const char16_t* Default_Language = u"English";

class TProgramState {
 public:
  // Derives the MASTER, PROJECTS and LANGUAGE folders from the program's
  // folder; nothing is created on disk here (see Create_Folders).
  explicit TProgramState(const String& AProgram_Dir);
  TProgramState(const TProgramState&) = delete;
  TProgramState& operator=(const TProgramState&) = delete;

  // Creates the three folders beside the program when missing; a folder
  // that cannot be created is left for the file operations in it to report.
  void Create_Folders() const;
  // The seven project file paths from Project_Path alone.
  void Set_Files();
  // A configuration is open exactly when Project_Path is not empty.
  bool Project_Open() const { return !Project_Path.empty(); }
  // The text table entry at a fixed index.
  String Text(int Index) const { return Texts.Strings(Index); }

  String Program_Dir;
  String Master_Dir;
  String Projects_Dir;
  String Language_Dir;

  String Project_Name;
  String Project_Path;

  String Program_Title;
  String SW_Code;
  String SW_Description;

  String Last_IP_Address;
  int Update_Option_Index = 0;
  bool Update_Read_Back = true;
  String Language;
  bool Enable_Internet = false;
  bool Enable_Update = false;
  bool Enable_Jump = false;
  bool Enable_Auto_Size = false;

  String File_ParGen;
  String File_DALI_Access;
  String File_ModbusTCPM_SetAccess;
  String File_DMX_Default_Values;
  String File_BACnet_Master_Access;
  String File_ModbusM_SetAccess;
  String File_SNMP_Trap;

  // Folder of the EDE file last chosen in the BACnet window; never saved.
  String EDE_Last_Dir;

  TStringList Texts;
  int Text_Count = 0;
  TStringList Row_Clipboard;

  // The one XML document of the main window: the settings file and the bank
  // builder's readers use it in turn, each from a fresh load or a clear.
  TXMLDocument XML1;
};
