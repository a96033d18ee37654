#include "platform/sys/DateTime.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

#include "platform/sys/Exceptions.h"

namespace {

constexpr double kMSecsPerDay = 86400000.0;
// Day numbers of 0001-01-01 and 9999-12-31 in TDateTime counting.
constexpr double kMinDate = -693593.0;
constexpr double kMaxDate = 2958465.0;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long DaysFromCivil(long y, long m, long d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(long z, int& y, int& m, int& d) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

const long kEpochOffset = DaysFromCivil(1899, 12, 30);

// The day number and the milliseconds into that day; false when out of range.
bool SplitDateTime(TDateTime dt, long& day, long& msec) {
  if (!std::isfinite(dt) || dt < kMinDate || dt >= kMaxDate + 1.0) return false;
  day = static_cast<long>(std::trunc(dt));
  msec = std::lround(std::fabs(dt - std::trunc(dt)) * kMSecsPerDay);
  if (msec >= static_cast<long>(kMSecsPerDay)) {  // rounded up to midnight: the next calendar day
    msec = 0;
    ++day;
  }
  return true;
}

TDateTime SystemNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm tm{};
  localtime_r(&t, &tm);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  return CombineDateTime(EncodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday),
                         EncodeTime(tm.tm_hour, tm.tm_min, std::min(tm.tm_sec, 59), static_cast<int>(ms)));
}

TNowSource& NowSource() {
  static TNowSource source;
  return source;
}

}  // namespace

bool IsLeapYear(int Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

int DaysInAMonth(int Year, int Month) {
  return Month >= 1 && Month <= 12 ? MonthDays[IsLeapYear(Year)][Month] : 0;
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date) {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInAMonth(Year, Month))
    return false;
  Date = static_cast<double>(DaysFromCivil(Year, Month, Day) - kEpochOffset);
  return true;
}

TDateTime EncodeDate(int Year, int Month, int Day) {
  TDateTime d = 0;
  if (!TryEncodeDate(Year, Month, Day, d)) throw EConvertError(u"Invalid argument to date encode");
  return d;
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time) {
  if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 || MSec > 999) return false;
  Time = (((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec) / kMSecsPerDay;
  return true;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec) {
  TDateTime t = 0;
  if (!TryEncodeTime(Hour, Min, Sec, MSec, t)) throw EConvertError(u"Invalid argument to time encode");
  return t;
}

TDateTime CombineDateTime(TDateTime Date, TDateTime Time) {
  const double day = std::trunc(Date);
  const double fraction = std::fabs(Time - std::trunc(Time));
  return day >= 0 ? day + fraction : day - fraction;
}

void DecodeDate(TDateTime DateTime, int& Year, int& Month, int& Day) {
  long day = 0, msec = 0;
  Year = Month = Day = 0;
  if (SplitDateTime(DateTime, day, msec)) CivilFromDays(day + kEpochOffset, Year, Month, Day);
}

void DecodeTime(TDateTime DateTime, int& Hour, int& Min, int& Sec, int& MSec) {
  long day = 0, msec = 0;
  if (!SplitDateTime(DateTime, day, msec)) msec = 0;
  Hour = static_cast<int>(msec / 3600000);
  Min = static_cast<int>(msec / 60000 % 60);
  Sec = static_cast<int>(msec / 1000 % 60);
  MSec = static_cast<int>(msec % 1000);
}

void DecodeDateTime(TDateTime DateTime, int& Year, int& Month, int& Day, int& Hour, int& Min, int& Sec,
                    int& MSec) {
  DecodeDate(DateTime, Year, Month, Day);
  DecodeTime(DateTime, Hour, Min, Sec, MSec);
}

int DayOfWeek(TDateTime DateTime) {
  long day = 0, msec = 0;
  if (!SplitDateTime(DateTime, day, msec)) return 0;
  // Day 0 (1899-12-30) was a Saturday.
  return static_cast<int>(((day % 7) + 13) % 7) + 1;
}

TDateTime IncMonth(TDateTime DateTime, int NumberOfMonths) {
  int y = 0, m = 0, d = 0;
  DecodeDate(DateTime, y, m, d);
  const long months = static_cast<long>(y) * 12 + (m - 1) + NumberOfMonths;
  y = static_cast<int>(months / 12);
  m = static_cast<int>(months % 12) + 1;
  return CombineDateTime(EncodeDate(y, m, std::min(d, DaysInAMonth(y, m))), DateTime);
}

TDateTime Now() { return NowSource() ? NowSource()() : SystemNow(); }
TDateTime Date() { return std::trunc(Now()); }
TDateTime Time() {
  const TDateTime now = Now();
  return std::fabs(now - std::trunc(now));
}

TNowSource SetNowSource(TNowSource Source) {
  TNowSource previous = std::move(NowSource());
  NowSource() = std::move(Source);
  return previous;
}
