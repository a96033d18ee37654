#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/base/BackGround.h"
#include "grid/base/CellNode.h"
#include "grid/base/CellProperties.h"
#include "grid/base/ControlLook.h"
#include "grid/base/ShowModified.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/SortSettings.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Messages.h"
#include "platform/gui/StdCtrls.h"
#include "tests/grid/paint/PaintSupport.h"
#include "tests/support/ShownOnForm.h"

namespace {

using namespace paint_test;

constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;

// ---- background picture and selection rectangle

struct BackgroundCase {
  std::string Name;
  std::function<void(TAdvStringGrid&)> Setup;
  int Col, Row;
  TGridDrawState State;
  std::function<void(TAdvStringGrid&, const std::vector<TCanvasRecord>&)> Check;
};

void Picture(TAdvStringGrid& g, TBackGroundDisplay Display, TBackGroundCells Cells) {
  g.BackGround()->SetBitmap(*Glyph(10, 10));
  g.BackGround()->SetDisplay(Display);
  g.BackGround()->SetCells(Cells);
}

// Tiles start where the first counted cell starts; the first one drawn is
// the last start at or before the cell's top-left corner.
std::function<void(TAdvStringGrid&, const std::vector<TCanvasRecord>&)> TiledFrom(int FirstCol,
                                                                                  int FirstRow) {
  return [=](TAdvStringGrid& g, const std::vector<TCanvasRecord>& all) {
    int x = kCell.Left, y = kCell.Top;
    for (int c = FirstCol; c < 2; ++c) x -= g.ColWidths(c) + 1;
    for (int r = FirstRow; r < 2; ++r) y -= g.RowHeights(r) + 1;
    const auto draws = Only(all, u"Draw");
    ASSERT_FALSE(draws.empty());
    const TRect first = draws[0].Rect;
    EXPECT_EQ(((first.Left - x) % 10 + 10) % 10, 0);
    EXPECT_EQ(((first.Top - y) % 10 + 10) % 10, 0);
    EXPECT_TRUE(first.Left <= kCell.Left && first.Left > kCell.Left - 10);
    EXPECT_TRUE(first.Top <= kCell.Top && first.Top > kCell.Top - 10);
    const size_t across = (kCell.Right - first.Left + 9) / 10, down = (kCell.Bottom - first.Top + 9) / 10;
    EXPECT_EQ(draws.size(), across * down) << "tiles up to the cell's right and bottom edges";
    EXPECT_TRUE(draws[0].Clipped);
    EXPECT_EQ(draws[0].Clip, kCell);
  };
}

void NoPicture(TAdvStringGrid&, const std::vector<TCanvasRecord>& all) {
  EXPECT_TRUE(Only(all, u"Draw").empty());
}

std::vector<BackgroundCase> BackgroundCases() {
  return {
      {"tiled from the first data cell", [](TAdvStringGrid& g) { Picture(g, bdTile, bcNormal); },
       2, 2, {}, TiledFrom(1, 1)},
      {"tiled from cell (0, 0) with bcAll", [](TAdvStringGrid& g) { Picture(g, bdTile, bcAll); },
       2, 2, {}, TiledFrom(0, 0)},
      {"placed once", [](TAdvStringGrid& g) {
         Picture(g, bdFixed, bcNormal);
         g.BackGround()->SetLeft(5);
         g.BackGround()->SetTop(17);
       },
       2, 2, {},
       [](TAdvStringGrid&, const std::vector<TCanvasRecord>& all) {
         const auto draws = Only(all, u"Draw");
         ASSERT_EQ(draws.size(), 1u);
         EXPECT_EQ(draws[0].Rect, (TRect{5, 17, 15, 27}));
         EXPECT_EQ(draws[0].Clip, kCell);
       }},
      {"a cell with its own colour is left alone",
       [](TAdvStringGrid& g) {
         Picture(g, bdTile, bcNormal);
         g.SetColors(2, 2, kRed);
       },
       2, 2, {}, NoPicture},
      {"bcNormal leaves fixed cells alone", [](TAdvStringGrid& g) { Picture(g, bdTile, bcNormal); },
       2, 0, {}, NoPicture},
      {"selected cells are skipped with ShowSelection",
       [](TAdvStringGrid& g) { Picture(g, bdTile, bcNormal); }, 2, 2, {gdSelected}, NoPicture},
      {"the selection rectangle on the outline, with the resize handle",
       [](TAdvStringGrid& g) {
         g.SetSelectionRectangle(true);
         g.SetSelectionResizer(true);
         g.SetSelectionRectangleColor(kGreen);
         g.SelectCells(1, 1, 2, 2);
       },
       2, 2, {},
       [](TAdvStringGrid&, const std::vector<TCanvasRecord>& all) {
         std::vector<TRect> green;
         for (const TCanvasRecord& r : Only(all, u"FillRect")) {
           if (r.BrushColor == kGreen) green.push_back(r.Rect);
         }
         EXPECT_EQ(green, (std::vector<TRect>{{108, 20, 110, 40}, {10, 38, 110, 40},
                                               {106, 36, 110, 40}}));
       }},
      {"the selection rectangle's top-left cell",
       [](TAdvStringGrid& g) {
         g.SetSelectionRectangle(true);
         g.SetSelectionRectangleColor(kGreen);
         g.SelectCells(1, 1, 2, 2);
       },
       1, 1, {},
       [](TAdvStringGrid&, const std::vector<TCanvasRecord>& all) {
         std::vector<TRect> green;
         for (const TCanvasRecord& r : Only(all, u"FillRect")) {
           if (r.BrushColor == kGreen) green.push_back(r.Rect);
         }
         EXPECT_EQ(green, (std::vector<TRect>{{10, 20, 12, 40}, {10, 20, 110, 22}}));
       }},
  };
}

TEST(CellPainter, Backgrounds) {
  for (const BackgroundCase& c : BackgroundCases()) {
    SCOPED_TRACE(c.Name);
    TAdvStringGrid g(nullptr);
    g.SetLook(glStandard);
    c.Setup(g);
    c.Check(g, PaintCell(g, c.Col, c.Row, c.State));
  }
}

// ---- fixed faces

// Filled rectangles and gradient bands.
bool HasFill(const std::vector<TCanvasRecord>& all, TColor Color) {
  for (const TCanvasRecord& r : all) {
    if ((r.Op == u"FillRect" || r.Op == u"Rectangle") && r.BrushColor == Color) return true;
  }
  return false;
}

bool HasFrame(const std::vector<TCanvasRecord>& all, TColor Color) {
  for (const TCanvasRecord& r : Only(all, u"FrameRect")) {
    if (r.BrushColor == Color) return true;
  }
  return false;
}

constexpr TColor kHoverFrom = 0x102030, kHoverBorder = 0x405060;
constexpr TColor kDownFrom = 0x708090, kDownBorder = 0xA0B0C0;

void Hovered(TAdvStringGrid& g) {
  g.SetFixedGradientColor(fgHoverFrom, kHoverFrom);
  g.SetFixedGradientColor(fgHoverTo, kHoverFrom);
  g.SetFixedGradientColor(fgHoverBorder, kHoverBorder);
  g.SetFixedGradientColor(fgDownFrom, kDownFrom);
  g.SetFixedGradientColor(fgDownTo, kDownFrom);
  g.SetFixedGradientColor(fgDownBorder, kDownBorder);
  g.SetHoverFixedCells(hfAll);
  g.PaintState().HoverFixedCell = TPoint{2, 0};
}

TEST(CellPainter, FixedFaces) {
  {
    SCOPED_TRACE("glXP: the edge lines over the gradient the cell's background already has");
    TAdvStringGrid g(nullptr);
    const auto all = PaintCell(g, 2, 0);
    EXPECT_TRUE(HasLine(all, {10, 40}, {110, 40}));
    EXPECT_TRUE(HasLine(all, {10, 20}, {110, 20}));
  }
  {
    SCOPED_TRACE("glStandard keeps the platform's flat face");
    TAdvStringGrid g(nullptr);
    g.SetLook(glStandard);
    const auto all = PaintCell(g, 2, 0);
    EXPECT_TRUE(Only(all, u"FillRect").empty());
    EXPECT_TRUE(Only(all, u"Rectangle").empty());
    EXPECT_FALSE(HasLine(all, {10, 40}, {110, 40}));
  }
  {
    SCOPED_TRACE("hover face with its border");
    TAdvStringGrid g(nullptr);
    Hovered(g);
    const auto all = PaintCell(g, 2, 0);
    EXPECT_TRUE(HasFill(all, kHoverFrom));
    EXPECT_TRUE(HasFrame(all, kHoverBorder));
    EXPECT_FALSE(HasFill(PaintCell(g, 3, 0), kHoverFrom)) << "only the hovered cell";
  }
  {
    SCOPED_TRACE("while a column is moved its header shows the hover face");
    TAdvStringGrid g(nullptr);
    Hovered(g);
    g.PaintState().HoverFixedCell = TPoint{-1, -1};
    g.SetOptions(g.Options() + TGridOptions{goColMoving});
    const TRect header = g.CellRect(3, 0);
    g.GridMouseDown(header.Left + 5, header.Top + 5, false);
    ASSERT_EQ(g.GridState(), gsColMoving);
    EXPECT_TRUE(HasFill(PaintCell(g, 3, 0), kHoverFrom));
    EXPECT_FALSE(HasFill(PaintCell(g, 2, 0), kHoverFrom)) << "only the moved column";
    g.CancelGridState();
    EXPECT_FALSE(HasFill(PaintCell(g, 3, 0), kHoverFrom)) << "the move is over";
  }
  {
    SCOPED_TRACE("no hover face when HoverFixedCells leaves the cell out");
    TAdvStringGrid g(nullptr);
    Hovered(g);
    g.SetHoverFixedCells(hfFixedColumns);
    EXPECT_FALSE(HasFill(PaintCell(g, 2, 0), kHoverFrom));
  }
  {
    SCOPED_TRACE("pressed: the down face");
    TAdvStringGrid g(nullptr);
    Hovered(g);
    g.PaintState().HoverFixedPressed = true;
    const auto all = PaintCell(g, 2, 0);
    EXPECT_TRUE(HasFrame(all, kDownBorder));
    EXPECT_FALSE(HasFill(all, kHoverFrom));
  }
  {
    SCOPED_TRACE("pressed with the fixed drop-down button: strip, separator and triangle");
    TAdvStringGrid g(nullptr);
    Hovered(g);
    g.PaintState().HoverFixedPressed = true;
    g.ControlLook()->SetFixedDropDownButton(true);
    g.SetWordWrap(false);
    g.SetCells(2, 0, u"Name");
    const auto all = PaintCell(g, 2, 0);
    EXPECT_TRUE(HasFill(all, kHoverFrom)) << "the strip";
    EXPECT_TRUE(HasFill(all, kDownFrom)) << "the rest";
    bool separator = false;
    for (const TCanvasRecord& r : Only(all, u"LineTo")) {
      separator |= r.Points[0] == TPoint{94, 20} && r.PenColor == kDownBorder;
    }
    EXPECT_TRUE(separator);
    EXPECT_EQ(DrawnText(all).Rect.Right, 110 - 16 - 2);
  }
}

TEST(CellPainter, HeaderFacesOfTheSortColumnAndTheActiveCell) {
  TAdvStringGrid g(nullptr);
  g.SortSettings()->SetColumn(2);
  g.SortSettings()->SetHeaderColor(kRed);
  EXPECT_TRUE(HasFill(PaintCell(g, 2, 0), kRed));
  EXPECT_FALSE(HasFill(PaintCell(g, 3, 0), kRed));
  g.SetActiveCellShow(true);
  g.SetActiveCellColor(kGreen);
  g.SetCol(3);
  g.SetRow(4);
  EXPECT_TRUE(HasFill(PaintCell(g, 3, 0), kGreen)) << "the current column's header";
  EXPECT_TRUE(HasFill(PaintCell(g, 0, 4), kGreen)) << "the current row's header";
  EXPECT_FALSE(HasFill(PaintCell(g, 0, 3), kGreen));
}

TEST(CellPainter, RowIndicatorInTheCurrentRow) {
  TAdvStringGrid g(nullptr);
  g.SetLook(glStandard);
  g.SetRowIndicator(*Glyph(8, 8));
  g.SetWordWrap(false);
  g.SetCells(0, 1, u"1");
  g.SetCells(0, 2, u"2");
  const auto current = PaintCell(g, 0, 1);
  const auto draws = Only(current, u"Draw");
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].Rect, (TRect{12, 20, 20, 28}));
  EXPECT_EQ(DrawnText(current).Rect.Left, 10 + 10 + 1 + 2) << "the text moves past it";
  EXPECT_TRUE(Only(PaintCell(g, 0, 2), u"Draw").empty());
}

