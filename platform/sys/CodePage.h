#pragma once
// 8-bit code pages of the system: ANSI is Windows-1252, OEM is CP437.
#include <string_view>

#include "platform/sys/String.h"

// Decodes Windows-1252 bytes (the five unassigned bytes map to U+0081 etc.).
String AnsiToString(std::string_view bytes);
// Encodes to Windows-1252; a character outside the page becomes '?'.
// *Lossy (when given) tells whether any character was replaced.
AnsiString StringToAnsi(StringView s, bool* Lossy = nullptr);

String OemToString(std::string_view bytes);
AnsiString StringToOem(StringView s, bool* Lossy = nullptr);
