#pragma once
// Text types of the whole system. String is UTF-16 (one unit per Char);
// AnsiString holds 8-bit text in the system ANSI code page (Windows-1252).
// UTF-8 appears only at the edges (file names, toolkit, XML parser).
#include <cstdint>
#include <string>
#include <string_view>

using Char = char16_t;
using String = std::u16string;
using StringView = std::u16string_view;
using AnsiString = std::string;

// UTF-8 <-> UTF-16. Malformed input becomes U+FFFD; never throws.
String Utf8ToString(std::string_view utf8);
std::string StringToUtf8(StringView s);
// The offset of the first byte that does not start a well-formed UTF-8
// sequence; npos when every byte is part of one.
size_t FindInvalidUtf8(std::string_view utf8);

// Short form for literals and file names: u8 text from plain char literals.
inline String S(std::string_view utf8) { return Utf8ToString(utf8); }
