#include <gtest/gtest.h>

#include <cmath>

#include "grid/base/ProgressIndicators.h"
#include "tests/grid/base/DrawingRecords.h"

namespace {

TProgressBarValues Bar(double Position, const String& Format = u"") {
  TProgressBarValues b;
  b.Rect = Rect(0, 0, 100, 20);
  b.Color = clRed;
  b.TextColor = clWhite;
  b.ColorTo = clSilver;
  b.TextColorTo = clBlack;
  b.Position = Position;
  b.Format = Format;
  return b;
}

TEST(DrawProgressBar, TextAndDonePartFromThePositionOrTheFormat) {
  const struct {
    const char* What;
    TProgressBarValues Bar;
    String Text;
    int Split;
  } cases[] = {
      {"no format", Bar(40), u"40%", 40},
      {"integer format over the range", [] { auto b = Bar(3, u"%d items"); b.Max = 10; return b; }(), u"3 items", 30},
      {"real format", [] { auto b = Bar(2.5, u"%.1f"); b.Max = 5; return b; }(), u"2.5", 50},
      {"150% is full", Bar(150), u"150%", 100},
      {"below the minimum", [] { auto b = Bar(-5, u"%d"); return b; }(), u"-5", 0},
      {"Min = Max", [] { auto b = Bar(7, u"%d"); b.Min = b.Max = 7; return b; }(), u"7", 0},
      {"a refused format", Bar(40.4, u"%u"), u"40%", 40},
      {"huge", Bar(1e12), u"2147483647%", 100},
      {"NaN", Bar(std::nan("")), u"0%", 0},
  };
  for (const auto& c : cases) {
    TRecordingCanvas canvas;
    DrawProgressBar(canvas, c.Bar);
    const auto parts = canvas.RecordsOf(u"Rectangle");
    ASSERT_EQ(parts.size(), 2u) << c.What;
    EXPECT_EQ(parts[0].Rect, Rect(0, 0, c.Split, 20)) << c.What;
    EXPECT_EQ(parts[1].Rect, Rect(c.Split, 0, 100, 20)) << c.What;
    const auto texts = canvas.RecordsOf(u"TextOut");
    ASSERT_EQ(texts.size(), 2u) << c.What;
    EXPECT_EQ(texts[0].Text, c.Text) << c.What;
  }
}

TEST(DrawProgressBar, TheTextChangesColourWhereTheBarEnds) {
  TRecordingCanvas canvas;
  DrawProgressBar(canvas, Bar(40));
  const auto parts = canvas.RecordsOf(u"Rectangle");
  EXPECT_EQ(parts[0].BrushColor, clRed);
  EXPECT_EQ(parts[0].PenColor, clRed);
  EXPECT_EQ(parts[1].BrushColor, clSilver);
  const auto texts = canvas.RecordsOf(u"TextOut");
  const int w = 3 * canvas.CharWidth(), h = canvas.LineHeight();
  for (const auto& t : texts) {
    EXPECT_EQ(t.Points[0], Point((100 - w) / 2, (20 - h) / 2));
    EXPECT_TRUE(t.Clipped);
  }
  EXPECT_EQ(texts[0].Clip, Rect(0, 0, 40, 20));
  EXPECT_EQ(texts[0].FontColor, clWhite);
  EXPECT_EQ(texts[1].Clip, Rect(40, 0, 100, 20));
  EXPECT_EQ(texts[1].FontColor, clBlack);
}

TEST(DrawProgressBar, MarginsShrinkTheBarAndTheBorderFramesAroundIt) {
  TRecordingCanvas canvas;
  canvas.Brush()->SetColor(clYellow);
  auto b = Bar(50);
  b.MarginX = 4;
  b.MarginY = 2;
  b.BorderColor = clNavy;
  DrawProgressBar(canvas, b);
  EXPECT_EQ(canvas.RecordsOf(u"Rectangle")[0].Rect, Rect(4, 2, 50, 18));
  const auto frames = canvas.RecordsOf(u"FrameRect");
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].Rect, Rect(3, 1, 97, 19));
  EXPECT_EQ(frames[0].BrushColor, clNavy);
  EXPECT_EQ(frames[1].Rect, Rect(2, 0, 98, 20));
  EXPECT_EQ(frames[1].BrushColor, clYellow) << "the brush the caller left";

  TRecordingCanvas plain;
  DrawProgressBar(plain, Bar(50));
  EXPECT_EQ(plain.RecordsOf(u"FrameRect").size(), 1u) << "no border colour, only the outer frame";
}

