#pragma once
// The bank builder: turns the project files of the open configuration into
// bank1.bin and bank2.bin. Every Build_Banks starts from scratch, so nothing
// of an earlier build survives into the next.
#include <array>
#include <cstdint>
#include <string>

#include "app/BankLayout.h"

class TProgramState;
class TProjectFile;
class TXmlNode;

class TBankBuilder {
 public:
  TBankBuilder();

  // Raises when a project file cannot be read or parsed (the message names
  // the file); the buffers are then empty and Save_Banks writes nothing.
  void Build_Banks(const String& File_ParGen, const String& File_DALI_Access, const String& File_SNMP_Trap);
  // Writes bin/bank1.bin and bin/bank2.bin under the project folder, creating
  // bin when missing. Raises EInOutError naming the file and the reason when
  // either cannot be written, so the updater is never handed stale banks;
  // then both files are as they were (never a new bank1 beside an old bank2).
  void Save_Banks(const String& Project_Path) const;
  // The same for the open configuration.
  void Build_Banks(const TProgramState& State);
  void Save_Banks(const TProgramState& State) const;

  const std::string& Bank1_Buffer() const { return FBank1_Buffer; }
  const std::string& Bank2_Buffer() const { return FBank2_Buffer; }

 private:
  void Init_Parameter_Record();
  void Clear_Trap_Tables();
  void Clear_DALI_Block();
  void Load_ParGen(const String& FileName);
  void Load_SNMP_Settings(const TProjectFile& File);
  void Load_DALI_Access(const String& FileName);
  void Load_SNMP_Trap(const String& FileName);
  void Load_Default_Traps();
  void Load_Trap_Section(const TXmlNode& Section, bool Read, TTrapTable& Table, std::size_t Count_Offset);
  void Write_Parameter_Record();
  void Write_Trap_Tables(TByteImage& Bank2) const;
  void Write_DALI_Block(TByteImage& Bank2) const;

  TByteImage FBank1_Record;
  TTrapTable FRead_Table;
  TTrapTable FWrite_Table;
  std::array<std::uint16_t, DALI_Device_Words> FDALI_Device_Flags{};
  std::uint32_t FDALI_Block_Head = 0;
  std::string FBank1_Buffer;
  std::string FBank2_Buffer;
};
