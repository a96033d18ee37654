#pragma once
// The PROFINET device description (GSDML 2.31) of the gateway: a fixed
// template with the station name and the cyclic data lengths filled in from
// the project files, and the file name built by the file-name window.
#include <vector>

#include "platform/sys/DateTime.h"
#include "platform/sys/String.h"

struct TProfinetParams {
  int Input_Length = 0;
  int Output_Length = 132;
  String Station_Name = u"SERIAL";
};

// 8 bytes per child of the DALI_Access.xml root whose text is "1"; 0 without the file.
int Count_Input_Bytes(const String& File_DALI_Access);
// Without ParGen.xml the defaults stand, whatever DALI_Access.xml holds.
TProfinetParams Load_Profinet_Params(const String& File_ParGen, const String& File_DALI_Access);

std::vector<String> GSDML_Lines(const TProfinetParams& Params);
// CR LF after every line, replacing the target through the safe writer.
void Write_GSDML(const String& Path, const TProfinetParams& Params);

// The fixed parts around the user's part of the file name.
inline constexpr StringView GSDML_Name_Fix1 = u"GSDML-V2.31-Ostrel-GX3380";
// "-" and the date as YYYYMMDD, then ".xml".
String GSDML_Name_Fix2(TDateTime Date);
// Fix1 + Fix2 when the user's part is blank; "_" between Fix1 and a user
// part that does not begin with one. The user's part is taken as typed.
String GSDML_File_Name(StringView Fix1, StringView User, StringView Fix2);
