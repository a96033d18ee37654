#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "app/DefaultTexts.h"
#include "app/Language.h"
#include "app/ProgramState.h"
#include "tests/support/TempDir.h"

namespace {

String Path(const std::filesystem::path& P) { return S(P.string()); }

// UTF-16 bytes with their byte-order mark.
std::string Utf16(StringView Text, bool BigEndian) {
  std::string Out = BigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (Char C : Text) {
    const char Hi = static_cast<char>(C >> 8), Lo = static_cast<char>(C & 0xFF);
    Out += BigEndian ? std::string{Hi, Lo} : std::string{Lo, Hi};
  }
  return Out;
}

class LanguageTest : public ::testing::Test {
 protected:
  LanguageTest() : State(Path(Dir.Path())) { Load_Default_Texts(State); }

  // Entries that differ from the defaults.
  std::map<int, String> Changes() const {
    std::map<int, String> Result;
    for (int I = 0; I < State.Texts.Count(); ++I)
      if (State.Texts.Strings(I) != Default_Texts()[static_cast<size_t>(I)]) Result[I] = State.Texts.Strings(I);
    return Result;
  }

  void WriteLanguage(const std::string& Name, std::string_view Bytes) {
    testsupport::WriteFile(Dir.Language() / (Name + ".lng"), Bytes);
  }

