#include <gtest/gtest.h>

#include "grid/base/GridDates.h"
#include "platform/sys/Exceptions.h"
#include "tests/grid/base/Locale.h"

TEST(GridDates, ParseDateWithCenturyOnlyForShortYears) {
  struct Case {
    String text;
    bool dmy;
    TDateTime expected;
  };
  const Case cases[] = {
      {u"24.12.99", true, EncodeDate(1999, 12, 24)},  {u"1/2/05", true, EncodeDate(2005, 2, 1)},
      {u"1/2/05", false, EncodeDate(2005, 1, 2)},     {u"3-4-25", true, EncodeDate(2025, 4, 3)},
      {u"3-4-26", true, EncodeDate(1926, 4, 3)},      {u"3.4.7", true, EncodeDate(2007, 4, 3)},
      {u"24.12.2019", true, EncodeDate(2019, 12, 24)}, {u"12/24/2019", false, EncodeDate(2019, 12, 24)},
      {u"1/2/1905", true, EncodeDate(1905, 2, 1)},    {u"1.2/2020", true, 0},
      {u"x", true, 0},                                {u"1/2", true, 0},
      {u"1/2/x", false, 0},                           {u"", false, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.dmy ? ParseDateDMY(c.text) : ParseDateMDY(c.text), c.expected) << StringToUtf8(c.text);
  }
  // Two- and four-digit years of the same date order as one.
  EXPECT_EQ(ParseDateDMY(u"1.1.19"), ParseDateDMY(u"1.1.2019"));
  EXPECT_LT(ParseDateDMY(u"31.12.99"), ParseDateDMY(u"1.1.2000"));
  EXPECT_THROW(ParseDateDMY(u"32.1.2020"), EConvertError);
  EXPECT_THROW(ParseDateMDY(u"13/1/2020"), EConvertError);
}

TEST(GridDates, LocaleDateTimeFollowsTheShortFormat) {
  struct Case {
    TestLocale locale;
    String text;
    bool ok;
    TDateTime value;
  };
  const TDateTime dec31 = EncodeDate(2020, 12, 31);
  const Case cases[] = {
      {PointDecimalDMY, u"31/12/2020 10:30", true, dec31 + EncodeTime(10, 30, 0, 0)},
      {PointDecimalDMY, u"31/12/2020 10:30:15", true, dec31 + EncodeTime(10, 30, 15, 0)},
      {PointDecimalDMY, u"31/12/2020", true, dec31},
      {PointDecimalDMY, u"31/12/20", true, EncodeDate(20, 12, 31)},  // the year as written
      {PointDecimalDMY, u"32/01/2020", false, 0},
      {PointDecimalDMY, u"12/13/2020", false, 0},
      {PointDecimalDMY, u"31/04/2020", false, 0},  // no such day
      {PointDecimalDMY, u"31/12/2020 24:00", false, 0},
      {PointDecimalDMY, u"31/12/2020 10:60", false, 0},
      {PointDecimalDMY, u"31/12/2020 1030", false, dec31},  // the value is still set
      {PointDecimalDMY, u"31.12.2020", false, 0},
      {PointDecimalMDY, u"12/31/2020", true, dec31},
      {CommaDecimalDMY, u"31.12.2020", true, dec31},
      {CommaDecimalYMD, u"2020-12-31 23:59:59", true, dec31 + EncodeTime(23, 59, 59, 0)},
      {CommaDecimalYMD, u"31-12-2020", false, 0},
  };
  for (const auto& c : cases) {
    ScopedLocale l(c.locale);
    TDateTime v = -1;
    EXPECT_EQ(TryParseLocaleDateTime(c.text, v), c.ok) << StringToUtf8(c.text);
    if (c.ok || c.value != 0) {
      EXPECT_DOUBLE_EQ(v, c.value) << StringToUtf8(c.text);
    }
  }
}

TEST(GridDates, IncrementDateStepsTheCalendar) {
  struct Case {
    int years, months, days;
    TDateTime from;
    double step;
    TDateTime to;
  };
  const Case cases[] = {
      {0, 1, 0, EncodeDate(2020, 12, 15), 0, EncodeDate(2021, 1, 15)},
      {0, 1, 0, EncodeDate(2021, 1, 31), 0, EncodeDate(2021, 2, 28)},
      {0, 1, 0, EncodeDate(2020, 1, 31), 0, EncodeDate(2020, 2, 29)},
      {0, -2, 0, EncodeDate(2021, 1, 15), 0, EncodeDate(2020, 11, 15)},
      {0, 13, 0, EncodeDate(2020, 5, 31), 0, EncodeDate(2021, 6, 30)},
      {0, -25, 0, EncodeDate(2020, 3, 31), 0, EncodeDate(2018, 2, 28)},
      {0, -12, 0, EncodeDate(2020, 12, 1), 0, EncodeDate(2019, 12, 1)},
      {2, 0, 0, EncodeDate(2020, 2, 29), 0, EncodeDate(2022, 2, 28)},
      {-1, 0, 0, EncodeDate(2021, 6, 1), 0, EncodeDate(2020, 6, 1)},
      {0, 0, 3, EncodeDate(2020, 12, 30), 0, EncodeDate(2021, 1, 2)},
      {1, 1, 0, 100, 7.5, 107.5},  // mixed steps add the plain step
      {0, 0, 0, 100, 2, 102},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(IncrementDate(c.years, c.months, c.days, c.from, c.step), c.to)
        << c.years << "/" << c.months << "/" << c.days;
  }
  const TDateTime noon = EncodeDate(2021, 1, 31) + 0.5;
  EXPECT_DOUBLE_EQ(IncrementDate(0, 1, 0, noon, 0), EncodeDate(2021, 2, 28) + 0.5);
}

TEST(GridDates, LooksLikeDate) {
  struct Case {
    TestLocale locale;
    String text;
    bool date;
  };
  const Case cases[] = {
      {PointDecimalMDY, u"1/2/3", true},  {PointDecimalMDY, u"/1/2", false}, {PointDecimalMDY, u"1//2", false},
      {PointDecimalMDY, u"12/3", false},  {PointDecimalMDY, u"1.2.3", false}, {CommaDecimalDMY, u"1.2.3", true},
      {PointDecimalMDY, u"", false},
  };
  for (const auto& c : cases) {
    ScopedLocale l(c.locale);
    EXPECT_EQ(LooksLikeDate(c.text), c.date) << StringToUtf8(c.text);
  }
}
