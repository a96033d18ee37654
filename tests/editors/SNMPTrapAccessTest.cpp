// The SNMP trap tables window through its step button on an open
// configuration: the default rows, loading SNMP_Trap.xml, the checks OK
// runs, saving, Cancel, and the files it cannot read or write.
#include <gtest/gtest.h>

#include "app/BankBuilder.h"
#include "app/MibWriter.h"
#include "controls/button/LbButton.h"
#include "editors/USNMP_Trap_Access.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/gui/Application.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/HintWindow.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/SysUtils.h"
#include "tests/app/Golden.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/SystemInputDriver.h"

namespace {
using testsupport::ReadFile;
using testsupport::WriteFile;

class SNMPTrapAccess : public ::testing::Test {
 protected:
  SNMPTrapAccess() { P.Open_Project("Plant"); }

  TFSNMP_Trap_Access& W() { return dynamic_cast<TFSNMP_Trap_Access&>(*P.Main->Windows.FSNMP_Trap_Access); }
  TAdvColumnGrid& Read() { return *W().ACG_SNMP_Read; }
  TAdvColumnGrid& Write() { return *W().ACG_SNMP_Write; }
  std::filesystem::path File() const { return P.Project("Plant") / "SNMP_Trap.xml"; }

  // Opens the window by its step button and runs Action in it; Action must
  // close it. Answers the modal result.
  TModalResult Show(const std::function<void()>& Action) {
    P.Input.WhenModal(Action);
    P.Click(u"Btn_SNMP_Trap");
    return W().ModalResult();
  }
  // A data row as shown, columns 0 onwards joined by '|'.
  static std::string Row(TAdvColumnGrid& Grid, int R) {
    std::string Shown;
    for (int Col = 0; Col < Grid.AllColCount(); ++Col) Shown += (Col ? "|" : "") + StringToUtf8(Grid.GetCellEx(Col, R));
    return Shown;
  }
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
  void Click_Cell(TAdvColumnGrid& Grid, int Col, int R) {
    Grid.ScrollInView(Col, R);
    const TRect Rect = Grid.CellRect(Col, R);
    P.Input.Click(Grid, Point((Rect.Left + Rect.Right) / 2, (Rect.Top + Rect.Bottom) / 2));
  }

  std::string Bank2() {
    TBankBuilder Builder;
    Builder.Build_Banks(*P.State);
    Builder.Save_Banks(*P.State);
    return ReadFile(P.Project("Plant") / "bin" / "bank2.bin");
  }
  std::string Mib() {
    std::string Text;
    for (const String& Line : MIB_Lines(Load_MIB_Objects(P.State->File_SNMP_Trap))) Text += StringToUtf8(Line) + "\n";
    return Text;
  }