  testsupport::TempProgramDir Dir;
  TProgramState State;
};

// "index "text"; index "text"; ..." as the reference table is written.
std::map<int, String> ReadReferenceTable(const std::string& FileName) {
  std::ifstream In(FileName, std::ios::binary);
  std::stringstream Buffer;
  Buffer << In.rdbuf();
  const std::string All = Buffer.str();
  std::map<int, String> Result;
  size_t P = 0;
  while ((P = All.find_first_of("0123456789", P)) != std::string::npos) {
    const size_t Open = All.find('"', P);
    const size_t Close = All.find_first_of(";.\n", All.find('"', Open + 1));
    const size_t End = All.rfind('"', Close);
    Result[std::stoi(All.substr(P, Open - P))] = S(All.substr(Open + 1, End - Open - 1));
    P = Close + 1;
  }
  return Result;
}

TEST(DefaultTextsTest, TableIsCompleteWithBlanksWhereNoTextIsGiven) {
  const auto& T = Default_Texts();
  ASSERT_EQ(T.size(), 2000u);
  int NonBlank = 0;
  for (const String& Text : T) NonBlank += Text != u" ";
  EXPECT_EQ(NonBlank, 961);  // 960 of the table and the overwrite question
  EXPECT_EQ(T[1999], u" ");
  EXPECT_EQ(T[905], u"File already exists! Do you want to overwrite the file?");
  EXPECT_EQ(T[504], u"Error BACnet!! BACnet Device Name is not correct (allowed characters are 'a'..'z', 'A'..'Z' and '0'..'9')");
  EXPECT_EQ(T[1976], u"!! [SNMP Read] Community Name is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and \"0\"..\"9\")");
  EXPECT_EQ(T[756].back(), u';');
  EXPECT_EQ(T[751], u"Num Byte In   :");
  EXPECT_EQ(T[404], u" Modbus TCP Slave ");
  EXPECT_EQ(T[422], u"Error Modbus TCP Slave!! GATEWAY IP 4 must be between 0 and 255");
  EXPECT_EQ(T[673], u"DALI ID Device 63");
  EXPECT_EQ(T[680], u"Select/Unselect the DALI ID Device 0 from the Network");
  EXPECT_EQ(T[783], u"DALI Group 16");
  EXPECT_EQ(T[1837], u"Error SNMP Agent!! GATEWAY IP 4 must be between 0 and 255");
}

TEST(DefaultTextsTest, WindowTextsMatchTheReferenceTable) {
  const auto Reference = ReadReferenceTable(GX_TEST_DATA "/texts/WindowTexts.txt");
  ASSERT_EQ(Reference.size(), 33u + 11u + 8u + 22u);
  for (const auto& [Index, Text] : Reference)
    EXPECT_EQ(Default_Texts()[static_cast<size_t>(Index)], Text) << "entry " << Index;
  for (int Block : {0, 100, 200, 300}) EXPECT_TRUE(Reference.count(Block)) << Block;
}

TEST(DefaultTextsTest, MalformedDataLinesAreRejected) {
  for (const char* Bad : {"x\tText", "2000\tText", "-1\tText", "Text", "\tText", "5\ta\n5\tb"})
    EXPECT_THROW(Parse_Default_Texts(Bad), Exception) << Bad;
  const auto T = Parse_Default_Texts("3\t  two blanks  \r\n7\ta\tb\n");
  EXPECT_EQ(T[3], u"  two blanks  ");
  EXPECT_EQ(T[7], u"a\tb");
  EXPECT_EQ(T[0], u" ");
}

TEST_F(LanguageTest, LoadDefaultTextsReplacesTheWholeTable) {
  State.Texts.SetStrings(0, u"changed");
  State.Texts.Add(u"extra");
  Load_Default_Texts(State);
  EXPECT_EQ(State.Texts.Count(), 2000);
  EXPECT_EQ(State.Text_Count, 2000);
  EXPECT_TRUE(Changes().empty());
  EXPECT_EQ(State.Text(15), u"New Configuration");
}

struct LineCase {
  const char* Line;  // UTF-8
  std::map<int, String> Expected;
};

TEST_F(LanguageTest, LineGrammar) {
  const LineCase Cases[] = {
      {"STR15 = New step", {{15, u"New step"}}},
      {"STR0015 = x", {{15, u"x"}}},
      {"STR15= x", {{15, u"x"}}},  // the character before "=" may be a digit
      {"STR5=x", {{5, u"x"}}},
      {"STR 15 = x", {{15, u"x"}}},
      {"  \tSTR15 = x \t", {{15, u"x"}}},
      {"STR+15 = x", {{15, u"x"}}},
      {"STR0 = first", {{0, u"first"}}},
      {"STR1999 = last", {{1999, u"last"}}},
      {"STR2000 = x", {}},
      {"STR-1 = x", {}},
      {"str15 = x", {}},
      {"Str15 = x", {}},
      {"STR1 5 = x", {}},
      {"STRx = x", {}},
      {"STR = x", {}},
      {"STR=x", {}},
      {"STR15 x", {}},
      {"STR15 =", {}},
      {"STR15 =   ", {}},
      {"/#/ STR15 = x", {}},
      {"", {}},
      {"STR15 = a = b", {{15, u"a = b"}}},
      {"STR15 = x /#/ note", {{15, u"x"}}},
      {"STR15 = /#/ remark only", {}},
      {"STR20 =  \u00B6  Open  \u00B6 /#/ note", {{20, u"  Open  "}}},
      {"STR20 = \u00B6\u00B6", {{20, u""}}},
      {"STR20 = \u00B6", {{20, u""}}},
      {"STR20 = \u00B6x", {{20, u"x"}}},
      {"STR20 = a\u00B6b", {{20, u"a"}}},
      {"STR20 = a/#b", {{20, u"a/#b"}}},
  };
  for (const LineCase& C : Cases) {
    Load_Default_Texts(State);
    Apply_Language_Line(State.Texts, State.Text_Count, S(C.Line));
    EXPECT_EQ(Changes(), C.Expected) << C.Line;
  }
}

TEST_F(LanguageTest, FileEncodingsAndLineEnds) {
  struct Case {
    std::string Bytes;
    String Expected15, Expected16;
  } Cases[] = {
      {"STR15 = Nouvelle \xE9tape\r\nSTR16 = \xB6 Caf\xE9 \x80 \xB6\r\n", u"Nouvelle \u00E9tape", u" Caf\u00E9 \u20AC "},
      {"\xEF\xBB\xBFSTR15 = \xC3\x9C" "bersicht\nSTR16 = \xC2\xB6 x \xC2\xB6\n", u"\u00DCbersicht", u" x "},
      {Utf16(u"STR15=\u0441\r\nSTR16=y", false), u"\u0441", u"y"},
      {Utf16(u"STR15=\u0441\nSTR16=\u00B6 y\u00B6", true), u"\u0441", u" y"},
      {"STR15 = a\rSTR16 = b\r\n\nSTR16 = c", u"a", u"c"},  // mixed line ends; the later line wins
  };
  for (const Case& C : Cases) {
    WriteLanguage("Test", C.Bytes);
    Load_Default_Texts(State);
    Load_Language_File(State, Path(Dir.Language() / "Test.lng"));
    EXPECT_EQ(State.Text(15), C.Expected15);
    EXPECT_EQ(State.Text(16), C.Expected16);
    EXPECT_EQ(Changes().size(), 2u);
  }
}

TEST_F(LanguageTest, LoadLanguageStartsFromTheDefaults) {
  WriteLanguage("Italiano", "STR15 = Nuova Configurazione\r\n");
  State.Texts.SetStrings(16, u"left from before");
  State.Language = u"Italiano";
  Load_Language(State);
  EXPECT_EQ(State.Language, u"Italiano");
  EXPECT_EQ(Changes(), (std::map<int, String>{{15, u"Nuova Configurazione"}}));
}

TEST_F(LanguageTest, MissingLanguageFallsBackToEnglishFileThenDefaults) {
  State.Language = u"Deutsch";
  Load_Language(State);
  EXPECT_EQ(State.Language, u"English");
  EXPECT_TRUE(Changes().empty());

  WriteLanguage("English", "STR0 = Start\r\n");
  State.Language = u"Deutsch";
  Load_Language(State);
  EXPECT_EQ(State.Language, u"English");
  EXPECT_EQ(Changes(), (std::map<int, String>{{0, u"Start"}}));
}

TEST_F(LanguageTest, MissingFileNamedDirectlyRaises) {
  EXPECT_THROW(Load_Language_File(State, Path(Dir.Language() / "None.lng")), EInOutError);
}

}  // namespace
