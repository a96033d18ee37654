#include <gtest/gtest.h>

#include "grid/base/ControlLook.h"
#include "grid/base/MouseActions.h"
#include "grid/model/FloatingFooter.h"
#include "platform/sys/SysUtils.h"
#include "tests/grid/interact/MouseGridSupport.h"

namespace {

using mousetest::TConfigGrid;

std::string Cell(const char* Name, int A, int B) {
  return std::string(Name) + "(" + std::to_string(A) + "," + std::to_string(B) + ")";
}

struct ConfigGridMouse : ::testing::Test, TConfigGrid {
  void LogClicks() {
    Grid->OnClickCell = [this](TObject*, int ARow, int ACol) { Add(Cell("ClickCell", ARow, ACol)); };
    Grid->OnCheckBoxClick = [this](TObject*, int ACol, int ARow, bool State) {
      Add(Cell("CheckBoxClick", ACol, ARow) + (State ? " on" : " off"));
    };
    Grid->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { Add("MouseDown"); };
    Grid->OnClick = [this](TObject*) { Add("Click"); };
  }
};

TEST_F(ConfigGridMouse, AClickSelectsTheCellAndReportsIt) {
  LogClicks();
  Click(4, 3);
  EXPECT_EQ(4, Grid->Col());
  EXPECT_EQ(3, Grid->Row());
  EXPECT_NE(Log.end(), std::find(Log.begin(), Log.end(), "ClickCell(3,4)"));
  EXPECT_EQ(1, std::count(Log.begin(), Log.end(), "ClickCell(3,4)"));
}

TEST_F(ConfigGridMouse, AClickOnTheCurrentEditableCellOpensItsEditor) {
  Click(4, 3);
  EXPECT_FALSE(Grid->EditorMode());
  Click(4, 3);
  EXPECT_TRUE(Grid->EditorMode());
  Click(1, 3);
  Click(1, 3);
  EXPECT_FALSE(Grid->EditorMode()) << "a check-box cell toggles instead";
  EXPECT_EQ(u"N", Grid->Cells(1, 3)) << "toggled twice";
}

TEST_F(ConfigGridMouse, WhichGesturesOpenTheEditor) {
  enum Option { None, RangeEdit, DblClickOnly, Direct };
  enum Gesture { ClickOther, ClickCurrent, DoubleClick };
  struct Case {
    const char* Name;
    Option Opt;
    bool Editing;  // goEditing before the gesture
    Gesture Act;
    bool Opens;
  };
  const Case Cases[] = {
      {"plain click elsewhere", None, true, ClickOther, false},
      {"plain click on the current cell", None, true, ClickCurrent, true},
      {"plain double click, not editing", None, false, DoubleClick, false},
      {"direct edit, click elsewhere", Direct, true, ClickOther, true},
      {"double click only, click on the current cell", DblClickOnly, true, ClickCurrent, false},
      {"double click only, double click", DblClickOnly, true, DoubleClick, true},
      {"range select and edit, click on the current cell", RangeEdit, false, ClickCurrent, true},
      {"range select and edit, click elsewhere", RangeEdit, false, ClickOther, false},
      {"range select and edit, double click", RangeEdit, false, DoubleClick, true},
  };
  TMouseActions& ma = *Grid->MouseActions();
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    Grid->SetEditorMode(false);
    Grid->SetFocus();
    ma.SetRangeSelectAndEdit(C.Opt == RangeEdit);
    ma.SetEditOnDblClickOnly(C.Opt == DblClickOnly);
    ma.SetDirectEdit(C.Opt == Direct);
    Grid->FocusCell(4, 1, true);
    const TGridOptions base = Grid->Options() - TGridOptions{goEditing};
    Grid->SetOptions(C.Editing ? base + TGridOptions{goEditing} : base);
    if (C.Act == DoubleClick)
      Input.DoubleClick(*Grid, Centre(4, 3));
    else
      Click(4, C.Act == ClickCurrent ? 1 : 3);
    EXPECT_EQ(C.Opens, Grid->EditorMode());
  }
}

