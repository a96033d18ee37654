#include <gtest/gtest.h>

#include "platform/sys/IniFiles.h"
#include "platform/sys/Strings.h"
#include "platform/sys/TextFile.h"
#include "tests/support/TempDir.h"

namespace {

String PathOf(const testsupport::TempDir& dir, const char* name) {
  return Utf8ToString((dir / name).string());
}

TEST(IniFiles, ReadsSectionsAndNamesWithoutCaseAndKeepsOtherLines) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "a.ini",
                         "; head\r\n[Grid]\r\n CP0 = 2 \r\nName=caf\xE9\r\nBad=1x\r\n"
                         "junk line\r\n[Other]\r\nOn=1\r\n");
  TMemIniFile ini(PathOf(dir, "a.ini"));
  EXPECT_EQ(ini.ReadInteger(u"grid", u"cp0", -1), 2);
  EXPECT_EQ(ini.ReadString(u"Grid", u"Name", u""), u"café");
  EXPECT_EQ(ini.ReadInteger(u"Grid", u"Bad", -1), -1);
  EXPECT_EQ(ini.ReadInteger(u"Grid", u"Missing", 7), 7);
  EXPECT_TRUE(ini.ReadBool(u"Other", u"On", false));
  EXPECT_TRUE(ini.SectionExists(u"OTHER"));
  EXPECT_FALSE(ini.SectionExists(u"None"));

  ini.WriteInteger(u"Grid", u"cp0", 5);
  ini.EraseSection(u"Other");
  ini.UpdateFile();
  EXPECT_EQ(testsupport::ReadFile(dir / "a.ini"),
            "; head\r\n[Grid]\r\nCP0=5\r\nName=caf\xE9\r\nBad=1x\r\njunk line\r\n");
}

TEST(IniFiles, MemFileWritesOnUpdateOnlyWhileIniFileWritesAtOnce) {
  testsupport::TempDir dir;
  TMemIniFile mem(PathOf(dir, "m.ini"));
  mem.WriteString(u"S", u"K", u"€");
  mem.WriteBool(u"S", u"B", false);
  EXPECT_FALSE(std::filesystem::exists(dir / "m.ini"));
  mem.UpdateFile();
  EXPECT_EQ(testsupport::ReadFile(dir / "m.ini"), "[S]\r\nK=\x80\r\nB=0\r\n");

  {
    TIniFile ini(PathOf(dir, "i.ini"));
    ini.WriteInteger(u"S", u"N", -3);
  }
  TIniFile again(PathOf(dir, "i.ini"));
  EXPECT_EQ(again.ReadInteger(u"S", u"N", 0), -3);
}

// A section named "" is a section of its own ("[]" in the file), not the
// lines before the first section: what is written there reads back, instead
// of landing in the section above it and piling up with every save.
TEST(IniFiles, TheSectionWithoutANameIsASectionOfItsOwn) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "e.ini", "; head\r\n[Grid]\r\nA=1\r\n");
  for (int round = 0; round < 2; ++round) {
    TMemIniFile ini(PathOf(dir, "e.ini"));
    ini.WriteInteger(u"", u"CP0", round);
    ini.WriteInteger(u"", u"CP1", 5);
    ini.UpdateFile();
  }
  TMemIniFile ini(PathOf(dir, "e.ini"));
  EXPECT_EQ(ini.ReadInteger(u"", u"CP0", -1), 1);
  EXPECT_EQ(ini.ReadInteger(u"Grid", u"CP0", -1), -1);
  EXPECT_EQ(testsupport::ReadFile(dir / "e.ini"), "; head\r\n[Grid]\r\nA=1\r\n[]\r\nCP0=1\r\nCP1=5\r\n");
}

// A head line read from a UTF-8 file can begin with "ÿþ": written back as
// plain 8-bit text it would read as UTF-16 and every value would be gone.
TEST(IniFiles, RewrittenFileWhoseTextBeginsLikeAMarkKeepsItsValues) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "b.ini", "\xEF\xBB\xBF\xC3\xBF\xC3\xBE note\r\n[S]\r\nA=caf\xC3\xA9\r\n");
  {
    TMemIniFile ini(PathOf(dir, "b.ini"));
    ini.WriteString(u"S", u"B", u"2");
    ini.UpdateFile();
  }
  TMemIniFile ini(PathOf(dir, "b.ini"));
  EXPECT_EQ(ini.ReadString(u"S", u"A", u""), u"café");
  EXPECT_EQ(ini.ReadString(u"S", u"B", u""), u"2");
  EXPECT_EQ(ReadTextFile(PathOf(dir, "b.ini")), u"ÿþ note\r\n[S]\r\nA=café\r\nB=2\r\n");
}

}  // namespace
