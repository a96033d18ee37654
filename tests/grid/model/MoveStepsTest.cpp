// The grid's column and row move steps: cells move by storage column with
// hidden columns, widths and heights go along, the current column follows
// once, and the lists keyed by column follow the moved column.
#include <gtest/gtest.h>

#include "grid/base/ControlList.h"
#include "grid/base/SortIndexList.h"
#include "grid/model/AdvColumnGrid.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/SortSettings.h"
#include "grid/model/GridColumnCollection.h"
#include "grid/model/GridColumnItem.h"
#include "platform/gui/Controls.h"
#include "platform/sys/SysUtils.h"

namespace {

// Six columns; cell (c, r) holds "r.c", column c is 10 + c wide, row r is 20 + r high.
struct MoveSteps : ::testing::Test {
  TAdvStringGrid G{nullptr};
  MoveSteps() {
    G.SetColCount(6);
    G.SetRowCount(6);
    for (int r = 0; r < 6; ++r) {
      for (int c = 0; c < 6; ++c) G.SetCells(c, r, IntToStr(r) + u"." + IntToStr(c));
      G.SetRowHeights(r, 20 + r);
    }
    for (int c = 0; c < 6; ++c) G.SetColWidths(c, 10 + c);
  }
  // The original column shown at displayed column d, read from row R (cells
  // are addressed by storage column).
  int ColumnAt(int d, int R = 1) {
    const String s = G.Cells(G.RealColIndex(d), R);
    return StrToInt(s.substr(s.find(u'.') + 1));
  }
  String Shown(int R = 1) {
    String s;
    for (int d = 0; d < G.ColCount(); ++d) s += IntToStr(ColumnAt(d, R));
    return s;
  }
};

struct HiddenMoveCase {
  int Hidden;      // storage column hidden before the move
  int From, To;    // displayed
  const char16_t* Shown;   // displayed order after the move
  const char16_t* Stored;  // storage order, seen after showing everything again
};

// Left of both ends, between them either way, right of both.
const HiddenMoveCase HiddenMoveCases[] = {
    {1, 2, 4, u"02453", u"012453"},
    {2, 1, 3, u"03415", u"023415"},
    {2, 3, 1, u"04135", u"041235"},
    {5, 1, 3, u"02314", u"023145"},
};

TEST_F(MoveSteps, HiddenColumnsMoveTheRightStorageColumnWithWidthAndParkedCells) {
  for (const HiddenMoveCase& c : HiddenMoveCases) {
    TAdvStringGrid& g = G;
    g.UnHideColumnsAll();
    g.UnHideRowsAll();
    for (int i = 0; i < 6; ++i) {  // back to the start
      for (int r = 0; r < 6; ++r) g.SetCells(i, r, IntToStr(r) + u"." + IntToStr(i));
      g.SetColWidths(i, 10 + i);
    }
    SCOPED_TRACE(testing::Message() << "hidden " << c.Hidden << ", " << c.From << " -> " << c.To);
    g.HideColumn(c.Hidden);
    g.HideRow(3);
    g.MoveColumn(c.From, c.To);
    EXPECT_EQ(Shown(), c.Shown);
    for (int d = 0; d < g.ColCount(); ++d) EXPECT_EQ(g.ColWidths(d), 10 + ColumnAt(d)) << d;
    EXPECT_EQ(g.NumHiddenColumns(), 1);
    const int hiddenAt = static_cast<int>(String(c.Stored).find(char16_t(u'0' + c.Hidden)));
    EXPECT_TRUE(g.IsHiddenColumn(hiddenAt));
    EXPECT_EQ(g.AllColWidths(hiddenAt), 10 + c.Hidden);
    g.UnHideRowsAll();
    g.UnHideColumnsAll();
    EXPECT_EQ(Shown(), c.Stored);
    EXPECT_EQ(Shown(3), c.Stored) << "the parked row's cells moved the same way";
    for (int d = 0; d < 6; ++d) EXPECT_EQ(g.ColWidths(d), 10 + ColumnAt(d)) << d;
  }
}

TEST_F(MoveSteps, WithoutEnhRowColMoveWidthsAndHeightsStayByPosition) {
  G.SetEnhRowColMove(false);
  G.HideColumn(2);
  G.MoveColumn(1, 3);
  EXPECT_EQ(Shown(), u"03415");
  EXPECT_EQ(G.ColWidths(1), 11);
  EXPECT_EQ(G.ColWidths(3), 14) << "displayed 3 was storage 4, 14 wide";
  EXPECT_FALSE(G.ColMoveFlg());
  G.UnHideColumnsAll();
  EXPECT_EQ(Shown(), u"023415") << "the hidden column kept its cells hidden";
  G.MoveRow(1, 4);
  EXPECT_EQ(G.Cells(0, 4), u"1.0");
  EXPECT_EQ(G.RowHeights(1), 21);
  EXPECT_EQ(G.RowHeights(4), 24);
}

TEST_F(MoveSteps, AMovedRowTakesItsHeightAndOnRowMovedFiresAfterIt) {
  std::vector<std::tuple<TObject*, int, int, int>> calls;
  G.OnRowMoved = [&](TObject* Sender, int From, int To) {
    calls.emplace_back(Sender, From, To, G.RowHeights(To));
  };
  G.MoveRow(1, 4);
  EXPECT_EQ(G.Cells(0, 4), u"1.0");
  const int heights[] = {20, 22, 23, 24, 21, 25};
  for (int r = 0; r < 6; ++r) EXPECT_EQ(G.RowHeights(r), heights[r]) << r;
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], std::make_tuple(static_cast<TObject*>(&G), 1, 4, 21));
  EXPECT_TRUE(G.ColMoveFlg());
  G.MoveRow(4, 2);
  EXPECT_EQ(G.RowHeights(2), 21);
  EXPECT_EQ(std::get<1>(calls.back()), 4);
  EXPECT_EQ(std::get<2>(calls.back()), 2);
}

