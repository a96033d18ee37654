#include <gtest/gtest.h>

#include "tests/grid/interact/MouseGridSupport.h"
#include "tests/grid/paint/PaintSupport.h"
#include "tests/support/GuiTest.h"

namespace {

// Anchors are clicked near the left of their cell, where the link starts.
struct AnchorGrid : ::testing::Test, mousetest::TGridOnForm<TAdvStringGrid> {
  testsupport::ShellRecorder Shell;
  AnchorGrid() {
    Grid->SetColCount(4);
    Grid->SetRowCount(10);
    Grid->SetDefaultColWidth(120);
    Grid->SetBounds(0, 0, 400, 150);  // rows 5 and below start out of view
    Show();
  }
  void ClickLink(const String& Href) {
    Grid->SetCells(1, 1, u"<a href=\"" + Href + u"\">go</a>");
    Input.Click(*Grid, At(1, 1, 6));
  }
};

TEST_F(AnchorGrid, OnlyWebAndMailAddressesGoToTheShell) {
  struct Case {
    const char16_t* Href;
    bool Opened;
  };
  const Case Cases[] = {
      {u"http://example.org/a", true},  {u"HTTPS://example.org", true}, {u"ftp://files.example.org", true},
      {u"mailto:engineer@example.org", true}, {u"file:///bin/sh", false}, {u"smb://server/share", false},
      {u"setup.exe", false},           {u"javascript:alert(1)", false},
  };
  std::vector<String> clicked;
  Grid->OnAnchorClick = [&](TObject*, int, int, const String& Anchor, bool&) { clicked.push_back(Anchor); };
  std::vector<String> expected;
  for (const Case& C : Cases) {
    ClickLink(C.Href);
    if (C.Opened) expected.push_back(C.Href);
  }
  EXPECT_EQ(expected, Shell.Opened());
  EXPECT_EQ(std::size(Cases), clicked.size()) << "every anchor is reported";
}

TEST_F(AnchorGrid, TheApplicationMayHandleTheAnchorItself) {
  Grid->OnAnchorClick = [](TObject*, int, int, const String&, bool& AutoHandle) { AutoHandle = false; };
  ClickLink(u"http://example.org");
  EXPECT_TRUE(Shell.Opened().empty());
}

TEST_F(AnchorGrid, APlainURLCellIsOneAnchorWithURLShow) {
  Grid->SetURLShow(true);
  Grid->SetCells(2, 2, u"http://example.org");
  Grid->SetCells(2, 3, u"file:///etc/passwd");
  Click(2, 2);
  Click(2, 3);
  EXPECT_EQ((std::vector<String>{u"http://example.org"}), Shell.Opened());
}

TEST_F(AnchorGrid, ACellJumpMovesToTheCellWhenItNamesOne) {
  ClickLink(u"cell://R7C2");
  EXPECT_EQ(2, Grid->Col());
  EXPECT_EQ(7, Grid->Row());
  EXPECT_LE(Grid->TopRow(), 7);
  EXPECT_GE(Grid->TopRow() + Grid->VisibleRowCount(), 7) << "scrolled into view";
  const char16_t* Bad[] = {u"CELL://R999C2", u"CELL://RxC1", u"CELL://R3C99", u"CELL://R0C1", u"CELL://R3",
                           u"CELL://R99999999999999C1"};
  for (size_t i = 0; i < std::size(Bad); ++i) {
    SCOPED_TRACE(i);
    Grid->FocusCell(3, 8, true);
    ClickLink(Bad[i]);
    EXPECT_EQ(3, Grid->Col());
    EXPECT_EQ(8, Grid->Row());
  }
  EXPECT_TRUE(Shell.Opened().empty());
}

// The first control of the text starts at the cell's top left.
TEST_F(AnchorGrid, ControlsInTheTextChangeTheirValuesInAnEditableGrid) {
  Grid->SetCells(1, 2, u"<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"FALSE\" WIDTH=\"15\"> lamp");
  Grid->SetCells(1, 3,
                 u"<CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"FALSE\" WIDTH=\"15\"> "
                 u"<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"15\">");
  std::vector<String> clicks;
  Grid->OnControlClick = [&](TObject*, int, int, const String& ID, const String& Type, const String& Value) {
    clicks.push_back(ID + u" " + Type + u" " + Value);
  };
  const auto first = [&](int ARow) {
    const TRect r = Grid->CellRect(1, ARow);
    return Point(r.Left + 8, r.Top + 6);
  };
  Input.Click(*Grid, first(2));
  EXPECT_EQ(u"FALSE", Grid->ControlValues(1, 2, u"c1")) << "not editable";
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  Input.Click(*Grid, first(2));
  EXPECT_EQ(u"TRUE", Grid->ControlValues(1, 2, u"c1"));
  Input.Click(*Grid, first(3));
  EXPECT_EQ(u"TRUE", Grid->ControlValues(1, 3, u"r2"));
  EXPECT_EQ(u"FALSE", Grid->ControlValues(1, 3, u"r1"));
  EXPECT_EQ((std::vector<String>{u"c1 CHECK TRUE", u"r2 RADIO TRUE"}), clicks);
}

// A button control is drawn down while held on it, and up again after.
TEST_F(AnchorGrid, AButtonControlIsDrawnDownWhileHeld) {
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  Grid->SetCells(1, 2, u"<CONTROL TYPE=\"BUTTON\" ID=\"b1\" VALUE=\"Go\" WIDTH=\"60\">");
  Grid->SetCells(2, 2, Grid->Cells(1, 2));
  Grid->SetRowHeights(2, 30);
  const auto drawn = [&](int ACol) {
    String out;
    for (const TCanvasRecord& r : paint_test::PaintCell(*Grid, ACol, 2, {}, Grid->CellRect(ACol, 2))) {
      out += r.ToString() + u"\n";
    }
    return out;
  };
  const String up = drawn(1), otherUp = drawn(2);
  const TRect r = Grid->CellRect(1, 2);
  const TPoint on = Point(r.Left + 20, r.Top + 14);
  std::vector<String> clicks;
  Grid->OnControlClick = [&](TObject*, int, int, const String& ID, const String&, const String&) {
    clicks.push_back(ID);
  };
  Input.MouseDown(*Grid, on);
  EXPECT_NE(up, drawn(1)) << "held";
  EXPECT_EQ(otherUp, drawn(2)) << "the same control in another cell";
  Input.MouseUp(*Grid, on);
  EXPECT_EQ(up, drawn(1)) << "released";
  EXPECT_EQ((std::vector<String>{u"b1"}), clicks);
}

// Held, the button looks pressed only while the pointer is on it, as a
// push button does.
TEST_F(AnchorGrid, AHeldButtonControlLooksPressedOnlyUnderThePointer) {
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  Grid->SetCells(1, 2, u"<CONTROL TYPE=\"BUTTON\" ID=\"b1\" VALUE=\"Go\" WIDTH=\"60\">");
  Grid->SetColWidths(1, 120);
  Grid->SetRowHeights(2, 30);
  const auto drawn = [&] {
    String out;
    for (const TCanvasRecord& r : paint_test::PaintCell(*Grid, 1, 2, {}, Grid->CellRect(1, 2))) {
      out += r.ToString() + u"\n";
    }
    return out;
  };
  const TRect r = Grid->CellRect(1, 2);
  const TPoint on = Point(r.Left + 20, r.Top + 14), off = Point(r.Left + 100, r.Top + 14);
  Input.MouseMove(*Grid, on);
  const String up = drawn();
  Input.MouseDown(*Grid, on);
  const String down = drawn();
  EXPECT_NE(up, down);
  Input.MouseMove(*Grid, off);
  EXPECT_EQ(up, drawn()) << "held, pointer moved off the button";
  Input.MouseMove(*Grid, on);
  EXPECT_EQ(down, drawn()) << "back on it";
  Input.MouseUp(*Grid, on);
  EXPECT_EQ(up, drawn());
}

TEST_F(AnchorGrid, ARightClickOnAURLEditsItWithURLEdit) {
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  Grid->SetURLShow(true);
  Grid->SetCells(1, 2, u"http://example.org");
  const TPoint on = At(1, 2, 10);
  Input.Click(*Grid, on, mbRight);
  EXPECT_FALSE(Grid->EditorMode()) << "without URLEdit";
  Grid->SetURLEdit(true);
  Input.Click(*Grid, on, mbRight);
  EXPECT_TRUE(Grid->EditorMode());
  EXPECT_EQ(1, Grid->Col());
  EXPECT_EQ(2, Grid->Row());
  EXPECT_TRUE(Shell.Opened().empty());
  Grid->HideEditor();
  Grid->SetCells(1, 3, u"plain words");
  Input.Click(*Grid, At(1, 3, 10), mbRight);
  EXPECT_FALSE(Grid->EditorMode()) << "no URL";
}

}  // namespace
