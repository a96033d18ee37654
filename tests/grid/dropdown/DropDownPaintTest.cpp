// What a drop-down draws: its pop-up's background and border, the frame
// over its edit, the value of an edit that takes no typing, and the drop
// button's faces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/base/VisualStyleBinding.h"
#include "grid/dropdown/DropDownArrow.h"
#include "grid/dropdown/DropDownBorders.h"
#include "platform/gui/RecordingCanvas.h"
#include "tests/support/VisualStylesFake.h"

namespace {

std::vector<std::string> Ops(const TRecordingCanvas& c) {
  std::vector<std::string> out;
  for (const TCanvasRecord& r : c.Records()) out.emplace_back(r.Op.begin(), r.Op.end());
  return out;
}

// Visual styles on for the fixture's lifetime.
struct Themed {
  testsupport::VisualStylesFake Styles;
  testsupport::InstalledLibrary Installed{olVisualStyles, &Styles};
  Themed() { FreeThemeAPI(); }
  ~Themed() { FreeThemeAPI(); }
};

TEST(DropDownBackground, FillGradientAndBorder) {
  TDropDownBackground b;
  b.Client = Rect(0, 0, 100, 60);
  TRecordingCanvas c;
  DrawDropDownBackground(c, b);
  ASSERT_EQ(Ops(c), (std::vector<std::string>{"FillRect", "Rectangle"}));
  EXPECT_EQ(c.Records()[0].Rect, Rect(1, 1, 99, 59));
  EXPECT_EQ(c.Records()[0].BrushColor, clWhite);
  EXPECT_EQ(c.Records()[1].Rect, Rect(0, 0, 100, 60));
  EXPECT_EQ(c.Records()[1].PenColor, clBlack);
  EXPECT_EQ(c.Records()[1].BrushStyle, bsClear);

  // No border at width 0: the background covers the whole client area.
  b.BorderWidth = 0;
  c.Clear();
  DrawDropDownBackground(c, b);
  ASSERT_EQ(Ops(c), std::vector<std::string>{"FillRect"});
  EXPECT_EQ(c.Records()[0].Rect, b.Client);

  // A gradient of 80 bands; a wide border is drawn half inside from the top-left.
  b.BorderWidth = 3;
  b.ColorTo = clNavy;
  b.BorderColor = clRed;
  c.Clear();
  DrawDropDownBackground(c, b);
  const auto rects = c.RecordsOf(u"Rectangle");
  ASSERT_EQ(rects.size(), 81u);
  EXPECT_EQ(rects.front().Rect.Left, 3);
  EXPECT_EQ(rects.back().Rect, Rect(1, 1, 100, 60));
  EXPECT_EQ(rects.back().PenWidth, 3);
  EXPECT_EQ(rects.back().PenColor, clRed);

  // Neither colour: only the border.
  b.Color = clNone;
  c.Clear();
  DrawDropDownBackground(c, b);
  EXPECT_EQ(Ops(c), std::vector<std::string>{"Rectangle"});
}

TEST(DropDownBorders, TheFirstRuleThatAppliesDrawsAlone) {
  const struct {
    std::string Name;
    TDropDownBorderLook Look;
    std::vector<std::string> Ops;
    std::vector<TColor> Colours;  // of the frames and bevel lines, in order
  } cases[] = {
      {"enabled, plain: nothing", {}, {}, {}},
      {"disabled under visual styles: silver",
       {.Enabled = false, .StylesActive = true, .BorderColor = clRed}, {"FrameRect"}, {clSilver}},
      {"disabled without DisabledBorder: the border colour",
       {.Enabled = false, .StylesActive = true, .DisabledBorder = false, .BorderColor = clRed},
       {"FrameRect"}, {clRed}},
      {"the border colour while unfocused", {.Focused = false, .BorderColor = clRed, .FocusBorderColor = clBlue},
       {"FrameRect"}, {clRed}},
      {"the border colour, focused, no focus colour", {.Focused = true, .BorderColor = clRed}, {"FrameRect"},
       {clRed}},
      {"the focus colour while focused", {.Focused = true, .BorderColor = clRed, .FocusBorderColor = clBlue},
       {"FrameRect"}, {clBlue}},
      {"the focus colour alone, unfocused: nothing", {.FocusBorderColor = clBlue}, {}, {}},
      {"flat, hot: a sunken edge and a face-coloured frame", {.Flat = true, .Hot = true},
       {"LineTo", "LineTo", "LineTo", "LineTo", "FrameRect"}, {clBtnFace}},
      {"flat, cold: two frames in the parent's colour", {.Flat = true, .ParentColor = clYellow},
       {"FrameRect", "FrameRect"}, {clYellow, clYellow}},
  };
  for (const auto& c : cases) {
    TDropDownBorderLook look = c.Look;
    look.Width = 120;
    look.Height = 21;
    TRecordingCanvas canvas;
    DrawDropDownBorders(canvas, look);
    std::vector<std::string> ops = Ops(canvas);
    std::erase(ops, "MoveTo");
    EXPECT_EQ(ops, c.Ops) << c.Name;
    std::vector<TColor> colours;
    for (const TCanvasRecord& r : canvas.RecordsOf(u"FrameRect")) colours.push_back(r.BrushColor);
    EXPECT_EQ(colours, c.Colours) << c.Name;
    if (!canvas.RecordsOf(u"FrameRect").empty() && ops.size() == 1) {
      EXPECT_EQ(canvas.RecordsOf(u"FrameRect")[0].Rect, Rect(0, 0, 120, 21)) << c.Name;
    }
  }
}

TEST(DropDownValue, HighlightedLeftOfTheButton) {
  TRecordingCanvas c;
  DrawDropDownValue(c, {.Width = 120, .Height = 21, .ButtonWidth = 17, .Text = u"Apples"});
  const auto fill = c.RecordsOf(u"FillRect");
  ASSERT_EQ(fill.size(), 1u);
  EXPECT_EQ(fill[0].Rect, Rect(2, 2, 102, 19));
  EXPECT_EQ(fill[0].BrushColor, clHighlight);
  const auto text = c.RecordsOf(u"DrawText");
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].Text, u"Apples");
  EXPECT_EQ(text[0].Rect, Rect(4, 2, 99, 19));
  EXPECT_EQ(text[0].FontColor, clHighlightText);
  EXPECT_EQ(text[0].Format, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

TDropArrowLook Arrow() {
  TDropArrowLook l;
  l.Width = 17;
  l.Height = 17;
  return l;
}

TEST(DropDownArrow, ColouredFaceByStateWithTheEditsBorderLine) {
  TDropArrowLook l = Arrow();
  l.Colors = {.Color = clWhite, .ColorHot = clYellow, .ColorDown = clGray, .BorderColor = clNone,
              .TextColor = clBlack, .TextColorHot = clBlue, .TextColorDown = clRed};
  l.EditBorderColor = clGreen;
  TBitmap glyph;
  glyph.SetSize(8, 8);
  l.Glyph = &glyph;
  l.Themed = true;  // neither glyph nor visual style counts
  const struct {
    bool Hot, Down;
    TColor Face, ArrowColour;
  } cases[] = {{false, false, clWhite, clBlack}, {true, false, clYellow, clBlue}, {true, true, clGray, clRed}};
  for (const auto& s : cases) {
    l.Hot = s.Hot;
    l.Down = s.Down;
    ASSERT_EQ(DropArrowFace(l), dafColoured);
    TRecordingCanvas c;
    DrawDropDownArrow(c, l);
    ASSERT_EQ(c.RecordsOf(u"FillRect").size(), 1u);
    EXPECT_EQ(c.RecordsOf(u"FillRect")[0].BrushColor, s.Face);
    EXPECT_EQ(c.RecordsOf(u"FillRect")[0].Rect, Rect(0, 0, 17, 17));
    const auto line = c.RecordsOf(u"LineTo");
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(line[0].PenColor, clGreen);
    EXPECT_EQ(line[0].Points, (std::vector<TPoint>{{0, 0}, {0, 17}}));
    const auto arrow = c.RecordsOf(u"Polygon");
    ASSERT_EQ(arrow.size(), 1u);
    EXPECT_EQ(arrow[0].Points, (std::vector<TPoint>{{5, 7}, {11, 7}, {8, 10}}));
    EXPECT_EQ(arrow[0].BrushColor, s.ArrowColour);
  }
}

TEST(DropDownArrow, GlyphFaceOverTheVisualStyle) {
  TDropArrowLook l = Arrow();
  TBitmap glyph;
  glyph.SetSize(8, 8);
  l.Glyph = &glyph;
  l.Themed = true;
  ASSERT_EQ(DropArrowFace(l), dafGlyph);
  TRecordingCanvas c;
  DrawDropDownArrow(c, l);
  EXPECT_EQ(Ops(c), (std::vector<std::string>{"Rectangle", "Draw"}));
  EXPECT_EQ(c.Records()[0].Rect, Rect(0, 0, 17, 17));
  EXPECT_EQ(c.Records()[0].PenColor, clGray);
  EXPECT_EQ(c.Records()[1].Rect, Rect(0, 0, 8, 8));
}

TEST(DropDownArrow, ClassicLinesAndBlackArrowOverThePlatformFace) {
  TDropArrowLook l = Arrow();
  ASSERT_EQ(DropArrowFace(l), dafClassic);
  TRecordingCanvas c;
  DrawDropDownArrow(c, l);
  const auto lines = c.RecordsOf(u"Polyline");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Points, (std::vector<TPoint>{{15, 0}, {0, 0}, {0, 16}}));
  EXPECT_EQ(lines[0].PenColor, clBtnFace);
  EXPECT_EQ(lines[1].Points, (std::vector<TPoint>{{14, 1}, {1, 1}, {1, 15}}));
  EXPECT_EQ(lines[1].PenColor, clWhite);
  ASSERT_EQ(c.RecordsOf(u"Polygon").size(), 1u);
  EXPECT_EQ(c.RecordsOf(u"Polygon")[0].BrushColor, clBlack);
}

