#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "grid/base/ControlLook.h"
#include "grid/base/VisualStyleBinding.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/FrameControls.h"
#include "platform/gui/RecordingCanvas.h"
#include "platform/sys/Strings.h"
#include "tests/grid/paint/PaintSupport.h"
#include "tests/support/VisualStylesFake.h"

namespace {

using namespace paint_test;

const TRect kBox{30, 40, 50, 60};

// MirrorWidth: on the mirrored surface of a right-to-left grid of that width.
std::vector<TCanvasRecord> CheckBox(TAdvStringGrid& g, TControlStyle Style, bool Checked, bool Enabled,
                                    bool Grayed = false, int MirrorWidth = 0) {
  TRecordingCanvas c;
  c.SetMirrorWidth(MirrorWidth);
  g.DrawCellCheckBox(c, kBox, Checked, cbUnchecked, false, Style, Grayed, Enabled);
  return c.Records();
}

String FrameControl(const TRect& Rect, unsigned State) {
  TRecordingCanvas c;
  DrawFrameControl(c, Rect, DFC_BUTTON, State);
  return c.Dump();
}

String Dump(const std::vector<TCanvasRecord>& All) {
  String out;
  for (const TCanvasRecord& r : All) out += r.ToString() + u"\n";
  return out;
}

// The box of CheckSize (15) centred in kBox.
const TRect kCentred{32, 42, 47, 57};

TEST(CheckGlyphPaint, CheckBoxInEachKindOfStyle) {
  TAdvStringGrid g(nullptr);
  {
    SCOPED_TRACE("csTheme without visual styles: the classic frame control");
    EXPECT_EQ(Dump(CheckBox(g, csTheme, true, true)), FrameControl(kCentred, DFCS_BUTTONCHECK | DFCS_CHECKED));
  }
  {
    SCOPED_TRACE("csFlat, disabled and grayed");
    EXPECT_EQ(Dump(CheckBox(g, csFlat, false, false, true)),
              FrameControl(kCentred, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_BUTTON3STATE | DFCS_FLAT |
                                         DFCS_INACTIVE));
  }
  for (TControlStyle style : {csWinXP, csZEV}) {
    SCOPED_TRACE("the built-in bitmap at the top-left, transparent by its bottom-left pixel");
    const auto draws = Only(CheckBox(g, style, true, true), u"Draw");
    ASSERT_EQ(draws.size(), 1u);
    const int size = style == csZEV ? 20 : 16;
    EXPECT_EQ(draws[0].Rect, (TRect{30, 40, 30 + size, 40 + size}));
    EXPECT_EQ(draws[0].Color, TColor(0x008080)) << "olive";
  }
  {
    SCOPED_TRACE("csGlyph: the look's own glyphs");
    g.ControlLook()->SetCheckedGlyph(*Glyph(12, 11));
    g.ControlLook()->SetUnCheckedGlyph(*Glyph(9, 8));
    const auto on = Only(CheckBox(g, csGlyph, true, false), u"Draw");
    const auto off = Only(CheckBox(g, csGlyph, false, true), u"Draw");
    ASSERT_EQ(on.size(), 1u);
    ASSERT_EQ(off.size(), 1u);
    EXPECT_EQ(on[0].Rect, (TRect{30, 40, 42, 51}));
    EXPECT_EQ(off[0].Rect, (TRect{30, 40, 39, 48}));
  }
  {
    SCOPED_TRACE("csBorland: its own box with the tick in the look's colour");
    g.ControlLook()->SetColor(0x00AA00);
    const auto all = CheckBox(g, csBorland, true, true);
    EXPECT_EQ(Only(all, u"FillRect").at(0).Rect, kBox);
    EXPECT_EQ(Only(all, u"LineTo").back().PenColor, TColor(0x00AA00));
  }
}

TEST(CheckGlyphPaint, UseStateDecidesCheckedAndGrayed) {
  TAdvStringGrid g(nullptr);
  const struct {
    TCheckBoxState State;
    unsigned Flags;
  } cases[] = {{cbChecked, DFCS_CHECKED}, {cbUnchecked, 0}, {cbGrayed, DFCS_CHECKED | DFCS_BUTTON3STATE}};
  for (const auto& c : cases) {
    TRecordingCanvas canvas;
    g.DrawCellCheckBox(canvas, kBox, true, c.State, true, csClassic, false, true);
    EXPECT_EQ(canvas.Dump(), FrameControl(kCentred, DFCS_BUTTONCHECK | c.Flags)) << c.State;
  }
}

TEST(CheckGlyphPaint, AlwaysActiveLooksGiveADisabledBoxTheEnabledLook) {
  const struct {
    std::string Name;
    void (TControlLook::*Set)(bool);
  } cases[] = {{"CheckAlwaysActive", &TControlLook::SetCheckAlwaysActive},
               {"NoDisabledCheckRadioLook", &TControlLook::SetNoDisabledCheckRadioLook}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TAdvStringGrid g(nullptr);
    for (TControlStyle style : {csClassic, csBorland}) {
      const String enabled = Dump(CheckBox(g, style, true, true));
      EXPECT_NE(Dump(CheckBox(g, style, true, false)), enabled);
      (g.ControlLook()->*c.Set)(true);
      EXPECT_EQ(Dump(CheckBox(g, style, true, false)), enabled);
      (g.ControlLook()->*c.Set)(false);
    }
  }
}

TEST(CheckGlyphPaint, ThemedStatesWhenVisualStylesPaint) {
  testsupport::VisualStylesFake styles;
  testsupport::InstalledLibrary installed(olVisualStyles, &styles);
  FreeThemeAPI();
  TAdvStringGrid g(nullptr);
  const struct {
    bool Checked, Grayed, Enabled;
    int State;
  } cases[] = {{true, false, true, 5}, {true, false, false, 8}, {false, false, true, 1},
               {false, false, false, 4}, {false, true, true, 9}, {true, true, false, 12}};
  for (const auto& c : cases) {
    styles.Calls.clear();
    const auto all = CheckBox(g, csTheme, c.Checked, c.Enabled, c.Grayed);
    EXPECT_TRUE(all.empty()) << "no classic box drawn as well";
    const String expected = u"DrawThemeBackground 3 " + IntToStr(c.State) + u" (30,40,45,55)";
    EXPECT_NE(std::find(styles.Calls.begin(), styles.Calls.end(), expected), styles.Calls.end())
        << c.State;
  }
  styles.Calls.clear();
  TRecordingCanvas radios;
  g.DrawRadioButtons(radios, TRect{10, 100, 200, 180}, false, 1.0, csTheme, 0, 0, false, nullptr, true,
                     false, 0, 2);
  EXPECT_TRUE(radios.Records().empty());
  for (const char16_t* call : {u"DrawThemeBackground 2 8 (12,102,28,118)", u"DrawThemeBackground 2 4 (12,118,28,134)"}) {
    EXPECT_NE(std::find(styles.Calls.begin(), styles.Calls.end(), String(call)), styles.Calls.end());
  }
  FreeThemeAPI();
}

TEST(CheckGlyphPaint, RightToLeftMirrorsTheBox) {
  TAdvStringGrid g(nullptr);
  g.SetBounds(0, 0, 300, 200);
  g.SetBiDiMode(bdRightToLeft);
  const int w = g.ClientWidth();
  const auto draws = Only(CheckBox(g, csWinXP, true, true, false, w), u"Draw");
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].Rect, (TRect{w - 30 - 16, 40, w - 30, 56}));
  EXPECT_EQ(Dump(CheckBox(g, csClassic, true, true, false, w)),
            FrameControl(TRect{w - 47, 42, w - 32, 57}, DFCS_BUTTONCHECK | DFCS_CHECKED));
  EXPECT_EQ(Only(CheckBox(g, csWinXP, true, true), u"Draw")[0].Rect, (TRect{30, 40, 46, 56}))
      << "a surface that keeps left to right places it as given";
}

