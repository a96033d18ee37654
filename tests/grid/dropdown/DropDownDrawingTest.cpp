#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "grid/base/GradientFill.h"
#include "grid/dropdown/DropDownDrawing.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/RecordingCanvas.h"

namespace {

struct Band {
  TRect Rect;
  TColor Color;
  bool operator==(const Band&) const = default;
};

void PrintTo(const Band& b, std::ostream* os) {
  *os << "(" << b.Rect.Left << "," << b.Rect.Top << "," << b.Rect.Right << "," << b.Rect.Bottom << ") $"
      << std::hex << b.Color;
}

// Each band's rectangle, checking that pen and brush share its colour.
std::vector<Band> Bands(const TRecordingCanvas& c) {
  std::vector<Band> out;
  for (const TCanvasRecord& r : c.RecordsOf(u"Rectangle")) {
    EXPECT_EQ(r.PenColor, r.BrushColor);
    out.push_back({r.Rect, r.BrushColor});
  }
  return out;
}

TEST(DrawGradient, BandRectanglesAndColours) {
  const struct {
    std::string Name;
    TColor From, To;
    int Steps;
    TRect R;
    bool Horizontal;
    std::vector<Band> Expected;
  } cases[] = {
      {"horizontal over the rectangle less one pixel at the right, half to even",
       0x000000, 0x0000FF, 4, {0, 0, 100, 20}, true,
       {{{0, 0, 26, 20}, 0x000000}, {{25, 0, 51, 20}, 0x000040}, {{50, 0, 76, 20}, 0x000080},
        {{74, 0, 100, 20}, 0x0000BF}}},
      {"vertical less one pixel at the bottom", 0xFF0000, 0x000000, 2, {10, 10, 30, 50}, false,
       {{{10, 10, 30, 31}, 0xFF0000}, {{10, 30, 30, 51}, 0x7F0000}}},  // 255 - 127.5 rounds to 127
      {"Steps 0 is one band in FromColor", 0x123456, 0xFFFFFF, 0, {0, 0, 50, 10}, true,
       {{{0, 0, 50, 10}, 0x123456}}},
      {"equal colours", 0x336699, 0x336699, 3, {0, 0, 31, 10}, true,
       {{{0, 0, 11, 10}, 0x336699}, {{10, 0, 21, 10}, 0x336699}, {{20, 0, 31, 10}, 0x336699}}},
      {"narrower than Steps: bands share offsets", 0x000000, 0x00000A, 5, {0, 0, 3, 10}, true,
       {{{0, 0, 1, 10}, 0x000000}, {{0, 0, 1, 10}, 0x000002}, {{1, 0, 2, 10}, 0x000004},
        {{1, 0, 2, 10}, 0x000006}, {{2, 0, 3, 10}, 0x000008}}},
      {"system colours resolved", clBtnFace, clBtnFace, 1, {0, 0, 10, 10}, false,
       {{{0, 0, 10, 10}, 0xF0F0F0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TRecordingCanvas canvas;
    canvas.Pen()->SetWidth(3);
    DrawGradient(canvas, c.From, c.To, c.Steps, c.R, c.Horizontal);
    EXPECT_EQ(Bands(canvas), c.Expected);
    EXPECT_EQ(canvas.RecordsOf(u"Rectangle").at(0).PenWidth, 3) << "the canvas's own pen width";
    EXPECT_EQ(canvas.Pen()->Color(), c.Expected.back().Color) << "pen left at the last band";
    EXPECT_EQ(canvas.Brush()->Color(), c.Expected.back().Color) << "brush left at the last band";
  }
}

TEST(DrawGradient, GradientFillTakesTheSettingsDirection) {
  TRecordingCanvas h, v;
  GradientFill(h, 0, 0xFF, 2, {0, 0, 20, 20}, gdHorizontal);
  GradientFill(v, 0, 0xFF, 2, {0, 0, 20, 20}, gdVertical);
  EXPECT_EQ(Bands(h).at(1).Rect, (TRect{10, 0, 21, 20}));
  EXPECT_EQ(Bands(v).at(1).Rect, (TRect{0, 10, 20, 21}));
}

TEST(DrawButtonBackground, FillGradientAndBorder) {
  const TRect r{5, 5, 45, 25};
  {
    SCOPED_TRACE("gradient of 80 bands, then a clear frame of the border width");
    TRecordingCanvas c;
    DrawButtonBackground(c, r, 0x000000, 0xFFFFFF, 0x0000AA, 2, gdVertical);
    const auto rects = c.RecordsOf(u"Rectangle");
    ASSERT_EQ(rects.size(), 81u);
    EXPECT_EQ(rects[1].Rect.Left, 5) << "vertical: horizontal bands";
    EXPECT_EQ(rects[80].Rect, r);
    EXPECT_EQ(rects[80].BrushStyle, bsClear);
    EXPECT_EQ(rects[80].PenWidth, 2);
    EXPECT_EQ(rects[80].PenColor, TColor(0x0000AA));
  }
  {
    SCOPED_TRACE("ColorTo clNone: a plain fill; no border of width 0");
    TRecordingCanvas c;
    c.Brush()->SetStyle(bsClear);
    DrawButtonBackground(c, r, 0x00AA00, clNone, 0x0000AA, 0, gdHorizontal);
    const auto fills = c.RecordsOf(u"FillRect");
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].BrushColor, TColor(0x00AA00));
    EXPECT_EQ(fills[0].BrushStyle, bsSolid);
    EXPECT_TRUE(c.RecordsOf(u"Rectangle").empty());
  }
  {
    SCOPED_TRACE("both colours clNone, border clNone: nothing");
    TRecordingCanvas c;
    DrawButtonBackground(c, r, clNone, clNone, clNone, 1, gdHorizontal);
    EXPECT_TRUE(c.Records().empty());
  }
}

TEST(DrawImageAndText, ImageAtTheLeftCaptionAfterItOrCentred) {
  TImageList images(16, 16);
  TBitmap picture(16, 16);
  images.Add(picture, nullptr);
  const struct {
    std::string Name;
    TRect R;
    int Index;
    const TImageList* Images;
    std::vector<TRect> Drawn;
    TRect TextRect;
    unsigned Align;
  } cases[] = {
      {"image and caption", {10, 10, 110, 35}, 0, &images, {{14, 14, 30, 30}}, {34, 10, 110, 35}, DT_LEFT},
      {"a row lower than the image: offset truncated toward zero", {10, 10, 110, 20}, 0, &images,
       {{14, 7, 30, 23}}, {34, 10, 110, 20}, DT_LEFT},
      {"no index: centred caption", {10, 10, 110, 35}, -1, &images, {}, {10, 10, 110, 35}, DT_CENTER},
      {"no image list", {10, 10, 110, 35}, 0, nullptr, {}, {10, 10, 110, 35}, DT_CENTER},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TRecordingCanvas canvas;
    DrawImageAndText(canvas, c.R, u"Caption", c.Index, c.Images);
    std::vector<TRect> drawn;
    for (const TCanvasRecord& r : canvas.RecordsOf(u"Draw")) drawn.push_back(r.Rect);
    EXPECT_EQ(drawn, c.Drawn);
    const auto texts = canvas.RecordsOf(u"DrawText");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Rect, c.TextRect);
    EXPECT_EQ(texts[0].Format, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | c.Align);
  }
  TRecordingCanvas empty;
  DrawImageAndText(empty, {0, 0, 50, 20}, u"", -1, nullptr);
  EXPECT_TRUE(empty.Records().empty());
}

TEST(DrawTransparentGlyph, TopLeftColourBecomesTheBackground) {
  TBitmap glyph(4, 3);
  TCanvas& g = *glyph.Canvas();
  g.Brush()->SetColor(0x0000FF);
  g.FillRect({0, 0, 4, 3});
  g.SetPixels(1, 1, 0xFF0000);
  g.SetPixels(3, 2, 0xFF0000);
  TBitmap target(20, 20);
  target.Canvas()->Brush()->SetColor(0x000000);
  target.Canvas()->FillRect({0, 0, 20, 20});
  DrawTransparentGlyph(*target.Canvas(), glyph, 0x00FF00, {5, 6, 8, 8});
  TCanvas& t = *target.Canvas();
  EXPECT_EQ(t.Pixels(5, 6), TColor(0x00FF00));
  EXPECT_EQ(t.Pixels(6, 7), TColor(0xFF0000));
  EXPECT_EQ(t.Pixels(7, 7), TColor(0x00FF00));
  EXPECT_EQ(t.Pixels(8, 7), TColor(0x000000)) << "only R's width of the glyph";
  EXPECT_EQ(t.Pixels(6, 8), TColor(0x000000)) << "only R's height";

  TRecordingCanvas c;
  DrawTransparentGlyph(c, glyph, 0x00FF00, {5, 6, 8, 8});
  const auto copies = c.RecordsOf(u"CopyRect");
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].Rect, (TRect{5, 6, 8, 8}));
  EXPECT_EQ(copies[0].Points, (std::vector<TPoint>{{0, 0}, {3, 2}}));
}

