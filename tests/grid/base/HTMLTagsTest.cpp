#include <gtest/gtest.h>

#include <random>

#include "grid/base/HTMLTags.h"

namespace {

std::string U8(StringView s) { return StringToUtf8(s); }

// Entity replacement as the text was first defined: each entity's first
// occurrence replaced in turn, again and again while anything changed.
String RepeatedEntityReplacement(String Text) {
  static const std::pair<const char16_t*, const char16_t*> kEntities[] = {
      {u"&amp;", u"&&"},     {u"&quot;", u"\""},      {u"&sect;", u"\u00A7"}, {u"&permil;", u"\u2030"},
      {u"&reg;", u"\u00AE"}, {u"&copy;", u"\u00A9"}, {u"&para;", u"\u00B6"}, {u"&trade;", u"\u2122"},
      {u"&euro;", u"\u20AC"}};
  if (Text.find(u'&') == String::npos) return Text;
  for (bool again = true; again;) {
    again = false;
    for (const auto& [name, value] : kEntities) again = ReplaceFirstNoCase(name, value, Text) || again;
  }
  return Text;
}

THTMLTag Tag(StringView text) {
  auto tag = ScanHTMLTag(text, 0);
  EXPECT_TRUE(tag) << U8(text);
  return tag ? *tag : THTMLTag{};
}

}  // namespace

TEST(HTMLTags, TextPreparation) {
  struct Case {
    String text, prepared;
  };
  const Case cases[] = {
      {u"a&amp;b", u"a&&b"},
      {u"&AMP;&Quot;&sect;&PERMIL;&reg;&copy;&para;&trade;&EURO;", u"&&\"\u00A7\u2030\u00AE\u00A9\u00B6\u2122\u20AC"},
      {u"&amp;amp;", u"&&&"},
      {u"&amp;quot;", u"&\""},
      {u"&nbsp;&lt;&gt;&unknown;&", u"&nbsp;&lt;&gt;&unknown;&"},
      {u"<#word>", u"word"},
      {u"a<#b<#c>d>e", u"abcde"},
      {u"x<#y", u"xy"},
      {u"tail>", u"tail>"},
      {u"a\r\nb\rc\nd", u"a<BR>b<BR>cd"},
  };
  for (const auto& c : cases) EXPECT_EQ(PrepareHTMLText(c.text), c.prepared) << U8(c.text);
  EXPECT_EQ(LineBreaksToBRTags(u"a\r\nb", false), u"ab");
}

TEST(HTMLTags, OnePassEntitiesEqualTheRepeatedReplacement) {
  const String pieces[] = {u"&", u"amp;", u"AmP;", u"quot;", u"sect;", u"permil;", u"reg;", u"copy;",
                           u"para;", u"trade;", u"euro;", u"x", u";", u"am", u"&amp", u"e"};
  std::mt19937 random(31);
  for (int round = 0; round < 3000; ++round) {
    String text;
    const int count = static_cast<int>(random() % 12);
    for (int k = 0; k < count; ++k) text += pieces[random() % std::size(pieces)];
    ASSERT_EQ(ReplaceHTMLEntities(text), RepeatedEntityReplacement(text)) << U8(text);
  }
}

