#include <functional>

#include <gtest/gtest.h>

#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/base/SyncGrid.h"
#include "grid/interact/GridCombo.h"
#include "grid/model/FloatingFooter.h"
#include "tests/grid/interact/KeyGridSupport.h"

namespace {

using keytest::TPrepare;
using keytest::TKeyGrid;

TPrepare Advance(TCursorAdvance How, const TPrepare& More = {}) {
  return [How, More](TAdvStringGrid& G) {
    G.Navigation()->SetCursorAdvance(How);
    if (More) More(G);
  };
}
TPrepare FixedCell(int ACol, int ARow) {
  return [ACol, ARow](TAdvStringGrid& G) {
    G.OnIsFixedCell = [ACol, ARow](TObject*, int R, int C, bool& Fixed) { Fixed = C == ACol || R == ARow; };
  };
}
TPrepare Both(const TPrepare& A, const TPrepare& B) {
  return [A, B](TAdvStringGrid& G) {
    A(G);
    B(G);
  };
}
const TPrepare NoSkip = [](TAdvStringGrid& G) { G.Navigation()->SetSkipFixedCells(false); };
const TPrepare RightFixed = [](TAdvStringGrid& G) { G.SetFixedRightCols(1); };
const TPrepare Footer = [](TAdvStringGrid& G) { G.SetFixedFooters(1); };
const TPrepare RowSel = [](TAdvStringGrid& G) { G.SetOptions(G.Options() + TGridOptions{goRowSelect}); };
const TPrepare Row4Off = [](TAdvStringGrid& G) { G.SetRowEnabled(4, false); };

TEST(CursorKeys, ArrowsFollowWrappingSkippingAndDisabledRows) {
  struct Case {
    const char* Name;
    TPrepare Prepare;
    TPoint From;
    WORD Key;
    TPoint To;
  };
  const Case Cases[] = {
      {"default stops at the edge", {}, {5, 3}, VK_RIGHT, {5, 3}},
      {"loop Right", Advance(caLoop), {5, 3}, VK_RIGHT, {1, 3}},
      {"snake Right", Advance(caSnake), {5, 3}, VK_RIGHT, {1, 4}},
      {"snake Right on the last row", Advance(caSnake), {5, 7}, VK_RIGHT, {1, 7}},
      {"loop Left", Advance(caLoop), {1, 3}, VK_LEFT, {5, 3}},
      {"snake Left", Advance(caSnake), {1, 3}, VK_LEFT, {5, 2}},
      {"loop Up", Advance(caLoop), {2, 1}, VK_UP, {2, 7}},
      {"snake Up", Advance(caSnake), {2, 1}, VK_UP, {1, 7}},
      {"loop Down", Advance(caLoop), {2, 7}, VK_DOWN, {2, 1}},
      {"snake Down", Advance(caSnake), {2, 7}, VK_DOWN, {3, 1}},
      {"loop Right before a fixed right column", Advance(caLoop, RightFixed), {4, 3}, VK_RIGHT, {1, 3}},
      {"loop Right before it, not skipping", Advance(caLoop, Both(RightFixed, NoSkip)), {4, 3}, VK_RIGHT, {1, 3}},
      {"loop Down above a footer row", Advance(caLoop, Footer), {2, 6}, VK_DOWN, {2, 1}},
      {"loop Left wraps to the last unfixed column", Advance(caLoop, RightFixed), {1, 3}, VK_LEFT, {4, 3}},
      {"Right jumps a fixed column", FixedCell(3, -1), {2, 2}, VK_RIGHT, {4, 2}},
      {"Left jumps it back", FixedCell(3, -1), {4, 2}, VK_LEFT, {2, 2}},
      {"Down jumps a fixed row", FixedCell(-1, 4), {2, 3}, VK_DOWN, {2, 5}},
      {"without skipping Right stops before it", Both(FixedCell(3, -1), NoSkip), {2, 2}, VK_RIGHT, {2, 2}},
      {"no unfixed cell past the fixed right column", RightFixed, {4, 2}, VK_RIGHT, {4, 2}},
      {"no unfixed cell above a footer row", Footer, {2, 6}, VK_DOWN, {2, 6}},
      {"row select passes one row without walking",
       Both(RowSel, [](TAdvStringGrid& G) {
         G.OnIsFixedCell = [](TObject*, int R, int, bool& Fixed) { Fixed = R == 4 || R == 5; };
       }),
       {1, 3}, VK_DOWN, {1, 5}},
      {"Down passes a disabled row", Row4Off, {2, 3}, VK_DOWN, {2, 5}},
      {"Up passes it too", Row4Off, {2, 5}, VK_UP, {2, 3}},
      {"not skipping, Down lands on it",
       Both(Row4Off, [](TAdvStringGrid& G) { G.Navigation()->SetSkipDisabledRows(false); }), {2, 3}, VK_DOWN,
       {2, 4}},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TKeyGrid f(C.Prepare);
    f.At(C.From.X, C.From.Y);
    f.Input.Key(C.Key);
    EXPECT_EQ(C.To, f.Cell());
    EXPECT_EQ(1, f.Grid->TopRow());
  }
}

// Forty rows, so the view scrolls.
TEST(CursorKeys, ScrollOnlyKeysMoveTheViewButNeverTheCell) {
  TKeyGrid f([](TAdvStringGrid& G) {
    G.SetRowCount(40);
    G.Navigation()->SetMoveScrollOnly(true);
  });
  const int page = f.Grid->VisibleRowCount();
  ASSERT_LT(page + 1, 20);
  struct Case {
    WORD Key;
    int TopBefore;
    int TopAfter;
  };
  const Case Cases[] = {
      {VK_DOWN, 1, 2},         {VK_UP, 5, 4},           {VK_UP, 1, 1},       {VK_NEXT, 1, 1 + page},
      {VK_PRIOR, 20, 20 - page}, {VK_PRIOR, page, 1},   {VK_END, 1, 40 - page}, {VK_HOME, 9, 1},
  };
  f.At(2, 3);
  int keyDowns = 0;
  f.Grid->OnKeyDown = [&](TObject*, WORD&, TShiftState) { ++keyDowns; };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Key);
    f.Grid->SetTopRow(C.TopBefore);
    f.Input.Key(C.Key);
    EXPECT_EQ(C.TopAfter, f.Grid->TopRow());
    EXPECT_EQ(Point(2, 3), f.Cell());
  }
  EXPECT_EQ(0, keyDowns);
  f.Input.Key(VK_RIGHT);
  EXPECT_EQ(Point(3, 3), f.Cell()) << "Left and Right still move";
}