// ---- bars, buttons, borders

TEST(CellPainter, ModifiedRowBar) {
  TAdvStringGrid g(nullptr);
  g.ShowModified()->SetEnabled(true);
  g.ShowModified()->SetColor(kRed);
  g.SetRowModified(2, true);
  std::vector<TRect> red;
  for (const TCanvasRecord& r : Only(PaintCell(g, 0, 2), u"FillRect")) {
    if (r.BrushColor == kRed) red.push_back(r.Rect);
  }
  EXPECT_EQ(red, (std::vector<TRect>{{106, 20, 110, 40}}));
  EXPECT_FALSE(HasFill(PaintCell(g, 0, 3), kRed));
  EXPECT_FALSE(HasFill(PaintCell(g, 1, 2), kRed));
}

TEST(CellPainter, AlwaysVisibleEditorButtonsTakeRoomFromTheText) {
  struct Case {
    std::string Name;
    std::function<void(TAdvStringGrid&)> Setup;
    int TextRight;
  };
  const std::vector<Case> cases = {
      {"none", [](TAdvStringGrid&) {}, 108},
      {"combo",
       [](TAdvStringGrid& g) {
         g.ControlLook()->SetDropDownAlwaysVisible(true);
         g.OnHasComboBox = [](TObject*, int, int, bool& v) { v = true; };
       },
       108 - 16},
      {"spin",
       [](TAdvStringGrid& g) {
         g.ControlLook()->SetSpinButtonsAlwaysVisible(true);
         g.OnHasSpinEdit = [](TObject*, int, int, bool& v) { v = true; };
       },
       108 - 16},
      {"combo without DropDownAlwaysVisible",
       [](TAdvStringGrid& g) { g.OnHasComboBox = [](TObject*, int, int, bool& v) { v = true; }; },
       108},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TAdvStringGrid g(nullptr);
    g.SetCells(2, 2, u"text");
    c.Setup(g);
    EXPECT_EQ(DrawnText(PaintCell(g, 2, 2)).Rect.Right, c.TextRight);
  }
}

