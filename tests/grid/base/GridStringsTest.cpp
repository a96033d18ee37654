#include <gtest/gtest.h>

#include "grid/base/GridStrings.h"
#include "platform/sys/Strings.h"

TEST(GridStrings, TakeFieldBeforeCutsAtTheDelimiter) {
  struct Case {
    String text, delimiter, field, rest;
  };
  const Case cases[] = {
      {u"a;b;c", u";", u"a", u"b;c"},
      {u"abc", u";", u"", u"abc"},
      {u";x", u";", u"", u"x"},
      {u"key::value", u"::", u"key", u"value"},
  };
  for (const auto& c : cases) {
    String text = c.text;
    EXPECT_EQ(TakeFieldBefore(text, c.delimiter), c.field) << StringToUtf8(c.text);
    EXPECT_EQ(text, c.rest) << StringToUtf8(c.text);
  }
}

TEST(GridStrings, ExtractFirstLineAndLineCount) {
  struct Case {
    String text;
    bool keep;
    String line, rest;
  };
  const Case cases[] = {
      {u"a\r\nb\r\nc", true, u"a", u"b\r\nc"},
      {u"a\rb", true, u"a", u"b"},
      {u"a\r\n\nb", true, u"a", u"\nb"},  // one LF only
      {u"a\r\nb", false, u"a", u""},
      {u"single", true, u"single", u""},
      {u"", true, u"", u""},
  };
  for (const auto& c : cases) {
    String text = c.text, line = u"?";
    ExtractFirstLine(text, c.keep, line);
    EXPECT_EQ(line, c.line) << StringToUtf8(c.text);
    EXPECT_EQ(text, c.rest) << StringToUtf8(c.text);
  }
  EXPECT_EQ(LineCount(u"a\r\nb\r\nc", true), 3);
  EXPECT_EQ(LineCount(u"a\r\nb", false), 1);
  EXPECT_EQ(LineCount(u"", true), 1);
}

TEST(GridStrings, UrlsAndAnchors) {
  EXPECT_TRUE(IsURLText(u"see http://x.org"));
  EXPECT_TRUE(IsURLText(u"mailto:a@b"));
  EXPECT_FALSE(IsURLText(u"http:/x"));
  String url = u"https://x.org/a://b";
  StripURLProtocol(url);
  EXPECT_EQ(url, u"x.org/a://b");
  String mail = u"mailto:x";
  StripURLProtocol(mail);
  EXPECT_EQ(mail, u"x");
  String plain = u"plain";
  StripURLProtocol(plain);
  EXPECT_EQ(plain, u"plain");

  struct Case {
    String text;
    bool ok;
    TPoint cell;
  };
  const Case cases[] = {{u"R12C3", true, {3, 12}}, {u"r1c20", true, {20, 1}}, {u"R1C", false, {}},
                        {u"RxC2", false, {}},      {u"C1R2", false, {}},       {u"R12", false, {}}};
  for (const auto& c : cases) {
    TPoint cell{-7, -7};
    EXPECT_EQ(ParseRowColAnchor(c.text, cell), c.ok) << StringToUtf8(c.text);
    if (c.ok) {
      EXPECT_EQ(cell, c.cell) << StringToUtf8(c.text);
    }
  }
}

TEST(GridStrings, MixedCase) {
  struct Case {
    String in, out;
  };
  const Case cases[] = {
      {u"the mcx unit", u"The McX Unit"}, {u"chapter ii", u"Chapter II"},
      {u"chapter iii", u"Chapter III"},   {u"o'clock-wise", u"O'Clock-Wise"},
      {u"mcdonald", u"McDonald"},         {u"ÉCOLE d.u.n.", u"École D.U.N."},
      {u"", u""},                         {u"HELLO, WORLD", u"Hello, World"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToMixedCase(c.in), c.out) << StringToUtf8(c.in);
}

TEST(GridStrings, SmallHelpers) {
  int p = -1;
  EXPECT_EQ(PosWithIndex(u"c", u"abc", p), 3);
  EXPECT_EQ(p, 3);
  EXPECT_EQ(PosInUpperCase(u"ÄB", u"xäb"), 2);
  EXPECT_EQ(FindCharPos(u'x', u"abc"), 0);
  p = 9;
  EXPECT_EQ(FindCharPosVar(u'x', u"abc", p), 0);
  EXPECT_EQ(p, 9);  // untouched when absent
  EXPECT_EQ(FindCharPosVar(u'b', u"abc", p), 2);
  EXPECT_EQ(p, 2);
  String pw = u"secret";
  FillWithChar(pw, u'*');
  EXPECT_EQ(pw, u"******");
  TStringList l;
  l.Add(u"a");
  l.Add(u"");
  l.Add(u"bc");
  EXPECT_EQ(JoinStringsPlain(l), u"abc");
  EXPECT_TRUE(IsInRect(Rect(1, 1, 3, 3), 3, 1));
  EXPECT_FALSE(IsInRect(Rect(1, 1, 3, 3), 4, 1));
  EXPECT_EQ(MaxInt2(-3, 2), 2);
  EXPECT_EQ(MinInt2(-3, 2), -3);
}

TEST(GridStrings, ApplySizeLimits) {
  struct Case {
    int value, min, max, out;
  };
  const Case cases[] = {{5, 10, 10, 5}, {5, 10, 0, 10}, {50, 0, 20, 20}, {15, 10, 20, 15},
                        {5, 0, 0, 5},   {-5, 0, 20, -5}, {25, 10, 20, 20}};
  for (const auto& c : cases) EXPECT_EQ(ApplySizeLimits(c.value, c.min, c.max), c.out) << c.value;
}
