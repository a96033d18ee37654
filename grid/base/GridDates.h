#pragma once
// Dates read from cell texts for sorting and filtering, and date series.
#include <array>

#include "platform/sys/DateTime.h"

enum DatePart { dpDay, dpMonth, dpYear };
// Day, month and year in the order the locale's short date format names
// them (its first D, M and Y); a part it leaves out comes last.
std::array<DatePart, 3> LocaleDateOrder();

// Day, month and year in the order of the locale's short date format,
// separated by its date separator; an optional time after a blank
// (h:n or h:n:s). The year is taken as written.
bool TryParseLocaleDateTime(StringView Text, TDateTime& Value);

// "1/2/05" or "24.12.99": the separator is the first "/", else ".", else
// "-". A year of one or two digits gets a century (up to 25: 20xx, else
// 19xx); longer years are taken as written. 0 when the text does not read;
// an impossible day or month raises EConvertError.
TDateTime ParseDateMDY(StringView Text);
TDateTime ParseDateDMY(StringView Text);

// The next value of a series: only Days set adds days; only Years or only
// Months set steps the calendar (any size, either way; the day is clamped
// to the target month, the time kept); any other combination adds Step.
TDateTime IncrementDate(int Years, int Months, int Days, TDateTime Value, double Step);

// The date separator at position 2 or later, and again at least two
// characters further.
bool LooksLikeDate(StringView Text);
