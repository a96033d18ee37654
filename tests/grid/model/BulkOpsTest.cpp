#include <gtest/gtest.h>

#include "grid/base/MouseActions.h"
#include "tests/grid/model/SortGrid.h"

namespace {

using Texts = std::vector<String>;

TEST(BulkRows, DuplicatesGoInAnyCase) {
  for (bool doCase : {false, true}) {
    SortGrid s;
    s.Fill(1, {u"abc", u"ABC", u"abd", u"abc"});
    s.Fill(2, {u"1", u"2", u"3", u"4"});
    s.G.RemoveDuplicates(1, doCase);
    EXPECT_EQ(s.Column(1), (Texts{u"abc", u"abd"})) << doCase;
    EXPECT_EQ(s.Column(2), (Texts{u"1", u"3"}));
  }
}

// Many rows: each text is read some rows ahead of its turn, and a repeat
// is told from the row it repeats, read again where it stands.
TEST(BulkRows, DuplicatesAmongManyRowsKeepTheFirstOfEach) {
  SortGrid s;
  s.G.SetRowCount(201);
  for (int r = 1; r <= 200; ++r) {
    const std::string word = "w" + std::to_string((r * 5) % 7);
    s.G.SetCells(1, r, S(r % 2 ? word : "W" + word.substr(1)));
    s.G.SetCells(2, r, S(std::to_string(r)));
  }
  s.G.RemoveDuplicates(1, false);
  EXPECT_EQ(s.Column(1), (Texts{u"w5", u"W3", u"w1", u"W6", u"w4", u"W2", u"w0"}));
  EXPECT_EQ(s.Column(2), (Texts{u"1", u"2", u"3", u"4", u"5", u"6", u"7"}));
}

TEST(BulkRows, SelectionRectangleRowsGo) {
  SortGrid s;
  s.Fill(1, {u"a", u"b", u"c", u"d", u"e"});
  s.G.SetSelection({1, 2, 2, 4});
  s.G.RemoveSelectedRows();
  EXPECT_EQ(s.Column(1), (Texts{u"a", u"e"}));
  s.Fill(1, {u"a", u"b", u"c", u"d", u"e"});
  s.G.SetSelection({1, 2, 2, 3});
  s.G.RemoveUnSelectedRows();
  EXPECT_EQ(s.Column(1), (Texts{u"b", u"c"}));
}

// The one-pass removal ends where removing the rows one by one from the
// bottom ends: texts, records, heights, parked rows, current and top row.
TEST(BulkRows, DisjunctRemovalEndsAsOneByOne) {
  SortGrid bulk, single;
  for (SortGrid* s : {&bulk, &single}) {
    s->G.SetRowCount(40);
    s->G.SetViewSize(300, 200);
    for (int r = 1; r < 40; ++r) {
      s->G.SetCells(1, r, IntToStr(r));
      s->G.SetRowHeights(r, 20 + r % 5);
      s->G.SetColors(2, r, static_cast<TColor>(r));
    }
    s->G.HideRow(7);
    s->G.MouseActions()->SetDisjunctRowSelect(true);
    s->G.SetRow(30);
    s->G.SetTopRow(12);
  }
  for (int r = 2; r < bulk.G.RowCount(); r += 2) bulk.G.SetRowSelect(r, true);
  bulk.G.RemoveSelectedRows();
  for (int r = (single.G.RowCount() - 1) / 2 * 2; r >= 2; r -= 2) single.G.DeleteRows(r, 1);
  ASSERT_EQ(bulk.G.RowCount(), single.G.RowCount());
  for (int r = 0; r < bulk.G.RowCount(); ++r) {
    EXPECT_EQ(bulk.G.Cells(1, r), single.G.Cells(1, r)) << r;
    EXPECT_EQ(bulk.G.RowHeights(r), single.G.RowHeights(r)) << r;
    EXPECT_EQ(bulk.G.Colors(2, r), single.G.Colors(2, r)) << r;
  }
  EXPECT_EQ(bulk.G.Row(), single.G.Row());
  EXPECT_EQ(bulk.G.TopRow(), single.G.TopRow());
  EXPECT_EQ(bulk.G.MaxRowCount(), single.G.MaxRowCount());
  EXPECT_EQ(bulk.G.RowSelectCount(), 0);
  bulk.G.UnHideRowsAll();
  single.G.UnHideRowsAll();
  EXPECT_EQ(bulk.Column(1), single.Column(1)) << "the parked row comes back in its place";
}

// With RowSelectPersistent the row flags go by real row: "c" is displayed
// row 2 once "a" is parked, and only it is in the selection.
TEST(BulkRows, PersistentSelectionGoesByRealRow) {
  struct Case {
    const char* what;
    void (TAdvStringGrid::*act)();
    Texts after;
  } const cases[] = {
      {"remove selected", &TAdvStringGrid::RemoveSelectedRows, {u"a", u"b", u"d", u"e"}},
      {"remove unselected", &TAdvStringGrid::RemoveUnSelectedRows, {u"a", u"c"}},
      {"clear selected", &TAdvStringGrid::ClearSelection, {u"a", u"b", u"", u"d", u"e"}},
  };
  for (const Case& c : cases) {
    SortGrid s;
    s.Fill(1, {u"a", u"b", u"c", u"d", u"e"});
    s.G.MouseActions()->SetDisjunctRowSelect(true);
    s.G.MouseActions()->SetRowSelectPersistent(true);
    s.G.HideRow(1);
    s.G.SetRowSelect(3, true);  // real row 3: "c"
    (s.G.*c.act)();
    s.G.UnHideRowsAll();
    EXPECT_EQ(s.Column(1), c.after) << c.what;
  }
}

// With a row parked above, displayed and real rows differ by one.
TEST(BulkRows, CheckedRowsByRealRow) {
  SortGrid s;
  s.Fill(1, {u"a", u"b", u"c", u"d"});
  s.G.AddCheckBoxColumn(2, false, false);
  s.G.SetCheckBoxState(2, 3, true);  // "c"
  s.G.HideRow(1);
  s.G.RemoveCheckedRows(2, true);
  s.G.UnHideRowsAll();
  EXPECT_EQ(s.Column(1), (Texts{u"a", u"b", u"d"}));
  s.G.RemoveCheckedRows(2, false);
  EXPECT_EQ(s.G.RowCount(), 1);
}

TEST(BulkCols, SelectedColumnsAreMappedToStorage) {
  SortGrid s;
  s.G.SetColCount(6);
  for (int c = 0; c < 6; ++c) s.G.SetCells(c, 0, IntToStr(c));
  s.G.HideColumn(1);
  s.G.SetSelection({2, 1, 2, 1});  // displayed 2: storage 3
  s.G.RemoveSelectedCols();
  s.G.UnHideColumnsAll();
  EXPECT_EQ(s.G.Cells(1, 0), u"1");
  EXPECT_EQ(s.G.Cells(2, 0), u"2");
  EXPECT_EQ(s.G.Cells(3, 0), u"4");

  SortGrid u;
  u.G.SetColCount(6);
  for (int c = 0; c < 6; ++c) u.G.SetCells(c, 0, IntToStr(c));
  u.G.SetSelection({2, 1, 3, 1});
  u.G.RemoveUnSelectedCols();
  ASSERT_EQ(u.G.ColCount(), 3);
  EXPECT_EQ(u.G.Cells(0, 0) + u.G.Cells(1, 0) + u.G.Cells(2, 0), u"023");

  SortGrid d;
  d.G.SetColCount(6);
  for (int c = 0; c < 6; ++c) d.G.SetCells(c, 0, IntToStr(c));
  d.G.MouseActions()->SetDisjunctColSelect(true);
  d.G.SetColSelect(2, true);
  d.G.SetColSelect(4, true);
  d.G.RemoveSelectedCols();
  ASSERT_EQ(d.G.ColCount(), 4);
  EXPECT_EQ(d.G.Cells(2, 0) + d.G.Cells(3, 0), u"35");
}

// Storage columns apart and side by side go in one pass: the rows' cells (a
// parked row's too), the widths and the hidden columns end as after removing
// each run by itself.
TEST(BulkCols, SelectedColumnsGoInOnePass) {
  SortGrid s;
  s.G.SetColCount(9);
  s.G.SetRowCount(4);
  for (int c = 0; c < 9; ++c) {
    for (int r = 0; r < 4; ++r) s.G.SetCells(c, r, IntToStr(c * 10 + r));
    s.G.SetColWidths(c, 20 + c);
  }
  s.G.HideRow(2);
  s.G.HideColumn(4);
  s.G.HideColumn(7);
  // Displayed 2, 3, 5 and 6 are storage 2, 3, 6 and 8.
  s.G.MouseActions()->SetDisjunctColSelect(true);
  for (int c : {2, 3, 5, 6}) s.G.SetColSelect(c, true);
  s.G.RemoveSelectedCols();
  auto widths = [&] {
    std::vector<int> w;
    for (int c = 0; c < s.G.ColCount(); ++c) w.push_back(s.G.ColWidths(c));
    return w;
  };
  EXPECT_EQ(widths(), (std::vector<int>{20, 21, 25}));
  EXPECT_EQ(s.G.NumHiddenColumns(), 2);
  s.G.UnHideRowsAll();
  s.G.UnHideColumnsAll();
  EXPECT_EQ(widths(), (std::vector<int>{20, 21, 24, 25, 27}));
  const int kept[] = {0, 1, 4, 5, 7};
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 5; ++c) EXPECT_EQ(s.G.Cells(c, r), IntToStr(kept[c] * 10 + r)) << c << "," << r;
}

