#pragma once
// The update check: the query to the maker's update service and the reading
// of its reply "VER. x.yyy" against the configurator's own version. The HTTP
// client is the platform's service, so tests can answer for the service.
#include <vector>

#include "platform/sys/String.h"

// The configurator's own version in the service's notation.
inline constexpr const char16_t* Program_Version = u"1.000";

enum TVersionCheck {
  vcNewer,     // the service reports a newer version
  vcNotNewer,  // the service reports this version, an older one, or none
  vcFailure,   // no reply (no connection, HTTP error, time-out) or an unreadable one
};

// The version in Ver_str as an integer: the text after the first blank (or
// all of it) trimmed, its characters 1, 3, 4 and 5 read as a decimal number
// ("VER. 1.002" gives 1002); -1 when unreadable or shorter than five characters.
int Conv_Version(StringView Ver_str);

// The query URL and request headers for the software code SW_Code.
String Update_Query_URL(StringView SW_Code);
std::vector<String> Update_Query_Headers();

// What a reply body of the update service means for this configurator.
TVersionCheck Version_Reply_Check(StringView Reply);
// Asks the update service (synchronously, through HttpService()).
TVersionCheck Query_Update_Service(StringView SW_Code);