TEST(DropDownArrow, ThemedComboButtonInEachState) {
  Themed themed;
  TDropArrowLook l = Arrow();
  l.Themed = true;
  const struct {
    std::string Name;
    bool Enabled, Down, Hot, Vista;
    String Call;
  } cases[] = {
      {"normal", true, false, false, true, u"DrawThemeBackground 1 1 (1,0,17,17)"},
      {"hot", true, false, true, true, u"DrawThemeBackground 1 2 (1,0,17,17)"},
      {"pressed", true, true, true, true, u"DrawThemeBackground 1 3 (1,0,17,17)"},
      {"disabled (or read-only) wins", false, true, true, true, u"DrawThemeBackground 1 4 (1,0,17,17)"},
      {"before Vista: grown, then 2 in from the left", true, false, false, false,
       u"DrawThemeBackground 1 1 (1,-1,18,18)"},
  };
  for (const auto& c : cases) {
    l.Enabled = c.Enabled;
    l.Down = c.Down;
    l.Hot = c.Hot;
    l.Vista = c.Vista;
    themed.Styles.Calls.clear();
    TRecordingCanvas canvas;
    DrawDropDownArrow(canvas, l);
    EXPECT_EQ(themed.Styles.Calls, (std::vector<String>{u"IsThemeActive", u"OpenThemeData combobox", c.Call, u"CloseThemeData"}))
        << c.Name;
  }
}

