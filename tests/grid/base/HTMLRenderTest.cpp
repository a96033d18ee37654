#include <gtest/gtest.h>

#include "grid/base/HTMLRender.h"
#include "grid/base/HTMLText.h"
#include "platform/gui/RecordingCanvas.h"

namespace {

std::string U8(StringView s) { return StringToUtf8(s); }

// The text runs drawn, as "text@x,y" joined by "|".
std::string Drawn(const TRecordingCanvas& c) {
  std::string out;
  for (const auto& r : c.RecordsOf(u"TextOut")) {
    if (!out.empty()) out += "|";
    out += U8(r.Text) + "@" + std::to_string(r.Points[0].X) + "," + std::to_string(r.Points[0].Y);
  }
  return out;
}

struct Rendering {
  TRecordingCanvas Canvas;
  THTMLRenderResults Out;
  bool Hit = false;

  Rendering(StringView Text, TRect R = {0, 0, 200, 100}, const THTMLRenderInputs& In = {}) {
    Hit = RenderMiniHTML(Canvas, Text, R, In, Out);
  }
};

THTMLRenderInputs Inputs(void (*Set)(THTMLRenderInputs&)) {
  THTMLRenderInputs in;
  Set(in);
  return in;
}

}  // namespace

// Character 7 x 13 pixels; the first line starts one pixel right of the left edge.
TEST(HTMLRender, LayoutCases) {
  struct Case {
    const char* name;
    String text;
    TRect rect;
    THTMLRenderInputs in;
    std::string drawn;
    String strip;
    int xsize, ysize;
  };
  const auto noWrap = Inputs([](THTMLRenderInputs& i) { i.WordWrap = false; });
  const auto checkHeight = Inputs([](THTMLRenderInputs& i) { i.CheckHeight = true; });
  const Case cases[] = {
      {"empty", u"", {0, 0, 200, 100}, {}, "", u"", 0, 13},
      {"break", u"one<BR>two", {0, 0, 200, 100}, {}, "one@1,0|two@1,13", u"one\rtwo", 21, 26},
      {"wrap at blanks", u"aaa bbb ccc", {0, 0, 40, 100}, {}, "aaa @1,0|bbb @1,13|ccc@1,26", u"aaa bbb ccc", 21, 39},
      {"long word not broken", u"abcdefghijklmnop", {0, 0, 50, 100}, {}, "abcdefghijklmnop@1,0", u"abcdefghijklmnop",
       112, 13},
      {"no wrap: ellipsis, rest dropped", u"aaaa <b>bbbb</b> cccc", {0, 0, 50, 100}, noWrap, "aaaa @1,0|...@36,0",
       u"aaaa bbbb", 63, 13},
      {"paragraph right", u"<P align=\"right\">ab</P>", {0, 0, 200, 100}, {}, "ab@186,0", u"ab", 14, 13},
      {"paragraph centre and indent", u"<P align=\"center\" indent=\"3\">ab</P>", {0, 0, 200, 100}, {},
       "ab@96,0", u"ab", 14, 13},
      {"lines below the rectangle dropped", u"a<BR>b<BR>c<BR>d", {0, 0, 200, 30}, {}, "a@1,0|b@1,13", u"a\rb\r",
       7, 26},
      {"check height lays out every line", u"a<BR>b<BR>c<BR>d", {0, 0, 200, 30}, checkHeight, "",
       u"a\rb\rc\rd", 7, 52},
      {"list", u"<UL><LI>one<LI>two</UL>", {0, 0, 200, 100}, {}, "\u2022@1,13|one@13,13|\u2022@1,26|two@13,26",
       u"onetwo", 33, 39},
      {"indent", u"a<IND x=\"40\">b", {0, 0, 200, 100}, {}, "a@1,0|b@41,0", u"ab", 47, 13},
      {"hidden text", u"a<Z>hid</Z>b", {0, 0, 200, 100}, {}, "a@1,0|b@8,0", u"ahidb", 14, 13},
      {"entities", u"a&lt;b&gt;&nbsp;c", {0, 0, 200, 100}, {}, "a<b> c@1,0", u"a<b> c", 42, 13},
      {"unknown tag consumed", u"a<Q>b", {0, 0, 200, 100}, {}, "a@1,0|b@8,0", u"ab", 14, 13},
      {"unclosed tag ends the text", u"a<b", {0, 0, 200, 100}, {}, "a@1,0", u"a", 7, 13},
  };
  for (const auto& c : cases) {
    Rendering r(c.text, c.rect, c.in);
    EXPECT_EQ(Drawn(r.Canvas), c.drawn) << c.name;
    EXPECT_EQ(r.Out.StripVal, c.strip) << c.name;
    EXPECT_EQ(r.Out.XSize, c.xsize) << c.name;
    EXPECT_EQ(r.Out.YSize, c.ysize) << c.name;
    EXPECT_FALSE(r.Hit) << c.name;
  }
}

