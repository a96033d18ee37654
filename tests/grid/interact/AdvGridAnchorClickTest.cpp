#include <gtest/gtest.h>

#include "tests/grid/interact/MouseGridSupport.h"
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

}  // namespace
