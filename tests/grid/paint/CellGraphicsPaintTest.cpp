#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/base/ControlLook.h"
#include "grid/base/GridProgressAppearance.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ImageList.h"
#include "tests/grid/paint/PaintSupport.h"

namespace {

using namespace paint_test;

constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kBlue = 0xFF0000;

// The cell (1, 1) painted at kCell; with the default text offsets (2, 2)
// graphics are placed in {11, 21, 109, 39}, a haLeft one from x = 12.
std::vector<TCanvasRecord> Paint(TAdvStringGrid& g) { return PaintCell(g, 1, 1); }

std::vector<String> Texts(const std::vector<TCanvasRecord>& All, const String& Op) {
  std::vector<String> out;
  for (const auto& r : Only(All, Op)) out.push_back(r.Text);
  return out;
}

// A bitmap of solid colours side by side, Width pixels each.
std::unique_ptr<TBitmap> Stripes(int Width, int Height, std::initializer_list<TColor> Colors) {
  auto b = std::make_unique<TBitmap>(Width * static_cast<int>(Colors.size()), Height);
  int x = 0;
  for (TColor c : Colors) {
    b->Canvas()->Brush()->SetColor(c);
    b->Canvas()->FillRect(TRect{x, 0, x + Width, Height});
    x += Width;
  }
  return b;
}

}  // namespace

TEST(CellGraphicsPaint, BitmapAtItsPlaceTransparentByItsBottomLeftPixel) {
  TAdvStringGrid g(nullptr);
  const auto bitmap = Stripes(4, 6, {kRed, kGreen});
  g.AddBitmap(1, 1, bitmap.get(), true, haRight, vaBottom);
  auto draws = Only(Paint(g), u"Draw");
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].Rect, (TRect{100, 32, 108, 38}));
  EXPECT_EQ(draws[0].Color, kRed);

  g.AddBitmap(1, 1, bitmap.get(), false, haRight, vaBottom);
  draws = Only(Paint(g), u"Draw");
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].Color, clNone);
  EXPECT_FALSE(bitmap->Transparent()) << "the caller's bitmap is left as it was";
}

// Images are told apart by their colour on a real bitmap canvas.
TEST(CellGraphicsPaint, ImagesByIndexAndOnlyWithinTheList) {
  TImageList images(16, 16);
  images.Add(*Stripes(16, 16, {kRed, kGreen}), nullptr);
  struct Case {
    const char* what;
    std::function<void(TAdvStringGrid&)> setup;
    TColor shown;  // clNone: nothing drawn
  };
  const Case cases[] = {
      {"image list index 1", [](TAdvStringGrid& g) { g.AddImageIdx(1, 1, 1, haLeft, vaTop); }, kGreen},
      {"image list index past the end", [](TAdvStringGrid& g) { g.AddImageIdx(1, 1, 2, haLeft, vaTop); }, clNone},
      {"negative image list index", [](TAdvStringGrid& g) { g.AddImageIdx(1, 1, -1, haLeft, vaTop); }, clNone},
      {"data image by the cell value", [](TAdvStringGrid& g) {
         g.AddDataImage(1, 1, 0, haLeft, vaTop);
         g.SetCells(1, 1, u"1");
       }, kGreen},
      {"data image with an offset", [](TAdvStringGrid& g) {
         g.AddDataImage(1, 1, 1, haLeft, vaTop);
         g.SetCells(1, 1, u"0");
       }, kGreen},
      {"data image of a text that is no number", [](TAdvStringGrid& g) {
         g.AddDataImage(1, 1, 0, haLeft, vaTop);
         g.SetCells(1, 1, u"abc");
       }, kRed},
      {"data image past the end", [](TAdvStringGrid& g) {
         g.AddDataImage(1, 1, 0, haLeft, vaTop);
         g.SetCells(1, 1, u"2");
       }, clNone},
      {"two images in a row", [](TAdvStringGrid& g) {
         g.AddMultiImage(1, 1, 0, haLeft, vaTop);
         g.CellImages(1, 1)->Add(7);
         g.CellImages(1, 1)->Add(1);
       }, clNone},
  };
  for (const Case& c : cases) {
    TAdvStringGrid g(nullptr);
    g.SetGridImages(&images);
    c.setup(g);
    TBitmap surface(200, 60);
    surface.Canvas()->Brush()->SetColor(clWhite);
    surface.Canvas()->FillRect(TRect{0, 0, 200, 60});
    EXPECT_NO_THROW(g.DrawCellContent(*surface.Canvas(), 1, 1, kCell, {})) << c.what;
    EXPECT_EQ(surface.Canvas()->Pixels(14, 24), c.shown == clNone ? clWhite : c.shown) << c.what;
  }
}

