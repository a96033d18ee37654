#pragma once
// Ethernet_Update.xml: the parameter file that tells the update program
// where the gateway is and what to transfer (firmware image, bank 1,
// bank 2), with the load addresses of each.
#include "platform/sys/String.h"

class TProgramState;
class TXMLDocument;

// The update window's options: 0 firmware and configuration, 1 firmware, 2 configuration.
enum : int { Update_Firmware_And_Configuration = 0, Update_Firmware = 1, Update_Configuration = 2 };

struct TUpdateParameters {
  String IP_Address;  // the four address parts joined with "."
  int Option_Index = Update_Firmware_And_Configuration;
  bool Read_Back = true;
  String Master_Dir;    // holds the device image
  String Project_Path;  // holds bin/bank1.bin and bin/bank2.bin
};

// Clears Doc and builds the file's tree in it.
void Build_Update_Parameters(TXMLDocument& Doc, const TUpdateParameters& Parameters);
// Writes Program_Dir/Ethernet_Update.xml through the safe writer; raises
// EInOutError naming the file when it cannot be written.
void Write_Update_Parameter_File(const String& Program_Dir, const TUpdateParameters& Parameters);
// From the program state, as the update window leaves it after a
// successful echo: Last_IP_Address, Update_Option_Index, Update_Read_Back.
void Write_Update_Parameter_File(const TProgramState& State);
