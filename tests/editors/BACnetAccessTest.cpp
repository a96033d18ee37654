// The BACnet tables window through the main window's hidden step on an
// open configuration: loading, the address column by BACnet type, the
// checks OK runs, saving, Cancel, and the files it cannot read or write.
#include <sstream>

#include "controls/button/LbButton.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/sys/SafeWrite.h"
#include "tests/app/Golden.h"
#include "tests/editors/BACnetFixture.h"

namespace {
using testsupport::Good_Read_Row;
using testsupport::Good_Write_Row;
using testsupport::ReadFile;
using testsupport::WriteFile;

class BACnetAccess : public testsupport::BACnetFixture {
 protected:
  // OK after Edit; answers the text of the one box it shows ("" for none)
  // and closes the window if it stayed open.
  std::string Ok_Message(const std::function<void()>& Edit) {
    const std::size_t Before = P.Boxes.Boxes().size();
    bool Stayed_Open = false;
    Show([&] {
      Edit();
      P.Input.Click(*W().Btn_OK);
      Stayed_Open = W().ModalResult() == mrNone;
      if (Stayed_Open) P.Input.Click(*W().Btn_Cancel);
    });
    if (P.Boxes.Boxes().size() == Before) return "";
    EXPECT_EQ(P.Boxes.Boxes().size(), Before + 1);
    EXPECT_TRUE(Stayed_Open);
    EXPECT_EQ(P.Boxes.Boxes().back().Kind, mtError);
    return StringToUtf8(P.Boxes.Boxes().back().Text);
  }
  // Lines of Case/actions.txt: "set read|write ROW COL TEXT" (TEXT may be
  // empty), "insert read|write ROW", "import FILE ADDRESS" (FILE in Case).
  void Run_Actions(const std::filesystem::path& Case) {
    std::istringstream Lines(ReadFile(Case / "actions.txt"));
    for (std::string Line; std::getline(Lines, Line);) {
      std::istringstream Words(Line);
      std::string Verb, Table, Text;
      Words >> Verb;
      if (Verb == "import") {
        std::string Name, Address;
        Words >> Name >> Address;
        Import(Case / Name, [&] { Import_OK(Address.c_str()); });
        continue;
      }
      int Row = 0, Col = 0;
      Words >> Table >> Row;
      TAdvColumnGrid& Grid = Table == "read" ? Read() : Write();
      W().PageControl1->SetActivePage(Table == "read" ? W().TS_BACnet_Read : W().TS_BACnet_Write);
      if (Verb == "set") {
        Words >> Col;
        std::getline(Words >> std::ws, Text);
        Grid.SetCellEx(Col, Row, S(Text));
      } else if (Verb == "insert") {
        Grid.SetRow(Row);
        P.Input.Click(*W().Btn_InsRow);
      } else {
        ADD_FAILURE() << Line;
      }
    }
    W().PageControl1->SetActivePage(W().TS_BACnet_Read);
  }
};

TEST_F(BACnetAccess, WithoutAFileTheRowsAreNumberedAndEnabled) {
  Show([&] {
    EXPECT_EQ(W().ClientWidth(), 1305);
    EXPECT_EQ(W().Caption(), u"Set BACnet Access");
    EXPECT_EQ(W().PageControl1->ActivePage(), W().TS_BACnet_Read);
    EXPECT_FALSE(W().TS_BACnet_Write->TabVisible());
    EXPECT_EQ(Read().RowCount(), 513);
    EXPECT_EQ(Write().RowCount(), 513);
    EXPECT_EQ(Row(Read(), 0), "N|Enable|IP Address|Object Type|Instance|Property|NByte|En Dest|D Net|D Len|D "
                              "Add|Poll Time|Max Err|Position|Start Bit|Swap|Convertion|Mnemonic");
    EXPECT_EQ(Row(Write(), 0), "N|Enable|IP Address|Object Type|Data Type|Instance|Property|Priority|NByte|En "
                               "Dest|D Net|D Len|D Add|Change|Timer|Poll Time|Max Err|Position|Start "
                               "Bit|Swap|Convertion|Mnemonic");
    EXPECT_EQ(Row(Read(), 1), "1|Y||||||||||||||||");
    EXPECT_EQ(Row(Read(), 512), "512|Y||||||||||||||||");
    EXPECT_EQ(Row(Write(), 512), "512|Y||||||||||||||||||||");
    for (int Col : {14, 15, 16}) EXPECT_TRUE(Read().IsHiddenColumn(Col)) << Col;
    EXPECT_FALSE(Write().IsHiddenColumn(18));
    EXPECT_EQ(W().Btn_Import_CSV->Caption(), u"Import EDE");
    EXPECT_EQ(W().Btn_CopyRow->Caption(), u"Copy Row");
    EXPECT_EQ(W().OD_EDE_File->Filter(), u"BACnet EDE File (*.csv)|*.csv");
    const struct {
      TAdvColumnGrid* Grid;
      int Col, Items;
      const char* Last;
    } Lists[] = {{&Read(), 3, 15, "Life Safety Zone"},  {&Read(), 5, 10, "Number of States (74)"},
                 {&Read(), 9, 11, "M8"},                 {&Read(), 13, 81, "Broadcast"},
                 {&Read(), 16, 4, "(Float to Int) * 100"}, {&Write(), 3, 9, "Positive Integer Value"},
                 {&Write(), 4, 13, "Object ID"},         {&Write(), 6, 1, "Present Value (85)"},
                 {&Write(), 18, 8, "7"},                 {&Write(), 20, 4, "(Int to Float) / 100"}};
    for (const auto& L : Lists) {
      TStrings& Items = *L.Grid->Columns()->Items(L.Col)->ComboItems();
      ASSERT_EQ(Items.Count(), L.Items) << L.Col;
      EXPECT_EQ(StringToUtf8(Items.Strings(L.Items - 1)), L.Last) << L.Col;
    }
    EXPECT_EQ(Write().Columns()->Items(17)->ComboItems()->Count(), 0);
    EXPECT_EQ(Read().Columns()->Items(13)->ComboItems()->Strings(64), u"Group 1");
    W().Close();
  });
  EXPECT_FALSE(std::filesystem::exists(File()));
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST_F(BACnetAccess, TheBACnetTypeNamesOrHidesTheAddressColumn) {
  const struct {
    const char* Type;
    const char* Header;  // "": hidden
  } Cases[] = {{"0", "IP Address"}, {"1", "Slave ID"}, {"2", ""}, {"0", "IP Address"}, {"x", "IP Address"}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Type);
    Set_Type(C.Type);
    Show([&] {
      for (TAdvColumnGrid* Grid : {&Read(), &Write()}) {
        EXPECT_EQ(Grid->IsHiddenColumn(2), *C.Header == 0);
        if (*C.Header) {
          EXPECT_EQ(StringToUtf8(Grid->GetCellEx(2, 0)), C.Header);
        }
      }
      EXPECT_EQ(W().Key_Col(), *C.Header ? 2 : 3);
      W().Close();
    });
  }
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST_F(BACnetAccess, WithoutABACnetTypeEveryShowingSaysSoAndTakesIP) {
  std::filesystem::remove(ParGen());
  for (int Showing = 1; Showing <= 2; ++Showing) {
    Show([&] {
      EXPECT_EQ(W().App_BACnet_Type, 0);
      EXPECT_FALSE(Read().IsHiddenColumn(2));
      W().Close();
    });
    ASSERT_EQ(P.Boxes.Boxes().size(), static_cast<std::size_t>(Showing));
    EXPECT_EQ(P.Boxes.Boxes().back().Kind, mtError);
    EXPECT_EQ(P.Boxes.Boxes().back().Text, u"Select the BACnet Type in the \"Set Communication\" section");
  }
  WriteFile(ParGen(), "<ParGen><IP_Address>1.2.3.4</IP_Address></ParGen>");
  Show([&] { W().Close(); });
  EXPECT_EQ(P.Boxes.Boxes().size(), 3u);
}

TEST_F(BACnetAccess, AFileFillsTheRowsItHasAndDefaultsWhatItLacks) {
  std::string Rows;
  for (int K = 0; K < 600; ++K) Rows += "<row Instance=\"" + std::to_string(K) + "\" IP_Address_Slave_ID=\"a\"/>";
  WriteFile(File(), "<BACnet_Master_Access><!-- by hand --><BACnet_Read>"
                    "<row Mnemonic=\"m\" Object_Type=\"Analog Input\" Enable=\"y\" Swap=\"Y\" IP_Address_Slave_ID=\"1.2.3.4\"/>"
                    "<!-- skipped -->" +
                        Rows + "</BACnet_Read></BACnet_Master_Access>");
  Show([&] {
    EXPECT_EQ(Row(Read(), 1), "1|y|1.2.3.4|Analog Input||||N||||||||Y|None|m");
    EXPECT_EQ(Row(Read(), 2), "2|Y|a||0|||N||||||||N|None|");
    EXPECT_EQ(Row(Read(), 512), "512|Y|a||510|||N||||||||N|None|");
    EXPECT_EQ(Row(Write(), 1), "1|Y||||||||||||||||||||");
    W().Close();
  });
  WriteFile(File(), "<BACnet_Master_Access><BACnet_Read/><BACnet_Write><row Enable=\"N\"/></BACnet_Write>"
                    "</BACnet_Master_Access>");
  Show([&] {
    EXPECT_EQ(Row(Write(), 1), "1|N||||||||N||||N|N|||||N|None|");
    EXPECT_EQ(Row(Write(), 2), "2|Y||||||||||||||||||||");
    W().Close();
  });
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

struct TCheckCase {
  const char* Type;
  bool In_Read;
  std::vector<std::pair<int, const char*>> Cells;  // on row 3
  const char* Message;                             // "" passes
};

// Each case fills rows 1 to 5 of both tables with good rows, edits row 3
// and presses OK.
TEST_F(BACnetAccess, OkChecksEveryEnabledRow) {
  const std::string R = "Error in Read, row 3", W_ = "Error in Write, row 3";
  const TCheckCase Cases[] = {
      {"0", true, {}, ""},
      {"0", true, {{2, "192.168.0.256"}}, "!! IP Address is not correct"},
      {"0", true, {{2, " 10.0.0.1 "}}, ""},
      {"1", true, {{2, "254"}}, ""},
      {"1", true, {{2, "255"}}, "!! Slave ID must be between 0 and 254"},
      {"2", true, {{2, "anything"}}, ""},
      {"0", true, {{3, "Analog"}}, "!! Object Type is not correct. Select one from the list"},
      {"0", true, {{3, "130"}}, ""},
      {"0", true, {{4, "4294967295"}}, ""},
      {"0", true, {{4, "4294967296"}}, "!! Instance must be between 0 and 4294967295"},
      {"0", true, {{4, ""}}, "!! Instance must be between 0 and 4294967295"},
      {"0", true, {{5, "Scale (187)"}}, "!! Property is not correct. Select one from the list"},
      {"0", true, {{5, "Units (117)"}}, ""},
      {"0", true, {{6, "256"}}, "!! NByte must be between 0 and 255"},
      {"0", true, {{7, "y"}, {8, "0"}}, "!! Destination Network must be between 1 and 65535"},
      {"0", true, {{7, "Y"}, {8, "1"}, {9, "1"}, {10, "255"}}, ""},
      {"0", true, {{7, "Y"}, {8, "1"}, {9, "1"}, {10, "256"}}, "!! Destination Address must be between 0 and 255"},
      {"0", true, {{7, "Y"}, {8, "65535"}, {9, "2"}, {10, "0"}}, "!! Destination Address must be between 1 and 65535"},
      {"0", true, {{7, "Y"}, {8, "1"}, {9, "6"}, {10, "192.168.0.15:47808"}}, ""},
      {"0", true, {{7, "Y"}, {8, "1"}, {9, "6"}, {10, "192.168.0.15"}},
       "!! Destination Address must be in correct form, IP Address plus Port (ex. 192.168.0.15:47808)"},
      {"0", true, {{7, "Y"}, {8, "1"}, {9, "3"}}, "!! Destination Lenght must be 1 or 2 or 6"},
      {"0", true, {{7, "Y"}, {8, "1"}, {9, "X"}}, "!! Destination Length is Wrong, choose one in List"},
      {"0", true, {{7, "Y"}, {8, "1"}, {9, " m3 "}, {10, "1, 2,3"}}, ""},
      {"0", true, {{7, "Y"}, {8, "1"}, {9, "M3"}, {10, "1,2"}}, "!! Destination Address has too few bytes"},
      {"0", true, {{7, "N"}, {8, "0"}, {9, "X"}}, ""},
      {"0", true, {{11, "100000001"}}, "!! Poll Time must be between 0 and 100000000 ms"},
      {"0", true, {{12, "65536"}}, "!! Max Err must be between 0 and 655535"},
      {"0", true, {{12, "65535"}}, ""},
      {"0", true, {{1, "y"}, {3, "x"}}, ""},
      {"0", true, {{3, "x"}, {12, "x"}}, "!! Object Type is not correct. Select one from the list"},
      {"0", false, {{2, "1.2.3"}}, "!! IP Address is not correct"},
      {"1", false, {{2, "-1"}}, "!! Slave ID must be between 0 and 254"},
      {"0", false, {{3, "Analog Input"}}, "!! Object Type is not correct. Select one from the list"},
      {"0", false, {{5, "4294967296"}}, "!! Instance must be between 0 and 4294967295"},
      {"0", false, {{6, "Units (117)"}}, "!! Property is not correct. Select one from the list"},
      {"0", false, {{3, "Positive Integer Value"}}, "!! Data Type is not correct. Aspected Data Type is Unsigned Int"},
      {"0", false, {{3, "Life Safety Point"}}, "!! Data Type is not correct"},
      {"0", false, {{3, "130"}, {4, "Octet String"}, {8, "255"}}, ""},
      {"0", false, {{7, "17"}}, "!! Priority must be between 0 and 16"},
      {"0", false, {{6, "600"}, {4, "Boolean"}, {8, "2"}}, "!! NByte must be between 0 and 1"},
      {"0", false, {{6, "600"}, {4, "Character String"}, {8, "255"}}, ""},
      {"0", false, {{9, "Y"}, {10, "70000"}}, "!! Destination Network must be between 1 and 65535"},
      {"0", false, {{9, "Y"}, {10, "1"}, {11, "M2"}, {12, "1,2,3"}}, "!! Destination Address has too many bytes"},
      {"0", false, {{9, "Y"}, {10, "1"}, {11, "M1"}, {12, "300"}},
       "!! Bytes of Destination Address must be between 0 and 255"},
      {"0", false, {{9, "Y"}, {10, "1"}, {11, "9"}}, "!! Destination Lenght must be 1 or 2 or 6"},
      {"0", false, {{14, "y"}, {15, "x"}}, "!! Poll Time must be between 0 and 100000000"},
      {"0", false, {{14, "N"}, {15, "x"}}, ""},
      {"0", false, {{16, "-1"}}, "!! Max Err must be between 0 and 655535"},
  };
  for (const TCheckCase& C : Cases) {
    std::string Trace = std::string("type ") + C.Type + (C.In_Read ? " read" : " write");
    for (const auto& [Col, Text] : C.Cells) Trace += " " + std::to_string(Col) + "=\"" + Text + "\"";
    SCOPED_TRACE(Trace);
    Set_Type(C.Type);
    std::filesystem::remove(File());
    const std::string Message = Ok_Message([&] {
      for (int Row = 1; Row <= 5; ++Row) {
        Set_Row(Read(), Row, Good_Read_Row);
        Set_Row(Write(), Row, Good_Write_Row);
        if (std::string(C.Type) == "1") {
          Read().SetCellEx(2, Row, u"7");
          Write().SetCellEx(2, Row, u"7");
        }
      }
      for (const auto& [Col, Text] : C.Cells) (C.In_Read ? Read() : Write()).SetCellEx(Col, 3, S(Text));
    });
    EXPECT_EQ(Message, *C.Message ? (C.In_Read ? R : W_) + C.Message : "");
    EXPECT_EQ(std::filesystem::exists(File()), *C.Message == 0);
  }
}

// A row without a key is passed over, not the table's end: rows below it
// are checked and written; a row disabled by "y" is written unchecked.
TEST_F(BACnetAccess, ARowWithoutAKeyLeavesTheRowsBelowInTheTable) {
  const auto Fill = [&] {
    for (int Row = 1; Row <= 5; ++Row) Set_Row(Read(), Row, Good_Read_Row);
    Read().SetCellEx(2, 2, u" ");
  };
  EXPECT_EQ(Ok_Message([&] {
              Fill();
              Read().SetCellEx(12, 2, u"x");  // no table row: not checked
              Read().SetCellEx(12, 5, u"x");
            }),
            "Error in Read, row 5!! Max Err must be between 0 and 655535");
  EXPECT_EQ(Ok_Message([&] {
              Fill();
              Read().SetCellEx(1, 4, u"y");
              Read().SetCellEx(3, 4, u"Kept");
            }),
            "");
  const std::string Saved = ReadFile(File());
  EXPECT_NE(Saved.find("Enable=\"y\" IP_Address_Slave_ID=\"192.168.0.10\" Object_Type=\"Kept\""), std::string::npos);
  std::size_t Rows = 0;
  for (std::size_t At = 0; (At = Saved.find("<row ", At)) != std::string::npos; ++At) ++Rows;
  EXPECT_EQ(Rows, 4u);
  // With type 2 the object type is the key: a row without an address counts.
  Set_Type("2");
  EXPECT_EQ(Ok_Message([&] {
              Fill();
              Read().SetCellEx(3, 4, u"");
              Read().SetCellEx(12, 2, u"x");
            }),
            "Error in Read, row 2!! Max Err must be between 0 and 655535");
}

// Each case folder: pargen.xml (absent: type 0), input.xml (absent: no
// file), actions.txt (absent: none) and the file OK writes.
TEST_F(BACnetAccess, OkWritesBothTables) {
  for (const auto& Case : golden::Cases("bacnet")) {
    SCOPED_TRACE(Case.filename().string());
    std::filesystem::remove(File());
    Set_Type("0");
    if (std::filesystem::exists(Case / "pargen.xml")) WriteFile(ParGen(), ReadFile(Case / "pargen.xml"));
    if (std::filesystem::exists(Case / "input.xml")) WriteFile(File(), ReadFile(Case / "input.xml"));
    EXPECT_EQ(Show([&] {
                if (std::filesystem::exists(Case / "actions.txt")) Run_Actions(Case);
                P.Input.Click(*W().Btn_OK);
              }),
              mrOk);
    EXPECT_TRUE(P.Boxes.Boxes().empty());
    golden::ExpectSameText(ReadFile(File()), Case / "expected.xml");
    // Read back, the file shows what was written.
    const std::string Written = ReadFile(File());
    Show([&] { P.Input.Click(*W().Btn_OK); });
    EXPECT_EQ(ReadFile(File()), Written);
  }
}

TEST_F(BACnetAccess, CancelLeavesTheFileAsItWas) {
  const std::string Before = "<BACnet_Master_Access><BACnet_Read><row IP_Address_Slave_ID=\"x\"/></BACnet_Read>"
                             "</BACnet_Master_Access>";
  WriteFile(File(), Before);
  EXPECT_EQ(Show([&] {
              Read().SetCellEx(3, 1, u"changed");
              P.Input.Click(*W().Btn_Cancel);
            }),
            mrCancel);
  EXPECT_EQ(ReadFile(File()), Before);
}

TEST_F(BACnetAccess, ADamagedFileKeepsTheWindowClosedAndIsLeftAlone) {
  const std::string Damaged = "<BACnet_Master_Access><BACnet_Read><row Enable=\"Y\"></BACnet_Master_Access>";
  for (const auto& Broken : {File(), ParGen()}) {
    SCOPED_TRACE(Broken.filename().string());
    const std::size_t Before = P.Boxes.Boxes().size();
    WriteFile(Broken, Damaged);
    Click_Step();  // the window never waits for input
    ASSERT_EQ(P.Boxes.Boxes().size(), Before + 1);
    EXPECT_EQ(P.Boxes.Boxes().back().Kind, mtError);
    EXPECT_NE(P.Boxes.Boxes().back().Text.find(S(Broken.filename().string())), String::npos);
    EXPECT_FALSE(W().Visible());
    EXPECT_EQ(ReadFile(Broken), Damaged);
    std::filesystem::remove(File());
    Set_Type("0");
  }
}

TEST_F(BACnetAccess, AFailedWriteKeepsTheWindowTheRowsAndTheOldFile) {
  Show([&] {
    Set_Row(Read(), 1, Good_Read_Row);
    P.Input.Click(*W().Btn_OK);
  });
  const std::string Before = ReadFile(File());
  bool Open_After_OK = false;
  std::string After_OK;
  const TModalResult Result = Show([&] {
    Read().SetCellEx(17, 1, u"kept");
    SetSafeWriteFaultForTests([](std::string_view Step) { return Step == "create" ? EACCES : 0; });
    P.Input.Click(*W().Btn_OK);
    SetSafeWriteFaultForTests(nullptr);
    Open_After_OK = W().Visible() && W().ModalResult() == mrNone;
    After_OK = Row(Read(), 1);
    P.Input.Click(*W().Btn_Cancel);
  });
  EXPECT_TRUE(Open_After_OK);
  EXPECT_EQ(After_OK, "1|Y|192.168.0.10|Analog Input|5|Present Value (85)|4|N||||1000|0|0|0|N||kept");
  EXPECT_EQ(Result, mrCancel);
  ASSERT_EQ(P.Boxes.Boxes().size(), 1u);
  EXPECT_NE(P.Boxes.Boxes()[0].Text.find(u"BACnet_Master_Access.xml"), String::npos);
  EXPECT_EQ(ReadFile(File()), Before);
}

TEST(BACnetAccessWidth, NarrowScreensGetTheNarrowWindow) {
  for (const auto& [Screen_Width, Client_Width] : {std::pair{1270, 1000}, std::pair{1271, 1305}}) {
    testsupport::ProgramFixture P(false);
    Screen->PinSize(Screen_Width, 800);
    P.Start();
    EXPECT_EQ(P.Main->Windows.FBACnetAccess->ClientWidth(), Client_Width) << Screen_Width;
    Screen->PinSize(1920, 1080);
  }
}

// The row buttons act on the current row of the shown table.
TEST_F(BACnetAccess, RowButtons) {
  Show([&] {
    Set_Row(Read(), 2, Good_Read_Row);
    Read().SetCellEx(17, 2, u"second");
    Set_Row(Read(), 3, Good_Read_Row);
    const std::string Row3 = Row(Read(), 3);
    Click_Cell(Read(), 17, 2);
    P.Input.Click(*W().Btn_CopyRow);
    Click_Cell(Read(), 17, 3);
    P.Boxes.Answer(mrNo);
    P.Input.Click(*W().Btn_PasteRow);
    EXPECT_EQ(Row(Read(), 3), Row3);
    EXPECT_EQ(P.Boxes.Boxes().back().Text, u"Row Already used. Do you want to overwrite the values?");
    P.Boxes.Answer(mrYes);
    P.Input.Click(*W().Btn_PasteRow);
    EXPECT_EQ(StringToUtf8(Read().GetCellEx(17, 3)), "second");
    EXPECT_EQ(Read().GetCellEx(0, 3), u"3");
    W().PageControl1->SetActivePage(W().TS_BACnet_Write);
    P.Input.Click(*W().Btn_PasteRow);
    EXPECT_EQ(P.Boxes.Boxes().back().Text, u"Error!!! Copy a valid row before Paste it");
    W().PageControl1->SetActivePage(W().TS_BACnet_Read);
    Click_Cell(Read(), 17, 2);
    P.Input.Click(*W().Btn_InsRow);
    EXPECT_EQ(Row(Read(), 2), "2|Y||||||||||||||||");
    EXPECT_EQ(StringToUtf8(Read().GetCellEx(17, 3)), "second");
    P.Boxes.Answer(mrNo);
    P.Input.Click(*W().Btn_DelRow);
    EXPECT_EQ(P.Boxes.Boxes().back().Text, u"Are you sure to delete the Row number 2");
    EXPECT_EQ(Row(Read(), 2), "2|Y||||||||||||||||");
    P.Boxes.Answer(mrYes);
    P.Input.Click(*W().Btn_DelRow);
    EXPECT_EQ(StringToUtf8(Read().GetCellEx(17, 2)), "second");
    W().Close();
  });
}

// Each column's editor through the window system on an empty row: text is
// typed, a list run to its end, a check box clicked and toggled by Space.
TEST_F(BACnetAccess, EachColumnEditsWithItsEditor) {
  const struct {
    int Col;
    WORD List_Key;  // 0: type "42"
    const char* Expected;
  } Cases[] = {{2, 0, "42"}, {3, 0, "42"},          {4, 0, "42"},        {5, 0, "42"},
               {6, 0, "42"}, {9, VK_END, "M8"}, {13, VK_END, "Broadcast"}, {17, 0, "42"}};
  Show([&] {
    for (const auto& C : Cases) {
      SCOPED_TRACE(C.Col);
      Click_Cell(Read(), C.Col, 20);
      if (Read().Columns()->Items(C.Col)->Editor() != edNormal) P.Input.Key(VK_F2);
      if (C.List_Key) P.Input.Key(C.List_Key);
      else P.Input.Type(u"42");
      P.Input.Key(VK_RETURN);
      EXPECT_EQ(StringToUtf8(Read().GetCellEx(C.Col, 20)), C.Expected);
    }
    Click_Cell(Read(), 1, 20);
    EXPECT_EQ(Read().GetCellEx(1, 20), u"N");
    P.Input.Key(VK_SPACE);
    EXPECT_EQ(Read().GetCellEx(1, 20), u"Y");
    Read().SetCellEx(7, 20, u"N");
    Click_Cell(Read(), 7, 20);
    EXPECT_EQ(Read().GetCellEx(7, 20), u"Y");
    // Column 0 holds the row number and takes no text.
    Click_Cell(Read(), 0, 20);
    P.Input.Type(u"9");
    P.Input.Key(VK_RETURN);
    EXPECT_EQ(Read().GetCellEx(0, 20), u"20");
    W().Close();
  });
}

TEST_F(BACnetAccess, TheReadHintOnTheNByteCell) {
  Show([&] {
    Set_Row(Read(), 1, Good_Read_Row);
    String Hint = u"unset";
    Read().OnGridHint(&Read(), 1, 6, Hint);
    EXPECT_EQ(Hint, u"4");
    Read().OnGridHint(&Read(), 1, 5, Hint);
    EXPECT_EQ(Hint, u"");
    Write().OnGridHint(&Write(), 1, 8, Hint);
    EXPECT_EQ(Hint, u"");
    W().Close();
  });
}
}  // namespace

namespace {
// Both keep the language of start-up: a change of language leaves their
// captions, headers and buttons as they were.
TEST_F(BACnetAccess, ALanguageChangeLeavesTheWindowAndTheDialogAlone) {
  for (int Index : {1400, 1411, 1459, 1600, 1605, 1615}) P.State->Texts.SetStrings(Index, u"T" + IntToStr(Index));
  P.Main->Change_Language();
  EXPECT_EQ(W().Caption(), u"Set BACnet Access");
  EXPECT_EQ(Read().GetCellEx(3, 0), u"Object Type");
  EXPECT_EQ(W().Btn_Import_CSV->Caption(), u"Import EDE");
  EXPECT_EQ(D().Caption(), u"Import BACnet EDE File");
  EXPECT_EQ(D().ACG->GetCellEx(1, 0), u"Import");
  EXPECT_EQ(D().LID_IP->Caption(), u"ID or IP address of the BACnet device");
}
}  // namespace
