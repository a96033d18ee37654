// The spin button pair met as a user meets it: its arrows' layout, clicks
// and auto-repeat on the virtual clock, the keyboard and its looks.
#include "grid/base/AsgSpinButton.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/base/AsgSpinEdit.h"
#include "platform/gui/Forms.h"
#include "platform/gui/RecordingCanvas.h"
#include "tests/support/GuiTest.h"
#include "tests/support/SystemInputDriver.h"

namespace {
struct SpinForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TEdit* Other = new TEdit(Form.get());
  TAsgSpinEdit* Edit = new TAsgSpinEdit(Form.get());
  TAsgSpinButton* Pair = new TAsgSpinButton(Form.get());
  testsupport::SystemInputDriver Input;
  std::vector<char> Clicks;  // 'U' and 'D' of the lone pair

  SpinForm() {
    Form->SetBounds(40, 40, 400, 200);
    for (TWinControl* c : {static_cast<TWinControl*>(Other), static_cast<TWinControl*>(Edit),
                           static_cast<TWinControl*>(Pair)}) {
      c->SetParent(Form.get());
      c->SetTabStop(true);
    }
    Other->SetBounds(10, 10, 100, 24);
    Edit->SetBounds(10, 50, 120, 24);
    Pair->SetBounds(200, 50, 15, 40);
    Pair->OnUpClick = [this](TObject* Sender) {
      EXPECT_EQ(Sender, Pair);
      Clicks.push_back('U');
    };
    Pair->OnDownClick = [this](TObject*) { Clicks.push_back('D'); };
    Form->Show();
    Other->SetFocus();
    Input.Pump();
  }
  TControl& Up() { return *Edit->Button()->UpButton(); }
  void Advance(unsigned Ms) {
    testsupport::Clock().Advance(Ms);
    Input.Pump();
  }
};

TEST(AsgSpinButton, TheArrowsShareTheSizeTheDirectionNeeds) {
  const struct {
    TSpinDirection Direction;
    int W, H, Width;
    TRect Up, Down;
  } cases[] = {
      {spVertical, 10, 10, 15, Rect(0, 0, 15, 5), Rect(0, 4, 15, 10)},
      {spVertical, 15, 17, 15, Rect(0, 0, 15, 8), Rect(0, 7, 15, 17)},
      {spVertical, 30, 17, 30, Rect(0, 0, 30, 8), Rect(0, 7, 30, 17)},
      {spHorizontal, 10, 10, 20, Rect(11, 0, 21, 10), Rect(0, 0, 10, 10)},
      {spHorizontal, 31, 17, 31, Rect(16, 0, 31, 17), Rect(0, 0, 15, 17)},
  };
  TAsgSpinButton pair(nullptr);
  for (const auto& c : cases) {
    pair.SetDirection(c.Direction);
    pair.SetBounds(0, 0, c.W, c.H);
    EXPECT_EQ(pair.Width(), c.Width) << c.W << "x" << c.H;
    EXPECT_EQ(pair.Height(), c.H);
    EXPECT_EQ(pair.UpButton()->BoundsRect(), c.Up) << c.W << "x" << c.H;
    EXPECT_EQ(pair.DownButton()->BoundsRect(), c.Down) << c.W << "x" << c.H;
  }
  pair.SetDirection(spVertical);
  EXPECT_EQ(pair.Width(), 15) << "back upright, the lying width goes";
}

