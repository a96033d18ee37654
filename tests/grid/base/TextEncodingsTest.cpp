#include <gtest/gtest.h>

#include "grid/base/TextEncodings.h"
#include "platform/sys/SysUtils.h"

TEST(TextEncodings, ClipboardHtmlOffsetsPointIntoTheBlock) {
  for (const String& fragment : {String(u"0123456789"), String(), String(u"<td>\u00E9</td>")}) {
    String block = fragment;
    WrapClipboardHTML(block);
    const int n = static_cast<int>(fragment.size());
    EXPECT_EQ(Copy(block, 1, 97),
              u"Version:1.0\r\nStartHTML:00000097\r\nEndHTML:" + Format(u"%.8d", {306 + n}) +
                  u"\r\nStartFragment:00000274\r\nEndFragment:" + Format(u"%.8d", {274 + n}) + u"\r\n");
    EXPECT_EQ(static_cast<int>(block.size()), 306 + n);
    EXPECT_EQ(block.substr(274, static_cast<size_t>(n)), fragment);
    EXPECT_EQ(Copy(block, 98, 14), u"<!DOCTYPE HTML");
    EXPECT_TRUE(EndsText(u"<!--EndFragment--></body></html>", block));
  }
  String ten = u"abcdefghij";
  WrapClipboardHTML(ten);
  EXPECT_GT(Pos(u"EndHTML:00000316\r\n", ten), 0);
  EXPECT_GT(Pos(u"EndFragment:00000284\r\n", ten), 0);
}

TEST(TextEncodings, SingleLineForms) {
  EXPECT_EQ(CRToEscapedNewlines(u"a\r\nb\rc\n"), u"a\\nb\\nc");
  EXPECT_EQ(EscapedNewlinesToCR(u"a\\nb\\n"), u"a\rb\r");
  EXPECT_EQ(EscapedNewlinesToCR(CRToEscapedNewlines(u"x\r\ny")), u"x\ry");
  struct Case {
    void (*apply)(String&);
    String in, out;
  };
  const Case cases[] = {
      {CRToTilde, u"a\r\nb\r", u"a~b~"},
      {TildeToCRLF, u"a~b", u"a\r\nb"},
      {TildeToCRLF, u"^", u""},
      {TildeToCRLF, u"^~", u"^\r\n"},
      {QuoteMultilineField, u"a\r\nb \"c\"", u"\"a\vb \"c\"\""},
      {QuoteMultilineField, u"", u"\"\""},
      {VTToCRLF, u"a\vb\v", u"a\r\nb\r\n"},
      {VTToCRLF, u"plain", u"plain"},
      {CRLFToLF, u"a\r\nb\rc\n", u"a\nb\rc\n"},
  };
  for (const auto& c : cases) {
    String s = c.in;
    c.apply(s);
    EXPECT_EQ(s, c.out) << StringToUtf8(c.in);
  }
  EXPECT_EQ(CRToLF(u"a\r\nb\r"), u"a\n\nb\n");
  EXPECT_EQ(RemoveCR(u"a\r\nb\r"), u"a\nb");
}

TEST(TextEncodings, QuotesDoubledAndCollapsed) {
  EXPECT_EQ(DoubleQuoteChars(u"a\"b\"\""), u"a\"\"b\"\"\"\"");
  EXPECT_EQ(CollapseDoubledChar(u'"', u"a\"\"b\"\"\"c"), u"a\"b\"\"c");
  EXPECT_EQ(CollapseDoubledChar(u'"', DoubleQuoteChars(u"x\"\"y\"")), u"x\"\"y\"");
  EXPECT_EQ(CollapseDoubledChar(u'\'', u"no quotes"), u"no quotes");
}

TEST(TextEncodings, OddCharRuns) {
  struct Case {
    String text;
    int position;
    int runs;
  };
  const Case cases[] = {
      {u"ab\"\"c\"d", 6, 1},      // the doubled pair is skipped
      {u"abc\"", 4, 1},           // Ch as the last character
      {u"abc\"\"", 5, 1},         // even so when the run ending the text is even
      {u"\"a\"b", 1, 2},
      {u"abc", 0, 0},
      {u"", 0, 0},
      {u"\"\"\"x\"\"y", 3, 1},
  };
  for (const auto& c : cases) {
    int p = -1;
    EXPECT_EQ(FindOddCharRun(u'"', c.text, p), c.position) << StringToUtf8(c.text);
    EXPECT_EQ(p, c.position) << StringToUtf8(c.text);
    EXPECT_EQ(CountOddCharRuns(u'"', c.text), c.runs) << StringToUtf8(c.text);
  }
  EXPECT_EQ(CountChar(u'a', u"banana"), 3);
  EXPECT_EQ(CountChar(u'x', u""), 0);
}

TEST(TextEncodings, OemConversions) {
  String s = u"\u00C7a\u2591\u0394";  // Ç, a, light shade, Greek Delta (not in CP437)
  ConvertToOEM(s);
  EXPECT_EQ(s, String({Char(0x80), u'a', Char(0xB0), u'?'}));
  // ANSI bytes 0x80 0x82 read as OEM: Ç and é.
  String t = u"\u20AC\u201A";
  ConvertFromOEM(t);
  EXPECT_EQ(t, u"\u00C7\u00E9");
}
