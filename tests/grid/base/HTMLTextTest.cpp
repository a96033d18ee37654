#include <gtest/gtest.h>

#include <random>

#include "grid/base/HTMLControls.h"
#include "grid/base/HTMLText.h"

namespace {
std::string U8(StringView s) { return StringToUtf8(s); }
}  // namespace

TEST(HTMLText, PlainText) {
  struct Case {
    String text, plain, noBreaks;
  };
  const Case cases[] = {
      {u"a<BR>b", u"a\r\nb", u"ab"},
      {u"a<hr>b<br>", u"a\r\nb\r\n", u"ab"},
      {u"a<b>b</b>c", u"abc", u"abc"},
      {u"a<b>c", u"ac", u"ac"},
      {u"x<b>y<z", u"xy<z", u"xy<z"},
      {u"a<x<BR>>b", u"ab", u"a>b"},
      {u"a>b<i>c</i>", u"a>bc", u"a>b<i>c</i>"},  // without breaks: a ">" first stops
      {u"<", u"<", u"<"},
      {u"", u"", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HTMLToPlainText(c.text), c.plain) << U8(c.text);
    EXPECT_EQ(HTMLToPlainTextNoBreaks(c.text), c.noBreaks) << U8(c.text);
  }
}

TEST(HTMLText, PlainTextEqualsBreaksThenTagRemoval) {
  // The definition: break tags become CR LF, then tags go one by one.
  const auto reference = [](String text) {
    for (const char16_t* tag : {u"<BR>", u"<HR>"}) text = StringReplace(text, tag, u"\r\n", rfReplaceAll | rfIgnoreCase);
    for (size_t open = text.find(u'<'); open != String::npos; open = text.find(u'<', open)) {
      const size_t close = text.find(u'>', open);
      if (close == String::npos) break;
      text.erase(open, close - open + 1);
    }
    return text;
  };
  const String pieces[] = {u"<", u">", u"<BR>", u"<hr>", u"b", u"<b", u"R>", u"<H", u"x"};
  std::mt19937 random(3122);
  for (int round = 0; round < 3000; ++round) {
    String text;
    for (int k = static_cast<int>(random() % 10); k > 0; --k) text += pieces[random() % std::size(pieces)];
    ASSERT_EQ(HTMLToPlainText(text), reference(text)) << U8(text);
  }
}

TEST(HTMLText, VisibleToRawIndexAndFindTextFrom) {
  const String text = u"x<b>ab</b>";
  EXPECT_EQ(VisibleToRawIndex(text, 1), 1);
  EXPECT_EQ(VisibleToRawIndex(text, 2), 2);   // before <b>
  EXPECT_EQ(VisibleToRawIndex(text, 4), 7);   // after b, before </b>
  EXPECT_EQ(VisibleToRawIndex(u"ab", 3), 3);  // one past the last: length + 1
  EXPECT_EQ(VisibleToRawIndex(text, 5), 0);
  EXPECT_EQ(VisibleToRawIndex(text, 0), 0);
  int p = -1;
  EXPECT_EQ(FindTextFrom(u"AB", u"abxab", 0, false, p), 1);
  EXPECT_EQ(FindTextFrom(u"AB", u"abxab", 1, false, p), 4);
  EXPECT_EQ(p, 4);
  EXPECT_EQ(FindTextFrom(u"AB", u"abxab", 1, true, p), 0);
  EXPECT_EQ(p, 0);
  EXPECT_EQ(FindTextFrom(u"\u00E9", u"\u00C9t\u00E9", 0, false, p), 1);  // by the locale
  EXPECT_EQ(FindTextFrom(u"a", u"a", 7, false, p), 0);
}

