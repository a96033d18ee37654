// The grid window's frame and scroll bars: the client area the cells get,
// the scroll info each bar keeps, what an invalidated cell repaints, and
// the picture a person sees.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "platform/grids/Grids.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/RecordingCanvas.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/SystemInput.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/GuiTest.h"
#include "tests/support/SystemInputDriver.h"
#include "tests/support/TempDir.h"

namespace {

// a * b / c rounded, as the bar places a position.
int MulDiv(int a, int b, int c) { return static_cast<int>((static_cast<long long>(a) * b + c / 2) / c); }

// Records the parts of its client area it is asked to repaint.
class TInvalidationGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;
  void Invalidate() override {
    ++Whole;
    TStringGrid::Invalidate();
  }
  void InvalidateRect(const TRect& R) override {
    Parts.push_back(R);
    TStringGrid::InvalidateRect(R);
  }
  int Whole = 0;
  std::vector<TRect> Parts;
};

// A shown form with a 300 x 200 grid of 64 x 24 px cells and 1 px lines.
class GridFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    Form->SetBounds(0, 0, 500, 400);
    Grid->SetParent(Form);
    Grid->SetBounds(10, 10, 300, 200);
    Form->Show();
  }
  void TearDown() override { delete Form; }
  void Shape(TFormBorderStyle Border, int Cols, int Rows) {
    Grid->SetBorderStyle(Border);
    Grid->SetColCount(Cols);
    Grid->SetRowCount(Rows);
  }
  TScrollInfo Info(int Bar) const {
    TScrollInfo info;
    EXPECT_TRUE(Grid->GetScrollInfo(Bar, info));
    return info;
  }
  // The cells a paint clipped to Clip draws.
  std::vector<TGridCoord> CellsPainted(const TRect& Clip) {
    std::vector<TGridCoord> cells;
    Grid->OnDrawCell = [&](TObject*, int ACol, int ARow, const TRect&, TGridDrawState) {
      cells.push_back(TGridCoord{ACol, ARow});
    };
    TRecordingCanvas canvas;
    canvas.SetClipRect(Clip);
    Grid->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
    Grid->OnDrawCell = nullptr;
    return cells;
  }

  TForm* Form = new TForm(nullptr);
  TInvalidationGrid* Grid = new TInvalidationGrid(Form);
  testsupport::InputDriver Input;
};

TEST_F(GridFrame, TheClientAreaIsTheWindowLessTheFrameAndTheShownBars) {
  struct Case {
    const char* What;
    TFormBorderStyle Border;
    int Cols, Rows;
    int Width, Height;
  };
  const Case cases[] = {
      {"no frame, all cells fit", bsNone, 3, 5, 300, 200},
      {"no frame, a vertical bar", bsNone, 3, 20, 283, 200},
      {"a single border and a vertical bar", bsSingle, 3, 20, 279, 196},
      {"a single border and both bars", bsSingle, 10, 20, 279, 179},
      {"a single border and a horizontal bar", bsSingle, 10, 5, 296, 179},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    Shape(c.Border, c.Cols, c.Rows);
    EXPECT_EQ(c.Width, Grid->ClientWidth());
    EXPECT_EQ(c.Height, Grid->ClientHeight());
    // The cells get exactly the client area.
    EXPECT_EQ(Grid->ClientWidth(), Grid->ViewWidth());
    EXPECT_EQ(Grid->ClientHeight(), Grid->ViewHeight());
    const int frame = c.Border == bsSingle ? 2 : 0;
    EXPECT_EQ((TRect{frame, frame, frame + c.Width, frame + c.Height}), Grid->ClientRectInWindow());
    const TPoint outer = Form->ClientToScreen(Point(10, 10));
    EXPECT_EQ(Point(outer.X + frame, outer.Y + frame), Grid->ClientOrigin());
  }
}

// Columns widened until they just fill the client width need no bar; one
// pixel more does.
TEST_F(GridFrame, SizesWorkedOutFromTheClientWidthAgreeWithTheCells) {
  Shape(bsSingle, 4, 20);
  Grid->SetGridLineWidth(0);
  const int rest = Grid->ClientWidth() - 3 * 64;
  Grid->SetColWidths(3, rest);
  EXPECT_FALSE(Grid->ScrollBarShown(false));
  EXPECT_EQ(Grid->ClientWidth(), Grid->CellRect(3, 1).Right);
  Grid->SetColWidths(3, rest + 1);
  EXPECT_TRUE(Grid->ScrollBarShown(false));
}

