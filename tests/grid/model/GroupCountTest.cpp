#include <gtest/gtest.h>

#include "grid/model/GroupCount.h"

TEST(GroupCount, FormatOrParentheses) {
  struct Case {
    String format, text;
  };
  const Case cases[] = {
      {u"", u" (3)"},
      {u" [%d items]", u" [3 items]"},
      {u" %.2f", u" (3)"},  // refused for an integer
      {u" %d %d", u" (3)"},  // a missing argument
      {u" %s", u" (3)"},
  };
  for (const auto& c : cases) EXPECT_EQ(GroupCountText(c.format, 3), c.text) << StringToUtf8(c.format);
}
