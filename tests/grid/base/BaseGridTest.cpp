#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "grid/base/CellText.h"
#include "platform/gui/Forms.h"
#include "tests/grid/base/BaseGridSupport.h"

namespace {

TObject* UserObject(int i) {
  static char pool[8];
  return reinterpret_cast<TObject*>(&pool[i]);  // never dereferenced
}

TEST(BaseGridCells, TextsAndRecordsReachStorageColumnsBeyondColCount) {
  TTestGrid grid(3, 4, 8);  // columns 3..7 are hidden storage columns
  grid.SetCellEx(7, 2, u"hidden");
  EXPECT_EQ(grid.GetCellEx(7, 2), u"hidden");
  grid.SetObjectEx(7, 2, UserObject(1));
  EXPECT_TRUE(grid.HasCellProps(7, 2));
  EXPECT_EQ(grid.GetObjectEx(7, 2), UserObject(1));
  EXPECT_FALSE(grid.HasCellProps(8, 2));  // beyond TotalColCount
  EXPECT_FALSE(grid.HasCellProps(0, 4));  // beyond RowCount
}

TEST(BaseGridCells, RecordsAreCreatedOnFirstNeedWithTheDefaultsOfThatMoment) {
  TTestGrid grid;
  EXPECT_EQ(grid.GetObjectEx(1, 1), nullptr);
  EXPECT_EQ(grid.GetGraphicObjectEx(1, 1), nullptr);
  EXPECT_FALSE(grid.HasCellProps(1, 1));  // reading created nothing

  grid.SetWordWrap(false);
  grid.SetColor(clYellow);
  grid.Font()->SetName(u"Arial");
  grid.Font()->SetStyle({fsBold});
  grid.SetObjectEx(1, 1, UserObject(2));
  const TCellProperties* p = grid.GridObjects(1, 1);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->CellObject(), UserObject(2));
  EXPECT_FALSE(p->WordWrap());
  EXPECT_EQ(p->BrushColor(), clYellow);
  EXPECT_EQ(p->FontName(), u"Arial");
  EXPECT_EQ(p->FontStyle(), TFontStyles{fsBold});
  EXPECT_EQ(p->BrushColorTo(), clNone);
  EXPECT_TRUE(p->IsBaseCell());
  EXPECT_EQ(p->CellSpanX(), -1);
  EXPECT_EQ(p->CellSpanY(), -1);
  EXPECT_EQ(p->OwnerCol(), 1);
  EXPECT_EQ(p->OwnerRow(), 1);
  EXPECT_EQ(grid.GetCellProperties(1, 1), p);  // one record per cell

  grid.SetWordWrap(true);
  EXPECT_TRUE(grid.GetCellProperties(2, 2)->WordWrap());
}

TEST(BaseGridCells, RecordAssignCopiesAllButGraphicGradientAndCalculation) {
  TTestGrid grid;
  TCellProperties& src = *grid.GetCellProperties(0, 0);
  src.SetFontName(u"Courier");
  src.SetReadOnly(true);
  src.SetEditor(edComboList);
  src.SetNodeLevel(2);
  src.SetBrushColorTo(clRed);
  src.SetCalcType(acSUM);
  src.SetGradientDirection(GradientHorizontal);
  src.SetGraphicObject(std::make_unique<TCountedGraphic>());
  TCellProperties& dst = *grid.GetCellProperties(1, 1);
  dst.Assign(src);
  EXPECT_EQ(dst.FontName(), u"Courier");
  EXPECT_TRUE(dst.ReadOnly());
  EXPECT_EQ(dst.Editor(), edComboList);
  EXPECT_EQ(dst.NodeLevel(), 2);
  EXPECT_EQ(dst.OwnerCol(), 0);
  EXPECT_EQ(dst.GraphicObject(), nullptr);
  EXPECT_EQ(dst.BrushColorTo(), clNone);
  EXPECT_EQ(dst.CalcType(), acNONE);
  EXPECT_EQ(dst.GradientDirection(), GradientVertical);
}

