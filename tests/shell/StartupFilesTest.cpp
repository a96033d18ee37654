// Start-up with a settings file or a language file the program cannot use:
// one box naming the file, the program starts, and nothing is lost.
#include <gtest/gtest.h>

#include "app/DefaultTexts.h"
#include "app/Settings.h"
#include "platform/sys/SysUtils.h"
#include "tests/app/ProgramFixture.h"

namespace {
using testsupport::OddFile;
using testsupport::ProgramFixture;
using testsupport::ReadFile;
using testsupport::WriteFile;

const std::string Settings =
    "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj>"
    "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd><lastlang><language>Italiano</language></lastlang>"
    "<lastinternet><enable_jump_field_tables>1</enable_jump_field_tables></lastinternet></Conf_Settings>";

// What a user's start-up shows: the one box's text, or "" when none.
String Start(ProgramFixture& P) {
  P.Start();
  EXPECT_TRUE(P.Main->Visible());
  EXPECT_LE(P.Boxes.Boxes().size(), 1u);
  if (P.Boxes.Boxes().empty()) return String();
  EXPECT_EQ(P.Boxes.Boxes()[0].Kind, mtError);
  return P.Boxes.Boxes()[0].Text;
}

TEST(StartupFiles, SettingsWrittenByAnotherEditorAreRead) {
  ProgramFixture P(false);
  std::filesystem::create_directories(P.Project("Plant"));
  WriteFile(P.Dir / "Corvan.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE Conf_Settings>\n"
                                  "<!-- saved by hand -->\n<?editor keep?>\n" + Settings + "\n");
  EXPECT_EQ(Start(P), u"");
  EXPECT_TRUE(P.State->Project_Open());
  EXPECT_EQ(P.State->Last_IP_Address, u"10.0.0.7");
  EXPECT_TRUE(P.State->Enable_Jump);
}

TEST(StartupFiles, SettingsThatCannotBeUsedAreKeptAsideAndNamedOnce) {
  const struct {
    const char* Why;
    std::string Bytes;
  } Cases[] = {
      {"not well-formed", Settings.substr(0, Settings.size() - 3)},
      {"a byte that is not UTF-8", "<Conf_Settings><lastproj><projectname>Pl\xE4nt</projectname></lastproj></Conf_Settings>"},
      {"someone else's file", "<html><body>not settings</body></html>"},
      {"empty", ""},
  };
  for (const auto& C : Cases) {
    ProgramFixture P(false);
    WriteFile(P.Dir / "Corvan.xml", C.Bytes);
    const String Box = Start(P);
    EXPECT_TRUE(Box.find(u"Corvan.xml.bad") != String::npos && Box.find(S((P.Dir / "Corvan.xml").string())) != String::npos)
        << C.Why << ": " << StringToUtf8(Box);
    EXPECT_EQ(P.State->Last_IP_Address, u"192.168.2.205") << C.Why;
    P.Stop();
    EXPECT_EQ(ReadFile(P.Dir / "Corvan.xml.bad"), C.Bytes) << C.Why;
    EXPECT_NE(ReadFile(P.Dir / "Corvan.xml").find("<Conf_Settings>"), std::string::npos) << C.Why;
  }
}

TEST(StartupFiles, SettingsThatAreNoRegularFileOrTooLargeAreRefusedUnreadAndKept) {
  for (OddFile Kind : testsupport::OddFiles) {
    ProgramFixture P(false);
    testsupport::MakeOddFile(P.Dir / "Corvan.xml", Kind);
    const auto Size = Kind == OddFile::Oversized ? std::filesystem::file_size(P.Dir / "Corvan.xml") : 0;
    const String Box = Start(P);
    EXPECT_NE(Box.find(u"Corvan.xml.bad"), String::npos) << OddFileName(Kind) << ": " << StringToUtf8(Box);
    if (Kind == OddFile::Oversized) {
      EXPECT_NE(Box.find(IntToStr(static_cast<int>(Size))), String::npos) << StringToUtf8(Box);
    }
    P.Stop();
    EXPECT_EQ(std::filesystem::status(P.Dir / "Corvan.xml.bad").type(),
              Kind == OddFile::Fifo     ? std::filesystem::file_type::fifo
              : Kind == OddFile::Folder ? std::filesystem::file_type::directory
                                        : std::filesystem::file_type::regular)
        << OddFileName(Kind);
    if (Kind == OddFile::Oversized) {
      EXPECT_EQ(std::filesystem::file_size(P.Dir / "Corvan.xml.bad"), Size);
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(P.Dir / "Corvan.xml")) << OddFileName(Kind);
  }
}

TEST(StartupFiles, ALanguageFileThatCannotBeReadShowsItsErrorAndTheBuiltInTextsServe) {
  for (OddFile Kind : testsupport::OddFiles) {
    ProgramFixture P(false);
    WriteFile(P.Dir / "Corvan.xml", Settings);
    testsupport::MakeOddFile(P.Dir.Language() / "Italiano.lng", Kind);
    WriteFile(P.Dir.Language() / "English.lng", "STR0 = not the built-in text");
    const String Box = Start(P);
    EXPECT_NE(Box.find(S((P.Dir.Language() / "Italiano.lng").string())), String::npos)
        << OddFileName(Kind) << ": " << StringToUtf8(Box);
    EXPECT_EQ(P.Main->L_Begin->Caption(), Default_Texts()[0]) << OddFileName(Kind);
    EXPECT_EQ(P.State->Language, u"English");
    EXPECT_EQ(P.State->Last_IP_Address, u"10.0.0.7");  // the settings were read all the same
  }
}

TEST(StartupFiles, ALanguageNameThatLeadsOutOfTheLanguageFolderIsNotUsed) {
  for (const char* Name : {"../outside/evil", "/tmp/evil", "..", "sub/evil"}) {
    ProgramFixture P(false);
    WriteFile(P.Dir / "outside" / "evil.lng", "STR0 = evil");
    WriteFile(P.Dir.Language() / "sub" / "evil.lng", "STR0 = evil");
    WriteFile(P.Dir / "Corvan.xml",
              std::string("<Conf_Settings><lastlang><language>") + Name + "</language></lastlang></Conf_Settings>");
    EXPECT_EQ(Start(P), u"") << Name;
    EXPECT_EQ(P.Main->L_Begin->Caption(), Default_Texts()[0]) << Name;
    EXPECT_EQ(P.State->Language, u"English") << Name;
  }
}

}  // namespace