TProgressDrawInfo Info() {
  TProgressDrawInfo i;
  i.Level0Color = clLime;
  i.Level1Color = clYellow;
  i.Level2Color = clFuchsia;
  i.Level3Color = clRed;
  i.UnCompleteColor = clWhite;
  return i;
}

TEST(DrawProgressBarEx, TheLevelColourFollowsThePercentage) {
  const struct {
    int Percent;
    std::vector<TRect> Fills;
    std::vector<TColor> Colours;
  } cases[] = {
      {0, {}, {}},
      {-5, {}, {}},
      {50, {Rect(1, 1, 51, 11)}, {clLime}},
      {75, {Rect(1, 1, 76, 11)}, {clYellow}},
      {99, {Rect(1, 1, 100, 11)}, {clFuchsia}},
      {100, {Rect(1, 1, 101, 11)}, {clRed}},
      {150, {Rect(1, 1, 101, 11)}, {clRed}},
  };
  for (const auto& c : cases) {
    TRecordingCanvas canvas;
    DrawProgressBarEx(canvas, Rect(0, 0, 102, 12), c.Percent, Info());
    EXPECT_EQ(testdraw::RectsOf(canvas, u"FillRect"), c.Fills) << c.Percent;
    EXPECT_EQ(testdraw::BrushesOf(canvas, u"FillRect"), c.Colours) << c.Percent;
    const auto outline = canvas.RecordsOf(u"Rectangle");
    ASSERT_EQ(outline.size(), 2u) << "background first, outline last";
    EXPECT_EQ(outline[0].BrushColor, clWhite);
    EXPECT_EQ(outline[1].BrushStyle, bsClear);
  }
}

TEST(DrawProgressBarEx, StackedLevelsFollowEachOther) {
  auto i = Info();
  i.Stacked = true;
  const struct {
    int Percent;
    std::vector<TRect> Fills;
    std::vector<TColor> Colours;
  } cases[] = {
      {50, {Rect(1, 1, 51, 11)}, {clLime}},
      {80, {Rect(1, 1, 71, 11), Rect(71, 1, 81, 11)}, {clLime, clYellow}},
      {95, {Rect(1, 1, 71, 11), Rect(71, 1, 91, 11), Rect(91, 1, 96, 11)}, {clLime, clYellow, clRed}},
      {100, {Rect(1, 1, 71, 11), Rect(71, 1, 91, 11), Rect(91, 1, 101, 11)}, {clLime, clYellow, clRed}},
  };
  for (const auto& c : cases) {
    TRecordingCanvas canvas;
    DrawProgressBarEx(canvas, Rect(0, 0, 102, 12), c.Percent, i);
    EXPECT_EQ(testdraw::RectsOf(canvas, u"FillRect"), c.Fills) << c.Percent;
    EXPECT_EQ(testdraw::BrushesOf(canvas, u"FillRect"), c.Colours) << c.Percent;
  }
}

TEST(DrawProgressBarEx, BlocksOfSevenEveryNinePixels) {
  auto i = Info();
  i.CompletionSmooth = false;
  const struct {
    int Percent;
    std::vector<TRect> Blocks;
  } cases[] = {
      {20, {Rect(2, 2, 9, 10), Rect(11, 2, 18, 10)}},
      {21, {Rect(2, 2, 9, 10), Rect(11, 2, 18, 10), Rect(20, 2, 22, 10)}},
      {5, {Rect(2, 2, 6, 10)}},
      {1, {}},
  };
  for (const auto& c : cases) {
    TRecordingCanvas canvas;
    DrawProgressBarEx(canvas, Rect(0, 0, 102, 12), c.Percent, i);
    EXPECT_EQ(testdraw::RectsOf(canvas, u"FillRect"), c.Blocks) << c.Percent;
  }
}

