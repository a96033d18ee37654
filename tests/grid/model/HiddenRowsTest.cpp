// Hiding and showing rows through the hidden-row store, filter levels and
// the renumbering of parked rows when shown rows are inserted or removed.
#include <gtest/gtest.h>

#include "grid/model/AdvStringGrid.h"
#include "platform/sys/SysUtils.h"

namespace {

// A 4-column grid of 12 rows; cell (c, r) holds "r.c" and column 1 of every
// row has a colour record, so records travel (and are freed) with rows.
struct GridHiddenRows : ::testing::Test {
  TAdvStringGrid G{nullptr};
  GridHiddenRows() {
    G.SetColCount(4);
    G.SetRowCount(12);
    for (int r = 0; r < 12; ++r) {
      for (int c = 0; c < 4; ++c) G.SetCells(c, r, IntToStr(r) + u"." + IntToStr(c));
      G.SetColors(1, r, 0x100 + r);
    }
  }
  // The original row number shown at displayed row d, from its column-0 text.
  int Shown(int d) { return StrToInt(G.Cells(0, d).substr(0, G.Cells(0, d).find(u'.'))); }
  std::vector<int> ShownRows() {
    std::vector<int> rows;
    for (int d = 0; d < G.RowCount(); ++d) rows.push_back(Shown(d));
    return rows;
  }
  std::vector<int> ParkedIdx() {
    std::vector<int> idx;
    for (int i = 0; i < G.GridItems().Count(); ++i) idx.push_back(G.GridItems().Item(i)->Idx());
    return idx;
  }
};

TEST_F(GridHiddenRows, HidingARangeSkipsParkedRowsAndKeepsTheStoreOrdered) {
  G.SetRowHeights(5, 40);
  G.HideRow(4);
  G.HideRows(3, 5);
  EXPECT_EQ(ParkedIdx(), (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(G.RowCount(), 9);
  EXPECT_EQ(G.AllRowCount(), 12);
  EXPECT_EQ(G.AllCells(2, 5), u"5.2");
  EXPECT_EQ(G.GridItems().FindRealRow(5)->Height(), 40);
  EXPECT_EQ(Shown(3), 6);
  EXPECT_EQ(G.RealRowIndex(3), 6);
  EXPECT_EQ(G.DisplRowIndex(6), 3);
  G.UnHideRows(4, 5);  // row 4 is parked but row... 4 is the first: shows 4 and 5
  EXPECT_EQ(ParkedIdx(), (std::vector<int>{3}));
  G.UnHideRows(2, 3);  // row 2 is shown: nothing
  EXPECT_EQ(ParkedIdx(), (std::vector<int>{3}));
  G.UnHideRow(3);
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(G.RowHeights(5), 40);
  EXPECT_EQ(G.Colors(1, 5), TColor(0x105)) << "the record came back with its row";
}

TEST_F(GridHiddenRows, ScatteredRowsComeBackInOnePass) {
  for (int r = 1; r < 12; r += 2) G.HideRow(r);
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 2, 4, 6, 8, 10}));
  G.UnHideRowsAll();
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(G.Colors(1, 7), TColor(0x107));
  EXPECT_EQ(G.NumHiddenRows(), 0);
}

// Rows parked by HideRows used to be misplaced and then dropped with their
// cells when a filter level was taken back.
TEST_F(GridHiddenRows, RowsHiddenByHideRowsSurviveFilterLevels) {
  G.HideRow(2);
  G.HideRowList({3, 5});  // displayed rows: real rows 4 and 6
  EXPECT_EQ(G.FilterLevel(), 1);
  G.HideRowList({0});
  EXPECT_EQ(ShownRows(), (std::vector<int>{1, 3, 5, 7, 8, 9, 10, 11}));
  EXPECT_EQ(ParkedIdx(), (std::vector<int>{0, 2, 4, 6}));
  G.UnHideRowList();  // top level only
  G.SetFilterLevel(1);
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 1, 3, 5, 7, 8, 9, 10, 11}));
  G.UnHideRowList();
  G.SetFilterLevel(0);
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(ParkedIdx(), (std::vector<int>{2}));
  EXPECT_EQ(G.AllCells(3, 2), u"2.3");
  G.UnHideRowList();  // no level left: nothing
  EXPECT_EQ(G.NumHiddenRows(), 1);
  G.UnHideRow(2);
  EXPECT_EQ(G.Colors(1, 2), TColor(0x102));
}