TEST(HTMLRender, HitTestingAnchors) {
  const String two = u"<A href=\"u1\">one</A> <A href=\"u2\" title=\"t2\">two</A>";
  THTMLRenderInputs in;
  in.CheckHotSpot = true;
  in.XPos = 31;
  in.YPos = 5;
  Rendering r(two, {0, 0, 200, 100}, in);
  EXPECT_TRUE(r.Hit);
  EXPECT_EQ(r.Out.AnchorVal, u"u2");
  EXPECT_EQ(r.Out.AnchorTitle, u"t2");
  EXPECT_EQ(r.Out.HyperLinks, 2);
  EXPECT_EQ(r.Out.MouseLink, 2);
  EXPECT_EQ(r.Out.HoverRect, (TRect{29, 0, 50, 13}));
  EXPECT_TRUE(r.Canvas.RecordsOf(u"TextOut").empty());

  in.XPos = 25;  // on the blank between them
  Rendering between(two, {0, 0, 200, 100}, in);
  EXPECT_FALSE(between.Hit);
  EXPECT_EQ(between.Out.AnchorVal, u"");
  EXPECT_EQ(between.Out.MouseLink, -1);

  in.XPos = 4;
  in.YPos = 18;  // the second line of an anchor broken over two
  Rendering broken(u"<A href=\"u\">aaa bbb</A>", {0, 0, 40, 100}, in);
  EXPECT_TRUE(broken.Hit);
  EXPECT_EQ(broken.Out.AnchorVal, u"u");
  EXPECT_EQ(broken.Out.HoverRect, (TRect{1, 13, 22, 26}));
}

TEST(HTMLRender, FocusRectanglePieces) {
  THTMLRenderInputs in;
  in.FocusLink = 0;
  Rendering one(u"x <A href=\"f\">ab</A>", {0, 0, 200, 100}, in);
  EXPECT_EQ(one.Out.FocusAnchor, u"f");
  ASSERT_EQ(one.Canvas.RecordsOf(u"DrawFocusRect").size(), 1u);
  EXPECT_EQ(one.Canvas.RecordsOf(u"DrawFocusRect")[0].Rect, (TRect{14, 0, 30, 13}));

  Rendering broken(u"<A href=\"f\">aaa bbb</A>", {0, 0, 40, 100}, in);
  const auto pieces = broken.Canvas.RecordsOf(u"DrawFocusRect");
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].Rect, (TRect{0, 0, 30, 13}));
  EXPECT_EQ(pieces[1].Rect, (TRect{1, 13, 23, 26}));
}

TEST(HTMLRender, HoverUnderlineAndColours) {
  const String two = u"<A href=\"u1\">one</A><A href=\"u2\">two</A>";
  const auto underlined = [](const Rendering& r) {
    std::string out;
    for (const auto& t : r.Canvas.RecordsOf(u"TextOut")) out += t.FontStyle.Contains(fsUnderline) ? "U" : "-";
    return out;
  };
  EXPECT_EQ(underlined(Rendering(two)), "UU");
  THTMLRenderInputs in;
  in.HoverUnderline = true;
  EXPECT_EQ(underlined(Rendering(two, {0, 0, 200, 100}, in)), "--");
  in.HoverLink = 2;
  in.HoverFontColor = clRed;
  in.HoverColor = clYellow;
  Rendering hovered(two, {0, 0, 200, 100}, in);
  EXPECT_EQ(underlined(hovered), "-U");
  const auto texts = hovered.Canvas.RecordsOf(u"TextOut");
  EXPECT_EQ(texts[0].FontColor, clBlue);
  EXPECT_EQ(texts[1].FontColor, clRed);
  EXPECT_EQ(texts[1].BrushColor, clYellow);
  EXPECT_EQ(hovered.Canvas.Font()->Color(), TFont().Color());
}