TEST(CellPainter, CustomBordersForEachGridLineWidth) {
  // kCell grown by one: (9, 19)-(111, 41); pen width 1 gives offsets of 1.
  struct Case {
    int LineWidth;
    int TopY;
    int BottomFromX;
  };
  for (const Case& c : {Case{0, 20, 8}, Case{1, 19, 7}, Case{3, 17, 5}}) {
    SCOPED_TRACE(c.LineWidth);
    TAdvStringGrid g(nullptr);
    g.SetGridLineWidth(c.LineWidth);
    g.OnGetCellBorder = [](TObject*, int, int, TPen* pen, TCellBorders& b) {
      pen->SetColor(kRed);
      b = TCellBorders{cbLeft, cbTop, cbRight, cbBottom};
    };
    g.OnGetCellBorderProp = [](TObject*, int, int, TPen*, TPen*, TPen* right, TPen*) {
      right->SetColor(kGreen);
    };
    const auto all = PaintCell(g, 2, 2);
    EXPECT_TRUE(HasLine(all, {10, 19}, {10, 40}));
    EXPECT_TRUE(HasLine(all, {109, 19}, {109, 40}));
    EXPECT_TRUE(HasLine(all, {9, c.TopY}, {111, c.TopY}));
    EXPECT_TRUE(HasLine(all, {c.BottomFromX, 39}, {111, 39}));
    for (const TCanvasRecord& r : Only(all, u"LineTo")) {
      if (r.Points[0].X == 109) {
        EXPECT_EQ(r.PenColor, kGreen);
      }
      if (r.Points[0].X == 10) {
        EXPECT_EQ(r.PenColor, kRed);
      }
    }
  }
}

