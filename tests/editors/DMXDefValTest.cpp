// The DMX default values window through the main window's hidden step on
// an open configuration: the channel count from ParGen.xml, loading and
// checking the levels, saving, Cancel and the files it cannot use.
#include <gtest/gtest.h>

#include "controls/button/LbButton.h"
#include "editors/UDMXDefVal.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/Application.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/SysUtils.h"
#include "tests/app/Golden.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/SystemInputDriver.h"

namespace {
using testsupport::ReadFile;
using testsupport::WriteFile;

class DMXDefVal : public ::testing::Test {
 protected:
  DMXDefVal() { P.Open_Project("Plant"); }

  TFDMXDefVal& W() { return dynamic_cast<TFDMXDefVal&>(*P.Main->Windows.FDMXDefVal); }
  TAdvColumnGrid& Grid() { return *W().ACG_DMX_Def_Val; }
  std::filesystem::path File() const { return P.Project("Plant") / "DMX_Default_Values.xml"; }
  std::filesystem::path ParGen() const { return P.Project("Plant") / "ParGen.xml"; }
  void Set_Channels(const std::string& Text) {
    WriteFile(ParGen(), "<ParGen><IP_Address>1.2.3.4</IP_Address><DMX_Num_Channels>" + Text +
                            "</DMX_Num_Channels></ParGen>");
  }

  TModalResult Show(const std::function<void()>& Action) {
    P.Input.WhenModal(Action);
    Open();
    return W().ModalResult();
  }
  void Open() {
    try {
      P.Main->Btn_Click(P.Main->Btn_DMX_Default);
    } catch (const Exception&) {
      Application->HandleException(P.Main);
    }
  }
  std::string Row(int R) {
    return StringToUtf8(Grid().GetCellEx(0, R) + u"|" + Grid().GetCellEx(1, R) + u"|" + Grid().GetCellEx(2, R));
  }
  void Click_Cell(int Col, int R) {
    Grid().ScrollInView(Col, R);
    Sys.Pump();
    const TRect Rect = Grid().CellRect(Col, R);
    Sys.Click(Grid(), Point((Rect.Left + Rect.Right) / 2, (Rect.Top + Rect.Bottom) / 2));
  }
  int Written_Rows() {
    const std::string Text = ReadFile(File());
    int Count = 0;
    for (std::size_t At = 0; (At = Text.find("<Row ", At)) != std::string::npos; ++At) ++Count;
    return Count;
  }

