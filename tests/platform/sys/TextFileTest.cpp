#include <gtest/gtest.h>

#include "platform/sys/Strings.h"
#include "platform/sys/TextFile.h"
#include "tests/support/TempDir.h"

TEST(TextFile, ByteOrderMarkSelectsEncodingElseWindows1252) {
  struct Case {
    std::string bytes;
    String text;
  };
  const Case cases[] = {
      {"\xEF\xBB\xBF" "caf\xC3\xA9", u"café"},
      {std::string("\xFF\xFE" "c\0\xE9\0\xAC\x20", 8), u"cé€"},
      {std::string("\xFE\xFF\0c\0\xE9", 6), u"cé"},
      {"caf\xE9 \x80", u"café €"},  // no mark: Windows-1252
      {"", u""},
  };
  testsupport::TempDir dir;
  for (const Case& c : cases) {
    testsupport::WriteFile(dir / "t.txt", c.bytes);
    EXPECT_EQ(ReadTextFile(Utf8ToString((dir / "t.txt").string())), c.text);
  }
}

TEST(TextFile, WritingEachEncodingReadsBack) {
  testsupport::TempDir dir;
  const String file = Utf8ToString((dir / "w.txt").string());
  for (TTextEncoding e : {teUtf8Bom, teUtf16LE}) {
    WriteTextFile(file, u"Ä€\r\nz", e);
    EXPECT_EQ(ReadTextFile(file), u"Ä€\r\nz");
  }
  WriteTextFile(file, u"Ä€ж", teAnsi);
  EXPECT_EQ(testsupport::ReadFile(dir / "w.txt"), "\xC4\x80?");
  WriteTextFile(file, u"é", teUtf8);
  EXPECT_EQ(testsupport::ReadFile(dir / "w.txt"), "\xC3\xA9");
}

TEST(TextFile, StringListFileEndsEveryLineWithCrLf) {
  testsupport::TempDir dir;
  const String file = Utf8ToString((dir / "lines.txt").string());
  testsupport::WriteFile(dir / "lines.txt", "one\rtwo\ncaf\xE9\r\n");
  TStringList l;
  l.LoadFromFile(file);
  ASSERT_EQ(l.Count(), 3);
  EXPECT_EQ(l.Strings(2), u"café");
  l.SaveToFile(file);
  EXPECT_EQ(testsupport::ReadFile(dir / "lines.txt"), "one\r\ntwo\r\ncaf\xE9\r\n");
}