TEST(DrawProgressBarEx, AVerticalBarGrowsUpwardsWithItsTextTurned) {
  auto i = Info();
  i.Vertical = true;
  i.ShowPercentage = true;
  i.CompleteFontColor = clNavy;
  TRecordingCanvas canvas;
  DrawProgressBarEx(canvas, Rect(0, 0, 20, 102), 30, i);
  EXPECT_EQ(testdraw::RectsOf(canvas, u"FillRect"), std::vector<TRect>{Rect(1, 71, 19, 101)});
  const auto text = canvas.RecordsOf(u"TextOut");
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].Text, u"30%");
  EXPECT_EQ(text[0].FontOrientation, 900);
  EXPECT_EQ(text[0].FontColor, clNavy);
  const int w = 3 * canvas.CharWidth(), h = canvas.LineHeight();
  EXPECT_EQ(text[0].Points[0], Point((20 - h) / 2, (102 + w) / 2));
  EXPECT_EQ(canvas.Font()->Orientation(), 0) << "the font is upright again";
}

TEST(DrawProgressBarEx, GradientHalvesMirrorAcrossTheBar) {
  auto i = Info();
  i.ShowGradient = true;
  i.Level0ColorTo = clGreen;
  i.Steps = 4;
  TRecordingCanvas canvas;
  DrawProgressBarEx(canvas, Rect(0, 0, 102, 12), 50, i);
  std::vector<TCanvasRecord> bands;
  for (const auto& r : canvas.RecordsOf(u"Rectangle"))
    if (r.BrushStyle == bsSolid && r.Rect.Right <= 51) bands.push_back(r);
  ASSERT_EQ(bands.size(), 10u) << "two halves of 5 rows: 5 bands each";
  EXPECT_EQ(bands.front().Rect, Rect(1, 1, 51, 3));
  EXPECT_EQ(bands.front().BrushColor, clGreen) << "the upper half starts at ColorTo";
  EXPECT_EQ(bands[4].BrushColor, clLime);
  EXPECT_EQ(bands[5].Rect.Top, 6);
  EXPECT_EQ(bands[5].BrushColor, clLime) << "the lower half starts at Color";
  EXPECT_EQ(bands.back().BrushColor, clGreen);
}

TEST(DrawCenteredValueBar, FromTheMiddleScaledToMax) {
  const struct {
    const char* What;
    double Position, Max;
    std::vector<TRect> Bars;
    std::vector<TColor> Colours;
  } cases[] = {
      {"-Max", -50, 50, {Rect(2, 2, 12, 12)}, {clRed}},
      {"+Max", 50, 50, {Rect(12, 2, 22, 12)}, {clGreen}},
      {"half", 25, 50, {Rect(12, 2, 17, 12)}, {clGreen}},
      {"beyond", -500, 50, {Rect(2, 2, 12, 12)}, {clRed}},
      {"zero", 0, 50, {}, {}},
      {"Max = 0", 5, 0, {}, {}},
      {"NaN", std::nan(""), 50, {}, {}},
      {"huge", 1e300, 1e-300, {Rect(12, 2, 22, 12)}, {clGreen}},
  };
  for (const auto& c : cases) {
    TRecordingCanvas canvas;
    DrawCenteredValueBar(canvas, Rect(0, 0, 24, 14), c.Position, c.Max, false, clRed, clGreen);
    EXPECT_EQ(testdraw::RectsOf(canvas, u"Rectangle"), c.Bars) << c.What;
    EXPECT_EQ(testdraw::BrushesOf(canvas, u"Rectangle"), c.Colours) << c.What;
  }
  TRecordingCanvas shown;
  DrawCenteredValueBar(shown, Rect(0, 0, 44, 24), -7, 10, true, clRed, clGreen);
  const auto text = shown.RecordsOf(u"TextOut");
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].Text, u"-7");
  EXPECT_EQ(text[0].BrushStyle, bsClear);
  EXPECT_EQ(text[0].Points[0], Point(2 + (40 - 2 * shown.CharWidth()) / 2, 2 + (20 - shown.LineHeight()) / 2));
}

}  // namespace
