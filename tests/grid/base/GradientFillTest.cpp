#include "grid/base/GradientFill.h"

#include <gtest/gtest.h>

#include "tests/grid/base/DrawingRecords.h"

namespace {

using testdraw::BrushesOf;
using testdraw::RectsOf;

TEST(DrawGradientRect, BandsStartTruncatedAndColoursRoundHalfToEven) {
  const struct {
    const char* What;
    TRect Rect;
    int Steps;
    bool Horizontal;
    TColor To;
    std::vector<TRect> Bands;
    std::vector<TColor> Colours;
  } cases[] = {
      {"fewer steps than pixels", Rect(0, 0, 11, 5), 4, true, RGB(10, 0, 0),
       {Rect(0, 0, 3, 5), Rect(2, 0, 5, 5), Rect(5, 0, 8, 5), Rect(7, 0, 10, 5), Rect(10, 0, 11, 5)},
       {RGB(0, 0, 0), RGB(2, 0, 0), RGB(5, 0, 0), RGB(8, 0, 0), RGB(10, 0, 0)}},
      {"more steps than pixels: one band a pixel", Rect(0, 0, 4, 3), 100, true, RGB(30, 0, 0),
       {Rect(0, 0, 2, 3), Rect(1, 0, 3, 3), Rect(2, 0, 4, 3), Rect(3, 0, 4, 3)},
       {RGB(0, 0, 0), RGB(10, 0, 0), RGB(20, 0, 0), RGB(30, 0, 0)}},
      {"steps at the length", Rect(0, 0, 3, 2), 2, true, RGB(0, 40, 0),
       {Rect(0, 0, 2, 2), Rect(1, 0, 3, 2), Rect(2, 0, 3, 2)},
       {RGB(0, 0, 0), RGB(0, 20, 0), RGB(0, 40, 0)}},
      {"no steps count as one", Rect(0, 0, 11, 2), 0, true, RGB(0, 0, 9),
       {Rect(0, 0, 11, 2), Rect(10, 0, 11, 2)}, {RGB(0, 0, 0), RGB(0, 0, 9)}},
      {"vertical, top and bottom reversed", Rect(0, 8, 5, 0), 2, false, RGB(4, 0, 0),
       {Rect(0, 0, 5, 4), Rect(0, 3, 5, 7), Rect(0, 7, 5, 8)},
       {RGB(0, 0, 0), RGB(2, 0, 0), RGB(4, 0, 0)}},
  };
  for (const auto& c : cases) {
    TRecordingCanvas canvas;
    DrawGradientRect(canvas, clBlack, c.To, c.Steps, c.Rect, c.Horizontal);
    EXPECT_EQ(RectsOf(canvas, u"Rectangle"), c.Bands) << c.What;
    EXPECT_EQ(BrushesOf(canvas, u"Rectangle"), c.Colours) << c.What;
    for (const auto& r : canvas.RecordsOf(u"Rectangle")) EXPECT_EQ(r.PenColor, r.BrushColor) << c.What;
  }
}

TEST(DrawGradientRect, ANoneColourFillsSolidAndAnEmptyHeightDrawsNothing) {
  const struct {
    TColor From, To, Want;
  } cases[] = {{clNone, clRed, clRed}, {clBtnFace, clNone, ColorToRGB(clBtnFace)}, {clNone, clNone, clNone}};
  for (const auto& c : cases) {
    TRecordingCanvas canvas;
    DrawGradientRect(canvas, c.From, c.To, 10, Rect(1, 2, 30, 9), true);
    EXPECT_EQ(RectsOf(canvas, u"Rectangle"), std::vector<TRect>{Rect(1, 2, 30, 9)});
    EXPECT_EQ(BrushesOf(canvas, u"Rectangle"), std::vector<TColor>{c.Want});
  }
  TRecordingCanvas canvas;
  DrawGradientRect(canvas, clBlack, clWhite, 10, Rect(0, 4, 30, 4), true);
  EXPECT_TRUE(canvas.Records().empty());
}

TEST(DrawCellBackground, SolidGradientOrMirroredHalvesThenTheBorder) {
  const TRect cell = Rect(0, 0, 20, 10);
  const struct {
    const char* What;
    TCellBackground Look;
    int Bands;
    TRect First, Last;
    TColor FirstColour, LastColour;
  } cases[] = {
      {"solid, one pixel taller", {clRed}, 1, Rect(0, 0, 20, 11), Rect(0, 0, 20, 11), clRed, clRed},
      {"gradient left to right", {clBlack, RGB(19, 0, 0)}, 20, Rect(0, 0, 2, 10), Rect(19, 0, 20, 10),
       clBlack, RGB(19, 0, 0)},
      {"gradient top to bottom", {clBlack, RGB(9, 0, 0), clNone, clNone, true}, 10, Rect(0, 0, 20, 2),
       Rect(0, 9, 20, 10), clBlack, RGB(9, 0, 0)},
      {"mirrored halves side by side", {clBlack, clRed, clBlue, clWhite}, 20, Rect(0, 0, 2, 10),
       Rect(19, 0, 20, 10), clBlack, clWhite},
      {"mirrored halves meet at the vertical middle", {clBlack, clRed, clBlue, clWhite, true}, 10,
       Rect(0, 0, 20, 2), Rect(0, 9, 20, 10), clBlack, clWhite},
  };
  for (const auto& c : cases) {
    TRecordingCanvas canvas;
    DrawCellBackground(canvas, cell, c.Look);
    const auto rects = RectsOf(canvas, u"Rectangle");
    const auto colours = BrushesOf(canvas, u"Rectangle");
    ASSERT_EQ(static_cast<int>(rects.size()), c.Bands) << c.What;
    EXPECT_EQ(rects.front(), c.First) << c.What;
    EXPECT_EQ(rects.back(), c.Last) << c.What;
    EXPECT_EQ(colours.front(), c.FirstColour) << c.What;
    EXPECT_EQ(colours.back(), c.LastColour) << c.What;
  }
  TRecordingCanvas mirrored;
  DrawCellBackground(mirrored, cell, {clBlack, clRed, clBlue, clWhite, true});
  const auto rects = RectsOf(mirrored, u"Rectangle");
  EXPECT_EQ(rects[4], Rect(0, 4, 20, 5)) << "the top half ends at the middle";
  EXPECT_EQ(rects[5], Rect(0, 5, 20, 7)) << "the second half starts there";
  EXPECT_EQ(BrushesOf(mirrored, u"Rectangle")[5], clBlue);
}

TEST(DrawCellBackground, BorderAsFrameOrSideLinesAndNoFillWhenAsked) {
  TRecordingCanvas framed;
  DrawCellBackground(framed, Rect(0, 0, 20, 10), {clRed, clNone, clNone, clNone, false, clGreen});
  ASSERT_EQ(framed.RecordsOf(u"FrameRect").size(), 1u);
  EXPECT_EQ(framed.RecordsOf(u"FrameRect")[0].Rect, Rect(0, 0, 20, 10));
  EXPECT_EQ(framed.RecordsOf(u"FrameRect")[0].BrushColor, clGreen);

  TRecordingCanvas sides;
  DrawCellBackground(sides, Rect(0, 0, 20, 10), {clRed, clNone, clNone, clNone, false, clGreen, true, false});
  EXPECT_TRUE(sides.RecordsOf(u"Rectangle").empty()) << "Fill off";
  const auto lines = sides.RecordsOf(u"LineTo");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Points, (std::vector<TPoint>{Point(0, 0), Point(0, 10)}));
  EXPECT_EQ(lines[1].Points, (std::vector<TPoint>{Point(19, 0), Point(19, 10)}));
  EXPECT_EQ(lines[1].PenColor, clGreen);

