#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/base/DragDropSettings.h"
#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGrid.h"

namespace {

struct ModeCase {
  std::string Name;
  // Selects (1,1), (2,2) and fixed cells as far as the mode lets it.
  std::function<void(TAdvStringGrid&)> Select;
  std::vector<TGridCoord> Selected;
  std::vector<TGridCoord> NotSelected;
};

std::vector<ModeCase> Modes() {
  return {
      {"rectangle",
       [](TAdvStringGrid& g) { g.SelectCells(0, 0, 2, 2); },
       {{1, 1}, {2, 2}, {1, 2}},
       {{0, 0}, {0, 1}, {1, 0}, {3, 3}}},
      {"disjunct cells",
       [](TAdvStringGrid& g) {
         g.MouseActions()->SetDisjunctCellSelect(true);
         for (const TGridCoord c : {TGridCoord{1, 1}, {2, 2}, {0, 1}, {1, 0}}) g.SetSelectedCells(c.X, c.Y, true);
       },
       {{1, 1}, {2, 2}},
       {{0, 1}, {1, 0}, {1, 2}}},
      {"disjunct rows",
       [](TAdvStringGrid& g) {
         g.MouseActions()->SetDisjunctRowSelect(true);
         for (const int r : {0, 1, 2}) g.SetRowSelect(r, true);
       },
       {{1, 1}, {2, 2}, {4, 1}},
       {{0, 1}, {1, 0}, {1, 3}}},
      {"disjunct columns",
       [](TAdvStringGrid& g) {
         g.MouseActions()->SetDisjunctColSelect(true);
         for (const int c : {0, 1, 2}) g.SetColSelect(c, true);
       },
       {{1, 1}, {2, 2}, {1, 9}},
       {{0, 1}, {1, 0}, {3, 1}}},
  };
}

TEST(SelectionQueries, IsSelectedInEveryModeAndNeverForFixedCells) {
  for (const auto& mode : Modes()) {
    TAdvStringGrid g(nullptr);
    mode.Select(g);
    for (const TGridCoord c : mode.Selected) {
      EXPECT_TRUE(g.IsSelected(c.X, c.Y)) << mode.Name << " " << c.X << "," << c.Y;
    }
    for (const TGridCoord c : mode.NotSelected) {
      EXPECT_FALSE(g.IsSelected(c.X, c.Y)) << mode.Name << " " << c.X << "," << c.Y;
    }
  }
}

// Rows 1..3 hold "c:r" in columns 1..3.
struct TextGrid : TAdvStringGrid {
  TextGrid() : TAdvStringGrid(nullptr) {
    for (int c = 0; c < ColCount(); ++c) {
      for (int r = 0; r < RowCount(); ++r) SetCells(c, r, IntToStr(c) + u":" + IntToStr(r));
    }
  }
};

TEST(SelectionQueries, SelectedTextJoinsCellsWithTabAndRowsWithCrLf) {
  TextGrid g;
  g.SetCells(1, 1, u"a");
  g.SetCells(2, 1, u"b");
  g.SetCells(1, 2, u"c");
  g.SetCells(2, 2, u"d");
  g.SelectCells(1, 1, 2, 2);
  EXPECT_EQ(g.SelectedText(), u"a\tb\r\nc\td");
  g.SelectCells(3, 4, 3, 4);
  EXPECT_EQ(g.SelectedText(), u"3:4");

  g.MouseActions()->SetDisjunctRowSelect(true);
  g.SetRowSelect(5, true);
  g.SetRowSelect(2, true);
  g.SelectCells(1, 1, 2, 1);
  EXPECT_EQ(g.SelectedText(), u"c\td\r\n1:5\t2:5") << "rows in row order";
  g.ClearRowSelect();
  EXPECT_EQ(g.SelectedText(), u"");
}

TEST(SelectionQueries, SelectedTextQuotesMultiLineCellsOnlyForTheSpreadsheetFormat) {
  struct Case {
    bool Excel;
    bool Multiline;
    String Expected;
  };
  const String vt(1, u'\v');
  const Case cases[] = {
      {true, true, u"\"x" + vt + u"y\""},
      {true, false, u"x\r\ny"},
      {false, true, u"x\r\ny"},
  };
  for (const auto& c : cases) {
    TAdvStringGrid g(nullptr);
    g.SetCells(1, 1, u"x\r\ny");
    g.SetExcelClipboardFormat(c.Excel);
    g.SetMultilinecells(c.Multiline);
    g.SelectCells(1, 1, 1, 1);
    EXPECT_EQ(g.SelectedText(), c.Expected) << c.Excel << c.Multiline;
  }
}

TEST(SelectionQueries, SelectedTextTakesEntireRowsUnderRowSelect) {
  TextGrid g;
  g.SetColCount(3);
  g.SetOptions(g.Options() + TGridOptions{goRowSelect});
  g.SelectCells(1, 2, 2, 2);
  EXPECT_EQ(g.SelectedText(), u"1:2\t2:2");
  g.DragDropSettings()->SetOleEntireRows(true);
  EXPECT_EQ(g.SelectedText(), u"0:2\t1:2\t2:2");
}

TEST(SelectionQueries, SelectedTextReadsHiddenColumnsPlacesByStorageColumn) {
  TextGrid g;
  g.HideColumn(2);
  g.SelectCells(1, 1, 2, 1);
  EXPECT_EQ(g.SelectedText(), u"1:1\t3:1");
}

TEST(SelectionQueries, SelectedCellsCountListsColumnByColumn) {
  TAdvStringGrid g(nullptr);
  g.SelectCells(1, 1, 2, 3);
  ASSERT_EQ(g.SelectedCellsCount(), 6);
  const TGridCoord expected[] = {{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(g.SelectedCell(i), expected[i]) << i;
  g.SetSelectedCells(4, 4, true);
  EXPECT_TRUE(g.SelectedCells(2, 2));
  EXPECT_FALSE(g.SelectedCells(4, 4)) << "the rectangle answers outside disjunct selection";
  EXPECT_EQ(g.SelectedCellsCount(), 6) << "a written cell is lost at the next rebuild";
  EXPECT_THROW(g.SelectedCell(6), EListError);

  g.FocusCell(3, 4, true);
  ASSERT_EQ(g.SelectedCellsCount(), 1);
  EXPECT_EQ(g.SelectedCell(0), (TGridCoord{3, 4})) << "a single cell is the current cell";
}

TEST(SelectionQueries, DisjunctCellsKeepTheirOrderAndCountOnce) {
  TAdvStringGrid g(nullptr);
  g.MouseActions()->SetDisjunctCellSelect(true);
  g.SetSelectedCells(3, 2, true);
  g.SetSelectedCells(1, 4, true);
  g.SetSelectedCells(3, 2, true);
  g.SetSelectedCells(2, 2, true);
  g.SetSelectedCells(1, 4, false);
  ASSERT_EQ(g.SelectedCellsCount(), 2);
  EXPECT_EQ(g.SelectedCell(0), (TGridCoord{3, 2}));
  EXPECT_EQ(g.SelectedCell(1), (TGridCoord{2, 2}));
  g.ClearSelectedCells();
  EXPECT_EQ(g.SelectedCellsCount(), 0);
  EXPECT_EQ(g.Selection().Left, g.FixedCols());
  EXPECT_EQ(g.Selection().Bottom, g.FixedRows());
}

TEST(SelectionQueries, SelectedCellKeysHoldRowsPastSixteenBits) {
  TAdvStringGrid g(nullptr);
  g.SetRowCount(70001);
  g.MouseActions()->SetDisjunctCellSelect(true);
  g.SetSelectedCells(1, 70000, true);
  EXPECT_TRUE(g.IsSelected(1, 70000));
  EXPECT_FALSE(g.IsSelected(1, 4464)) << "70000 - 65536";
  EXPECT_EQ(g.SelectedCell(0), (TGridCoord{1, 70000}));
  g.SetSelectedCells(70000, 1, true);
  EXPECT_EQ(g.SelectedCell(1), (TGridCoord{70000, 1}));
  EXPECT_FALSE(g.IsSelected(1, 70000 + 1));
}

TEST(SelectionQueries, SelectedRowCountLeavesFootersOutAndSpansMergedCells) {
  struct Case {
    const char* Name;
    std::function<void(TAdvStringGrid&)> Setup;
    TGridRect Sel;
    int Expected;
  };
  const Case cases[] = {
      {"plain", [](TAdvStringGrid&) {}, {1, 2, 1, 4}, 3},
      {"into two footers", [](TAdvStringGrid& g) { g.SetFixedFooters(2); }, {1, 5, 1, 9}, 3},
      {"inside a merged start", [](TAdvStringGrid& g) { g.MergeCells(1, 2, 1, 3); }, {1, 2, 1, 3}, 3},
      {"past a merged start", [](TAdvStringGrid& g) { g.MergeCells(1, 2, 1, 2); }, {1, 2, 1, 6}, 5},
      {"merged end", [](TAdvStringGrid& g) { g.MergeCells(1, 4, 1, 3); }, {1, 2, 1, 4}, 5},
  };
  for (const auto& c : cases) {
    TAdvStringGrid g(nullptr);
    c.Setup(g);
    g.SelectCells(c.Sel.Left, c.Sel.Top, c.Sel.Right, c.Sel.Bottom);
    EXPECT_EQ(g.SelectedRowCount(), c.Expected) << c.Name;
  }
}

TEST(SelectionQueries, SelectedColCountSpansMergedCells) {
  struct Case {
    const char* Name;
    std::function<void(TAdvStringGrid&)> Setup;
    TGridRect Sel;
    int Expected;
  };
  const Case cases[] = {
      {"plain", [](TAdvStringGrid&) {}, {1, 1, 3, 1}, 3},
      {"inside a merged start", [](TAdvStringGrid& g) { g.MergeCells(1, 1, 3, 1); }, {1, 1, 2, 1}, 3},
      {"merged end", [](TAdvStringGrid& g) { g.MergeCells(3, 1, 2, 1); }, {1, 1, 3, 1}, 4},
  };
  for (const auto& c : cases) {
    TAdvStringGrid g(nullptr);
    g.SetColCount(8);
    c.Setup(g);
    g.SelectCells(c.Sel.Left, c.Sel.Top, c.Sel.Right, c.Sel.Bottom);
    EXPECT_EQ(g.SelectedColCount(), c.Expected) << c.Name;
  }
  TAdvStringGrid g(nullptr);
  g.MouseActions()->SetDisjunctColSelect(true);
  g.SetColSelect(3, true);
  g.SetColSelect(3, false);
  EXPECT_EQ(g.SelectedColCount(), 4) << "the flag list's entries, set or not";
}

TEST(SelectionQueries, SelectedRowAnswersMinusOnePastTheEnd) {
  TAdvStringGrid g(nullptr);
  g.SelectCells(1, 3, 1, 4);
  EXPECT_EQ(g.SelectedRow(0), 3);
  EXPECT_EQ(g.SelectedRow(1), 4);
  EXPECT_EQ(g.SelectedRow(2), -1);
  g.MouseActions()->SetDisjunctRowSelect(true);
  g.SetRowSelect(6, true);
  g.SetRowSelect(2, true);
  EXPECT_EQ(g.SelectedRowCount(), 2);
  EXPECT_EQ(g.SelectedRow(0), 6) << "selection order";
  EXPECT_EQ(g.SelectedRow(1), 2);
  EXPECT_EQ(g.SelectedRow(2), -1);
}

TEST(SelectionQueries, ClearModifiedRowsForgetsEveryMark) {
  TAdvStringGrid g(nullptr);
  g.SetRowModified(2, true);
  g.SetRowModified(5, true);
  g.ClearModifiedRows();
  EXPECT_EQ(g.ModifiedRowCount(), 0);
  EXPECT_FALSE(g.RowModified(2));
}

}  // namespace

namespace {

TEST(ScrollInView, CentresARowOutOfViewAndMakesItCurrent) {
  TAdvStringGrid g(nullptr);
  g.SetRowCount(100);
  g.SetColCount(30);
  const int visRows = g.VisibleRowCount();
  const int visCols = g.VisibleColCount();
  ASSERT_GT(visRows, 2);
  g.ScrollInView(2, 50);
  EXPECT_EQ(g.Row(), 50);
  EXPECT_EQ(g.TopRow(), 50 - visRows / 2);
  EXPECT_EQ(g.LeftCol(), 1) << "the column was in view";
  const int top = g.TopRow();
  g.ScrollInView(1, top + 1);
  EXPECT_EQ(g.TopRow(), top) << "a cell in view moves nothing";
  g.ScrollInView(25, 50);
  EXPECT_EQ(g.Col(), 25);
  EXPECT_EQ(g.LeftCol(), std::min(25 - visCols / 2, g.MaxLeftCol()));
  g.ScrollInView(1, 99);
  EXPECT_EQ(g.TopRow(), g.MaxTopRow()) << "the last rows keep the view filled";
  g.ScrollInView(1, 100);
  EXPECT_EQ(g.Row(), 99) << "past the rows nothing happens";
}

}  // namespace
