// The serial Modbus master window, which no step opens, through its window
// slot on an open configuration: its own tables, checks and file; what it
// shares with the TCP window is tested there.
#include <gtest/gtest.h>

#include "editors/USetAccess.h"
#include "tests/app/Golden.h"
#include "tests/editors/ModbusFixture.h"

namespace {
using testsupport::ReadFile;
using testsupport::WriteFile;

class ModbusSerialMaster : public testsupport::ModbusFixture {
 protected:
  ModbusSerialMaster() : ModbusFixture(&TProgramWindows::FSetAccess, "ModbusM_SetAccess.xml") {}
  void Open_Window() override { W().ShowModal(); }
};

constexpr std::initializer_list<const char*> Good_Read = {"Y",  "1",   "Holding Register", "0", "4", "1000",
                                                          "3",  "0",   "0",                "N", "m"};
constexpr std::initializer_list<const char*> Good_Write = {"Y", "1", "Holding Register", "0", "1", "1000", "N",
                                                           "N", "3", "0",                "0", "N", "m"};

TEST_F(ModbusSerialMaster, TheTablesWithoutAFile) {
  Show([&] {
    EXPECT_EQ(W().ClientWidth(), 956);
    EXPECT_EQ(W().ClientHeight(), 337);
    EXPECT_EQ(W().Caption(), u"Set Modbus Access");
    EXPECT_EQ(Read().AllColCount(), 12);
    EXPECT_EQ(Write().AllColCount(), 14);
    EXPECT_TRUE(Write().IsHiddenColumn(7));
    EXPECT_TRUE(Write().IsHiddenColumn(8));
    EXPECT_EQ(Row(Write(), 0), "N|Enable|Slave ID|Type|Address|NPoint|Poll Time|On Change|On CMD|Max "
                               "Error|Position|Start Bit|Swap|Mnemonic");
    EXPECT_EQ(Row(Read(), 512), "512|Y||||||||||");
    EXPECT_EQ(Read().Columns()->Items(8)->ComboItems()->Count(), 128);
    EXPECT_EQ(Write().Columns()->Items(10)->ComboItems()->Strings(1539), u"1539");
    EXPECT_EQ(Write().Columns()->Items(3)->ComboItems()->Count(), 2);
    EXPECT_EQ(Read().Columns()->Items(3)->ComboItems()->Strings(3), u"Input Register");
    EXPECT_EQ(Write().Columns()->Items(13)->Width(), 237);
    EXPECT_EQ(W().Btn_PasteRow->Caption(), u"Paste Row");
    W().Close();
  });
  EXPECT_FALSE(std::filesystem::exists(File()));
}

// Each case puts a good row at row 3 below two disabled wrong ones.
TEST_F(ModbusSerialMaster, OkChecksTheEnabledRowsWithTheirMessages) {
  Run_Check_Cases(
      {
      {true, 2, "0", 1737},           {true, 2, "248", 1737},         {true, 3, "", 1738},
      {true, 4, "65536", 1739},       {true, 5, "126", 1740, "125"},  {true, 3, "Coil Status", 1740, "2000", 5, "2001"},
      {true, 6, "0", 1741},           {true, 7, "-1", 1742},          {true, 8, "128", 1743, "127"},
      {true, 3, "Input Status", 1744, "", 9, ""},                     {true, 8, "121", 1745},
      {false, 2, "248", 1746},        {false, 3, "", 1747},           {false, 4, "x", 1748},
      {false, 5, "124", 1749, "123"}, {false, 3, "Coil Status", 1749, "1968", 5, "1969"},
      {false, 6, "-1", 1750},         {false, 9, "100000001", 1751},  {false, 10, "1600", 1752, "1539"},
      {false, 3, "Coil Status", 1753, "", 11, ""},                    {false, 10, "1538", 0},
      {false, 10, "1539", 1754},      {false, 7, "junk", 0},
      },
      3, 1736, [&](bool In_Read) {
        for (TAdvColumnGrid* Grid : {&Read(), &Write()})
          for (int R = 1; R <= 2; ++R) Set_Row(*Grid, R, {"N", "999", "x"});
        Set_Row(In_Read ? Read() : Write(), 3, In_Read ? Good_Read : Good_Write);
      });
  EXPECT_EQ(StringToUtf8(P.Text(1754)), "!! [Modbus Write] Too many bytes to read starting from the Position indicate");
}

// The hidden On cells are written as loaded.
TEST_F(ModbusSerialMaster, OkWritesBothTablesAndCancelWritesNothing) {
  Expect_Golden_Cases("modbus");
  Expect_Cancel_Keeps_The_File("modbus");
}

TEST_F(ModbusSerialMaster, AFileItCannotTakeKeepsTheWindowClosed) {
  const std::string Lacking = "<EtherNetIP_to_Modbus><Modbus_Read><row Slave_ID=\"1\"/></Modbus_Read></EtherNetIP_to_Modbus>";
  WriteFile(File(), Lacking);
  Open();
  ASSERT_EQ(P.Boxes.Boxes().size(), 1u);
  EXPECT_NE(P.Boxes.Boxes()[0].Text.find(u"ModbusM_SetAccess.xml"), String::npos);
  EXPECT_NE(P.Boxes.Boxes()[0].Text.find(u"\"Type\""), String::npos);
  EXPECT_FALSE(W().Visible());
  EXPECT_EQ(ReadFile(File()), Lacking);
}

// Editing with the column editors and the row buttons on the serial tables.
TEST_F(ModbusSerialMaster, EditingAndRowButtons) {
  Show([&] {
    Click_Cell(Read(), 2, 1);
    Sys.Type(u"12");
    Sys.Key(VK_RETURN);
    Click_Cell(Read(), 3, 1);
    Sys.Key(VK_F2);
    Sys.Key(VK_END);
    Sys.Key(VK_RETURN);
    Click_Cell(Read(), 10, 1);
    EXPECT_EQ(Row(Read(), 1), "1|Y|12|Input Register|||||||Y|");
    Sys.Key(VK_SPACE);
    EXPECT_EQ(Read().GetCellEx(10, 1), u"N");
    Click_Cell(Read(), 5, 1);
    Sys.Click(*W().Btn_CopyRow);
    Click_Cell(Read(), 5, 2);
    Sys.Click(*W().Btn_PasteRow);
    EXPECT_EQ(Row(Read(), 2), "2|Y|12|Input Register|||||||N|");
    Click_Cell(Read(), 5, 1);
    Sys.Click(*W().Btn_InsRow);
    EXPECT_EQ(Row(Read(), 1), "1|||||||||||");
    EXPECT_EQ(Row(Read(), 3), "3|Y|12|Input Register|||||||N|");
    P.Boxes.Answer(mrYes);
    Sys.Click(*W().Btn_DelRow);
    EXPECT_EQ(P.Boxes.Boxes().back().Text, u"Are you sure to delete the Row number 1");
    EXPECT_EQ(Row(Read(), 1), "1|Y|12|Input Register|||||||N|");
    W().Close();
  });
}
}  // namespace
