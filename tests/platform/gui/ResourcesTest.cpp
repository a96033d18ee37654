#include <gtest/gtest.h>

#include "platform/gui/Resources.h"

using namespace platform;

TEST(Resources, FoundByNameInAnyAsciiCaseAndReplaced) {
  static const char First[] = "first", Second[] = "second";
  EXPECT_TRUE(FindResource(u"TEST_RES_ONE").empty());
  RegisterResource(u"Test_Res_One", First);
  EXPECT_EQ(FindResource(u"test_res_one"), "first");
  RegisterResource(u"TEST_RES_ONE", Second);
  EXPECT_EQ(FindResource(u"Test_Res_One"), "second");
  EXPECT_TRUE(FindResource(u"TEST_RES_ON").empty());
}