TEST(HTMLTags, RecognisesEveryFamily) {
  using K = THTMLTagKind;
  struct Case {
    String text;
    K kind;
    bool closing;
  };
  const Case cases[] = {
      {u"<a href=\"x\">", K::A, false},   {u"<b>", K::B, false},         {u"<br>", K::BR, false},
      {u"<BLINK>", K::Blink, false},      {u"<body>", K::Body, false},    {u"<control>", K::Control, false},
      {u"<e>", K::E, false},              {u"<font>", K::Font, false},    {u"<hi>", K::HI, false},
      {u"<hr>", K::HR, false},            {u"<i>", K::I, false},          {u"<ind x=\"3\">", K::Ind, false},
      {u"<img src=\"a\">", K::Img, false}, {u"<li>", K::LI, false},       {u"<p>", K::P, false},
      {u"<r a=\"90\">", K::R, false},     {u"<s>", K::S, false},          {u"<shad>", K::Shad, false},
      {u"<sub>", K::Sub, false},          {u"<SuP>", K::Sup, false},      {u"<u>", K::U, false},
      {u"<ul>", K::UL, false},            {u"<z>", K::Z, false},          {u"<q>", K::Unknown, false},
      {u"<subx>", K::Unknown, false},     {u"<bx>", K::Unknown, false},   {u"<ix>", K::Unknown, false},
      {u"</a>", K::A, true},              {u"</b>", K::B, true},          {u"</body>", K::BodyBlink, true},
      {u"</blink>", K::BodyBlink, true},  {u"</e>", K::E, true},          {u"</font>", K::Font, true},
      {u"</hi>", K::HI, true},            {u"</i>", K::I, true},          {u"</li>", K::LI, true},
      {u"</p>", K::P, true},              {u"</r>", K::R, true},          {u"</sub>", K::SubSup, true},
      {u"</sup>", K::SubSup, true},       {u"</shad>", K::Shad, true},    {u"</s>", K::S, true},
      {u"</u>", K::U, true},              {u"</ul>", K::UL, true},        {u"</z>", K::Z, true},
      {u"</q>", K::Unknown, true},
  };
  for (const auto& c : cases) {
    const THTMLTag tag = Tag(c.text);
    EXPECT_EQ(tag.Kind, c.kind) << U8(c.text);
    EXPECT_EQ(tag.Closing, c.closing) << U8(c.text);
    EXPECT_EQ(tag.End, c.text.size()) << U8(c.text);
  }
}

TEST(HTMLTags, WhereTheTextEnds) {
  EXPECT_FALSE(ScanHTMLTag(u"ab<", 2));
  EXPECT_FALSE(ScanHTMLTag(u"ab<b", 2));       // at most two characters left
  EXPECT_FALSE(ScanHTMLTag(u"x<b no close", 1));  // no ">"
  const auto tag = ScanHTMLTag(u"x<b>y", 1);
  ASSERT_TRUE(tag);
  EXPECT_EQ(tag->Start, 1u);
  EXPECT_EQ(tag->End, 4u);
}

TEST(HTMLTags, AttributeValues) {
  const THTMLTag font = Tag(u"<font bgcolor=\"#00FF00\" color=\"clRed\" face=\"Arial\" size=\"3\">");
  EXPECT_EQ(HTMLAttribute(font, u" COLOR"), u"clRed");
  EXPECT_EQ(HTMLAttribute(font, u"BGCOLOR"), u"#00FF00");
  EXPECT_EQ(HTMLAttribute(font, u"FACE", true), u"ARIAL");
  EXPECT_EQ(HTMLAttribute(font, u"SIZE"), u"3");
  EXPECT_EQ(HTMLAttribute(Tag(u"<font bgcolor=\"clRed\">"), u" COLOR"), u"");
  EXPECT_EQ(HTMLAttribute(Tag(u"<img src=\"logo\" alt=\"Hover\">"), u"ALT", true), u"HOVER");
  EXPECT_EQ(HTMLAttribute(Tag(u"<a href=\"open>"), u"HREF"), u"open");  // unclosed quote
  EXPECT_EQ(HTMLAttribute(Tag(u"<a href=x>"), u"HREF"), u"");
  EXPECT_EQ(HTMLAttribute(Tag(u"<a>"), u"HREF"), u"");

  EXPECT_EQ(HTMLIndent(Tag(u"<ind x=\"40\">")), 40);
  EXPECT_EQ(HTMLIndent(Tag(u"<ind x=\"99999999999\">")), std::nullopt);
  EXPECT_EQ(HTMLIndent(Tag(u"<ind>")), std::nullopt);
  EXPECT_EQ(HTMLAngle(Tag(u"<r a=\"90\">")), 90);
  EXPECT_EQ(HTMLAngle(Tag(u"<r angle=\"-45\">")), -45);

  EXPECT_EQ(HTMLImageAlign(Tag(u"<img src=\"x\" align=\"top\">")), THTMLImageAlign::Top);
  EXPECT_EQ(HTMLImageAlign(Tag(u"<img src=\"x\" align=\"middle\">")), THTMLImageAlign::Middle);
  EXPECT_EQ(HTMLImageAlign(Tag(u"<img src=\"x\" align=bottom>")), THTMLImageAlign::Bottom);
  EXPECT_EQ(HTMLParagraphAlign(Tag(u"<p align=\"right\">")), 1);
  EXPECT_EQ(HTMLParagraphAlign(Tag(u"<p align=\"center\">")), 2);
  EXPECT_EQ(HTMLParagraphAlign(Tag(u"<p align=\"rightleft\">")), 0);  // the last test that matches wins
  EXPECT_EQ(HTMLParagraphAlign(Tag(u"<p>")), 0);
}

