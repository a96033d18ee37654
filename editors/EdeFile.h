#pragma once
// BACnet EDE files (a device's objects exported as ';'-separated lines):
// the objects of the accepted types and the table row each becomes.
#include <string_view>
#include <vector>

#include "platform/sys/String.h"

// One data line of the file.
struct TBACnet_Var {
  String keyname;
  int device_obj_instance = -1;  // -1 when not a number
  String object_name;
  int object_type = -1;
  int object_instance = -1;
  String description;
  String present_value_default;
  String min_present_value;
  String max_present_value;
  bool commandable = false;
  bool support_COV = false;
  String hi_limit;
  String low_limit;
  String stete_text_reference;
  String unit_code;
  String vendor_specific_address;
  bool import = false;  // chosen in the import dialog
  bool read = false;    // into the read table
  bool write = false;   // into the write table
};

// A byte-order mark selects UTF-8 or UTF-16; without one, valid UTF-8 is
// read as such and anything else as Windows-1252.
String Decode_EDE_Text(std::string_view Bytes);
// The objects of the accepted types from the lines after the header line,
// marked for import and read, and for write when commandable.
std::vector<TBACnet_Var> Parse_EDE_Lines(const std::vector<String>& Lines);
// The file read and parsed; a file that cannot be read raises, naming it,
// and so do a folder, a pipe or a device under the name and a file larger
// than any EDE export.
std::vector<TBACnet_Var> Load_EDE_File(const String& FileName);

// The name, data type and byte count a table row of that object type gets;
// for a type that is not accepted "", "Null" and 4.
String Get_ObjType_EDE(int Object_Type);
String Get_DataType_EDE(int Object_Type);
int Get_NumByte_EDE(int Object_Type);
bool Is_Accepted_EDE_Type(int Object_Type);