// A 3 x 2 area merged at (1, 1): columns 1..3, rows 1..2.
struct MergedArea : ::testing::Test {
  TTestGrid grid;
  void SetUp() override {
    for (int c = 0; c < 6; ++c)
      for (int r = 0; r < 6; ++r) grid.SetGridCell(c, r, S(std::to_string(c) + std::to_string(r)));
    grid.MergeCells(1, 1, 3, 2);
  }
};

TEST_F(MergedArea, EveryCellHoldsTheEncoding) {
  struct Case {
    int col, row;
    bool base;
    int spanX, spanY;
  };
  const Case cases[] = {
      {1, 1, true, 2, 1},  {2, 1, false, 1, 0}, {3, 1, false, 2, 0},
      {1, 2, false, 0, 1}, {2, 2, false, 1, 1}, {3, 2, false, 2, 1},
  };
  for (const Case& c : cases) {
    const TCellProperties* p = grid.GridObjects(c.col, c.row);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->IsBaseCell(), c.base) << c.col << "," << c.row;
    EXPECT_EQ(p->CellSpanX(), c.spanX) << c.col << "," << c.row;
    EXPECT_EQ(p->CellSpanY(), c.spanY) << c.col << "," << c.row;
    EXPECT_EQ(grid.BaseCell(c.col, c.row), Point(1, 1));
    EXPECT_EQ(grid.CellSpan(c.col, c.row), Point(2, 1));
    EXPECT_TRUE(grid.IsMergedCell(c.col, c.row));
    EXPECT_EQ(grid.IsMergedNonBaseCell(c.col, c.row), !c.base);
    EXPECT_TRUE(grid.IsXMergedCell(c.col, c.row));
    EXPECT_TRUE(grid.IsYMergedCell(c.col, c.row));
  }
  EXPECT_FALSE(grid.HasCellProps(4, 1));
  EXPECT_EQ(grid.CellSpan(4, 1), Point(0, 0));
  EXPECT_EQ(grid.CellExt(2, 1), Point(1, 1));
  EXPECT_EQ(grid.CellExt(4, 1), Point(0, 0));
  EXPECT_EQ(grid.FullCell(2, 2), Rect(1, 1, 3, 2));
  int bc = 0, br = 0;
  EXPECT_FALSE(grid.ResolveBaseCell(3, 2, bc, br));
  EXPECT_EQ(Point(bc, br), Point(1, 1));
  EXPECT_TRUE(grid.ResolveBaseCell(1, 1, bc, br));
  EXPECT_EQ(grid.MergeCount(), 1);
}

TEST_F(MergedArea, CoveredCellsReadAndWriteTheBaseCell) {
  EXPECT_EQ(grid.Cells(3, 2), u"11");
  grid.SetCells(3, 2, u"all");
  EXPECT_EQ(grid.GridCells(1, 1), u"all");
  EXPECT_EQ(grid.GridCells(3, 2), u"32");  // the covered text stays in the store
  EXPECT_EQ(grid.Cells(2, 1), u"all");
}

TEST_F(MergedArea, SplittingFromAnyCellRestoresEveryCellAndItsOwnText) {
  grid.SplitCells(2, 2);
  for (int c = 1; c <= 3; ++c) {
    for (int r = 1; r <= 2; ++r) {
      const TCellProperties* p = grid.GridObjects(c, r);
      EXPECT_TRUE(p->IsBaseCell());
      EXPECT_EQ(p->CellSpanX(), -1);
      EXPECT_EQ(p->CellSpanY(), -1);
      EXPECT_FALSE(grid.IsMergedCell(c, r));
    }
  }
  EXPECT_EQ(grid.Cells(3, 2), u"32");
  EXPECT_EQ(grid.MergeCount(), 0);
}

