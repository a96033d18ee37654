#include <gtest/gtest.h>

#include "platform/sys/DateTime.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/FormatSettings.h"

namespace {

struct Ymd {
  int y, m, d;
};

Ymd Decoded(TDateTime dt) {
  Ymd r{};
  DecodeDate(dt, r.y, r.m, r.d);
  return r;
}

// Dates as ISO text so that a failure shows which one.
std::string Iso(TDateTime dt) {
  const Ymd r = Decoded(dt);
  return std::to_string(r.y) + "-" + std::to_string(r.m) + "-" + std::to_string(r.d);
}

}  // namespace

TEST(DateTimeCalendar, EncodeKnownDaysAndRoundTrip) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
  for (const Ymd& c : {Ymd{1, 1, 1}, Ymd{1600, 2, 29}, Ymd{1899, 12, 29}, Ymd{2024, 2, 29}, Ymd{9999, 12, 31}}) {
    const Ymd r = Decoded(EncodeDate(c.y, c.m, c.d));
    EXPECT_EQ(r.y * 10000 + r.m * 100 + r.d, c.y * 10000 + c.m * 100 + c.d);
  }
}

TEST(DateTimeCalendar, LeapYearsAndMonthLengths) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2023));
  EXPECT_EQ(DaysInAMonth(2024, 2), 29);
  EXPECT_EQ(DaysInAMonth(1900, 2), 28);
  EXPECT_EQ(DaysInAMonth(2023, 4), 30);
  EXPECT_EQ(MonthDays[1][2], 29);
}

TEST(DateTimeCalendar, InvalidDatesAndTimesRaise) {
  const Ymd bad[] = {{2023, 2, 29}, {1900, 2, 29}, {2024, 13, 1}, {2024, 0, 1}, {2024, 4, 31}, {0, 1, 1}, {10000, 1, 1}};
  for (const Ymd& c : bad) {
    TDateTime d = 123;
    EXPECT_FALSE(TryEncodeDate(c.y, c.m, c.d, d));
    EXPECT_EQ(d, 123);
    EXPECT_THROW(EncodeDate(c.y, c.m, c.d), EConvertError);
  }
  try {
    EncodeDate(2023, 2, 29);
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"Invalid argument to date encode");
  }
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 0, 60, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
}

TEST(DateTimeCalendar, TimeDecodesAndRoundsToMilliseconds) {
  const TDateTime t = EncodeDate(2020, 12, 31) + EncodeTime(23, 59, 58, 999);
  int h, n, s, ms;
  DecodeTime(t, h, n, s, ms);
  EXPECT_EQ(h * 10000000 + n * 100000 + s * 1000 + ms, 235958999);
  // A hair before midnight decodes as the next day's 00:00.
  const TDateTime almost = EncodeDate(2020, 12, 31) + 0.9999999999;
  EXPECT_EQ(Iso(almost), "2021-1-1");
  DecodeTime(almost, h, n, s, ms);
  EXPECT_EQ(h + n + s + ms, 0);
  // Before 1899-12-30 the fraction still counts forward: -1.25 is 29 Dec 06:00.
  EXPECT_EQ(Iso(-1.25), "1899-12-29");
  DecodeTime(-1.25, h, n, s, ms);
  EXPECT_EQ(h, 6);
  EXPECT_EQ(CombineDateTime(-1, 0.25), -1.25);
  EXPECT_EQ(Iso(1e300), "0-0-0");
}

TEST(DateTimeCalendar, DayOfWeekStartsOnSunday) {
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);  // Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 6, 2)), 1);    // Sunday
  EXPECT_EQ(DayOfWeek(CombineDateTime(EncodeDate(1899, 12, 25), 0.5)), 2);  // Monday, before day 0
}