TEST(TruncateText, ShortensFromTheEnd) {
  TRecordingCanvas c;
  const int w = c.CharWidth();
  EXPECT_EQ(GetTextSize(c, u"abc"), (TSize{3 * w, c.LineHeight()}));
  EXPECT_EQ(GetTextSize(c, u""), (TSize{0, 0}));
  const struct {
    std::string Name;
    int MaxWidth;
    bool Ellipsis;
    String Result;
  } cases[] = {
      {"fits exactly", 8 * w, true, u"abcdefgh"},
      {"with ellipsis: the first narrower candidate", 6 * w, true, u"ab..."},
      {"without ellipsis", 6 * w, false, u"abcde"},
      {"narrower than the ellipsis: the whole text", 3 * w, true, u"abcdefgh"},
      {"nothing narrower without ellipsis either", 0, false, u"abcdefgh"},
      {"the empty candidate counts", 1, false, u""},
  };
  for (const auto& c2 : cases) {
    SCOPED_TRACE(c2.Name);
    String result = u"stale";
    TruncateText(c, u"abcdefgh", c2.MaxWidth, result, c2.Ellipsis);
    EXPECT_EQ(result, c2.Result);
  }
}

TEST(DrawHTMLText, PaintsOrOnlyMeasures) {
  const TRect r{0, 0, 300, 100};
  TRecordingCanvas measured, painted, empty;
  TPoint size{5, 5}, paintedSize;
  DrawHTMLText(measured, u"<b>bold</b> text", r, size, 0, false, nullptr);
  EXPECT_GT(size.X, 0);
  EXPECT_EQ(size.Y, measured.LineHeight());
  EXPECT_TRUE(measured.RecordsOf(u"TextOut").empty()) << "measuring paints nothing";
  DrawHTMLText(painted, u"<b>bold</b> text", r, paintedSize, 0, true, nullptr);
  EXPECT_EQ(paintedSize, size);
  EXPECT_FALSE(painted.RecordsOf(u"TextOut").empty());
  DrawHTMLText(empty, u"", r, size, 0, true, nullptr);
  EXPECT_EQ(size, (TPoint{0, 0}));
  EXPECT_TRUE(empty.Records().empty());
}