// The count says whether any area is merged: only real merges and splits move it.
TEST(BaseGridMerge, CountMovesOnlyOnRealMergesAndSplits) {
  TTestGrid grid;
  grid.SplitCells(0, 0);  // nothing merged
  grid.MergeCells(0, 0, 0, 3);
  grid.MergeCells(0, 0, 2, -1);
  EXPECT_EQ(grid.MergeCount(), 0);
  EXPECT_FALSE(grid.HasCellProps(1, 0));  // an empty area touches no cell
  EXPECT_THROW(grid.MergeCells(4, 4, 2, 3), EInvalidGridOperation);  // past the last row
  EXPECT_THROW(grid.MergeCells(5, 0, 2, 1), EInvalidGridOperation);  // past the last column
  EXPECT_FALSE(grid.HasCellProps(4, 4));                             // nothing half-merged
  grid.MergeCells(0, 0, 1, 1);
  EXPECT_EQ(grid.MergeCount(), 0);
  EXPECT_FALSE(grid.IsMergedCell(0, 0));  // a single cell is no merged area
  grid.SplitCells(0, 0);
  grid.MergeCells(2, 2, 2, 2);
  EXPECT_EQ(grid.MergeCount(), 1);
  grid.SplitCells(3, 3);
  grid.SplitCells(3, 3);  // already split
  EXPECT_EQ(grid.MergeCount(), 0);
  // Merging over an area replaces it: the same area again, or a larger one.
  grid.MergeCells(1, 1, 2, 2);
  grid.MergeCells(1, 1, 2, 2);
  grid.MergeCells(0, 0, 3, 3);
  EXPECT_EQ(grid.MergeCount(), 1);
  grid.SplitCells(2, 2);
  EXPECT_EQ(grid.MergeCount(), 0);
}

// Removing rows or columns through a merged area splits it, so that no cell
// is left pointing to a base that is gone or reaching past the grid.
TEST(BaseGridMerge, RemovingPartOfAnAreaSplitsIt) {
  struct Case {
    const char* what;
    std::function<void(TTestGrid&)> change;
  };
  const Case cases[] = {
      {"base row deleted", [](TTestGrid& g) { g.DeleteRow(1); }},
      {"lower rows deleted", [](TTestGrid& g) { g.DeleteRowSpan(2, 2); }},
      {"base column deleted", [](TTestGrid& g) { g.DeleteColumn(1); }},
      {"row count cut through it", [](TTestGrid& g) { g.SetRowCount(3); }},
  };
  for (const auto& c : cases) {
    TTestGrid grid(4, 6);
    for (int col = 0; col < 4; ++col)
      for (int row = 0; row < 6; ++row) grid.SetGridCell(col, row, Utf8ToString(std::to_string(col * 10 + row)));
    grid.MergeCells(1, 1, 2, 3);  // columns 1..2, rows 1..3
    c.change(grid);
    EXPECT_EQ(grid.MergeCount(), 0) << c.what;
    for (int col = 0; col < grid.ColCount(); ++col) {
      for (int row = 0; row < grid.RowCount(); ++row) {
        EXPECT_FALSE(grid.IsMergedCell(col, row)) << c.what;
        EXPECT_EQ(grid.Cells(col, row), grid.GridCells(col, row)) << c.what;
        EXPECT_NO_THROW(grid.CellRect(col, row)) << c.what;
      }
    }
  }
}

// A covered cell moved off its area reads and splits as a cell of its own.
TEST(BaseGridMerge, ACoveredCellMovedAwayStandsForItself) {
  TTestGrid grid(4, 6);
  grid.SetGridCell(1, 3, u"covered");
  grid.MergeCells(1, 1, 2, 3);
  grid.MoveRow(3, 0);  // its base would lie two rows above the grid
  EXPECT_EQ(grid.BaseCell(1, 0), Point(1, 0));
  EXPECT_EQ(grid.Cells(1, 0), u"covered");
  int bc = -1, br = -1;
  EXPECT_TRUE(grid.ResolveBaseCell(1, 0, bc, br));
  EXPECT_NO_THROW(grid.CellRect(1, 0));
  EXPECT_NO_THROW(grid.SplitCells(1, 0));
}

