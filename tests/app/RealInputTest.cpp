// The program driven as the window system drives it: a key press that closes
// a modal window, windows larger than the screen at every showing, the focus
// of a window shown again, a table window sized by its frame, and modal
// windows as the screen itself shows them.
#include <gtest/gtest.h>

#include <map>

#include "app/UNew_Project.h"
#include "app/UParGen.h"
#include "controls/button/LbButton.h"
#include "editors/UDALI_Access.h"
#include "editors/USNMP_Trap_Access.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/SystemInput.h"
#include "tests/app/ProgramFixture.h"
#include "tests/app/WindowWalker.h"
#include "tests/support/SnapshotFile.h"
#include "tests/support/SystemInputDriver.h"
#include "tests/support/TempDir.h"

namespace {
using testsupport::ProgramFixture;
using testsupport::SystemInputDriver;
using testsupport::WindowWalker;

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

  // Version 3 at "Auth Priv" chosen by its check box and its drop-down.
  void Choose_Auth_Priv(TFParGen& W) {
    if (!W.CB_SNMP_Agent_Ver3->Checked()) Reach_And_Click(*W.CB_SNMP_Agent_Ver3);
    ASSERT_TRUE(Sys.ScrollIntoView(*W.CB_SNMP_Agent_Secure_Lev, Point(5, 5)));
    WindowWalker(Sys).Choose(*W.CB_SNMP_Agent_Secure_Lev, 2);
    ASSERT_EQ(W.CB_SNMP_Agent_Secure_Lev->Text(), u"Auth Priv");
  }
  void Reach_And_Click(TControl& C) {
    EXPECT_TRUE(Sys.ScrollIntoView(C, Point(C.Width() / 2, C.Height() / 2))) << StringToUtf8(C.Name());
    Sys.Click(C);
  }
  // Where the window's client area lies on the screen now (it moves as its frame scrolls).
  static TPoint Origin(const TControl& W) { return platform::SystemClientToScreen(W, Point(0, 0)); }
  // The client area of C on the screen now.
  static TRect On_Screen(const TControl& C) {
    const TPoint O = platform::SystemClientToScreen(C, Point(0, 0));
    return Rect(O.X, O.Y, O.X + C.ClientWidth(), O.Y + C.ClientHeight());
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

// A window in its scrolled frame, shown again and again: each showing shows
// its controls, the wheel scrolls the frame, and every way of closing it
// ends its modal loop, so the main window answers the next click.
TEST_F(RealInput, AWindowInItsScrolledFrameShowsItsControlsAtEveryShowingAndEveryCloseEndsItsLoop) {
  Open_Configuration();
  auto& W = *P.Main->Windows.FParGen;
  enum TClosing { By_OK, By_Cancel, By_Close_Box };
  for (const auto& Size : {std::pair{1366, 768}, {1024, 768}}) {
    const int Width = Size.first, Height = Size.second;
    SCOPED_TRACE(std::to_string(Width) + "x" + std::to_string(Height));
    const ScreenOf Small(Width, Height);
    P.Input.WhenModal([&] {
      Choose_Auth_Priv(W);
      Reach_And_Click(*W.Btn_OK);
    });
    Sys.Click(P.Control(u"Btn_Prm_Gen"));
    ASSERT_EQ(W.ModalResult(), mrOk);
    for (TClosing Closing : {By_OK, By_Cancel, By_Close_Box}) {
      SCOPED_TRACE("closing " + std::to_string(Closing));
      bool Opened = false;
      P.Input.WhenModal([&] {
        Opened = true;
        EXPECT_GT(W.ClientHeight(), Height) << "the layout's height stays";
        EXPECT_TRUE(Sys.Shows(*W.E_SNMP_Agent_IP[0])) << "the window shows its controls";
        EXPECT_TRUE(W.E_SNMP_Agent_Priv_Pass->Showing()) << "the file was loaded again";
        Sys.Click(*W.E_SNMP_Agent_IP[0]);
        const TPoint Before = Origin(W);
        Sys.Wheel(W, -120);
        EXPECT_LT(Origin(W).Y, Before.Y) << "the wheel scrolls the frame";
        if (Closing == By_Close_Box) Sys.CloseWindow(W);
        else Reach_And_Click(Closing == By_OK ? static_cast<TControl&>(*W.Btn_OK) : *W.Btn_Cancel);
      });
      // A modal loop still waiting takes the scripted failure's way out.
      Sys.Click(P.Control(u"Btn_Prm_Gen"));
      EXPECT_TRUE(Opened) << "the main window answered";
      EXPECT_FALSE(W.Visible());
      EXPECT_EQ(W.ModalResult(), Closing == By_OK ? mrOk : mrCancel);
    }
  }
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

// The window opened before by Cancel: its second showing takes the name
// typed at once, and Return creates the configuration.
TEST_F(RealInput, EveryShowingOfTheNewWindowFocusesTheName) {
  auto& New = *P.Main->Windows.FNew_Project;
  P.Input.WhenModal([&] { Sys.Click(*New.Btn_Cancel); });
  Sys.Click(P.Control(u"Btn_New"));
  ASSERT_FALSE(New.Visible());
  P.Input.WhenModal([&] {
    EXPECT_EQ(New.ActiveControl(), New.E_New_Proj);
    Sys.Type(u"Plant");
    Sys.KeyDown(VK_RETURN);
    if (New.Visible()) New.SetModalResult(mrCancel);
  });
  Sys.Click(P.Control(u"Btn_New"));
  Sys.KeyUp(VK_RETURN);
  EXPECT_EQ(P.State->Project_Name, u"Plant");
  EXPECT_TRUE(std::filesystem::exists(P.Project("Plant")));
  EXPECT_TRUE(P.Boxes.Boxes().empty());
}

// A window wider than a small screen keeps its layout and is shown in a
// frame that scrolls both ways: every control in it can be reached and clicked.
TEST_F(RealInput, EveryControlOfTheSnmpWindowCanBeReachedAtA1024By768Screen) {
  const ScreenOf Small(1024, 768);
  Open_Configuration();
  auto& W = dynamic_cast<TFSNMP_Trap_Access&>(*P.Main->Windows.FSNMP_Trap_Access);
  WindowWalker Walker(Sys);
  for (int Question = 0; Question < 3; ++Question) P.Boxes.Answer(mrNo);  // delete or overwrite a row: no
  P.Input.WhenModal([&] {
    EXPECT_EQ(W.ClientWidth(), 1256) << "the layout's width stays";
    const TRect Window = Sys.WindowRect(W);
    EXPECT_GE(Window.Left, 0);
    EXPECT_LE(Window.Right, 1024);
    EXPECT_LE(Window.Bottom, 768);
    Walker.Walk(W, {u"Btn_OK", u"Btn_Cancel"});
    for (TControl* Far : std::initializer_list<TControl*>{W.Btn_PasteRow, W.PageControl1})
      EXPECT_TRUE(Sys.ScrollIntoView(*Far, Point(Far->Width() - 3, Far->Height() / 2))) << StringToUtf8(Far->Name());
    if (const char* Dir = std::getenv("GX_SNAPSHOT_DIR"))
      platform::RenderWindowToPng(W, Utf8ToString(std::string(Dir) + "/snmp-window-1024x768.png"));
    Reach_And_Click(*W.Btn_Cancel);
  });
  Sys.Click(P.Control(u"Btn_SNMP_Trap"));
  EXPECT_FALSE(W.Visible());
  EXPECT_GE(Walker.Clicks(), 6) << "both tabs and the four row buttons";
}

// A table window sized by its frame: the aligned page control or panel
// fills the middle, the grid with it, and the buttons stay at the bottom.
TEST_F(RealInput, ATableWindowSizedByItsFrameMovesItsButtonsAndSizesItsGrid) {
  Open_Configuration();
  auto& Snmp = *P.Main->Windows.FSNMP_Trap_Access;
  auto& Dali = *P.Main->Windows.FDALI_Access;
  struct TCase {
    const char16_t* Button;
    TFConfWindow* Window;
    TPanel* Buttons;
    TControl* Middle;
    TControl* Grid;
    TControl* OK;
  };
  const auto* S = dynamic_cast<TFSNMP_Trap_Access*>(&Snmp);
  const auto* D = dynamic_cast<TFDALI_Access*>(&Dali);
  ASSERT_TRUE(S && D);
  for (const TCase& Case : {TCase{u"Btn_SNMP_Trap", &Snmp, S->P_Button, S->PageControl1, S->ACG_SNMP_Read, S->Btn_OK},
                            TCase{u"Btn_DALI_Access", &Dali, D->P_Button, D->PDALI, D->ACG_DALI_Device, D->Btn_OK}}) {
    SCOPED_TRACE(StringToUtf8(Case.Button));
    auto& W = *Case.Window;
    P.Input.WhenModal([&] {
      for (auto [Grow_X, Grow_Y] : {std::pair{80, 90}, {-200, -60}}) {
        const int Grid_Width = Case.Grid->Width(), Grid_Height = Case.Grid->Height();
        const int Width = W.ClientWidth() + Grow_X, Height = W.ClientHeight() + Grow_Y;
        Sys.ResizeWindow(W, Width, Height);
        EXPECT_EQ(W.ClientWidth(), Width);
        EXPECT_EQ(W.ClientHeight(), Height);
        EXPECT_EQ(Case.Buttons->Top() + Case.Buttons->Height(), Height) << "the buttons stay at the bottom";
        EXPECT_EQ(Case.Middle->Width(), Width);
        EXPECT_EQ(Case.Middle->Top() + Case.Middle->Height(), Case.Buttons->Top());
        EXPECT_EQ(Case.Grid->Width(), Grid_Width + Grow_X);
        EXPECT_EQ(Case.Grid->Height(), Grid_Height + Grow_Y);
        EXPECT_TRUE(Sys.Shows(*Case.OK));
      }
      Sys.Click(*Case.OK);
      if (W.Visible()) W.SetModalResult(mrCancel);
    });
    Sys.Click(P.Control(Case.Button));
    EXPECT_FALSE(W.Visible());
  }
}

// The colour most of Pixels have, and how many colours there are.
struct TColours {
  TColor Most = clNone;
  size_t Count = 0;
};
TColours Colours_Of(const TPixelBuffer& Pixels) {
  std::map<TColor, int> Seen;
  for (int Y = 0; Y < Pixels.Height; ++Y)
    for (int X = 0; X < Pixels.Width; ++X) ++Seen[Pixels.Pixel(X, Y)];
  TColours C{clNone, Seen.size()};
  int Most = 0;
  for (auto [Colour, N] : Seen)
    if (N > Most) std::tie(C.Most, Most) = std::pair{Colour, N};
  return C;
}

// The share of pixels alike in two pictures of one size (0 when the sizes differ).
double Alike(const TPixelBuffer& A, const TPixelBuffer& B) {
  if (A.Empty() || A.Width != B.Width || A.Height != B.Height) return 0;
  int Same = 0;
  for (int Y = 0; Y < A.Height; ++Y)
    for (int X = 0; X < A.Width; ++X) Same += A.Pixel(X, Y) == B.Pixel(X, Y);
  return static_cast<double>(Same) / (A.Width * A.Height);
}

// Modal windows lying wholly inside the main window, as the screen itself
// shows them with no compositor: what they painted, not black.
TEST_F(RealInput, AModalWindowInsideTheMainWindowIsOnTheScreenAsItPaintedItself) {
  TPixelBuffer Pixels;
  if (!platform::ReadScreen(Rect(0, 0, 1, 1), Pixels)) GTEST_SKIP() << "no screen to read (headless)";
  const ScreenOf Xvfb_Size(1366, 768);
  P.Stop();
  P.Start();  // centred on that screen, as a user starts it
  const ToolkitBoxes Boxes;
  auto& New = *P.Main->Windows.FNew_Project;
  TRect Main_Rect, New_Rect, Box_Rect;
  TPixelBuffer On_The_Screen, Painted, Box;
  P.Input.WhenModal([&] {
    Main_Rect = Sys.WindowRect(*P.Main);
    New_Rect = On_Screen(New);
    EXPECT_TRUE(platform::ReadScreen(New_Rect, On_The_Screen));
    Painted = testsupport::RenderSnapshot(New, "new-window.png");
    Sys.Click(*New.Btn_Cancel);
  });
  Sys.Click(P.Control(u"Btn_New"));
  // Set Communication with no configuration open: the toolkit's error box.
  Sys.WhenNativeModal([&] {
    if (Sys.ModalRect(Box_Rect)) {
      EXPECT_TRUE(platform::ReadScreen(Box_Rect, Box));
    }
    Sys.Key(VK_ESCAPE);
  });
  Sys.Click(P.Control(u"Btn_Prm_Gen"));
  for (const TRect& R : {New_Rect, Box_Rect})
    EXPECT_TRUE(R.Left > Main_Rect.Left && R.Top > Main_Rect.Top && R.Right < Main_Rect.Right &&
                R.Bottom < Main_Rect.Bottom)
        << "wholly inside the main window";
  // The caret may blink between the two pictures.
  EXPECT_GT(Alike(On_The_Screen, Painted), 0.99) << "the screen shows what the New window painted";
  ASSERT_FALSE(Box.Empty()) << "the box was read";
  EXPECT_NE(Colours_Of(Box).Most, ColorToRGB(clBlack));
  EXPECT_GT(Colours_Of(Box).Count, 2u) << "the box's text";
}
}  // namespace
