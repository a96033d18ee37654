#pragma once
// TDateTime: days since 1899-12-30 as a double, the time of day as the
// fraction. Before 1899-12-30 the fraction still counts forward in the day
// (-1.25 is 1899-12-29 06:00). Conversions to and from text read
// FormatSettings at the moment of the call; Now() reads a replaceable source
// so that tests can fix the current time.
#include <functional>

#include "platform/sys/String.h"

using TDateTime = double;

bool IsLeapYear(int Year);
// MonthDays[leap][month], months 1..12 (index 0 unused).
inline constexpr int MonthDays[2][13] = {{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                         {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};
int DaysInAMonth(int Year, int Month);

// Years 1..9999. EncodeDate/EncodeTime raise EConvertError
// ("Invalid argument to date encode" / "... time encode").
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date);
TDateTime EncodeDate(int Year, int Month, int Day);
bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time);
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
// Date and time parts joined the way TDateTime counts them.
TDateTime CombineDateTime(TDateTime Date, TDateTime Time);

// A value outside 0001-01-01..9999-12-31 (or not finite) decodes to zeros.
void DecodeDate(TDateTime DateTime, int& Year, int& Month, int& Day);
void DecodeTime(TDateTime DateTime, int& Hour, int& Min, int& Sec, int& MSec);
void DecodeDateTime(TDateTime DateTime, int& Year, int& Month, int& Day, int& Hour, int& Min, int& Sec,
                    int& MSec);
int DayOfWeek(TDateTime DateTime);  // 1 = Sunday .. 7 = Saturday
// Same day in the target month, clamped to its length; the time is kept.
TDateTime IncMonth(TDateTime DateTime, int NumberOfMonths = 1);

using TNowSource = std::function<TDateTime()>;
TDateTime Now();
TDateTime Date();
TDateTime Time();
// Replaces the source of Now(); an empty function restores the system's
// local time. Answers the previous source.
TNowSource SetNowSource(TNowSource Source);

// Fixes Now() for a test's scope.
class TFixedNow {
 public:
  explicit TFixedNow(TDateTime Value) : previous_(SetNowSource([Value] { return Value; })) {}
  ~TFixedNow() { SetNowSource(std::move(previous_)); }
  TFixedNow(const TFixedNow&) = delete;
  TFixedNow& operator=(const TFixedNow&) = delete;

 private:
  TNowSource previous_;
};

// Tokens (letters in either case): d dd ddd dddd ddddd (short date) dddddd
// (long date), m mm mmm mmmm (minutes right after an h token), yy yyyy, h hh
// (12-hour when am/pm follows), n nn, s ss, z zzz, t (short time), tt (long
// time), c (short date, then long time unless it is midnight), am/pm, a/p,
// ampm (TimeAMString/TimePMString), "/" date separator, ":" time separator,
// text in double or single quotes as it is.
String FormatDateTime(StringView Format, TDateTime DateTime);
String DateToStr(TDateTime DateTime);
String TimeToStr(TDateTime DateTime);
String DateTimeToStr(TDateTime DateTime);

// Numbers separated by DateSeparator in ShortDateFormat's order of day,
// month and year; blanks around the numbers are allowed; a missing year is
// the current one; a year of one or two digits lies within 50 years before
// the current year or 49 after it. Times: h[:n[:s[.z]]] with optional
// AM/PM text before or after. Failures raise EConvertError ("'S' is not a
// valid date" / "time" / "date and time").
bool TryStrToDate(StringView S, TDateTime& Value);
TDateTime StrToDate(StringView S);
bool TryStrToTime(StringView S, TDateTime& Value);
TDateTime StrToTime(StringView S);
// A date with an optional time after it, or a time alone.
bool TryStrToDateTime(StringView S, TDateTime& Value);
TDateTime StrToDateTime(StringView S);
