// The button part's speed button on the recording canvas: its face by look
// and state, and glyph and caption moving while it is down.
#include "grid/base/AdvSpeedButton.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "grid/base/AsgEditBtn.h"
#include "grid/base/VisualStyleBinding.h"
#include "platform/gui/Forms.h"
#include "platform/gui/RecordingCanvas.h"
#include "tests/support/SystemInputDriver.h"
#include "tests/support/VisualStylesFake.h"

namespace {
struct ButtonForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TAsgEditBtn* Edit = new TAsgEditBtn(Form.get());
  testsupport::SystemInputDriver Input;
  TAdvSpeedButton& Button = *Edit->Button()->Button();

  ButtonForm() {
    Form->SetBounds(40, 40, 300, 100);
    Edit->SetParent(Form.get());
    Edit->SetBounds(10, 10, 160, 26);
    Edit->SetButtonWidth(30);
    Form->Show();
    Input.Pump();
  }
  std::unique_ptr<TRecordingCanvas> Paint() {
    auto canvas = std::make_unique<TRecordingCanvas>();
    Button.Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(canvas.get())));
    return canvas;
  }
  TPoint Middle() const { return Point(Button.Width() / 2, Button.Height() / 2); }
};

TEST(AdvSpeedButton, CustomFaceColourByState) {
  ButtonForm f;
  TEditorButtonColors colours;
  colours.Color = clYellow;
  colours.ColorHot = clAqua;
  colours.ColorDown = clNavy;
  f.Edit->Button()->SetColors(colours);
  auto face = [&] {
    const auto fills = f.Paint()->RecordsOf(u"FillRect");
    return fills.empty() ? clNone : fills[0].BrushColor;
  };
  f.Input.MouseMove(*f.Edit, Point(5, 5));
  EXPECT_EQ(face(), clYellow);
  EXPECT_TRUE(f.Button.Flat()) << "the custom look is flat";
  f.Input.MouseMove(f.Button, f.Middle());
  EXPECT_TRUE(f.Button.Hot());
  EXPECT_EQ(face(), clAqua);
  f.Input.MouseDown(f.Button, f.Middle());
  EXPECT_EQ(face(), clNavy);
  f.Input.MouseUp(f.Button, f.Middle());
  EXPECT_EQ(face(), clAqua);
}

TEST(AdvSpeedButton, FlatEdgeRaisedThenSunkenWhileDown) {
  ButtonForm f;
  f.Edit->Button()->SetFlat(true);
  auto firstLine = [&] {
    const auto lines = f.Paint()->RecordsOf(u"LineTo");
    return lines.empty() ? clNone : lines[0].PenColor;
  };
  EXPECT_EQ(firstLine(), clBtnHighlight);
  f.Input.MouseDown(f.Button, f.Middle());
  EXPECT_EQ(firstLine(), clBtnShadow);
  f.Input.MouseUp(f.Button, f.Middle());
}

TEST(AdvSpeedButton, GlyphAndCaptionMoveWhileDown) {
  ButtonForm f;
  f.Edit->SetButtonCaption(u"...");
  TBitmap glyph(8, 8);
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(0, 0, 8, 8));
  f.Edit->SetGlyph(glyph);
  auto at = [&](TPoint& Glyph, TRect& Text) {
    const auto canvas = f.Paint();
    const auto draws = canvas->RecordsOf(u"Draw");
    const auto texts = canvas->RecordsOf(u"DrawText");
    ASSERT_EQ(draws.size(), 1u);
    ASSERT_EQ(texts.size(), 1u);
    Glyph = Point(draws[0].Rect.Left, draws[0].Rect.Top);
    Text = texts[0].Rect;
    EXPECT_EQ(texts[0].FontColor, clBlack);
    EXPECT_EQ(texts[0].Format, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  };
  TPoint upGlyph, downGlyph;
  TRect upText, downText;
  at(upGlyph, upText);
  EXPECT_EQ(upGlyph, Point((f.Button.Width() - 8) / 2, (f.Button.Height() - 8) / 2)) << "centred";
  f.Input.MouseDown(f.Button, f.Middle());
  at(downGlyph, downText);
  f.Input.MouseUp(f.Button, f.Middle());
  EXPECT_EQ(downGlyph, Point(upGlyph.X + 1, upGlyph.Y + 1));
  EXPECT_EQ(downText.Left, upText.Left + 1);
  EXPECT_EQ(downText.Top, upText.Top + 1);
}
}  // namespace

namespace {
TEST(AdvSpeedButton, ThemedLookAsksTheButtonClassByState) {
  testsupport::VisualStylesFake styles;
  testsupport::InstalledLibrary installed(olVisualStyles, &styles);
  FreeThemeAPI();
  ButtonForm f;
  f.Edit->SetIsWinXP(true);
  auto state = [&] {
    styles.Calls.clear();
    f.Paint();
    for (const String& call : styles.Calls)
      if (call.starts_with(u"DrawThemeBackground")) return call.substr(0, 23);
    return String();
  };
  f.Input.MouseMove(*f.Edit, Point(5, 5));
  EXPECT_EQ(state(), u"DrawThemeBackground 1 1");
  f.Input.MouseMove(f.Button, f.Middle());
  EXPECT_EQ(state(), u"DrawThemeBackground 1 2");
  f.Input.MouseDown(f.Button, f.Middle());
  EXPECT_EQ(state(), u"DrawThemeBackground 1 3");
  f.Input.MouseUp(f.Button, f.Middle());
  EXPECT_NE(std::find(styles.Calls.begin(), styles.Calls.end(), u"OpenThemeData button"), styles.Calls.end());
  FreeThemeAPI();
}
}  // namespace
