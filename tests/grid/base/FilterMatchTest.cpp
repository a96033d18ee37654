#include <gtest/gtest.h>

#include "grid/base/FilterMatch.h"
#include "tests/grid/base/Locale.h"

namespace {

struct Case {
  String condition;
  String text;
  bool match;
};

void ExpectCases(std::initializer_list<Case> cases, bool caseSensitive = true) {
  for (const auto& c : cases) {
    EXPECT_EQ(MatchFilter(c.condition, c.text, caseSensitive), c.match)
        << "condition [" << StringToUtf8(c.condition) << "] text [" << StringToUtf8(c.text) << "]";
  }
}

}  // namespace

TEST(FilterMatch, Wildcards) {
  ScopedLocale l(PointDecimalMDY);
  ExpectCases({
      {u"abc", u"abc", true},   {u"abc", u"abcd", false}, {u"ab*", u"ab", true},
      {u"ab*", u"abcd", true},  {u"ab*", u"xab", false},  {u"a?c", u"abc", true},
      {u"a?c", u"ac", false},   {u"*b*", u"abc", true},   {u"a**c", u"abbbc", true},
      {u"*", u"", true},        {u"?", u"", false},       {u"", u"", true},
      {u"", u"x", false},       {u"=abc", u"abc", true},  {u"*a*a*a*a*a*b", u"aaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
  });
}

TEST(FilterMatch, Negation) {
  ScopedLocale l(PointDecimalMDY);
  ExpectCases({
      {u"!ab*", u"xyz", true},
      {u"!ab*", u"abc", false},
      {u"!ab*", u"", true},
      {u"!", u"", false},
      {u"!x&!y", u"z", true},
      {u"!x&!y", u"y", false},
  });
}

TEST(FilterMatch, ComparisonsNumbersDatesAndTexts) {
  struct LocaleCase {
    TestLocale locale;
    Case c;
  };
  const LocaleCase cases[] = {
      {PointDecimalMDY, {u">5", u"7", true}},
      {PointDecimalMDY, {u">5", u"10", true}},  // numeric, not text order
      {PointDecimalMDY, {u">5", u"3", false}},
      {PointDecimalMDY, {u">=5", u"5", true}},
      {PointDecimalMDY, {u">5", u"5", false}},
      {PointDecimalMDY, {u"<=5", u"5.0", true}},
      {PointDecimalMDY, {u"<5", u"-7", true}},
      {PointDecimalMDY, {u">1,000.5", u"1,000.75", true}},
      {PointDecimalMDY, {u">b", u"c", true}},
      {PointDecimalMDY, {u">b", u"a", false}},
      {PointDecimalMDY, {u"<b", u"10", true}},  // a number against a text compares as text
      {PointDecimalMDY, {u">3&<7", u"5", true}},
      {PointDecimalMDY, {u">3&<7", u"8", false}},
      {PointDecimalMDY, {u"<3|>7", u"8", true}},
      {PointDecimalMDY, {u"> 5", u"6", true}},  // blanks go before the operand is read
      {CommaDecimalDMY, {u">1.000,5", u"1000,75", true}},
      {CommaDecimalDMY, {u">1.000,5", u"999", false}},
      {CommaDecimalDMY, {u"<2,5", u"2,25", true}},
      // Dates in the locale's short format compare as dates: as texts both would fail.
      {PointDecimalDMY, {u">01/02/2020", u"15/01/2021", true}},
      {PointDecimalDMY, {u"<01/02/2020", u"15/01/2021", false}},
      {CommaDecimalYMD, {u">2020-12-31", u"2021-1-2", true}},
      {CommaDecimalYMD, {u"<=2020-12-31", u"2020-12-31", true}},
  };
  for (const auto& lc : cases) {
    ScopedLocale l(lc.locale);
    ExpectCases({lc.c});
  }
}

TEST(FilterMatch, GroupsEvaluateLeftToRight) {
  ScopedLocale l(PointDecimalMDY);
  ExpectCases({
      {u"a|b&c", u"a", false},  // (a or b) and c
      {u"a|b&c", u"c", false},
      {u"a&b|c", u"c", true},
      {u"a;b", u"b", true},
      {u"a^b", u"b", true},
      {u"(a|b)&c", u"a", false},
      {u"a|(b&c)", u"a", true},
      {u"((a))", u"a", true},
      {u"(a)b", u"a", true},  // text straight after ")" is ignored
      {u"(a|b", u"b", true},  // an unclosed group runs to the end
      {u"(", u"", true},
      {u")", u")", true},
  });
  for (const String text : {u"a", u"b", u"c", u"ac", u""}) {
    EXPECT_EQ(MatchFilter(u"(a|b)&c", text, true), MatchFilter(u"c&(a|b)", text, true)) << StringToUtf8(text);
  }
  String deep(5000, u'(');
  EXPECT_FALSE(MatchFilter(deep + u"a", u"a", true));  // ends, without exhausting the stack
  // 200,000 levels, closed, unclosed, and side by side; once twenty seconds
  // (each level copied and rescanned the rest), now one pass (bench_FilterMatch).
  const String many(200000, u'(');
  EXPECT_FALSE(MatchFilter(many + u"a" + String(200000, u')'), u"a", true));
  EXPECT_FALSE(MatchFilter(many + u" a ", u"A", false));
  String wide;
  for (int i = 0; i < 20000; ++i) wide += u"(b)|";
  EXPECT_TRUE(MatchFilter(wide + u"((a))", u"A", false));
}

TEST(FilterMatch, BlanksQuotesAndEscapedOperators) {
  ScopedLocale l(PointDecimalMDY);
  ExpectCases({
      {u"a b", u"ab", true},
      {u"  ab  ", u"ab", true},
      {u"\"a b\"", u"a b", true},
      {u"\"a b\"", u"ab", false},
      {u"\"a&b\"", u"a&b", true},
      {u"\"a|b\"", u"a", false},
      {u"\"(x)\"", u"(x)", true},
      {u"\">5\"", u">5", true},
      {u"\">5\"", u"7", false},  // a quoted ">" is no comparison
      {u"\"!a\"", u"!a", true},
      {u"\"!a\"", u"b", false},
      {u"x|\"a;b\"", u"a;b", true},
  });
}

TEST(FilterMatch, CaseRules) {
  ScopedLocale l(PointDecimalMDY);
  ExpectCases({{u"ABC", u"abc", true}, {u"a*", u"ABC", true}, {u"ä?", u"ÄX", true}, {u">b", u"C", true}}, false);
  ExpectCases({{u"ABC", u"abc", false}, {u"a*", u"ABC", false}, {u"ä?", u"äX", true}}, true);
}

TEST(FilterMatch, Helpers) {
  ScopedLocale l(CommaDecimalDMY);
  EXPECT_EQ(RemoveBlanksOutsideQuotes(u" a \" b \" c "), u"a\" b \"c");
  EXPECT_EQ(FindMatchingParen(u"(a(b))c)"), 6);
  EXPECT_EQ(FindMatchingParen(u"(a(b)"), 0);
  int p = -1;
  EXPECT_EQ(FindFilterOperator(u"\"a&b\"|c", p), u'|');
  EXPECT_EQ(p, 6);
  EXPECT_EQ(FindFilterOperator(u"abc", p), Char(0));
  EXPECT_EQ(p, 0);
  EXPECT_EQ(NormalizeFloatText(u"1.234,5 x"), u"1234.5 x");
}
