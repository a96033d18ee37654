#pragma once
// Text files in the encodings the system uses. Reading: a byte-order mark
// selects UTF-8 or UTF-16 (LE/BE), otherwise the bytes are Windows-1252.
// Writing goes through the safe writer.
#include <string>
#include <string_view>
#include <vector>

#include "platform/sys/String.h"

enum TTextEncoding { teAnsi, teUtf8, teUtf8Bom, teUtf16LE };

String DecodeText(std::string_view Bytes);
// teAnsi replaces characters outside Windows-1252 with '?'.
std::string EncodeText(StringView Text, TTextEncoding Encoding);

String ReadTextFile(const String& FileName);
void WriteTextFile(const String& FileName, StringView Text, TTextEncoding Encoding);

// Splits at CR LF, LF or CR; a line break at the very end adds no empty line.
std::vector<String> SplitLines(StringView Text);
