#include <gtest/gtest.h>

#include "platform/sys/Exceptions.h"
#include "platform/sys/SysUtils.h"

TEST(SysUtilsStrings, PositionsAreOneBased) {
  EXPECT_EQ(Pos(u"b", u"abcb"), 2);
  EXPECT_EQ(Pos(u"x", u"abc"), 0);
  EXPECT_EQ(Pos(u"", u"abc"), 0);
  EXPECT_EQ(PosEx(u"b", u"abcb", 3), 4);
  EXPECT_EQ(PosEx(u"b", u"abcb", 0), 0);
  EXPECT_EQ(PosEx(u"b", u"abcb", 5), 0);
  EXPECT_EQ(LastDelimiter(u"\\/", u"a/b\\c"), 4);
  EXPECT_EQ(LastDelimiter(u".", u"abc"), 0);
  EXPECT_TRUE(IsDelimiter(u";,", u"a,b", 2));
  EXPECT_FALSE(IsDelimiter(u";,", u"a,b", 4));
}

TEST(SysUtilsStrings, CopyDeleteInsertClampAtTheEdges) {
  struct Case {
    int index, count;
    const char16_t* copy;
    const char16_t* afterDelete;
  };
  const Case cases[] = {
      {2, 2, u"bc", u"ade"},   {0, 2, u"ab", u"abcde"},  // Copy treats 0 as 1; Delete ignores it
      {4, 10, u"de", u"abc"},  {6, 1, u"", u"abcde"},
      {3, 0, u"", u"abcde"},   {1, -1, u"", u"abcde"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.index << "," << c.count);
    EXPECT_EQ(Copy(u"abcde", c.index, c.count), c.copy);
    String s = u"abcde";
    Delete(s, c.index, c.count);
    EXPECT_EQ(s, c.afterDelete);
  }
  EXPECT_EQ(Copy(u"abcde", 3), u"cde");
  String s = u"ac";
  Insert(u"b", s, 2);
  EXPECT_EQ(s, u"abc");
  Insert(u"<", s, -3);
  Insert(u">", s, 99);
  EXPECT_EQ(s, u"<abc>");
}

TEST(SysUtilsStrings, TrimRemovesControlCharactersButNotOthers) {
  const String text = String(u"\t\r\n\x01 a b\x1F ") + Char(0);
  EXPECT_EQ(Trim(text), u"a b");
  EXPECT_EQ(TrimLeft(text), String(u"a b\x1F ") + Char(0));
  EXPECT_EQ(TrimRight(text), u"\t\r\n\x01 a b");
  EXPECT_EQ(Trim(u"\u00A0x\u00A0"), u"\u00A0x\u00A0");  // no-break space is above 32
}

TEST(SysUtilsStrings, CaseMappingAsciiVersusUnicode) {
  EXPECT_EQ(UpperCase(u"abc\u00E9\u03B1"), u"ABC\u00E9\u03B1");
  EXPECT_EQ(LowerCase(u"ABC\u00C9"), u"abc\u00C9");
  EXPECT_EQ(AnsiUpperCase(u"abc\u00E9\u03B1\u0444"), u"ABC\u00C9\u0391\u0424");
  EXPECT_EQ(AnsiLowerCase(u"ABC\u00C9\u0391"), u"abc\u00E9\u03B1");
  EXPECT_EQ(AnsiUpperCase(u"\U0001F600"), u"\U0001F600");  // surrogates untouched
  EXPECT_EQ(UpCase(u'q'), u'Q');
}

TEST(SysUtilsStrings, Comparisons) {
  EXPECT_EQ(CompareText(u"abc", u"ABC"), 0);
  EXPECT_LT(CompareText(u"abc", u"ABD"), 0);
  EXPECT_NE(CompareText(u"\u00E9", u"\u00C9"), 0);  // ASCII only
  EXPECT_TRUE(AnsiSameText(u"\u00E9t\u00E9", u"\u00C9T\u00C9"));
  EXPECT_LT(CompareStr(u"B", u"a"), 0);
  EXPECT_LT(AnsiCompareStr(u"a", u"B"), 0);
  EXPECT_LT(AnsiCompareStr(u"a", u"A"), 0);
  EXPECT_GT(AnsiCompareStr(u"Ab", u"ab"), 0);
  EXPECT_EQ(AnsiCompareStr(u"ab", u"ab"), 0);
  EXPECT_EQ(AnsiCompareText(u"aB", u"Ab"), 0);
  EXPECT_TRUE(ContainsText(u"Hello World", u"lo w"));
  EXPECT_TRUE(StartsText(u"HE", u"hello"));
  EXPECT_TRUE(EndsText(u"LO", u"hello"));
  EXPECT_FALSE(EndsText(u"hello!", u"hello"));
}

