#pragma once
// Classifying and cleaning number texts typed or shown in cells, with the
// locale's separators read at the moment of the call.
#include "platform/sys/String.h"

// Unicode number characters: decimal digits and other digits and numerals.
bool IsDigitChar(Char Ch);

enum TNumberTextKind { ntInteger = 0, ntSeparated = 1, ntOther = 2, ntScientific = 5 };
// 0 "-123", 1 "1,234.5" (locale separators), 2 other text, 5 "1e5".
// A text without any number character is 2.
int ClassifyNumberText(StringView Text);

// A displayed number made ready for float conversion: "(12.5)" -> "-12.5",
// "$ 1,234.50" -> "1234.50", "12abc" -> "12"; the decimal separator becomes ".".
String NormalizeNumberText(StringView Text);