// Thirty columns in a row-select grid, scrolled to column 3.
TEST(CursorKeys, RowSelectGridsScrollSidewaysByOneColumn) {
  struct Case {
    const char* Name;
    bool LeftRightRowSelect;
    WORD Key;
    TShiftState Shift;
    int Left;
  };
  const Case Cases[] = {
      {"Ctrl+Right", true, VK_RIGHT, {ssCtrl}, 4},
      {"Ctrl+Left", true, VK_LEFT, {ssCtrl}, 2},
      {"Right with the option off", false, VK_RIGHT, {}, 4},
      {"Left with the option off", false, VK_LEFT, {}, 2},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TKeyGrid f([&C](TAdvStringGrid& G) {
      G.SetColCount(30);
      RowSel(G);
      G.Navigation()->SetLeftRightRowSelect(C.LeftRightRowSelect);
    });
    f.At(1, 3);
    f.Grid->SetLeftCol(3);
    f.Input.Key(C.Key, C.Shift);
    EXPECT_EQ(C.Left, f.Grid->LeftCol());
    EXPECT_EQ(3, f.Grid->Row());
  }
}

TEST(CursorKeys, KeepHorizScrollKeepsARowSelectGridScrolledWhileTheRowMoves) {
  TKeyGrid f([](TAdvStringGrid& G) {
    G.SetColCount(30);
    RowSel(G);
    G.Navigation()->SetKeepHorizScroll(true);
  });
  f.At(1, 3);
  f.Grid->SetLeftCol(5);
  f.Input.Key(VK_DOWN);
  f.Input.Key(VK_NEXT);
  EXPECT_EQ(7, f.Grid->Row());
  EXPECT_EQ(5, f.Grid->LeftCol());
}

TEST(CursorKeys, CtrlUpAndDownMoveTheSelectedRowOrBlock) {
  TKeyGrid f([](TAdvStringGrid& G) { G.Navigation()->SetCursorMoveRows(true); });
  f.At(2, 3);
  f.Input.Key(VK_DOWN, {ssCtrl});
  EXPECT_EQ((std::vector<String>{u"r1", u"r2", u"r4", u"r3", u"r5", u"r6", u"r7"}), f.Column1());
  EXPECT_EQ(4, f.Grid->Row());
  f.Input.Key(VK_UP, {ssCtrl});
  f.Input.Key(VK_UP, {ssCtrl});
  EXPECT_EQ((std::vector<String>{u"r1", u"r3", u"r2", u"r4", u"r5", u"r6", u"r7"}), f.Column1());
  EXPECT_EQ(2, f.Grid->Row());

  f.Grid->SetSelection({1, 2, 3, 4});
  f.Input.Key(VK_DOWN, {ssCtrl});
  EXPECT_EQ((std::vector<String>{u"r1", u"r5", u"r3", u"r2", u"r4", u"r6", u"r7"}), f.Column1());
  EXPECT_EQ((TGridRect{1, 3, 5, 5}), f.Grid->Selection());
  f.At(2, 7);
  f.Input.Key(VK_DOWN, {ssCtrl});
  EXPECT_EQ(u"r7", f.Grid->Cells(1, 7)) << "the last row has no place below";
}