// ---- tree lines: NodeIndent 12, so x = cell left + level x 12 - 4

TEST(CellPainter, TreeLinesForNodeLevels) {
  TAdvStringGrid g(nullptr);
  g.SetFixedCols(0);
  g.SetRowCount(6);
  g.AddNode(1, 4);
  g.CellProperties(0, 2)->SetNodeLevel(1);
  g.CellProperties(0, 3)->SetNodeLevel(2);
  g.CellProperties(0, 4)->SetNodeLevel(1);
  const TColor tree = g.CellNode()->TreeColor();
  auto lines = [&](int Row) {
    std::vector<std::pair<TPoint, TPoint>> out;
    for (const TCanvasRecord& r : Only(PaintCell(g, 0, Row), u"LineTo")) {
      if (r.PenColor == tree) out.push_back({r.Points[0], r.Points[1]});
    }
    return out;
  };
  using L = std::vector<std::pair<TPoint, TPoint>>;
  // A node at level 1: its branch and the level line; the node glyph's stub
  // runs down from the middle to its first child.
  EXPECT_EQ(lines(1), (L{{{18, 30}, {110, 30}}, {{6, 20}, {6, 30}}, {{6, 30}, {6, 44}}, {{18, 30}, {18, 40}}}));
  // Level 0 after the block: no branch; its own line ends at the middle, left of the cell.
  EXPECT_EQ(lines(5), (L{{{6, 20}, {6, 30}}}));
  // Level 1, followed by level 2: branch, its own line down, one level line down.
  EXPECT_EQ(lines(2), (L{{{18, 30}, {110, 30}}, {{18, 20}, {18, 44}}, {{6, 20}, {6, 30}},
                         {{6, 30}, {6, 44}}}));
  // Level 2, followed by level 1: branch, its line ends here, two level lines down.
  EXPECT_EQ(lines(3), (L{{{30, 30}, {110, 30}}, {{30, 20}, {30, 30}}, {{18, 20}, {18, 30}},
                         {{18, 30}, {18, 44}}, {{6, 20}, {6, 30}}, {{6, 30}, {6, 44}}}));
  // Level 1, followed by level 0: every line ends at the middle.
  EXPECT_EQ(lines(4), (L{{{18, 30}, {110, 30}}, {{18, 20}, {18, 30}}, {{6, 20}, {6, 30}}}));
}

