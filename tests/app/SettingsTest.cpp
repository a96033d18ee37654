#include <gtest/gtest.h>

#include "app/ProgramState.h"
#include "app/Settings.h"
#include "tests/support/TempDir.h"

namespace {

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() : State(S(Dir.Path().string())) {}

  // Values no file gives, so that a read that keeps them shows.
  void Scramble() {
    State.Project_Name = u"stale";
    State.Last_IP_Address = u"stale";
    State.Language = u"stale";
    State.Enable_Internet = State.Enable_Update = State.Enable_Jump = State.Enable_Auto_Size = true;
  }

  void ExpectDefaults(const char* Why) {
    EXPECT_EQ(State.Project_Name, u"") << Why;
    EXPECT_EQ(State.Last_IP_Address, u"192.168.2.205") << Why;
    EXPECT_EQ(State.Language, u"English") << Why;
    EXPECT_FALSE(State.Enable_Internet || State.Enable_Update || State.Enable_Jump || State.Enable_Auto_Size) << Why;
  }

  void ReadFrom(std::string_view Xml) {
    testsupport::WriteFile(Dir / "Corvan.xml", Xml);
    Scramble();
    Load_Setting(State);
  }

  testsupport::TempProgramDir Dir;
  TProgramState State;
};

constexpr const char* FullFile =
    "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj>"
    "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd><lastlang><language>Italiano</language></lastlang>"
    "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
    "<enable_jump_field_tables>1</enable_jump_field_tables><Double_Click_Auto_Size>1</Double_Click_Auto_Size>"
    "</lastinternet></Conf_Settings>";

TEST_F(SettingsTest, MissingFileGivesDefaults) {
  Scramble();
  Load_Setting(State);
  ExpectDefaults("missing file");
}

TEST_F(SettingsTest, AFileWithoutGroupsGivesDefaults) {
  ReadFrom("<Conf_Settings/>");
  ExpectDefaults("no groups");
}

TEST_F(SettingsTest, WhatComesBeforeTheRootIsPassedOver) {
  for (const char* Before : {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", "<!-- settings -->", "<!DOCTYPE x><?pi?>"}) {
    ReadFrom(Before + std::string(FullFile));
    EXPECT_EQ(State.Project_Name, u"Plant A") << Before;
    EXPECT_TRUE(State.Enable_Auto_Size) << Before;
  }
}

// A file that cannot serve goes aside, whole, before anything could
// overwrite it; the error names both files and the defaults stand.
TEST_F(SettingsTest, FilesThatCannotServeAreKeptAsideAndRaise) {
  const std::string Full = FullFile;
  const struct {
    const char* Why;
    std::string Xml;
    const char* Aside;
  } Cases[] = {
      {"not well-formed", "<Conf_Settings><lastproj><projectname>x</lastproj>", "Corvan.xml.bad"},
      {"empty file", "", "Corvan.xml.1.bad"},
      {"groups one level too deep", "<x>" + Full + "</x>", "Corvan.xml.2.bad"},
  };
  for (const auto& C : Cases) {
    testsupport::WriteFile(Dir / "Corvan.xml", C.Xml);
    Scramble();
    try {
      Load_Setting(State);
      ADD_FAILURE() << C.Why << ": no error";
    } catch (const EInOutError& E) {
      EXPECT_NE(E.Message().find(S((Dir / C.Aside).string())), String::npos) << C.Why << ": " << E.what();
    }
    ExpectDefaults(C.Why);
    EXPECT_FALSE(std::filesystem::exists(Dir / "Corvan.xml")) << C.Why;
    EXPECT_EQ(testsupport::ReadFile(Dir / C.Aside), C.Xml) << C.Why;
  }
}

TEST_F(SettingsTest, AnyRootNameAndEachValueOnItsOwn) {
  ReadFrom(
      "<Other><lastproj><projectname>  spaced  </projectname></lastproj>"
      "<lastlang><language><b>bold</b></language></lastlang>"
      "<lastinternet><enable_internet>1</enable_internet></lastinternet></Other>");
  EXPECT_EQ(State.Project_Name, u"  spaced  ");  // verbatim
  EXPECT_EQ(State.Last_IP_Address, u"192.168.2.205");  // group missing
  EXPECT_EQ(State.Language, u"English");  // element holds more than text
  EXPECT_TRUE(State.Enable_Internet);
  EXPECT_FALSE(State.Enable_Update);  // element missing
}

TEST_F(SettingsTest, FlagsAreOnOnlyForTheTextOne) {
  for (const char* Text : {"0", "true", " 1", "1 ", "01", "+1", "", "yes"}) {
    ReadFrom(std::string("<s><lastinternet><enable_internet>") + Text + "</enable_internet></lastinternet></s>");
    EXPECT_FALSE(State.Enable_Internet) << "'" << Text << "'";
  }
}

TEST_F(SettingsTest, WriteThenReadReproducesTheValues) {
  const struct {
    String Name, Ip, Language;
    bool Internet, Update, Jump, AutoSize;
  } Cases[] = {
      {u"My Plant <1> & \"2\"", u"192.168.0.10", u"Fran\u00E7ais", true, false, true, false},
      {u"", u"", u"\u65E5\u672C\u8A9E", false, true, false, true},
  };
  for (const auto& C : Cases) {
    State.Project_Name = C.Name;
    State.Last_IP_Address = C.Ip;
    State.Language = C.Language;
    State.Enable_Internet = C.Internet;
    State.Enable_Update = C.Update;
    State.Enable_Jump = C.Jump;
    State.Enable_Auto_Size = C.AutoSize;
    Save_Setting(State);
    Scramble();
    Load_Setting(State);
    EXPECT_EQ(State.Project_Name, C.Name);
    EXPECT_EQ(State.Last_IP_Address, C.Ip);
    EXPECT_EQ(State.Language, C.Language);
    EXPECT_EQ(State.Enable_Internet, C.Internet);
    EXPECT_EQ(State.Enable_Update, C.Update);
    EXPECT_EQ(State.Enable_Jump, C.Jump);
    EXPECT_EQ(State.Enable_Auto_Size, C.AutoSize);
  }
}

TEST_F(SettingsTest, WrittenFileHasTheElementsInOrderWithoutDeclaration) {
  ReadFrom(FullFile);
  State.Project_Name = u"Plant A";
  Save_Setting(State);
  const std::string Written = testsupport::ReadFile(Dir / "Corvan.xml");
  EXPECT_EQ(Written.substr(0, Written.find_last_not_of("\r\n") + 1), FullFile);
}

TEST_F(SettingsTest, UnwritableFolderRaises) {
  TProgramState Elsewhere(S((Dir / "missing" / "folder").string()));
  EXPECT_THROW(Save_Setting(Elsewhere), EInOutError);
}

}  // namespace