TEST(CellGraphicsPaint, MultiImagesAdvanceByTheImageSize) {
  TImageList images(16, 12);
  images.Add(*Stripes(16, 12, {kRed, kGreen}), nullptr);
  for (int dir : {0, 1}) {
    TAdvStringGrid g(nullptr);
    g.SetGridImages(&images);
    g.SetRowHeights(1, 60);
    g.AddMultiImage(1, 1, dir, haLeft, vaTop);
    for (int i : {0, 5, 1}) g.CellImages(1, 1)->Add(i);
    const auto draws = Only(PaintCell(g, 1, 1, {}, TRect{10, 20, 110, 80}), u"Draw");
    ASSERT_EQ(draws.size(), 2u) << "index 5 is not in the list";
    EXPECT_EQ(draws[0].Rect.Left, 12);
    EXPECT_EQ(dir == 0 ? draws[1].Rect.Left : draws[1].Rect.Top, dir == 0 ? 12 + 32 : 22 + 24);
  }
}

TEST(CellGraphicsPaint, ProgressTextColours) {
  struct Case {
    const char* what;
    std::function<void(TAdvStringGrid&)> setup;
    std::vector<TColor> textColors;  // over the done part, over the rest
  };
  const Case cases[] = {
      {"own text colours", [](TAdvStringGrid& g) { g.AddProgressEx(1, 1, kRed, kGreen, kBlue, clBlack); },
       {kGreen, clBlack}},
      {"inverse bar colours", [](TAdvStringGrid& g) { g.AddProgress(1, 1, kRed, kBlue); },
       {kRed ^ 0xFFFFFF, kBlue ^ 0xFFFFFF}},
  };
  for (const Case& c : cases) {
    TAdvStringGrid g(nullptr);
    c.setup(g);
    g.SetCells(1, 1, u"40");
    const auto texts = Only(Paint(g), u"TextOut");
    ASSERT_EQ(texts.size(), 2u) << c.what;
    EXPECT_EQ(texts[0].Text, u"40%") << c.what;
    EXPECT_EQ((std::vector<TColor>{texts[0].FontColor, texts[1].FontColor}), c.textColors) << c.what;
  }
}

TEST(CellGraphicsPaint, ValuesThatAreNoNumbersPaintAsZero) {
  TAdvStringGrid g(nullptr);
  for (auto add : std::vector<std::function<void()>>{
           [&] { g.AddProgress(1, 1, kRed, kBlue); },
           [&] { g.AddAdvProgress(1, 1, 0, 100); },
           [&] { g.AddRangeIndicator(1, 1, 10, kRed, kGreen, true); },
           [&] { g.AddRating(1, 1, 5, kRed, kBlue); },
       }) {
    add();
    g.SetCells(1, 1, u"1.2.3");
    EXPECT_NO_THROW(Paint(g));
  }
  EXPECT_ANY_THROW(g.Floats(1, 1));
  EXPECT_ANY_THROW(g.Ints(1, 1));
  g.AddProgress(1, 1, kRed, kBlue);
  EXPECT_EQ(Texts(Paint(g), u"TextOut").front(), u"0%");
}

// The percentage is that of the range reached, limited to 0 ... 100.
TEST(CellGraphicsPaint, MultiLevelProgressPercentage) {
  struct Case {
    int min, max;
    const char16_t* value;
    const char16_t* shown;
  };
  const Case cases[] = {
      {0, 100, u"45", u"45%"},   {20, 120, u"70", u"50%"},  {20, 120, u"10", u"0%"},
      {20, 120, u"500", u"100%"}, {10, 10, u"10", u"0%"},    {100, 0, u"25", u"75%"},
  };
  for (const Case& c : cases) {
    TAdvStringGrid g(nullptr);
    g.AddAdvProgress(1, 1, c.min, c.max);
    g.SetCells(1, 1, c.value);
    const auto texts = Texts(Paint(g), u"TextOut");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], String(c.shown)) << c.min << ".." << c.max << " at " << StringToUtf8(c.value);
  }
}

TEST(CellGraphicsPaint, CommentTriangleInTheStoredColour) {
  TAdvStringGrid g(nullptr);
  g.AddColorComment(1, 1, u"note", kGreen);
  const auto polygons = Only(Paint(g), u"Polygon");
  ASSERT_EQ(polygons.size(), 1u);
  EXPECT_EQ(polygons[0].Points, (std::vector<TPoint>{{103, 20}, {108, 20}, {108, 25}}));
  EXPECT_EQ(polygons[0].BrushColor, kGreen);
  EXPECT_EQ(polygons[0].PenColor, kGreen);

  g.ControlLook()->SetCommentColor(clNone);
  EXPECT_TRUE(Only(Paint(g), u"Polygon").empty());
}

