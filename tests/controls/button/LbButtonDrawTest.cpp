// The face painter on the recording canvas (7 x 13 pixel characters).
#include <gtest/gtest.h>

#include "controls/button/LbButtonDraw.h"
#include "platform/gui/RecordingCanvas.h"

namespace {
constexpr TColor kFace = RGB(200, 200, 200), kLight = RGB(250, 250, 250), kShadow = RGB(100, 100, 100);

TLbButtonFace Face(TLbButtonStyle Style, int W = 100, int H = 23) {
  TLbButtonFace f;
  f.Width = W;
  f.Height = H;
  f.Caption = u"OK";
  f.Style = Style;
  f.Color = kFace;
  f.LightColor = kLight;
  f.ShadowColor = kShadow;
  return f;
}

// Ops apart from text, in order: the shape of a style's face.
String Shapes(const TRecordingCanvas& c) {
  String s;
  for (const TCanvasRecord& r : c.Records())
    if (r.Op != u"DrawText" && r.Op != u"TextOut") s += (s.empty() ? u"" : u" ") + r.Op;
  return s;
}

TCanvasRecord Caption(const TRecordingCanvas& c) {
  for (const TCanvasRecord& r : c.Records())
    if (r.Op == u"DrawText" && !(r.Format & DT_CALCRECT)) return r;
  ADD_FAILURE() << "no caption drawn";
  return {};
}

String Repeat(const String& op, int n) {
  String s;
  for (int i = 0; i < n; ++i) s += (s.empty() ? u"" : u" ") + op;
  return s;
}

TEST(LbButtonDraw, EachStyleHasItsOwnBackgroundAndBorder) {
  const String bevel = u"Rectangle LineTo LineTo LineTo LineTo";
  const struct {
    TLbButtonStyle Style;
    String Shapes;
  } cases[] = {
      {bsNormal, bevel},
      {bsEncarta, bevel},
      {bsOld, u"Rectangle LineTo LineTo LineTo LineTo LineTo LineTo"},
      // Each gradient's 32nd band starts at its bottom and covers nothing.
      {bsModern, Repeat(u"FillRect", 62) + u" Rectangle RoundRect"},
      {bsShape, u"Rectangle"},
      {bsQuicken, u"RoundRect LineTo LineTo"},
  };
  for (const auto& k : cases) {
    TRecordingCanvas c;
    DrawButton(c, Face(k.Style));
    EXPECT_EQ(Shapes(c), k.Shapes) << "style " << k.Style;
  }
}

TEST(LbButtonDraw, StyleColoursAndShapes) {
  {
    TRecordingCanvas c;
    DrawButton(c, Face(bsNormal));
    const auto fill = c.RecordsOf(u"Rectangle").at(0);
    EXPECT_EQ(fill.Rect, Rect(-1, -1, 101, 24));
    EXPECT_EQ(fill.BrushColor, kFace);
    const auto lines = c.RecordsOf(u"LineTo");
    EXPECT_EQ(lines[0].PenColor, kLight);
    EXPECT_EQ(lines[0].Points[0], Point(0, 22));
    EXPECT_EQ(lines[2].PenColor, kShadow);
    EXPECT_EQ(lines[3].Points[1], Point(0, 22));
  }
  {
    TRecordingCanvas c;
    DrawButton(c, Face(bsOld));
    const auto lines = c.RecordsOf(u"LineTo");
    EXPECT_EQ(lines[0].PenColor, kShadow);  // the inner shadow, right and bottom
    EXPECT_EQ(lines[0].Points[0], Point(98, 0));
    EXPECT_EQ(lines[2].PenColor, kLight);
    EXPECT_EQ(lines[4].PenColor, cl3DDkShadow);
    EXPECT_EQ(lines[5].Points[1], Point(-1, 22));
  }
  {
    TRecordingCanvas c;
    DrawButton(c, Face(bsModern));
    const auto fills = c.RecordsOf(u"FillRect");
    EXPECT_EQ(fills.front().BrushColor, kLight);
    EXPECT_EQ(fills[31].BrushColor, kFace);
    EXPECT_EQ(fills[32].Rect.Top, 23 / 4);
    EXPECT_EQ(fills.back().BrushColor, RGB(248, 248, 248));  // the band before the light one
    EXPECT_EQ(c.RecordsOf(u"Rectangle")[0].PenColor, kFace);
    const auto round = c.RecordsOf(u"RoundRect")[0];
    EXPECT_EQ(round.Rect, Rect(0, 0, 100, 23));
    EXPECT_EQ(round.Points[0], Point(6, 6));
    EXPECT_EQ(round.PenColor, kShadow);
    EXPECT_EQ(round.BrushStyle, bsClear);
  }
  {
    TRecordingCanvas c;
    DrawButton(c, Face(bsQuicken));
    const auto round = c.RecordsOf(u"RoundRect")[0];
    EXPECT_EQ(round.Rect, Rect(0, 1, 100, 23));
    EXPECT_EQ(round.Points[0], Point(4, 4));
    EXPECT_EQ(round.BrushColor, kFace);
    EXPECT_EQ(round.PenStyle, psClear);
    const auto lines = c.RecordsOf(u"LineTo");
    EXPECT_EQ(lines[0].Points[0], Point(4, 0));
    EXPECT_EQ(lines[0].Points[1], Point(95, 0));
    EXPECT_EQ(lines[1].Points[0], Point(4, 22));
    EXPECT_EQ(lines[1].PenColor, kShadow);
  }
  {
    TRecordingCanvas c;
    DrawButton(c, Face(bsShape));
    EXPECT_EQ(c.RecordsOf(u"Rectangle")[0].BrushColor, LbTransparentKey);
    // The caption is centred over the whole width.
    const TCanvasRecord text = Caption(c);
    EXPECT_EQ(text.Rect, Rect(0, 5, 100, 23));
    EXPECT_EQ(text.Format, DT_WORDBREAK | DT_CENTER);
  }
}

TEST(LbButtonDraw, PressedNormalMovesAndSwapsEdgesEncartaTurnsBold) {
  TLbButtonFace f = Face(bsNormal);
  TRecordingCanvas up, down;
  DrawButton(up, f);
  f.Down = true;
  DrawButton(down, f);
  EXPECT_EQ(Caption(down).Rect.Left, Caption(up).Rect.Left + 1);
  EXPECT_EQ(Caption(down).Rect.Top, Caption(up).Rect.Top + 1);
  EXPECT_EQ(down.RecordsOf(u"LineTo")[0].PenColor, kShadow);
  EXPECT_EQ(down.RecordsOf(u"LineTo")[2].PenColor, kLight);

  f.Style = bsEncarta;
  TRecordingCanvas encarta;
  DrawButton(encarta, f);
  EXPECT_EQ(Caption(encarta).Rect, Caption(up).Rect);
  EXPECT_TRUE(Caption(encarta).FontStyle.Contains(fsBold));
  EXPECT_FALSE(Caption(up).FontStyle.Contains(fsBold));
}

TEST(LbButtonDraw, FlatButtonShowsItsBorderOnlyWhenHotOrPressed) {
  const struct {
    bool Hot, Down, Enabled;
    int Lines;
  } cases[] = {{false, false, true, 0}, {true, false, true, 4}, {false, true, true, 4}, {true, false, false, 0}};
  for (const auto& k : cases) {
    TLbButtonFace f = Face(bsNormal);
    f.Flat = true;
    f.Hot = k.Hot;
    f.Down = k.Down;
    f.Enabled = k.Enabled;
    TRecordingCanvas c;
    DrawButton(c, f);
    EXPECT_EQ(static_cast<int>(c.RecordsOf(u"LineTo").size()), k.Lines) << k.Hot << k.Down << k.Enabled;
  }
}

TEST(LbButtonDraw, FaceColourByHotTrackStepPressedColourAndEnabledState) {
  EXPECT_EQ(FadeColor(clWhite, clBlack, 4), RGB(128, 128, 128));
  EXPECT_EQ(FadeColor(clWhite, RGB(10, 20, 30), 8), RGB(10, 20, 30));
  EXPECT_EQ(FadeColor(clBtnFace, clBlack, 0), ColorToRGB(clBtnFace));
  const TColor hot = RGB(0, 0, 200), pressed = RGB(0, 200, 0);
  const struct {
    int Step;
    bool Down, Enabled;
    TColor Brush;
  } cases[] = {
      {8, false, true, hot},
      {0, false, true, kFace},
      {4, false, true, FadeColor(kFace, hot, 4)},
      {8, true, true, pressed},
      {8, false, false, kFace},  // no hot track on a disabled button
      {8, true, false, kFace},   // nor a press
  };
  for (const auto& k : cases) {
    TLbButtonFace f = Face(bsNormal);
    f.HotTrackColor = hot;
    f.ColorWhenDown = pressed;
    f.HotTrackStep = k.Step;
    f.Down = k.Down;
    f.Enabled = k.Enabled;
    TRecordingCanvas c;
    DrawButton(c, f);
    EXPECT_EQ(c.RecordsOf(u"Rectangle")[0].BrushColor, k.Brush) << k.Step << k.Down << k.Enabled;
  }
}

// A strip of four 16 x 16 cells told apart by their bottom-left pixel (the
// transparent colour the cell is drawn with).
struct Strip {
  TBitmap Bitmap;
  static TColor CellColour(int Cell) { return RGB(10 * (Cell + 1), 0, 0); }
  explicit Strip(int Cells) {
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(16 * Cells, 16);
    for (int i = 0; i < Cells; ++i) {
      std::uint8_t* p = Bitmap.ScanLine(15) + 16 * i * 3;
      p[0] = 0, p[1] = 0, p[2] = static_cast<std::uint8_t>(GetRValue(CellColour(i)));
    }
  }
};

TEST(LbButtonDraw, GlyphCellIsChosenByState) {
  const struct {
    int Cells;
    bool Enabled, Hot, Down;
    int Cell;
  } cases[] = {
      {4, true, false, false, 0}, {4, false, true, true, 1}, {4, true, true, false, 3},
      {4, true, true, true, 2},   {4, true, false, true, 2}, {3, true, true, false, 0},
      {2, true, false, true, 0},  {2, false, false, false, 1},
  };
  for (const auto& k : cases) {
    Strip s(k.Cells);
    TLbButtonFace f = Face(bsNormal);
    f.Glyph = &s.Bitmap;
    f.NumGlyphs = k.Cells;
    f.Enabled = k.Enabled;
    f.Hot = k.Hot;
    f.Down = k.Down;
    TRecordingCanvas c;
    DrawButton(c, f);
    const auto draws = c.RecordsOf(u"Draw");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].Color, Strip::CellColour(k.Cell)) << k.Cells << k.Enabled << k.Hot << k.Down;
    EXPECT_EQ(draws[0].Points[0], Point(16, 16));
    EXPECT_EQ(Caption(c).FontColor, k.Enabled ? clWindowText : RGB(128, 128, 128));
  }
}

