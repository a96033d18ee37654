#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "grid/base/CheckGlyphs.h"
#include "platform/gui/FrameControls.h"
#include "platform/gui/RecordingCanvas.h"

namespace {

struct GlyphCase {
  std::string Name;
  TControlStyle Style;
  bool On, Grayed, Enabled, Themed;
  TCheckGlyph Expected;
};

TCheckGlyph Bitmap(const char16_t* Name, bool On, bool Enabled) {
  return {gkBitmap, Name, 0, 0, On, Enabled};
}
TCheckGlyph Frame(unsigned State, bool On, bool Enabled) { return {gkFrameControl, u"", State, 0, On, Enabled}; }
TCheckGlyph Themed(int State, bool On, bool Enabled) { return {gkThemed, u"", 0, State, On, Enabled}; }

constexpr unsigned kCheck = DFCS_BUTTONCHECK, kRadio = DFCS_BUTTONRADIO;

TEST(CheckGlyphs, CheckBoxByStyleAndState) {
  const std::vector<GlyphCase> cases = {
      {"csWinXP checked", csWinXP, true, false, true, false, Bitmap(u"ASGCHK05", true, true)},
      {"csWinXP checked disabled", csWinXP, true, false, false, false, Bitmap(u"ASGCHK07", true, false)},
      {"csWinXP unchecked", csWinXP, false, false, true, false, Bitmap(u"ASGCHK06", false, true)},
      {"csWinXP unchecked disabled", csWinXP, false, false, false, false, Bitmap(u"ASGCHK08", false, false)},
      {"csWinXP with styles on keeps its bitmaps", csWinXP, true, false, true, true,
       Bitmap(u"ASGCHK05", true, true)},
      {"csZEV checked", csZEV, true, false, true, false, Bitmap(u"ASGCHK01", true, true)},
      {"csZEV checked disabled", csZEV, true, false, false, false, Bitmap(u"ASGCHK03", true, false)},
      {"csZEV unchecked", csZEV, false, false, true, false, Bitmap(u"ASGCHK02", false, true)},
      {"csZEV unchecked disabled", csZEV, false, false, false, false, Bitmap(u"ASGCHK04", false, false)},
      {"csGlyph", csGlyph, true, false, false, false, {gkGlyph, u"", 0, 0, true, false}},
      {"csBorland", csBorland, false, false, true, false, {gkShape, u"", 0, 0, false, true}},
      {"csClassic checked", csClassic, true, false, true, false, Frame(kCheck | DFCS_CHECKED, true, true)},
      {"csClassic grayed: checked and three-state", csClassic, false, true, true, false,
       Frame(kCheck | DFCS_CHECKED | DFCS_BUTTON3STATE, false, true)},
      {"csClassic disabled", csClassic, false, false, false, false, Frame(kCheck | DFCS_INACTIVE, false, false)},
      {"csFlat checked", csFlat, true, false, true, false, Frame(kCheck | DFCS_CHECKED | DFCS_FLAT, true, true)},
      {"csTheme without visual styles is csClassic", csTheme, true, false, true, false,
       Frame(kCheck | DFCS_CHECKED, true, true)},
      {"csTheme checked", csTheme, true, false, true, true, Themed(5, true, true)},
      {"csTheme checked disabled", csTheme, true, false, false, true, Themed(8, true, false)},
      {"csTheme unchecked", csTheme, false, false, true, true, Themed(1, false, true)},
      {"csTheme unchecked disabled", csTheme, false, false, false, true, Themed(4, false, false)},
      {"csTheme grayed", csTheme, false, true, true, true, Themed(9, false, true)},
      {"csTheme grayed and checked", csTheme, true, true, true, true, Themed(9, true, true)},
      {"csTheme grayed disabled", csTheme, true, true, false, true, Themed(12, true, false)},
  };
  for (const GlyphCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(CheckBoxGlyph(c.Style, c.On, c.Grayed, c.Enabled, c.Themed), c.Expected);
  }
}

TEST(CheckGlyphs, RadioByStyleAndState) {
  const std::vector<GlyphCase> cases = {
      {"csWinXP on", csWinXP, true, false, true, false, Bitmap(u"ASGRAD05", true, true)},
      {"csWinXP on disabled", csWinXP, true, false, false, false, Bitmap(u"ASGRAD07", true, false)},
      {"csWinXP off", csWinXP, false, false, true, false, Bitmap(u"ASGRAD06", false, true)},
      {"csWinXP off disabled", csWinXP, false, false, false, false, Bitmap(u"ASGRAD08", false, false)},
      {"csZEV on", csZEV, true, false, true, false, Bitmap(u"ASGRAD01", true, true)},
      {"csZEV on disabled", csZEV, true, false, false, false, Bitmap(u"ASGRAD03", true, false)},
      {"csZEV off", csZEV, false, false, true, false, Bitmap(u"ASGRAD02", false, true)},
      {"csZEV off disabled", csZEV, false, false, false, false, Bitmap(u"ASGRAD04", false, false)},
      {"csClassic on", csClassic, true, false, true, false, Frame(kRadio | DFCS_CHECKED, true, true)},
      {"csFlat off disabled", csFlat, false, false, false, false,
       Frame(kRadio | DFCS_FLAT | DFCS_INACTIVE, false, false)},
      {"csTheme without visual styles is csClassic", csTheme, false, false, true, false, Frame(kRadio, false, true)},
      {"csTheme on", csTheme, true, false, true, true, Themed(5, true, true)},
      {"csTheme on disabled", csTheme, true, false, false, true, Themed(8, true, false)},
      {"csTheme off disabled", csTheme, false, false, false, true, Themed(4, false, false)},
  };
  for (const GlyphCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(RadioGlyph(c.Style, c.On, c.Enabled, c.Themed), c.Expected);
  }
}

TEST(CheckGlyphs, BuiltInBitmapsAreDistinctTransparentPictures) {
  std::set<std::vector<std::uint8_t>> seen;
  for (const char16_t* prefix : {u"ASGCHK0", u"ASGRAD0"}) {
    for (int i = 1; i <= 8; ++i) {
      const String name = prefix + String(1, static_cast<char16_t>(u'0' + i));
      SCOPED_TRACE(std::string(name.begin(), name.end()));
      const TBitmap& b = BuiltInBitmap(name);
      const int size = (name[3] == u'C' && i <= 4) ? 20 : 16;
      EXPECT_EQ(b.Width(), size);
      EXPECT_EQ(b.Height(), size);
      EXPECT_TRUE(b.Transparent());
      EXPECT_EQ(&BuiltInBitmap(name), &b) << "loaded once";
      EXPECT_TRUE(seen.insert(b.Pixels().Bits).second) << "every state has a picture of its own";
    }
  }
  for (const char16_t* name : {u"ASGLEAFCLOSE", u"ASGLEAFOPEN", u"XPNODEC", u"XPNODEO"}) {
    EXPECT_FALSE(BuiltInBitmap(name).Empty());
  }
  EXPECT_TRUE(BuiltInBitmap(u"ASGCHK09").Empty());
}

std::vector<TCanvasRecord> Lines(const TRecordingCanvas& c) { return c.RecordsOf(u"LineTo"); }

TEST(CheckGlyphs, BorlandCheckBox) {
  constexpr TColor kTick = 0x123456;
  const TRect box{10, 20, 25, 35};
  for (bool enabled : {true, false}) {
    SCOPED_TRACE(enabled ? "enabled" : "disabled");
    TRecordingCanvas c;
    DrawBorlandCheckBox(c, box, true, enabled, kTick);
    const auto fills = c.RecordsOf(u"FillRect");
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].Rect, box);
    EXPECT_EQ(fills[0].BrushColor, enabled ? clBtnFace : clBtnShadow);
    const auto lines = Lines(c);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].PenColor, clBtnHighlight) << "left";
    EXPECT_EQ(lines[1].PenColor, clBtnHighlight) << "top";
    EXPECT_EQ(lines[2].PenColor, clBtnShadow) << "right";
    EXPECT_EQ(lines[3].PenColor, clBtnShadow) << "bottom";
    EXPECT_EQ(lines[4].Points, (std::vector<TPoint>{{12, 27}, {12, 34}}));
    EXPECT_EQ(lines[5].Points, (std::vector<TPoint>{{12, 34}, {22, 23}}));
    for (int i : {4, 5}) {
      EXPECT_EQ(lines[i].PenColor, enabled ? kTick : clGray);
      EXPECT_EQ(lines[i].PenWidth, 2);
    }
    EXPECT_EQ(c.Pen()->Width(), 1);
  }
  TRecordingCanvas unchecked;
  DrawBorlandCheckBox(unchecked, box, false, true, kTick);
  EXPECT_EQ(Lines(unchecked).size(), 4u) << "no tick";
}