// ---- the drawing events and the focus rectangle, on a shown and focused grid

struct ShownGrid : testsupport::TShownOnForm<TAdvStringGrid> {
  ShownGrid() : TShownOnForm(new TAdvStringGrid(nullptr)) {
    Grid->SetFocus();
    Grid->SetCol(2);
    Grid->SetRow(2);
  }
};

TEST(CellPainter, FocusRectangleOnlyOnTheFocusedCurrentCell) {
  struct Case {
    std::string Name;
    std::function<void(ShownGrid&)> Setup;
    int Col;
    bool Focus;
  };
  const std::vector<Case> cases = {
      {"the focused current cell", [](ShownGrid&) {}, 2, true},
      {"another cell", [](ShownGrid&) {}, 3, false},
      {"the grid without the focus", [](ShownGrid& s) { s.Other->SetFocus(); }, 2, false},
      {"goRowSelect",
       [](ShownGrid& s) { s.Grid->SetOptions(s.Grid->Options() + TGridOptions{goRowSelect}); }, 2,
       false},
      {"HideFocusRect", [](ShownGrid& s) { s.Grid->SetHideFocusRect(true); }, 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    ShownGrid s;
    c.Setup(s);
    const auto focus = Only(PaintCell(*s.Grid, c.Col, 2), u"DrawFocusRect");
    if (c.Focus) {
      ASSERT_EQ(focus.size(), 1u);
      EXPECT_EQ(focus[0].Rect, (TRect{10, 20, 109, 39}));
    } else {
      EXPECT_TRUE(focus.empty());
    }
  }
}

TEST(CellPainter, AWholePaintPassGivesFixedCellsTheLooksGradient) {
  for (const TGridLook look : {glXP, glStandard}) {
    SCOPED_TRACE(look);
    ShownGrid s;
    s.Grid->SetLook(look);
    TRecordingCanvas canvas(450, 200);
    s.Grid->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)), 0);
    bool white = false, face = false;
    for (const TCanvasRecord& r : canvas.Records()) {
      if (r.Op != u"Rectangle" && r.Op != u"FillRect") continue;
      // glStandard's plain defaults start its gradient at the face colour.
      white |= r.BrushColor == clWhite && r.Rect.Top == 0;
      face |= r.BrushColor == ColorToRGB(s.Grid->FixedColor()) && r.Rect.Top == 0;
    }
    EXPECT_EQ(white, look == glXP);
    EXPECT_EQ(face, look == glStandard);
  }
}

TEST(CellPainter, NoDefaultDrawLeavesOutTheTextButKeepsBordersAndFocus) {
  ShownGrid s;
  TAdvStringGrid& g = *s.Grid;
  g.SetCells(2, 2, u"text");
  std::vector<TRect> drawn;
  g.OnDrawCell = [&](TObject*, int, int, const TRect& r, TGridDrawState) { drawn.push_back(r); };
  g.OnGetCellBorder = [](TObject*, int, int, TPen*, TCellBorders& b) { b = TCellBorders{cbTop}; };
  EXPECT_EQ(Only(PaintCell(g, 2, 2), u"DrawText").size(), 1u) << "the text without NoDefaultDraw";
  g.SetNoDefaultDraw(true);
  const auto all = PaintCell(g, 2, 2);
  EXPECT_TRUE(Only(all, u"DrawText").empty());
  EXPECT_TRUE(HasLine(all, {9, 19}, {111, 19}));
  EXPECT_EQ(Only(all, u"DrawFocusRect").size(), 1u);
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[1], (TRect{11, 21, 109, 39}));
}

}  // namespace