TEST_F(ConfigGridMouse, ADataCheckBoxTogglesWithItsEventsInOrder) {
  LogClicks();
  Click(1, 2);
  EXPECT_EQ(u"Y", Grid->Cells(1, 2));
  const std::vector<std::string> first{"CheckBoxClick(1,2) on", "MouseDown", "Click"};
  EXPECT_EQ(first, Log);
  EXPECT_EQ(1, Grid->Col());
  EXPECT_EQ(2, Grid->Row());
  Log.clear();
  Click(1, 2);
  EXPECT_EQ(u"N", Grid->Cells(1, 2));
  ASSERT_FALSE(Log.empty());
  EXPECT_EQ("CheckBoxClick(1,2) off", Log.front());
}

TEST_F(ConfigGridMouse, WhereAClickTogglesACheckBox) {
  struct Case {
    const char* Name;
    int Col;
    int Dx;  // from the cell's left; the glyph is at its left
    bool Precise;
    bool AlwaysActive;
    bool Toggles;
  };
  const Case Cases[] = {
      {"on the glyph", 1, 6, false, false, true},
      {"beside the glyph", 1, 50, false, false, true},
      {"beside the glyph, precise", 1, 50, true, false, false},
      {"on the glyph, precise", 1, 6, true, false, true},
      {"read-only column", 2, 6, false, false, false},
      {"read-only column, always active", 2, 6, false, true, true},
  };
  int row = 1;
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    Grid->MouseActions()->SetPreciseCheckBoxCheck(C.Precise);
    Grid->ControlLook()->SetCheckAlwaysActive(C.AlwaysActive);
    Input.Click(*Grid, At(C.Col, row, C.Dx));
    EXPECT_EQ(C.Toggles ? u"Y" : u"N", Grid->Cells(C.Col, row));
    row = row % 5 + 1;
  }
}

// Decided: the storage column, as the keyboard path and the mouse-up
// events report it.
TEST_F(ConfigGridMouse, TheCheckBoxClickReportsTheStorageColumn) {
  int reported = -1;
  Grid->OnCheckBoxClick = [&](TObject*, int ACol, int, bool) { reported = ACol; };
  int released = -1;
  Grid->OnCheckBoxMouseUp = [&](TObject*, int ACol, int, bool) { released = ACol; };
  Grid->HideColumn(1);
  ASSERT_EQ(1, Grid->DisplColIndex(2));
  Grid->ControlLook()->SetCheckAlwaysActive(true);
  // Cells are addressed by storage column.
  const String hidden = Grid->Cells(1, 3), right = Grid->Cells(3, 3), before = Grid->Cells(2, 3);
  Click(1, 3);  // the read-only box, now shown in column 1
  EXPECT_EQ(2, reported);
  EXPECT_EQ(2, released);
  EXPECT_NE(before, Grid->Cells(2, 3)) << "the box's own cell toggles";
  EXPECT_EQ(hidden, Grid->Cells(1, 3));
  EXPECT_EQ(right, Grid->Cells(3, 3));
}

TEST_F(ConfigGridMouse, CheckAllCheckSetsEveryRowFromTheHeader) {
  Grid->MouseActions()->SetCheckAllCheck(true);
  Grid->ControlLook()->SetCheckAlwaysActive(true);  // a header cell is never editable
  Grid->AddCheckBox(1, 0, false, false);
  Click(1, 0);
  for (int r = 1; r < Grid->RowCount(); ++r) EXPECT_EQ(u"Y", Grid->Cells(1, r)) << r;
  Click(1, 0);
  for (int r = 1; r < Grid->RowCount(); ++r) EXPECT_EQ(u"N", Grid->Cells(1, r)) << r;
}

TEST_F(ConfigGridMouse, RefusingTheClickStopsThePress) {
  LogClicks();
  Grid->OnCanClickCell = [](TObject*, int ARow, int, bool& Allow) { Allow = ARow != 4; };
  Click(1, 4);
  Click(4, 4);
  EXPECT_EQ(u"N", Grid->Cells(1, 4));
  EXPECT_EQ(1, Grid->Row()) << "the current cell stays";
  EXPECT_TRUE(Log.empty());
  Click(4, 2);
  EXPECT_EQ(2, Grid->Row());
}

