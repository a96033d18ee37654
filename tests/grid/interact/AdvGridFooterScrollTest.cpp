#include <gtest/gtest.h>

#include "grid/base/SearchFooter.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/SearchPanel.h"
#include "platform/gui/Messages.h"
#include "tests/support/ShownOnForm.h"
#include "tests/support/SystemInputDriver.h"

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

// Moving down onto the row a floating footer of 30 pixels half covers
// scrolls one row; the row under a fixed last-row footer is never selected.
TEST(AdvGridFooterScroll, ASelectedRowScrollsClearOfTheFloatingFooter) {
  struct Case {
    const char* what;
    bool visible;
    TFooterStyle style;
    int topRow;
  };
  const Case cases[] = {
      {"no footer", false, fsColumnPreview, 1},
      {"preview footer", true, fsColumnPreview, 2},
      {"fixed last row", true, fsFixedLastRow, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto* g = new TAdvStringGrid(nullptr);
    testsupport::TShownOnForm<TAdvStringGrid> shown{g};
    testsupport::SystemInputDriver input;
    g->SetScrollBars(ssNone);
    g->SetBorderStyle(bsNone);
    g->SetRowCount(40);
    g->SetBounds(0, 0, 400, 300);
    g->FloatingFooter()->SetHeight(30);
    g->FloatingFooter()->SetFooterStyle(c.style);
    g->FloatingFooter()->SetVisible(c.visible);
    input.Pump();
    int row = 1;
    while (g->TGridModel::CellRect(1, row + 1).Bottom < g->ClientHeight() - 30) ++row;
    g->SetRow(row);
    g->SetFocus();
    input.Pump();
    ASSERT_EQ(g->TopRow(), 1);
    input.Key(VK_DOWN);
    EXPECT_EQ(g->Row(), row + 1);
    EXPECT_EQ(g->TopRow(), c.topRow);
  }
  auto* g = new TAdvStringGrid(nullptr);
  testsupport::TShownOnForm<TAdvStringGrid> shown{g};
  testsupport::SystemInputDriver input;
  g->SetRowCount(4);
  g->FloatingFooter()->SetVisible(true);
  g->SetRow(2);
  g->SetFocus();
  input.Key(VK_DOWN);
  EXPECT_EQ(g->Row(), 2) << "the footer's own row";
}

}  // namespace
