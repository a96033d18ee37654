#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/base/SortIndexList.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/Filter.h"
#include "grid/model/FilterDropDown.h"
#include "grid/model/SortSettings.h"
#include "tests/grid/paint/PaintSupport.h"

namespace {

using namespace paint_test;

// The header text "Name" is 28 pixels wide; the cell is kCell.
struct SortCase {
  std::string Name;
  std::function<void(TAdvStringGrid&)> Setup;
  int Col;
  std::function<void(const std::vector<TCanvasRecord>&)> Check;
};

void SortOn(TAdvStringGrid& g, TSortDirection Direction) {
  g.SortSettings()->SetShow(true);
  g.SortSettings()->SetColumn(2);
  g.SortSettings()->SetDirection(Direction);
}

void Aligned(TAdvStringGrid& g, TAlignment HA) {
  g.OnGetAlignment = [HA](TObject*, int, int, TAlignment& h, TVAlignment&) { h = HA; };
}

// The outlined triangles: ascending points up, descending down, around (X, Y).
std::function<void(const std::vector<TCanvasRecord>&)> Triangle(bool Up, int X, int Y) {
  return [=](const std::vector<TCanvasRecord>& all) {
    if (Up) {
      EXPECT_TRUE(HasLine(all, {X - 4, Y + 4}, {X + 4, Y + 4}));
      EXPECT_TRUE(HasLine(all, {X + 4, Y + 4}, {X, Y - 4}));
      EXPECT_TRUE(HasLine(all, {X, Y - 4}, {X - 4, Y + 4}));
    } else {
      EXPECT_TRUE(HasLine(all, {X + 4, Y - 4}, {X, Y + 4}));
      EXPECT_TRUE(HasLine(all, {X, Y + 4}, {X - 4, Y - 4}));
      EXPECT_TRUE(HasLine(all, {X - 4, Y - 4}, {X + 4, Y - 4}));
    }
  };
}

std::vector<SortCase> SortCases() {
  return {
      {"left text, ascending", [](TAdvStringGrid& g) { SortOn(g, sdAscending); }, 2,
       Triangle(true, 10 + 28 + 10, 28)},
      {"left text, descending", [](TAdvStringGrid& g) { SortOn(g, sdDescending); }, 2,
       Triangle(false, 48, 28)},
      {"right text",
       [](TAdvStringGrid& g) {
         SortOn(g, sdAscending);
         Aligned(g, taRightJustify);
       },
       2, Triangle(true, 110 - 28 - 10, 28)},
      {"centred text, the text moving right",
       [](TAdvStringGrid& g) {
         SortOn(g, sdDescending);
         Aligned(g, taCenter);
       },
       2,
       [](const std::vector<TCanvasRecord>& all) {
         Triangle(false, 18, 28)(all);
         EXPECT_EQ(DrawnText(all).Rect.Left, 10 + 1 + 2 + 10);
       }},
      {"bottom-aligned text",
       [](TAdvStringGrid& g) {
         SortOn(g, sdAscending);
         g.OnGetAlignment = [](TObject*, int, int, TAlignment&, TVAlignment& v) { v = vtaBottom; };
       },
       2, Triangle(true, 48, 32)},
      {"the up and down glyphs",
       [](TAdvStringGrid& g) {
         SortOn(g, sdDescending);
         g.SortSettings()->SetUpGlyph(*Glyph(8, 8));
         g.SortSettings()->SetDownGlyph(*Glyph(8, 9));
       },
       2,
       [](const std::vector<TCanvasRecord>& all) {
         const auto draws = Only(all, u"Draw");
         ASSERT_EQ(draws.size(), 1u);
         EXPECT_EQ(draws[0].Rect, (TRect{44, 24, 52, 33})) << "the down glyph at (X - 4, Y - 4)";
         EXPECT_FALSE(HasLine(all, {52, 24}, {48, 32}));
       }},
      {"index numbers: a descending second index",
       [](TAdvStringGrid& g) {
         g.SortSettings()->SetShow(true);
         g.SortSettings()->SetIndexShow(true);
         g.SortIndexes()->AddIndex(1, true);
         g.SortIndexes()->AddIndex(2, false);
       },
       2,
       [](const std::vector<TCanvasRecord>& all) {
         const auto polys = Only(all, u"Polygon");
         ASSERT_EQ(polys.size(), 1u);
         EXPECT_EQ(polys[0].Points, (std::vector<TPoint>{{41, 23}, {55, 23}, {48, 36}}));
         bool number = false;
         for (const TCanvasRecord& r : Only(all, u"TextOut")) {
           number |= r.Text == u"2" && r.Points[0] == TPoint{46, 24};
         }
         EXPECT_TRUE(number);
       }},
      {"no glyph for a later index without IndexShow",
       [](TAdvStringGrid& g) {
         g.SortSettings()->SetShow(true);
         g.SortIndexes()->AddIndex(1, true);
         g.SortIndexes()->AddIndex(2, false);
       },
       2,
       [](const std::vector<TCanvasRecord>& all) {
         EXPECT_TRUE(Only(all, u"Polygon").empty());
         EXPECT_FALSE(HasLine(all, {52, 24}, {48, 32}));
       }},
      {"no glyph in another column", [](TAdvStringGrid& g) { SortOn(g, sdAscending); }, 3,
       [](const std::vector<TCanvasRecord>& all) { EXPECT_FALSE(HasLine(all, {44, 32}, {52, 32})); }},
  };
}

TEST(HeaderGlyphs, SortGlyph) {
  for (const SortCase& c : SortCases()) {
    SCOPED_TRACE(c.Name);
    TAdvStringGrid g(nullptr);
    g.SetLook(glStandard);
    for (int col = 1; col < 4; ++col) g.SetCells(col, 0, u"Name");
    c.Setup(g);
    c.Check(PaintCell(g, c.Col, 0));
  }
}

// Under a right-to-left layout the grid's surface shows the glyph at the
// mirrored point less 4, ending left of it: moved left by its own width and 7.
// Each case answers the glyph's point (X, Y) as one paint recorded it.
TEST(HeaderGlyphs, SortGlyphUnderARightToLeftLayout) {
  struct Case {
    std::string Name;
    std::function<void(TAdvStringGrid&)> Setup;
    int GlyphWidth;
    std::function<TPoint(const std::vector<TCanvasRecord>&)> Point;
  };
  const auto firstOf = [](const std::vector<TCanvasRecord>& all, const char16_t* op) {
    const auto ops = Only(all, op);
    return ops.empty() ? TCanvasRecord{} : ops[0];
  };
  const std::vector<Case> cases = {
      {"the drawn triangle", [](TAdvStringGrid& g) { SortOn(g, sdAscending); }, 0,
       [](const std::vector<TCanvasRecord>& all) {
         // The white base line starts at (X - 4, Y + 4).
         for (const TCanvasRecord& r : Only(all, u"LineTo"))
           if (r.PenColor == clWhite && r.Points[1].X - r.Points[0].X == 8 && r.Points[0].Y == r.Points[1].Y)
             return TPoint{r.Points[0].X + 4, r.Points[0].Y - 4};
         return TPoint{};
       }},
      {"the down glyph, 8 wide",
       [](TAdvStringGrid& g) {
         SortOn(g, sdDescending);
         g.SortSettings()->SetUpGlyph(*Glyph(6, 6));
         g.SortSettings()->SetDownGlyph(*Glyph(8, 9));
       },
       8,
       [firstOf](const std::vector<TCanvasRecord>& all) {
         const TRect r = firstOf(all, u"Draw").Rect;
         return TPoint{r.Left + 4, r.Top + 4};
       }},
      {"an index entry",
       [](TAdvStringGrid& g) {
         g.SortSettings()->SetShow(true);
         g.SortSettings()->SetIndexShow(true);
         g.SortIndexes()->AddIndex(2, false);
       },
       0,
       [firstOf](const std::vector<TCanvasRecord>& all) {
         const auto points = firstOf(all, u"Polygon").Points;
         return points.empty() ? TPoint{} : TPoint{points[0].X + 7, points[0].Y + 5};
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TAdvStringGrid g(nullptr);
    g.SetLook(glStandard);
    g.SetCells(2, 0, u"Name");
    c.Setup(g);
    const TPoint ltr = c.Point(PaintSurface(g));
    ASSERT_NE(ltr, TPoint{});
    g.SetBiDiMode(bdRightToLeft);
    const TPoint rtl = c.Point(PaintSurface(g));
    EXPECT_EQ(rtl, (TPoint{g.ClientWidth() - ltr.X - 4 - c.GlyphWidth - 7, ltr.Y}));
  }
}

struct FilterCase {
  std::string Name;
  std::function<void(TAdvStringGrid&)> Setup;
  TRect Glyph;  // where the one picture is drawn
};

TEST(HeaderGlyphs, FilterGlyph) {
  const std::vector<FilterCase> cases = {
      {"the built-in picture without glyphs", [](TAdvStringGrid&) {}, {94, 21, 110, 37}},
      {"the glyph", [](TAdvStringGrid& g) { g.FilterDropDown()->SetGlyph(*Glyph(12, 12)); },
       {94, 21, 106, 33}},
      {"the active glyph on a filtered column",
       [](TAdvStringGrid& g) {
         g.FilterDropDown()->SetGlyph(*Glyph(12, 12));
         g.FilterDropDown()->SetGlyphActive(*Glyph(10, 10));
         g.Filter()->Add()->SetColumn(2);
       },
       {94, 21, 104, 31}},
      {"the built-in picture when the active glyph is empty",
       [](TAdvStringGrid& g) {
         g.FilterDropDown()->SetGlyph(*Glyph(12, 12));
         g.Filter()->Add()->SetColumn(2);
       },
       {94, 21, 110, 37}},
  };
  for (const FilterCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TAdvStringGrid g(nullptr);
    g.SetLook(glStandard);
    g.SetWordWrap(false);
    g.SetFilterDropDownAuto(true);
    g.SetCells(2, 0, u"Name");
    g.SetCells(2, 1, u"value");
    c.Setup(g);
    const auto all = PaintCell(g, 2, 0);
    const auto draws = Only(all, u"Draw");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].Rect, c.Glyph);
    EXPECT_EQ(DrawnText(all).Rect.Right, 110 - 2 - 16) << "the text ends 16 pixels earlier";
  }
  TAdvStringGrid g(nullptr);
  g.SetFilterDropDownAuto(true);
  g.SetCells(2, 0, u"Name");
  g.SetCells(2, 1, u"value");
  EXPECT_TRUE(Only(PaintCell(g, 2, 1), u"Draw").empty()) << "only the filter row";
}

}  // namespace