TEST(LbButtonDraw, GlyphAndCaptionPlacedByLayoutAndAlignment) {
  // 100 x 50, a 16 x 16 glyph, "OK" 14 x 13.
  const struct {
    TLbButtonLayout Layout;
    TAlignment Alignment;
    TRect Text;
    TPoint Glyph;
  } cases[] = {
      {blGlyphLeft, taCenter, Rect(24, 18, 96, 31), Point(33, 17)},
      {blGlyphLeft, taLeftJustify, Rect(24, 18, 96, 31), Point(4, 17)},
      {blGlyphLeft, taRightJustify, Rect(24, 18, 96, 31), Point(62, 17)},
      {blGlyphRight, taCenter, Rect(4, 18, 76, 31), Point(51, 17)},
      {blGlyphRight, taLeftJustify, Rect(4, 18, 76, 31), Point(22, 17)},
      {blGlyphRight, taRightJustify, Rect(4, 18, 76, 31), Point(80, 17)},
      {blGlyphTop, taCenter, Rect(4, 24, 96, 37), Point(42, 8)},
      {blGlyphTop, taRightJustify, Rect(4, 24, 96, 37), Point(80, 8)},
      {blGlyphBottom, taLeftJustify, Rect(4, 8, 96, 21), Point(4, 21)},
  };
  Strip s(1);
  for (const auto& k : cases) {
    TLbButtonFace f = Face(bsNormal, 100, 50);
    f.Glyph = &s.Bitmap;
    f.NumGlyphs = 1;
    f.Layout = k.Layout;
    f.Alignment = k.Alignment;
    TRecordingCanvas c;
    DrawButton(c, f);
    const TCanvasRecord text = Caption(c);
    EXPECT_EQ(text.Rect, k.Text) << k.Layout << "/" << k.Alignment;
    EXPECT_EQ(c.RecordsOf(u"Draw").at(0).Points.size() ? Point(c.RecordsOf(u"Draw").at(0).Rect.Left, c.RecordsOf(u"Draw").at(0).Rect.Top) : Point(-99, -99), k.Glyph) << k.Layout << "/" << k.Alignment;
    const unsigned align = k.Alignment == taCenter ? DT_CENTER : k.Alignment == taRightJustify ? DT_RIGHT : DT_LEFT;
    EXPECT_EQ(text.Format, DT_WORDBREAK | align);
  }
}

