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
      {std::string("\xFF\xFE" "c\0x", 5), u"c\uFFFD"},  // an odd last byte is shown, not dropped
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

// 8-bit text that begins like a byte-order mark must not read back as
// UTF-16 or UTF-8; files of a fixed encoding still get the exact bytes.
TEST(TextFile, StringListWhoseBytesWouldPassForAMarkReadsBackWhole) {
  testsupport::TempDir dir;
  const String file = Utf8ToString((dir / "m.txt").string());
  struct Case {
    const char16_t* first;
    TTextEncoding encoding;
  };
  for (const Case& c : {Case{u"ÿþ", teAnsi}, Case{u"þÿ", teAnsi}, Case{u"ï»¿", teAnsi}, Case{u"\uFEFF", teUtf8}}) {
    TStringList l;
    l.Add(String(c.first) + u"abc");
    l.Add(u"second");
    l.SaveToFile(file, c.encoding);
    TStringList back;
    back.LoadFromFile(file);
    EXPECT_EQ(back.Text(), l.Text()) << StringToUtf8(c.first);
  }
  WriteTextFile(file, u"ÿþ", teAnsi);
  EXPECT_EQ(testsupport::ReadFile(dir / "m.txt"), "\xFF\xFE");
  TStringList plain;
  plain.Add(u"café");
  plain.SaveToFile(file);
  EXPECT_EQ(testsupport::ReadFile(dir / "m.txt"), "caf\xE9\r\n");
}
