// The strips' button: its face by state, and its state by mouse and keys
// through the window system's path.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/dropdown/AdvButton.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "platform/gui/Timers.h"
#include "tests/support/GuiTest.h"
#include "tests/support/SystemInputDriver.h"

namespace {

TEST(AdvButtonFace, DisabledThenPressedThenDownThenHotThenNormal) {
  TAdvButtonAppearance a;
  a.SetColor(0x000001);
  a.SetColorTo(0x000002);
  a.SetBorderColor(0x000003);
  a.SetColorDisabled(0x000011);
  a.SetColorDisabledTo(0x000012);
  a.SetBorderColorDisabled(0x000013);
  a.SetColorDown(0x000021);
  a.SetColorDownTo(0x000022);
  a.SetBorderColorDown(0x000023);
  a.SetColorChecked(0x000031);
  a.SetColorCheckedTo(0x000032);
  a.SetBorderColorChecked(0x000033);
  a.SetColorHot(0x000041);
  a.SetColorHotTo(0x000042);
  a.SetBorderColorHot(0x000043);
  const struct {
    std::string Name;
    TAdvButtonLook Look;
    TAdvButtonFace Face;
  } cases[] = {
      {"normal", {}, {0x01, 0x02, 0x03}},
      {"disabled wins over all", {false, true, true, true}, {0x11, 0x12, 0x13}},
      {"pressed: solid", {true, true, true, true}, {0x21, 0x21, 0x23}},
      {"down: solid", {true, false, true, true}, {0x31, 0x31, 0x33}},
      {"hot: solid", {true, false, false, true}, {0x41, 0x41, 0x43}},
  };
  for (const auto& c : cases) EXPECT_EQ(AdvButtonFace(a, c.Look), c.Face) << c.Name;
}

TEST(AdvButtonFace, ModalResultsThatClose) {
  const TModalClose expected[] = {
      mcStayOpen,    mcCloseKeep, mcCloseCancel, mcCloseCancel, mcStayOpen, mcCloseCancel, mcCloseKeep, mcCloseCancel,
      mcStayOpen,    mcStayOpen,  mcStayOpen,    mcStayOpen,    mcCloseKeep, mcCloseCancel, mcCloseKeep};
  for (int r = 0; r <= 14; ++r) EXPECT_EQ(ModalResultClose(r), expected[r]) << r;
  EXPECT_EQ(ModalResultClose(15), mcStayOpen);
  EXPECT_EQ(ModalResultClose(-1), mcStayOpen);
}

// Three buttons on a shown form beside an edit, counting their clicks.
struct ButtonsFixture {
  TAdvButtonAppearance Appearance;
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TEdit* Other = new TEdit(Form.get());
  TAdvButton* B[3];
  int Clicks[3] = {0, 0, 0};
  testsupport::SystemInputDriver Input;
  testsupport::InputDriver Clock;

