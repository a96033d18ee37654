#include <gtest/gtest.h>

#include "grid/base/SearchFooter.h"
#include "grid/model/SearchPanel.h"
#include "grid/model/AdvStringGrid.h"

namespace {

// 300 pixels of client, a 40-pixel search panel and no scroll bars.
struct FooterGrid {
  TAdvStringGrid g{nullptr};
  explicit FooterGrid(int Rows) {
    g.SetScrollBars(ssNone);
    g.SetBorderStyle(bsNone);
    g.SetRowCount(Rows);
    g.SetBounds(0, 0, 400, 300);
    g.SearchPanel()->SetHeight(40);
    g.SearchFooter()->SetVisible(true);
  }
};

TEST(AdvGridFooterScroll, LastRowAboveTheFooterOnlyWhenShownAndClear) {
  FooterGrid few(3);
  EXPECT_TRUE(few.g.IsLastRowAboveSearchFooter());
  few.g.SearchFooter()->SetVisible(false);
  EXPECT_FALSE(few.g.IsLastRowAboveSearchFooter()) << "no footer";

  FooterGrid many(40);
  EXPECT_FALSE(many.g.IsLastRowAboveSearchFooter()) << "last row out of view";
  many.g.SetTopRow(many.g.MaxTopRow());
  EXPECT_FALSE(many.g.IsLastRowAboveSearchFooter()) << "last row under the footer";
}

TEST(AdvGridFooterScroll, ScrollingStopsWhereTheGridScrollsNoFurther) {
  FooterGrid many(40);
  many.g.ScrollLastRowAboveSearchFooter();
  EXPECT_EQ(many.g.TopRow(), many.g.MaxTopRow());

  FooterGrid few(3);
  few.g.ScrollLastRowAboveSearchFooter();
  EXPECT_EQ(few.g.TopRow(), 1) << "already clear";
}

}  // namespace