// A row parked below an inserted row used to come back one place too high.
TEST_F(GridHiddenRows, InsertingRowsRenumbersParkedRowsBelow) {
  G.HideRow(6);
  G.HideRows(2, 4);  // block right above displayed row 2 (real 5)
  G.InsertRows(2, 2);
  EXPECT_EQ(ParkedIdx(), (std::vector<int>{2, 3, 4, 8})) << "rows parked before the point stay";
  G.UnHideRowsAll();
  EXPECT_EQ(G.Cells(0, 5), u"") << "the inserted rows follow the parked block";
  EXPECT_EQ(Shown(7), 5);
  EXPECT_EQ(Shown(8), 6);
  EXPECT_EQ(G.RowCount(), 14);
}

TEST_F(GridHiddenRows, RemovingRowsRenumbersParkedRowsBelow) {
  struct Case {
    const char* Name;
    std::function<void(TAdvStringGrid&)> Remove;
  } cases[] = {
      {"RemoveRows", [](TAdvStringGrid& g) { g.RemoveRows(2, 2); }},
      {"DeleteRows", [](TAdvStringGrid& g) { g.DeleteRows(2, 2); }},
      {"RemoveRowsEx", [](TAdvStringGrid& g) { g.RemoveRowsEx(2, 2); }},
  };
  for (const Case& c : cases) {
    TAdvStringGrid g(nullptr);
    g.SetCells(0, 7, u"seven");
    g.HideRow(7);
    c.Remove(g);
    ASSERT_EQ(g.NumHiddenRows(), 1) << c.Name;
    EXPECT_EQ(g.GridItems().Item(0)->Idx(), 5) << c.Name;
    g.UnHideRow(5);
    EXPECT_EQ(g.Cells(0, 5), u"seven") << c.Name;
  }
}

// A parked row between removed shown rows keeps a real index of its own.
TEST_F(GridHiddenRows, RemovingAroundAParkedRowKeepsItBetweenItsNeighbours) {
  G.HideRow(3);
  G.RemoveRows(2, 2);  // real rows 2 and 4
  EXPECT_EQ(ParkedIdx(), (std::vector<int>{2}));
  G.UnHideRowsAll();
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 1, 3, 5, 6, 7, 8, 9, 10, 11}));
}

TEST_F(GridHiddenRows, InsertingAndRemovingColumnsReachesParkedRows) {
  G.HideRow(4);
  G.InsertCols(1, 1);
  EXPECT_EQ(G.AllCells(2, 4), u"4.1");
  EXPECT_EQ(G.AllCells(1, 4), u"");
  G.RemoveCols(1, 2);  // the new column and the one with the records
  G.UnHideRow(4);
  EXPECT_EQ(G.Cells(1, 4), u"4.2");
  EXPECT_EQ(G.Colors(1, 4), clNone);
}

TEST_F(GridHiddenRows, ClearAllEmptiesParkedRowsAndKeepsThemParked) {
  G.HideRows(3, 4);
  G.ClearAll();
  EXPECT_EQ(G.NumHiddenRows(), 2);
  EXPECT_EQ(G.AllCells(0, 3), u"");
  EXPECT_EQ(G.Cells(0, 5), u"");
  G.UnHideRowsAll();
  EXPECT_EQ(G.Colors(1, 3), clNone);
}

TEST_F(GridHiddenRows, AGridKeepsOneShownRow) {
  G.HideRows(0, 20);
  EXPECT_EQ(G.RowCount(), 1);
  EXPECT_EQ(G.NumHiddenRows(), 11);
  EXPECT_EQ(Shown(0), 11);
  G.UnHideRowsAll();
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

}  // namespace