TEST(BulkCells, ClearSelectionAndTests) {
  SortGrid s;
  s.Fill(1, {u"a", u"b", u"c"});
  s.Fill(2, {u"x", u"|\\w", u"A"});
  s.G.SetSelection({1, 1, 1, 2});
  s.G.ClearSelection();
  EXPECT_EQ(s.Column(1), (Texts{u"", u"", u"c"}));
  int col = -1, row = -1;
  EXPECT_FALSE(s.G.IsCell(u"a", col, row)) << "with case, whole text";
  EXPECT_TRUE(s.G.IsCell(u"A", col, row));
  EXPECT_EQ(col, 2);
  EXPECT_EQ(row, 3);
  EXPECT_TRUE(s.G.IsWideCell(2, 2));
  EXPECT_FALSE(s.G.IsWideCell(2, 1));
  s.G.MergeCols(1, 2, u" ");
  EXPECT_EQ(s.Column(1), (Texts{u"x", u"|\\w", u"c A"}));
}

TEST(BulkCells, MergeAndSplitRunsOfEqualTexts) {
  SortGrid s;
  s.Fill(1, {u"a", u"a", u"b", u"b", u"b"});
  s.Fill(2, {u"1", u"1", u"1", u"1", u"2"});
  s.G.MergeColumnCells(2, false);
  EXPECT_FALSE(s.G.IsMergedCell(2, 1)) << "no spans to share yet";
  s.G.MergeColumnCells(1, true);
  EXPECT_EQ(s.G.CellSpan(1, 1), Point(0, 1));
  EXPECT_EQ(s.G.CellSpan(1, 3), Point(0, 2));
  s.G.MergeColumnCells(2, false);
  EXPECT_EQ(s.G.CellSpan(2, 1), Point(0, 1));
  EXPECT_EQ(s.G.CellSpan(2, 3), Point(0, 1)) << "the run stops where column 1's span ends";
  s.G.SplitColumnCells(1);
  EXPECT_FALSE(s.G.IsMergedCell(1, 3));
  s.G.SplitAllCells();
  EXPECT_FALSE(s.G.IsMergedCell(2, 1));

  s.G.SetColCount(6);
  for (int c = 1; c < 6; ++c) s.G.SetCells(c, 1, c < 4 ? u"p" : u"q");
  s.G.MergeRowCells(1, true);
  EXPECT_EQ(s.G.CellSpan(1, 1), Point(2, 0));
  EXPECT_EQ(s.G.CellSpan(4, 1), Point(1, 0));
  s.G.SplitRowCells(1);
  EXPECT_FALSE(s.G.IsMergedCell(1, 1));
  EXPECT_FALSE(s.G.IsMergedCell(4, 1));
}

TEST(BulkCells, MergedColumnsListMergesAgainOnChange) {
  SortGrid s;
  s.Fill(1, {u"a", u"a", u"b"});
  s.Fill(2, {u"x", u"x", u"x"});
  s.G.MergedColumns()->Add(1);
  EXPECT_EQ(s.G.CellSpan(1, 1), Point(0, 1));
  s.G.MergedColumns()->Add(2);
  EXPECT_EQ(s.G.CellSpan(2, 1), Point(0, 1)) << "within the first column's spans";
  EXPECT_FALSE(s.G.IsMergedCell(2, 3));
  s.G.MergedColumns()->DeleteValue(1);
  EXPECT_FALSE(s.G.IsMergedCell(1, 1)) << "split first";
  EXPECT_EQ(s.G.CellSpan(2, 1), Point(0, 2));
}

}  // namespace