TEST(HTMLTags, Colours) {
  struct Case {
    String value;
    TColor colour;
  };
  const Case cases[] = {
      {u"clRed", 0x0000FF},          {u"CLBTNFACE", clBtnFace},       {u"clinfobk", clInfoBk},
      {u"cl3DDkShadow", cl3DDkShadow}, {u"#FF0000", 0x0000FF},          {u"#ff8040", RGB(0xFF, 0x80, 0x40)},
      {u"#12", RGB(0x12, 0, 0)},     {u"clNoSuch", 0},                {u"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(HTMLColorValue(c.value), c.colour) << U8(c.value);
  EXPECT_EQ(HTMLBodyColorValue(u"clYellow"), clYellow);
  EXPECT_EQ(HTMLBodyColorValue(u"#0000FF"), clBlue);
  EXPECT_EQ(HTMLBodyColorValue(u"red"), clNone);
  EXPECT_EQ(HexPairValue(u"F"), 0);
  EXPECT_EQ(HexPairValue(u"7G"), 0x70);
}

TEST(HTMLTags, FontSizes) {
  const std::pair<String, int> cases[] = {{u"1", 8}, {u"2", 10}, {u"3", 12}, {u"4", 14}, {u"5", 16},
                                          {u"20", 20}, {u"3px", 12}, {u"", 0}, {u"0", 0}};
  for (const auto& [value, points] : cases) EXPECT_EQ(HTMLFontSize(value), points) << U8(value);
}

TEST(HTMLTags, PictureSources) {
  using K = THTMLPictureKind;
  struct Case {
    String src;
    K kind;
    int index;
    String name;
  };
  const Case cases[] = {
      {u"IDX:3", K::ImageList, 3, u""},
      {u"IDX:X", K::None, 0, u""},
      {u"SSYS:C:\\FILE.TXT", K::SmallSystemIcon, 0, u"C:\\FILE.TXT"},
      {u"LSYS:12", K::LargeSystemIcon, 0, u"12"},
      {u"LOGO", K::Container, 0, u"LOGO"},
      {u"RES://GLYPH", K::Cache, 0, u"RES://GLYPH"},
      {u"HTTP://HOST/A.GIF", K::Cache, 0, u"HTTP://HOST/A.GIF"},
      {u"C:LOGO", K::None, 0, u""},
      {u"", K::None, 0, u""},
  };
  for (const auto& c : cases) {
    const THTMLPictureSource source = HTMLPictureSource(c.src);
    EXPECT_EQ(source.Kind, c.kind) << U8(c.src);
    EXPECT_EQ(source.Index, c.index) << U8(c.src);
    EXPECT_EQ(source.Name, c.name) << U8(c.src);
  }
}

TEST(HTMLTags, Helpers) {
  String text = u"one TWO two";
  EXPECT_TRUE(ReplaceFirstNoCase(u"two", u"2", text));
  EXPECT_EQ(text, u"one 2 two");
  EXPECT_FALSE(ReplaceFirstNoCase(u"three", u"3", text));
  EXPECT_EQ(PosNoCase(u"Two", u"one TWO"), 5);
  int p = -1;
  EXPECT_EQ(PosOut(u"b", u"abc", p), 2);
  EXPECT_EQ(p, 2);
  EXPECT_EQ(PosUpperOut(u"B", u"abc", p), 2);
  EXPECT_EQ(PosUpperOut(u"b", u"abc", p), 0);
  EXPECT_EQ(p, 0);
  const std::pair<String, int> numbers[] = {{u"42px", 42},   {u"-7", -7},          {u"x1", 0},
                                            {u"", 0},        {u"2147483647", 2147483647},
                                            {u"99999999999999999999", 2147483647}, {u"-99999999999", -2147483647}};
  for (const auto& [t, v] : numbers) EXPECT_EQ(StrToIntPartial(t), v) << U8(t);
  EXPECT_EQ(StripHashTags(u"<#<#a>>b"), u"ab");
}