TEST(HTMLText, EscapingRoundTrips) {
  EXPECT_EQ(EscapeHTMLText(u"a&b\"<c>", false), u"a&amp;b&quot;&lt;c&gt;");
  EXPECT_EQ(UnescapeHTMLText(u"a&AMP;b&Quot;&lt;c&GT;", false), u"a&b\"<c>");
  EXPECT_EQ(EscapeHTMLText(u"*amp;", false), u"*amp;");
  EXPECT_EQ(UnescapeHTMLText(u"&amp;quot;", false), u"&quot;");
  EXPECT_EQ(UnescapeHTMLText(u"&amp;eacute;", true), u"&eacute;");
  EXPECT_EQ(UnescapeHTMLText(u"&Eacute;&eacute;&EACUTE;", true), u"\u00C9\u00E9&EACUTE;");
  EXPECT_EQ(UnescapeHTMLText(u"&eacute;", false), u"&eacute;");
  EXPECT_EQ(EscapeHTMLText(u"\u00E9\u20AC\u00AB\u00BB\u00A9", true), u"&eacute;&euro;&laquo;&raquo;&copy;");
  EXPECT_EQ(EscapeHTMLText(u"\u00E9", false), u"\u00E9");
  const String texts[] = {u"*amp;",       u"&amp;",    u"&amp;quot;", u"&quot;&lt;&gt;", u"&eacute; \u00E9",
                          u"&&;&",        u"&Auml;x",  u"<a href=\"&copy;\">", u"&", u""};
  for (const auto& text : texts)
    for (bool extended : {false, true})
      EXPECT_EQ(UnescapeHTMLText(EscapeHTMLText(text, extended), extended), text) << U8(text) << extended;
}

TEST(HTMLText, SmallConversions) {
  EXPECT_EQ(SpacesToNbsp(u"a b  c"), u"a&nbsp;b&nbsp;&nbsp;c");
  EXPECT_EQ(LineBreaksToBR(u"a\r\nb"), u"a<br>\nb");
  EXPECT_EQ(LineBreaksToBR(u"a\nb"), u"a\nb");
  EXPECT_EQ(ColorToHTMLHex(clRed), u"FF0000");
  EXPECT_EQ(ColorToHTMLHex(RGB(1, 0x23, 0xAB)), u"0123AB");
  EXPECT_EQ(ColorToHTMLHex(clBtnFace), ColorToHTMLHex(ColorToRGB(clBtnFace)));
  EXPECT_NE(ColorToHTMLHex(clBtnFace), u"0F0000");
}

TEST(HTMLText, InsertURLLink) {
  String result = u"untouched";
  EXPECT_FALSE(InsertURLLink(u"no link here", u"HTTP://", result));
  EXPECT_EQ(result, u"untouched");
  ASSERT_TRUE(InsertURLLink(u"see <http://Host.org/a_b.html> now", u"HTTP://", result));
  EXPECT_EQ(result, u"see &lt;<a href=\"http://Host.org/a_b.html\">http://Host.org/a_b.html</a>&gt; now");
  ASSERT_TRUE(InsertURLLink(u"mailto:me@x.org", u"MAILTO:", result));
  EXPECT_EQ(result, u"<a href=\"mailto:me@x.org\">mailto:me@x.org</a>");
}

TEST(HTMLText, Highlighting) {
  struct Case {
    String text, search;
    bool caseSensitive;
    String marked, removed;
  };
  const Case cases[] = {
      {u"x<b>ab</b>", u"ab", true, u"x<hi><b>ab</hi></b>", u"x<b>ab</b>"},
      {u"x<b>AB</b>", u"ab", false, u"x<hi><b>AB</hi></b>", u"x<b>AB</b>"},
      {u"x<b>AB</b>", u"ab", true, u"x<b>AB</b>", u"x<b>AB</b>"},
      {u"abab", u"ab", true, u"<hi>ab</hi><hi>ab</hi>", u"abab"},
      {u"aaa", u"aa", true, u"<hi>aa</hi>a", u"aaa"},
      {u"1 > 0 or 2 < 3", u"2", true, u"1 &gt; 0 or <hi>2</hi> &lt; 3", u"1 > 0 or 2 < 3"},
      {u"a<b", u"a<", true, u"<hi>a&lt;</hi>b", u"a<b"},
      {u"x<b>ab</b>", u"", true, u"x<b>ab</b>", u"x<b>ab</b>"},
      {u"none", u"zz", false, u"none", u"none"},
  };
  for (const auto& c : cases) {
    String marked;
    HighlightInHTML(c.text, c.search, u"hi", c.caseSensitive, marked);
    EXPECT_EQ(marked, c.marked) << U8(c.text) << " / " << U8(c.search);
    EXPECT_EQ(RemoveHighlightTags(marked, u"HI"), c.removed) << U8(c.text);
  }
}

TEST(HTMLText, HighlightColours) {
  EXPECT_EQ(HTMLHighlightBackground(), clHighlight);
  EXPECT_EQ(HTMLHighlightTextColor(), clHighlightText);
  SetHTMLHighlightColors(clYellow, clBlack);
  EXPECT_EQ(HTMLHighlightBackground(), clYellow);
  EXPECT_EQ(HTMLHighlightTextColor(), clBlack);
  SetHTMLHighlightColors(clHighlight, clHighlightText);
}

