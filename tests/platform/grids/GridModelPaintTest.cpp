// Painting the grid model on the recording canvas.
#include <gtest/gtest.h>

#include <map>

#include "platform/gui/RecordingCanvas.h"
#include "tests/platform/grids/GridTestSupport.h"

namespace {

struct PaintedCell {
  TRect rect;
  TGridDrawState state;
};

struct RecordingGrid : TGridModel {
  std::map<std::pair<int, int>, PaintedCell> cells;
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override {
    cells[{ACol, ARow}] = PaintedCell{ARect, AState};
  }
};

// 4 x 4 cells of 64 x 24 px, one-pixel lines, in a view of 3 x 3 cells plus 30 px.
class GridModelPaint : public ::testing::Test {
 protected:
  void SetUp() override {
    g.SetColCount(4);
    g.SetRowCount(4);
    g.SetViewSize(65 * 3 + 30, 25 * 3 + 30);
  }
  PaintedCell At(int c, int r) { return g.cells[std::make_pair(c, r)]; }
  RecordingGrid g;
  TRecordingCanvas canvas{400, 300};
};

}  // namespace

TEST_F(GridModelPaint, EveryVisibleCellIsDrawnOnceWithItsState) {
  g.FocusCell(2, 2, true);
  g.PaintCells(canvas, clWindow, true);
  EXPECT_EQ(16u, g.cells.size());  // all four rows and columns show, the last ones in part
  EXPECT_EQ(Rect(65, 25, 129, 49), At(1, 1).rect);
  EXPECT_EQ(Rect(195, 75, 259, 99), At(3, 3).rect);  // unclipped: the canvas clips
  EXPECT_TRUE(At(0, 2).state.Contains(gdFixed));
  EXPECT_TRUE(At(2, 2).state.Contains(gdFocused));
  EXPECT_FALSE(At(2, 2).state.Contains(gdSelected));  // the focus frame shows it instead
  EXPECT_TRUE(At(1, 1).state.Empty());
  auto focus = canvas.RecordsOf(u"DrawFocusRect");
  ASSERT_EQ(1u, focus.size());
  EXPECT_EQ(Rect(130, 50, 194, 74), focus[0].Rect);
}

TEST_F(GridModelPaint, RangeAndRowSelectionStates) {
  g.SetSelection(TGridRect{1, 1, 2, 2});
  g.PaintCells(canvas, clWindow, false);
  EXPECT_TRUE(At(1, 1).state.Contains(gdSelected));
  EXPECT_TRUE(At(2, 2).state.Contains(gdSelected));  // not focused: shown selected
  EXPECT_FALSE(At(3, 2).state.Contains(gdSelected));
  EXPECT_TRUE(canvas.RecordsOf(u"DrawFocusRect").empty());
  g.SetOptions(g.Options() + TGridOptions{goRowSelect});
  g.cells.clear();
  g.PaintCells(canvas, clWindow, true);
  EXPECT_TRUE(At(3, 2).state.Contains(gdSelected));
  EXPECT_TRUE(At(2, 2).state.Contains(gdFocused));
}

TEST_F(GridModelPaint, LinesFollowTheOptionsAndTheRestIsBackground) {
  g.SetColCount(2);
  g.SetRowCount(2);
  g.SetOptions(TGridOptions{goFixedVertLine, goHorzLine});
  g.PaintCells(canvas, clWindow, false);
  auto fills = canvas.RecordsOf(u"FillRect");
  std::vector<TRect> lines, background;
  for (const auto& f : fills) (f.BrushColor == clWindow ? background : lines).push_back(f.Rect);
  // vertical lines after the three fixed cells (down through the crossing),
  // a horizontal line under the one data cell, row by row
  EXPECT_EQ((std::vector<TRect>{Rect(64, 0, 65, 25), Rect(129, 0, 130, 25), Rect(64, 25, 65, 50),
                                Rect(65, 49, 130, 50)}),
            lines);
  EXPECT_EQ((std::vector<TRect>{Rect(130, 0, 225, 105), Rect(0, 50, 130, 105)}), background);
}