  ButtonsFixture() {
    Form->SetBounds(60, 60, 300, 120);
    Other->SetParent(Form.get());
    Other->SetBounds(10, 60, 100, 24);
    for (int i = 0; i < 3; ++i) {
      B[i] = new TAdvButton(Form.get());
      B[i]->SetParent(Form.get());
      B[i]->SetBounds(10 + 40 * i, 10, 36, 22);
      B[i]->SetAppearance(&Appearance);
      B[i]->SetCaption(u"B");
      B[i]->OnClick = [this, i](TObject*) { ++Clicks[i]; };
    }
    Form->Show();
    Input.Pump();
  }
  static TPoint Outside() { return Point(-20, 8); }
};

TEST(AdvButtonInput, PressDragOutAndInAndReleaseOutside) {
  ButtonsFixture f;
  TAdvButton& b = *f.B[0];
  f.Input.MouseMove(b, Point(10, 10));
  f.Input.MouseDown(b, Point(10, 10));
  EXPECT_EQ(b.State(), absDown);
  EXPECT_TRUE(b.Dragging());
  EXPECT_EQ(b.Face().Color, f.Appearance.ColorDown()) << "pressed inside";
  f.Input.MouseMove(b, f.Outside());
  EXPECT_EQ(b.State(), absUp);
  f.Input.MouseMove(b, Point(12, 10));
  EXPECT_EQ(b.State(), absDown);
  f.Input.MouseMove(b, f.Outside());
  f.Input.MouseUp(b, f.Outside());
  EXPECT_EQ(f.Clicks[0], 0);
  EXPECT_EQ(b.State(), absUp);
  EXPECT_FALSE(b.Dragging());
  EXPECT_FALSE(b.MouseDownInControl());
  EXPECT_FALSE(b.MouseInControl());

  // A release inside clicks, and the hover is there again at once.
  f.Input.Click(b);
  EXPECT_EQ(f.Clicks[0], 1);
  EXPECT_EQ(b.State(), absUp);
  EXPECT_TRUE(b.MouseInControl()) << "the pointer is still over it";
  EXPECT_EQ(b.Face().Color, f.Appearance.ColorHot());
}

TEST(AdvButtonInput, ACheckButtonTogglesOnEachClick) {
  ButtonsFixture f;
  TAdvButton& b = *f.B[1];
  b.SetStyle(tasCheck);
  f.Input.Click(b);
  EXPECT_TRUE(b.Down());
  EXPECT_EQ(b.Face().Color, f.Appearance.ColorChecked()) << "down wins over hot";
  f.Input.Click(b);
  EXPECT_FALSE(b.Down());
  EXPECT_EQ(f.Clicks[1], 2);
  b.SetDown(true);
  b.Repaint();
  EXPECT_EQ(b.State(), absDown);
}

TEST(AdvButtonInput, AGroupKeepsOneDownAndAllowAllUpTravels) {
  ButtonsFixture f;
  for (TAdvButton* b : f.B) b->SetGroupIndex(1);
  f.B[2]->SetGroupIndex(2);
  f.Input.Click(*f.B[0]);
  EXPECT_TRUE(f.B[0]->Down());
  EXPECT_EQ(f.B[0]->State(), absExclusive);
  f.Input.Click(*f.B[1]);
  EXPECT_TRUE(f.B[1]->Down());
  EXPECT_FALSE(f.B[0]->Down()) << "told through CM_BUTTONPRESSED";
  EXPECT_EQ(f.B[0]->State(), absUp);
  f.Input.Click(*f.B[2]);
  EXPECT_TRUE(f.B[1]->Down()) << "another group";
  f.Input.Click(*f.B[1]);
  EXPECT_TRUE(f.B[1]->Down()) << "without AllowAllUp the last one stays down";

  f.B[0]->SetAllowAllUp(true);
  f.Input.Click(*f.B[0]);
  EXPECT_TRUE(f.B[1]->AllowAllUp()) << "taken from the button that went down";
  f.Input.Click(*f.B[0]);
  EXPECT_FALSE(f.B[0]->Down());
  EXPECT_FALSE(f.B[1]->Down());

  // A plain button outside any group is never down.
  TAdvButton plain(nullptr);
  plain.SetDown(true);
  EXPECT_FALSE(plain.Down());
}

TEST(AdvButtonInput, DownSetWhileLoadingTakesEffectAfterLoading) {
  ButtonsFixture f;
  TAdvButton& b = *f.B[0];
  b.SetGroupIndex(3);
  b.BeginLoading();
  b.SetDown(true);
  EXPECT_FALSE(b.Down());
  b.EndLoading();
  EXPECT_TRUE(b.Down());
  EXPECT_EQ(b.State(), absExclusive);
}

TEST(AdvButtonInput, ADisabledButtonNeitherPressesNorClicks) {
  ButtonsFixture f;
  TAdvButton& b = *f.B[0];
  b.SetEnabled(false);
  f.Input.Click(b);
  b.Repaint();
  EXPECT_EQ(f.Clicks[0], 0);
  EXPECT_EQ(b.State(), absDisabled);
  EXPECT_EQ(b.Face().Color, f.Appearance.ColorDisabled());
  b.SetEnabled(true);
  b.Repaint();
  EXPECT_EQ(b.State(), absUp);
}

TEST(AdvButtonInput, TheHotLookEndsWhenALeaveWasMissed) {
  ButtonsFixture f;
  TAdvButton& b = *f.B[0];
  f.Input.MouseMove(*f.Other, Point(5, 5));
  b.Perform(CM_MOUSEENTER);
  EXPECT_TRUE(b.MouseInControl());
  EXPECT_TRUE(b.UnHotTimer()->Enabled());
  f.Clock.Advance(1);
  EXPECT_FALSE(b.MouseInControl());
  EXPECT_FALSE(b.UnHotTimer()->Enabled());

  // While the pointer is over it the timer leaves the hot look alone.
  f.Input.MouseMove(b, Point(5, 5));
  f.Clock.Advance(5);
  EXPECT_TRUE(b.MouseInControl());
  f.Input.MouseMove(*f.Other, Point(5, 5));
  EXPECT_FALSE(b.MouseInControl());
  EXPECT_FALSE(b.UnHotTimer()->Enabled());
}

TEST(AdvButtonInput, ReturnAndSpaceAndTheAccessKeyClick) {
  ButtonsFixture f;
  TAdvButton& b = *f.B[0];
  b.SetCaption(u"&Go");
  b.SetFocus();
  f.Input.Pump();
  ASSERT_TRUE(b.Focused());
  f.Input.Key(VK_RETURN);
  EXPECT_EQ(f.Clicks[0], 0) << "a click by key fires no OnClick";
  f.Input.Key(VK_SPACE);
  EXPECT_EQ(f.Clicks[0], 0);
  EXPECT_EQ(b.State(), absUp);
  EXPECT_EQ(f.Form->ModalResult(), mrNone);
  b.SetModalResult(mrRetry);
  f.Input.Key(VK_RETURN);
  EXPECT_EQ(f.Form->ModalResult(), mrRetry) << "but the modal result acts";
  f.Form->SetModalResult(mrNone);
  f.Other->SetFocus();
  f.Input.Key('G', {ssAlt});
  EXPECT_EQ(f.Clicks[0], 1);
}

}  // namespace