TEST(LbButtonDraw, LongCaptionIsCutFromItsEndUnlessItWraps) {
  TLbButtonFace f = Face(bsNormal, 60, 50);
  f.Caption = u"Alpha Beta Gamma";  // the box is 52 pixels: 7 characters
  TRecordingCanvas cut;
  DrawButton(cut, f);
  EXPECT_EQ(Caption(cut).Text, u"Alpha B");
  EXPECT_EQ(Caption(cut).Rect, Rect(4, 18, 56, 31));
  f.WordWrap = true;
  TRecordingCanvas wrapped;
  DrawButton(wrapped, f);
  const TCanvasRecord text = Caption(wrapped);
  EXPECT_EQ(text.Text, u"Alpha Beta Gamma");
  EXPECT_EQ(text.Rect, Rect(4, 5, 56, 44));  // three lines, centred
  const auto lines = wrapped.RecordsOf(u"TextOut");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2].Text, u"Gamma");
}

TEST(LbButtonDraw, PopupArrowSitsElevenPixelsFromTheRightEdge) {
  TLbButtonFace f = Face(bsNormal, 100, 24);
  f.HasPopup = true;
  TRecordingCanvas c;
  DrawButton(c, f);
  const auto draws = c.RecordsOf(u"Draw");
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].Rect, Rect(89, 11, 94, 14));
  EXPECT_NE(draws[0].Color, clNone);  // drawn transparently
}

TEST(LbButtonDraw, GradientBandsOverTenRows) {
  TRecordingCanvas c;
  c.Pen()->SetStyle(psDot);
  DrawGradient(c, RGB(0, 0, 0), RGB(31, 62, 255), 2, 10, 50, 20);
  const auto bands = c.RecordsOf(u"FillRect");
  // The 32nd band, in the To colour, starts at the bottom: nothing to fill.
  ASSERT_EQ(bands.size(), 31u);
  for (int i = 0; i < 31; ++i) {
    EXPECT_EQ(bands[i].Rect.Top, 10 + i * 10 / 31);
    EXPECT_EQ(bands[i].Rect.Height(), 1);
    EXPECT_EQ(bands[i].PenStyle, psClear);
  }
  EXPECT_EQ(bands[0].BrushColor, RGB(0, 0, 0));
  EXPECT_EQ(bands[5].BrushColor, RGB(5, 10, 41));  // 5 x 255 / 31 = 41.13
  EXPECT_EQ(bands[30].BrushColor, RGB(30, 60, 247));  // 30 x 255 / 31 = 246.8
  EXPECT_EQ(c.Pen()->Style(), psDot);
}
}  // namespace
