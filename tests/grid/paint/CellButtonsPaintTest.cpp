#include <gtest/gtest.h>

#include "grid/base/ControlLook.h"
#include "grid/model/AdvStringGrid.h"
#include "tests/grid/paint/PaintSupport.h"

namespace {

using namespace paint_test;

// Paints cell (1, 1) inside its grid lines, where the grid paints it.
std::vector<TCanvasRecord> PaintInPlace(TAdvStringGrid& g) {
  TRect r = g.CellRect(1, 1);
  InflateRect(r, -1, -1);
  return PaintCell(g, 1, 1, {}, r);
}

// A 40 x 16 button at the right of cell (1, 1): the text offsets (2, 2)
// leave one pixel, the right alignment one more.
TRect ButtonPlace(TAdvStringGrid& g) {
  const TRect cell = g.CellRect(1, 1);
  return TRect{cell.Right - 3 - 40, cell.Top + 3, cell.Right - 3, cell.Top + 19};
}

// The DrawText of a caption (the cell's own empty text is drawn too).
TCanvasRecord Caption(const std::vector<TCanvasRecord>& All) {
  for (const auto& r : Only(All, u"DrawText")) {
    if (!r.Text.empty()) return r;
  }
  return TCanvasRecord{};
}

}  // namespace

TEST(CellButtonsPaint, TheHitTestFindsTheButtonWhereItWasPainted) {
  TAdvStringGrid g(nullptr);
  g.SetRowHeights(1, 24);
  g.AddButton(1, 1, 40, 16, u"Go", haRight, vaTop);
  const TCanvasRecord caption = Caption(PaintInPlace(g));
  const TRect place = ButtonPlace(g);
  EXPECT_EQ(g.GetCellButtonRect(1, 1), place);
  EXPECT_EQ(caption.Text, u"Go");
  EXPECT_EQ(caption.Rect, (TRect{place.Left + 1, place.Top, place.Right, place.Bottom}));
  EXPECT_EQ(caption.Format & (DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS),
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

TEST(CellButtonsPaint, CaptionStates) {
  struct Case {
    const char* what;
    std::function<void(TAdvStringGrid&)> setup;
    TPoint shift;
    TColor color;
    bool singleLine;
  };
  const Case cases[] = {
      {"up", [](TAdvStringGrid&) {}, {0, 0}, clBtnText, true},
      {"down moves the content", [](TAdvStringGrid& g) { g.PushButton(1, 1, true); }, {1, 1}, clBtnText, true},
      {"disabled", [](TAdvStringGrid& g) {
         g.OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
       }, {0, 0}, clGrayText, true},
      {"disabled look switched off", [](TAdvStringGrid& g) {
         g.OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
         g.ControlLook()->SetNoDisabledButtonLook(true);
       }, {0, 0}, clBtnText, true},
      {"a carriage return wraps", [](TAdvStringGrid& g) { g.SetButtonText(1, 1, u"Go\ron"); }, {0, 0}, clBtnText,
       false},
  };
  for (const Case& c : cases) {
    TAdvStringGrid g(nullptr);
    g.SetOptions(g.Options() + TGridOptions{goEditing});
    g.SetRowHeights(1, 24);
    g.AddButton(1, 1, 40, 16, u"Go", haRight, vaTop);
    c.setup(g);
    const TCanvasRecord caption = Caption(PaintInPlace(g));
    const TRect place = ButtonPlace(g);
    EXPECT_EQ(caption.Rect.Left, place.Left + 1 + c.shift.X) << c.what;
    EXPECT_EQ(caption.Rect.Top, place.Top + c.shift.Y) << c.what;
    EXPECT_EQ(caption.FontColor, c.color) << c.what;
    EXPECT_EQ((caption.Format & DT_SINGLELINE) != 0, c.singleLine) << c.what;
    EXPECT_EQ((caption.Format & DT_WORDBREAK) != 0, !c.singleLine) << c.what;
  }
}

TEST(CellButtonsPaint, BitButtonGlyphBesideOrCentred) {
  for (const char16_t* text : {u"Go", u""}) {
    TAdvStringGrid g(nullptr);
    g.SetRowHeights(1, 24);
    TBitmap* glyph = g.CreateBitButton(1, 1, 40, 16, text, haRight, vaTop);
    glyph->SetSize(8, 8);
    const auto all = PaintInPlace(g);
    const TRect place = ButtonPlace(g);
    const auto draws = Only(all, u"Draw");
    ASSERT_EQ(draws.size(), 1u);
    const int x = *text ? place.Left + 3 : place.Left + 16;
    EXPECT_EQ(draws[0].Rect, (TRect{x, place.Top + 4, x + 8, place.Top + 12})) << StringToUtf8(text);
    EXPECT_NE(draws[0].Color, clNone) << "transparent";
    if (*text) {
      EXPECT_EQ(Caption(all).Rect.Left, x + 8 + 2 + 1);
    }
  }
}

TEST(CellButtonsPaint, ExpandChevronInTheTopRightCorner) {
  TAdvStringGrid g(nullptr);
  g.AddExpand(1, 1, 60);
  // Graphics are placed in {11, 21, 109, 39}: the button is {96, 21, 109, 34}.
  EXPECT_TRUE(HasLine(PaintCell(g, 1, 1), {99, 26}, {102, 29}));
  EXPECT_TRUE(HasLine(PaintCell(g, 1, 1), {102, 29}, {106, 25}));
  g.ToggleExpand(1, 1);
  EXPECT_TRUE(HasLine(PaintCell(g, 1, 1), {99, 29}, {102, 26}));
  EXPECT_TRUE(HasLine(PaintCell(g, 1, 1), {102, 26}, {106, 30}));
}
