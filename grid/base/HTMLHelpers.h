#pragma once
// Small string, number and colour readers of the mini-HTML tag language.
// Positions are 1-based, 0 means "not found"; upper-casing follows ASCII rules.
#include "platform/sys/SysUtils.h"
#include "platform/sys/Types.h"

// Exact match of the lower-case colour names ("clred", "clbtnface", ...); 0 when unknown.
TColor ColorNameToColor(StringView Name);
// "#RRGGBB": characters 2-3, 4-5 and 6-7 as red, green and blue.
TColor HexColorToColor(StringView Text);
// The first two characters as an upper-case hexadecimal pair (a character
// that is no such digit counts 0); 0 for fewer than two characters.
int HexPairValue(StringView Text);

// Replaces the first occurrence of Pattern in any case; True when one was replaced.
bool ReplaceFirstNoCase(StringView Pattern, StringView Replacement, String& Text);
int PosNoCase(StringView Sub, StringView Text);
int PosOut(StringView Sub, StringView Text, int& P);
// Sub is looked for in the upper-cased Text.
int PosUpperOut(StringView Sub, StringView Text, int& P);

// The text between the first double quote after the first Name in Upper
// (Text upper-cased, same length) and the next one, taken from Text; an
// unclosed quote runs to the end (before a closing ">"). Empty when Name or
// the opening quote is missing.
String QuotedValueAfter(StringView Text, StringView Upper, StringView Name);

// The number at the start of Text (an optional sign, then digits), read
// up to the first character that is not part of it; 0 when there is none.
// A value beyond 32 bits answers the 32-bit maximum (with its sign).
int StrToIntPartial(StringView Text);
// Whether a leading number was read and fits 32 bits.
bool TryStrToIntPartial(StringView Text, int& Value);