  testsupport::ProgramFixture P;
};

TEST_F(SNMPTrapAccess, WithoutAFileTheDefaultRowsAreShownAndNumbered) {
  Show([&] {
    EXPECT_EQ(W().ClientWidth(), 1256);
    EXPECT_EQ(W().ClientHeight(), 337);
    EXPECT_EQ(W().Caption(), u"Set SNMP Trap Access");
    EXPECT_EQ(W().PageControl1->ActivePage(), W().TS_SNMP_Read);
    EXPECT_EQ(W().TS_SNMP_Write->Caption(), u"SNMP Write");
    EXPECT_EQ(Read().RowCount(), 257);
    EXPECT_EQ(Write().RowCount(), 257);
    EXPECT_EQ(Read().AllColCount(), 15);
    EXPECT_EQ(Write().AllColCount(), 10);
    EXPECT_EQ(Row(Read(), 0), "N|Enable|Community Name|Type|On Change|On CMD|On Timer|Time (ms)|Position|Start "
                              "Bit|Num Bits/Bytes|Description|IP Address|Conversion|Mnemonic");
    EXPECT_EQ(Row(Read(), 1), "1|Y|vantor|Int|N|N|N|1000|0|0|8|lampADV0|192.168.2.16|None|lampADV0");
    EXPECT_EQ(Row(Read(), 64), "64|Y|vantor|Int|N|N|N|1000|504|0|8|lampADV63|192.168.2.16|None|lampADV63");
    EXPECT_EQ(Row(Read(), 65), "65|Y|||||||||||||");
    EXPECT_EQ(Row(Write(), 1), "1|Y|vantor|Int|0|0|8|lamp0|None|lamp0");
    EXPECT_EQ(Row(Write(), 64), "64|Y|vantor|Int|63|0|8|lamp63|None|lamp63");
    EXPECT_EQ(Row(Write(), 256), "256|Y||||||||");
    EXPECT_TRUE(Read().Options().Contains(goEditing));
    EXPECT_FALSE(Write().Options().Contains(goEditing));
    const struct {
      TAdvColumnGrid* Grid;
      int Col, Width, Edit_Length;
      std::size_t Items;
    } Columns[] = {{&Read(), 0, 40, 0, 0},   {&Read(), 2, 130, 15, 2},  {&Read(), 3, 60, 0, 2},
                   {&Read(), 8, 60, 0, 1440}, {&Read(), 9, 60, 0, 8},   {&Read(), 11, 130, 15, 0},
                   {&Read(), 13, 100, 0, 6},  {&Write(), 2, 130, 15, 2}, {&Write(), 4, 60, 0, 1440},
                   {&Write(), 7, 130, 15, 0}, {&Write(), 9, 500, 0, 0}};
    for (const auto& C : Columns) {
      const TGridColumnItem& Item = *C.Grid->Columns()->Items(C.Col);
      EXPECT_EQ(Item.Width(), C.Width) << C.Col;
      EXPECT_EQ(Item.EditLength(), C.Edit_Length) << C.Col;
      EXPECT_EQ(Item.MaxSize(), 0) << C.Col;
      EXPECT_EQ(static_cast<std::size_t>(Item.ComboItems()->Count()), C.Items) << C.Col;
    }
    EXPECT_EQ(Read().Columns()->Items(8)->ComboItems()->Strings(1439), u"1439");
    EXPECT_EQ(Read().Columns()->Items(2)->ComboItems()->Strings(1), u"Morlend");
    EXPECT_EQ(Write().Columns()->Items(8)->ComboItems()->Strings(3), u"Float * 100");
    int Left = 16;
    for (TLbButton* B : {W().Btn_OK, W().Btn_Cancel, W().Btn_DelRow, W().Btn_InsRow, W().Btn_CopyRow, W().Btn_PasteRow}) {
      EXPECT_EQ(B->Left(), Left);
      Left += 118;
    }
    EXPECT_EQ(W().Btn_PasteRow->Caption(), u"Paste Row");
    EXPECT_EQ(W().Btn_DelRow->Hint(), u"Delete the selected Row in the table");
    W().Close();
  });
  EXPECT_FALSE(std::filesystem::exists(File()));
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

// The header hints come through the grid's hint hook, one per column from 1.
TEST_F(SNMPTrapAccess, HeaderCellsHintTheirColumns) {
  const auto Hint = [](TAdvColumnGrid& Grid, int R, int C) {
    String Text = u"unset";
    Grid.OnGridHint(&Grid, R, C, Text);
    return StringToUtf8(Text);
  };
  EXPECT_EQ(Hint(Read(), 0, 1), "Enable/Disable the Row with the SNMP Trap Request");
  EXPECT_EQ(Hint(Read(), 0, 13), "Select the Data Conversion from Float to Int");
  EXPECT_EQ(Hint(Write(), 0, 8), "Select the Data Conversion from Int to Float");
  EXPECT_EQ(Hint(Read(), 0, 0), "");
  EXPECT_EQ(Hint(Read(), 3, 2), "");
  // A language change renames the headers and refills the hints.
  for (int Index : {1917, 1939, 1959, 1938, 1909}) P.State->Texts.SetStrings(Index, u"T" + IntToStr(Index));
  P.Main->Change_Language();
  EXPECT_EQ(Hint(Read(), 0, 1), "T1939");
  EXPECT_EQ(Hint(Write(), 0, 9), "T1959");
  EXPECT_EQ(Read().GetCellEx(1, 0), u"T1917");
  EXPECT_EQ(Write().GetCellEx(9, 0), u"T1938");
  EXPECT_EQ(W().TS_SNMP_Write->Caption(), u"T1909");
}

// Resting the pointer on a header cell shows its column's hint at the
// pointer, 6 px below the header, after the hint pause; data cells show none.
TEST_F(SNMPTrapAccess, RestingOnAHeaderShowsItsColumnsHint) {
  testsupport::SystemInputDriver Sys;
  const auto Rest = [&](TAdvColumnGrid& Grid, int Col, int R, int Dx = 5) {
    const TRect Cell = Grid.CellRect(Col, R);
    const TPoint At{Cell.Left + Dx, (Cell.Top + Cell.Bottom) / 2};
    Sys.MouseMove(Grid, At);
    P.Input.Advance(static_cast<unsigned>(Application->HintPause()));
    THintWindow* Hint = Application->HintWindow();
    if (!Hint || !Hint->Visible()) return std::string();
    EXPECT_EQ(Hint->Left(), Grid.ClientToScreen(At).X);
    EXPECT_EQ(Hint->Top(), Grid.ClientToScreen(Point(0, Cell.Bottom + 6)).Y);
    return StringToUtf8(Hint->Caption());
  };
  const auto Tab_Centre = [this](int Index) {
    const TRect Tab = W().PageControl1->TabRect(Index);
    return Point((Tab.Left + Tab.Right) / 2, (Tab.Top + Tab.Bottom) / 2);
  };
  Show([&] {
    EXPECT_EQ(Rest(Read(), 2, 0), "Insert the Community Name for the SNMP Trap (Max 15 characters)");
    EXPECT_EQ(Rest(Read(), 3, 0), "Insert the Type of SNMP Trap (Int or String)");
    EXPECT_EQ(Rest(Read(), 2, 3), "");
    EXPECT_EQ(Rest(Read(), 3, 0), "Insert the Type of SNMP Trap (Int or String)");
    Sys.Click(*W().PageControl1, Tab_Centre(1));
    ASSERT_EQ(W().PageControl1->ActivePage(), W().TS_SNMP_Write);
    EXPECT_EQ(Rest(Write(), 8, 0), "Select the Data Conversion from Int to Float");
    EXPECT_EQ(Rest(Write(), 2, 0), "Insert the Community Name for the SNMP Trap (Max 15 characters)");
    W().Close();
  });
  // A language file's text shows after a language change.
  P.State->Texts.SetStrings(1940, u"STR1940");
  P.Main->Change_Language();
  Show([&] {
    Sys.Click(*W().PageControl1, Tab_Centre(0));
    EXPECT_EQ(Rest(Read(), 2, 0, 9), "STR1940");
    W().Close();
  });
  Application->CancelHint();
}

std::string Trap_Row(int K) {
  return "<row Description=\"d" + std::to_string(K) + "\" Community_Name=\"c\" Enable=\"Y\"/>";
}

TEST_F(SNMPTrapAccess, AFileFillsTheRowsItHasAndDefaultsWhatItLacks) {
  std::string Rows;
  for (int K = 0; K < 300; ++K) Rows += K == 2 ? "<!-- by hand --><?pi x?>" + Trap_Row(K) : Trap_Row(K);
  WriteFile(File(), "<SNMP_Trap><SNMP_Trap_Read>"
                    "<row Mnemonic=\"m\" Type=\"String\" Enable=\"y\" On_Timer=\"y\" On_Change=\"Yes\"/>"
                    "<row Community_Name=\"x\"/>" +
                        Rows + "</SNMP_Trap_Read></SNMP_Trap>");
  Show([&] {
    EXPECT_EQ(Row(Read(), 1), "1|Y||String|Yes|N|Y|||||||None|m");
    EXPECT_EQ(Row(Read(), 2), "2|Y|x||N|N|N|||||||None|");
    EXPECT_EQ(Row(Read(), 3), "3|Y|c||N|N|N|||||d0||None|");
    EXPECT_EQ(Row(Read(), 5), "5|Y|c||N|N|N|||||d2||None|");  // the comment is no row
    EXPECT_EQ(Row(Read(), 256), "256|Y|c||N|N|N|||||d253||None|");
    EXPECT_EQ(Row(Write(), 1), "1|Y||||||||");
    W().Close();
  });
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

// Each case folder: input.xml (absent: no file) and the file OK writes.
TEST_F(SNMPTrapAccess, OkWritesBothTables) {
  for (const auto& Case : golden::Cases("snmp")) {
    SCOPED_TRACE(Case.filename().string());
    std::filesystem::remove(File());
    if (std::filesystem::exists(Case / "input.xml")) WriteFile(File(), ReadFile(Case / "input.xml"));
    EXPECT_EQ(Show([&] { P.Input.Click(*W().Btn_OK); }), mrOk);
    EXPECT_TRUE(P.Boxes.Boxes().empty());
    golden::ExpectSameText(ReadFile(File()), Case / "expected.xml");
    // Read back, the file shows what was written.
    const std::string Written = ReadFile(File());
    Show([&] { P.Input.Click(*W().Btn_OK); });
    EXPECT_EQ(ReadFile(File()), Written);
  }
}

struct TCheckCase {
  bool In_Read;
  int Row, Col;
  const char* Value;
  const char* Message;  // "" passes
  int Also_Col = 0;     // a second cell of the row, when not 0
  const char* Also_Value = "";
};

// Each case edits one cell of the default tables and presses OK.
TEST_F(SNMPTrapAccess, OkChecksEveryEnabledRow) {
  const std::string Row_Error = "Error row ";
  const TCheckCase Cases[] = {
      {true, 3, 2, "ab_c", "3!! [SNMP Read] Community Name is not correct (allowed characters are \"a\"..\"z\", "
                           "\"A\"..\"Z\" and \"0\"..\"9\")"},
      {true, 4, 3, " ", "4!! [SNMP Read] Type must be selected"},
      {true, 5, 6, "Y", ""},  // with Time 1000
      {true, 5, 7, "abc", ""},  // the timer is off
      {true, 6, 8, "", "6!! [SNMP Read] Position must be selected"},
      {true, 6, 8, "abc", "6!! [SNMP Read] Position must be selected"},
      {true, 6, 8, "1440", "6!! [SNMP Read] Position must be selected"},
      {true, 6, 8, "1439", ""},
      {true, 7, 9, "8", "7!! [SNMP Read] Start Bit must be selected"},
      {true, 7, 9, "7", ""},
      {true, 8, 3, "String", "", 10, "16"},
      {true, 8, 3, "String", "8!! [SNMP Read] Num Bits/Bytes must be between 1 and 16 bytes", 10, "17"},
      {true, 8, 3, "string", "8!! [SNMP Read] Start Bit must be 0 if Type is String", 9, "3"},
      {true, 8, 3, " Int", "8!! [SNMP Read] Num Bits/Bytes must be between 1 and 16 bytes", 10, "20"},
      {true, 8, 3, "iNT", "", 10, "20"},
      {true, 5, 6, "y", "5!! [SNMP Read] Time must be between 1 and 1000000000 ms", 7, "0"},
      {true, 5, 6, "Y", "5!! [SNMP Read] Time must be between 1 and 1000000000 ms", 7, "abc"},
      {true, 5, 6, "Y", "", 7, "1000000000"},
      {false, 5, 3, "String", "5!! [SNMP Write] Start Bit must be 0 if Type is String", 5, "1"},
      {false, 5, 3, "String", "5!! [SNMP Write] Num Bits/Bytes must be between 1 and 16 bytes", 6, "17"},
      {true, 9, 10, "65", "9!! [SNMP Read] Num Bits/Bytes must be between 1 and 64 bits"},
      {true, 9, 10, "64", ""},
      {true, 10, 11, "Lamp", "10!! [SNMP Read] Description is not correct (allowed characters are \"a\"..\"z\", "
                             "\"A\"..\"Z\" and \"0\"..\"9\"). First character must be a letter and must be lowercase"},
      {true, 10, 11, "1amp", "10!! [SNMP Read] Description is not correct (allowed characters are \"a\"..\"z\", "
                             "\"A\"..\"Z\" and \"0\"..\"9\"). First character must be a letter and must be lowercase"},
      {true, 11, 12, "192.168.1.256", "11!! [SNMP Read] IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
      {true, 12, 13, "Float*10", "12!! [SNMP Read] Conversion must be selected"},
      {true, 12, 13, " float / 100 ", ""},
      {true, 13, 1, "N", "", 2, "a_b"},  // a disabled row is not checked
      // An empty description passes its own check: the address is checked next.
      {true, 14, 11, "", "14!! [SNMP Read] IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)", 12, "x"},
      {true, 14, 11, "lampADV15", "Error!! The Descriptions must be all differents"},
      {false, 3, 2, "a b", "3!! [SNMP Write] Community Name is not correct (allowed characters are \"a\"..\"z\", "
                           "\"A\"..\"Z\" and \"0\"..\"9\")"},
      {false, 4, 3, "", "4!! [SNMP Write] Type must be selected"},
      {false, 5, 4, "2000", "5!! [SNMP Write] Position must be selected"},
      {false, 6, 5, "9", "6!! [SNMP Write] Start Bit must be selected"},
      {false, 7, 6, "0", "7!! [SNMP Write] Num Bits/Bytes must be between 1 and 64 bits"},
      {false, 8, 7, "x_1", "8!! [SNMP Write] Descrtiption is not correct (allowed characters are \"a\"..\"z\", "
                           "\"A\"..\"Z\" and \"0\"..\"9\"). First character must be a letter and must be lowercase"},
      {false, 9, 8, "", "9!! [SNMP Write] Conversion must be selected"},
      {false, 10, 7, "lampADV3", "Error!! The Descriptions must be all differents"},
      {false, 10, 7, "lamp11", "Error!! The Descriptions must be all differents"},
  };
  for (const TCheckCase& C : Cases) {
    SCOPED_TRACE(std::string(C.In_Read ? "read " : "write ") + std::to_string(C.Row) + "," + std::to_string(C.Col) +
                 " = \"" + C.Value + "\"");
    std::filesystem::remove(File());
    const std::string Message = Ok_Message([&] {
      TAdvColumnGrid& Grid = C.In_Read ? Read() : Write();
      Grid.SetCellEx(C.Col, C.Row, S(C.Value));
      if (C.Also_Col) Grid.SetCellEx(C.Also_Col, C.Row, S(C.Also_Value));
    });
    const std::string Expected = *C.Message == 0 || std::string(C.Message).starts_with("Error!!")
                                     ? C.Message
                                     : Row_Error + C.Message;
    EXPECT_EQ(Message, Expected);
    EXPECT_EQ(std::filesystem::exists(File()), *C.Message == 0);
  }
}

// A row without a Community Name is passed over, not the table's end: the
// rows below it are checked and written, an error there with its own number.
TEST_F(SNMPTrapAccess, AnEmptyCommunityNameLeavesTheRowsBelowInTheTable) {
  const auto Gap = [&] { Read().SetCellEx(2, 3, u" "); };
  EXPECT_EQ(Ok_Message([&] {
              Gap();
              Read().SetCellEx(9, 10, u"x");
              Read().SetCellEx(3, 12, u"");  // a later failure loses
            }),
            "Error row 10!! [SNMP Read] Start Bit must be selected");
  EXPECT_EQ(Ok_Message([&] {
              Read().SetCellEx(2, 3, u"");
              P.Input.Click(*W().Btn_InsRow);
            }),
            "");
  const std::string Saved = ReadFile(File());
  EXPECT_EQ(Saved.find("lampADV2\""), std::string::npos);
  EXPECT_NE(Saved.find("Description=\"lampADV63\""), std::string::npos);
}

TEST_F(SNMPTrapAccess, TwoEmptyDescriptionsAreDuplicates) {
  EXPECT_EQ(Ok_Message([&] { Read().SetCellEx(11, 1, u""); }), "");
  EXPECT_EQ(Ok_Message([&] {
              Read().SetCellEx(11, 1, u"");
              Write().SetCellEx(7, 64, u"");
            }),
            "Error!! The Descriptions must be all differents");
}

TEST_F(SNMPTrapAccess, CancelWritesNothingAndTheNextShowingShowsTheFile) {
  const std::string Before = "<SNMP_Trap><SNMP_Trap_Write><row Enable=\"N\" Community_Name=\"w\"/></SNMP_Trap_Write></SNMP_Trap>";
  WriteFile(File(), Before);
  EXPECT_EQ(Show([&] {
              Write().SetCellEx(2, 1, u"changed");
              P.Input.Click(*W().Btn_Cancel);
            }),
            mrCancel);
  EXPECT_EQ(ReadFile(File()), Before);
  Show([&] {
    EXPECT_EQ(Row(Write(), 1), "|N|w||||||None|");
    EXPECT_EQ(Row(Write(), 2), "1|Y||||||||");
    W().Close();
  });
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST_F(SNMPTrapAccess, ADamagedFileKeepsTheWindowClosedAndIsLeftAlone) {
  const std::string Damaged = "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\"></SNMP_Trap>";
  WriteFile(File(), Damaged);
  P.Click(u"Btn_SNMP_Trap");  // the window never waits for input
  ASSERT_EQ(P.Boxes.Boxes().size(), 1u);
  EXPECT_EQ(P.Boxes.Boxes()[0].Kind, mtError);
  EXPECT_NE(P.Boxes.Boxes()[0].Text.find(u"SNMP_Trap.xml"), String::npos);
  EXPECT_FALSE(W().Visible());
  EXPECT_EQ(ReadFile(File()), Damaged);
}

TEST_F(SNMPTrapAccess, AFailedWriteKeepsTheWindowTheRowsAndTheOldFile) {
  Show([&] { P.Input.Click(*W().Btn_OK); });
  const std::string Before = ReadFile(File());
  bool Open_After_OK = false;
  std::string After_OK;
  const TModalResult Result = Show([&] {
    Read().SetCellEx(14, 1, u"kept");
    SetSafeWriteFaultForTests([](std::string_view Step) { return Step == "create" ? EACCES : 0; });
    P.Input.Click(*W().Btn_OK);
    SetSafeWriteFaultForTests(nullptr);
    Open_After_OK = W().Visible() && W().ModalResult() == mrNone;
    After_OK = Row(Read(), 1);
    P.Input.Click(*W().Btn_Cancel);
  });
  EXPECT_TRUE(Open_After_OK);
  EXPECT_EQ(After_OK, "1|Y|vantor|Int|N|N|N|1000|0|0|8|lampADV0|192.168.2.16|None|kept");
  EXPECT_EQ(Result, mrCancel);
  ASSERT_EQ(P.Boxes.Boxes().size(), 1u);
  EXPECT_EQ(P.Boxes.Boxes()[0].Kind, mtError);
  EXPECT_NE(P.Boxes.Boxes()[0].Text.find(u"SNMP_Trap.xml"), String::npos);
  EXPECT_EQ(ReadFile(File()), Before);
}

// The row buttons act on the current row of the shown table; the numbers
// follow only a click on an Enable box, and only in its own table.
TEST_F(SNMPTrapAccess, RowButtonsAndTheNumbering) {
  Show([&] {
    const std::string Row2 = Row(Read(), 2), Row3 = Row(Read(), 3), Row4 = Row(Read(), 4);
    const auto Tail = [](const std::string& Shown) { return Shown.substr(Shown.find('|')); };
    Click_Cell(Read(), 14, 2);
    P.Input.Click(*W().Btn_CopyRow);
    Click_Cell(Read(), 14, 5);
    P.Boxes.Answer(mrNo);
    P.Input.Click(*W().Btn_PasteRow);
    EXPECT_EQ(Row(Read(), 5).find("lampADV4"), 2 + std::string("Y|vantor|Int|N|N|N|1000|32|0|8|").size());
    P.Boxes.Answer(mrYes);
    P.Input.Click(*W().Btn_PasteRow);
    EXPECT_EQ(Row(Read(), 5), "5" + Tail(Row2));
    ASSERT_EQ(P.Boxes.Boxes().size(), 2u);
    EXPECT_EQ(P.Boxes.Boxes()[0].Text, u"Row Already used. Do you want to overwrite the values?");

    // A row copied from the read table does not paste into the write table.
    const TRect Tab = W().PageControl1->TabRect(1);
    P.Input.Click(*W().PageControl1, Point((Tab.Left + Tab.Right) / 2, (Tab.Top + Tab.Bottom) / 2));
    ASSERT_EQ(W().PageControl1->ActivePage(), W().TS_SNMP_Write);
    const std::string Write1 = Row(Write(), 1);
    P.Input.Click(*W().Btn_PasteRow);
    EXPECT_EQ(P.Boxes.Boxes().back().Text, u"Error!!! Copy a valid row before Paste it");
    EXPECT_EQ(Row(Write(), 1), Write1);
    W().PageControl1->SetActivePage(W().TS_SNMP_Read);

    Click_Cell(Read(), 14, 3);
    P.Input.Click(*W().Btn_InsRow);
    EXPECT_EQ(Row(Read(), 3), "3|Y|||||||||||||");
    EXPECT_EQ(Row(Read(), 4), "4" + Tail(Row3));
    P.Boxes.Answer(mrNo);
    P.Input.Click(*W().Btn_DelRow);
    EXPECT_EQ(P.Boxes.Boxes().back().Text, u"Are you sure to delete the Row number 3");
    EXPECT_EQ(P.Boxes.Boxes().back().Buttons, static_cast<TMsgDlgButtons>(mbYesNo));
    EXPECT_EQ(Row(Read(), 3), "3|Y|||||||||||||");
    P.Boxes.Answer(mrYes);
    P.Input.Click(*W().Btn_DelRow);
    EXPECT_EQ(Row(Read(), 3), "3" + Tail(Row3));
    P.Boxes.Answer(mrYes);
    P.Input.Click(*W().Btn_DelRow);
    EXPECT_EQ(Row(Read(), 3), "3" + Tail(Row4));
    EXPECT_EQ(Row(Read(), 256), "256" + std::string(14, '|'));  // emptied; not renumbered yet

    Click_Cell(Read(), 1, 2);
    EXPECT_EQ(Read().GetCellEx(1, 2), u"N");
    EXPECT_EQ(Read().GetCellEx(0, 2), u"");
    EXPECT_EQ(Read().GetCellEx(0, 3), u"2");
    EXPECT_EQ(Read().GetCellEx(0, 255), u"");  // emptied by the deletes
    EXPECT_EQ(Read().GetCellEx(0, 254), u"253");
    EXPECT_EQ(Write().GetCellEx(0, 3), u"3");

    P.Input.Key(VK_SPACE);  // the current Enable cell, toggled back by key
    EXPECT_EQ(Read().GetCellEx(1, 2), u"Y");
    EXPECT_EQ(Read().GetCellEx(0, 2), u"2");
    EXPECT_EQ(Read().GetCellEx(0, 3), u"3");
    W().Close();
  });
}

// What OK writes is what the bank builder and the MIB writer take: the
// untouched defaults give what no file gives, and a file with a gap gives
// the expected trap tables and module.
TEST_F(SNMPTrapAccess, TheBankAndTheModuleFollowTheSavedTables) {
  const std::string Without_File = Bank2(), Mib_Without_File = Mib();
  Show([&] { P.Input.Click(*W().Btn_OK); });
  EXPECT_EQ(Bank2(), Without_File);
  EXPECT_EQ(Mib(), Mib_Without_File);

  const auto Case = golden::Data("snmp") / "gap";
  WriteFile(File(), ReadFile(Case / "input.xml"));
  Show([&] { P.Input.Click(*W().Btn_OK); });
  EXPECT_TRUE(Bank2() == ReadFile(Case / "bank2.bin"));
  golden::ExpectSameText(Mib(), Case / "module.mib");
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

// Each column's editor through the window system, on an empty row: text is
// typed, a list is run to its end; the write grid edits though its
// editing option is off.
TEST_F(SNMPTrapAccess, EachColumnEditsWithItsEditor) {
  const std::string Long = "abcdefghijklmnopqrst";
  const struct {
    bool In_Read;
    int Col;
    WORD List_Key;  // 0: type Long
    const char* Expected;
  } Cases[] = {
      {true, 2, 0, "abcdefghijklmno"},   {true, 11, 0, "abcdefghijklmno"}, {true, 14, 0, Long.c_str()},
      {true, 7, 0, Long.c_str()},        {true, 3, VK_END, "String"},      {true, 8, VK_END, "1439"},
      {true, 9, VK_END, "7"},            {true, 13, VK_END, "Float / 100"}, {true, 8, VK_HOME, "0"},
      {false, 2, 0, "abcdefghijklmno"},  {false, 7, 0, "abcdefghijklmno"}, {false, 9, 0, Long.c_str()},
      {false, 4, VK_END, "1439"},        {false, 5, VK_END, "7"},          {false, 8, VK_END, "Float / 100"},
  };
  Show([&] {
    for (const auto& C : Cases) {
      SCOPED_TRACE(std::string(C.In_Read ? "read " : "write ") + std::to_string(C.Col));
      W().PageControl1->SetActivePage(C.In_Read ? W().TS_SNMP_Read : W().TS_SNMP_Write);
      TAdvColumnGrid& Grid = C.In_Read ? Read() : Write();
      Click_Cell(Grid, C.Col, 70);
      if (Grid.Columns()->Items(C.Col)->Editor() != edNormal) P.Input.Key(VK_F2);
      if (C.List_Key) P.Input.Key(C.List_Key);
      else P.Input.Type(S(Long));
      P.Input.Key(VK_RETURN);
      EXPECT_EQ(StringToUtf8(Grid.GetCellEx(C.Col, 70)), C.Expected);
    }
    W().Close();
  });
}

// Enter in an open editor stores the text and jumps; the editor does not stay
// behind, so the next text typed goes into the next cell.
TEST_F(SNMPTrapAccess, EnterInAnOpenEditorJumpsWithoutLeavingTheEditorBehind) {
  P.State->Enable_Jump = true;
  Show([&] {
    Click_Cell(Read(), 11, 70);
    P.Input.Type(u"lamp");
    P.Input.Key(VK_RETURN);
    EXPECT_EQ(Read().GetCellEx(11, 70), u"lamp");
    EXPECT_EQ(Read().Col(), 12);
    EXPECT_FALSE(Read().EditorMode());
    EXPECT_FALSE(Read().InplaceEditor()->Visible());
    P.Input.Type(u"10.0.0.1");
    P.Input.Key(VK_RETURN);
    EXPECT_EQ(Read().GetCellEx(11, 70), u"lamp");
    EXPECT_EQ(Read().GetCellEx(12, 70), u"10.0.0.1");
    EXPECT_EQ(Read().Col(), 13);
    EXPECT_EQ(Read().Row(), 70);
    W().Close();
  });
}

TEST_F(SNMPTrapAccess, EnterJumpsAndHeaderDoubleClicksSizeOnlyWhenSwitchedOn) {
  for (const bool On : {false, true}) {
    SCOPED_TRACE(On ? "on" : "off");
    P.State->Enable_Jump = On;
    P.State->Enable_Auto_Size = On;
    Show([&] {
      Click_Cell(Read(), 12, 2);
      P.Input.Key(VK_RETURN);
      if (On) {
        EXPECT_EQ(Read().Col(), 13);
        EXPECT_EQ(Read().Row(), 2);
      }
      Read().SetCol(14);
      P.Input.Key(VK_RETURN);
      if (On) {
        EXPECT_EQ(Read().Col(), 1);
        EXPECT_EQ(Read().Row(), 3);
      } else {
        EXPECT_EQ(Read().Row(), 2);
      }
      const int Width = Read().ColWidths(14);
      const TRect Data = Read().CellRect(14, Read().TopRow());
      P.Input.DoubleClick(Read(), Point(Data.Left + 5, (Data.Top + Data.Bottom) / 2));
      EXPECT_EQ(Read().ColWidths(14), Width);
      Read().SetLeftCol(10);
      const TRect Header = Read().CellRect(14, 0);
      P.Input.DoubleClick(Read(), Point((Header.Left + Header.Right) / 2, (Header.Top + Header.Bottom) / 2));
      EXPECT_EQ(Read().ColWidths(14) != Width, On);
      W().Close();
    });
  }
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}
}  // namespace
