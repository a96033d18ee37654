#include <gtest/gtest.h>

#include "platform/sys/CodePage.h"

namespace {

std::string AllBytes(int from, int to) {
  std::string s;
  for (int b = from; b <= to; ++b) s.push_back(static_cast<char>(b));
  return s;
}

}  // namespace

TEST(CodePage, Windows1252HighControlsRangeRoundTrips) {
  const std::string bytes = AllBytes(0x80, 0x9F);
  const String s = AnsiToString(bytes);
  ASSERT_EQ(s.size(), 32u);
  EXPECT_EQ(s[0x00], u'\u20AC');  // 0x80 euro
  EXPECT_EQ(s[0x01], u'\u0081');  // unassigned bytes keep their number
  EXPECT_EQ(s[0x0D], u'\u008D');
  EXPECT_EQ(s[0x0F], u'\u008F');
  EXPECT_EQ(s[0x10], u'\u0090');
  EXPECT_EQ(s[0x1D], u'\u009D');
  EXPECT_EQ(s[0x19], u'\u2122');  // 0x99 trade mark
  EXPECT_EQ(s[0x1F], u'\u0178');  // 0x9F Y diaeresis
  bool lossy = true;
  EXPECT_EQ(StringToAnsi(s, &lossy), bytes);
  EXPECT_FALSE(lossy);
}

TEST(CodePage, EveryByteRoundTripsInBothPages) {
  const std::string bytes = AllBytes(0, 255);
  EXPECT_EQ(StringToAnsi(AnsiToString(bytes)), bytes);
  EXPECT_EQ(StringToOem(OemToString(bytes)), bytes);
}

TEST(CodePage, CharactersOutsideThePageBecomeQuestionMarks) {
  struct Case {
    String text;
    AnsiString ansi;
    AnsiString oem;
  };
  const Case cases[] = {
      {u"A\u00E9\u20AC\u0394", "A\xE9\x80?", "A\x82??"},       // é in both, € only in 1252
      {u"\u2591\u0394", "??", "\xB0?"},                            // shade only in 437
      {u"x\U0001F600y", "x?y", "x?y"},                             // a surrogate pair is one char
      {u"\u0080", "?", "?"},                                       // C1 0x80 is not the euro byte
  };
  for (const auto& c : cases) {
    bool lossy = false;
    EXPECT_EQ(StringToAnsi(c.text, &lossy), c.ansi);
    EXPECT_TRUE(lossy);
    EXPECT_EQ(StringToOem(c.text, &lossy), c.oem);
    EXPECT_TRUE(lossy);
  }
}

TEST(CodePage, Cp437GraphicsDecode) {
  EXPECT_EQ(OemToString("\x80\xB0\xC9\xE1"), String(u"\u00C7\u2591\u2554\u00DF"));
  bool lossy = true;
  EXPECT_EQ(StringToOem(u"plain", &lossy), "plain");
  EXPECT_FALSE(lossy);
}
