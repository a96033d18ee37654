// The Modbus TCP master window through the main window's hidden step on an
// open configuration: loading ModbusTCPM_SetAccess.xml, the checks OK runs,
// saving, Cancel, the row buttons, editing and the files it cannot use.
#include <gtest/gtest.h>

#include "editors/ModbusTables.h"
#include "editors/UModbus_TCP_Master_Set_Access.h"
#include "platform/sys/SafeWrite.h"
#include "tests/app/Golden.h"
#include "tests/editors/ModbusFixture.h"

namespace {
using testsupport::ReadFile;
using testsupport::WriteFile;

class ModbusTCPMaster : public testsupport::ModbusFixture {
 protected:
  ModbusTCPMaster() : ModbusFixture(&TProgramWindows::FModbus_TCP_Master_Set_Access, "ModbusTCPM_SetAccess.xml") {}
  void Open_Window() override { P.Main->Btn_Click(P.Main->Btn_ModM_SetAccess); }
};

constexpr std::initializer_list<const char*> Good_Read = {
    "Y", "192.168.1.10", "502", "1", "Holding Register", "0", "4", "1000", "3", "0", "0", "N", "m"};
constexpr std::initializer_list<const char*> Good_Write = {
    "Y", "192.168.1.10", "502", "1", "Holding Register", "0", "4", "1000", "N", "N", "3", "0", "0", "N", "m"};

TEST_F(ModbusTCPMaster, WithoutAFileEveryRowIsNumberedAndEnabled) {
  Show([&] {
    EXPECT_EQ(W().ClientWidth(), 1007);
    EXPECT_EQ(W().ClientHeight(), 337);
    EXPECT_EQ(W().Caption(), u"Set Modbus TCP Master Access");
    EXPECT_EQ(W().PageControl1->ActivePage(), W().TS_Modbus_Read);
    EXPECT_EQ(W().TS_Modbus_Write->Caption(), u"Modbus Write");
    EXPECT_EQ(Read().RowCount(), 513);
    EXPECT_EQ(Write().RowCount(), 513);
    EXPECT_EQ(Read().AllColCount(), 14);
    EXPECT_EQ(Write().AllColCount(), 16);
    EXPECT_EQ(Write().ColCount(), 14);
    EXPECT_TRUE(Write().IsHiddenColumn(9));
    EXPECT_TRUE(Write().IsHiddenColumn(10));
    EXPECT_FALSE(Write().IsHiddenColumn(11));
    EXPECT_EQ(Row(Read(), 0), "N|Enable|Slave IP Address|Port|Slave ID|Type|Address|NPoint|Poll Time|Max "
                              "Error|Position|Start Bit|Swap|Mnemonic");
    EXPECT_EQ(Row(Read(), 1), "1|Y||||||||||||");
    EXPECT_EQ(Row(Write(), 512), "512|Y||||||||||||||");
    const struct {
      TAdvColumnGrid* Grid;
      int Col, Width;
      std::size_t Items;
      const char* Last_Item;
    } Columns[] = {{&Read(), 0, 40, 0, ""},           {&Read(), 2, 101, 0, ""},
                   {&Read(), 5, 100, 4, "Input Register"}, {&Read(), 10, 60, 128, "127"},
                   {&Read(), 11, 60, 8, "7"},         {&Read(), 13, 200, 0, ""},
                   {&Write(), 5, 100, 2, "Holding Register"}, {&Write(), 12, 55, 1540, "1539"},
                   {&Write(), 13, 55, 8, "7"},        {&Write(), 15, 212, 0, ""}};
    for (const auto& C : Columns) {
      SCOPED_TRACE(C.Col);
      const TGridColumnItem& Item = *C.Grid->Columns()->Items(C.Col);
      EXPECT_EQ(Item.Width(), C.Width);
      ASSERT_EQ(static_cast<std::size_t>(Item.ComboItems()->Count()), C.Items);
      if (C.Items) {
        EXPECT_EQ(Item.ComboItems()->Strings(0), C.Col == 5 ? u"Coil Status" : u"0");
        EXPECT_EQ(StringToUtf8(Item.ComboItems()->Strings(static_cast<int>(C.Items) - 1)), C.Last_Item);
      }
    }
    EXPECT_EQ(W().Btn_CopyRow->Caption(), u"Copy Row");
    EXPECT_EQ(W().Btn_InsRow->Caption(), u"Insert Row");
    W().Close();
  });
  EXPECT_FALSE(std::filesystem::exists(File()));
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

std::string Read_Element(int K) { return "<row Mnemonic=\"r" + std::to_string(K) + "\" IP_Address=\"10.0.0.1\" Port=\"502\" Slave_ID=\"1\" Type=\"Coil Status\" Address=\"0\" NPoint=\"1\" PollTime=\"100\" MaxError=\"0\" Position=\"0\" Bit=\"0\"/>"; }

TEST_F(ModbusTCPMaster, AFileFillsTheRowsAndDefaultsWhatMayBeMissing) {
  std::string Rows;
  for (int K = 0; K < 600; ++K) Rows += Read_Element(K);
  WriteFile(File(), "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read>"
                    "<row Bit=\"7\" Swap=\"Y\" Enable=\"N\" Mnemonic=\"first\" Position=\"12\" MaxError=\"3\" "
                    "PollTime=\"50\" NPoint=\"2\" Address=\"9\" Type=\"Input Status\" Slave_ID=\"4\" Port=\"1502\" "
                    "IP_Address=\" 10.1.1.1 \"/>" +
                        Rows + "</Modbus_Read></PROFINET_Master_to_Modbus_TCP_Master>");
  Show([&] {
    EXPECT_EQ(Row(Read(), 1), "1|N| 10.1.1.1 |1502|4|Input Status|9|2|50|3|12|7|Y|first");
    EXPECT_EQ(Row(Read(), 2), "2|Y|10.0.0.1|502|1|Coil Status|0|1|100|0|0|0|N|r0");
    EXPECT_EQ(Row(Read(), 512), "512|Y|10.0.0.1|502|1|Coil Status|0|1|100|0|0|0|N|r510");
    EXPECT_EQ(Row(Write(), 1), "1|Y||||||||||||||");  // no write section
    W().Close();
  });
  WriteFile(File(), "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Write><row IP_Address=\"1.1.1.1\" Port=\"1\" "
                    "Slave_ID=\"2\" Type=\"Coil Status\" Address=\"3\" NPoint=\"4\" PollTime=\"5\" OnChange=\"Y\" "
                    "MaxError=\"6\" Position=\"7\" Bit=\"1\" Mnemonic=\"w\"/></Modbus_Write>"
                    "</PROFINET_Master_to_Modbus_TCP_Master>");
  Show([&] {
    EXPECT_EQ(Row(Write(), 1), "1|Y|1.1.1.1|1|2|Coil Status|3|4|5|Y|N|6|7|1|N|w");
    EXPECT_EQ(Row(Read(), 1), "1|Y||||||||||||");
    W().Close();
  });
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

// A file it cannot take ends the opening with one box naming the file (and
// what is missing); the window never shows and the file stays.
TEST_F(ModbusTCPMaster, AFileItCannotTakeKeepsTheWindowClosed) {
  const struct {
    std::string Xml;
    const char* Named;
  } Cases[] = {
      {"<R><Modbus_Read>" + Read_Element(1) + "<row IP_Address=\"1.1.1.1\" Slave_ID=\"1\" Type=\"Coil Status\" "
       "Address=\"0\" NPoint=\"1\" PollTime=\"1\" MaxError=\"0\" Position=\"0\" Bit=\"0\" Mnemonic=\"\"/>"
       "</Modbus_Read></R>",
       "row 2 of Modbus_Read lacks the attribute \"Port\""},
      {"<R><Modbus_Write><row Enable=\"Y\"/></Modbus_Write></R>", "row 1 of Modbus_Write lacks the attribute"},
      {"<R><Modbus_Read><row></Modbus_Read></R>", ""},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Xml);
    WriteFile(File(), C.Xml);
    const std::size_t Before = P.Boxes.Boxes().size();
    Open();  // the window never waits for input
    ASSERT_EQ(P.Boxes.Boxes().size(), Before + 1);
    EXPECT_EQ(P.Boxes.Boxes().back().Kind, mtError);
    const std::string Text = StringToUtf8(P.Boxes.Boxes().back().Text);
    EXPECT_NE(Text.find("ModbusTCPM_SetAccess.xml"), std::string::npos) << Text;
    EXPECT_NE(Text.find(C.Named), std::string::npos) << Text;
    EXPECT_FALSE(W().Visible());
    EXPECT_EQ(ReadFile(File()), C.Xml);
  }
}

// Each case puts a good row at row 4, changes it and presses OK; rows 1 to
// 3 are disabled and wrong, row 2 has no address.
TEST_F(ModbusTCPMaster, OkChecksTheEnabledRowsWithTheirMessages) {
  Run_Check_Cases(
      {
      {true, 2, "192.168.1.125", 0},         {true, 2, "1.2.3", 1139},
      {true, 2, "1.2.3.256", 1139},          {true, 2, "1.2.3.4.5", 1139},
      {true, 3, "65536", 1140},              {true, 3, "abc", 1140},
      {true, 3, "65535", 0},                 {true, 4, "0", 1141},
      {true, 4, "248", 1141},                {true, 4, "247", 0},
      {true, 5, "", 1142},                   {true, 5, " ", 1142},
      {true, 6, "65536", 1143},              {true, 7, "126", 1144, "125"},
      {true, 7, "0", 1144, "125"},           {true, 5, "Coil Status", 0, "", 7, "1"},
      {true, 5, "input status", 1144, "2000", 7, "2001"},
      {true, 5, "Coil Status", 1144, "2000", 7, "2001"},
      {true, 8, "0", 1145},                  {true, 9, "100000001", 1146},
      {true, 9, "100000000", 0},             {true, 10, "128", 1147, "127"},
      {true, 10, "120", 0},                  {true, 10, "121", 1149},
      {true, 5, "Coil Status", 1148, "", 11, ""},
      {true, 1, "N", 0, "", 2, "1.2.3"},      // disabled: not checked
      {true, 1, " Y ", 1139, "", 2, "1.2.3"},  // enabled once trimmed
      {false, 2, "1.2.3.256", 1150},         {false, 3, "-1", 1151},
      {false, 4, "248", 1152},               {false, 5, "", 1153},
      {false, 6, "-1", 1154},                {false, 7, "124", 1155, "123"},
      {false, 5, "Coil Status", 0, "", 7, "1968"},
      {false, 5, "Coil Status", 1155, "1968", 7, "1969"},
      {false, 5, "Input Status", 1155, "123", 7, "124"},
      {false, 8, "0", 0},                    {false, 8, "-1", 1156},
      {false, 11, "100000001", 1157},        {false, 12, "1540", 1158, "1539"},
      {false, 12, "1532", 0},                {false, 12, "1533", 1160},
      {false, 5, "Coil Status", 1159, "", 13, ""},
      {false, 9, "x", 0},                    // hidden On columns are not checked
      },
      4, 1138, [&](bool In_Read) {
        for (TAdvColumnGrid* Grid : {&Read(), &Write()}) {
          for (int R = 1; R <= 3; ++R) Set_Row(*Grid, R, {"N", "bad", "x"});
          Grid->SetCellEx(2, 2, u" ");
        }
        Set_Row(In_Read ? Read() : Write(), 4, In_Read ? Good_Read : Good_Write);
      });
  EXPECT_EQ(StringToUtf8(P.Text(1144)), "!! [Modbus Read] NPoint must be between 1 and ");
}

// The last byte of bit rows: Position 127, Start Bit 7 keeps one point in
// byte 127.
TEST_F(ModbusTCPMaster, BitRowsEndWhereTheirLastBitLies) {
  const auto Coil = [&](const char* NPoint) {
    return Ok_Message([&] {
      Set_Row(Read(), 1, {"Y", "10.0.0.1", "502", "1", "Coil Status", "0", NPoint, "1000", "0", "127", "7", "N", ""});
    });
  };
  EXPECT_EQ(Coil("1"), "");
  EXPECT_EQ(Coil("2"), "Error row 1!! [Modbus Read] Too many bytes to save starting from the Position indicate");
}

TEST(ModbusTables, AddressesAndLastBytes) {
  for (const char* Good : {"192.168.1.125", "0.0.0.0", "255.255.255.255"}) EXPECT_FALSE(Check_IP_Address(S(Good))) << Good;
  for (const char* Bad : {"", "1.2.3", "1.2.3.256", "1.2.3.4.5", "a.b.c.d", "1..2.3", "-1.2.3.4"})
    EXPECT_TRUE(Check_IP_Address(S(Bad))) << Bad;
  EXPECT_EQ(Register_Last_Byte(120, 4), 127);
  EXPECT_EQ(Bit_Last_Byte(127, 1, 7), 127);
  EXPECT_EQ(Bit_Last_Byte(127, 2, 7), 128);
  EXPECT_EQ(Bit_Last_Byte(0, 2000, 2147483647), 268435705);  // no overflow from a file's start bit
}

// Rows without an address are passed over, not the table's end: the rows
// below are checked and written.
TEST_F(ModbusTCPMaster, RowsBelowAGapAreCheckedAndWritten) {
  EXPECT_EQ(Ok_Message([&] {
              Set_Row(Read(), 1, Good_Read);
              Set_Row(Read(), 5, Good_Read);
              Read().SetCellEx(4, 5, u"0");
            }),
            "Error row 5!! [Modbus Read] Slave ID must be between 1 and 247");
  EXPECT_EQ(Ok_Message([&] {
              Set_Row(Read(), 1, Good_Read);
              Set_Row(Read(), 2, Good_Read);
              Read().SetCellEx(13, 2, u"second");
              Read().SetRow(1);
              Sys.Click(*W().Btn_InsRow);
            }),
            "");
  const std::string Saved = ReadFile(File());
  EXPECT_NE(Saved.find("Mnemonic=\"second\""), std::string::npos);
  EXPECT_EQ(Saved.find("<row Enable=\"\""), std::string::npos);
}

TEST_F(ModbusTCPMaster, OkWritesBothTablesAndCancelWritesNothing) {
  Expect_Golden_Cases("modbustcp");
  Expect_Cancel_Keeps_The_File("modbustcp");
}

TEST_F(ModbusTCPMaster, TheOnFlagsAreWrittenOffWhateverTheCellsHold) {
  Show([&] {
    Set_Row(Write(), 1, Good_Write);
    Write().SetCellEx(9, 1, u"Y");
    Write().SetCellEx(10, 1, u"Y");
    Sys.Click(*W().Btn_OK);
  });
  const std::string Saved = ReadFile(File());
  EXPECT_NE(Saved.find("OnChange=\"N\" OnCMD=\"N\""), std::string::npos) << Saved;
}

TEST_F(ModbusTCPMaster, AFailedWriteKeepsTheWindowTheRowsAndTheOldFile) {
  Show([&] { Sys.Click(*W().Btn_OK); });
  const std::string Before = ReadFile(File());
  bool Open_After_OK = false;
  std::string After_OK;
  const TModalResult Result = Show([&] {
    Set_Row(Read(), 1, Good_Read);
    SetSafeWriteFaultForTests([](std::string_view Step) { return Step == "create" ? EACCES : 0; });
    Sys.Click(*W().Btn_OK);
    SetSafeWriteFaultForTests(nullptr);
    Open_After_OK = W().Visible() && W().ModalResult() == mrNone;
    After_OK = Row(Read(), 1);
    Sys.Click(*W().Btn_Cancel);
  });
  EXPECT_TRUE(Open_After_OK);
  EXPECT_EQ(After_OK, "1|Y|192.168.1.10|502|1|Holding Register|0|4|1000|3|0|0|N|m");
  EXPECT_EQ(Result, mrCancel);
  ASSERT_EQ(P.Boxes.Boxes().size(), 1u);
  EXPECT_EQ(P.Boxes.Boxes()[0].Kind, mtError);
  EXPECT_NE(P.Boxes.Boxes()[0].Text.find(u"ModbusTCPM_SetAccess.xml"), String::npos);
  EXPECT_EQ(ReadFile(File()), Before);
}

// The row buttons act on the current row of the shown table; Insert leaves
// a wholly empty row and Delete moves the hidden columns with the rest.
TEST_F(ModbusTCPMaster, RowButtons) {
  Show([&] {
    for (int R = 1; R <= 5; ++R) {
      Set_Row(Read(), R, Good_Read);
      Read().SetCellEx(13, R, S("r" + std::to_string(R)));
      Set_Row(Write(), R, Good_Write);
      Write().SetCellEx(9, R, S("c" + std::to_string(R)));
      Write().SetCellEx(10, R, S("m" + std::to_string(R)));
      Write().SetCellEx(15, R, S("w" + std::to_string(R)));
    }
    Write().SetCellEx(9, 512, u"last");
    const auto Tail = [](const std::string& Shown) { return Shown.substr(Shown.find('|')); };
    const std::string Read2 = Row(Read(), 2), Read3 = Row(Read(), 3), Write4 = Row(Write(), 4);

    Click_Cell(Read(), 13, 2);
    Sys.Click(*W().Btn_CopyRow);
    Click_Cell(Read(), 13, 7);
    Sys.Click(*W().Btn_PasteRow);  // an empty row but for Enable: no question
    EXPECT_EQ(Row(Read(), 7), "7" + Tail(Read2));
    Show_Tab(false);
    ASSERT_EQ(W().PageControl1->ActivePage(), W().TS_Modbus_Write);
    Sys.Click(*W().Btn_PasteRow);
    EXPECT_EQ(P.Boxes.Boxes().back().Text, u"Error!!! Copy a valid row before Paste it");
    Show_Tab(true);

    Click_Cell(Read(), 13, 3);
    Sys.Click(*W().Btn_InsRow);
    EXPECT_EQ(Row(Read(), 3), "3|||||||||||||");
    EXPECT_EQ(Row(Read(), 4), "4" + Tail(Read3));

    Show_Tab(false);
    Click_Cell(Write(), 15, 3);
    P.Boxes.Answer(mrNo);
    Sys.Click(*W().Btn_DelRow);
    EXPECT_EQ(P.Boxes.Boxes().back().Text, u"Are you sure to delete the Row number 3");
    EXPECT_EQ(P.Boxes.Boxes().back().Buttons, static_cast<TMsgDlgButtons>(mbYesNo));
    EXPECT_EQ(Write().GetCellEx(15, 3), u"w3");
    P.Boxes.Answer(mrYes);
    Sys.Click(*W().Btn_DelRow);
    EXPECT_EQ(Row(Write(), 3), "3" + Tail(Write4));
    EXPECT_EQ(Write().GetCellEx(9, 3), u"c4");
    EXPECT_EQ(Write().GetCellEx(10, 4), u"m5");
    EXPECT_EQ(Write().GetCellEx(9, 511), u"last");
    EXPECT_EQ(Row(Write(), 512), "512|||||||||||||||");

    // A click in the number column selects the whole row.
    Click_Cell(Write(), 0, 6);
    EXPECT_EQ(Write().Selection(), (TGridRect{1, 6, Write().ColCount() - 1, 6}));
    W().Close();
  });
}

// Each column's editor through the window system, on an empty row: text is
// typed, a list run to its end, a check box clicked and toggled by Space.
TEST_F(ModbusTCPMaster, EachColumnEditsWithItsEditor) {
  const struct {
    bool In_Read;
    int Col;
    WORD List_Key;  // 0: type "1.2.3.4"
    const char* Expected;
  } Cases[] = {
      {true, 2, 0, "1.2.3.4"},          {true, 3, 0, "1.2.3.4"},        {true, 13, 0, "1.2.3.4"},
      {true, 5, VK_END, "Input Register"}, {true, 5, VK_HOME, "Coil Status"}, {true, 10, VK_END, "127"},
      {true, 11, VK_END, "7"},          {false, 5, VK_END, "Holding Register"}, {false, 12, VK_END, "1539"},
      {false, 13, VK_END, "7"},         {false, 11, 0, "1.2.3.4"},
  };
  Show([&] {
    for (const auto& C : Cases) {
      SCOPED_TRACE(std::string(C.In_Read ? "read " : "write ") + std::to_string(C.Col));
      Show_Tab(C.In_Read);
      TAdvColumnGrid& Grid = C.In_Read ? Read() : Write();
      Click_Cell(Grid, C.Col, 70);
      if (C.List_Key) {
        Sys.Key(VK_F2);
        Sys.Key(C.List_Key);
      } else {
        Sys.Type(u"1.2.3.4");
      }
      Sys.Key(VK_RETURN);
      EXPECT_EQ(StringToUtf8(Grid.GetCellEx(C.Col, 70)), C.Expected);
    }
    for (auto [Grid, Col] : {std::pair{&Read(), 1}, {&Read(), 12}, {&Write(), 14}}) {
      Show_Tab(Grid == &Read());
      const bool Was_On = Grid->GetCellEx(Col, 80) == u"Y";
      Click_Cell(*Grid, Col, 80);
      EXPECT_EQ(Grid->GetCellEx(Col, 80), Was_On ? u"N" : u"Y") << Col;
      Sys.Key(VK_SPACE);
      EXPECT_EQ(Grid->GetCellEx(Col, 80), Was_On ? u"Y" : u"N") << Col;
    }
    W().Close();
  });
}

// The three table windows follow a language change; the BACnet window
// keeps the language of start-up.
TEST_F(ModbusTCPMaster, ALanguageChangeReachesTheHeadersAndButtons) {
  for (int Index : {1100, 1102, 1107, 1110, 1137, 1702, 1706, 1724, 1300, 1302, 1305, 1402, 1409})
    P.State->Texts.SetStrings(Index, u"T" + IntToStr(Index));
  P.Main->Change_Language();
  auto& Serial = dynamic_cast<TFModbusAccess&>(*P.Main->Windows.FSetAccess);
  EXPECT_EQ(W().Caption(), u"T1100");
  EXPECT_EQ(W().Btn_OK->Caption(), u"T1102");
  EXPECT_EQ(W().TS_Modbus_Write->Caption(), u"T1107");
  EXPECT_EQ(Read().Columns()->Items(2)->Header(), u"T1110");
  EXPECT_EQ(Write().Columns()->Items(15)->Header(), u"T1137");
  EXPECT_EQ(W().Btn_CopyRow->Caption(), u"Copy Row");
  EXPECT_EQ(Serial.Btn_OK->Caption(), u"T1702");
  EXPECT_EQ(Serial.Btn_CopyRow->Caption(), u"T1706");
  EXPECT_EQ(Serial.ACG_Modbus_Write->Columns()->Items(2)->Header(), u"T1724");
  TFConfWindow& Dmx = *P.Main->Windows.FDMXDefVal;
  EXPECT_EQ(Dmx.Caption(), u"T1300");
  EXPECT_EQ(P.Control<TLbButton>(Dmx, u"Btn_OK").Caption(), u"T1302");
  EXPECT_EQ(P.Control<TAdvColumnGrid>(Dmx, u"ACG_DMX_Def_Val").Columns()->Items(1)->Header(), u"T1305");
  TFConfWindow& BACnet = *P.Main->Windows.FBACnetAccess;
  EXPECT_EQ(P.Control<TLbButton>(BACnet, u"Btn_OK").Caption(), u"OK");
}
}  // namespace