TEST(CheckGlyphs, BorlandRadio) {
  constexpr TColor kDot = 0x654321;
  for (bool on : {true, false}) {
    SCOPED_TRACE(on ? "on" : "off");
    TRecordingCanvas c;
    DrawBorlandRadio(c, 100, 50, on, kDot);
    const auto polygons = c.RecordsOf(u"Polygon");
    ASSERT_EQ(polygons.size(), on ? 2u : 1u);
    EXPECT_EQ(polygons[0].Points, (std::vector<TPoint>{{102, 58}, {108, 52}, {114, 58}, {108, 64}}));
    EXPECT_EQ(polygons[0].BrushColor, clBtnFace);
    const auto lines = Lines(c);
    ASSERT_EQ(lines.size(), 4u);
    const TColor leftEdges = on ? clGray : clWhite, rightEdges = on ? clWhite : clGray;
    EXPECT_EQ(lines[0].PenColor, leftEdges);
    EXPECT_EQ(lines[1].PenColor, leftEdges);
    EXPECT_EQ(lines[2].PenColor, rightEdges);
    EXPECT_EQ(lines[3].PenColor, rightEdges);
    if (on) {
      EXPECT_EQ(polygons[1].Points, (std::vector<TPoint>{{106, 58}, {108, 56}, {110, 58}, {108, 60}}));
      EXPECT_EQ(polygons[1].BrushColor, kDot);
    }
  }
}

}  // namespace
