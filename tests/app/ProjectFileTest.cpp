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

// Only the root's direct children count, and the root is the first node.
TEST(ProjectFile, LooksOnlyAmongTheFirstNodesChildren) {
  TempDir dir;
  WriteFile(dir / "a.xml", "<Root><Inner><Name>deep</Name></Inner></Root>");
  EXPECT_EQ(TProjectFile(PathOf(dir / "a.xml")).Text(u"Name", u"d"), u"d");
  WriteFile(dir / "b.xml", "<!--first--><Root><Name>x</Name></Root>");
  EXPECT_EQ(TProjectFile(PathOf(dir / "b.xml")).Text(u"Name", u"d"), u"d");
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
