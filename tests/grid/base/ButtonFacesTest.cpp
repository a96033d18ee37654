#include "grid/base/ButtonFaces.h"

#include <gtest/gtest.h>

#include "platform/gui/FrameControls.h"
#include "tests/grid/base/DrawingRecords.h"

namespace {

TColorTones Tones() {
  TColorTones t;
  t.Background = {clWhite, clNavy, clMaroon};
  t.Hover = {clYellow, clOlive, clBlack};
  t.Selected = {clAqua, clTeal, clBlack};
  t.Disabled = {clSilver, clGray, clGray};
  return t;
}

using TFace = void (*)(TCanvas&, HWND, const TRect&, int, int, const TColorTones&);

// What DrawFrameControl alone draws for these parts.
String FrameControls(std::initializer_list<std::pair<TRect, unsigned>> Parts, unsigned Type) {
  TRecordingCanvas c;
  for (const auto& [r, flags] : Parts) DrawFrameControl(c, r, Type, flags);
  return c.Dump();
}

TEST(ButtonFaces, ClassicAndFlatLooksAreFrameControlsAndTheThemedLookDrawsClassic) {
  const TRect r = Rect(10, 10, 60, 30);
  const TRect combo = Rect(41, 11, 58, 29), up = Rect(44, 9, 59, 19), down = Rect(44, 20, 59, 29);
  const struct {
    TFace Face;
    int Look, State;
    String Want;
  } cases[] = {
      {DrawComboButton, blClassic, bstNormal, FrameControls({{combo, DFCS_SCROLLCOMBOBOX}}, DFC_SCROLL)},
      {DrawComboButton, blThemed, bstHot, FrameControls({{combo, DFCS_SCROLLCOMBOBOX}}, DFC_SCROLL)},
      {DrawComboButton, blFlat, bstDisabled,
       FrameControls({{combo, DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE | DFCS_FLAT}}, DFC_SCROLL)},
      {DrawPushButtonFace, blClassic, bstNormal, FrameControls({{r, DFCS_BUTTONPUSH}}, DFC_BUTTON)},
      {DrawPushButtonFace, blThemed, bstHot, FrameControls({{r, DFCS_BUTTONPUSH | DFCS_HOT}}, DFC_BUTTON)},
      {DrawPushButtonFace, blFlat, bstPressed,
       FrameControls({{r, DFCS_BUTTONPUSH | DFCS_PUSHED | DFCS_FLAT}}, DFC_BUTTON)},
      {DrawPushButtonFace, blClassic, bstDisabled,
       FrameControls({{r, DFCS_BUTTONPUSH | DFCS_INACTIVE}}, DFC_BUTTON)},
      {DrawSpinButtons, blClassic, bstPressed,
       FrameControls({{up, DFCS_SCROLLUP}, {down, DFCS_SCROLLDOWN}}, DFC_SCROLL)},
      {DrawSpinButtons, blFlat, bstDisabled,
       FrameControls({{up, DFCS_SCROLLUP | DFCS_INACTIVE | DFCS_FLAT},
                      {down, DFCS_SCROLLDOWN | DFCS_INACTIVE | DFCS_FLAT}},
                     DFC_SCROLL)},
      {DrawSpinButtons, blThemed, bstNormal,
       FrameControls({{up, DFCS_SCROLLUP}, {down, DFCS_SCROLLDOWN}}, DFC_SCROLL)},
  };
  int n = 0;
  for (const auto& c : cases) {
    TRecordingCanvas canvas;
    c.Face(canvas, 0, r, c.Look, c.State, Tones());
    EXPECT_FALSE(c.Want.empty());
    EXPECT_EQ(canvas.Dump(), c.Want) << "case " << n++;
  }
}

TEST(ButtonFaces, CustomLookTakesTheStatesTone) {
  const TColorTones t = Tones();
  const TColor face[] = {clWhite, clYellow, clAqua, clSilver};
  const TColor border[] = {clNavy, clOlive, clTeal, clGray};
  for (int state = bstNormal; state <= bstDisabled; ++state) {
    TRecordingCanvas push;
    DrawPushButtonFace(push, 0, Rect(0, 0, 40, 20), blCustom, state, t);
    ASSERT_EQ(push.RecordsOf(u"Rectangle").size(), 1u);
    EXPECT_EQ(push.RecordsOf(u"Rectangle")[0].Rect, Rect(0, 0, 40, 20));
    EXPECT_EQ(push.RecordsOf(u"Rectangle")[0].BrushColor, face[state]) << state;
    EXPECT_EQ(push.RecordsOf(u"Rectangle")[0].PenColor, border[state]) << state;

    TRecordingCanvas combo;
    DrawComboButton(combo, 0, Rect(0, 0, 40, 20), blCustom, state, t);
    const auto body = combo.RecordsOf(u"Rectangle");
    ASSERT_EQ(body.size(), 1u);
    EXPECT_EQ(body[0].Rect, Rect(24, 1, 38, 19));
    EXPECT_EQ(body[0].BrushColor, face[state]);
    EXPECT_EQ(body[0].PenColor, face[state]);
    const auto line = combo.RecordsOf(u"LineTo");
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(line[0].Points, (std::vector<TPoint>{Point(25, 1), Point(25, 19)}));
    EXPECT_EQ(line[0].PenColor, clNavy) << "always the background's border";
    const auto arrow = combo.RecordsOf(u"Polygon");
    ASSERT_EQ(arrow.size(), 1u);
    EXPECT_EQ(arrow[0].Points, (std::vector<TPoint>{Point(29, 9), Point(35, 9), Point(32, 12)}));
    EXPECT_EQ(arrow[0].BrushColor, clMaroon);

    TRecordingCanvas spin;
    DrawSpinButtons(spin, 0, Rect(0, 0, 40, 20), blCustom, state, t);
    EXPECT_EQ(testdraw::RectsOf(spin, u"Rectangle"), (std::vector<TRect>{Rect(24, -1, 39, 9), Rect(24, 10, 39, 19)}));
    EXPECT_EQ(testdraw::BrushesOf(spin, u"Rectangle"), (std::vector<TColor>{face[state], face[state]}));
    const auto arrows = spin.RecordsOf(u"Polygon");
    ASSERT_EQ(arrows.size(), 2u);
    EXPECT_EQ(arrows[0].Points, (std::vector<TPoint>{Point(29, 4), Point(33, 4), Point(31, 2)}));
    EXPECT_EQ(arrows[1].Points, (std::vector<TPoint>{Point(29, 11), Point(33, 11), Point(31, 13)}));
    EXPECT_EQ(arrows[1].BrushColor, clBlack);
  }
}

TEST(ButtonFaces, AnUnknownLookDrawsNothing) {
  for (TFace face : {TFace(DrawComboButton), TFace(DrawPushButtonFace), TFace(DrawSpinButtons)}) {
    TRecordingCanvas canvas;
    face(canvas, 0, Rect(0, 0, 40, 20), 7, bstNormal, Tones());
    EXPECT_TRUE(canvas.Records().empty());
  }
}

}  // namespace
