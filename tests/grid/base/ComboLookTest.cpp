#include "grid/base/ComboLook.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "grid/base/VisualStyleBinding.h"
#include "platform/gui/RecordingCanvas.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/VisualStylesFake.h"

namespace {
constexpr int W = 150, H = 21, BW = 19;

TComboLook Base() {
  TComboLook l;
  l.Width = l.ClientWidth = W;
  l.Height = l.ClientHeight = H;
  l.ButtonWidth = BW;
  l.ParentColor = clSilver;
  l.Color = clWhite;
  return l;
}

std::string Line(const char* Op, TColor Color, const TRect& R) {
  char s[80];
  std::snprintf(s, sizeof s, "%s %06X %d,%d,%d,%d", Op, static_cast<unsigned>(Color), R.Left, R.Top, R.Right, R.Bottom);
  return s;
}

// The frames and lines of the border, in order ("frame" colour rect, "line" colour from-to).
std::vector<std::string> Border(const TComboLook& L) {
  TRecordingCanvas canvas;
  DrawComboBorder(canvas, L);
  std::vector<std::string> out;
  for (const TCanvasRecord& r : canvas.Records()) {
    if (r.Op == u"FrameRect") out.push_back(Line("frame", r.BrushColor, r.Rect));
    if (r.Op == u"LineTo")
      out.push_back(Line("line", r.PenColor, Rect(r.Points[0].X, r.Points[0].Y, r.Points[1].X, r.Points[1].Y)));
  }
  return out;
}

TEST(ComboBorder, RulesByColoursFocusAndState) {
  const TRect all = Rect(0, 0, W, H);
  auto with = [](auto Change) {
    TComboLook l = Base();
    Change(l);
    return l;
  };
  const struct {
    const char* Name;
    TComboLook Look;
    std::vector<std::string> Drawn;
  } cases[] = {
      {"border colour, unfocused", with([](TComboLook& l) { l.BorderColor = clRed; l.FocusBorderColor = clBlue; }),
       {Line("frame", clRed, all)}},
      {"focus border colour while focused",
       with([](TComboLook& l) { l.BorderColor = clRed; l.FocusBorderColor = clBlue; l.HasFocus = true; }),
       {Line("frame", clBlue, all)}},
      {"focus border colour alone, unfocused", with([](TComboLook& l) { l.FocusBorderColor = clBlue; }), {}},
      {"disabled themed without DisabledBorder",
       with([](TComboLook& l) { l.Enabled = false; l.Themed = true; l.DisabledBorder = false; l.BorderColor = clRed; }),
       {Line("frame", DisabledThemedBorder, all)}},
      {"disabled themed with DisabledBorder",
       with([](TComboLook& l) { l.Enabled = false; l.Themed = true; l.BorderColor = clRed; }),
       {Line("frame", clRed, all)}},
      {"flat, cold: parent colour twice, then the control's, and the flat line",
       with([](TComboLook& l) { l.Flat = true; l.FlatLineColor = clGreen; }),
       {Line("frame", clSilver, all), Line("frame", clSilver, Rect(1, 1, W - 1 - BW, H - 1)),
        Line("frame", clWhite, Rect(2, 2, W - 2 - BW, H - 2)), Line("line", clGreen, Rect(0, H - 1, W - 2 - BW - 1, H - 1))}},
      {"flat, hot with FocusBorder: sunken edge, face colour, control colour",
       with([](TComboLook& l) { l.Flat = true; l.FocusBorder = true; l.Hot = true; }),
       {Line("line", clBtnShadow, Rect(0, H - 1, 0, 0)), Line("line", clBtnShadow, Rect(0, 0, W - 1, 0)),
        Line("line", clBtnHighlight, Rect(W - 1, 0, W - 1, H - 1)), Line("line", clBtnHighlight, Rect(W - 1, H - 1, 0, H - 1)),
        Line("frame", clBtnFace, Rect(1, 1, W - 1, H - 1)), Line("frame", clWhite, Rect(2, 2, W - 2, H - 2))}},
      {"flat, hot without FocusBorder: the plain frames in the face colour",
       with([](TComboLook& l) { l.Flat = true; l.Hot = true; }),
       {Line("frame", clBtnFace, all), Line("frame", clBtnFace, Rect(1, 1, W - 1 - BW, H - 1)),
        Line("frame", clWhite, Rect(2, 2, W - 2 - BW, H - 2))}},
      {"enabled, not flat, no colours: nothing", Base(), {}},
      {"IsVista with a border colour: the frame", with([](TComboLook& l) { l.IsVista = true; l.BorderColor = clRed; }),
       {Line("frame", clRed, all)}},
      {"IsVista, flat, no colours: nothing own", with([](TComboLook& l) { l.IsVista = true; l.Flat = true; }), {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Border(c.Look), c.Drawn) << c.Name;
}

TEST(ComboBorder, TheClassicButtonFrameIsCoveredInTheFaceColourWhileCold) {
  TComboLook l = Base();
  l.BorderColor = clRed;
  TRecordingCanvas canvas;
  DrawComboBorder(canvas, l);
  const auto fills = canvas.RecordsOf(u"FillRect");
  ASSERT_EQ(fills.size(), 4u);
  for (const auto& f : fills) {
    EXPECT_EQ(f.BrushColor, clBtnFace);
    EXPECT_GE(f.Rect.Left, W - BW);
    EXPECT_LE(f.Rect.Right, W - 3);
  }
  l.Hot = true;
  canvas.Clear();
  DrawComboBorder(canvas, l);
  EXPECT_TRUE(canvas.RecordsOf(u"FillRect").empty()) << "hot: the button keeps its edges";
}

// The face colour of the custom button and its arrow.
struct Drawn {
  TColor Face = clNone, Arrow = clNone;
};
Drawn CustomButton(bool Hover, bool MouseDown) {
  TComboLook l = Base();
  l.ButtonColor = clYellow;
  l.ButtonColorHot = clAqua;
  l.ButtonColorDown = clNavy;
  l.ButtonBorderColor = clGray;
  l.ButtonTextColor = clBlack;
  l.ButtonTextColorDown = clWhite;
  l.ButtonHover = Hover;
  l.MouseDown = MouseDown;
  TRecordingCanvas canvas;
  DrawComboDropButton(canvas, 0, l);
  const auto fills = canvas.RecordsOf(u"FillRect");
  const auto polygons = canvas.RecordsOf(u"Polygon");
  EXPECT_EQ(fills.size(), 2u);
  EXPECT_EQ(polygons.size(), 1u);
  if (fills.size() != 2 || polygons.size() != 1) return {};
  EXPECT_EQ(fills[0].BrushColor, clWhite) << "the native button's place, in the control's colour";
  EXPECT_EQ(fills[0].Rect, Rect(W - BW - 4, 0, W + 2, H));
  EXPECT_EQ(fills[1].Rect, Rect(W - BW + 2, 2, W - 2, H - 2));
  return {fills[1].BrushColor, polygons[0].BrushColor};
}

TEST(ComboButton, CustomColoursByHoverAndMouseButton) {
  const struct {
    bool Hover, Down;
    TColor Face, Arrow;
  } cases[] = {
      {false, false, clYellow, clBlack},
      {true, false, clAqua, clBlack},
      {true, true, clNavy, clWhite},
      {false, true, clYellow, clWhite},
  };
  for (const auto& c : cases) {
    const Drawn d = CustomButton(c.Hover, c.Down);
    EXPECT_EQ(d.Face, c.Face) << c.Hover << c.Down;
    EXPECT_EQ(d.Arrow, c.Arrow) << c.Hover << c.Down;
  }
}

TEST(ComboButton, ThemedStatesAskTheComboboxClass) {
  testsupport::VisualStylesFake styles;
  testsupport::InstalledLibrary installed(olVisualStyles, &styles);
  FreeThemeAPI();
  const struct {
    bool Enabled, MouseDown, Hover, Dropped;
    int State;
  } cases[] = {
      {false, false, true, false, 4}, {true, true, true, true, 3}, {true, false, true, false, 2},
      {true, false, true, true, 1},   {true, true, true, false, 1}, {true, false, false, false, 1},
  };
  for (const auto& c : cases) {
    TComboLook l = Base();
    l.Themed = l.StylesActive = true;
    l.Enabled = c.Enabled;
    l.MouseDown = c.MouseDown;
    l.ButtonHover = c.Hover;
    l.DroppedDown = c.Dropped;
    styles.Calls.clear();
    TRecordingCanvas canvas;
    DrawComboDropButton(canvas, 0, l);
    const std::vector<String> expected = {
        u"IsThemeActive", u"OpenThemeData combobox",
        u"DrawThemeBackground 1 " + IntToStr(c.State) + u" (" + IntToStr(W - BW + 3) + u",1," + IntToStr(W - 1) + u"," +
            IntToStr(H - 1) + u")",
        u"CloseThemeData"};
    EXPECT_EQ(styles.Calls, expected) << c.State;
  }
  FreeThemeAPI();
}

TEST(ComboButton, ClassicLookIsTheFlatFrameControl) {
  TComboLook l = Base();
  TRecordingCanvas canvas;
  DrawComboDropButton(canvas, 0, l);
  EXPECT_GT(canvas.Records().size(), 2u) << "the frame control draws into the button's place";
  for (const auto& r : canvas.Records()) {
    if (r.Op != u"FillRect" && r.Op != u"FrameRect") continue;
    EXPECT_GE(r.Rect.Left, W - BW - 4);
  }
}
}  // namespace
