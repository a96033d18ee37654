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

// With right-to-left reading the anchor's far end counts from the right edge.
TEST(HTMLRender, RightToLeftReadingMirrorsTheAnchorsFarEnd) {
  struct Case {
    bool rtlLocale;
    int bidi, x;
    bool hit;
  } cases[] = {{false, 0, 5, true}, {false, 0, 190, false}, {true, 2, 5, false}, {true, 2, 190, true},
               {true, 0, 5, true}};
  for (const Case& c : cases) {
    SetRightToLeftLocaleForTest(c.rtlLocale);
    THTMLRenderInputs in;
    in.CheckHotSpot = true;
    in.BiDiMode = c.bidi;
    in.XPos = c.x;
    in.YPos = 5;
    Rendering r(u"<A href=\"u\">abc</A>", {0, 0, 200, 100}, in);
    EXPECT_EQ(r.Hit, c.hit) << c.rtlLocale << " " << c.bidi << " " << c.x;
  }
  SetRightToLeftLocaleForTest(false);
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

TEST(HTMLRender, TextEffects) {
  Rendering sub(u"a<SUB>b</SUB>");
  EXPECT_EQ(Drawn(sub.Canvas), "a@1,0|b@8,3");
  EXPECT_EQ(sub.Out.YSize, 16);
  Rendering sup(u"a<SUP>b</SUP>");
  EXPECT_EQ(Drawn(sup.Canvas), "a@1,3|b@8,0");
  EXPECT_EQ(sup.Out.YSize, 16);

  Rendering hr(u"a<HR>b");
  ASSERT_EQ(hr.Canvas.RecordsOf(u"LineTo").size(), 1u);
  EXPECT_EQ(hr.Canvas.RecordsOf(u"LineTo")[0].Points, (std::vector<TPoint>{{1, 14}, {200, 14}}));

  const auto colours = [](const Rendering& r) {
    std::vector<TColor> out;
    for (const auto& t : r.Canvas.RecordsOf(u"TextOut")) out.push_back(t.FontColor);
    return out;
  };
  const TColor base = TFont().Color();
  Rendering fonts(u"<FONT color=\"clred\">r<FONT color=\"#0000FF\">b</FONT>x</FONT>y");
  EXPECT_EQ(colours(fonts), (std::vector<TColor>{clRed, clBlue, base, base}));

  {
    TRecordingCanvas c;
    c.Font()->SetStyle({fsBold});
    THTMLRenderResults out;
    RenderMiniHTML(c, u"a<B>b</B>c", {0, 0, 200, 100}, {}, out);
    const auto texts = c.RecordsOf(u"TextOut");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_TRUE(texts[1].FontStyle.Contains(fsBold));
    EXPECT_FALSE(texts[2].FontStyle.Contains(fsBold));
  }

  THTMLRenderInputs blinkOn;
  blinkOn.Blink = true;
  EXPECT_EQ(colours(Rendering(u"<BLINK>x</BLINK>y")), (std::vector<TColor>{clWhite, base}));
  EXPECT_EQ(colours(Rendering(u"<BLINK>x</BLINK>y", {0, 0, 200, 100}, blinkOn)), (std::vector<TColor>{base, base}));

  THTMLRenderInputs shadow;
  shadow.ShadowOffset = 2;
  shadow.ShadowColor = clSilver;
  Rendering shad(u"<SHAD>x</SHAD>y", {0, 0, 200, 100}, shadow);
  EXPECT_EQ(Drawn(shad.Canvas), "x@3,2|x@1,0|y@8,0");
  EXPECT_EQ(colours(shad), (std::vector<TColor>{clSilver, base, base}));

  Rendering error(u"<E>ab</E>c");
  ASSERT_EQ(error.Canvas.RecordsOf(u"Polyline").size(), 1u);
  const auto zigzag = error.Canvas.RecordsOf(u"Polyline")[0];
  EXPECT_EQ(zigzag.PenColor, clRed);
  EXPECT_EQ(zigzag.Points, (std::vector<TPoint>{{0, 12}, {2, 14}, {4, 12}, {6, 14}, {8, 12}, {10, 14}, {12, 12},
                                                {14, 14}}));

  SetHTMLHighlightColors(clYellow, clNavy);
  Rendering hi(u"<HI>x</HI>y");
  const auto hiTexts = hi.Canvas.RecordsOf(u"TextOut");
  EXPECT_EQ(hiTexts[0].FontColor, clNavy);
  EXPECT_EQ(hiTexts[0].BrushColor, clYellow);
  EXPECT_EQ(hiTexts[1].FontColor, base);
  EXPECT_EQ(hiTexts[1].BrushStyle, bsClear);
  SetHTMLHighlightColors(clHighlight, clHighlightText);

  Rendering para(u"<P bgcolor=\"clred\">a<BR>b</P>c");
  ASSERT_EQ(para.Canvas.RecordsOf(u"FillRect").size(), 1u);
  EXPECT_EQ(para.Canvas.RecordsOf(u"FillRect")[0].Rect, (TRect{0, 13, 200, 26}));
  EXPECT_EQ(para.Canvas.RecordsOf(u"FillRect")[0].BrushColor, clRed);
  EXPECT_EQ(para.Canvas.RecordsOf(u"TextOut").back().BrushStyle, bsClear);

  Rendering body(u"<BODY bgcolor=\"clYellow\">a");
  ASSERT_EQ(body.Canvas.RecordsOf(u"Rectangle").size(), 1u);
  EXPECT_EQ(body.Canvas.RecordsOf(u"Rectangle")[0].Rect, (TRect{0, 0, 200, 100}));
  EXPECT_EQ(body.Canvas.RecordsOf(u"Rectangle")[0].BrushColor, clYellow);
}

// Closing tags without their opening tag and nested rotations.
TEST(HTMLRender, UnbalancedTagsChangeNothing) {
  const auto orientations = [](const Rendering& r) {
    std::vector<int> out;
    for (const auto& t : r.Canvas.RecordsOf(u"TextOut")) out.push_back(t.FontOrientation);
    return out;
  };
  EXPECT_EQ(orientations(Rendering(u"<R a=\"90\">x<R a=\"45\">y</R>z</R>w")), (std::vector<int>{900, 450, 900, 0}));
  EXPECT_EQ(orientations(Rendering(u"</R>a<R a=\"30\">b")), (std::vector<int>{0, 300}));
  Rendering open(u"<R a=\"90\"><B><FONT size=\"5\">x");
  EXPECT_EQ(open.Canvas.Font()->Orientation(), 0);
  EXPECT_EQ(open.Canvas.Font()->Size(), 8);
  EXPECT_FALSE(open.Canvas.Font()->Style().Contains(fsBold));

  Rendering strayAnchor(u"a</A>b");
  EXPECT_TRUE(strayAnchor.Canvas.RecordsOf(u"DrawFocusRect").empty());
  EXPECT_EQ(strayAnchor.Out.FocusAnchor, u"");

  SetHTMLHighlightColors(clYellow, clNavy);
  Rendering strayHI(u"a</HI>b");
  for (const auto& t : strayHI.Canvas.RecordsOf(u"TextOut")) {
    EXPECT_EQ(t.FontColor, TFont().Color());
    EXPECT_EQ(t.BrushStyle, bsClear);
  }
  SetHTMLHighlightColors(clHighlight, clHighlightText);

  Rendering huge(u"<FONT size=\"99999999\">a</FONT>");
  EXPECT_EQ(huge.Out.YSize, (13 * MaxHTMLFontSize + 4) / 8);
}

TEST(HTMLRender, CanvasToolsAsBefore) {
  const String text = u"<FONT color=\"clred\" bgcolor=\"clblue\" size=\"5\"><B>x<HI>y<P bgcolor=\"clgreen\"><E>z<SHAD>w";
  for (int mode = 0; mode < 3; ++mode) {
    TRecordingCanvas c;
    c.Pen()->SetColor(clOlive);
    c.Pen()->SetWidth(3);
    c.Brush()->SetColor(clTeal);
    c.Font()->SetColor(clMaroon);
    THTMLRenderInputs in;
    in.CheckHotSpot = mode == 1;
    in.CheckHeight = mode == 2;
    THTMLRenderResults out;
    RenderMiniHTML(c, text, {0, 0, 200, 100}, in, out);
    EXPECT_EQ(c.Pen()->Color(), clOlive) << mode;
    EXPECT_EQ(c.Pen()->Width(), 3) << mode;
    EXPECT_EQ(c.Brush()->Color(), clTeal) << mode;
    EXPECT_EQ(c.Brush()->Style(), bsSolid) << mode;
    EXPECT_EQ(c.Font()->Color(), clMaroon) << mode;
    EXPECT_EQ(c.Font()->Size(), 8) << mode;
    EXPECT_TRUE(c.Font()->Style().Empty()) << mode;
  }
}

TEST(HTMLRender, BiDiTextFlags) {
  struct Case {
    bool rtlLocale;
    unsigned flags;
    int mode;
    unsigned result;
  };
  const Case cases[] = {
      {false, DT_LEFT, 1, DT_LEFT},
      {true, DT_LEFT, 0, DT_LEFT},
      {true, DT_LEFT, 1, DT_RIGHT | DT_RTLREADING},
      {true, DT_RIGHT, 1, DT_RTLREADING},
      {true, DT_CENTER, 1, DT_CENTER | DT_RTLREADING},
      {true, DT_LEFT, 2, DT_LEFT | DT_RTLREADING},
  };
  for (const auto& c : cases) {
    SetRightToLeftLocaleForTest(c.rtlLocale);
    EXPECT_EQ(BiDiDrawTextFlags(c.flags, c.mode), c.result) << c.flags << " " << c.mode;
  }
  SetRightToLeftLocaleForTest(false);
  EXPECT_EQ(MaskWithStars(u"abc"), u"***");
}
