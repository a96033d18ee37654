#pragma once
// String and integer helpers in the platform's habits: positions are 1-based
// and 0 means "not found"; Trim removes every character with code <= 32;
// UpperCase/LowerCase/CompareText touch ASCII letters only, the Ansi forms
// use the full Unicode (BMP) case mapping. Float conversions and Format are
// in their own headers, included here so that one include serves callers.
#include <concepts>
#include <cstdint>
#include <type_traits>

#include "platform/sys/String.h"

int Pos(StringView SubStr, StringView S);
// As Pos, the search starting at the 1-based Offset; 0 when Offset is outside S.
int PosEx(StringView SubStr, StringView S, int Offset = 1);
// Index < 1 counts as 1; a range beyond the end answers what is there.
String Copy(StringView S, int Index, int Count);
String Copy(StringView S, int Index);  // to the end
void Delete(String& S, int Index, int Count);
// Index < 1 inserts in front, beyond the end appends.
void Insert(StringView Source, String& S, int Index);

String Trim(StringView S);
String TrimLeft(StringView S);
String TrimRight(StringView S);

Char UpCase(Char C);
String UpperCase(StringView S);
String LowerCase(StringView S);
String AnsiUpperCase(StringView S);
String AnsiLowerCase(StringView S);

// Ordinal comparisons answer <0, 0 or >0. CompareText ignores ASCII case.
int CompareStr(StringView S1, StringView S2);
int CompareText(StringView S1, StringView S2);
bool SameText(StringView S1, StringView S2);
// Locale-like collation, the same on every machine: texts compare by their
// Unicode lower-case form; AnsiCompareStr then puts lower case before upper
// case at the first difference (as the reference platform's user locale does).
int AnsiCompareStr(StringView S1, StringView S2);
int AnsiCompareText(StringView S1, StringView S2);
bool AnsiSameText(StringView S1, StringView S2);

bool ContainsText(StringView AText, StringView ASubText);
bool StartsText(StringView ASubText, StringView AText);
bool EndsText(StringView ASubText, StringView AText);

enum TReplaceFlags : unsigned { rfNone = 0, rfReplaceAll = 1, rfIgnoreCase = 2 };
constexpr TReplaceFlags operator|(TReplaceFlags a, TReplaceFlags b) {
  return static_cast<TReplaceFlags>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
String StringReplace(StringView S, StringView OldPattern, StringView NewPattern, TReplaceFlags Flags = rfNone);

String QuotedStr(StringView S);
String AnsiQuotedStr(StringView S, Char Quote);
// S without its quotes (doubled quotes inside become one); S itself when it
// does not start with Quote.
String AnsiDequotedStr(StringView S, Char Quote);

// True when the character at the 1-based Index is one of Delimiters.
bool IsDelimiter(StringView Delimiters, StringView S, int Index);
// 1-based position of the last character of S that is one of Delimiters; 0 when none.
int LastDelimiter(StringView Delimiters, StringView S);

String StringOfChar(Char C, int Count);
String DupeString(StringView S, int Count);

String IntToStr(std::int64_t Value);
String UIntToHex(std::uint64_t Value, int Digits);
// Upper-case hex of the value's two's complement at its own width, at least Digits digits.
template <std::integral T>
String IntToHex(T Value, int Digits) {
  return UIntToHex(static_cast<std::make_unsigned_t<T>>(Value), Digits);
}

// The one reading rule: an optional sign, then decimal digits only, in range.
// No blanks, no hex, "" fails.
bool TryStrToInt(StringView S, int& Value);
int StrToIntDef(StringView S, int Default);
int StrToInt(StringView S);  // EConvertError "'S' is not a valid integer value"
bool TryStrToInt64(StringView S, std::int64_t& Value);
std::int64_t StrToInt64Def(StringView S, std::int64_t Default);
std::int64_t StrToInt64(StringView S);

#include "platform/sys/FloatText.h"
#include "platform/sys/Format.h"