// Areas left reaching past the grid, or cells left pointing to a record split
// since, used to make the rectangle queries (and so every repaint) raise.
TEST(BaseGridMerge, AreasLeftBehindByMovesAndCountsStillMeasure) {
  struct Case {
    const char* what;
    std::function<void(TTestGrid&)> change;
    TPoint cell, size;
  };
  const Case cases[] = {
      {"column count lowered", [](TTestGrid& g) { g.MergeCells(2, 1, 3, 1), g.SetColCount(3); }, Point(2, 1),
       Point(150, 20)},
      {"base row moved last", [](TTestGrid& g) { g.MergeCells(1, 1, 1, 2), g.MoveRow(1, 5); }, Point(1, 5),
       Point(50, 40)},
      {"covered cell pointing to a record of its own",
       [](TTestGrid& g) {
         g.GetCellProperties(0, 3);
         g.MergeCells(0, 0, 1, 2);
         g.MoveRow(1, 3);  // points to the old row 3 now at row 2
       },
       Point(0, 3), Point(50, 20)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TTestGrid grid;
    grid.SetViewSize(1000, 1000);
    grid.SetDefaultColWidth(50);
    grid.SetDefaultRowHeight(20);
    c.change(grid);
    EXPECT_NO_THROW(grid.CellRect(c.cell.X, c.cell.Y));
    EXPECT_EQ(grid.CellSize(c.cell.X, c.cell.Y), c.size);
  }
}

TEST(BaseGridMerge, SpanQueriesOverRowsAndColumns) {
  TTestGrid grid(6, 8);
  grid.MergeCells(0, 1, 2, 3);  // columns 0..1, rows 1..3
  grid.MergeCells(3, 1, 1, 2);  // column 3, rows 1..2
  EXPECT_EQ(grid.MaxRowSpan(1), 2);
  EXPECT_EQ(grid.MinRowSpan(1), 1);
  EXPECT_EQ(grid.MinRowSpan(5), 8);  // none: RowCount
  EXPECT_EQ(grid.MaxRowSpan(5), 0);
  EXPECT_TRUE(grid.ColSpanIdentical(0, 1));
  EXPECT_FALSE(grid.ColSpanIdentical(0, 3));  // column 3 is merged only vertically
  EXPECT_TRUE(grid.RowSpanIdentical(1, 2));
  EXPECT_FALSE(grid.RowSpanIdentical(1, 5));
  grid.MergeCells(0, 5, 1, 2);                // column 0, rows 5..6
  EXPECT_FALSE(grid.RowSpanIdentical(3, 5));  // different areas in column 0
}

TEST(BaseGridGeometry, MergedAreaSpansItsCellsAndSingleMergeIsTheCell) {
  TTestGrid grid;
  grid.SetViewSize(1000, 1000);
  grid.SetDefaultColWidth(50);
  grid.SetDefaultRowHeight(20);
  const TRect single = grid.CellRect(4, 4);
  EXPECT_EQ(single, Rect(200, 80, 250, 100));
  grid.MergeCells(4, 4, 1, 1);
  EXPECT_EQ(grid.CellRect(4, 4), single);
  grid.MergeCells(1, 1, 2, 3);  // columns 1..2, rows 1..3 of 50 x 20 pixels
  const TRect area = grid.CellRect(2, 3);
  EXPECT_EQ(area, Rect(50, 20, 150, 80));
  EXPECT_EQ(grid.CellRect(1, 1), area);
  EXPECT_EQ(grid.CellSize(1, 1), Point(area.Width(), area.Height()));
}

// On a shown form the cell repaints go through the window: a merged area
// reaching out of the view, a covered cell written, a record's colour set.
TEST(BaseGridGeometry, RepaintsOnAShownFormReachTheWindow) {
  std::unique_ptr<TForm> form(new TForm(nullptr));
  form->SetBounds(0, 0, 300, 200);
  TTestGrid* grid = new TTestGrid(6, 40);
  grid->SetParent(form.get());
  form->InsertComponent(grid);
  form->Show();
  ASSERT_TRUE(grid->HandleAllocated());
  grid->MergeCells(1, 1, 2, 30);
  grid->SetCells(2, 20, u"all");
  grid->GetCellProperties(3, 3)->SetBrushColor(clRed);
  grid->SetTopRow(10);
  grid->SetCells(2, 15, u"again");
  grid->Repaint();
  EXPECT_EQ(grid->GridCells(1, 1), u"again");
  EXPECT_EQ(grid->CellRect(2, 15).Top, grid->CellRect(1, 1).Top);
  EXPECT_LT(grid->CellRect(1, 1).Top, 0);  // the base row scrolled out of view
}

TEST(BaseGridDisplay, HooksApplyOnlyBelowTheNormalRowCount) {
  TTestGrid grid(2, 8);
  grid.SetNormalRowCount(5);
  grid.OnGetDisplText = [&](TObject* Sender, int, int, String& Value) {
    EXPECT_EQ(Sender, static_cast<TObject*>(static_cast<TComponent*>(&grid)));
    Value += u"!";
  };
  grid.SetCells(0, 4, u"a");
  grid.SetCells(0, 5, u"b");
  EXPECT_EQ(grid.Cells(0, 4), u"a!");
  EXPECT_EQ(grid.Cells(0, 5), u"b");
  EXPECT_EQ(grid.GridCells(0, 4), u"a");
}

TEST(BaseGridDisplay, WideHookGivesThePackedWideForm) {
  TTestGrid grid;
  grid.SetNormalRowCount(6);
  int calls = 0;
  grid.OnGetDisplWideText = [&](TObject*, int c, int r, String& Value) {
    ++calls;
    EXPECT_EQ(Value, u"ab");
    if (c == 1) Value = u"\u20AC";
  };
  grid.SetCells(0, 0, u"ab");
  grid.SetCells(1, 0, u"ab");
  EXPECT_EQ(grid.Cells(0, 0), PackWideCellText(u"ab"));
  EXPECT_EQ(grid.Cells(1, 0), PackWideCellText(u"\u20AC"));
  EXPECT_EQ(grid.GridCells(0, 0), u"ab");
  EXPECT_EQ(calls, 2);
}

TEST(BaseGridDisplay, WritingTheHiddenLastRowTellsTheFooter) {
  TTestGrid grid(3, 4);
  grid.SetCells(0, 3, u"x");
  EXPECT_EQ(grid.LastRowChanges, 0);
  grid.SetHideLastRow(true);
  grid.SetCells(0, 2, u"x");
  EXPECT_EQ(grid.LastRowChanges, 0);
  grid.SetCells(0, 3, u"x");
  grid.GetCellProperties(1, 3);
  grid.SetCells(1, 3, u"y");
  EXPECT_EQ(grid.LastRowChanges, 2);
}

// ---- ownership: the record owns its graphic, the grid owns the records

struct Ownership : ::testing::Test {
  void SetUp() override { TCountedGraphic::Live = 0; }
  void TearDown() override { EXPECT_EQ(TCountedGraphic::Live, 0); }
};

TEST_F(Ownership, EveryFreeingPathFreesTheGraphicOfAnyClassButNotUserObjects) {
  TTestGrid grid(4, 4, 6);
  grid.SetGraphicObjectEx(0, 0, std::make_unique<TCountedGraphic>());
  grid.SetGraphicObjectEx(1, 0, std::make_unique<TDerivedGraphic>());
  grid.SetObjectEx(1, 0, UserObject(3));
  grid.SetGraphicObjectEx(2, 0, std::make_unique<TCountedGraphic>());
  grid.SetGraphicObjectEx(3, 0, std::make_unique<TCountedGraphic>());
  grid.SetGraphicObjectEx(5, 3, std::make_unique<TCountedGraphic>());  // hidden column
  EXPECT_EQ(TCountedGraphic::Live, 5);

  grid.SetGraphicObjectEx(3, 0, std::make_unique<TCountedGraphic>());  // replaced
  EXPECT_EQ(TCountedGraphic::Live, 5);
  grid.FreeCellPropsRange(0, 0, 1, 0);
  EXPECT_EQ(TCountedGraphic::Live, 3);
  EXPECT_FALSE(grid.HasCellProps(1, 0));
  grid.FreeCellProps(2, 0);
  EXPECT_EQ(TCountedGraphic::Live, 2);
  grid.SetCellProperties(3, 0, std::make_unique<TCellProperties>(&grid, 3, 0));
  EXPECT_EQ(TCountedGraphic::Live, 1);
  grid.FreeAllCellProps();  // the hidden column too
  EXPECT_EQ(TCountedGraphic::Live, 0);
}

TEST_F(Ownership, DestructionFreesRecordsOfAllStorageColumns) {
  {
    TTestGrid grid(2, 3, 10);
    for (int c = 0; c < 10; ++c) grid.SetGraphicObjectEx(c, 2, std::make_unique<TDerivedGraphic>());
  }
  EXPECT_EQ(TCountedGraphic::Live, 0);
}

TEST_F(Ownership, LoweringTheRowCountFreesTheDroppedRecords) {
  TTestGrid grid(3, 6);
  grid.SetGraphicObjectEx(1, 1, std::make_unique<TCountedGraphic>());
  grid.SetGraphicObjectEx(1, 4, std::make_unique<TCountedGraphic>());
  grid.SetRowCount(3);
  EXPECT_EQ(TCountedGraphic::Live, 1);
  grid.SetRowCount(6);
  EXPECT_FALSE(grid.HasCellProps(1, 4));
}

// The platform grid drops the cells of a deleted row or column: the records
// still there go with them, those moved away first stay.
TEST_F(Ownership, DeletingRowsAndColumnsFreesTheRecordsLeftInThem) {
  TTestGrid grid(3, 4, 5);
  for (int c = 0; c < 5; ++c) grid.SetGraphicObjectEx(c, 1, std::make_unique<TCountedGraphic>());
  grid.SetGraphicObjectEx(1, 2, std::make_unique<TCountedGraphic>());
  TCellProperties* kept = grid.GridObjects(0, 1);
  grid.SetGridObject(0, 3, kept);  // moved away before the delete
  grid.SetGridObject(0, 1, nullptr);
  grid.DeleteRow(1);
  EXPECT_EQ(TCountedGraphic::Live, 2);
  EXPECT_EQ(grid.GridObjects(0, 2), kept);
  EXPECT_NE(grid.GridObjects(1, 1), nullptr);  // row 2 moved up

  grid.DeleteColumn(1);
  EXPECT_EQ(TCountedGraphic::Live, 1);
  EXPECT_EQ(grid.GridObjects(0, 2), kept);

  grid.SetGraphicObjectEx(2, 0, std::make_unique<TCountedGraphic>());
  grid.DeleteRowSpan(0, 2);  // several rows at once
  EXPECT_EQ(TCountedGraphic::Live, 1);
  EXPECT_EQ(grid.GridObjects(0, 0), kept);

  TTestGrid single(2, 1);
  single.SetGraphicObjectEx(1, 0, std::make_unique<TCountedGraphic>());
  single.DeleteRow(0);  // the last row stays, emptied
  EXPECT_EQ(TCountedGraphic::Live, 1);
  EXPECT_FALSE(single.HasCellProps(1, 0));
}

TEST_F(Ownership, ResetHandsRecordsOverWithoutFreeing) {
  TTestGrid grid;
  grid.SetCells(0, 1, u"text");
  grid.SetGraphicObjectEx(0, 1, std::make_unique<TCountedGraphic>());
  TCellProperties* moved = grid.GridObjects(0, 1);
  grid.SetGridObject(0, 4, moved);  // the row's new place
  grid.ResetRow(1);
  EXPECT_FALSE(grid.HasCellProps(0, 1));
  EXPECT_EQ(grid.GridCells(0, 1), u"");
  EXPECT_EQ(grid.GridObjects(0, 4), moved);
  EXPECT_EQ(TCountedGraphic::Live, 1);
}

// Building, merging, splitting and freeing a grid full of records leaves
// nothing behind (LeakSanitizer checks the records themselves).
TEST_F(Ownership, AFullGridMergedSplitAndFreedLeavesNothing) {
  {
    TTestGrid grid(40, 40, 48);
    for (int c = 0; c < 48; ++c) {
      for (int r = 0; r < 40; ++r) {
        grid.SetCells(c, r, u"x");
        grid.SetGraphicObjectEx(c, r, (c + r) % 2 ? std::make_unique<TCountedGraphic>()
                                                  : std::make_unique<TDerivedGraphic>());
      }
    }
    for (int r = 0; r < 40; r += 4) grid.MergeCells(0, r, 8, 4);
    for (int r = 0; r < 40; r += 8) grid.SplitCells(3, r + 2);
    EXPECT_EQ(grid.MergeCount(), 5);
    grid.FreeCellPropsRange(10, 10, 19, 19);
    EXPECT_EQ(TCountedGraphic::Live, 48 * 40 - 100);
  }
}

}  // namespace
