// Rows[i] and Cols[i]: string lists over the grid's cells.
#include <gtest/gtest.h>

#include "tests/platform/grids/GridTestSupport.h"

namespace {

class GridStrings : public ::testing::Test {
 protected:
  void SetUp() override {
    g.SetColCount(3);
    g.SetRowCount(3);
    FillCoordinates(g, 3);
    g.SetObjects(1, 2, Obj(12));
  }
  TGridModel g;
};

}  // namespace

TEST_F(GridStrings, ViewsReadAndWriteTheCells) {
  EXPECT_EQ(3, g.Rows(1).Count());
  EXPECT_EQ(u"2,1", g.Rows(1).Strings(2));
  EXPECT_EQ(u"1,2", g.Cols(1).Strings(2));
  EXPECT_EQ(Obj(12), g.Cols(1).Objects(2));
  g.Cols(0).SetStrings(1, u"new");
  EXPECT_EQ(u"new", g.Cells(0, 1));
  EXPECT_THROW(g.Rows(0).Strings(3), EListError);
  EXPECT_THROW(g.Rows(0).Delete(0), EInvalidGridOperation);
}

TEST_F(GridStrings, AssigningARowCopiesTextsAndObjects) {
  g.Rows(0).Assign(g.Rows(2));
  EXPECT_EQ(u"0,2", g.Cells(0, 0));
  EXPECT_EQ(Obj(12), g.Objects(1, 0));
  EXPECT_EQ(Obj(12), g.Objects(1, 2));  // shared, not moved
  g.SetColCount(2);
  g.SetCells(2, 1, u"kept");
  g.Rows(1).Assign(g.Rows(2));  // only the ColCount cells of a row take part
  EXPECT_EQ(u"kept", g.Cells(2, 1));
}

TEST_F(GridStrings, AShorterSourceEmptiesTheRestAndCrossingLinesAreSafe) {
  TStringList list;
  list.AddObject(u"a", Obj(3));
  g.Cols(2).Assign(list);
  EXPECT_EQ(u"a", g.Cells(2, 0));
  EXPECT_EQ(Obj(3), g.Objects(2, 0));
  EXPECT_EQ(u"", g.Cells(2, 1));
  EXPECT_EQ(u"", g.Cells(2, 2));

  g.Rows(1).Assign(g.Cols(1));  // they share cell (1, 1)
  EXPECT_EQ(u"1,0", g.Cells(0, 1));
  EXPECT_EQ(u"1,1", g.Cells(1, 1));
  EXPECT_EQ(u"1,2", g.Cells(2, 1));
  EXPECT_EQ(Obj(12), g.Objects(2, 1));
}

TEST_F(GridStrings, AddFillsTheFirstEmptyCell) {
  g.Rows(1).Clear();
  EXPECT_EQ(u"", g.Cells(0, 1));
  EXPECT_EQ(0, g.Rows(1).Add(u"x"));
  EXPECT_EQ(1, g.Rows(1).Add(u"y"));
  EXPECT_EQ(-1, g.Rows(0).Add(u"full"));
  TStringList copy;
  copy.Assign(g.Rows(1));
  EXPECT_EQ(u"x,y,", copy.CommaText());
}