// ---- radio groups

const TRect kGroup{10, 100, 200, 180};

struct RadioFixture {
  TAdvStringGrid G{nullptr};
  TStringList Items;
  TRecordingCanvas C;
  RadioFixture() {
    Items.SetCommaText(u"Alpha,B,Gamma");
    G.SetColCount(3);
    G.SetRowCount(3);
    // On and off glyphs of their own sizes tell the items apart.
    G.ControlLook()->SetRadioOnGlyph(*Glyph(14, 14));
    G.ControlLook()->SetRadioOffGlyph(*Glyph(10, 10));
  }
  void Draw(TControlStyle Style, int Index, bool Horizontal = false, bool Upward = false) {
    C.Clear();
    G.DrawRadioButtons(C, kGroup, Upward, 1.0, Style, 1, 2, false, &Items, false, Horizontal, Index,
                       Items.Count());
  }
  // The top-left corner of each button drawn and whether it is on.
  std::vector<std::pair<TPoint, bool>> Buttons() const {
    std::vector<std::pair<TPoint, bool>> out;
    for (const TCanvasRecord& r : C.RecordsOf(u"Draw")) out.push_back({{r.Rect.Left, r.Rect.Top}, r.Rect.Width() == 14});
    return out;
  }
  std::vector<TPoint> TextPlaces() const {
    std::vector<TPoint> out;
    for (const TCanvasRecord& r : C.RecordsOf(u"TextOut")) out.push_back(r.Points.at(0));
    return out;
  }
};

std::vector<bool> OnItems(const RadioFixture& f) {
  std::vector<bool> out;
  for (const auto& b : f.Buttons()) out.push_back(b.second);
  return out;
}