TEST(CellGraphicsPaint, ShapeOnePixelInsideItsPlace) {
  TAdvStringGrid g(nullptr);
  g.SetRowHeights(1, 24);
  g.AddShape(1, 1, csRectangle, kRed, kBlue, haLeft, vaTop);
  const auto shapes = Only(Paint(g), u"Rectangle");
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].Rect, (TRect{13, 23, 30, 40})) << "drawn in {12, 22, 31, 41}";
  EXPECT_EQ(shapes[0].BrushColor, kRed);
  EXPECT_EQ(shapes[0].PenColor, kBlue);
}

// Stars are ten-point polygons, half stars six-point ones.
TEST(CellGraphicsPaint, RatingCutDownToHalfStars) {
  struct Case {
    const char16_t* value;
    std::vector<std::pair<size_t, TColor>> stars;
  };
  const Case cases[] = {
      {u"3.7", {{10, kRed}, {10, kRed}, {10, kRed}, {10, kBlue}, {6, kRed}, {10, kBlue}}},
      {u"3.4", {{10, kRed}, {10, kRed}, {10, kRed}, {10, kBlue}, {10, kBlue}}},
      {u"0", {{10, kBlue}, {10, kBlue}, {10, kBlue}, {10, kBlue}, {10, kBlue}}},
  };
  for (const Case& c : cases) {
    TAdvStringGrid g(nullptr);
    g.AddRating(1, 1, 5, kRed, kBlue);
    g.SetCells(1, 1, c.value);
    const auto all = Paint(g);
    std::vector<std::pair<size_t, TColor>> stars;
    for (const auto& p : Only(all, u"Polygon")) stars.emplace_back(p.Points.size(), p.BrushColor);
    EXPECT_EQ(stars, c.stars) << StringToUtf8(c.value);
    EXPECT_TRUE(Only(all, u"DrawText").empty()) << "no text beside a rating";
  }
}

// The text gives way to a graphic beside, above or under it; text offsets (2, 2).
TEST(CellGraphicsPaint, TextMakesRoomForTheGraphic) {
  struct Case {
    const char* what;
    std::function<void(TAdvStringGrid&, TBitmap*)> setup;
    int col;
    TRect text;
  };
  const Case cases[] = {
      {"before the text", [](TAdvStringGrid& g, TBitmap* b) { g.AddBitmap(1, 1, b, false, haBeforeText, vaTop); }, 1,
       {20, 22, 108, 40}},
      {"after the text", [](TAdvStringGrid& g, TBitmap* b) { g.AddBitmap(1, 1, b, false, haAfterText, vaTop); }, 1,
       {12, 22, 100, 40}},
      {"above the text", [](TAdvStringGrid& g, TBitmap* b) { g.AddBitmap(1, 1, b, false, haLeft, vaAboveText); }, 1,
       {12, 28, 108, 40}},
      {"under the text", [](TAdvStringGrid& g, TBitmap* b) { g.AddBitmap(1, 1, b, false, haLeft, vaUnderText); }, 1,
       {12, 22, 108, 34}},
      {"a node of level 1 takes 16 pixels in the fixed column", [](TAdvStringGrid& g, TBitmap*) {
         g.AddNode(1, 2);
         g.SetCells(0, 1, u"abc");
       }, 0, {29, 23, 108, 40}},
  };
  for (const Case& c : cases) {
    TAdvStringGrid g(nullptr);
    const auto bitmap = Glyph(8, 6);
    c.setup(g, bitmap.get());
    g.SetCells(c.col, 1, u"abc");
    EXPECT_EQ(DrawnText(PaintCell(g, c.col, 1)).Rect, c.text) << c.what;
  }
}

TEST(CellGraphicsPaint, RotatedTextInItsOwnFont) {
  TAdvStringGrid g(nullptr);
  g.AddRotated(1, 1, 90, u"up");
  const auto all = Paint(g);
  EXPECT_TRUE(Only(all, u"DrawText").empty()) << "the rotated text stands for the cell's text";
  const auto texts = Only(all, u"TextOut");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Text, u"up");
  EXPECT_EQ(texts[0].FontOrientation, 900);
  EXPECT_EQ(texts[0].Clip, (TRect{13, 23, 107, 37}));
  EXPECT_EQ(g.Font()->Orientation(), 0);
}
