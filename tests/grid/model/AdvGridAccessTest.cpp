#include <gtest/gtest.h>

#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/model/AdvStringGrid.h"
#include "tests/grid/model/RepaintCountingGrid.h"

namespace {

TEST(AdvGridAccess, FontsReadTheGridFontUntilTheCellHasItsOwn) {
  TRepaintCountingGrid g(nullptr);
  EXPECT_EQ(g.Fonts(2, 3), g.Font());
  TFont f;
  f.SetName(u"Courier");
  f.SetSize(14);
  f.SetStyle({fsItalic});
  f.SetColor(clRed);
  const int before = g.Repaints;
  g.SetFonts(2, 3, f);
  TFont* cell = g.Fonts(2, 3);
  EXPECT_NE(cell, g.Font());
  EXPECT_EQ(cell->Name(), u"Courier");
  EXPECT_EQ(cell->Size(), 14);
  EXPECT_TRUE(cell->Style().Contains(fsItalic));
  EXPECT_EQ(cell->Color(), clRed);
  EXPECT_EQ(g.FontColors(2, 3), clRed);
  EXPECT_EQ(g.Fonts(2, 4), g.Font());
  g.BeginUpdate();
  g.SetFonts(2, 4, f);
  g.EndUpdate();
  EXPECT_GE(g.Repaints, before);
}

TEST(AdvGridAccess, GradientsAndWordWraps) {
  TAdvStringGrid g(nullptr);
  EXPECT_EQ(g.Gradients(2, 2), GradientHorizontal);
  EXPECT_EQ(g.GridObjects(2, 2), nullptr) << "reading makes no record";
  g.SetGradients(2, 2, GradientVertical);
  EXPECT_EQ(g.Gradients(2, 2), GradientVertical);
  EXPECT_TRUE(g.WordWraps(3, 3)) << "a new record takes the grid's word wrap";
  EXPECT_NE(g.GridObjects(3, 3), nullptr) << "this reader makes the record";
  g.SetWordWraps(3, 3, false);
  EXPECT_FALSE(g.WordWraps(3, 3));
}

TEST(AdvGridAccess, WideCellsAndLines) {
  TAdvStringGrid g(nullptr);
  g.SetAllWideCells(1, 2, u"\u00e9t\u00e9\r\nzwei");
  EXPECT_EQ(g.Cells(1, 2), u"\u00e9t\u00e9\r\nzwei");
  EXPECT_EQ(g.AllWideCells(1, 2), g.AllCells(1, 2));
  EXPECT_EQ(g.LinesInCell(1, 2), 2);
  EXPECT_EQ(g.LinesInCell(1, 3), 1);
}

TEST(AdvGridAccess, CurrentCellIsTheMergedAreasBaseCell) {
  TAdvStringGrid g(nullptr);
  g.MergeCells(1, 1, 2, 2);
  g.SetCells(1, 1, u"base");
  g.FocusCell(2, 2, true);
  EXPECT_EQ(g.CurrentCell(), u"base");
  EXPECT_EQ(g.GetCurrentCellText(), u"base");
  g.SetCurrentCell(u"new");
  EXPECT_EQ(g.GridCells(1, 1), u"new");
  g.SetCurrentCellText(u"typed");
  EXPECT_EQ(g.GridCells(1, 1), u"typed");
  EXPECT_EQ(g.GridCells(2, 2), u"");
}

TEST(AdvGridAccess, EditTextGoesByStorageColumnAndBaseCell) {
  TAdvStringGrid g(nullptr);
  g.VisibleColumns().SetVisibleCol(1, false);
  g.SetColCount(4);
  g.SetCells(2, 3, u"storage 2");
  EXPECT_EQ(g.GetEditText(1, 3), u"storage 2") << "displayed column 1 is storage column 2";
  EXPECT_TRUE(g.NoEditChange());
  g.SetEditText(1, 3, u"edited");
  EXPECT_EQ(g.GridCells(2, 3), u"edited");
  g.MergeCells(3, 5, 2, 1);
  g.SetEditText(3, 5, u"into base");  // displayed 3 = storage 4, merged into storage 3
  EXPECT_EQ(g.GridCells(3, 5), u"into base");
}

TEST(AdvGridAccess, VersionNumberAndText) {
  TAdvStringGrid g(nullptr);
  EXPECT_EQ(g.GetVersionNr(), 100794627);
  EXPECT_EQ(g.GetVersionString(), u"6.2.1.3 Sep, 2012");
}

// Records which of the grid's own handlers its settings objects reached.
struct TListeningGrid : TRepaintCountingGrid {
  using TRepaintCountingGrid::TRepaintCountingGrid;
  int NavigationChanges = 0;
  int MouseChanges = 0;
  int HeaderChanges = 0;
  void NavigationChanged() override { ++NavigationChanges; }
  void MouseActionsChanged() override { ++MouseChanges; }
  void ColumnHeadersChanged() override { ++HeaderChanges; }
};

TEST(AdvGridAccess, SettingsEventsReachTheGridsHooks) {
  TListeningGrid g(nullptr);
  g.Navigation()->OnChange(g.Navigation());
  g.MouseActions()->OnChange(g.MouseActions());
  EXPECT_EQ(g.NavigationChanges, 1);
  EXPECT_EQ(g.MouseChanges, 1);
  bool designing = true;
  g.MouseActions()->OnIsDesigning(g.MouseActions(), designing);
  EXPECT_FALSE(designing);
  const int before = g.Repaints;
  g.MouseActions()->OnInvalidate(g.MouseActions());
  EXPECT_EQ(g.Repaints, before + 1);
  g.ColumnHeaders()->Add(u"h");
  EXPECT_EQ(g.HeaderChanges, 1);
}

TEST(AdvGridAccess, HookDefaultsAndTheirEvents) {
  TAdvStringGrid g(nullptr);
  EXPECT_TRUE(g.DoCanAddRow());
  EXPECT_TRUE(g.DoCanInsertRow(3));
  EXPECT_TRUE(g.DoCanShowFixedDropDown(1));
  double rate = 2.5;
  EXPECT_TRUE(g.DoRatingChange(1, 2, rate));
  EXPECT_TRUE(g.RowMatchesFilter(4));
  String format;
  g.GetColumnFloatFormat(2, format);
  EXPECT_EQ(format, u"%.2f");

  g.OnCanInsertRow = [](TObject*, int ARow, bool& CanInsert) { CanInsert = ARow != 3; };
  g.OnCanAddRow = [](TObject*, bool& CanAdd) { CanAdd = false; };
  g.OnRatingChange = [](TObject*, int ACol, int ARow, double& NewRate, bool& Allow) {
    NewRate = ACol * 10 + ARow;
    Allow = false;
  };
  g.OnCanShowFixedDropDown = [](TObject*, int ACol, bool& Allow) { Allow = ACol == 2; };
  EXPECT_FALSE(g.DoCanInsertRow(3));
  EXPECT_TRUE(g.DoCanInsertRow(4));
  EXPECT_FALSE(g.DoCanAddRow());
  EXPECT_FALSE(g.DoRatingChange(1, 2, rate));
  EXPECT_EQ(rate, 12);
  EXPECT_FALSE(g.DoCanShowFixedDropDown(1));

  TRect changed{};
  g.OnCellsChanged = [&](TObject*, const TRect& R) { changed = R; };
  g.CellsChanged(TRect{1, 2, 3, 4});
  EXPECT_EQ(changed, (TRect{1, 2, 3, 4}));
  int left = -1, bottom = -1;
  g.OnSelectionChanged = [&](TObject*, int L, int, int, int B) {
    left = L;
    bottom = B;
  };
  g.DoSelectionChanged(1, 2, 3, 4);
  EXPECT_EQ(left, 1);
  EXPECT_EQ(bottom, 4);
  int width = 50;
  g.OnUpdateColumnSize = [](TObject*, int ACol, int& AWidth) { AWidth += ACol; };
  g.UpdateColumnSize(3, width);
  g.UpdateAutoColumnSize(2, width);
  EXPECT_EQ(width, 55);

  g.SetOptions(g.Options() + TGridOptions{goEditing});
  g.DisableEditing();
  EXPECT_FALSE(g.Options().Contains(goEditing));
  g.SetRow(6);
  g.GotoFirstRow();
  EXPECT_EQ(g.Row(), 1);
  EXPECT_FALSE(g.UseFormattedClipboard());
  g.Navigation()->SetAllowFmtClipboard(true);
  EXPECT_TRUE(g.UseFormattedClipboard());
}

}  // namespace

namespace {

TEST(AdvGridAccess, LoadingWithAutoSizeSizesTheColumns) {
  TAdvStringGrid g(nullptr);
  g.BeginLoading();
  g.SetAutoSize(true);
  g.SetCells(2, 1, u"a rather long text for one cell");
  g.EndLoading();
  EXPECT_GT(g.ColWidths(2), g.DefaultColWidth());
}

}  // namespace
