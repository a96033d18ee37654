#pragma once
// The SNMP MIB module of the gateway: fixed objects, one object per enabled
// read and write row of SNMP_Trap.xml and one notification per enabled read
// row. Network managers load this text as it is, so its lines stay exactly
// as they are even where they are not strict SMIv2.
#include <vector>

#include "platform/sys/String.h"

struct TMibObject {
  String Description;
  bool Int = false;  // the row's type is INT
};

struct TMibObjects {
  std::vector<TMibObject> Read;   // at most 256
  std::vector<TMibObject> Write;  // at most 256
};

// The enabled rows of the trap file, or the 64 + 64 default objects when the
// file is missing. A missing section has no rows; a file that cannot be
// parsed raises with its name.
TMibObjects Load_MIB_Objects(const String& File_SNMP_Trap);
std::vector<String> MIB_Lines(const TMibObjects& Objects);
// CR LF after every line, Windows-1252, through the safe writer.
void Write_MIB(const String& FileName, const TMibObjects& Objects);
