#include <gtest/gtest.h>

#include <functional>

#include "grid/base/CellNode.h"
#include "grid/model/AdvStringGrid.h"
#include "tests/grid/paint/PaintSupport.h"

namespace {

using namespace paint_test;

constexpr TColor kNodeFill = 0x00C0FF;

// Row 1 is a node over rows 1 ... 3, painted at kCell: with the indent 12
// its glyph box starts at x = 10 + 12 - 6 - 4 = 12. Column 0 is fixed, so
// the glyph's rectangle starts a pixel lower, at y = 21.
struct NodeGrid {
  TAdvStringGrid g{nullptr};
  NodeGrid() {
    g.SetRowCount(6);
    g.AddNode(1, 3);
    g.CellNode()->SetColor(kNodeFill);
  }
  std::vector<TCanvasRecord> Paint() { return PaintCell(g, 0, 1); }
};

bool HasDraw(const std::vector<TCanvasRecord>& All, const TRect& Rect) {
  for (const auto& r : Only(All, u"Draw")) {
    if (r.Rect == Rect) return true;
  }
  return false;
}

// The soft-edged 8 x 8 box at (16, 26): its top edge light while
// contracted, dark while open.
std::function<bool(const std::vector<TCanvasRecord>&)> SoftBox(bool Raised) {
  return [=](const std::vector<TCanvasRecord>& all) {
    for (const auto& r : Only(all, u"LineTo")) {
      if (r.Points.size() == 2 && r.Points[0].Y == 26 && r.Points[1].Y == 26 && r.Points[0].X >= 16 &&
          r.Points[1].X <= 24) {
        return r.PenColor == (Raised ? clBtnHighlight : clBtnShadow);
      }
    }
    return false;
  };
}

}  // namespace

TEST(CellNodeGlyphs, EveryNodeType) {
  TBitmap open(10, 8), closed(10, 8);
  struct Case {
    const char* what;
    std::function<void(TCellNode&)> setup;
    bool contracted;
    std::function<bool(const std::vector<TCanvasRecord>&)> shows;
  };
  const Case cases[] = {
      {"flat, open: a minus", [](TCellNode& n) { n.SetNodeType(cnFlat); }, false,
       [](const std::vector<TCanvasRecord>& all) {
         const auto boxes = Only(all, u"Rectangle");
         return boxes.size() == 1 && boxes[0].Rect == TRect{16, 26, 25, 35} && boxes[0].BrushColor == kNodeFill &&
                HasLine(all, {18, 30}, {23, 30}) && !HasLine(all, {20, 28}, {20, 33});
       }},
      {"flat, contracted: a plus", [](TCellNode& n) { n.SetNodeType(cnFlat); }, true,
       [](const std::vector<TCanvasRecord>& all) {
         return HasLine(all, {18, 30}, {23, 30}) && HasLine(all, {20, 28}, {20, 33});
       }},
      {"3-D: a filled face to the cell's right", [](TCellNode& n) { n.SetNodeType(cn3D); }, false,
       [](const std::vector<TCanvasRecord>& all) {
         for (const auto& f : Only(all, u"FillRect")) {
           if (f.Rect == TRect{12, 21, 110, 40} && f.BrushColor == kNodeFill) return SoftBox(false)(all);
         }
         return false;
       }},
      {"glyphs", [&](TCellNode& n) {
         n.SetNodeType(cnGlyph);
         n.SetExpandGlyph(open);
         n.SetContractGlyph(closed);
       }, false, [](const std::vector<TCanvasRecord>& all) { return HasDraw(all, TRect{12, 26, 22, 34}); }},
      {"glyph kind without an expand glyph falls back to the box", [&](TCellNode& n) {
         n.SetNodeType(cnGlyph);
         n.SetContractGlyph(closed);
       }, true, SoftBox(true)},
      {"leaf", [](TCellNode& n) { n.SetNodeType(cnLeaf); }, false,
       [](const std::vector<TCanvasRecord>& all) { return HasDraw(all, TRect{12, 24, 28, 40}); }},
      {"XP", [](TCellNode& n) { n.SetNodeType(cnXP); }, true,
       [](const std::vector<TCanvasRecord>& all) { return HasDraw(all, TRect{16, 25, 25, 34}); }},
  };
  for (const Case& c : cases) {
    NodeGrid s;
    c.setup(*s.g.CellNode());
    if (c.contracted) s.g.ContractNode(1);
    EXPECT_TRUE(c.shows(s.Paint())) << c.what;
  }
}

// At x = 10 + 12 - 12 + 6 + 2 = 18: down from the middle to an indented
// next row, none to a row left of the node.
TEST(CellNodeGlyphs, TreeStubsJoinTheNodeToItsRows) {
  NodeGrid s;
  EXPECT_TRUE(HasLine(s.Paint(), {18, 30}, {18, 40}));
  s.g.ContractNode(1);
  EXPECT_FALSE(HasLine(s.Paint(), {18, 30}, {18, 40}));
  s.g.CellNode()->SetShowTree(false);
  s.g.ExpandNode(1);
  EXPECT_FALSE(HasLine(s.Paint(), {18, 30}, {18, 40}));
}
