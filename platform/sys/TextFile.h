#pragma once
// Text files in the encodings the system uses. Reading: a byte-order mark
// selects UTF-8 or UTF-16 (LE/BE), otherwise the bytes are Windows-1252.
// A UTF-16 text's odd last byte reads as U+FFFD.
// Writing goes through the safe writer.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sys/String.h"

enum TTextEncoding { teAnsi, teUtf8, teUtf8Bom, teUtf16LE };

String DecodeText(std::string_view Bytes);
// teAnsi replaces characters outside Windows-1252 with '?'. The bytes are
// exactly the encoding asked for, as files of a fixed format need them.
std::string EncodeText(StringView Text, TTextEncoding Encoding);
// The encoding to write Text in so that DecodeText gives it back: a text
// whose bytes would begin like a byte-order mark (an 8-bit "ÿþ", "þÿ" or
// "ï»¿", or a UTF-8 U+FEFF) goes as UTF-8 with its mark instead.
TTextEncoding ReadBackEncoding(StringView Text, TTextEncoding Encoding);

// MaxSize >= 0 refuses a larger file unread (see ReadWholeFile).
String ReadTextFile(const String& FileName, std::int64_t MaxSize = -1);
void WriteTextFile(const String& FileName, StringView Text, TTextEncoding Encoding);

// Splits at CR LF, LF or CR; a line break at the very end adds no empty line.
std::vector<String> SplitLines(StringView Text);
