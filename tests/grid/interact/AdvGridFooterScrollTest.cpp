#include <gtest/gtest.h>

#include <vector>

#include "grid/base/Navigation.h"
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

// The same on a shown form, 40 rows, for keys through the window system.
struct ShownGrid {
  TAdvStringGrid* g = new TAdvStringGrid(nullptr);
  testsupport::TShownOnForm<TAdvStringGrid> shown{g};
  testsupport::SystemInputDriver input;
  ShownGrid() {
    g->SetScrollBars(ssNone);
    g->SetBorderStyle(bsNone);
    g->SetRowCount(40);
    g->SetBounds(0, 0, 400, 300);
  }
};

TEST(AdvGridFooterScroll, LastRowAboveTheFooterOnlyWhenShownAndClear) {
  FooterGrid few(3);
  EXPECT_TRUE(few.g.IsLastRowAboveSearchFooter());
  few.g.SearchFooter()->SetVisible(false);
  EXPECT_FALSE(few.g.IsLastRowAboveSearchFooter()) << "no footer";

  FooterGrid many(40);
  EXPECT_FALSE(many.g.IsLastRowAboveSearchFooter()) << "last row out of view";
  many.g.SetTopRow(many.g.MaxTopRow() - 1);
  EXPECT_FALSE(many.g.IsLastRowAboveSearchFooter()) << "last row under the footer";
}

// The grid scrolls as far as the panel needs: the last row ends up above it.
TEST(AdvGridFooterScroll, TheLastRowScrollsAboveTheFooter) {
  FooterGrid many(40);
  many.g.ScrollLastRowAboveSearchFooter();
  EXPECT_TRUE(many.g.IsLastRowAboveSearchFooter());
  EXPECT_EQ(many.g.TopRow(), many.g.MaxTopRow());
  many.g.SearchFooter()->SetVisible(false);
  EXPECT_LT(many.g.MaxTopRow(), many.g.TopRow()) << "without the panel the view stays filled";

  FooterGrid few(3);
  few.g.ScrollLastRowAboveSearchFooter();
  EXPECT_EQ(few.g.TopRow(), 1) << "already clear";
}

// Keys that reach the last row leave it clear of the panel; Down, Right and
// Left at the last row's ends stop there with the grid's own OnKeyDown.
TEST(AdvGridFooterScroll, KeysOntoTheLastRowLiftItAboveTheFooter) {
  struct Case {
    const char* what;
    int fromRow, fromCol;
    WORD key;
    TShiftState shift;
    int col;
    bool lifted;
  };
  // With caSnake the platform grid would wrap at these ends.
  const Case cases[] = {
      {"Down onto the last row", 38, 2, VK_DOWN, {}, 2, true},
      {"Down on the last row", 39, 2, VK_DOWN, {}, 2, true},
      {"PgDn", 30, 2, VK_NEXT, {}, 2, true},
      {"Ctrl+End", 5, 2, VK_END, {ssCtrl}, 4, true},
      {"Right on the last cell", 39, 4, VK_RIGHT, {}, 4, false},
      {"Left on the first column", 39, 1, VK_LEFT, {}, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ShownGrid shown;
    TAdvStringGrid* g = shown.g;
    testsupport::SystemInputDriver& input = shown.input;
    g->SetColCount(5);
    g->SearchPanel()->SetHeight(40);
    g->SearchFooter()->SetVisible(true);
    g->Navigation()->SetCursorAdvance(caSnake);
    std::vector<WORD> downs;
    g->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) { downs.push_back(Key); };
    g->FocusCell(c.fromCol, c.fromRow, true);
    g->SetFocus();
    input.Pump();
    input.Key(c.key, c.shift);
    EXPECT_EQ(39, g->Row());
    EXPECT_EQ(c.col, g->Col());
    EXPECT_TRUE(!c.lifted || g->IsLastRowAboveSearchFooter());
    EXPECT_EQ(std::vector<WORD>{c.key}, downs);
  }
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
    ShownGrid shown;
    TAdvStringGrid* g = shown.g;
    testsupport::SystemInputDriver& input = shown.input;
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
