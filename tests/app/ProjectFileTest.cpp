#include "app/ProjectFile.h"

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"

namespace {

using testsupport::TempDir;
using testsupport::WriteFile;

String PathOf(const std::filesystem::path& p) { return Utf8ToString(p.string()); }

TEST(ProjectFile, MissingFileGivesEveryDefault) {
  TempDir dir;
  const TProjectFile file(PathOf(dir / "ParGen.xml"));
  EXPECT_FALSE(file.Exists());
  EXPECT_TRUE(file.Root().IsNull());
  EXPECT_EQ(file.Text(u"SNMP_Agent_Name_of_Station", u"devicename1"), u"devicename1");
  EXPECT_EQ(file.Integer(u"SNMP_Agent_IP1", 192), 192);
  EXPECT_FALSE(file.Flag(u"SNMP_Agent_EN_GAT"));
}

// Each element on its own: order, extra elements and a bad neighbour do not matter.
TEST(ProjectFile, EachElementIsReadOnItsOwn) {
  TempDir dir;
  WriteFile(dir / "ParGen.xml",
            "<Par_Gen><Other>x</Other><Num> 5</Num><Bad><x/></Bad><Empty/><Name>abc</Name>"
            "<F1>1</F1><F2>true</F2><F3> 1</F3><F4>0</F4><N2>-12</N2><N3>0x10</N3></Par_Gen>"
            "<!--SW_VERSION = 1.000-->");
  const TProjectFile file(PathOf(dir / "ParGen.xml"));
  ASSERT_TRUE(file.Exists());
  EXPECT_EQ(file.Root().NodeName(), u"Par_Gen");
  EXPECT_EQ(file.Text(u"Name", u"d"), u"abc");
  EXPECT_EQ(file.Text(u"Empty", u"d"), u"");   // present but empty is not missing
  EXPECT_EQ(file.Text(u"Bad", u"d"), u"d");    // unreadable value
  EXPECT_EQ(file.Text(u"Missing", u"d"), u"d");
  EXPECT_EQ(file.Integer(u"Num", 7), 7);       // numbers are not trimmed
  EXPECT_EQ(file.Integer(u"N2", 7), -12);
  EXPECT_EQ(file.Integer(u"N3", 7), 7);
  EXPECT_EQ(file.Integer(u"Bad", 7), 7);
  EXPECT_TRUE(file.Flag(u"F1"));
  EXPECT_FALSE(file.Flag(u"F2"));
  EXPECT_FALSE(file.Flag(u"F3"));
  EXPECT_FALSE(file.Flag(u"F4"));
  EXPECT_FALSE(file.Flag(u"Missing"));
}

// Only the root's direct children count.
TEST(ProjectFile, LooksOnlyAmongTheRootsChildren) {
  TempDir dir;
  WriteFile(dir / "a.xml", "<Root><Inner><Name>deep</Name></Inner></Root>");
  EXPECT_EQ(TProjectFile(PathOf(dir / "a.xml")).Text(u"Name", u"d"), u"d");
}

// Other editors put a declaration, a DOCTYPE, comments or processing
// instructions before the root: the root is the first element all the same.
TEST(ProjectFile, WhatComesBeforeTheRootIsPassedOver) {
  TempDir dir;
  for (const char* Before : {"", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", "<!--first-->",
                             "<?xml version=\"1.0\"?><!DOCTYPE Root [<!ELEMENT Root ANY>]>\n<!-- c --><?pi x?>",
                             "\xEF\xBB\xBF<?xml version=\"1.0\"?>"}) {
    WriteFile(dir / "b.xml", std::string(Before) + "<Root><Name>x</Name></Root><!--SW_VERSION = 1.000-->");
    const TProjectFile file(PathOf(dir / "b.xml"));
    EXPECT_EQ(file.Root().NodeName(), u"Root") << Before;
    EXPECT_EQ(file.Text(u"Name", u"d"), u"x") << Before;
  }
}

// Entities declared in the file are never expanded and no external entity
// is ever read: such a value is unreadable, and its neighbours still count.
TEST(ProjectFile, DeclaredEntitiesAreNotExpanded) {
  TempDir dir;
  WriteFile(dir / "secret.txt", "secret");
  std::string laughs = "<?xml version=\"1.0\"?><!DOCTYPE Root [<!ENTITY lol \"lol\">";
  for (int i = 1; i <= 9; ++i) {
    laughs += "<!ENTITY lol" + std::to_string(i) + " \"";
    for (int k = 0; k < 10; ++k) laughs += "&lol" + (i > 1 ? std::to_string(i - 1) : std::string()) + ";";
    laughs += "\">";
  }
  const struct {
    const char* Why;
    std::string Xml;
  } Cases[] = {
      {"billion laughs", laughs + "]><Root><Name>&lol9;</Name><Other>kept</Other></Root>"},
      {"external entity", "<!DOCTYPE Root [<!ENTITY x SYSTEM \"file://" + (dir / "secret.txt").string() +
                              "\">]><Root><Name>&x;</Name><Other>kept</Other></Root>"},
  };
  for (const auto& C : Cases) {
    WriteFile(dir / "e.xml", C.Xml);
    const TProjectFile file(PathOf(dir / "e.xml"));
    const String Name = file.Text(u"Name", u"d");
    EXPECT_LT(Name.size(), 10u) << C.Why;
    EXPECT_EQ(Name.find(u"secret"), String::npos) << C.Why;
    EXPECT_EQ(file.Text(u"Other", u"d"), u"kept") << C.Why;
  }
}

// Under a project file's name there may be something that is no file of
// ours: it is refused at once (never waiting on a pipe), naming the file.
TEST(ProjectFile, NoRegularFileOrTooLargeRaisesNamingTheFile) {
  TempDir dir;
  for (testsupport::OddFile Kind : testsupport::OddFiles) {
    testsupport::MakeOddFile(dir / "ParGen.xml", Kind);
    const String name = PathOf(dir / "ParGen.xml");
    try {
      TProjectFile file(name);
      ADD_FAILURE() << OddFileName(Kind) << ": no error raised";
    } catch (const EInOutError& e) {
      EXPECT_NE(e.Message().find(u"\"" + name + u"\""), String::npos) << e.what();
      if (Kind == testsupport::OddFile::Oversized) {
        EXPECT_NE(e.Message().find(u"16777217 bytes"), String::npos) << e.what();
      }
    }
  }
}

TEST(ProjectFile, DamagedFileRaisesNamingTheFile) {
  TempDir dir;
  WriteFile(dir / "DALI_Access.xml", "<DALI_Access><DALI_ID_DEVICE_0>1</DALI_ID_DEVICE_0>");
  const String name = PathOf(dir / "DALI_Access.xml");
  try {
    TProjectFile file(name);
    FAIL() << "no error raised";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find(name), String::npos) << e.what();
  }
}

}  // namespace