TEST(AsgSpinButton, AHeldArrowRepeatsAfter400MsThenEvery100Ms) {
  SpinForm f;
  f.Input.Click(f.Up());
  EXPECT_EQ(f.Edit->Text(), u"1") << "a short click steps once";
  EXPECT_TRUE(f.Edit->Focused()) << "the press hands the focus to the edit";

  f.Edit->SetText(u"0");
  const int timers = testsupport::Clock().ActiveTimers();
  f.Input.MouseDown(f.Up(), Point(5, 3));
  f.Advance(399);
  EXPECT_EQ(f.Edit->Text(), u"0");
  f.Advance(601);
  EXPECT_EQ(f.Edit->Text(), u"7") << "at 400, 500, ..., 1000 ms";
  f.Input.MouseUp(f.Up(), Point(5, 3));
  EXPECT_EQ(f.Edit->Text(), u"8") << "and once more on release over the arrow";
  EXPECT_EQ(testsupport::Clock().ActiveTimers(), timers) << "the release stops the timer";
  f.Advance(1000);
  EXPECT_EQ(f.Edit->Text(), u"8");
}

TEST(AsgSpinButton, DraggedOffTheArrowClicksNothingUntilItIsBack) {
  SpinForm f;
  f.Input.MouseDown(f.Up(), Point(5, 3));
  f.Input.MouseMove(f.Up(), Point(-40, 3));
  f.Advance(1000);
  EXPECT_EQ(f.Edit->Text(), u"0");
  EXPECT_EQ(f.Edit->Button()->UpButton()->State(), bsUp) << "shown up while off";
  f.Input.MouseMove(f.Up(), Point(5, 3));
  f.Advance(100);
  EXPECT_EQ(f.Edit->Text(), u"1");
  f.Input.MouseMove(f.Up(), Point(-40, 3));
  f.Input.MouseUp(f.Up(), Point(-40, 3));
  f.Advance(500);
  EXPECT_EQ(f.Edit->Text(), u"1") << "no click on a release off the arrow, and no more ticks";
}

TEST(AsgSpinButton, AClickHandlerThatRaisesStopsTheRepeatWithOneErrorBox) {
  SpinForm f;
  testsupport::MessageBoxResponder boxes;
  f.Pair->OnUpClick = [](TObject*) { throw Exception(u"no step"); };
  f.Input.MouseDown(*f.Pair->UpButton(), Point(3, 3));
  f.Advance(2000);
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].Text, u"no step");
  f.Input.MouseMove(*f.Pair->UpButton(), Point(-40, 3));
  f.Input.MouseUp(*f.Pair->UpButton(), Point(-40, 3));
  EXPECT_EQ(boxes.Boxes().size(), 1u);
}

TEST(AsgSpinButton, AHandlerThatFreesTheSpinEditStopsTheRepeatCleanly) {
  SpinForm f;
  const int timers = testsupport::Clock().ActiveTimers();
  int steps = 0;
  f.Edit->Button()->OnUpClick = [&](TObject*) {
    if (++steps == 2) delete f.Edit;
  };
  f.Input.MouseDown(f.Up(), Point(5, 3));
  f.Advance(1000);
  EXPECT_EQ(steps, 2);
  EXPECT_EQ(testsupport::Clock().ActiveTimers(), timers);
  f.Input.Click(*f.Form, Point(60, 60));
  f.Advance(1000);
  EXPECT_EQ(steps, 2);
}

TEST(AsgSpinButton, WithTheFocusItselfSpaceUpAndDownClick) {
  SpinForm f;
  f.Pair->SetFocus();
  f.Input.Pump();
  ASSERT_TRUE(f.Pair->Focused());
  EXPECT_NE(f.Pair->UpButton()->TimeBtnState() & tbFocusRect, 0u);
  f.Input.Key(VK_SPACE);
  f.Input.Key(VK_DOWN);
  f.Input.Key(VK_SPACE);
  f.Input.Key(VK_UP);
  EXPECT_EQ(f.Clicks, (std::vector<char>{'U', 'D', 'D', 'U'}));
  EXPECT_TRUE(f.Pair->Focused()) << "the arrows stay with the pair";
  EXPECT_EQ(f.Pair->FocusedButton(), f.Pair->UpButton());

  f.Other->SetFocus();
  f.Input.Pump();
  EXPECT_EQ(f.Pair->UpButton()->TimeBtnState() & tbFocusRect, 0u);
  f.Input.Click(*f.Pair->DownButton());
  EXPECT_TRUE(f.Pair->Focused()) << "without a FocusControl the pair takes the focus";
  EXPECT_EQ(f.Pair->FocusedButton(), f.Pair->DownButton());
}