namespace {

const String kControls =
    u"Name: <CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"TRUE\" WIDTH=\"15\"> "
    u"<control type=\"edit\" id=\"e1\" value=\"a &amp; b\" width=\"80\" height=\"30\" prop=\"&eacute;\" maxlen=\"12\">"
    u" and <CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"15\">"
    u"<CONTROL TYPE=\"EDIT\" ID=\"e2\" VALUE=\"\" WIDTH=\"40\" MAXLEN=\"99999999999\"> end";

}  // namespace

TEST(HTMLControls, Reading) {
  String type, id, value, width, height, prop, maxLen;
  ParseControlTag(u"<control type=\"edit\" id=\"e1\" value=\"a&lt;b\" width=\"80\">", type, id, value, width,
                  height, prop, maxLen);
  EXPECT_EQ(type, u"EDIT");
  EXPECT_EQ(id, u"e1");
  EXPECT_EQ(value, u"a<b");
  EXPECT_EQ(width, u"80");
  EXPECT_EQ(height, u"");
  EXPECT_TRUE(HasControlTag(u"x<control "));
  EXPECT_FALSE(HasControlTag(u"x<contro"));
  String v;
  ASSERT_TRUE(GetControlValue(kControls, u"e1", v));
  EXPECT_EQ(v, u"a & b");
  EXPECT_FALSE(GetControlValue(kControls, u"E1", v));
  EXPECT_EQ(GetControlProp(kControls, u"e1"), u"\u00E9");
  EXPECT_EQ(GetControlProp(kControls, u"none"), u"");
  EXPECT_EQ(GetControlMaxLen(kControls, u"e1"), 12);
  EXPECT_EQ(GetControlMaxLen(kControls, u"e2"), 0);  // beyond 32 bits: as if absent
  EXPECT_EQ(GetControlMaxLen(kControls, u"c1"), 0);
}

TEST(HTMLControls, NextEditControlID) {
  EXPECT_EQ(NextEditControlID(kControls, u""), u"e1");
  EXPECT_EQ(NextEditControlID(kControls, u"e1"), u"e2");
  EXPECT_EQ(NextEditControlID(kControls, u"e2"), u"");
  EXPECT_EQ(NextEditControlID(kControls, u"missing"), u"");
}

TEST(HTMLControls, SetControlValueKeepsTheRest) {
  String text = kControls;
  ASSERT_TRUE(SetControlValue(text, u"e1", u"x\"<y>&amp;\u00E9"));
  const String rewritten =
      u"<CONTROL ID=\"e1\" VALUE=\"x&quot;&lt;y&gt;&amp;amp;&eacute;\" WIDTH=\"80\" HEIGHT=\"30\" TYPE=\"EDIT\" "
      u"PROP=\"&eacute;\" MAXLEN=\"12\">";
  const size_t start = kControls.find(u"<control");
  const size_t end = kControls.find(u'>', start) + 1;
  EXPECT_EQ(text, kControls.substr(0, start) + rewritten + kControls.substr(end));
  String v;
  ASSERT_TRUE(GetControlValue(text, u"e1", v));
  EXPECT_EQ(v, u"x\"<y>&amp;\u00E9");

  const String before = text;
  EXPECT_FALSE(SetControlValue(text, u"nothing", u"v"));
  EXPECT_EQ(text, before);

  String check = u"<CONTROL TYPE=\"check\" ID=\"c\" WIDTH=\"15\">";
  ASSERT_TRUE(SetControlValue(check, u"c", u"TRUE"));
  EXPECT_EQ(check, u"<CONTROL ID=\"c\" VALUE=\"TRUE\" WIDTH=\"15\" TYPE=\"CHECK\">");
}

TEST(HTMLControls, ClearRadioControls) {
  const String cleared = ClearRadioControls(kControls);
  String v;
  ASSERT_TRUE(GetControlValue(cleared, u"r1", v));
  EXPECT_EQ(v, u"FALSE");
  ASSERT_TRUE(GetControlValue(cleared, u"c1", v));
  EXPECT_EQ(v, u"TRUE");
  String expected = kControls;
  SetControlValue(expected, u"r1", u"FALSE");
  EXPECT_EQ(cleared, expected);
}
