#include "app/ProgramState.h"

#include "platform/sys/Files.h"

namespace {

// While no configuration is open the paths hold the separator and the file
// name only; nothing uses them then.
String ProjectFile(const String& Project_Path, const char* Name) {
  return Project_Path + PathDelim + S(Name);
}

}  // namespace

TProgramState::TProgramState(const String& AProgram_Dir)
    : Program_Dir(ExcludeTrailingPathDelimiter(AProgram_Dir)),
      Master_Dir(Join(Program_Dir, u"MASTER")),
      Projects_Dir(Join(Program_Dir, u"PROJECTS")),
      Language_Dir(Join(Program_Dir, u"LANGUAGE")),
      Program_Title(u"Ostrel - Configurator QX4410 - DALI / SNMP Agent "),
      SW_Code(u"QX4410"),
      SW_Description(u"DALI / SNMP Agent - Converter"),
      Last_IP_Address(Default_IP_Address),
      Language(Default_Language) {
  Set_Files();
}

void TProgramState::Create_Folders() const {
  for (const String* Dir : {&Master_Dir, &Projects_Dir, &Language_Dir})
    if (!DirectoryExists(*Dir)) ForceDirectories(*Dir);
}

void TProgramState::Set_Files() {
  File_ParGen = ProjectFile(Project_Path, "ParGen.xml");
  File_DALI_Access = ProjectFile(Project_Path, "DALI_Access.xml");
  File_ModbusTCPM_SetAccess = ProjectFile(Project_Path, "ModbusTCPM_SetAccess.xml");
  File_DMX_Default_Values = ProjectFile(Project_Path, "DMX_Default_Values.xml");
  File_BACnet_Master_Access = ProjectFile(Project_Path, "BACnet_Master_Access.xml");
  File_ModbusM_SetAccess = ProjectFile(Project_Path, "ModbusM_SetAccess.xml");
  File_SNMP_Trap = ProjectFile(Project_Path, "SNMP_Trap.xml");
}
