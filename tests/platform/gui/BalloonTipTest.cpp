// Balloon tooltips on the virtual clock: when they show, where, with what,
// and when they go.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gui/BalloonTip.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/GuiTest.h"

namespace {
struct BalloonFixture {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TEdit* Edit = new TEdit(Form.get());
  TBalloonTip& Tip = BalloonTipFor(*Edit);
  testsupport::InputDriver Input;
  int Asked = 0;

  BalloonFixture() {
    Form->SetBounds(100, 100, 400, 300);
    Edit->SetParent(Form.get());
    Edit->SetBounds(10, 10, 150, 24);
    Form->Show();
    Tip.OnNeedText = [this](TBalloonTip& b) {
      ++Asked;
      b.SetTitle(u"Invalid entry");
      b.SetIcon(biError);
      b.SetText(u"Enter a number from 1 to 65535.");
    };
  }
};

TEST(BalloonTip, ShowsAfterTheInitialDelayAndHidesAfterTheAutoHideDelay) {
  BalloonFixture f;
  f.Tip.SetDelays(300, -1, 2000);
  f.Tip.Activate(Point(200, 150));
  f.Input.Advance(299);
  EXPECT_FALSE(f.Tip.Up());
  EXPECT_EQ(f.Asked, 0);
  f.Input.Advance(1);
  ASSERT_TRUE(f.Tip.Up());
  EXPECT_EQ(f.Asked, 1);
  EXPECT_EQ(f.Tip.Title(), u"Invalid entry");
  // Below its spot, its corner near it.
  EXPECT_EQ(f.Tip.Top(), 150);
  EXPECT_LE(f.Tip.Left(), 200);
  EXPECT_LE(f.Tip.Width(), 300);
  f.Input.Advance(1999);
  EXPECT_TRUE(f.Tip.Up());
  f.Input.Advance(1);
  EXPECT_FALSE(f.Tip.Up());
}

TEST(BalloonTip, DefaultsAndAnotherSpotWhileUpTakeTheReshowDelay) {
  BalloonFixture f;
  f.Tip.SetDelays(-1, -1, -1);
  EXPECT_EQ(f.Tip.InitialDelay(), 500);
  EXPECT_EQ(f.Tip.ReshowDelay(), 100);
  EXPECT_EQ(f.Tip.AutoHideDelay(), 5000);
  f.Tip.Activate(Point(200, 150));
  f.Input.Advance(500);
  ASSERT_TRUE(f.Tip.Up());
  f.Tip.Activate(Point(250, 150));
  EXPECT_FALSE(f.Tip.Up());
  f.Input.Advance(99);
  EXPECT_FALSE(f.Tip.Up());
  f.Input.Advance(1);
  EXPECT_TRUE(f.Tip.Up());
  EXPECT_EQ(f.Tip.Spot(), Point(250, 150));
  EXPECT_EQ(f.Asked, 2);
}

TEST(BalloonTip, PoppingCancelsAPendingShowingAndNoTextShowsNothing) {
  BalloonFixture f;
  f.Tip.Activate(Point(200, 150));
  f.Input.Advance(200);
  f.Tip.Pop();
  f.Input.Advance(10000);
  EXPECT_FALSE(f.Tip.Up());
  EXPECT_EQ(f.Asked, 0);
  f.Tip.OnNeedText = [](TBalloonTip& b) {
    b.SetTitle(u"");
    b.SetText(u"");
  };
  f.Tip.Activate(Point(200, 150));
  f.Input.Advance(500);
  EXPECT_FALSE(f.Tip.Up());
}

TEST(BalloonTip, OneBalloonPerOwnerGoingWithIt) {
  BalloonFixture f;
  EXPECT_EQ(&BalloonTipFor(*f.Edit), &f.Tip);
  EXPECT_NE(&BalloonTipFor(*f.Form), &f.Tip);
  f.Tip.Activate(Point(200, 150));
  delete f.Edit;  // the pending showing goes with it
  f.Input.Advance(1000);
  EXPECT_EQ(f.Asked, 0);
}

TEST(BalloonTip, NearTheBottomOfTheScreenItOpensAboveItsSpot) {
  BalloonFixture f;
  Screen->PinSize(800, 600);
  f.Tip.Activate(Point(790, 595));
  f.Input.Advance(500);
  ASSERT_TRUE(f.Tip.Up());
  EXPECT_EQ(f.Tip.Top() + f.Tip.Height(), 595);
  EXPECT_LE(f.Tip.Left() + f.Tip.Width(), 800);
  Screen->PinSize(0, 0);
}
}  // namespace
