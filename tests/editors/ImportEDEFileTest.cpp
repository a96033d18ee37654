// The EDE import from the BACnet window's "Import EDE": the file chosen
// through the file dialog, the dialog's list and choices through the
// window system, the address checks, and the rows the import adds.
#include "controls/button/LbButton.h"
#include "platform/gui/StdCtrls.h"
#include "tests/app/Golden.h"
#include "tests/editors/BACnetFixture.h"

namespace {
using testsupport::ReadFile;
using testsupport::WriteFile;

class ImportEDEFile : public testsupport::BACnetFixture {
 protected:
  std::filesystem::path Line7() const { return golden::Data("ede") / "line7" / "input.csv"; }
  // An EDE file of Count analog inputs named ai1, ai2, ...
  std::filesystem::path Inputs(int Count) {
    std::string Text = "#mandatory\nnames\n";
    for (int K = 1; K <= Count; ++K) Text += "k;1;ai" + std::to_string(K) + ";0;" + std::to_string(K) + ";d;\n";
    const auto Path = P.Dir.Path() / ("inputs" + std::to_string(Count) + ".csv");
    WriteFile(Path, Text);
    return Path;
  }
  void Click_List(int Col, int R) {
    const TRect Rect = D().ACG->CellRect(Col, R);
    P.Input.Click(*D().ACG, Point((Rect.Left + Rect.Right) / 2, (Rect.Top + Rect.Bottom) / 2));
  }
};

TEST_F(ImportEDEFile, TheDialogListsTheObjectsOfTheChosenFile) {
  Show([&] {
    Import(Line7(), [&] {
      EXPECT_EQ(D().Caption(), u"Import BACnet EDE File");
      EXPECT_EQ(D().ClientWidth(), 863);
      EXPECT_EQ(D().ACG->RowCount(), 6);
      EXPECT_EQ(Row(*D().ACG, 0), "N|Import|Read|Write|Name|Object Type|Instance|Description|Commandable");
      EXPECT_EQ(Row(*D().ACG, 1), "1|Y|Y|N|room temp|0|5|Temperature room 1|N");
      EXPECT_EQ(Row(*D().ACG, 2), "2|Y|Y|Y|valve|1|1|Valve position|Y");
      EXPECT_EQ(Row(*D().ACG, 5), "5|Y|Y|N|zone|22|-1|Zone|N");
      EXPECT_EQ(D().ActiveControl(), D().E_ID_IP);
      P.Input.Click(*D().Btn_Cancel);
    });
    const auto& Request = P.Boxes.FileRequests().back();
    EXPECT_EQ(Request.Filter, u"BACnet EDE File (*.csv)|*.csv");
    EXPECT_EQ(Row(Read(), 1), "1|Y||||||||||||||||");  // Cancel imports nothing
    W().Close();
  });
  EXPECT_TRUE(P.Boxes.Boxes().empty());
  EXPECT_EQ(P.State->EDE_Last_Dir, S(Line7().parent_path().string()));
}

TEST_F(ImportEDEFile, WriteOnAnObjectOnlyReadIsRefused) {
  Show([&] {
    Import(Line7(), [&] {
      Click_List(3, 1);
      ASSERT_EQ(P.Boxes.Boxes().size(), 1u);
      EXPECT_EQ(P.Boxes.Boxes()[0].Text, u"Error line 1!! The Variable is only in read");
      EXPECT_EQ(D().ACG->GetCellEx(3, 1), u"N");
      EXPECT_FALSE(D().List_EDE_Var[0].write);
      Click_List(3, 2);  // commandable: switched off
      EXPECT_EQ(D().ACG->GetCellEx(3, 2), u"N");
      EXPECT_FALSE(D().List_EDE_Var[1].write);
      Click_List(2, 1);
      EXPECT_FALSE(D().List_EDE_Var[0].read);
      Click_List(8, 1);  // read-only
      EXPECT_EQ(D().ACG->GetCellEx(8, 1), u"N");
      P.Input.Click(*D().Btn_Unselect_All);
      EXPECT_EQ(D().ACG->GetCellEx(1, 4), u"N");
      EXPECT_FALSE(D().List_EDE_Var[3].import);
      P.Input.Click(*D().Btn_Select_All);
      EXPECT_EQ(D().ACG->GetCellEx(1, 4), u"Y");
      EXPECT_TRUE(D().List_EDE_Var[3].import);
      P.Input.Click(*D().Btn_Unselect_All);
      Import_OK("10.0.0.1");
    });
    EXPECT_EQ(Row(Read(), 1), "1|Y||||||||||||||||");
    EXPECT_EQ(Row(Write(), 1), "1|Y||||||||||||||||||||");
    W().Close();
  });
  EXPECT_EQ(P.Boxes.Boxes().size(), 1u);
}

TEST_F(ImportEDEFile, TheAddressIsCheckedByBACnetType) {
  const struct {
    const char* Type;
    const char* Address;
    const char* Message;  // "": accepted
  } Cases[] = {{"0", "300.1.1.1", "Error!! IP Address is not correct"},
               {"0", "", "Error!! IP Address is not correct"},
               {"0", "10.1.1.1", ""},
               {"1", "255", "Error!! Slave ID must be between 0 and 254"},
               {"1", "x", "Error!! Slave ID must be between 0 and 254"},
               {"1", "254", ""},
               {"2", "anything", ""}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(std::string(C.Type) + " " + C.Address);
    Set_Type(C.Type);
    const std::size_t Before = P.Boxes.Boxes().size();
    Show([&] {
      Import(Inputs(1), [&] {
        Import_OK(C.Address);
        if (*C.Message) {
          EXPECT_TRUE(D().Visible());
          EXPECT_EQ(StringToUtf8(P.Boxes.Boxes().back().Text), C.Message);
          P.Input.Click(*D().Btn_Cancel);
        }
      });
      EXPECT_EQ(StringToUtf8(Read().GetCellEx(4, 1)), *C.Message ? "" : "1");
      W().Close();
    });
    EXPECT_EQ(P.Boxes.Boxes().size(), Before + (*C.Message ? 1 : 0));
  }
}

TEST_F(ImportEDEFile, ImportedRowsFollowThePositionsAndFillOnlyFreeRows) {
  Show([&] {
    Set_Row(Read(), 1, testsupport::Good_Read_Row);
    Read().SetCellEx(13, 1, u"6");
    Set_Row(Read(), 2, testsupport::Good_Read_Row);
    Read().SetCellEx(13, 2, u"Device 3");  // not a number: no position
    Set_Row(Read(), 4, testsupport::Good_Read_Row);
    Read().SetCellEx(13, 4, u"2");
    Import(Inputs(2), [&] { Import_OK("10.0.0.7"); });
    EXPECT_EQ(Row(Read(), 3), "3|Y|10.0.0.7|Analog Input|1|Present Value (85)|4|N||||1000|0|10|0|N||ai1 - d");
    EXPECT_EQ(StringToUtf8(Read().GetCellEx(13, 4)), "2");  // kept
    EXPECT_EQ(StringToUtf8(Read().GetCellEx(13, 5)), "14");
    EXPECT_EQ(Row(Write(), 1), "1|Y||||||||||||||||||||");  // analog inputs are not commandable
    // A second import goes on below.
    Import(Inputs(1), [&] { Import_OK("10.0.0.7"); });
    EXPECT_EQ(StringToUtf8(Read().GetCellEx(13, 6)), "18");
    W().Close();
  });
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

// With an address-less type the object type is the key: a second import
// appends instead of writing over the first.
TEST_F(ImportEDEFile, ASecondImportAppendsWhenTheAddressIsHidden) {
  Set_Type("2");
  Show([&] {
    Import(Line7(), [&] { Import_OK(""); });
    Import(Line7(), [&] { Import_OK(""); });
    EXPECT_EQ(StringToUtf8(Read().GetCellEx(17, 1)), "room temp - Temperature room 1");
    EXPECT_EQ(StringToUtf8(Read().GetCellEx(17, 6)), "room temp - Temperature room 1");
    EXPECT_EQ(StringToUtf8(Read().GetCellEx(13, 6)), "15");
    EXPECT_EQ(StringToUtf8(Write().GetCellEx(3, 3)), "Analog Output");
    EXPECT_EQ(StringToUtf8(Write().GetCellEx(4, 3)), "Real");
    EXPECT_EQ(Row(Write(), 5), "5|Y||||||||||||||||||||");
    W().Close();
  });
}

TEST_F(ImportEDEFile, FillingStopsAtTheLastRow) {
  Show([&] {
    for (int Row = 1; Row < 512; ++Row) Read().SetCellEx(2, Row, u"10.0.0.1");
    Import(Inputs(3), [&] { Import_OK("10.0.0.2"); });
    EXPECT_EQ(StringToUtf8(Read().GetCellEx(17, 512)), "ai1 - d");
    EXPECT_EQ(StringToUtf8(Read().GetCellEx(2, 511)), "10.0.0.1");
    W().Close();
  });
}

TEST_F(ImportEDEFile, TheFolderOfAConfirmedChoiceIsRemembered) {
  const auto Folder = P.Dir.Path() / "ede";
  std::filesystem::create_directories(Folder);
  Show([&] {
    P.Boxes.AnswerFile(S((Folder / "missing.csv").string()));
    P.Input.Click(*W().Btn_Import_CSV);  // no such file: no dialog
    EXPECT_EQ(P.State->EDE_Last_Dir, S(Folder.string()));
    P.Boxes.AnswerFile(u"");
    P.Input.Click(*W().Btn_Import_CSV);
    EXPECT_EQ(P.Boxes.FileRequests().back().InitialDir, S(Folder.string()));
    W().Close();
  });
  EXPECT_EQ(P.State->EDE_Last_Dir, S(Folder.string()));
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}
}  // namespace
