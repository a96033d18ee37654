// The DALI access window through its step button on an open configuration:
// loading DALI_Access.xml, the Enable column, saving, Cancel, the files it
// cannot read or write, and what the banks and the GSDML take from it.
#include <gtest/gtest.h>

#include <fstream>

#include "app/BankBuilder.h"
#include "app/BankLayout.h"
#include "app/GsdmlWriter.h"
#include "controls/button/LbButton.h"
#include "editors/UDALI_Access.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/gui/Menus.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/SysUtils.h"
#include "tests/app/Golden.h"
#include "tests/app/ProgramFixture.h"

namespace {
using testsupport::ReadFile;
using testsupport::WriteFile;

class DALIAccess : public ::testing::Test {
 protected:
  DALIAccess() {
    std::filesystem::create_directories(P.Project("Plant"));
    P.State->Project_Name = u"Plant";
    P.State->Project_Path = S(P.Project("Plant").string());
    P.State->Set_Files();
  }

  TFDALI_Access& W() { return dynamic_cast<TFDALI_Access&>(*P.Main->Windows.FDALI_Access); }
  TAdvColumnGrid& Grid() { return *W().ACG_DALI_Device; }
  std::filesystem::path File() const { return P.Project("Plant") / "DALI_Access.xml"; }

  // Opens the window by its step button and runs Action in it; Action must
  // close it. Answers the modal result.
  TModalResult Show(const std::function<void()>& Action) {
    P.Input.WhenModal(Action);
    P.Click(u"Btn_DALI_Access");
    return W().ModalResult();
  }
  // The Enable column as shown: one 'Y' or 'N' per device.
  std::string Enables() {
    std::string Shown;
    for (int Row = 1; Row <= DALI_Device_Count; ++Row) Shown += StringToUtf8(Grid().GetCellEx(1, Row));
    return Shown;
  }
  std::string Shown_Enables() {
    std::string Shown;
    Show([&] {
      Shown = Enables();
      W().Close();
    });
    return Shown;
  }
  static std::string Enabled_Only(std::initializer_list<int> Devices) {
    std::string Expected(DALI_Device_Count, 'N');
    for (int Device : Devices) Expected[static_cast<std::size_t>(Device)] = 'Y';
    return Expected;
  }
  // A click in the middle of a device's Enable cell, scrolled into view.
  void Click_Enable(int Device) {
    Grid().ScrollInView(1, Device + 1);
    const TRect R = Grid().CellRect(1, Device + 1);
    P.Input.Click(Grid(), Point((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2));
  }
  // One action per line: "Select All", "Clear All" or "Click <device>".
  void Run_Actions(const std::filesystem::path& Actions) {
    std::ifstream In(Actions);
    for (std::string Line; std::getline(In, Line);) {
      if (Line == "Select All") P.Input.Click(*W().Btn_SelectAll);
      else if (Line == "Clear All") P.Input.Click(*W().Btn_ClearAll);
      else if (Line.starts_with("Click ")) Click_Enable(std::stoi(Line.substr(6)));
      else ADD_FAILURE() << "unknown action " << Line;
    }
  }
  std::string Bank2() {
    TBankBuilder Builder;
    Builder.Build_Banks(*P.State);
    Builder.Save_Banks(*P.State);
    return ReadFile(P.Project("Plant") / "bin" / "bank2.bin");
  }

  testsupport::ProgramFixture P;
};

TEST_F(DALIAccess, WithoutAFileEveryDeviceIsOffInTwoShownColumns) {
  Show([&] {
    EXPECT_EQ(Enables(), std::string(DALI_Device_Count, 'N'));
    EXPECT_EQ(Grid().RowCount(), 65);
    EXPECT_EQ(Grid().GetCellEx(0, 1), u"DALI ID Device 0");
    EXPECT_EQ(Grid().GetCellEx(0, 64), u"DALI ID Device 63");
    EXPECT_EQ(Grid().GetCellEx(0, 0), u"DALI ID Device");
    EXPECT_EQ(Grid().GetCellEx(1, 0), u"Enable");
    EXPECT_EQ(Grid().ColCount(), 2);
    EXPECT_EQ(Grid().AllColCount(), 6);
    EXPECT_EQ(Grid().ColWidths(0), 200);
    EXPECT_EQ(Grid().ColWidths(1), 90);
    EXPECT_EQ(W().ClientWidth(), 880);
    EXPECT_EQ(W().ClientHeight(), 496);
    EXPECT_EQ(W().Caption(), u"DALI Access");
    EXPECT_EQ(W().L_SW_Desc->Caption(), u"Select the DALI Device Present in the  Network");
    const struct {
      TLbButton* Button;
      int Left;
      const char16_t* Caption;
      bool Visible;
    } Buttons[] = {{W().Btn_OK, 16, u"OK", true},
                   {W().Btn_Cancel, 134, u"Cancel", true},
                   {W().Btn_SelectAll, 252, u"Select All", true},
                   {W().Btn_ClearAll, 370, u"Clear All", true},
                   {W().Btn_DALI_Maps, 488, u"DALI Maps", false}};
    for (const auto& B : Buttons) {
      EXPECT_EQ(B.Button->Left(), B.Left);
      EXPECT_EQ(B.Button->Width(), 110);
      EXPECT_EQ(B.Button->Height(), 28);
      EXPECT_EQ(B.Button->Caption(), B.Caption);
      EXPECT_EQ(B.Button->Visible(), B.Visible) << StringToUtf8(B.Caption);
    }
    EXPECT_EQ(W().Btn_ClearAll->Hint(), u"Unselect All DALI Device");
    EXPECT_FALSE(W().PDaliGroupBroad->Visible() || W().Splitter1->Visible() || W().L_NBI_Title->Visible());
    EXPECT_TRUE(Grid().Focused());
    W().Close();
  });
  EXPECT_FALSE(std::filesystem::exists(File()));
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST_F(DALIAccess, OnlyTheTextOneEnablesADevice) {
  WriteFile(File(), ReadFile(golden::Data("dali") / "some" / "input.xml"));
  // "1" for 0, 4, 5, 63; " 1", "01", "" and missing elements are off.
  EXPECT_EQ(Shown_Enables(), Enabled_Only({0, 4, 5, 63}));
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

// Each case folder: input.xml (absent: no file), actions.txt, expected.xml.
TEST_F(DALIAccess, OkRewritesTheWholeFileFromTheEnableColumn) {
  for (const auto& Case : golden::Cases("dali")) {
    SCOPED_TRACE(Case.filename().string());
    std::filesystem::remove(File());
    if (std::filesystem::exists(Case / "input.xml")) WriteFile(File(), ReadFile(Case / "input.xml"));
    const TModalResult Result = Show([&] {
      Run_Actions(Case / "actions.txt");
      P.Input.Click(*W().Btn_OK);
    });
    EXPECT_EQ(Result, mrOk);
    EXPECT_TRUE(P.Boxes.Boxes().empty());
    golden::ExpectSameText(ReadFile(File()), Case / "expected.xml");
  }
}

TEST_F(DALIAccess, TheReadOnlyNameColumnOpensNoEditor) {
  Show([&] {
    const auto Editor_Shown = [&] {
      return Grid().EditMode() || (Grid().InplaceEditor() && Grid().InplaceEditor()->Visible());
    };
    const TRect R = Grid().CellRect(0, 3);
    P.Input.DoubleClick(Grid(), Point(R.Left + 10, (R.Top + R.Bottom) / 2));
    EXPECT_EQ(Grid().Col(), 0);
    EXPECT_FALSE(Editor_Shown()) << "double click";
    P.Input.Type(u"x");
    EXPECT_FALSE(Editor_Shown()) << "typed";
    P.Input.Key(VK_F2);
    EXPECT_FALSE(Editor_Shown()) << "F2";
    P.Input.Type(u"zz");
    P.Input.Key(VK_RETURN);
    EXPECT_EQ(Grid().GetCellEx(0, 3), u"DALI ID Device 2");
    W().Close();
  });
}

TEST_F(DALIAccess, AnEnableCellWithBlanksAndSmallLettersCountsAsOn) {
  Show([&] {
    Grid().SetCellEx(1, 3, u" y ");
    P.Input.Click(*W().Btn_OK);
  });
  EXPECT_NE(ReadFile(File()).find("<DALI_ID_DEVICE_2>1</DALI_ID_DEVICE_2>"), std::string::npos);
  EXPECT_EQ(Shown_Enables(), Enabled_Only({2}));
}

TEST_F(DALIAccess, CancelWritesNothingAndTheNextShowingShowsTheFile) {
  const std::string Before = ReadFile(golden::Data("dali") / "some" / "input.xml");
  WriteFile(File(), Before);
  EXPECT_EQ(Show([&] {
              P.Input.Click(*W().Btn_SelectAll);
              Click_Enable(0);
              P.Input.Click(*W().Btn_Cancel);
            }),
            mrCancel);
  EXPECT_TRUE(P.Boxes.Boxes().empty());
  EXPECT_EQ(ReadFile(File()), Before);
  EXPECT_EQ(Shown_Enables(), Enabled_Only({0, 4, 5, 63}));
}

TEST_F(DALIAccess, ADamagedFileKeepsTheWindowClosedAndIsLeftAlone) {
  const std::string Damaged = "<DALI_Access><DALI_ID_DEVICE_0>1</DALI_Access>";
  WriteFile(File(), Damaged);
  P.Click(u"Btn_DALI_Access");  // the window never waits for input
  ASSERT_EQ(P.Boxes.Boxes().size(), 1u);
  EXPECT_EQ(P.Boxes.Boxes()[0].Kind, mtError);
  EXPECT_NE(P.Boxes.Boxes()[0].Text.find(u"DALI_Access.xml"), String::npos);
  EXPECT_FALSE(W().Visible());
  EXPECT_EQ(ReadFile(File()), Damaged);
  // Mended, the file is read again on the next showing.
  WriteFile(File(), "<DALI_Access><DALI_ID_DEVICE_3>1</DALI_ID_DEVICE_3></DALI_Access>");
  EXPECT_EQ(Shown_Enables(), Enabled_Only({3}));
}

TEST_F(DALIAccess, AFailedWriteKeepsTheWindowTheChoicesAndTheOldFile) {
  const std::string Before = ReadFile(golden::Data("dali") / "some" / "input.xml");
  WriteFile(File(), Before);
  bool Open_After_OK = false;
  std::string After_OK;
  const TModalResult Result = Show([&] {
    Click_Enable(1);
    SetSafeWriteFaultForTests([](std::string_view Step) { return Step == "create" ? EACCES : 0; });
    P.Input.Click(*W().Btn_OK);
    SetSafeWriteFaultForTests(nullptr);
    Open_After_OK = W().Visible() && W().ModalResult() == mrNone;
    After_OK = Enables();
    P.Input.Click(*W().Btn_Cancel);
  });
  EXPECT_TRUE(Open_After_OK);
  EXPECT_EQ(After_OK, Enabled_Only({0, 1, 4, 5, 63}));
  EXPECT_EQ(Result, mrCancel);
  ASSERT_EQ(P.Boxes.Boxes().size(), 1u);
  EXPECT_EQ(P.Boxes.Boxes()[0].Kind, mtError);
  EXPECT_NE(P.Boxes.Boxes()[0].Text.find(u"DALI_Access.xml"), String::npos);
  EXPECT_EQ(ReadFile(File()), Before);
}

// What OK writes is what the banks and the GSDML take: the enable word of
// exactly the enabled devices is 0x8000, 8 input bytes each.
TEST_F(DALIAccess, TheBanksAndTheInputLengthFollowTheSavedChoices) {
  const std::string Without_File = Bank2();
  ASSERT_EQ(Without_File.size(), Bank2_Size);
  Show([&] { P.Input.Click(*W().Btn_OK); });
  EXPECT_EQ(Bank2(), Without_File);
  EXPECT_EQ(Count_Input_Bytes(P.State->File_DALI_Access), 0);

  const std::initializer_list<int> Enabled{0, 5, 40, 63};
  Show([&] {
    for (int Device : Enabled) Click_Enable(Device);
    P.Input.Click(*W().Btn_OK);
  });
  std::string Expected = Without_File;
  for (int Device : Enabled) {
    const std::size_t Word = 2 * Trap_Table_Size + 4 + 2 * static_cast<std::size_t>(Device);
    Expected[Word] = '\x00';
    Expected[Word + 1] = '\x80';
  }
  EXPECT_EQ(Bank2(), Expected);
  EXPECT_EQ(Count_Input_Bytes(P.State->File_DALI_Access), 8 * 4);
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST_F(DALIAccess, ALanguageChangeRenamesRowsAndHeaders) {
  for (int Index : {609, 610, 673, 674, 758, 759, 761, 764, 768, 784})
    P.State->Texts.SetStrings(Index, u"T" + IntToStr(Index));
  P.Main->Change_Language();
  TAdvColumnGrid& Groups = *W().ACG_DALI_GroupBroad;
  const struct {
    TAdvColumnGrid* Grid;
    int Col, Row;
    const char16_t* Text;
  } Cells[] = {{&Grid(), 0, 1, u"T610"},       {&Grid(), 0, 64, u"T673"},      {&Grid(), 0, 0, u"T758"},
               {&Grid(), 1, 0, u"T759"},       {&Grid(), 3, 0, u"T761"},       {&Groups, 0, 0, u"T764"},
               {&Groups, 0, 1, u"T768"},       {&Groups, 0, 17, u"T784"},      {&Grid(), 0, 2, u"DALI ID Device 1"}};
  for (const auto& C : Cells) EXPECT_EQ(C.Grid->GetCellEx(C.Col, C.Row), C.Text) << C.Col << "," << C.Row;
  EXPECT_EQ(W().Btn_ClearAll->Hint(), u"T609");
}

// Each item writes its value into every data row of its column; the GB_
// items write into the group grid; header cells keep their texts.
TEST_F(DALIAccess, ThePopupItemsFillTheirColumns) {
  TAdvColumnGrid& Groups = *W().ACG_DALI_GroupBroad;
  const struct {
    TPopupMenu* Menu;
    int Item;
    TAdvColumnGrid* Grid;
    int Col;
    const char16_t* Value;
  } Cases[] = {
      {W().PM_Dimming_Mode, 1, &Grid(), 3, u"Start Break"},
      {W().PM_Dimming_Mode, 0, &Grid(), 3, u"Normal"},
      {W().PM_MinMax_Value, 0, &Grid(), 4, u"Y"},
      {W().PM_MinMax_Value, 1, &Grid(), 4, u"N"},
      {W().PM_Recall_Level, 1, &Grid(), 5, u"Recall Min-Max Level for Switch"},
      {W().PM_Recall_Level, 2, &Grid(), 5, u"Recall Old Value Level for Switch"},
      {W().PM_Recall_Level, 0, &Grid(), 5, u"None"},
      {W().PM_DimMode_GB, 1, &Groups, 1, u"Start Break"},
      {W().PM_MinMax_GB, 0, &Groups, 2, u"Y"},
      {W().PM_Recall_GB, 2, &Groups, 3, u"Recall Old Value Level for Switch"},
  };
  for (const auto& C : Cases) {
    const String Header = C.Grid->GetCellEx(C.Col, 0);
    C.Menu->Items()->Items(C.Item)->Click();
    SCOPED_TRACE(StringToUtf8(C.Menu->Items()->Items(C.Item)->Name()));
    for (int Row = 1; Row < C.Grid->RowCount(); ++Row) ASSERT_EQ(C.Grid->GetCellEx(C.Col, Row), C.Value) << Row;
    EXPECT_EQ(C.Grid->GetCellEx(C.Col, 0), Header);
    EXPECT_EQ(Grid().GetCellEx(1, 1), u"");  // the Enable column is not touched
  }
  EXPECT_EQ(W().PM_Recall_GB->Items()->Items(1)->Name(), u"GB_SelectAllRecallMinMaxLevelforSwitch1");
  EXPECT_EQ(Groups.RowCount(), 18);
}

// The map lists the enabled devices by row number with eight byte offsets
// each; the name gets ".csv" unless it has it, an existing file only on Yes.
TEST_F(DALIAccess, TheByteMapExport) {
  const auto Csv = [&](const char* Name) { return P.Project("Plant") / Name; };
  const std::string Map = "DALI ID; Status; ADV; Response Received After Commnad; Type and Versione; Min. Settable "
                          "Value; Max. Settable Value; Group;\n1; 0; 1; 2; 3; 4; 5; 6, 7;\n6; 8; 9; 10; 11; 12; "
                          "13; 14, 15;\n";
  const auto Written = [&](const std::filesystem::path& F) {
    std::string Text = std::filesystem::exists(F) ? ReadFile(F) : std::string("(none)");
    std::erase(Text, '\r');
    return Text;
  };
  WriteFile(Csv("old.csv"), "old");
  WriteFile(Csv("kept.CSV"), "kept");
  Show([&] {
    Click_Enable(0);
    Click_Enable(5);
    P.Boxes.AnswerFile(S(Csv("map").string()));  // no extension
    W().Btn_DALI_MapsClick();
    P.Boxes.AnswerFile(S(Csv("map.txt").string()));
    W().Btn_DALI_MapsClick();
    P.Boxes.AnswerFile(S(Csv("kept.CSV").string()));  // exists: No keeps it
    P.Boxes.Answer(mrNo);
    W().Btn_DALI_MapsClick();
    P.Boxes.AnswerFile(u"");  // cancelled
    W().Btn_DALI_MapsClick();
    P.Boxes.AnswerFile(S(Csv("old.csv").string()));
    P.Boxes.Answer(mrYes);
    W().Btn_DALI_MapsClick();
    W().Close();
  });
  EXPECT_EQ(Written(Csv("map.csv")), Map);
  EXPECT_EQ(Written(Csv("map.txt.csv")), Map);
  EXPECT_EQ(Written(Csv("old.csv")), Map);
  EXPECT_EQ(Written(Csv("kept.CSV")), "kept");
  ASSERT_EQ(P.Boxes.Boxes().size(), 2u);
  for (const auto& Box : P.Boxes.Boxes()) {
    EXPECT_EQ(Box.Text, u"The File is already present. Overwrite the file?");
    EXPECT_EQ(Box.Buttons, static_cast<TMsgDlgButtons>(mbYesNoCancel));
  }
  ASSERT_EQ(P.Boxes.FileRequests().size(), 5u);
  EXPECT_EQ(P.Boxes.FileRequests()[0].InitialDir, P.State->Project_Path);
  EXPECT_TRUE(P.Boxes.FileRequests()[0].Save);
}
}  // namespace
