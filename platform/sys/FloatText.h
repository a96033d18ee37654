#pragma once
// Floating-point numbers to and from text with FormatSettings' separators.
// Decimal rounding for display is half away from zero on the shortest
// 17-digit form of the value; Round to an integer is half to even.
#include <cstdint>

#include "platform/sys/String.h"

// Half to even (0.5 -> 0, 1.5 -> 2, -2.5 -> -2). NaN, infinity and values
// outside the 64-bit range raise EConvertError.
std::int64_t Round(double X);
std::int64_t Trunc(double X);
double Frac(double X);

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber };

// General format, 15 significant digits: "1234.5", "1E15", "1E-5".
String FloatToStr(double Value);
// ffGeneral: Precision significant digits, scientific when shorter (exponent
// at least Digits digits). ffExponent: "d.dddE+xx" with Precision digits and
// at least Digits exponent digits. ffFixed/ffNumber: Digits decimals (ffNumber
// with thousand separators); scientific when the integer part has more than
// Precision digits.
String FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits);
// Picture format: "0" digit, "#" optional digit, "." decimal separator, ","
// (before the point) thousand separators, "E+"/"E-" then "0"s for scientific,
// quoted or other text kept in front of or after the number; up to three
// sections "positive;negative;zero". An empty format is FloatToStr.
String FormatFloat(StringView Format, double Value);

// Optional sign, decimal digits with at most one DecimalSeparator, optional
// exponent ("E", sign, digits); nothing else: no blanks, no thousand separators.
bool TryStrToFloat(StringView S, double& Value);
double StrToFloatDef(StringView S, double Default);
double StrToFloat(StringView S);  // EConvertError "'S' is not a valid floating point value"