TEST(DateTimeCalendar, IncMonthClampsTheDayAndKeepsTheTime) {
  const TDateTime jan31 = EncodeDate(2023, 1, 31) + EncodeTime(10, 30, 0, 0);
  EXPECT_EQ(Iso(IncMonth(jan31)), "2023-2-28");
  EXPECT_EQ(Iso(IncMonth(EncodeDate(2024, 1, 31))), "2024-2-29");
  EXPECT_EQ(Iso(IncMonth(jan31, 13)), "2024-2-29");
  EXPECT_EQ(Iso(IncMonth(jan31, -2)), "2022-11-30");
  EXPECT_EQ(Iso(IncMonth(EncodeDate(2020, 12, 15))), "2021-1-15");
  EXPECT_DOUBLE_EQ(IncMonth(jan31) - EncodeDate(2023, 2, 28), EncodeTime(10, 30, 0, 0));
}

TEST(DateTimeClock, NowComesFromTheInjectedSource) {
  const TDateTime fixed = EncodeDate(2021, 3, 4) + EncodeTime(5, 6, 7, 0);
  {
    TFixedNow now(fixed);
    EXPECT_EQ(Now(), fixed);
    EXPECT_EQ(Date(), EncodeDate(2021, 3, 4));
    EXPECT_NEAR(Time(), EncodeTime(5, 6, 7, 0), 1e-9);
  }
  EXPECT_GT(Now(), EncodeDate(2020, 1, 1));  // back on the system clock
}

TEST(DateTimeText, FormatTokens) {
  TFormatSettingsGuard guard;
  const TDateTime dt = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);  // a Tuesday
  struct Case {
    const char16_t* format;
    const char16_t* text;
  };
  const Case cases[] = {
      {u"d dd ddd dddd", u"5 05 Tue Tuesday"},
      {u"m mm mmm mmmm", u"3 03 Mar March"},
      {u"yy yyyy", u"24 2024"},
      {u"h hh n nn s ss z zzz", u"14 14 7 07 9 09 45 045"},
      {u"hh:mm", u"14:07"},  // m right after h is the minute
      {u"h:nn am/pm", u"2:07 pm"},
      {u"h:nn AM/PM", u"2:07 PM"},
      {u"h a/p", u"2 p"},
      {u"hh:nn ampm", u"02:07 PM"},
      {u"yyyy/mm/dd", u"2024/03/05"},
      {u"\"day\" d 'of' mmmm", u"day 5 of March"},
      {u"ddddd", u"3/5/2024"},
      {u"dddddd", u"Tuesday, March 5, 2024"},
      {u"t", u"2:07 PM"},
      {u"tt", u"2:07:09 PM"},
      {u"c", u"3/5/2024 2:07:09 PM"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.format, dt), c.text) << StringToUtf8(c.format);
  EXPECT_EQ(FormatDateTime(u"h:nn am/pm", EncodeTime(0, 5, 0, 0)), u"12:05 am");
  EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 3, 5)), u"3/5/2024");  // midnight: no time
}

TEST(DateTimeText, SeparatorsAndNamesFollowFormatSettings) {
  TFormatSettingsGuard guard;
  FormatSettings.DateSeparator = u'.';
  FormatSettings.TimeSeparator = u'-';
  FormatSettings.ShortDateFormat = u"dd/mm/yyyy";
  FormatSettings.LongTimeFormat = u"hh:nn:ss";
  FormatSettings.ShortMonthNames[0] = u"Jän";
  const TDateTime dt = EncodeDate(2020, 1, 2) + EncodeTime(3, 4, 5, 0);
  EXPECT_EQ(DateToStr(dt), u"02.01.2020");
  EXPECT_EQ(TimeToStr(dt), u"03-04-05");
  EXPECT_EQ(FormatDateTime(u"d mmm", dt), u"2 Jän");
}