  TRecordingCanvas none;
  DrawCellBackground(none, Rect(0, 0, 20, 10), {clNone, clRed});
  EXPECT_TRUE(none.Records().empty()) << "no colour, no border";
}

TEST(DrawRoundedGradientFace, RoundedEndsGetCornersAndAnInsetFill) {
  TRoundedFaceColors colours;
  colours.Color = clRed;
  colours.InnerLightColor = clWhite;
  colours.InnerShadowColor = clGray;
  colours.BorderColor = clNavy;
  colours.CornerColor = clSilver;
  colours.OuterCornerColor = clYellow;
  const struct {
    int Ends;
    TRect Fill;
    std::vector<TPoint> OuterCorners;
    std::vector<TPoint> TopBorder;
  } cases[] = {
      {0, Rect(2, 2, 17, 9), {Point(0, 0), Point(0, 10), Point(18, 0), Point(18, 10)}, {Point(2, 0), Point(17, 0)}},
      {1, Rect(2, 2, 19, 9), {Point(0, 0), Point(0, 10)}, {Point(2, 0), Point(19, 0)}},
      {2, Rect(0, 2, 17, 9), {Point(18, 0), Point(18, 10)}, {Point(0, 0), Point(17, 0)}},
      {3, Rect(0, 2, 19, 9), {}, {Point(0, 0), Point(19, 0)}},
  };
  for (const auto& c : cases) {
    TRecordingCanvas canvas;
    DrawRoundedGradientFace(canvas, colours, Rect(0, 0, 20, 12), c.Ends);
    EXPECT_EQ(RectsOf(canvas, u"FillRect"), std::vector<TRect>{c.Fill}) << c.Ends;
    std::vector<TPoint> outer;
    int corners = 0;
    for (const auto& r : canvas.RecordsOf(u"SetPixels")) {
      if (r.Color == clYellow) outer.push_back(r.Points[0]);
      corners += r.Color == clSilver;
    }
    EXPECT_EQ(outer, c.OuterCorners) << c.Ends;
    EXPECT_EQ(corners, static_cast<int>(c.OuterCorners.size()) * 3) << c.Ends;
    std::vector<TPoint> top;
    for (const auto& r : canvas.RecordsOf(u"LineTo"))
      if (r.PenColor == clNavy && r.Points[0].Y == 0 && r.Points[1].Y == 0) top = r.Points;
    EXPECT_EQ(top, c.TopBorder) << c.Ends;
  }
}

TEST(DrawRoundedGradientFace, OneGradientOrMirroredHalvesOfSixteenSteps) {
  TRoundedFaceColors colours{clBlack, RGB(60, 0, 0)};
  TRecordingCanvas one;
  DrawRoundedGradientFace(one, colours, Rect(0, 0, 20, 22), 0);
  auto bands = RectsOf(one, u"Rectangle");
  ASSERT_EQ(bands.size(), 17u) << "16 steps over 17 rows";
  EXPECT_EQ(bands.front().Top, 2);
  EXPECT_EQ(bands.back().Bottom, 19);

  colours.MirrorColor = clBlue;
  colours.MirrorColorTo = clWhite;
  TRecordingCanvas two;
  DrawRoundedGradientFace(two, colours, Rect(0, 0, 20, 22), 3);
  bands = RectsOf(two, u"Rectangle");
  const auto brushes = BrushesOf(two, u"Rectangle");
  ASSERT_EQ(bands.size(), 17u) << "8 + 9 rows";
  EXPECT_EQ(bands[7], Rect(0, 9, 19, 10)) << "the upper half ends at the middle";
  EXPECT_EQ(brushes[7], RGB(60, 0, 0));
  EXPECT_EQ(bands[8].Top, 10);
  EXPECT_EQ(brushes[8], clBlue);
}

}  // namespace