TEST(DropDownPushButton, ThemedFlatOrThePlatformsOwn) {
  TDropPushLook l;
  l.Width = 60;
  l.Height = 21;
  l.Caption = u"OK";
  TRecordingCanvas c;
  EXPECT_FALSE(DrawDropDownPushButton(c, l)) << "neither themed nor flat";
  EXPECT_TRUE(c.Records().empty());

  l.Flat = true;
  l.Down = true;
  EXPECT_TRUE(DrawDropDownPushButton(c, l));
  const auto fills = c.RecordsOf(u"FillRect");
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_EQ(fills[1].BrushColor, clBtnFace);
  EXPECT_TRUE(c.RecordsOf(u"LineTo").empty()) << "pressed: flattened, no raised edge";
  ASSERT_EQ(c.RecordsOf(u"DrawText").size(), 1u);
  EXPECT_EQ(c.RecordsOf(u"DrawText")[0].Rect, Rect(3, 1, 57, 20));

  Themed themed;
  l.Flat = false;
  l.Down = false;
  l.Hot = true;
  l.Themed = true;
  c.Clear();
  EXPECT_TRUE(DrawDropDownPushButton(c, l));
  EXPECT_EQ(themed.Styles.Calls,
            (std::vector<String>{u"IsThemeActive", u"OpenThemeData button", u"DrawThemeBackground 1 2 (0,0,61,22)", u"CloseThemeData"}));
  ASSERT_EQ(c.RecordsOf(u"DrawText").size(), 1u);
  EXPECT_EQ(c.RecordsOf(u"DrawText")[0].Rect, Rect(3, 1, 57, 20)) << "caption centred, inset 3 by 1";
}

}  // namespace
