#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/base/BackGround.h"
#include "grid/model/AdvStringGrid.h"
#include "tests/grid/paint/PaintSupport.h"

namespace {

using namespace paint_test;

// A grid 510 pixels wide and high, so that 0 ... 255 runs half a step a pixel.
void Gradient(TAdvStringGrid& g, TBackGroundDisplay Display) {
  g.SetBounds(0, 0, 510, 510);
  g.SetLook(glStandard);
  g.BackGround()->SetDisplay(Display);
  g.BackGround()->SetColor(0x000000);
  g.BackGround()->SetColorTo(0x0000FF);
}

std::vector<TCanvasRecord> Bands(const std::vector<TCanvasRecord>& All) { return Only(All, u"Rectangle"); }

TEST(CellBackgroundGradient, InterpolatedOverTheGridsWidthOrHeight) {
  {
    SCOPED_TRACE("horizontal: the cell's left and right edges at 10 and 110 of 510");
    TAdvStringGrid g(nullptr);
    Gradient(g, bdGradientHorz);
    const auto bands = Bands(PaintCell(g, 2, 2));
    ASSERT_EQ(bands.size(), 128u);
    EXPECT_EQ(bands.front().BrushColor, TColor(5));
    EXPECT_EQ(bands.back().BrushColor, TColor(55));
    EXPECT_EQ(bands.front().Rect, (TRect{9, 19, 11, 40})) << "one left of the cell, a line above it";
    EXPECT_EQ(bands.back().Rect.Right, 110);
  }
  {
    SCOPED_TRACE("vertical: the cell's top and bottom at 20 and 40");
    TAdvStringGrid g(nullptr);
    Gradient(g, bdGradientVert);
    const auto bands = Bands(PaintCell(g, 2, 2));
    ASSERT_EQ(bands.size(), 128u);
    EXPECT_EQ(bands.front().BrushColor, TColor(10));
    EXPECT_EQ(bands.back().BrushColor, TColor(20));
    EXPECT_EQ(bands.front().Rect, (TRect{9, 19, 110, 20}));
    EXPECT_EQ(bands.back().Rect.Bottom, 40);
  }
}

TEST(CellBackgroundGradient, WhichCellsShowIt) {
  const struct {
    std::string Name;
    std::function<void(TAdvStringGrid&)> Setup;
    int Col, Row;
    TGridDrawState State;
    bool Shown;
  } cases[] = {
      {"a plain data cell", [](TAdvStringGrid&) {}, 2, 2, {}, true},
      {"left out for a selected unfocused cell", [](TAdvStringGrid&) {}, 2, 2, {gdSelected}, false},
      {"shown for the focused cell", [](TAdvStringGrid&) {}, 2, 2, {gdSelected, gdFocused}, true},
      {"not for the focused cell with goDrawFocusSelected",
       [](TAdvStringGrid& g) { g.SetOptions(g.Options() + TGridOptions{goDrawFocusSelected}); }, 2, 2,
       {gdSelected, gdFocused}, false},
      {"selected cells too without ShowSelection", [](TAdvStringGrid& g) { g.SetShowSelection(false); }, 2,
       2, {gdSelected}, true},
      {"not in a cell with a colour of its own", [](TAdvStringGrid& g) { g.SetColors(2, 2, 0x00FF00); }, 2, 2,
       {}, false},
      {"but under a check box even then",
       [](TAdvStringGrid& g) {
         g.SetColors(2, 2, 0x00FF00);
         g.AddCheckBox(2, 2, true, false);
       },
       2, 2, {}, true},
      {"bcNormal leaves fixed cells alone", [](TAdvStringGrid&) {}, 2, 0, {}, false},
      {"bcFixed takes them", [](TAdvStringGrid& g) { g.BackGround()->SetCells(bcFixed); }, 2, 0, {}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TAdvStringGrid g(nullptr);
    Gradient(g, bdGradientHorz);
    c.Setup(g);
    EXPECT_EQ(Bands(PaintCell(g, c.Col, c.Row, c.State)).size(), c.Shown ? 128u : 0u);
  }
}

}  // namespace
