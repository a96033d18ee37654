#include <gtest/gtest.h>

#include <vector>

#include "platform/gui/Timers.h"
#include "tests/support/GuiTest.h"

namespace {
TEST(Timers, ATimerFiresOnTheVirtualClockOnly) {
  testsupport::InputDriver input;
  TTimer timer(nullptr);
  timer.SetInterval(500);
  int ticks = 0;
  timer.OnTimer = [&](TObject*) { ++ticks; };
  input.Pump();
  EXPECT_EQ(ticks, 0);
  input.Advance(499);
  EXPECT_EQ(ticks, 0);
  input.Advance(1);
  EXPECT_EQ(ticks, 1);
  input.Advance(1000);
  EXPECT_EQ(ticks, 3);
  timer.SetEnabled(false);
  input.Advance(5000);
  EXPECT_EQ(ticks, 3);
}

TEST(Timers, ChangingTheIntervalRestartsTheCount) {
  testsupport::InputDriver input;
  TTimer timer(nullptr);
  int ticks = 0;
  timer.OnTimer = [&](TObject*) { ++ticks; };
  input.Advance(600);  // 1000 ms interval: not yet
  timer.SetInterval(60000);
  input.Advance(59999);
  EXPECT_EQ(ticks, 0);
  input.Advance(1);
  EXPECT_EQ(ticks, 1);
}

TEST(Timers, WindowTimersSendWmTimerWithTheirIdInTimeOrder) {
  testsupport::InputDriver input;
  std::vector<WPARAM> ids;
  const HWND w = AllocateHWnd([&](TMessage& m) {
    if (m.Msg == WM_TIMER) ids.push_back(m.WParam);
  });
  SetTimer(w, 111, 500);
  SetTimer(w, 7, 300);
  input.Advance(1000);
  EXPECT_EQ(ids, (std::vector<WPARAM>{7, 111, 7, 7, 111}));
  EXPECT_TRUE(KillTimer(w, 111));
  EXPECT_FALSE(KillTimer(w, 111));
  DeallocateHWnd(w);
  input.Advance(1000);  // a freed window's timer just stops
  EXPECT_EQ(ids.size(), 5u);
  EXPECT_EQ(GetTickCount64(), testsupport::Clock().Now());
}
}  // namespace
