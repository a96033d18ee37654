// The program driven as the window system drives it: a key press that closes
// a modal window, and a window taller than the screen.
#include <gtest/gtest.h>

#include "app/UNew_Project.h"
#include "app/UParGen.h"
#include "platform/gui/Forms.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/SystemInputDriver.h"

namespace {
using testsupport::ProgramFixture;
using testsupport::SystemInputDriver;

// The toolkit's own message boxes while it lives, in place of the scripted ones.
struct ToolkitBoxes {
  TDialogService* Previous = &DialogService();
  ToolkitBoxes() { SetDialogService(nullptr); }
  ~ToolkitBoxes() { SetDialogService(Previous); }
};

// A smaller screen while it lives.
struct ScreenOf {
  ScreenOf(int Width, int Height) { Screen->PinSize(Width, Height); }
  ~ScreenOf() { Screen->PinSize(1920, 1080); }
};

class RealInput : public ::testing::Test {
 protected:
  void Open_Configuration() {
    std::filesystem::create_directories(P.Project("Plant") / "bin");
    P.State->Project_Name = u"Plant";
    P.State->Project_Path = S(P.Project("Plant").string());
    P.State->Set_Files();
  }
  // Closes a second box, if the release of the key that closed the first opened one.
  void Close_A_Second_Box() {
    Sys.WhenNativeModal([this] {
      ++Second_Boxes;
      Sys.Key(VK_ESCAPE);
    });
  }

  ProgramFixture P;
  SystemInputDriver Sys;
  int Second_Boxes = 0;
};

TEST_F(RealInput, ReturnOnAMessageBoxClosesItOnce) {
  const ToolkitBoxes Boxes;
  bool Shown = false;
  // Set Communication without a configuration: the error box; Return goes down in it.
  Sys.WhenNativeModal([&] {
    TRect Box;
    Shown = Sys.ModalRect(Box);
    Sys.KeyDown(VK_RETURN);
  });
  Sys.Click(P.Control(u"Btn_Prm_Gen"));
  EXPECT_TRUE(Shown);
  // The key comes up over the main window.
  Close_A_Second_Box();
  Sys.KeyUp(VK_RETURN);
  EXPECT_EQ(Second_Boxes, 0) << "the release of Return opened the box again";
}

TEST_F(RealInput, ReturnInTheNewWindowCreatesTheConfigurationOnce) {
  auto& New = *P.Main->Windows.FNew_Project;
  P.Input.WhenModal([&] {
    Sys.Type(u"Plant");
    Sys.KeyDown(VK_RETURN);
  });
  Sys.Click(P.Control(u"Btn_New"));
  // A New window opened again would wait for input the test does not give.
  Sys.KeyUp(VK_RETURN);
  EXPECT_EQ(P.State->Project_Name, u"Plant");
  EXPECT_FALSE(New.Visible());
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

TEST_F(RealInput, AWindowTallerThanTheScreenStaysOnItAndScrollsToItsButtons) {
  const ScreenOf Small(1366, 768);
  Open_Configuration();
  auto& W = *P.Main->Windows.FParGen;
  TRect Window_Rect;
  int Client_Height = 0;
  bool Cancelled = false;
  P.Input.WhenModal([&] {
    if (!W.CB_SNMP_Agent_Ver3->Checked()) Sys.Click(*W.CB_SNMP_Agent_Ver3);
    Sys.Click(*W.CB_SNMP_Agent_Secure_Lev);
    TRect Popup;
    ASSERT_TRUE(Sys.PopupRect(Popup));
    Sys.ClickAt(Point((Popup.Left + Popup.Right) / 2, Popup.Bottom - 6));
    ASSERT_EQ(W.CB_SNMP_Agent_Secure_Lev->Text(), u"Auth Priv");
    Client_Height = W.ClientHeight();
    Window_Rect = Sys.WindowRect(W);
    // The bar's lower end pages down until the buttons show.
    for (int Page = 0; Page < 4; ++Page) Sys.ClickAt(Point(Window_Rect.Right - 5, Window_Rect.Bottom - 30));
    P.Boxes.Answer(mrYes);  // leave without saving
    Sys.Click(*W.Btn_Cancel);
    Cancelled = W.ModalResult() == mrCancel;
  });
  Sys.Click(P.Control(u"Btn_Prm_Gen"));
  EXPECT_GT(Client_Height, 768) << "the layout's height stays";
  EXPECT_GE(Window_Rect.Top, 0);
  EXPECT_LE(Window_Rect.Bottom, 768);
  EXPECT_LE(Window_Rect.Right, 1366);
  EXPECT_TRUE(Cancelled) << "Cancel was reached";
}
}  // namespace
