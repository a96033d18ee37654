// System metrics agree with the screen and the toolkit the program runs on.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gui/Forms.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/WorkArea.h"

namespace {
TEST(SystemMetrics, SizesOfScrollBarsBordersAndTheScreen) {
  EXPECT_GT(GetSystemMetrics(SM_CXVSCROLL), 0);
  EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL));
  EXPECT_EQ(GetSystemMetrics(SM_CXBORDER), 1);
  EXPECT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), Screen->Width());
  EXPECT_EQ(GetSystemMetrics(9999), 0);
  EXPECT_GT(WheelScrollLines(), 0);
  EXPECT_TRUE(MessageBeep());
}

TEST(SystemMetrics, ABeepHandlerHearsTheBeepsInsteadOfTheSpeaker) {
  std::vector<unsigned> heard;
  TBeepHandler previous = SetBeepHandler([&](unsigned Type) { heard.push_back(Type); });
  MessageBeep();
  MessageBeep(0x10);
  EXPECT_EQ(heard, (std::vector<unsigned>{0, 0x10}));
  EXPECT_TRUE(SetBeepHandler(std::move(previous))) << "answers the handler it replaces";
  MessageBeep();
  EXPECT_EQ(heard.size(), 2u);
}

TEST(SystemMetrics, TheScreenNearestAPointIsTheOneThatHoldsIt) {
  const TRect screen = Rect(0, 0, Screen->Width(), Screen->Height());
  for (TPoint p : {Point(10, 10), Point(-500, -500), Point(screen.Right + 900, 20)}) {
    EXPECT_EQ(MonitorRectNear(p), screen) << p.X << "," << p.Y;
    EXPECT_EQ(WorkAreaNear(p), WorkAreaRect());
  }
}
}  // namespace
