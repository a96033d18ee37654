#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/model/AdvColumnGrid.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/GridColumnCollection.h"
#include "grid/model/GridColumnItem.h"
#include "tests/grid/paint/PaintSupport.h"

namespace {

using namespace paint_test;

constexpr unsigned kPlainFlags = DT_EXPANDTABS | DT_NOPREFIX;
constexpr unsigned kWrapFlags = DT_EXPANDTABS | DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL;

struct TextCase {
  std::string Name;
  std::function<void(TAdvStringGrid&)> Setup;
  const char16_t* Text;
  std::function<void(const std::vector<TCanvasRecord>&)> Check;
};

void NoWrap(TAdvStringGrid& g) { g.SetWordWrap(false); }

std::function<void(const std::vector<TCanvasRecord>&)> Drawn(String Text, unsigned Flags) {
  return [Text, Flags](const std::vector<TCanvasRecord>& all) {
    const TCanvasRecord t = DrawnText(all);
    EXPECT_EQ(t.Text, Text);
    EXPECT_EQ(t.Format, Flags);
  };
}

std::function<void(TAdvStringGrid&)> FloatFormat(String Format) {
  return [Format](TAdvStringGrid& g) {
    NoWrap(g);
    g.OnGetFloatFormat = [Format](TObject*, int, int, bool&, String& f) {
      if (!Format.empty()) f = Format;
    };
  };
}

std::vector<TextCase> TextCases() {
  return {
      {"plain: one line at XYOffset", NoWrap, u"abc",
       [](const std::vector<TCanvasRecord>& all) {
         const TCanvasRecord t = DrawnText(all);
         EXPECT_EQ(t.Text, u"abc");
         EXPECT_EQ(t.Rect, (TRect{12, 22, 108, 40}));
         EXPECT_EQ(t.Format, kPlainFlags | DT_SINGLELINE);
         EXPECT_EQ(t.BrushStyle, bsClear);
       }},
      {"plain: ellipsis only with EnhTextSize",
       [](TAdvStringGrid& g) {
         NoWrap(g);
         g.SetEnhTextSize(true);
       },
       u"abc", Drawn(u"abc", kPlainFlags | DT_SINGLELINE | DT_END_ELLIPSIS)},
      {"plain: alignment flags",
       [](TAdvStringGrid& g) {
         NoWrap(g);
         g.SetDefaultAlignment(taRightJustify);
         g.SetVAlignment(vtaCenter);
       },
       u"abc", Drawn(u"abc", kPlainFlags | DT_SINGLELINE | DT_RIGHT | DT_VCENTER)},
      {"multi-line: first line only", NoWrap, u"one\r\ntwo",
       Drawn(u"one", kPlainFlags | DT_SINGLELINE)},
      {"multi-line: all lines with Multilinecells",
       [](TAdvStringGrid& g) {
         NoWrap(g);
         g.SetMultilinecells(true);
       },
       u"one\r\ntwo", Drawn(u"one\r\ntwo", kWrapFlags)},
      {"word wrap", [](TAdvStringGrid&) {}, u"a long text", Drawn(u"a long text", kWrapFlags)},
      {"word wrap: ellipsis with EnhTextSize",
       [](TAdvStringGrid& g) { g.SetEnhTextSize(true); }, u"a long text",
       Drawn(u"a long text", kWrapFlags | DT_END_ELLIPSIS)},
      {"URL: protocol stripped, underlined, in URLColor",
       [](TAdvStringGrid& g) {
         NoWrap(g);
         g.SetURLShow(true);
         g.SetURLColor(0x00AA00);
       },
       u"http://example.com/x",
       [](const std::vector<TCanvasRecord>& all) {
         const TCanvasRecord t = DrawnText(all);
         EXPECT_EQ(t.Text, u"example.com/x");
         EXPECT_TRUE(t.FontStyle.Contains(fsUnderline));
         EXPECT_EQ(t.FontColor, TColor(0x00AA00));
       }},
      {"URL: whole with URLFull",
       [](TAdvStringGrid& g) {
         NoWrap(g);
         g.SetURLShow(true);
         g.SetURLFull(true);
       },
       u"http://example.com/x", Drawn(u"http://example.com/x", kPlainFlags | DT_SINGLELINE)},
      {"URL: plain text without URLShow", NoWrap, u"http://example.com/x",
       [](const std::vector<TCanvasRecord>& all) {
         EXPECT_FALSE(DrawnText(all).FontStyle.Contains(fsUnderline));
       }},
      {"password",
       [](TAdvStringGrid& g) {
         NoWrap(g);
         g.SetPasswordChar(u'#');
         g.OnIsPasswordCell = [](TObject*, int, int, bool& p) { p = true; };
       },
       u"secret", Drawn(u"######", kPlainFlags | DT_SINGLELINE)},
      {"float format: the default %.2f", FloatFormat(u""), u"3",
       Drawn(u"3.00", kPlainFlags | DT_SINGLELINE)},
      {"float format: a float format holding a d", FloatFormat(u"%.1f dB"), u"7",
       Drawn(u"7.0 dB", kPlainFlags | DT_SINGLELINE)},
      {"float format: an integer conversion", FloatFormat(u"%x"), u"255",
       Drawn(u"FF", kPlainFlags | DT_SINGLELINE)},
      {"float format: %s shows the stored text", FloatFormat(u"%s"), u"7",
       Drawn(u"7", kPlainFlags | DT_SINGLELINE)},
      {"float format: two conversions show the stored text", FloatFormat(u"%d %d"), u"7",
       Drawn(u"7", kPlainFlags | DT_SINGLELINE)},
      {"float format: no conversion shows the stored text", FloatFormat(u"dB"), u"7",
       Drawn(u"7", kPlainFlags | DT_SINGLELINE)},
      {"float format: an integer format on a fraction shows the stored text", FloatFormat(u"%d"),
       u"2.5", Drawn(u"2.5", kPlainFlags | DT_SINGLELINE)},
      {"float format: a word is never formatted", FloatFormat(u"%.1f"), u"word",
       Drawn(u"word", kPlainFlags | DT_SINGLELINE)},
      {"an error marker is underlined",
       [](TAdvStringGrid& g) {
         NoWrap(g);
         g.AddMarker(2, 2, 1, 2);
       },
       u"abcd",
       [](const std::vector<TCanvasRecord>& all) {
         bool zigzag = false;
         for (const TCanvasRecord& r : Only(all, u"LineTo")) zigzag |= r.PenColor == clRed;
         EXPECT_TRUE(zigzag);
       }},
      {"mini-HTML through the renderer", NoWrap, u"<b>bold</b> tail",
       [](const std::vector<TCanvasRecord>& all) {
         for (const TCanvasRecord& r : all) EXPECT_EQ(r.Text.find(u'<'), String::npos);
         const auto outs = Only(all, u"TextOut");
         ASSERT_FALSE(outs.empty());
         EXPECT_EQ(outs[0].Text, u"bold");
         EXPECT_TRUE(outs[0].FontStyle.Contains(fsBold));
         EXPECT_GT(outs[0].Points[0].X, 12) << "right of XYOffset";
       }},
      {"rich text shows the text of its stream", NoWrap,
       u"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\*\\generator x;}\\f0 Hello\\par W\\'f6rld}",
       [](const std::vector<TCanvasRecord>& all) {
         EXPECT_EQ(DrawnText(all).Text, u"Hello\r\nW\u00f6rld");
       }},
  };
}

TEST(CellTextPaint, EachTextKind) {
  for (const TextCase& c : TextCases()) {
    SCOPED_TRACE(c.Name);
    TAdvStringGrid g(nullptr);
    c.Setup(g);
    g.SetCells(2, 2, c.Text);
    c.Check(PaintCell(g, 2, 2));
  }
}

TEST(CellTextPaint, AColumnFormatThatFormatRefusesShowsTheStoredText) {
  struct Case {
    const char16_t* Format;
    const char16_t* Shown;
  };
  for (const Case& c : {Case{u"%.1f dB", u"7.0 dB"}, Case{u"%s", u"7"}, Case{u"%d %d", u"7"},
                        Case{u"%", u"7"}, Case{u"%%d", u"7"}}) {
    TAdvColumnGrid g(nullptr);
    g.Columns()->Items(1)->SetFloatFormat(c.Format);
    g.SetCells(1, 1, u"7");
    EXPECT_EQ(g.GetFormattedCell(1, 1), c.Shown);
  }
}

// Where Text went: its DrawText rectangle, or for the HTML renderer, which
// measures with DrawText, its TextOut as an empty rectangle at the point.
TRect PlaceOf(const std::vector<TCanvasRecord>& All, const String& Text, bool Html = false) {
  for (const TCanvasRecord& r : Only(All, Html ? u"TextOut" : u"DrawText")) {
    if (r.Text != Text) continue;
    return Html ? TRect{r.Points[0].X, 0, r.Points[0].X, 0} : r.Rect;
  }
  return TRect{};
}

TRect Mirrored(const TRect& R, int W) { return TRect{W - R.Right, R.Top, W - R.Left, R.Bottom}; }

// One column: plain "abc" in row 1, mini-HTML "xyz" in row 2, rich text "uvw" in row 3.
TEST(CellTextPaint, UnderARightToLeftLayoutTheTextGoesWhereTheMirroredGridShowsTheCell) {
  TAdvStringGrid g(nullptr);
  g.SetWordWrap(false);
  g.SetCells(2, 1, u"abc");
  g.SetCells(2, 2, u"<b>xyz</b>");
  g.SetCells(2, 3, u"{\\rtf1\\ansi uvw}");
  const auto ltr = PaintSurface(g);
  g.SetBiDiMode(bdRightToLeftReadingOnly);
  const auto readingOnly = PaintSurface(g);
  g.SetBiDiMode(bdRightToLeft);
  const auto rtl = PaintSurface(g);
  const int w = g.ClientWidth();
  for (const char16_t* text : {u"abc", u"xyz", u"uvw"}) {
    SCOPED_TRACE(StringToUtf8(text));
    const bool html = text == std::u16string_view(u"xyz");
    ASSERT_NE(PlaceOf(ltr, text, html), TRect{});
    EXPECT_EQ(PlaceOf(readingOnly, text, html), PlaceOf(ltr, text, html))
        << "the reading order alone moves nothing";
  }
  EXPECT_EQ(PlaceOf(rtl, u"abc"), Mirrored(PlaceOf(ltr, u"abc"), w));
  EXPECT_EQ(PlaceOf(rtl, u"uvw"), Mirrored(PlaceOf(ltr, u"uvw"), w));
  // The HTML rectangle is the plain one less 1 more pixel at the left; the
  // text starts as far inside its mirrored rectangle.
  const TRect plain = PlaceOf(ltr, u"abc");
  EXPECT_EQ(PlaceOf(rtl, u"xyz", true).Left - PlaceOf(ltr, u"xyz", true).Left,
            w - (plain.Left + 1 + plain.Right));
}

// A surface other than the grid's own (a print page, the footer panel)
// keeps left to right: there a right-to-left grid's text is not mirrored
// but widened by XYOffset.X on both sides.
TEST(CellTextPaint, ARightToLeftGridOnALeftToRightSurfaceWidensTheTextByXYOffset) {
  struct Case {
    TBiDiMode mode;
    bool topLeftOnly;
    TRect expected;
  } cases[] = {
      {bdLeftToRight, false, {kCell.Left + 5, kCell.Top + 3, kCell.Right - 5, kCell.Bottom}},
      {bdLeftToRight, true, {kCell.Left + 5, kCell.Top + 3, kCell.Right, kCell.Bottom}},
      {bdRightToLeft, false, {kCell.Left, kCell.Top + 3, kCell.Right, kCell.Bottom}},
      {bdRightToLeft, true, {kCell.Left, kCell.Top + 3, kCell.Right + 5, kCell.Bottom}},
      {bdRightToLeftReadingOnly, false, {kCell.Left + 5, kCell.Top + 3, kCell.Right - 5, kCell.Bottom}},
  };
  for (const Case& c : cases) {
    TAdvStringGrid g(nullptr);
    g.SetCells(2, 1, u"abc");
    g.SetXYOffset(TPoint{5, 3});
    g.SetXYOffsetTopLeftOnly(c.topLeftOnly);
    g.SetBiDiMode(c.mode);
    EXPECT_EQ(PlaceOf(PaintCell(g, 2, 1), u"abc"), c.expected) << c.mode << " " << c.topLeftOnly;
  }
}

TEST(CellTextPaint, PlainTextReadsRightToLeftUnlessTheGridIsLeftToRight) {
  for (TBiDiMode mode : {bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly}) {
    TAdvStringGrid g(nullptr);
    g.SetBiDiMode(mode);
    g.SetCells(2, 2, u"abc");
    EXPECT_EQ((DrawnText(PaintCell(g, 2, 2)).Format & DT_RTLREADING) != 0, mode != bdLeftToRight) << mode;
  }
}

TEST(CellTextPaint, BlinkingTextShowsOnlyInTheVisiblePhase) {
  TAdvStringGrid g(nullptr);
  g.SetColor(0x00E0E0E0);
  g.Font()->SetColor(0x00102030);
  g.SetCells(2, 2, u"<blink>on</blink>");
  {
    const auto outs = Only(PaintCell(g, 2, 2), u"TextOut");
    ASSERT_EQ(outs.size(), 1u);
    EXPECT_EQ(outs[0].FontColor, TColor(0x00102030)) << "shown while blinking is off";
  }
  g.SetEnableBlink(true);
  for (bool phase : {false, true}) {
    g.PaintState().GridBlink = phase;
    const auto outs = Only(PaintCell(g, 2, 2), u"TextOut");
    ASSERT_EQ(outs.size(), 1u);
    EXPECT_EQ(outs[0].FontColor, phase ? TColor(0x00102030) : TColor(0x00E0E0E0)) << phase;
  }
}

}  // namespace
