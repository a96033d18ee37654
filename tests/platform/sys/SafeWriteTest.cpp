#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>

#include "platform/sys/Exceptions.h"
#include "platform/sys/Files.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/Streams.h"
#include "tests/support/TempDir.h"

namespace {

struct SafeWriteFixture : ::testing::Test {
  SafeWriteFixture() {
    testsupport::WriteFile(dir / "Corvan.xml", kOld);
    ::chmod((dir / "Corvan.xml").c_str(), 0640);
  }
  ~SafeWriteFixture() override { SetSafeWriteFaultForTests(nullptr); }
  String Target() const { return Utf8ToString((dir / "Corvan.xml").string()); }
  // Only the target is left in the folder: no temporary survives.
  std::vector<String> Names() const { return FindFiles(Utf8ToString(dir.Path().string()), u"*"); }

  static constexpr std::string_view kOld{"<old>\r\n\0bytes</old>", 19};
  testsupport::TempDir dir;
};

}  // namespace

TEST_F(SafeWriteFixture, ReplacesTheFileKeepingItsMode) {
  SafeWriteFile(Target(), "new content");
  EXPECT_EQ(testsupport::ReadFile(dir / "Corvan.xml"), "new content");
  struct stat st {};
  ::stat((dir / "Corvan.xml").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(Names(), std::vector<String>{u"Corvan.xml"});
}

TEST_F(SafeWriteFixture, EachFailingStepLeavesTheOldFileWholeAndNamesFileAndReason) {
  struct Case {
    const char* step;
    int err;
  };
  for (const Case& c : {Case{"create", EACCES}, Case{"write", ENOSPC}, Case{"sync", EIO}, Case{"rename", EXDEV}}) {
    SetSafeWriteFaultForTests([&](std::string_view step) { return step == c.step ? c.err : 0; });
    try {
      SafeWriteFile(Target(), std::string(5000, 'x'));
      ADD_FAILURE() << c.step;
    } catch (const EInOutError& e) {
      EXPECT_EQ(e.Message(), u"Cannot write file \"" + Target() + u"\". " + Utf8ToString(strerror(c.err)));
    }
    EXPECT_EQ(testsupport::ReadFile(dir / "Corvan.xml"), kOld) << c.step;
    EXPECT_EQ(Names(), std::vector<String>{u"Corvan.xml"}) << c.step;
  }
}

TEST_F(SafeWriteFixture, RealFailuresRaiseWithoutTouchingAnything) {
  const String inMissingFolder = Join(Utf8ToString(dir.Path().string()), u"missing", u"x.xml");
  EXPECT_THROW(SafeWriteFile(inMissingFolder, "x"), EInOutError);
  ForceDirectories(Join(Utf8ToString(dir.Path().string()), u"folder"));
  try {
    SafeWriteFile(Join(Utf8ToString(dir.Path().string()), u"folder"), "x");
    FAIL();
  } catch (const EInOutError& e) {
    EXPECT_NE(e.Message().find(u"Is a directory"), String::npos);
  }
  // A pipe (or a device such as /dev/full) stays what it is: no plain file is renamed over it.
  ::mkfifo((dir / "pipe").c_str(), 0666);
  try {
    SafeWriteFile(Join(Utf8ToString(dir.Path().string()), u"pipe"), "x");
    FAIL();
  } catch (const EInOutError& e) {
    EXPECT_NE(e.Message().find(u"Not a regular file"), String::npos);
  }
  struct stat st {};
  ::stat((dir / "pipe").c_str(), &st);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_EQ(testsupport::ReadFile(dir / "Corvan.xml"), kOld);
}

// The temporary beside it must not push a name of the longest length allowed over the limit.
TEST_F(SafeWriteFixture, ATargetNameOfTheLongestLengthAllowedIsWritten) {
  String Longest;
  for (int i = 0; i < 127; ++i) Longest += u"\u00e9";  // 254 bytes in UTF-8
  SafeWriteFile(Join(Utf8ToString(dir.Path().string()), Longest), "whole");
  EXPECT_EQ(testsupport::ReadFile(dir / StringToUtf8(Longest)), "whole");
  EXPECT_EQ(Names().size(), 2u);
}

TEST_F(SafeWriteFixture, StreamWriterThatRaisesWritesNothing) {
  EXPECT_THROW(SafeWriteStream(Target(),
                               [](TStream& out) {
                                 out.WriteBytes("half");
                                 throw EAbort();
                               }),
               EAbort);
  EXPECT_EQ(testsupport::ReadFile(dir / "Corvan.xml"), kOld);
  SafeWriteStream(Target(), [](TStream& out) { out.WriteBytes("whole"); });
  EXPECT_EQ(testsupport::ReadFile(dir / "Corvan.xml"), "whole");
}

// When every temporary name is taken the writer gives up, and the files that
// hold those names (someone else's) all stay.
TEST_F(SafeWriteFixture, TakenTemporaryNamesAreNotDeleted) {
  // The name of the temporary in use shows the counter the next names follow.
  std::string inUse;
  SetSafeWriteFaultForTests([&](std::string_view step) {
    for (const String& name : Names())
      if (name != u"Corvan.xml") inUse = StringToUtf8(name);
    return step == "write" ? EIO : 0;
  });
  EXPECT_THROW(SafeWriteFile(Target(), "x"), EInOutError);
  SetSafeWriteFaultForTests(nullptr);
  const std::string suffix = ".tmp";
  ASSERT_TRUE(inUse.ends_with(suffix)) << inUse;
  const std::string stem = inUse.substr(0, inUse.size() - suffix.size());
  const std::string prefix = stem.substr(0, stem.rfind('.') + 1);
  const unsigned next = static_cast<unsigned>(std::stoul(stem.substr(prefix.size()))) + 1;
  for (unsigned k = next; k < next + 100; ++k) testsupport::WriteFile(dir / (prefix + std::to_string(k) + suffix), "theirs");
  try {
    SafeWriteFile(Target(), "x");
    FAIL();
  } catch (const EInOutError& e) {
    EXPECT_NE(e.Message().find(Utf8ToString(strerror(EEXIST))), String::npos) << e.what();
  }
  for (unsigned k = next; k < next + 100; ++k)
    EXPECT_EQ(testsupport::ReadFile(dir / (prefix + std::to_string(k) + suffix)), "theirs") << k;
  EXPECT_EQ(testsupport::ReadFile(dir / "Corvan.xml"), kOld);
}

// A writer killed mid-write leaves its temporary; the next write of that
// file removes it when its process is gone, and nothing else.
TEST_F(SafeWriteFixture, TemporariesOfAWriterThatIsGoneGoWithTheNextWrite) {
  const std::string gone = std::to_string(testsupport::GonePid());
  const std::string stale = ".Corvan.xml." + gone + ".12.tmp";
  const std::string others[] = {".Corvan.xml.1.12.tmp", ".Corvan.xml." + gone + ".12.tmp.keep",
                                ".Corvan.xm." + gone + ".1.tmp", ".Corvan.xml.-" + gone + ".1.tmp"};
  testsupport::WriteFile(dir / stale, "half");
  for (const auto& name : others) testsupport::WriteFile(dir / name, "theirs");
  SafeWriteFile(Target(), "new");
  EXPECT_FALSE(std::filesystem::exists(dir / stale));
  for (const auto& name : others) EXPECT_EQ(testsupport::ReadFile(dir / name), "theirs") << name;
  EXPECT_EQ(testsupport::ReadFile(dir / "Corvan.xml"), "new");
}
