#include <gtest/gtest.h>

#include "grid/base/Navigation.h"
#include "tests/grid/interact/KeyGridSupport.h"

namespace {

using keytest::TPrepare;
using keytest::TKeyGrid;

TPrepare Action(THomeEndAction How, const TPrepare& More = {}) {
  return [How, More](TAdvStringGrid& G) {
    G.Navigation()->SetHomeEndKey(How);
    if (More) More(G);
  };
}
// Editing, with column 1 read-only: the first cell Home reaches is column 2.
const TPrepare Col1ReadOnly = [](TAdvStringGrid& G) {
  G.SetOptions(G.Options() + TGridOptions{goEditing});
  G.OnCanEditCell = [](TObject*, int, int ACol, bool& Can) { Can = ACol != 1; };
};
constexpr TGridRect AnySel{-1, -1, -1, -1};

// From cell (3, 4).
TEST(HomeEndKeys, EachActionGoesToItsCellRowOrColumn) {
  struct Case {
    const char* Name;
    TPrepare Prepare;
    WORD Key;
    TShiftState Shift;
    TPoint To;
    TGridRect Sel;
  };
  const Case Cases[] = {
      {"column Home", Action(heFirstLastColumn), VK_HOME, {}, {1, 4}, AnySel},
      {"column End", Action(heFirstLastColumn), VK_END, {}, {5, 4}, AnySel},
      {"column Ctrl+Home", Action(heFirstLastColumn), VK_HOME, {ssCtrl}, {1, 1}, AnySel},
      {"column Ctrl+End", Action(heFirstLastColumn), VK_END, {ssCtrl}, {5, 7}, AnySel},
      {"column Home to the first editable cell", Action(heFirstLastColumn, Col1ReadOnly), VK_HOME, {}, {2, 4},
       AnySel},
      {"column Ctrl+Home to the first editable cell", Action(heFirstLastColumn, Col1ReadOnly), VK_HOME,
       {ssCtrl}, {2, 1}, AnySel},
      {"column Shift+Home", Action(heFirstLastColumn), VK_HOME, {ssShift}, {1, 4}, {1, 4, 3, 4}},
      {"column Shift+End", Action(heFirstLastColumn), VK_END, {ssShift}, {5, 4}, {3, 4, 5, 4}},
      {"column Home in a row-select grid",
       Action(heFirstLastColumn, [](TAdvStringGrid& G) { G.SetOptions(G.Options() + TGridOptions{goRowSelect}); }),
       VK_HOME, {}, {3, 1}, AnySel},
      {"row Home", Action(heFirstLastRow), VK_HOME, {}, {3, 1}, AnySel},
      {"row End", Action(heFirstLastRow), VK_END, {}, {3, 7}, AnySel},
      {"row End above a footer row", Action(heFirstLastRow, [](TAdvStringGrid& G) { G.SetFixedFooters(1); }),
       VK_END, {}, {3, 6}, AnySel},
      {"row Ctrl+End", Action(heFirstLastRow), VK_END, {ssCtrl}, {5, 7}, AnySel},
      {"cell Home", Action(heFirstLastCell), VK_HOME, {}, {1, 1}, AnySel},
      {"cell End", Action(heFirstLastCell), VK_END, {}, {5, 7}, AnySel},
      {"column End before a fixed right column",
       Action(heFirstLastColumn, [](TAdvStringGrid& G) { G.SetFixedRightCols(1); }), VK_END, {}, {4, 4}, AnySel},
      {"cell End short of a fixed right column and a footer row", Action(heFirstLastCell, [](TAdvStringGrid& G) {
         G.SetFixedRightCols(1);
         G.SetFixedFooters(1);
       }),
       VK_END, {}, {4, 6}, AnySel},
      {"cell End onto a merged cell's base",
       Action(heFirstLastCell, [](TAdvStringGrid& G) { G.MergeCells(4, 7, 2, 1); }), VK_END, {}, {4, 7}, AnySel},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TKeyGrid f(C.Prepare);
    f.At(3, 4);
    int keyDowns = 0;
    f.Grid->OnKeyDown = [&](TObject*, WORD&, TShiftState) { ++keyDowns; };
    f.Input.Key(C.Key, C.Shift);
    EXPECT_EQ(C.To, f.Cell());
    if (C.Sel.Left >= 0) {
      EXPECT_EQ(C.Sel, f.Grid->Selection());
    }
    EXPECT_EQ(1, keyDowns);
  }
}

TEST(HomeEndKeys, HomeAndEndOfAColumnScrollTheViewToTheirSide) {
  TKeyGrid f([](TAdvStringGrid& G) { G.SetColCount(30); });
  f.At(3, 4);
  f.Input.Key(VK_END);
  EXPECT_EQ(29, f.Grid->Col());
  EXPECT_EQ(30 - f.Grid->VisibleColCount(), f.Grid->LeftCol());
  EXPECT_GT(f.Grid->LeftCol(), 1);
  f.Input.Key(VK_HOME);
  EXPECT_EQ(1, f.Grid->Col());
  EXPECT_EQ(1, f.Grid->LeftCol());
}

TEST(HomeEndKeys, AGridWithoutDataRowsLeavesTheKeysToThePlatformGrid) {
  TKeyGrid f(Action(heFirstLastRow, [](TAdvStringGrid& G) {
    G.SetFixedRowAlways(true);
    G.SetRowCount(1);
  }));
  f.Input.Key(VK_END);
  f.Input.Key(VK_HOME);
  EXPECT_EQ(0, f.Grid->Row());
}

}  // namespace
