#include <gtest/gtest.h>

#include "grid/model/GridItems.h"
#include "grid/model/VisibleColumns.h"

namespace {

TEST(VisibleColumns, NothingHiddenIsTheIdentityEvenForNegatives) {
  TVisibleColumns v;
  for (int c : {-5, -1, 0, 3, 511, 512, 600}) {
    EXPECT_EQ(v.DisplToRealCol(c), c);
    EXPECT_EQ(v.RealToDisplCol(c), c);
  }
}

TEST(VisibleColumns, OneHiddenColumnBothWays) {
  TVisibleColumns v;
  v.SetVisibleCol(1, false);
  EXPECT_EQ(v.NumHidden(), 1);
  struct Case {
    int Displ, Real;
  } cases[] = {{0, 0}, {1, 2}, {3, 4}, {-1, 0}};
  for (const Case& c : cases) EXPECT_EQ(v.DisplToRealCol(c.Displ), c.Real) << c.Displ;
  EXPECT_EQ(v.RealToDisplCol(4), 3);
  EXPECT_EQ(v.RealToDisplCol(1), 1) << "a hidden column maps to the next visible one's index";
  EXPECT_EQ(v.RealToDisplCol(0), 0);
}

// Wider than 512 displayed columns with three hidden below 512: the columns
// around the boundary keep a one-to-one mapping.
TEST(VisibleColumns, MappingAcrossThe512Boundary) {
  TVisibleColumns v;
  for (int c : {2, 100, 400}) v.SetVisibleCol(c, false);
  struct Case {
    int Displ, Real;
  } cases[] = {{508, 511}, {509, 512}, {510, 513}, {511, 514}, {512, 515}, {600, 603}};
  for (const Case& c : cases) {
    EXPECT_EQ(v.DisplToRealCol(c.Displ), c.Real) << c.Displ;
    EXPECT_EQ(v.RealToDisplCol(c.Real), c.Displ) << c.Real;
  }
  // Round trip over every displayed column of a 700-column grid.
  for (int d = 0; d < 700; ++d) EXPECT_EQ(v.RealToDisplCol(v.DisplToRealCol(d)), d) << d;
}

TEST(VisibleColumns, HiddenCountFollowsTheFlags) {
  TVisibleColumns v;
  v.SetVisibleCol(5, false);
  v.SetVisibleCol(5, false);
  v.SetVisibleCol(512, false);
  EXPECT_EQ(v.NumHidden(), 1) << "hiding twice counts once; column 512 takes no part";
  v.SetVisibleCol(5, true);
  EXPECT_TRUE(v.AllVisible());
  EXPECT_TRUE(v.GetVisibleCol(-1));
  EXPECT_TRUE(v.GetVisibleCol(9999));
}

struct HiddenRows : ::testing::Test {
  TGridItems Store{nullptr};
  void Hide(int RealRow) { Store.AddItem()->SetIdx(RealRow); }
};

TEST_F(HiddenRows, MappingWithHiddenRows) {
  EXPECT_EQ(Store.DisplToRealRow(4), 4);
  EXPECT_EQ(Store.RealToDisplRow(4), 4);
  Hide(3);
  Hide(5);
  EXPECT_TRUE(Store.IsHiddenRow(3));
  EXPECT_FALSE(Store.IsHiddenRow(4));
  struct Case {
    int Displ, Real;
  } cases[] = {{0, 0}, {2, 2}, {3, 4}, {4, 6}, {10, 12}};
  for (const Case& c : cases) {
    EXPECT_EQ(Store.DisplToRealRow(c.Displ), c.Real) << c.Displ;
    EXPECT_EQ(Store.RealToDisplRow(c.Real), c.Displ) << c.Real;
  }
}

// A record left in a hidden row goes with it; one taken back does not.
TEST_F(HiddenRows, ItemsOwnTheRecordsLeftInThem) {
  struct Counted : TObject {
    int* Alive;
    explicit Counted(int* A) : Alive(A) { ++*Alive; }
    ~Counted() override { --*Alive; }
  };
  int alive = 0;
  auto* kept = new Counted(&alive);
  {
    TGridItems store(nullptr);
    TGridItem* item = store.AddItem();
    item->Items().AddObject(u"a", new Counted(&alive));
    item->Items().AddObject(u"b", kept);
    item->Items().SetObjects(1, nullptr);
    EXPECT_EQ(alive, 2);
  }
  EXPECT_EQ(alive, 1);
  delete kept;
}

}  // namespace
