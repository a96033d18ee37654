#include <gtest/gtest.h>

#include "grid/model/AdvGridError.h"
#include "grid/model/AdvGridUnit.h"
#include "platform/gui/ClipboardFormats.h"
#include "platform/sys/ClassRegistry.h"

namespace {

struct TTracked : TFocusWindowTracked {
  int Placed = 0;
  void PlaceFocusWindow() override { ++Placed; }
};

// Starts the unit for the test and leaves it as it found it.
class AdvGridUnit : public ::testing::Test {
 protected:
  void SetUp() override {
    FWasStarted = AdvGridUnitInitialized();
    InitAdvGridUnit();
  }
  void TearDown() override {
    FocusWindowGrid = nullptr;
    if (!FWasStarted) DoneAdvGridUnit();
  }
  bool FWasStarted = false;
};

TEST_F(AdvGridUnit, StartUpRegistersNamesClassesAndProbes) {
  EXPECT_EQ(GridEditDoneMessage, RegisterWindowMessage(u"GridEditDone"));
  EXPECT_EQ(DTPShiftFocusMessage, RegisterWindowMessage(u"DTPShiftFocus"));
  EXPECT_EQ(GridCellsClipboardFormat, RegisterClipboardFormat(u"TAdvStringGrid Cells"));
  EXPECT_GE(GridEditDoneMessage, 0xC000);
  EXPECT_NE(GridEditDoneMessage, DTPShiftFocusMessage);
  EXPECT_NE(GridCellsClipboardFormat, GridEditDoneMessage);
  for (StringView name : GridClassNames) EXPECT_TRUE(IsClassRegistered(String(name)));
  EXPECT_EQ(GridClassNames[0], u"TAdvStringGrid");
  EXPECT_EQ(GridClassNames[GridClassCount - 1], u"TSearchPanel");
  EXPECT_TRUE(DateTimePickerSupported);
  EXPECT_NE(GridWindowPosHookHandle, 0u);
  EXPECT_EQ(GridAnchorCursor, crHandPoint);
  EXPECT_FALSE(IsThemeActive()) << "no visual styles";
}

TEST_F(AdvGridUnit, StartingTwiceKeepsOneHook) {
  const HHOOK hook = GridWindowPosHookHandle;
  InitAdvGridUnit();
  EXPECT_EQ(GridWindowPosHookHandle, hook);
}

TEST_F(AdvGridUnit, HookMovesTheTrackedGlowOnPositionChangesAndPassesEverythingOn) {
  // A hook installed before the grid unit's sees every message after it.
  int seenByOlder = 0;
  DoneAdvGridUnit();
  const HHOOK older = SetWindowsHookEx(WH_CALLWNDPROC, [&](int c, WPARAM w, LPARAM l) {
    ++seenByOlder;
    return CallNextHookEx(0, c, w, l);
  });
  InitAdvGridUnit();
  TTracked tracked;
  const HWND wnd = AllocateHWnd([](TMessage&) {});
  SendMessage(wnd, 0x0047);
  EXPECT_EQ(seenByOlder, 1) << "passed on without a tracked glow";
  FocusWindowGrid = &tracked;
  SendMessage(wnd, 0x0046);
  SendMessage(wnd, 0x0047);
  SendMessage(wnd, WM_SIZE);
  EXPECT_EQ(tracked.Placed, 2);
  EXPECT_EQ(seenByOlder, 4);
  DeallocateHWnd(wnd);
  UnhookWindowsHookEx(older);
}

TEST_F(AdvGridUnit, ShutdownUndoesTheStartUp) {
  GridHintFontName = u"Tahoma";
  DoneAdvGridUnit();
  EXPECT_EQ(GridWindowPosHookHandle, 0u);
  EXPECT_FALSE(IsClassRegistered(u"TAdvStringGrid"));
  EXPECT_TRUE(GridHintFontName.empty());
  InitAdvGridUnit();
  EXPECT_TRUE(IsClassRegistered(u"TAdvStringGrid"));
}

TEST(AdvGridVersion, BadOrMissingVersionBlocksAnswerMinusOne) {
  EXPECT_EQ(FileVersionMS(true, TFixedFileInfo{VS_FFI_SIGNATURE, 0x00040046, 0}), 0x00040046);
  EXPECT_EQ(FileVersionMS(true, TFixedFileInfo{0xFEEF04BC, 0x00060000, 0}), -1);
  EXPECT_EQ(FileVersionMS(false, TFixedFileInfo{}), -1);
  EXPECT_EQ(GetFileVersionMS(u"no-such.dll"), -1);
  EXPECT_EQ(GetFileVersionMS(u"COMCTL32.DLL") >> 16, 6);
}

TEST(AdvGridVersion, SystemLevels) {
  struct Case {
    int Major, Minor;
    bool XP, Vista, Win7;
  } cases[] = {{5, 0, false, false, false}, {5, 1, true, false, false},
               {6, 0, true, true, false},   {6, 1, true, true, true},
               {10, 0, true, true, true}};
  for (const Case& c : cases) {
    const TOSVersion v{c.Major, c.Minor, true};
    EXPECT_EQ(IsWinXPOrLater(v), c.XP) << c.Major << "." << c.Minor;
    EXPECT_EQ(IsVistaOrLater(v), c.Vista) << c.Major << "." << c.Minor;
    EXPECT_EQ(IsWin7OrLater(v), c.Win7) << c.Major << "." << c.Minor;
  }
}

TEST(AdvGridError, FixedMessages) {
  try {
    throw EAdvGridError(AdvGridErrors::InvalidRow);
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), u"Invalid row accessed");
  }
  EXPECT_EQ(AdvGridErrors::InvalidColumn, u"Invalid column accessed");
  EXPECT_EQ(AdvGridErrors::InvalidRowNumber(7), u"Invalid row 7 accessed");
}

}  // namespace