  testsupport::ProgramFixture P;
  testsupport::SystemInputDriver Sys;
};

TEST_F(DMXDefVal, TheChannelCountComesFromParGen) {
  const struct {
    const char* Text;  // nullptr: no ParGen.xml; "-": no element
    int Channels;
  } Cases[] = {{nullptr, 512}, {"-", 512}, {"abc", 512}, {"16", 16}, {"0", 512}, {"-3", 512}, {"70000", 512},
               {"1", 1}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Text ? C.Text : "no file");
    std::filesystem::remove(ParGen());
    std::filesystem::remove(File());
    if (C.Text && std::string(C.Text) == "-") WriteFile(ParGen(), "<ParGen><IP_Address>1.2.3.4</IP_Address></ParGen>");
    else if (C.Text) Set_Channels(C.Text);
    EXPECT_EQ(Show([&] {
                EXPECT_EQ(Grid().RowCount(), C.Channels + 1);
                EXPECT_EQ(Row(1), "1|0|");
                EXPECT_EQ(Row(C.Channels), std::to_string(C.Channels) + "|0|");
                Sys.Click(*W().Btn_OK);
              }),
              mrOk);
    EXPECT_EQ(Written_Rows(), C.Channels);
  }
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST_F(DMXDefVal, TheWindowAndItsLoading) {
  Set_Channels("4");
  WriteFile(File(), "<DMX_Default_Values><Row Default_Value=\"7\" Mnemonic=\"a\"/><!-- c --><Row Mnemonic=\"b\"/>"
                    "<Row Default_Value=\"x\"/></DMX_Default_Values>");
  Show([&] {
    EXPECT_EQ(W().ClientWidth(), 475);
    EXPECT_EQ(W().ClientHeight(), 337);
    EXPECT_EQ(W().Caption(), u"DMX Default Value");
    EXPECT_EQ(Row(0), "Channel|Default Value|Mnemonic");
    EXPECT_EQ(Grid().ActiveCellColor(), static_cast<TColor>(0x00EACAB6));
    EXPECT_EQ(Grid().Columns()->Items(2)->Width(), 250);
    EXPECT_EQ(Row(1), "1|7|a");
    EXPECT_EQ(Row(2), "2|0|b");
    EXPECT_EQ(Row(3), "3|x|");
    EXPECT_EQ(Row(4), "4|0|");  // fewer elements than channels
    W().Close();
  });
  // More elements than channels: only the channels load, one element each is written.
  std::string Rows;
  for (int K = 0; K < 10; ++K) Rows += "<Row Default_Value=\"" + std::to_string(K) + "\" Mnemonic=\"m\"/>";
  WriteFile(File(), "<DMX_Default_Values>" + Rows + "</DMX_Default_Values>");
  Show([&] {
    EXPECT_EQ(Grid().RowCount(), 5);
    EXPECT_EQ(Row(4), "4|3|m");
    Sys.Click(*W().Btn_OK);
  });
  EXPECT_EQ(Written_Rows(), 4);
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST_F(DMXDefVal, OkChecksEveryLevel) {
  Set_Channels("8");
  const struct {
    const char* Level;
    bool Passes;
  } Cases[] = {{"0", true}, {"255", true}, {"256", false}, {"-1", false}, {"12a", false}, {"", false}, {" 5", false}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Level);
    std::filesystem::remove(File());
    const std::size_t Before = P.Boxes.Boxes().size();
    bool Stayed_Open = false;
    Show([&] {
      Grid().SetCellEx(1, 6, S(C.Level));
      Sys.Click(*W().Btn_OK);
      Stayed_Open = W().ModalResult() == mrNone;
      if (Stayed_Open) Sys.Click(*W().Btn_Cancel);
    });
    EXPECT_EQ(Stayed_Open, !C.Passes);
    EXPECT_EQ(std::filesystem::exists(File()), C.Passes);
    if (C.Passes) continue;
    ASSERT_EQ(P.Boxes.Boxes().size(), Before + 1);
    EXPECT_EQ(P.Boxes.Boxes().back().Text, u"Error row 6!! Default Value must be between 0 and 255");
  }
}

// Each case folder: pargen.xml and input.xml when present, the file OK writes.
TEST_F(DMXDefVal, OkWritesOneRowPerChannel) {
  for (const auto& Case : golden::Cases("dmx")) {
    SCOPED_TRACE(Case.filename().string());
    std::filesystem::remove(File());
    std::filesystem::remove(ParGen());
    if (std::filesystem::exists(Case / "pargen.xml")) WriteFile(ParGen(), ReadFile(Case / "pargen.xml"));
    if (std::filesystem::exists(Case / "input.xml")) WriteFile(File(), ReadFile(Case / "input.xml"));
    EXPECT_EQ(Show([&] { Sys.Click(*W().Btn_OK); }), mrOk);
    golden::ExpectSameText(ReadFile(File()), Case / "expected.xml");
  }
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST_F(DMXDefVal, EditingCancelAndAFailedWrite) {
  Set_Channels("3");
  const std::string Before = "<DMX_Default_Values><Row Default_Value=\"1\" Mnemonic=\"x\"/></DMX_Default_Values>";
  WriteFile(File(), Before);
  EXPECT_EQ(Show([&] {
              Click_Cell(1, 2);
              Sys.Type(u"200");
              Sys.Key(VK_RETURN);
              Click_Cell(2, 2);
              Sys.Type(u"stage left");
              Sys.Key(VK_RETURN);
              EXPECT_EQ(Row(2), "2|200|stage left");
              Sys.Click(*W().Btn_Cancel);
            }),
            mrCancel);
  EXPECT_EQ(ReadFile(File()), Before);
  bool Open_After_OK = false;
  Show([&] {
    Grid().SetCellEx(2, 3, u"kept");
    SetSafeWriteFaultForTests([](std::string_view Step) { return Step == "create" ? EACCES : 0; });
    Sys.Click(*W().Btn_OK);
    SetSafeWriteFaultForTests(nullptr);
    Open_After_OK = W().Visible() && W().ModalResult() == mrNone;
    EXPECT_EQ(Row(3), "3|0|kept");
    Sys.Click(*W().Btn_Cancel);
  });
  EXPECT_TRUE(Open_After_OK);
  ASSERT_EQ(P.Boxes.Boxes().size(), 1u);
  EXPECT_NE(P.Boxes.Boxes()[0].Text.find(u"DMX_Default_Values.xml"), String::npos);
  EXPECT_EQ(ReadFile(File()), Before);
}

// A damaged file, its own or ParGen.xml, ends the opening with one box
// naming it; no window, the file untouched.
TEST_F(DMXDefVal, ADamagedFileKeepsTheWindowClosed) {
  const std::string Damaged = "<DMX_Default_Values><Row></DMX_Default_Values>";
  for (bool In_ParGen : {false, true}) {
    SCOPED_TRACE(In_ParGen ? "ParGen.xml" : "DMX_Default_Values.xml");
    std::filesystem::remove(File());
    std::filesystem::remove(ParGen());
    WriteFile(In_ParGen ? ParGen() : File(), Damaged);
    const std::size_t Before = P.Boxes.Boxes().size();
    Open();
    ASSERT_EQ(P.Boxes.Boxes().size(), Before + 1);
    EXPECT_EQ(P.Boxes.Boxes().back().Kind, mtError);
    EXPECT_NE(P.Boxes.Boxes().back().Text.find(In_ParGen ? u"ParGen.xml" : u"DMX_Default_Values.xml"), String::npos);
    EXPECT_FALSE(W().Visible());
    EXPECT_EQ(ReadFile(In_ParGen ? ParGen() : File()), Damaged);
  }
}
}  // namespace