TEST(CheckGlyphPaint, RadioGroupIndexChoosesTheItemOn) {
  RadioFixture f;
  const struct {
    std::string Name;
    int Index;
    String CellText;
    std::vector<bool> On;
  } cases[] = {
      {"Index 1 turns the second item on", 1, u"Alpha", {false, true, false}},
      {"Index -1: the item whose text is the cell's", -1, u"Gamma", {false, false, true}},
      {"Index -1 and no item matching", -1, u"Gam", {false, false, false}},
      {"an index past the items", 5, u"", {false, false, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    f.G.SetCells(2, 1, c.CellText);
    f.Draw(csGlyph, c.Index);
    EXPECT_EQ(OnItems(f), c.On);
  }
}

TEST(CheckGlyphPaint, RadioGroupLayouts) {
  RadioFixture f;
  const int gh = f.C.TextHeight(u"gh");
  ASSERT_LT(gh, 16) << "bitmap styles then use 16 pixels a line";
  {
    SCOPED_TRACE("vertical: 16 pixels a line from 2 below the top, texts 18 to the right, 1 down");
    f.Draw(csGlyph, 0);
    EXPECT_EQ(f.Buttons(), (std::vector<std::pair<TPoint, bool>>{{{12, 102}, true}, {{12, 118}, false},
                                                                 {{12, 134}, false}}));
    EXPECT_EQ(f.TextPlaces(), (std::vector<TPoint>{{28, 103}, {28, 119}, {28, 135}}));
  }
  {
    SCOPED_TRACE("upward");
    f.Draw(csGlyph, 0, false, true);
    EXPECT_EQ(f.TextPlaces(), (std::vector<TPoint>{{28, 99}, {28, 83}, {28, 67}}));
  }
  {
    SCOPED_TRACE("horizontal: each button after the text before it, centred vertically");
    f.Draw(csGlyph, 2, true);
    const int w1 = f.C.TextWidth(u"Alpha"), w2 = f.C.TextWidth(u"B");
    const int x2 = 12 + 16 + w1, x3 = x2 + 16 + w2;
    const auto buttons = f.Buttons();
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[0].first, (TPoint{12, 132}));
    EXPECT_EQ(buttons[1].first, (TPoint{x2, 132}));
    EXPECT_EQ(buttons[2], (std::pair<TPoint, bool>{{x3, 132}, true}));
    EXPECT_EQ(f.TextPlaces(), (std::vector<TPoint>{{28, 133}, {x2 + 16, 133}, {x3 + 16, 133}}));
  }
  {
    SCOPED_TRACE("csBorland: texts 20 to the right, 2 up");
    f.Draw(csBorland, 0);
    EXPECT_EQ(f.TextPlaces(), (std::vector<TPoint>{{30, 100}, {30, 116}, {30, 132}}));
  }
  {
    SCOPED_TRACE("csClassic: frame controls of RadioSize, a text-height line, text 4 beyond");
    f.Draw(csClassic, 0);
    EXPECT_EQ(f.TextPlaces(),
              (std::vector<TPoint>{{26, 102}, {26, 102 + gh}, {26, 102 + 2 * gh}}));
    TRecordingCanvas expected;
    DrawFrameControl(expected, TRect{12, 102, 22, 112}, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
    EXPECT_EQ(f.C.Dump().substr(0, expected.Dump().size()), expected.Dump());
  }
}

TEST(CheckGlyphPaint, RadioFrameControlScalesAndCentresWithoutText) {
  TAdvStringGrid g(nullptr);
  TRecordingCanvas c;
  g.DrawRadioButtons(c, kGroup, false, 2.0, csFlat, 1, 1, false, nullptr, false, false, 0, 1);
  TRecordingCanvas expected;
  // (RadioSize + 2) x 2 = 24, centred across the group.
  DrawFrameControl(expected, TRect{93, 102, 117, 126}, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_FLAT);
  EXPECT_EQ(c.Dump(), expected.Dump());
}

TEST(CheckGlyphPaint, RadioSelectionColourAndAlwaysActive) {
  RadioFixture f;
  f.G.SetSelectionTextColor(0x0000AA);
  f.C.Font()->SetColor(0x111111);
  f.G.DrawRadioButtons(f.C, kGroup, false, 1.0, csClassic, 1, 2, true, &f.Items, false, false, 0, 3);
  for (const TCanvasRecord& r : f.C.RecordsOf(u"TextOut")) EXPECT_EQ(r.FontColor, TColor(0x0000AA));
  EXPECT_EQ(f.C.Font()->Color(), TColor(0x111111)) << "the canvas font colour comes back";

  auto drawn = [&](bool Disabled) {
    f.C.Clear();
    f.G.DrawRadioButtons(f.C, kGroup, false, 1.0, csClassic, 1, 2, false, &f.Items, Disabled, false, 0, 3);
    return f.C.Dump();
  };
  const String enabled = drawn(false);
  EXPECT_NE(drawn(true), enabled);
  f.G.ControlLook()->SetRadioAlwaysActive(true);
  EXPECT_EQ(drawn(true), enabled);
  f.G.ControlLook()->SetRadioAlwaysActive(false);
  f.G.ControlLook()->SetNoDisabledCheckRadioLook(true);
  EXPECT_EQ(drawn(true), enabled);
}

}  // namespace