TEST_F(MoveSteps, NoRowMovesUnderAFixedLastRowFooter) {
  int fired = 0;
  G.OnRowMoved = [&](TObject*, int, int) { ++fired; };
  G.FloatingFooter()->SetVisible(true);
  G.MoveRow(1, 5);
  EXPECT_EQ(G.Cells(0, 5), u"5.0");
  EXPECT_EQ(G.Cells(0, 1), u"1.0");
  EXPECT_EQ(fired, 0);
  G.FloatingFooter()->SetFooterStyle(fsColumnPreview);
  G.MoveRow(1, 5);
  EXPECT_EQ(G.Cells(0, 5), u"1.0") << "a preview footer covers no row";
  EXPECT_EQ(fired, 1);
}

TEST_F(MoveSteps, OnColumnMovedGetsDisplayedIndexesAfterTheCellsMoved) {
  G.HideColumn(0);
  std::vector<std::tuple<TObject*, int, int, String>> calls;
  G.OnColumnMoved = [&](TObject* Sender, int From, int To) {
    calls.emplace_back(Sender, From, To, G.Cells(G.RealColIndex(To), 1));
  };
  G.MoveColumn(3, 1);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], std::make_tuple(static_cast<TObject*>(&G), 3, 1, String(u"1.4")));
  EXPECT_TRUE(G.ColMoveFlg());
}

struct CurrentCase {
  int Current, From, To, Expected;
};

TEST_F(MoveSteps, TheCurrentColumnFollowsOncePerMove) {
  const CurrentCase cases[] = {{2, 2, 4, 4}, {3, 1, 4, 2}, {2, 4, 1, 3}, {4, 1, 3, 4}, {1, 2, 4, 1}};
  G.HideColumn(1);  // displayed indexes throughout
  for (const CurrentCase& c : cases) {
    G.SetCol(c.Current);
    G.MoveColumn(c.From, c.To);
    EXPECT_EQ(G.Col(), c.Expected) << c.Current << ": " << c.From << " -> " << c.To;
  }
}

TEST_F(MoveSteps, SortColumnsAndCellControlsStayOnTheirColumns) {
  struct SortCase {
    int SortCol, From, To, Expected;
  };
  const SortCase cases[] = {{2, 2, 1, 1}, {2, 1, 2, 1}, {2, 1, 4, 1}, {2, 4, 1, 3}, {2, 3, 5, 2}};
  for (const SortCase& c : cases) {
    G.SortIndexes()->Clear();
    G.SortIndexes()->AddIndex(c.SortCol, false);
    G.SortSettings()->SetColumn(c.SortCol);
    G.MoveColumn(c.From, c.To);
    EXPECT_EQ(G.SortIndexes()->SortColumns(0), c.Expected) << c.From << " -> " << c.To;
    EXPECT_EQ(G.SortSettings()->Column(), c.Expected);
    EXPECT_FALSE(G.SortIndexes()->SortDirections(0)) << "the direction is kept";
  }
  G.HideColumn(0);
  TControl control(nullptr);
  G.ControlList().AddControl(2, 1, &control);  // storage column 2, displayed 1
  G.MoveColumn(1, 3);
  EXPECT_EQ(G.ControlList().Control(0)->X(), 4);
}

TEST_F(MoveSteps, RecordedColumnOrderFollowsSoItCanBeReset) {
  G.MoveColumn(1, 4);
  G.MoveColumn(5, 0);
  EXPECT_EQ(Shown(), u"502341");
  EXPECT_EQ(G.ColumnAtPosition(5), 1);
  EXPECT_EQ(G.ColumnPosition(5), 0);
  G.ResetColumnOrder();
  EXPECT_EQ(Shown(), u"012345");
  for (int d = 0; d < 6; ++d) EXPECT_EQ(G.ColWidths(d), 10 + d);
}

TEST(MoveStepsColumnGrid, TheColumnGridsItemAndWidthGoWithAColumnPastAHiddenOne) {
  TAdvColumnGrid g(nullptr);
  g.Columns()->SetOrganization();
  for (int c = 0; c < g.ColCount(); ++c) {
    g.Columns()->Items(c)->SetHeader(IntToStr(c));
    g.SetColWidths(c, 10 + c);
    g.SetCells(c, 1, IntToStr(c));
  }
  g.HideColumn(1);
  g.MoveColumn(1, 3);  // storage 2 to storage 4
  EXPECT_EQ(g.Cells(4, 1), u"2");
  EXPECT_EQ(g.ColWidths(3), 12);
  EXPECT_EQ(g.Columns()->Items(4)->Header(), u"2");
  EXPECT_EQ(g.Columns()->Items(4)->Width(), 12);
  EXPECT_TRUE(g.IsHiddenColumn(1));
}

}  // namespace
