// The screen's cursor is shown by the toolkit over every window of the program.
#include <gtest/gtest.h>

#include "platform/gui/Forms.h"
#include "platform/gui/Toolkit.h"

namespace {
TEST(ScreenCursor, ShownOverAllWindowsUntilDefaultAgain) {
  for (const TCursor c : {crSizeNWSE, crSizeNESW, crHourGlass, crSizeWE, crHandPoint}) {
    Screen->SetCursor(c);
    EXPECT_EQ(Screen->Cursor(), c);
    EXPECT_EQ(platform::ShownOverrideCursor(), c) << c;
  }
  Screen->SetCursor(crDefault);
  EXPECT_EQ(platform::ShownOverrideCursor(), crDefault) << "each window shows its own again";
  Screen->SetCursor(crDefault);
  EXPECT_EQ(platform::ShownOverrideCursor(), crDefault);
}
}  // namespace
