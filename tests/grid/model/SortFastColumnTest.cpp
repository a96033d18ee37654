#include <gtest/gtest.h>

#include <random>

#include "grid/model/GridSorter.h"
#include "grid/model/SortSettings.h"
#include "tests/grid/base/Locale.h"
#include "tests/grid/model/SortGrid.h"

namespace {

using Texts = std::vector<String>;

// Blanks, texts equal but for case, numbers next to texts that convert
// anyway ("-inf", "1e3"), equal numbers in other spellings, repeats that
// fall through to column 2, and texts sharing their first four code units.
const std::initializer_list<const char16_t*> kTricky = {
    u"10",   u"",     u"9",    u"abc",  u"ABC",     u"Abc",     u"abd", u"1e3", u"-5",
    u"-inf", u"1,000", u"x",   u"",     u"10",      u"b",       u"B",   u"0",   u"-0",
    u"5.50", u"5.5",  u" 7",   u"abcd", u"abcdefg", u"abcdEfg", u"9",   u"-",   u"abc"};
// Column 2 decides the rows that tie in column 1; some tie there too.
const std::initializer_list<const char16_t*> kThen = {
    u"3", u"1", u"2", u"2", u"1", u"3", u"1", u"2", u"3", u"1", u"2", u"3", u"2", u"1",
    u"3", u"1", u"2", u"3", u"1", u"2", u"3", u"1", u"2", u"3", u"1", u"1", u"2"};

struct SortCase {
  TSortStyle style;  // ssAutomatic: no format hook
  bool ignoreCase, ignoreBlanks;
  TSortBlankPosition pos;
  TSortDirection dir;
  bool full;
};

void Prepare(SortGrid& s, const SortCase& c, const char16_t* Extra) {
  s.Fill(1, kTricky);
  s.Fill(2, kThen);
  if (Extra) {
    s.G.SetRowCount(s.G.RowCount() + 1);
    s.G.SetCells(1, s.G.RowCount() - 1, Extra);
  }
  TSortSettings& st = *s.G.SortSettings();
  st.SetIgnoreCase(c.ignoreCase);
  st.SetIgnoreBlanks(c.ignoreBlanks);
  st.SetBlankPos(c.pos);
  st.SetFull(c.full);
  st.SetColumn(1);
  st.SetDirection(c.dir);
  if (c.style != ssAutomatic)
    s.G.OnGetFormat = [style = c.style](TObject*, int, TSortStyle& Style, String&, String&) { Style = style; };
}

// The flat keys of a key-decided column answer every pair as the full cell
// comparison does, so both sorts end in the same order after the same number
// of comparisons; a text that needs the full comparison (a date under the
// automatic style) sends the whole column back to it.
TEST(SortFastColumn, OrdersExactlyAsTheFullComparison) {
  ScopedLocale locale(PointDecimalMDY);
  const TSortStyle styles[] = {ssAutomatic,  ssAlphabetic,   ssAlphaNoCase,       ssNumeric,
                               ssFinancial,  ssAlphaNumeric, ssAlphaNumericNoCase};
  const char16_t* extras[] = {nullptr, u"3/04/2018"};
  for (const char16_t* extra : extras)
    for (TSortStyle style : styles)
      for (int bits = 0; bits < 32; ++bits) {
        const SortCase c{style,
                      (bits & 1) != 0,
                      (bits & 2) != 0,
                      (bits & 4) != 0 ? blLast : blFirst,
                      (bits & 8) != 0 ? sdDescending : sdAscending,
                      (bits & 16) == 0};
        SortGrid fast, full;
        Prepare(fast, c, extra);
        Prepare(full, c, extra);
        fast.G.QSort();
        TGridSorter reference(full.G);
        reference.SetFastColumns(false);
        reference.QSort();
        const std::string what = "style " + std::to_string(style) + " bits " + std::to_string(bits) +
                                 (extra ? " with a date" : "");
        ASSERT_EQ(fast.Column(1), full.Column(1)) << what;
        ASSERT_EQ(fast.Column(2), full.Column(2)) << what;
        ASSERT_EQ(fast.G.Compares(), reference.Compares()) << what;
      }
}

// Thousands of rows: the partition's scans cross many blocks of rows, and
// meet ties, blanks and the pivot's own row at every place in a block.
TEST(SortFastColumn, ManyRowsOrderExactlyAsTheFullComparison) {
  ScopedLocale locale(PointDecimalMDY);
  std::mt19937 rnd(5);
  std::vector<String> first, then;
  for (int r = 0; r < 3000; ++r) {
    const int v = static_cast<int>(rnd() % 400);
    first.push_back(v < 20 ? String() : (v % 3 == 0 ? S("w" + std::to_string(v)) : S(std::to_string(v / 7) + ".5")));
    then.push_back(S(std::to_string(rnd() % 3)));
  }
  const TSortStyle styles[] = {ssAutomatic, ssAlphabetic, ssNumeric, ssAlphaNumeric};
  for (TSortStyle style : styles)
    for (int bits = 0; bits < 8; ++bits) {
      const SortCase c{style, false, (bits & 1) != 0, blLast, (bits & 2) != 0 ? sdDescending : sdAscending,
                       (bits & 4) == 0};
      SortGrid fast, full;
      for (SortGrid* s : {&fast, &full}) {
        Prepare(*s, c, nullptr);
        s->G.SetRowCount(static_cast<int>(first.size()) + 1);
        for (size_t r = 0; r < first.size(); ++r) {
          s->G.SetCells(1, static_cast<int>(r) + 1, first[r]);
          s->G.SetCells(2, static_cast<int>(r) + 1, then[r]);
        }
      }
      fast.G.QSort();
      TGridSorter reference(full.G);
      reference.SetFastColumns(false);
      reference.QSort();
      const std::string what = "style " + std::to_string(style) + " bits " + std::to_string(bits);
      ASSERT_EQ(fast.Column(1), full.Column(1)) << what;
      ASSERT_EQ(fast.Column(2), full.Column(2)) << what;
      ASSERT_EQ(fast.G.Compares(), reference.Compares()) << what;
    }
}

}  // namespace
