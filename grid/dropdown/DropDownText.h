#pragma once
// Reading numeric text in the drop-down family. The separators are the
// locale's (FormatSettings) at the moment of each call.
#include <cstdint>

#include "platform/sys/String.h"

Char GetThousandSeparator();
Char GetDecimalSeparator();

// What Text looks like as a value.
enum TValueTextKind { vkInteger = 0, vkFloat = 1, vkOther = 2, vkHex = 5 };
int ClassifyValueText(const String& Text);

String StripThousandSeparators(const String& Text);
// 0 for a character that is no hexadecimal digit.
int HexDigitValue(Char Ch);
// Wraps like a 32-bit integer: more than eight digits keep the low 32 bits.
std::int32_t HexToInt(const String& Text);
bool IsRangeSeparator(Char Ch);
// Text itself when CaseSensitive, else in upper case.
void MatchCaseText(const String& Text, bool CaseSensitive, String& Result);