TEST(DateTimeText, StrToDateFollowsTheShortDateOrder) {
  TFormatSettingsGuard guard;
  TFixedNow now(EncodeDate(2025, 6, 1));
  struct Case {
    const char16_t* format;
    Char separator;
    const char16_t* text;
    const char* expected;  // empty: fails
  };
  const Case cases[] = {
      {u"d/m/yyyy", u'/', u"31/12/2020", "2020-12-31"},
      {u"dd.mm.yyyy", u'.', u"1.2.2005", "2005-2-1"},
      {u"M/d/yyyy", u'/', u"12/31/2020", "2020-12-31"},
      {u"M/d/yyyy", u'/', u"31/12/2020", ""},
      {u"yyyy-mm-dd", u'-', u"2020-02-29", "2020-2-29"},
      {u"yyyy-mm-dd", u'-', u"2021-02-29", ""},
      {u"d/m/yyyy", u'/', u" 3 / 4 / 2021 ", "2021-4-3"},
      {u"d/m/yyyy", u'/', u"3/4", "2025-4-3"},        // the current year
      {u"d/m/yyyy", u'/', u"3/4/30", "2030-4-3"},     // two digits: within 50 years back, 49 on
      {u"d/m/yyyy", u'/', u"3/4/76", "1976-4-3"},
      {u"d/m/yyyy", u'/', u"3/4/75", "1975-4-3"},
      {u"d/m/yyyy", u'/', u"3/4/74", "2074-4-3"},
      {u"d/m/yyyy", u'/', u"3-4-2021", ""},
      {u"d/m/yyyy", u'/', u"3/4/2021x", ""},
      {u"d/m/yyyy", u'/', u"3/4/20210", ""},
      {u"d/m/yyyy", u'/', u"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(StringToUtf8(c.text));
    FormatSettings.ShortDateFormat = c.format;
    FormatSettings.DateSeparator = c.separator;
    TDateTime v = -5;
    const bool ok = TryStrToDate(c.text, v);
    EXPECT_EQ(ok, *c.expected != 0);
    if (ok) {
      EXPECT_EQ(Iso(v), c.expected);
    }
  }
  EXPECT_THROW(StrToDate(u"x"), EConvertError);
}

TEST(DateTimeText, StrToTimeAndDateTime) {
  TFormatSettingsGuard guard;
  TDateTime v = 0;
  const std::pair<const char16_t*, TDateTime> times[] = {
      {u"10:30", EncodeTime(10, 30, 0, 0)},       {u"10:30:15", EncodeTime(10, 30, 15, 0)},
      {u"10:30:15.250", EncodeTime(10, 30, 15, 250)}, {u"2:05 PM", EncodeTime(14, 5, 0, 0)},
      {u"12:00 am", EncodeTime(0, 0, 0, 0)},      {u"PM 12:01", EncodeTime(12, 1, 0, 0)},
      {u"7", EncodeTime(7, 0, 0, 0)},
  };
  for (const auto& [text, t] : times) {
    ASSERT_TRUE(TryStrToTime(text, v)) << StringToUtf8(text);
    EXPECT_DOUBLE_EQ(v, t);
  }
  for (const char16_t* bad : {u"24:00", u"10:60", u"13:00 PM", u"10:", u"", u"10:30 xyz"})
    EXPECT_FALSE(TryStrToTime(bad, v)) << StringToUtf8(bad);

  ASSERT_TRUE(TryStrToDateTime(u"12/31/2020 10:30", v));
  EXPECT_DOUBLE_EQ(v, EncodeDate(2020, 12, 31) + EncodeTime(10, 30, 0, 0));
  ASSERT_TRUE(TryStrToDateTime(u"12/31/2020", v));
  EXPECT_EQ(v, EncodeDate(2020, 12, 31));
  ASSERT_TRUE(TryStrToDateTime(u"10:30", v));
  EXPECT_DOUBLE_EQ(v, EncodeTime(10, 30, 0, 0));
  EXPECT_FALSE(TryStrToDateTime(u"12/31/2020 25:00", v));
  try {
    StrToDateTime(u"soon");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"'soon' is not a valid date and time");
  }
}

TEST(DateTimeText, FormatAndParseRoundTrip) {
  TFormatSettingsGuard guard;
  FormatSettings.ShortDateFormat = u"dd/mm/yyyy";
  FormatSettings.DateSeparator = u'.';
  FormatSettings.LongTimeFormat = u"hh:nn:ss";
  const TDateTime dt = EncodeDate(1999, 12, 24) + EncodeTime(23, 5, 1, 0);
  EXPECT_EQ(DateTimeToStr(dt), u"24.12.1999 23:05:01");
  EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(dt)), dt);
}
