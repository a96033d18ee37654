#pragma once
// The locale values the grid reads at the moment of each call.
#include "platform/sys/FormatSettings.h"

inline Char GetTimeSeparator() { return FormatSettings.TimeSeparator; }
inline Char GetDateSeparator() { return FormatSettings.DateSeparator; }
inline Char GetThousandSeparator() { return FormatSettings.ThousandSeparator; }
inline Char GetDecimalSeparator() { return FormatSettings.DecimalSeparator; }
inline String GetShortDateFormat() { return FormatSettings.ShortDateFormat; }
inline String GetShortTimeFormat() { return FormatSettings.ShortTimeFormat; }
inline String GetLongTimeFormat() { return FormatSettings.LongTimeFormat; }