TEST_F(ConfigGridMouse, ARightClickReportsAndSelectsWhenAsked) {
  std::vector<TGridCoord> clicked;
  Grid->OnRightClickCell = [&](TObject*, int ARow, int ACol) { clicked.push_back({ACol, ARow}); };
  Input.Click(*Grid, Centre(4, 3), mbRight);
  EXPECT_EQ(1, Grid->Row()) << "no selection without SelectOnRightClick";
  Grid->MouseActions()->SetSelectOnRightClick(true);
  Input.Click(*Grid, Centre(4, 3), mbRight);
  EXPECT_EQ(3, Grid->Row());
  EXPECT_EQ(4, Grid->Col());
  const std::vector<TGridCoord> expected{{4, 3}, {4, 3}};
  EXPECT_EQ(expected, clicked);
}

TEST_F(ConfigGridMouse, ADoubleClickReportsDataAndHeaderCells) {
  std::vector<TGridCoord> clicked;
  Grid->OnDblClickCell = [&](TObject*, int ARow, int ACol) { clicked.push_back({ACol, ARow}); };
  Input.DoubleClick(*Grid, Centre(4, 2));
  Input.DoubleClick(*Grid, Centre(3, 0));
  const std::vector<TGridCoord> expected{{4, 2}, {3, 0}};
  EXPECT_EQ(expected, clicked);
}

TEST_F(ConfigGridMouse, TheSelectionChangeIsReportedOnce) {
  std::vector<TGridRect> reported;
  Grid->OnSelectionChanged = [&](TObject*, int L, int T, int R, int B) { reported.push_back({L, T, R, B}); };
  Click(4, 3);
  Click(4, 3);
  const std::vector<TGridRect> expected{{4, 3, 4, 3}};
  EXPECT_EQ(expected, reported);
}

TEST_F(ConfigGridMouse, APressInAMergedAreaSelectsItsBaseCell) {
  Grid->MergeCells(3, 2, 2, 2);
  LogClicks();
  Grid->OnMouseDown = nullptr;
  const TRect last = Grid->CellRect(4, 3);
  Input.MouseDown(*Grid, Point(last.Right - 6, last.Bottom - 6));
  EXPECT_EQ(3, Grid->Col()) << "down";
  EXPECT_EQ(2, Grid->Row()) << "down";
  Input.MouseUp(*Grid, Point(last.Right - 6, last.Bottom - 6));
  EXPECT_EQ(3, Grid->Col());
  EXPECT_EQ(2, Grid->Row());
  EXPECT_EQ(1, std::count(Log.begin(), Log.end(), "ClickCell(2,3)"));
}

TEST_F(ConfigGridMouse, TheFloatingFootersRowTakesNoClick) {
  Grid->FloatingFooter()->SetFooterStyle(fsFixedLastRow);
  Grid->FloatingFooter()->SetVisible(true);
  LogClicks();
  Click(4, Grid->RowCount() - 1);
  EXPECT_EQ(0, std::count(Log.begin(), Log.end(), Cell("ClickCell", Grid->RowCount() - 1, 4)));
  Click(4, 2);
  EXPECT_EQ(1, std::count(Log.begin(), Log.end(), "ClickCell(2,4)"));
}

// A press on the partly shown row below the last whole one.
TEST_F(ConfigGridMouse, APartlyShownRowNeedNotScrollTheGrid) {
  struct Case {
    const char* What;
    bool NoAutoRangeScroll, NoScrollOnPartialRow;
    bool Selecting, Scrolled;
  };
  const Case cases[] = {
      {"default", false, false, true, true},
      {"no range scroll", true, false, false, true},
      {"no scroll", false, true, false, false},
  };
  Grid->SetRowCount(40);
  Grid->SetDefaultRowHeight(22);
  for (const Case& c : cases) {
    Grid->SetTopRow(1);
    Grid->FocusCell(4, 1, true);
    Grid->MouseActions()->SetNoAutoRangeScroll(c.NoAutoRangeScroll);
    Grid->MouseActions()->SetNoScrollOnPartialRow(c.NoScrollOnPartialRow);
    const int partial = Grid->TopRow() + Grid->VisibleRowCount();
    const TRect r = Grid->CellRect(4, partial);
    ASSERT_LT(r.Top + 4, Grid->ClientHeight()) << c.What;
    const TPoint at = Point((r.Left + r.Right) / 2, r.Top + 4);
    Input.MouseDown(*Grid, at);
    EXPECT_EQ(c.Selecting, Grid->GridState() == gsSelecting) << c.What;
    EXPECT_EQ(c.Scrolled, Grid->TopRow() != 1) << c.What;
    Input.MouseUp(*Grid, at);
  }
}

}  // namespace
