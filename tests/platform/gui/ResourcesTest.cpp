#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gui/Bitmap.h"
#include "platform/gui/Resources.h"
#include "platform/sys/SysUtils.h"

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

// The bitmaps the grid's painters and the spin buttons load by name, with the
// size each is drawn at; each decodes and is see-through at its corner pixel.
TEST(Resources, TheBuiltInBitmapsAreThereInTheirSizes) {
  struct Case {
    const char16_t* Name;
    int Width, Height;
  };
  std::vector<Case> cases = {{u"XPNODEC", 9, 9}, {u"XPNODEO", 9, 9}, {u"ASGLEAFCLOSE", 16, 16},
                             {u"ASGLEAFOPEN", 16, 16}, {u"ASGFILT", 16, 16}, {u"AsgSpinUp", 9, 6},
                             {u"AsgSpinDown", 9, 6}, {u"metrocheckon", 16, 16}, {u"metrocheckoff", 16, 16},
                             {u"metroradioon", 16, 16}, {u"metroradiooff", 16, 16}, {u"INTLI1", 28, 28},
                             {u"INTLI2", 28, 28}, {u"INTLI3", 28, 28}};
  for (int i = 1; i <= 8; ++i) {
    static std::vector<String> names;  // the cases point into it
    names.push_back(u"ASGCHK0" + String(1, static_cast<char16_t>(u'0' + i)));
    cases.push_back({names.back().c_str(), i <= 4 ? 20 : 16, i <= 4 ? 20 : 16});
    names.push_back(u"ASGRAD0" + String(1, static_cast<char16_t>(u'0' + i)));
    cases.push_back({names.back().c_str(), 16, 16});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(StringToUtf8(c.Name));
    TBitmap b;
    b.LoadFromResourceName(c.Name);
    EXPECT_EQ(b.Width(), c.Width);
    EXPECT_EQ(b.Height(), c.Height);
    const TColor key = b.Canvas()->Pixels(0, c.Height - 1);
    int drawn = 0;
    for (int y = 0; y < c.Height; ++y)
      for (int x = 0; x < c.Width; ++x) drawn += b.Canvas()->Pixels(x, y) != key;
    EXPECT_GT(drawn, 4) << "something shows beside the see-through colour";
  }
  TBitmap b;
  EXPECT_THROW(b.LoadFromResourceName(u"ASGCHK09"), EResNotFound);
}

// Numbered cursors are cursor files under "#n" with their hot spot inside.
TEST(Resources, TheNumberedCursorsAreCursorFiles) {
  for (int n : {8000, 8001, 8002, 8003, 8004, 8005, 8006, 8007, 8008, 8010, 8011, 8012, 8014}) {
    const std::string name = "#" + std::to_string(n);
    SCOPED_TRACE(name);
    const std::string_view bytes = FindResource(Utf8ToString(name));
    ASSERT_GT(bytes.size(), 22u);
    auto word = [&](size_t at) { return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8; };
    EXPECT_EQ(word(2), 2) << "a cursor, not an icon";
    EXPECT_EQ(word(4), 1);
    const int width = static_cast<unsigned char>(bytes[6]), height = static_cast<unsigned char>(bytes[7]);
    EXPECT_EQ(width, 32);
    EXPECT_LT(word(10), width);
    EXPECT_LT(word(12), height);
  }
  EXPECT_TRUE(FindResource(u"#8009").empty());
}

TEST(Resources, ARegistrationReplacesABuiltInOne) {
  static const char Mine[] = "mine";
  const std::string_view builtIn = FindResource(u"#8014");
  RegisterResource(u"#8014", Mine);
  EXPECT_EQ(FindResource(u"#8014"), "mine");
  RegisterResource(u"#8014", builtIn);
}
