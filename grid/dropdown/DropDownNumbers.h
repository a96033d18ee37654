#pragma once
// Numbers of the typed drop-down edit as text, with the locale's
// separators at the moment of each call.
#include "platform/sys/String.h"

// Thousand separators dropped, then read; 0 when that fails.
double TextToFloat(const String& S);
// Read with a point as decimal separator, whatever the locale; 0 when that fails.
double PointTextToFloat(const String& S);
// "%g": 15 significant digits, scientific with a three-digit exponent when shorter.
String GeneralFloatText(double Value);
// Digits decimals, without thousand separators.
String FixedFloatText(double Value, int Digits);
// Digits decimals, with thousand separators.
String NumberFloatText(double Value, int Digits);
// What a money value stands for: thousand separators and a trailing
// decimal separator dropped; 0 for nothing or a sign alone.
double MoneyValue(const String& Value);
// The money value regrouped: the sign, the integer part with thousand
// separators (Grouped) and the decimal part as typed. Empty stays empty.
String MoneyText(const String& Value, bool Grouped);
