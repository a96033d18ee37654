// Layout on the recording canvas with its fixed font (7 x 13 at 8 points).
#include <gtest/gtest.h>

#include "platform/gui/RecordingCanvas.h"

namespace {

class Recording : public testing::Test {
 protected:
  // Draws Text and returns its TextOut records.
  std::vector<TCanvasRecord> Draw(const String& text, TRect r, unsigned format) {
    c.Clear();
    c.DrawText(text, r, format);
    return c.RecordsOf(u"TextOut");
  }
  TRecordingCanvas c;
};

TEST_F(Recording, FixedMetricsScaleWithSize) {
  EXPECT_EQ(c.TextExtent(u"abc"), (TSize{21, 13}));
  c.Font()->SetSize(16);
  EXPECT_EQ(c.TextExtent(u"abc"), (TSize{42, 26}));
}

TEST_F(Recording, LinesAndShapesAreLoggedWithTheirTools) {
  c.Pen()->SetColor(clRed);
  c.MoveTo(0, 0);
  c.LineTo(10, 0);
  c.Brush()->SetStyle(bsClear);
  c.Rectangle(5, 5, 1, 1);
  ASSERT_EQ(c.Records().size(), 2u);
  EXPECT_EQ(c.Records()[0].ToString(), u"LineTo (0,0)-(10,0) pen $000000FF/1/0/4 brush $00FFFFFF/0 font $FF000008/0");
  EXPECT_EQ(c.Records()[1].Rect, Rect(1, 1, 5, 5));
  EXPECT_EQ(c.Records()[1].BrushStyle, bsClear);
}

TEST_F(Recording, WordBreakWithCalcRectGivesTheBox) {
  struct Case {
    const char16_t* text;
    int width;
    TRect expected;
    int height;
  } cases[] = {
      {u"one two three four", 60, Rect(10, 20, 59, 59), 39},  // "one two" / "three" / "four"
      {u"abcdefghijkl x", 30, Rect(10, 20, 94, 46), 26},      // a long word stays whole
      {u"one\r\ntwo three", 200, Rect(10, 20, 73, 46), 26},   // line breaks still count
      {u"", 50, Rect(10, 20, 10, 33), 13},
  };
  for (const Case& k : cases) {
    TRect r = Rect(10, 20, 10 + k.width, 100);
    EXPECT_EQ(c.DrawText(k.text, r, DT_WORDBREAK | DT_CALCRECT), k.height) << StringToUtf8(k.text);
    EXPECT_EQ(r, k.expected) << StringToUtf8(k.text);
  }
  EXPECT_TRUE(c.RecordsOf(u"TextOut").empty());
}

TEST_F(Recording, WordBreakDrawsEachLineClippedToTheRect) {
  auto lines = Draw(u"one two three four", Rect(10, 20, 70, 100), DT_WORDBREAK);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].Text, u"three");
  EXPECT_EQ(lines[1].Points[0], Point(10, 33));
  EXPECT_TRUE(lines[1].Clipped);
  EXPECT_EQ(lines[1].Clip, Rect(10, 20, 70, 100));
  EXPECT_FALSE(Draw(u"x", Rect(0, 0, 5, 5), DT_NOCLIP)[0].Clipped);
}

TEST_F(Recording, AlignmentInASingleLine) {
  struct Case {
    unsigned format;
    TPoint at;
  } cases[] = {
      {DT_LEFT | DT_TOP, Point(0, 0)},
      {DT_CENTER | DT_VCENTER, Point(39, 18)},
      {DT_RIGHT | DT_BOTTOM, Point(79, 37)},
  };
  for (const Case& k : cases)
    EXPECT_EQ(Draw(u"abc", Rect(0, 0, 100, 50), k.format | DT_SINGLELINE)[0].Points[0], k.at) << k.format;
}

TEST_F(Recording, EllipsesShortenWhatDoesNotFit) {
  EXPECT_EQ(Draw(u"abcdefghij", Rect(0, 0, 50, 13), DT_SINGLELINE | DT_END_ELLIPSIS)[0].Text, u"abcd...");
  EXPECT_EQ(Draw(u"abcdefg", Rect(0, 0, 50, 13), DT_SINGLELINE | DT_END_ELLIPSIS)[0].Text, u"abcdefg");
  EXPECT_EQ(Draw(u"c:\\folder\\file.txt", Rect(0, 0, 105, 13), DT_SINGLELINE | DT_PATH_ELLIPSIS)[0].Text,
            u"c:\\...\\file.txt");
}

TEST_F(Recording, AmpersandPrefixUnderlinesTheNextCharacter) {
  struct Case {
    const char16_t* text;
    unsigned format;
    const char16_t* drawn;
    int underline;
  } cases[] = {
      {u"&File", 0, u"File", 0},
      {u"Save &as", 0, u"Save as", 5},
      {u"A&&B", 0, u"A&B", -1},
      {u"Tail&", 0, u"Tail", -1},
      {u"&File", DT_NOPREFIX, u"&File", -1},
      {u"&File", DT_HIDEPREFIX, u"File", -1},
  };
  for (const Case& k : cases) {
    auto lines = Draw(k.text, Rect(0, 0, 200, 20), k.format | DT_SINGLELINE);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Text, k.drawn);
    EXPECT_EQ(lines[0].UnderlineAt, k.underline) << StringToUtf8(k.text);
  }
  TRect r = Rect(0, 0, 0, 0);
  c.DrawText(u"&File", r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r.Right, 28);  // the prefix takes no room
}

TEST_F(Recording, TabsExpandToEightCharacterStops) {
  EXPECT_EQ(Draw(u"a\tb", Rect(0, 0, 200, 20), DT_EXPANDTABS | DT_SINGLELINE)[0].Text, u"a       b");
  EXPECT_EQ(Draw(u"a\tb", Rect(0, 0, 200, 20), DT_SINGLELINE)[0].Text, u"a\tb");
}

TEST_F(Recording, RightToLeftReadingIsPassedOn) {
  EXPECT_TRUE(Draw(u"abc", Rect(0, 0, 100, 20), DT_RTLREADING)[0].RightToLeft);
}

TEST_F(Recording, ClipStackRestoresBySaveIndex) {
  const int outer = c.SaveDC();
  c.SetClipRect(Rect(0, 0, 50, 50));
  c.SaveDC();
  c.IntersectClipRect(Rect(40, 40, 100, 100));
  EXPECT_EQ(c.ClipRect(), Rect(40, 40, 50, 50));
  c.RestoreDC(-1);
  EXPECT_EQ(c.ClipRect(), Rect(0, 0, 50, 50));
  c.RestoreDC(outer);
  EXPECT_EQ(c.ClipRect(), Rect(0, 0, 1000, 1000));
}

}  // namespace
