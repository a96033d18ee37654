// The clipboard, on the toolkit's (process-local when headless) and on the
// tests' fake: both must answer alike, as code under test sees only the fake.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gui/Clipboard.h"
#include "tests/support/ClipboardFake.h"

namespace {
enum class Kind { Desktop, Fake };

class Clipboard : public testing::TestWithParam<Kind> {
 protected:
  void SetUp() override {
    if (GetParam() == Kind::Fake) FFake = std::make_unique<testsupport::ClipboardFake>();
    else SetClipboardService(nullptr);
  }
  void TearDown() override {
    ClipboardClear();
    FFake.reset();
    SetClipboardService(FTestOne);
  }
  const UINT Cells = RegisterClipboardFormat(u"Clipboard test cells");
  const UINT Column = RegisterClipboardFormat(u"Clipboard test column");

 private:
  TClipboardService* FTestOne = &ClipboardService();
  std::unique_ptr<testsupport::ClipboardFake> FFake;
};

std::vector<std::uint8_t> BytesOf(UINT Format) {
  std::vector<std::uint8_t> data{0xEE};
  EXPECT_EQ(ClipboardGetBytes(Format, data), ClipboardHasFormat(Format));
  return data;
}

TEST_P(Clipboard, UnicodeTextComesBackWholeUnderBothTextFormats) {
  const String text = u"Zone \u00C4 \u20AC \U0001F600\r\nline 2";
  ClipboardSetAsText(text);
  EXPECT_EQ(ClipboardAsText(), text);
  EXPECT_TRUE(ClipboardHasFormat(CF_UNICODETEXT));
  EXPECT_TRUE(ClipboardHasFormat(CF_TEXT));
  EXPECT_FALSE(ClipboardHasFormat(Cells));
}

TEST_P(Clipboard, BytesUnderARegisteredNameTravelWithTheTextAndAreReplacedByTheNextCopy) {
  const std::vector<std::uint8_t> bytes{0, 1, 0xFF, 0, 0x80, 7};
  TClipboardData data;
  data.HasText = true;
  data.Text = u"a\tb";
  data.Formats[Cells] = bytes;
  ASSERT_TRUE(ClipboardWrite(data));
  EXPECT_EQ(BytesOf(Cells), bytes);
  EXPECT_EQ(BytesOf(Column), std::vector<std::uint8_t>{0xEE});  // untouched when absent
  EXPECT_EQ(ClipboardAsText(), u"a\tb");

  ClipboardSetAsText(u"plain");
  EXPECT_FALSE(ClipboardHasFormat(Cells));
  EXPECT_EQ(ClipboardAsText(), u"plain");
}

TEST_P(Clipboard, BytesWithoutTextLeaveNoText) {
  TClipboardData data;
  data.Formats[Column] = {};
  ASSERT_TRUE(ClipboardWrite(data));
  EXPECT_TRUE(ClipboardHasFormat(Column));
  EXPECT_TRUE(BytesOf(Column).empty());
  EXPECT_FALSE(ClipboardHasFormat(CF_UNICODETEXT));
  EXPECT_EQ(ClipboardAsText(), u"");
}

TEST_P(Clipboard, ClearedItHoldsNothing) {
  TClipboardData data;
  data.HasText = true;
  data.Text = u"x";
  data.Formats[Cells] = {1};
  ASSERT_TRUE(ClipboardWrite(data));
  ClipboardClear();
  for (UINT format : {CF_TEXT, CF_UNICODETEXT, Cells, Column}) EXPECT_FALSE(ClipboardHasFormat(format)) << format;
  EXPECT_EQ(ClipboardAsText(), u"");
}

TEST_P(Clipboard, AFormatNobodyRegisteredIsRefusedAndTheClipboardKept) {
  ClipboardSetAsText(u"kept");
  for (UINT format : {UINT(CF_UNICODETEXT), UINT(0xBFFF), UINT(0xFFFF)}) {
    TClipboardData data;
    data.HasText = true;
    data.Text = u"lost";
    data.Formats[format] = {1, 2};
    EXPECT_FALSE(ClipboardWrite(data)) << format;
    EXPECT_FALSE(ClipboardHasFormat(0xFFFF));
    std::vector<std::uint8_t> none;
    EXPECT_FALSE(ClipboardGetBytes(0xFFFF, none));
    EXPECT_EQ(ClipboardAsText(), u"kept");
  }
}

INSTANTIATE_TEST_SUITE_P(Services, Clipboard, testing::Values(Kind::Desktop, Kind::Fake),
                         [](const testing::TestParamInfo<Kind>& info) {
                           return info.param == Kind::Desktop ? "Desktop" : "Fake";
                         });
}  // namespace
