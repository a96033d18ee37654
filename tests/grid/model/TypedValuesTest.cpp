#include <gtest/gtest.h>

#include <optional>

#include "grid/model/AdvColumnGrid.h"
#include "grid/model/AdvGridError.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/CellFloat.h"
#include "grid/model/GridColumnCollection.h"
#include "grid/model/GridColumnItem.h"
#include "tests/grid/base/Locale.h"
#include "tests/grid/model/RepaintCountingGrid.h"

namespace {

// The message of the EAdvGridError that Read raises; nothing when it raises none.
template <class F>
std::optional<String> GridErrorOf(F Read) {
  try {
    Read();
  } catch (const EAdvGridError& e) {
    return e.Message();
  }
  return std::nullopt;
}

struct IntCase {
  const char16_t* Text;
  std::optional<int> Value;  // nothing: raises
};

TEST(TypedValues, IntsFollowTheIntegerRuleOnTheTrimmedText) {
  const IntCase cases[] = {
      {u"  42  ", 42},      {u"", 0},           {u"-", 0},           {u" - ", 0},
      {u"-17", -17},        {u"4.5", {}},       {u"12abc", {}},      {u"0x10", {}},
      {u"2147483647", 2147483647}, {u"2147483648", {}}, {u"-2147483648", -2147483647 - 1},
  };
  TAdvStringGrid g(nullptr);
  for (const auto& c : cases) {
    g.SetCells(2, 3, c.Text);
    if (c.Value) {
      EXPECT_EQ(g.Ints(2, 3), *c.Value) << StringToUtf8(c.Text);
      EXPECT_EQ(g.AllInts(2, 3), *c.Value) << StringToUtf8(c.Text);
    } else {
      EXPECT_EQ(GridErrorOf([&] { g.Ints(2, 3); }), u"Cell does not contain integer value")
          << StringToUtf8(c.Text);
      EXPECT_EQ(GridErrorOf([&] { g.AllInts(2, 3); }), u"Cell does not contain integer value");
      EXPECT_EQ(g.Cells(2, 3), c.Text) << "a failed read changes nothing";
    }
  }
}

struct FloatCase {
  const TestLocale* Locale;
  const char16_t* Text;
  std::optional<double> Value;
};

TEST(TypedValues, FloatsReadDisplayedNumbersInBothLocaleOrders) {
  const FloatCase cases[] = {
      {&PointDecimalMDY, u"1,234.50", 1234.5}, {&CommaDecimalDMY, u"1.234,50", 1234.5},
      {&PointDecimalMDY, u"(12)", -12.0},      {&CommaDecimalDMY, u"(12)", -12.0},
      {&PointDecimalMDY, u"abc", 0.0},         {&CommaDecimalDMY, u"abc", 0.0},
      {&PointDecimalMDY, u"$ 3.5", 3.5},       {&CommaDecimalDMY, u"3,5 EUR", 3.5},
      {&PointDecimalMDY, u"-", 0.0},           {&PointDecimalMDY, u"", 0.0},
      {&PointDecimalMDY, u"1.2.3", {}},        {&CommaDecimalDMY, u"1,2,3", {}},
  };
  TAdvStringGrid g(nullptr);
  for (const auto& c : cases) {
    ScopedLocale locale(*c.Locale);
    g.SetCells(1, 2, c.Text);
    if (c.Value) {
      EXPECT_DOUBLE_EQ(g.Floats(1, 2), *c.Value) << StringToUtf8(c.Text);
      EXPECT_DOUBLE_EQ(g.AllFloats(1, 2), *c.Value) << StringToUtf8(c.Text);
    } else {
      EXPECT_EQ(GridErrorOf([&] { g.Floats(1, 2); }), u"Cell does not contain a float value")
          << StringToUtf8(c.Text);
      EXPECT_EQ(GridErrorOf([&] { g.AllFloats(1, 2); }), u"Cell does not contain a float value");
    }
  }
}

TEST(TypedValues, FloatsWriteInTheColumnsFormatAllFloatsInTheGrids) {
  ScopedLocale locale(PointDecimalMDY);
  TAdvColumnGrid g(nullptr);
  g.SetFloatFormat(u"%.1f");
  g.Columns()->Items(1)->SetFloatFormat(u"%.3f");
  g.SetFloats(1, 1, 2.0);
  EXPECT_EQ(g.Cells(1, 1), u"2.000");
  g.SetAllFloats(1, 2, 2.0);
  EXPECT_EQ(g.Cells(1, 2), u"2.0") << "never the column's format";
  g.SetFloats(2, 1, 3.14159);
  EXPECT_EQ(g.Cells(2, 1), u"3.1");
  TAdvStringGrid plain(nullptr);
  plain.SetFloats(1, 1, 3.14159);
  EXPECT_EQ(plain.Cells(1, 1), u"3.14") << "the grid's own format is %.2f";
  ScopedLocale comma(CommaDecimalDMY);
  plain.SetFloats(1, 1, 2.5);
  EXPECT_EQ(plain.Cells(1, 1), u"2,50");
  EXPECT_DOUBLE_EQ(plain.Floats(1, 1), 2.5);
}

TEST(TypedValues, AColumnsFormattedCellReadsTheLocalesDecimalSeparator) {
  ScopedLocale locale(CommaDecimalDMY);
  TAdvColumnGrid g(nullptr);
  g.Columns()->Items(1)->SetFloatFormat(u"%.3f");
  g.SetCells(1, 1, u"1.234,5");
  EXPECT_EQ(g.GetFormattedCell(1, 1), u"1234,500");
}

TEST(TypedValues, AFloatFormatThatDoesNotFitRaisesAndLeavesTheCell) {
  TAdvStringGrid g(nullptr);
  g.SetCells(1, 1, u"old");
  for (const char16_t* format : {u"%d", u"%s", u"%.2f %.2f", u"%x"}) {
    g.SetFloatFormat(format);
    EXPECT_THROW(g.SetFloats(1, 1, 1.5), EConvertError) << StringToUtf8(format);
    EXPECT_THROW(g.SetAllFloats(1, 1, 1.5), EConvertError) << StringToUtf8(format);
    EXPECT_EQ(g.Cells(1, 1), u"old");
  }
}

TEST(TypedValues, IntsAndFloatsReadTheTextWithoutTagsAllIntsTheRawText) {
  ScopedLocale locale(PointDecimalMDY);
  TAdvStringGrid g(nullptr);
  g.SetCells(1, 1, u"<b>7</b>");
  EXPECT_EQ(g.Ints(1, 1), 7);
  EXPECT_EQ(GridErrorOf([&] { g.AllInts(1, 1); }), u"Cell does not contain integer value");
  g.SetCells(1, 1, u"<font color=\"red\"> (2.5)</font>");
  EXPECT_DOUBLE_EQ(g.Floats(1, 1), -2.5);
}

TEST(TypedValues, ControlValuesOfTheControlsInACell) {
  TAdvStringGrid g(nullptr);
  const String text =
      u"Name <CONTROL ID=\"ed\" VALUE=\"abc\" WIDTH=\"40\" TYPE=\"EDIT\"> and "
      u"<CONTROL ID=\"ck\" VALUE=\"TRUE\" WIDTH=\"15\" TYPE=\"CHECK\">";
  g.SetCells(1, 1, text);
  EXPECT_EQ(g.ControlValues(1, 1, u"ed"), u"abc");
  EXPECT_EQ(g.ControlValues(1, 1, u"ck"), u"TRUE");
  EXPECT_EQ(g.ControlValues(1, 1, u"none"), u"");
  g.SetControlValues(1, 1, u"ck", u"FALSE");
  EXPECT_EQ(g.ControlValues(1, 1, u"ck"), u"FALSE");
  EXPECT_EQ(g.ControlValues(1, 1, u"ed"), u"abc");
  EXPECT_EQ(g.Cells(1, 1).substr(0, 5), u"Name ");
  const String rewritten = g.Cells(1, 1);
  g.SetControlValues(1, 1, u"none", u"x");
  EXPECT_EQ(g.Cells(1, 1), rewritten) << "no control with that ID: the cell stays";
  g.SetCells(1, 2, u"plain");
  g.SetControlValues(1, 2, u"ed", u"x");
  EXPECT_EQ(g.Cells(1, 2), u"plain");
}

TEST(TypedValues, IntsWriteDecimalText) {
  TAdvStringGrid g(nullptr);
  g.SetInts(1, 1, -2147483647 - 1);
  EXPECT_EQ(g.Cells(1, 1), u"-2147483648");
  g.SetAllInts(2, 1, 7);
  EXPECT_EQ(g.Cells(2, 1), u"7");
}

TEST(TypedValues, HiddenRowsAndColumnsAreReachedThroughAllIntsAndAllFloats) {
  ScopedLocale locale(PointDecimalMDY);
  TAdvStringGrid g(nullptr);
  g.SetCells(1, 3, u"5");
  g.SetCells(2, 4, u"2.5");
  g.HideRow(3);
  EXPECT_EQ(g.AllInts(1, 3), 5);
  g.SetAllInts(1, 3, 6);
  g.HideColumn(2);
  EXPECT_DOUBLE_EQ(g.AllFloats(2, 4), 2.5);
  g.SetAllFloats(2, 4, 4.25);
  g.UnHideRowsAll();
  g.UnHideColumnsAll();
  EXPECT_EQ(g.Cells(1, 3), u"6");
  EXPECT_EQ(g.Cells(2, 4), u"4.25");
}

struct DateCase {
  const TestLocale* Locale;
  TDateTime Value;
  const char16_t* Text;
};

TEST(TypedValues, DatesAndTimesInBothLocaleOrders) {
  const DateCase dates[] = {
      {&PointDecimalMDY, EncodeDate(2024, 3, 5), u"3/5/2024"},
      {&CommaDecimalDMY, EncodeDate(2024, 3, 5), u"05.03.2024"},
      {&CommaDecimalYMD, EncodeDate(1999, 12, 31), u"1999-12-31"},
  };
  TAdvStringGrid g(nullptr);
  for (const auto& c : dates) {
    ScopedLocale locale(*c.Locale);
    g.SetDates(1, 1, c.Value);
    EXPECT_EQ(g.Cells(1, 1), c.Text);
    EXPECT_EQ(g.Dates(1, 1), c.Value);
  }
  ScopedLocale locale(PointDecimalMDY);
  g.SetTimes(1, 2, EncodeTime(13, 5, 9, 0));
  EXPECT_EQ(g.Cells(1, 2), u"1:05:09 PM");
  EXPECT_DOUBLE_EQ(g.Times(1, 2), EncodeTime(13, 5, 9, 0));
  FormatSettings.LongTimeFormat = u"hh:nn:ss";
  g.SetTimes(1, 2, EncodeTime(7, 30, 0, 0));
  EXPECT_EQ(g.Cells(1, 2), u"07:30:00");
}

TEST(TypedValues, DatesAndTimesPassTheConversionErrorThrough) {
  ScopedLocale locale(PointDecimalMDY);
  TAdvStringGrid g(nullptr);
  g.SetCells(1, 1, u"not a date");
  EXPECT_THROW(g.Dates(1, 1), EConvertError);
  EXPECT_THROW(g.Times(1, 1), EConvertError);
  g.SetCells(1, 1, u"13/45/2024");
  EXPECT_THROW(g.Dates(1, 1), EConvertError);
  EXPECT_EQ(g.Cells(1, 1), u"13/45/2024");
}

TEST(TypedValues, NullDatesAreWrittenOnlyWithShowNullDates) {
  ScopedLocale locale(PointDecimalMDY);
  TAdvStringGrid g(nullptr);
  EXPECT_TRUE(g.ShowNullDates());
  g.SetDates(1, 1, 0);
  EXPECT_EQ(g.Cells(1, 1), u"12/30/1899");
  g.SetShowNullDates(false);
  for (const TDateTime value : {0.0, -3.0}) {
    g.SetCells(1, 1, u"x");
    g.SetDates(1, 1, value);
    EXPECT_EQ(g.Cells(1, 1), u"");
  }
  g.SetDates(1, 1, 1);
  EXPECT_EQ(g.Cells(1, 1), u"12/31/1899");
}

TEST(TypedValues, ColumnItemsReadAndWriteTheirColumnsTypedValues) {
  ScopedLocale locale(PointDecimalMDY);
  TAdvColumnGrid g(nullptr);
  TGridColumnItem* item = g.Columns()->Items(2);
  item->SetFloatFormat(u"%.1f");
  item->SetInts(1, 12);
  EXPECT_EQ(g.Cells(2, 1), u"12");
  EXPECT_EQ(item->Ints(1), 12);
  item->SetFloats(2, 1.25);
  EXPECT_EQ(g.Cells(2, 2), u"1.3");
  EXPECT_DOUBLE_EQ(item->Floats(2), 1.3);
  item->SetDates(3, EncodeDate(2020, 2, 29));
  EXPECT_EQ(g.Cells(2, 3), u"2/29/2020");
  EXPECT_EQ(item->Dates(3), EncodeDate(2020, 2, 29));
  item->SetTimes(4, EncodeTime(0, 0, 1, 0));
  EXPECT_EQ(g.Cells(2, 4), u"12:00:01 AM");
  EXPECT_DOUBLE_EQ(item->Times(4), EncodeTime(0, 0, 1, 0));
  EXPECT_EQ(g.Cells(1, 1), u"") << "other columns untouched";
}

class VersionGrid : public TAdvStringGrid {
 public:
  using TAdvStringGrid::TAdvStringGrid;
  int GetVersionNr() override { return 0x01020304; }
};

TEST(TypedValues, VersionAndPrintColumns) {
  VersionGrid g(nullptr);
  EXPECT_EQ(g.Version(), u"1.2.3.4");
  g.SetVersion(u"9.9.9.9");
  EXPECT_EQ(g.Version(), u"1.2.3.4");
  EXPECT_EQ(TAdvStringGrid(nullptr).Version(), u"6.2.1.3");
  EXPECT_EQ(g.PrintColWidth(511), 0);
  g.SetPrintColumn(3, 80, 120);
  EXPECT_EQ(g.PrintColWidth(3), 80);
  EXPECT_EQ(g.PrintColOffset(3), 120);
  for (const int col : {512, -1}) {
    EXPECT_EQ(GridErrorOf([&] { g.PrintColWidth(col); }), u"Columns is not in valid range");
    EXPECT_EQ(GridErrorOf([&] { g.PrintColOffset(col); }), u"Columns is not in valid range");
  }
}

TEST(TypedValues, FixedFontAndLookupItemsAreCopies) {
  TRepaintCountingGrid g(nullptr);
  TFont font;
  font.SetName(u"Courier");
  font.SetSize(15);
  const int before = g.Repaints;
  g.SetFixedFont(font);
  EXPECT_GT(g.Repaints, before);
  EXPECT_NE(g.FixedFont(), &font);
  EXPECT_EQ(g.FixedFont()->Name(), u"Courier");
  font.SetSize(20);
  EXPECT_EQ(g.FixedFont()->Size(), 15);
  const int afterCopy = g.Repaints;
  g.FixedFont()->SetSize(9);
  EXPECT_GT(g.Repaints, afterCopy) << "a change of the grid's own font repaints";

  TStringList items;
  items.Add(u"a");
  g.SetLookupItems(&items);
  items.Add(u"b");
  EXPECT_EQ(g.LookupItems()->Count(), 1);
  g.SetLookupItems(nullptr);
  EXPECT_EQ(g.LookupItems()->Count(), 1) << "nil is ignored";
}

}  // namespace

namespace {

// Plain decimal texts take a short way; they must read as the full rule reads them.
TEST(TypedValues, PlainDecimalsReadAsTheFullRuleInBothLocales) {
  const FloatCase cases[] = {
      {&PointDecimalMDY, u"-12.5", -12.5},  {&PointDecimalMDY, u"007", 7.0},
      {&PointDecimalMDY, u"0.1", 0.1},      {&CommaDecimalDMY, u"3,25", 3.25},
      {&CommaDecimalDMY, u"3.250", 3250.0}, {&PointDecimalMDY, u"1.2.3", {}},
      {&PointDecimalMDY, u"-1-2", {}},      {&CommaDecimalDMY, u"1,2,3", {}},
  };
  for (const auto& c : cases) {
    ScopedLocale locale(*c.Locale);
    double v = -1;
    EXPECT_EQ(TryCellTextToFloat(c.Text, v), c.Value.has_value()) << StringToUtf8(c.Text);
    if (c.Value) {
      EXPECT_DOUBLE_EQ(v, *c.Value) << StringToUtf8(c.Text);
    }
  }
}

}  // namespace
