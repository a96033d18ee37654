// Expand buttons switching a row between its first and its expanded height.
#include <gtest/gtest.h>

#include "grid/model/AdvStringGrid.h"

TEST(ExpandableCell, TogglesBetweenTheTwoHeightsOfTheBaseCell) {
  TAdvStringGrid g(nullptr);
  g.SetRowHeights(2, 30);
  g.AddExpand(1, 2, 80);
  g.MergeCells(1, 2, 2, 1);
  EXPECT_TRUE(g.HasExpand(2, 2));  // read through the merged area's base
  EXPECT_FALSE(g.GetExpandState(1, 2));
  EXPECT_EQ(g.GetExpandHeight(2, 2, true), 80);
  EXPECT_EQ(g.GetExpandHeight(1, 2, false), 30);
  EXPECT_TRUE(g.ToggleExpand(2, 2));
  EXPECT_TRUE(g.GetExpandState(1, 2));
  EXPECT_FALSE(g.ToggleExpand(1, 2));
  EXPECT_FALSE(g.GetExpandState(1, 2));

  // Cells without an expand button: no state, the default height.
  g.AddCheckBox(1, 3, true, false);
  for (int row : {1, 3}) {
    EXPECT_FALSE(g.HasExpand(1, row)) << row;
    EXPECT_FALSE(g.ToggleExpand(1, row)) << row;
    EXPECT_FALSE(g.GetExpandState(1, row)) << row;
    EXPECT_EQ(g.GetExpandHeight(1, row, true), g.DefaultRowHeight()) << row;
  }
  g.RemoveExpand(1, 3);
  EXPECT_EQ(g.GetCellType(1, 3), ctCheckBox);
  g.RemoveExpand(1, 2);
  EXPECT_FALSE(g.HasExpand(1, 2));
}

TEST(ExpandableCell, ExpandClickSetsTheRowHeightAfterTheEvent) {
  TAdvStringGrid g(nullptr);
  g.SetRowHeights(2, 30);
  g.AddExpand(1, 2, 80);
  int heightSeen = -1;
  bool stateSeen = false;
  g.OnExpandClick = [&](TObject*, int ACol, int ARow, bool Expanded) {
    EXPECT_EQ(ACol, 1);
    heightSeen = g.RowHeights(ARow);
    stateSeen = Expanded;
  };
  g.DoExpandClick(1, 2, g.ToggleExpand(1, 2));
  EXPECT_TRUE(stateSeen);
  EXPECT_EQ(heightSeen, 30);
  EXPECT_EQ(g.RowHeights(2), 80);
  g.DoExpandClick(1, 2, g.ToggleExpand(1, 2));
  EXPECT_EQ(g.RowHeights(2), 30);
  g.DoExpandClick(1, 4, true);  // no button: the default height
  EXPECT_EQ(g.RowHeights(4), g.DefaultRowHeight());
}