TEST(SysUtilsStrings, StringReplaceFlags) {
  EXPECT_EQ(StringReplace(u"aXbxc", u"x", u"--"), u"aXb--c");
  EXPECT_EQ(StringReplace(u"aXbxc", u"x", u"-", rfIgnoreCase), u"a-bxc");
  EXPECT_EQ(StringReplace(u"aXbxc", u"x", u"-", rfReplaceAll | rfIgnoreCase), u"a-b-c");
  EXPECT_EQ(StringReplace(u"aaa", u"a", u"aa", rfReplaceAll), u"aaaaaa");  // no re-scan of the new text
  EXPECT_EQ(StringReplace(u"abc", u"", u"x", rfReplaceAll), u"abc");
}

TEST(SysUtilsStrings, QuotingRoundTrips) {
  EXPECT_EQ(QuotedStr(u"it's"), u"'it''s'");
  EXPECT_EQ(AnsiQuotedStr(u"a\"b", u'"'), u"\"a\"\"b\"");
  EXPECT_EQ(AnsiDequotedStr(u"\"a\"\"b\"", u'"'), u"a\"b");
  EXPECT_EQ(AnsiDequotedStr(u"'x'rest", u'\''), u"x");
  EXPECT_EQ(AnsiDequotedStr(u"plain", u'\''), u"plain");
  EXPECT_EQ(AnsiDequotedStr(u"''", u'\''), u"");
  EXPECT_EQ(StringOfChar(u'-', 3), u"---");
  EXPECT_EQ(StringOfChar(u'-', -1), u"");
  EXPECT_EQ(DupeString(u"ab", 3), u"ababab");
}

TEST(SysUtilsIntegers, OneReadingRule) {
  struct Case {
    const char16_t* text;
    bool ok;
    int value;
  };
  const Case cases[] = {
      {u"42", true, 42},          {u"+5", true, 5},
      {u"-0", true, 0},           {u"-2147483648", true, -2147483647 - 1},
      {u"2147483647", true, 2147483647}, {u"007", true, 7},
      {u"", false, 0},            {u" 5", false, 0},
      {u"5 ", false, 0},          {u"0x10", false, 0},
      {u"$10", false, 0},         {u"2147483648", false, 0},
      {u"-2147483649", false, 0}, {u"+", false, 0},
      {u"-", false, 0},           {u"1e3", false, 0},
      {u"+-1", false, 0},         {u"\u0661", false, 0},  // Arabic-Indic one: not an ASCII digit
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(StringToUtf8(c.text));
    int v = 12345;
    EXPECT_EQ(TryStrToInt(c.text, v), c.ok);
    EXPECT_EQ(StrToIntDef(c.text, -99), c.ok ? c.value : -99);
    if (c.ok) {
      EXPECT_EQ(StrToInt(c.text), c.value);
    }
  }
}

TEST(SysUtilsIntegers, StrToIntNamesTheText) {
  try {
    StrToInt(u" 5");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"' 5' is not a valid integer value");
  }
}

TEST(SysUtilsIntegers, SixtyFourBitRange) {
  EXPECT_EQ(StrToInt64Def(u"-9223372036854775808", 0), INT64_MIN);
  EXPECT_EQ(StrToInt64Def(u"9223372036854775807", 0), INT64_MAX);
  EXPECT_EQ(StrToInt64Def(u"9223372036854775808", 7), 7);
  EXPECT_EQ(StrToInt64(u"4294967296"), 4294967296LL);
  EXPECT_THROW(StrToInt64(u"x"), EConvertError);
}

TEST(SysUtilsIntegers, ToText) {
  EXPECT_EQ(IntToStr(0), u"0");
  EXPECT_EQ(IntToStr(-123), u"-123");
  EXPECT_EQ(IntToStr(INT64_MIN), u"-9223372036854775808");
  EXPECT_EQ(IntToHex(255, 4), u"00FF");
  EXPECT_EQ(IntToHex(-1, 2), u"FFFFFFFF");
  EXPECT_EQ(IntToHex(std::int64_t{-1}, 2), u"FFFFFFFFFFFFFFFF");
  EXPECT_EQ(IntToHex(0x1234u, 1), u"1234");
}