TEST(DrawSelection, EachStyle) {
  const TRect r{0, 0, 60, 22};
  constexpr TColor kBack = 0x101010, kSel = 0x202020, kSelTo = 0x303030;
  {
    SCOPED_TRACE("scCustom fills R");
    TRecordingCanvas c;
    DrawSelection(c, r, kBack, 0, scCustom, kSel, kSelTo);
    const auto fills = c.RecordsOf(u"FillRect");
    ASSERT_EQ(c.Records().size(), 1u);
    EXPECT_EQ(fills.at(0).Rect, r);
    EXPECT_EQ(fills[0].BrushColor, kSel);
  }
  const struct {
    TSelectionColorStyle Style;
    TRoundedFaceColors Face;
  } cases[] = {
      {scOffice2007, {kSel, kSelTo, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF, kBack}},
      {scWindowsVista, {kSel, kSelTo, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB, kBack}},
      {scWindows7, {kSel, kSelTo, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE, kBack}},
  };
  for (const auto& c : cases) {
    for (int position : {0, 2}) {
      SCOPED_TRACE(std::to_string(c.Style) + " ends " + std::to_string(position));
      TRecordingCanvas drawn, expected;
      DrawSelection(drawn, r, kBack, position, c.Style, kSel, kSelTo);
      DrawRoundedGradientFace(expected, c.Face, r, position);
      EXPECT_EQ(drawn.Dump(), expected.Dump());
    }
  }
  TRecordingCanvas none;
  DrawSelection(none, r, kBack, 0, static_cast<TSelectionColorStyle>(9), kSel, kSelTo);
  EXPECT_TRUE(none.Records().empty());
}

}  // namespace