TEST(AsgSpinButton, LyingTheRightArrowStepsUp) {
  SpinForm f;
  f.Pair->SetDirection(spHorizontal);
  EXPECT_EQ(f.Pair->UpButton()->ButtonDirection(), bdRight);
  EXPECT_EQ(f.Pair->DownButton()->ButtonDirection(), bdLeft);
  EXPECT_EQ(f.Pair->Width(), 20);
  f.Input.Click(*f.Pair, Point(15, 10));
  f.Input.Click(*f.Pair, Point(3, 10));
  EXPECT_EQ(f.Clicks, (std::vector<char>{'U', 'D'}));
}

TEST(AsgSpinButton, NoGlyphBringsBackTheBuiltInArrowWithOneImage) {
  TAsgSpinButton pair(nullptr);
  TBitmap builtIn;
  builtIn.LoadFromResourceName(u"AsgSpinDown");
  ASSERT_EQ(builtIn.Width(), 9);
  ASSERT_EQ(builtIn.Height(), 6);
  TBitmap own(24, 12);
  pair.SetDownGlyph(&own);
  pair.SetDownNumGlyphs(2);
  EXPECT_EQ(pair.DownGlyph()->Width(), 24);
  pair.SetDownGlyph(nullptr);
  EXPECT_EQ(pair.DownNumGlyphs(), 1);
  ASSERT_EQ(pair.DownGlyph()->Width(), 9);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 9; ++x)
      EXPECT_EQ(pair.DownGlyph()->Canvas()->Pixels(x, y), builtIn.Canvas()->Pixels(x, y)) << x << "," << y;
  EXPECT_EQ(builtIn.Canvas()->Pixels(0, 0), RGB(128, 128, 0)) << "olive around the arrow";
  EXPECT_EQ(builtIn.Canvas()->Pixels(1, 1), clBlack) << "the widest row on top for down";
}

TEST(AsgSpinButton, TheCustomLookPaintsTheFaceByState) {
  SpinForm f;
  f.Pair->SetButtonColor(clRed);
  f.Pair->SetButtonColorHot(clLime);
  f.Pair->SetButtonColorDown(clBlue);
  TAdvTimerSpeedButton& up = *f.Pair->UpButton();
  auto face = [&] {
    TRecordingCanvas canvas;
    up.Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
    const auto fills = canvas.RecordsOf(u"Rectangle");
    const auto arrows = canvas.RecordsOf(u"Polygon");
    EXPECT_EQ(fills.size(), 1u);
    EXPECT_EQ(arrows.size(), 1u);
    if (fills.empty() || arrows.empty()) return clNone;
    EXPECT_EQ(fills[0].PenColor, fills[0].BrushColor) << "outlined in the face colour";
    EXPECT_EQ(arrows[0].Points, (std::vector<TPoint>{Point(4, 4), Point(8, 4), Point(6, 2)}));
    EXPECT_EQ(arrows[0].BrushColor, clBlack);
    return fills[0].BrushColor;
  };
  EXPECT_EQ(face(), clRed);
  f.Input.MouseMove(up, Point(4, 4));
  EXPECT_EQ(face(), clLime);
  f.Input.MouseDown(up, Point(4, 4));
  EXPECT_EQ(face(), clBlue);
  f.Input.MouseUp(up, Point(4, 4));
  f.Pair->SetButtonColor(clNone);
  TRecordingCanvas classic;
  up.Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&classic)));
  EXPECT_TRUE(classic.RecordsOf(u"Polygon").empty()) << "clNone: the classic look with the glyph";
}
}  // namespace