TEST_F(GridFrame, ScrollInfoFollowsTheRowCountAndTheTopRow) {
  Shape(bsSingle, 3, 20);
  TScrollInfo v = Info(SB_VERT);
  EXPECT_EQ(0, v.nMin);
  EXPECT_EQ(127, v.nMax);
  EXPECT_EQ(0, v.nPos);
  const int maxTop = Grid->MaxTopRow();
  Grid->SetTopRow(maxTop);
  EXPECT_EQ(127, Info(SB_VERT).nPos);
  Grid->SetTopRow(5);
  EXPECT_EQ(MulDiv(5 - 1, 127, maxTop - 1), Info(SB_VERT).nPos);
  // More rows: the same top row stands higher on the bar.
  Grid->SetRowCount(200);
  const int pos = Info(SB_VERT).nPos;
  EXPECT_EQ(MulDiv(5 - 1, 127, Grid->MaxTopRow() - 1), pos);
  EXPECT_LT(pos, MulDiv(5 - 1, 127, maxTop - 1));
  // A press on the track below the thumb pages down, and the bar follows.
  const int bar = Grid->ClientWidth() + 8;
  Input.Click(*Grid, Point(bar, Grid->ClientHeight() - 30));
  EXPECT_EQ(5 + Grid->VisibleRowCount(), Grid->TopRow());
  EXPECT_EQ(MulDiv(Grid->TopRow() - 1, 127, Grid->MaxTopRow() - 1), Info(SB_VERT).nPos);
  // All rows fit: the bar goes, and the client area takes its room.
  Grid->SetRowCount(5);
  EXPECT_FALSE(Grid->ScrollBarShown(true));
  EXPECT_EQ(0, Info(SB_VERT).nPos);
  EXPECT_EQ(296, Grid->ClientWidth());
}

TEST_F(GridFrame, ABarKeepsTheRangePageAndArrowsItWasGiven) {
  Shape(bsNone, 3, 100);
  Grid->SetTopRow(50);
  const int plain = Grid->ScrollThumbSize(SB_VERT);
  EXPECT_EQ(17, plain);
  // A proportional thumb: the positions still run 0..127 and keep the top row's place.
  TScrollInfo proportional;
  proportional.fMask = SIF_RANGE | SIF_PAGE;
  proportional.nMax = 200;
  proportional.nPage = 74;
  Grid->SetScrollInfo(SB_VERT, proportional);
  const TScrollInfo v = Info(SB_VERT);
  EXPECT_EQ(200, v.nMax);
  EXPECT_EQ(74u, v.nPage);
  EXPECT_EQ(MulDiv(50 - 1, 127, Grid->MaxTopRow() - 1), v.nPos);
  EXPECT_EQ((200 - 2 * 17) * 74 / 201, Grid->ScrollThumbSize(SB_VERT));
  // The thumb dragged to the end of the track shows the last rows.
  const TRect client = Grid->ClientRect();
  const int thumbTop = 17 + (client.Height() - 2 * 17 - Grid->ScrollThumbSize(SB_VERT)) * v.nPos / 127;
  Input.MouseDown(*Grid, Point(client.Right + 8, thumbTop + 2));
  Input.MouseUp(*Grid, Point(client.Right + 8, client.Bottom - 1));
  EXPECT_EQ(Grid->MaxTopRow(), Grid->TopRow());
  EXPECT_EQ(127, Info(SB_VERT).nPos);
  // A disabled arrow takes no press.
  Grid->EnableScrollBar(SB_VERT, ESB_DISABLE_LTUP);
  Input.Click(*Grid, Point(client.Right + 8, 5));
  EXPECT_EQ(Grid->MaxTopRow(), Grid->TopRow());
  Grid->EnableScrollBar(SB_VERT, ESB_ENABLE_BOTH);
  Input.Click(*Grid, Point(client.Right + 8, 5));
  EXPECT_EQ(Grid->MaxTopRow() - 1, Grid->TopRow());
}

// A bar hidden by the program stays hidden until the grid's need of it changes.
TEST_F(GridFrame, AHiddenBarGivesItsRoomToTheCellsUntilTheNeedChanges) {
  Shape(bsNone, 3, 20);
  Grid->ShowScrollBar(SB_VERT, false);
  EXPECT_FALSE(Grid->ScrollBarShown(true));
  EXPECT_EQ(300, Grid->ClientWidth());
  Grid->SetTopRow(4);
  EXPECT_FALSE(Grid->ScrollBarShown(true));
  Grid->SetRowCount(5);
  Grid->SetRowCount(20);
  EXPECT_TRUE(Grid->ScrollBarShown(true));
  EXPECT_EQ(283, Grid->ClientWidth());
}