TEST(CursorKeys, WithoutCursorMoveRowsCtrlDownOnlyMovesTheCursor) {
  TKeyGrid f;
  f.At(2, 3);
  f.Input.Key(VK_DOWN, {ssCtrl});
  EXPECT_EQ(4, f.Grid->Row());
  EXPECT_EQ(u"r3", f.Grid->Cells(1, 3));
}

struct AppendOnDown : ::testing::Test, TKeyGrid {
  std::vector<int> Added;
  AppendOnDown()
      : TKeyGrid([](TAdvStringGrid& G) {
          G.SetRowCount(4);
          G.Navigation()->SetAppendOnArrowDown(true);
        }) {
    Grid->OnAutoAddRow = [this](TObject*, int ARow) { Added.push_back(ARow); };
  }
};

TEST_F(AppendOnDown, DownOnTheLastRowAddsAnEmptyRowAndMovesOntoIt) {
  At(2, 2);
  Input.Key(VK_DOWN);
  EXPECT_EQ(4, Grid->RowCount()) << "only the last row appends";
  Input.Key(VK_DOWN);
  ASSERT_EQ(5, Grid->RowCount());
  EXPECT_EQ(4, Grid->Row());
  EXPECT_EQ(u"", Grid->Cells(1, 4));
  EXPECT_EQ(std::vector<int>{4}, Added);
  Grid->OnCanAddRow = [](TObject*, bool& Can) { Can = false; };
  Input.Key(VK_DOWN);
  EXPECT_EQ(5, Grid->RowCount());
  EXPECT_EQ(4, Grid->Row());
}

// The row goes in above a footer row, fixed or floating, which keeps its text.
TEST(CursorKeys, AFooterRowStaysBelowTheRowDownAdds) {
  for (const bool floating : {false, true}) {
    SCOPED_TRACE(floating ? "floating footer" : "fixed footer");
    std::vector<int> added;
    TKeyGrid f([&](TAdvStringGrid& G) {
      G.SetRowCount(4);
      G.Navigation()->SetAppendOnArrowDown(true);
      floating ? G.FloatingFooter()->SetVisible(true) : G.SetFixedFooters(1);
      G.SetCells(1, 3, u"sum");
      G.OnAutoAddRow = [&](TObject*, int ARow) { added.push_back(ARow); };
    });
    f.At(2, 2);
    f.Input.Key(VK_DOWN);
    ASSERT_EQ(5, f.Grid->RowCount());
    EXPECT_EQ(3, f.Grid->Row());
    EXPECT_EQ(u"", f.Grid->Cells(1, 3));
    EXPECT_EQ(u"sum", f.Grid->Cells(1, 4));
    EXPECT_EQ(std::vector<int>{3}, added);
  }
}

// An editable combo hands Down back to the grid when it closes.
TEST(CursorKeys, DownLeavingAComboOnTheLastRowStoresItsTextAndAppends) {
  mousetest::TGridOnForm<TAdvColumnGrid> f;
  f.Grid->SetOptions(f.Grid->Options() + TGridOptions{goEditing});
  f.Grid->SetRowCount(3);
  f.Grid->Columns()->Items(1)->SetEditor(edComboEdit);
  f.Grid->Columns()->Items(1)->ComboItems()->Add(u"Lamp");
  f.Grid->Navigation()->SetAppendOnArrowDown(true);
  f.Show();
  f.Grid->SetRow(2);
  f.Grid->SetCol(1);
  f.Input.Type(u"x");
  ASSERT_TRUE(f.Grid->Combobox()->Visible());
  f.Input.Key(VK_DOWN);
  EXPECT_EQ(u"x", f.Grid->Cells(1, 2));
  ASSERT_EQ(4, f.Grid->RowCount());
  EXPECT_EQ(3, f.Grid->Row());
}

TEST(CursorKeys, AGridWithSyncGridTakesItAlong) {
  TKeyGrid f;
  auto* other = new TStringGrid(f.Form.get());
  other->SetParent(f.Form.get());
  other->SetColCount(6);
  other->SetRowCount(8);
  TSyncGrid sync(nullptr);
  sync.SetGrid(other);
  sync.SetSelectionRow(true);
  f.Grid->SetSyncGrid(sync);
  f.At(2, 3);
  f.Input.Key(VK_DOWN);
  f.Input.Key(VK_RIGHT);
  EXPECT_EQ(4, other->Row());
  EXPECT_EQ(1, other->Col()) << "only the row follows";
}

}  // namespace
