#include <gtest/gtest.h>

#include "platform/sys/String.h"

TEST(Utf, RoundTripsBmpAndSupplementary) {
  const std::string text = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // A é € 😀
  const String s = Utf8ToString(text);
  EXPECT_EQ(s, String(u"A\u00E9\u20AC\U0001F600"));
  EXPECT_EQ(StringToUtf8(s), text);
}

TEST(Utf, MalformedInputBecomesReplacement) {
  EXPECT_EQ(Utf8ToString("a\xC3"), String(u"a\uFFFD"));
  EXPECT_EQ(Utf8ToString("\xC0\xAF"), String(u"\uFFFD"));  // overlong
  EXPECT_EQ(StringToUtf8(String(1, u'\xD800')), "\xEF\xBF\xBD");
}