TEST_F(GridFrame, InvalidatingACellRowOrColumnRepaintsOnlyIt) {
  Shape(bsSingle, 6, 20);
  Grid->SetOptions(Grid->Options() + TGridOptions{goRangeSelect});
  const int lastCol = Grid->LastVisibleCol(), lastRow = Grid->LastVisibleRow();
  auto row = [&](int r) {
    std::vector<TGridCoord> v;
    for (int c = 0; c <= lastCol; ++c) v.push_back(TGridCoord{c, r});
    return v;
  };
  auto column = [&](int c) {
    std::vector<TGridCoord> v;
    for (int r = 0; r <= lastRow; ++r) v.push_back(TGridCoord{c, r});
    return v;
  };
  struct Case {
    const char* What;
    std::function<void()> Act;
    std::vector<TGridCoord> Painted;
  };
  const Case cases[] = {
      {"InvalidateCell", [&] { Grid->InvalidateCell(2, 3); }, {TGridCoord{2, 3}}},
      {"a text written into a cell", [&] { Grid->SetCells(1, 2, u"new"); }, {TGridCoord{1, 2}}},
      {"InvalidateRow", [&] { Grid->InvalidateRow(4); }, row(4)},
      {"InvalidateCol", [&] { Grid->InvalidateCol(3); }, column(3)},
      {"a cell out of view", [&] { Grid->InvalidateCell(2, 19); }, {}},
      {"the current cell moved", [&] { Grid->FocusCell(2, 3, true); }, {TGridCoord{1, 1}, TGridCoord{2, 3}}},
      {"a range stretched", [&] { Grid->FocusCell(3, 3, false); },
       {TGridCoord{2, 3}, TGridCoord{2, 3}, TGridCoord{3, 3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    Grid->Whole = 0;
    Grid->Parts.clear();
    c.Act();
    EXPECT_EQ(0, Grid->Whole);
    std::vector<TGridCoord> painted;
    for (const TRect& r : Grid->Parts) {
      if (r.IsEmpty()) continue;
      for (TGridCoord cell : CellsPainted(r)) painted.push_back(cell);
    }
    EXPECT_EQ(c.Painted, painted);
  }
}

// Outside the paint cycle a cell is painted through InvalidateRect and
// Update: the toolkit's paint then draws that cell and no other.
TEST_F(GridFrame, UpdateAfterInvalidateCellPaintsJustThatCell) {
  Shape(bsSingle, 6, 20);
  Input.Pump();
  std::vector<TGridCoord> cells;
  Grid->OnDrawCell = [&](TObject*, int ACol, int ARow, const TRect&, TGridDrawState) {
    cells.push_back(TGridCoord{ACol, ARow});
  };
  Grid->InvalidateCell(2, 3);
  Grid->Update();
  EXPECT_EQ(std::vector<TGridCoord>{(TGridCoord{2, 3})}, cells);
}

// A repaint of the whole window reaches the cells inside the frame.
TEST_F(GridFrame, InvalidatingTheWholeGridRepaintsItsCells) {
  Shape(bsSingle, 6, 20);
  Input.Pump();
  std::vector<TGridCoord> cells;
  Grid->OnDrawCell = [&](TObject*, int ACol, int ARow, const TRect&, TGridDrawState) {
    cells.push_back(TGridCoord{ACol, ARow});
  };
  Grid->Invalidate();
  Input.Pump();
  EXPECT_NE(std::find(cells.begin(), cells.end(), TGridCoord{3, 4}), cells.end());
}

// Through the window system: a press on a cell inside the frame selects that
// cell, one on the bar's arrow scrolls, and the open editor lies on its cell.
TEST_F(GridFrame, ThePointerFindsCellsAndBarsInsideTheFrame) {
  Shape(bsSingle, 10, 30);
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  Grid->SetFocus();
  testsupport::SystemInputDriver input;
  const TRect cell = Grid->CellRect(3, 2);
  input.Click(*Grid, Point(cell.Right - 1, cell.Bottom - 1));  // two pixels off would be the next cell
  EXPECT_EQ(3, Grid->Col());
  EXPECT_EQ(2, Grid->Row());
  input.Click(*Grid, Point(Grid->ClientWidth() + 8, Grid->ClientHeight() - 8));  // the down arrow
  EXPECT_EQ(2, Grid->TopRow());
  input.Click(*Grid, Point(Grid->ClientWidth() + 8, 8));  // the up arrow
  EXPECT_EQ(1, Grid->TopRow());
  input.Key(VK_F2);
  ASSERT_TRUE(Grid->EditorMode());
  // Where the toolkit shows the editor, and where it shows the cell.
  EXPECT_EQ(platform::SystemClientToScreen(*Grid, Point(cell.Left, cell.Top)),
            platform::SystemClientToScreen(*Grid->InplaceEditor(), Point(0, 0)));
  EXPECT_EQ(Grid->ClientToScreen(Point(cell.Left, cell.Top)),
            platform::SystemClientToScreen(*Grid, Point(cell.Left, cell.Top)));
}

// A press on the partly shown last row scrolls it into view; the release at
// the same place, over the row below by then, leaves that one cell selected.
// A drag still stretches the range.
TEST_F(GridFrame, APressOnThePartlyShownLastRowSelectsThatCellAlone) {
  Shape(bsSingle, 10, 30);
  Grid->SetOptions(Grid->Options() + TGridOptions{goRangeSelect});
  testsupport::SystemInputDriver input;
  const int last = Grid->TopRow() + Grid->VisibleRowCount();
  const TRect cell = Grid->CellRect(2, last);
  ASSERT_GT(cell.Top + Grid->RowHeights(last), Grid->ClientHeight()) << "the row is partly shown";
  input.Click(*Grid, Point(cell.Left + 5, cell.Top + 2));
  EXPECT_EQ(last, Grid->Row());
  EXPECT_EQ((TGridRect{2, last, 2, last}), Grid->Selection());
  EXPECT_GT(Grid->TopRow(), 1) << "scrolled into view";
  const TRect from = Grid->CellRect(2, Grid->TopRow() + 1), to = Grid->CellRect(3, Grid->TopRow() + 3);
  input.Drag(*Grid, Point(from.Left + 5, from.Top + 5), Point(to.Left + 5, to.Top + 5));
  EXPECT_EQ((TGridRect{2, Grid->TopRow() + 1, 3, Grid->TopRow() + 3}), Grid->Selection());
}

// What a person sees: the sunken edge, both bars with their arrows and
// thumbs, the corner box between them, and the cells inside.
TEST_F(GridFrame, ASingleBorderAndBothBarsRenderAroundTheCells) {
  testsupport::TempDir dir;
  Shape(bsSingle, 10, 30);
  Grid->SetTopRow(10);
  for (int c = 1; c < 10; ++c) Grid->SetCells(c, 0, u"Col " + IntToStr(c));
  const auto file = dir / "grid.png";
  ASSERT_TRUE(platform::RenderToPng(*Grid, Utf8ToString(file.string())));
  TPngImage png;
  png.LoadFromFile(Utf8ToString(file.string()));
  const TPixelBuffer& px = png.Bitmap().Pixels();
  ASSERT_EQ(300, px.Width);
  ASSERT_EQ(200, px.Height);
  EXPECT_EQ(ColorToRGB(clBtnShadow), px.Pixel(100, 0)) << "the frame's outer edge";
  EXPECT_EQ(ColorToRGB(cl3DDkShadow), px.Pixel(100, 1)) << "the frame's inner edge";
  EXPECT_EQ(ColorToRGB(clBtnHighlight), px.Pixel(100, 199));
  const TRect client = Grid->ClientRectInWindow();
  EXPECT_EQ(ColorToRGB(clScrollBar), px.Pixel(client.Right + 8, client.Bottom - 25)) << "the vertical track";
  EXPECT_EQ(ColorToRGB(clScrollBar), px.Pixel(client.Right - 25, client.Bottom + 8)) << "the horizontal track";
  EXPECT_EQ(ColorToRGB(clBtnFace), px.Pixel(client.Right + 8, client.Bottom + 8)) << "the corner box";
  EXPECT_EQ(ColorToRGB(clBtnText), px.Pixel(client.Right + 8, client.Top + 8)) << "the up arrow";
  // The cells sit inside the frame: a data cell's inside at its client place.
  const TRect cell = Grid->CellRect(3, 12);
  EXPECT_EQ(ColorToRGB(clWindow), px.Pixel(client.Left + cell.Left + 50, client.Top + cell.Top + 20));
  const TRect head = Grid->CellRect(3, 0);
  EXPECT_EQ(ColorToRGB(clBtnFace), px.Pixel(client.Left + head.Left + 60, client.Top + head.Top + 20));
}

}  // namespace
