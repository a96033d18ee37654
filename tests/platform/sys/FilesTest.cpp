#include <gtest/gtest.h>

#include "platform/sys/Files.h"
#include "tests/support/TempDir.h"

namespace {
String U(const std::filesystem::path& p) { return Utf8ToString(p.string()); }
}  // namespace

TEST(Files, NamePartsTable) {
  struct Case {
    const char16_t *path, *name, *filePath, *dir, *ext;
  };
  const Case cases[] = {
      {u"/a/b/c.lng", u"c.lng", u"/a/b/", u"/a/b", u".lng"},
      {u"c.tar.gz", u"c.tar.gz", u"", u"", u".gz"},
      {u"/a.d/file", u"file", u"/a.d/", u"/a.d", u""},
      {u"/top", u"top", u"/", u"/", u""},
      {u"dir/", u"", u"dir/", u"dir", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtractFileName(c.path), c.name) << StringToUtf8(c.path);
    EXPECT_EQ(ExtractFilePath(c.path), c.filePath) << StringToUtf8(c.path);
    EXPECT_EQ(ExtractFileDir(c.path), c.dir) << StringToUtf8(c.path);
    EXPECT_EQ(ExtractFileExt(c.path), c.ext) << StringToUtf8(c.path);
  }
  EXPECT_EQ(ChangeFileExt(u"/p/x.y/bank", u".bin"), u"/p/x.y/bank.bin");
  EXPECT_EQ(ChangeFileExt(u"a.xml", u".bak"), u"a.bak");
  EXPECT_EQ(IncludeTrailingPathDelimiter(u"/p"), u"/p/");
  EXPECT_EQ(IncludeTrailingPathDelimiter(u"/p/"), u"/p/");
  EXPECT_EQ(ExcludeTrailingPathDelimiter(u"/p/"), u"/p");
  EXPECT_EQ(ExcludeTrailingPathDelimiter(u"/"), u"/");
}

TEST(Files, JoinPutsOneSeparatorBetweenParts) {
  EXPECT_EQ(Join(String(u"/proj"), u"bin", u"bank1.bin"), u"/proj/bin/bank1.bin");
  EXPECT_EQ(Join(String(u"/proj/"), u"/bin"), u"/proj/bin");
  EXPECT_EQ(Join(String(u""), u"x"), u"x");
  EXPECT_EQ(Join(String(u"/"), u"x"), u"/x");
}

TEST(Files, FoldersFindAndAttributes) {
  testsupport::TempDir dir;
  const String root = U(dir.Path());
  const String deep = Join(root, u"a", u"b");
  EXPECT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_FALSE(FileExists(deep));
  EXPECT_FALSE(CreateDir(deep));
  for (const char* f : {"English.lng", "german.LNG", "notes.txt", "x.lng.bak"})
    testsupport::WriteFile(dir / f, "t");
  ForceDirectories(Join(root, u"folder.lng"));
  EXPECT_EQ(FindFiles(root, u"*.lng"), (std::vector<String>{u"English.lng", u"german.LNG"}));
  EXPECT_EQ(FindFiles(root, u"*.lng", fkFolders), std::vector<String>{u"folder.lng"});
  EXPECT_EQ(FindFiles(root, u"?otes.*"), std::vector<String>{u"notes.txt"});
  EXPECT_TRUE(FindFiles(Join(root, u"missing"), u"*").empty());

  const String notes = Join(root, u"notes.txt");
  EXPECT_FALSE(FileIsReadOnly(notes));
  EXPECT_TRUE(FileSetReadOnly(notes, true));
  EXPECT_TRUE(FileIsReadOnly(notes));
  EXPECT_EQ(FileGetAttr(Join(root, u"a")) & faDirectory, faDirectory);
  EXPECT_EQ(FileGetAttr(Join(root, u"none")), -1);

  EXPECT_FALSE(RenameFile(notes, Join(root, u"English.lng")));  // no silent replace
  EXPECT_TRUE(RenameFile(notes, Join(root, u"renamed.txt")));
  EXPECT_TRUE(DeleteFile(Join(root, u"renamed.txt")));
  EXPECT_FALSE(DeleteFile(Join(root, u"a")));  // a folder is not a file
  EXPECT_FALSE(RemoveDir(Join(root, u"a")));   // not empty
  EXPECT_TRUE(RemoveDir(deep));
}

TEST(Files, MaskMatching) {
  EXPECT_TRUE(MatchesMask(u"Bank1.BIN", u"bank?.bin"));
  EXPECT_TRUE(MatchesMask(u"a.b.c", u"*.c"));
  EXPECT_TRUE(MatchesMask(u"abc", u"a*b*c"));
  EXPECT_FALSE(MatchesMask(u"abcd", u"a*c"));
  EXPECT_TRUE(MatchesMask(u"", u"*"));
  EXPECT_FALSE(MatchesMask(u"x.lngx", u"*.lng"));
}

TEST(Files, ProgramDirIsTheExecutablesFolderUnlessOverridden) {
  EXPECT_EQ(ProgramDir(), U(std::filesystem::read_symlink("/proc/self/exe").parent_path()));
  SetProgramDirForTests(u"/tmp/prog/");
  EXPECT_EQ(ProgramDir(), u"/tmp/prog");
  SetProgramDirForTests(u"");
  EXPECT_FALSE(GetTempDir().empty());
}
