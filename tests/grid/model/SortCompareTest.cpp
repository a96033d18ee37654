#include <gtest/gtest.h>

#include <algorithm>

#include "grid/model/SortSettings.h"
#include "platform/gui/ImageList.h"
#include "tests/grid/base/Locale.h"
#include "tests/grid/model/SortGrid.h"

namespace {

using Texts = std::vector<String>;

int Sign(int V) { return V < 0 ? -1 : (V > 0 ? 1 : 0); }

struct StyleCase {
  const char* name;
  TSortStyle style;  // ssAutomatic: the format hook is left alone
  std::initializer_list<const char16_t*> in;
  Texts sorted;
  const char16_t* prefix = u"";
  const char16_t* suffix = u"";
};

TEST(SortCompare, EachStyleOrdersItsTexts) {
  ScopedLocale locale(PointDecimalMDY);
  const StyleCase cases[] = {
      {"auto numbers", ssAutomatic, {u"10", u"9", u"100"}, {u"9", u"10", u"100"}},
      {"auto letters by code unit", ssAutomatic, {u"b", u"A", u"a"}, {u"A", u"a", u"b"}},
      {"auto dates", ssAutomatic, {u"12/05/2019", u"01/01/2020", u"3/04/2018"},
       {u"3/04/2018", u"12/05/2019", u"01/01/2020"}},
      {"auto times", ssAutomatic, {u"12:00", u"1:05", u"9:30"}, {u"1:05", u"9:30", u"12:00"}},
      {"alphabetic", ssAlphabetic, {u"b", u"10", u"9"}, {u"10", u"9", u"b"}},
      {"no case, a-z folded", ssAlphaNoCase, {u"b", u"C", u"a"}, {u"a", u"b", u"C"}},
      {"locale with case", ssAnsiAlphaCase, {u"B", u"b", u"a"}, {u"a", u"b", u"B"}},
      {"locale without case", ssAnsiAlphaNoCase, {u"c", u"B", u"a"}, {u"a", u"B", u"c"}},
      {"numeric, a failing text is 0", ssNumeric, {u"5", u"x", u"-3"}, {u"-3", u"x", u"5"}},
      {"financial", ssFinancial, {u"$1,200.50 USD", u"$99 USD", u"$10,000 USD"},
       {u"$99 USD", u"$1,200.50 USD", u"$10,000 USD"}, u"$", u" USD"},
      {"numeric with prefix", ssNumeric, {u"#12", u"#3"}, {u"#3", u"#12"}, u"#"},
      {"day first, an impossible date is 0", ssShortDateEU, {u"31/12/2019", u"01/02/2020", u"45/01/2020"},
       {u"45/01/2020", u"31/12/2019", u"01/02/2020"}},
      {"month first", ssShortDateUS, {u"12/31/2019", u"01/02/2019"}, {u"01/02/2019", u"12/31/2019"}},
      {"date", ssDate, {u"2/1/2020", u"1/2/2020", u""}, {u"", u"1/2/2020", u"2/1/2020"}},
      {"time", ssTime, {u"13:00", u"9:15", u"bad"}, {u"bad", u"9:15", u"13:00"}},
      {"tags removed", ssHTML, {u"<b>b</b>", u"c", u"<i>a</i>"}, {u"<i>a</i>", u"<b>b</b>", u"c"}},
      {"alphanumeric, numbers", ssAlphaNumeric, {u"10", u"9"}, {u"9", u"10"}},
      {"alphanumeric, words", ssAlphaNumericNoCase, {u"b", u"A"}, {u"A", u"b"}},
  };
  for (const StyleCase& c : cases) {
    SortGrid s;
    s.Fill(1, c.in);
    if (c.style != ssAutomatic) {
      s.G.OnGetFormat = [&](TObject*, int, TSortStyle& Style, String& Prefix, String& Suffix) {
        Style = c.style;
        Prefix = c.prefix;
        Suffix = c.suffix;
      };
    }
    s.G.Sort(1, sdAscending);
    EXPECT_EQ(s.Column(1), c.sorted) << c.name;
  }
}

TEST(SortCompare, CheckBoxesImagesAndCustom) {
  SortGrid s;
  s.Fill(1, {u"a", u"b", u"c"});
  s.G.AddCheckBox(2, 1, true, false);
  s.G.AddCheckBox(2, 2, false, false);
  s.G.AddCheckBox(2, 3, true, false);
  s.G.Sort(2, sdAscending);  // automatic: the first cell is a check box
  EXPECT_EQ(s.Column(1)[0], u"b") << "a cleared box sorts first";
  EXPECT_TRUE(s.G.IsChecked(2, 2) && s.G.IsChecked(2, 3));

  TImageList images;
  s.G.SetGridImages(&images);
  for (int r = 1; r <= 3; ++r) s.G.AddImageIdx(3, r, 10 - r, haLeft, vaTop);
  s.G.OnGetFormat = [](TObject*, int, TSortStyle& Style, String&, String&) { Style = ssImages; };
  s.G.Sort(3, sdAscending);
  int idx[3];
  for (int r = 1; r <= 3; ++r) s.G.GetImageIdx(3, r, idx[r - 1]);
  EXPECT_TRUE(std::is_sorted(std::begin(idx), std::end(idx)));

  s.G.OnGetFormat = [](TObject*, int, TSortStyle& Style, String&, String&) { Style = ssCustom; };
  s.G.OnCustomCompare = [](TObject*, const String& A, const String& B, int& Res) {
    Res = A < B ? 1 : (B < A ? -1 : 0);
  };
  s.G.Sort(1, sdAscending);
  EXPECT_EQ(s.Column(1), (Texts{u"c", u"b", u"a"}));
}

// The pivot is compared from its scratch row below the data rows: a raw
// comparison reads the copied cells there.
TEST(SortCompare, RawComparisonSeesThePivotInItsScratchRow) {
  SortGrid s;
  s.Fill(1, {u"3", u"1", u"4", u"2"});
  s.G.OnGetFormat = [](TObject*, int, TSortStyle& Style, String&, String&) { Style = ssRaw; };
  bool scratchSeen = false;
  s.G.OnRawCompare = [&](TObject*, int ACol, int R1, int R2, int& Res) {
    const int scratch = s.G.RowCount() - 2;
    if (R1 == scratch || R2 == scratch) {
      scratchSeen = true;
      EXPECT_FALSE(ACol == 1 && s.G.GridCells(ACol, scratch).empty());
    }
    Res = Sign(s.G.GridCells(ACol, R1).compare(s.G.GridCells(ACol, R2)));
  };
  s.G.Sort(1, sdAscending);
  EXPECT_TRUE(scratchSeen);
  EXPECT_EQ(s.Column(1), (Texts{u"1", u"2", u"3", u"4"}));
  EXPECT_EQ(s.G.RowCount(), 5);
}

TEST(SortCompare, BlanksByPositionAndDirection) {
  struct Case {
    bool ignore;
    TSortBlankPosition pos;
    TSortDirection dir;
    Texts sorted;
  } const cases[] = {
      {true, blFirst, sdAscending, {u"", u"a", u"b"}},
      {true, blLast, sdAscending, {u"a", u"b", u""}},
      {true, blFirst, sdDescending, {u"", u"b", u"a"}},
      {true, blLast, sdDescending, {u"b", u"a", u""}},
      {false, blLast, sdAscending, {u"", u"a", u"b"}},
      {false, blLast, sdDescending, {u"b", u"a", u""}},
  };
  for (const Case& c : cases) {
    SortGrid s;
    s.Fill(1, {u"b", u"", u"a"});
    s.G.SortSettings()->SetIgnoreBlanks(c.ignore);
    s.G.SortSettings()->SetBlankPos(c.pos);
    s.G.Sort(1, c.dir);
    EXPECT_EQ(s.Column(1), c.sorted) << c.ignore << c.pos << c.dir;
  }
}

TEST(SortCompare, EqualCellsFallThroughUnlessTheColumnIsIgnored) {
  SortGrid s;
  s.Fill(1, {u"x", u"x", u"a"});
  s.Fill(2, {u"2", u"1", u"9"});
  s.G.Sort(1, sdAscending);
  EXPECT_EQ(s.Column(2), (Texts{u"9", u"1", u"2"}));
  EXPECT_EQ(s.G.CompareLine(1, 2, 3), -1);
  s.G.SortSettings()->SetFull(false);
  EXPECT_EQ(s.G.CompareLine(1, 2, 3), 0);

  s.G.SortSettings()->SetFull(true);
  s.G.IgnoreColumns()->Add(1);
  s.G.Sort(1, sdDescending);  // only column 2 decides
  EXPECT_EQ(s.Column(2), (Texts{u"9", u"2", u"1"}));
  EXPECT_GT(s.G.Compares(), 0);
}

}  // namespace
