// A column grid showing cell graphics: a data check-box column in both
// states, a radio group, progress bars, a comment, node rows, a shape and
// a rating, rendered to PNG for a look (GX_SNAPSHOT_DIR keeps a copy) and
// checked at a few pixels.
#include <gtest/gtest.h>

#include <memory>

#include "grid/base/CellNode.h"
#include "grid/model/AdvColumnGrid.h"
#include "grid/model/GridColumnCollection.h"
#include "grid/model/GridColumnItem.h"
#include "platform/gui/Forms.h"
#include "tests/grid/paint/ShownColumnGrid.h"
#include "tests/support/SnapshotFile.h"

namespace {

constexpr TColor kDone = 0x3070E0;
constexpr TColor kShape = 0x40A040;
constexpr TColor kStarOn = 0x00C0FF;
constexpr TColor kStarOff = 0xC0C0C0;

void Fill(TAdvColumnGrid& g) {
  g.SetColCount(5);
  g.SetRowCount(8);
  g.SetDefaultColWidth(110);
  g.SetColWidths(0, 60);
  const char16_t* headers[] = {u"Node", u"Enable", u"Choice", u"Progress", u"Look"};
  for (int c = 0; c < 5; ++c) g.SetCells(c, 0, headers[c]);
  g.Columns()->Items(1)->SetEditor(edDataCheckBox);
  for (int r = 1; r < 8; ++r) g.SetCells(1, r, r % 2 ? u"Y" : u"N");
  g.SetRowHeights(1, 40);
  TStrings* choices = g.CreateRadio(2, 1, 0, 1);
  choices->Add(u"DALI");
  choices->Add(u"SNMP");
  g.AddProgress(3, 1, kDone, clWhite);
  g.SetCells(3, 1, u"60");
  g.AddAdvProgress(3, 2, 0, 100);
  g.SetCells(3, 2, u"80");
  g.SetCells(2, 3, u"commented");
  g.AddComment(2, 3, u"a note");
  g.AddShape(4, 1, csCircle, kShape, clBlack, haLeft, vaCenter);
  g.AddRating(4, 2, 5, kStarOn, kStarOff);
  g.SetCells(4, 2, u"3.5");
  g.CellNode()->SetNodeType(cnFlat);
  g.AddNode(4, 3);
  g.SetCells(0, 4, u"Lamps");
}

TEST(CellGraphicsSnapshot, GraphicsOfEveryKindInAColumnGrid) {
  ShownColumnGrid shown;
  TAdvColumnGrid& g = *shown.Grid;
  Fill(g);
  const TPixelBuffer px = testsupport::RenderSnapshot(g, "cell-graphics.png");
  ASSERT_FALSE(px.Empty());
  auto at = [&](int ACol, int ARow, int dx, int dy) {
    const TRect r = g.CellRect(ACol, ARow);
    return px.Pixel(r.Left + dx, r.Top + dy);
  };
  const TRect checked = g.CellRect(1, 3), unchecked = g.CellRect(1, 2);
  int differing = 0;
  for (int y = 2; y < 18; ++y) {
    for (int x = 2; x < 18; ++x) {
      differing += px.Pixel(checked.Left + x, checked.Top + y) != px.Pixel(unchecked.Left + x, unchecked.Top + y);
    }
  }
  EXPECT_GT(differing, 4) << "the tick tells a checked box from an empty one";
  EXPECT_EQ(at(3, 1, 10, 20), kDone) << "the done part of the bar";
  EXPECT_EQ(at(4, 1, 10 + 18, 20), kShape) << "the circle's fill";
  EXPECT_EQ(at(4, 2, 3 + 8, 2 + 9), kStarOn) << "the first star";
  EXPECT_EQ(at(4, 2, 3 + 4 * 18 + 8, 2 + 9), kStarOff) << "the last star";
  const TRect comment = g.CellRect(2, 3);
  int red = 0;
  for (int y = comment.Top; y < comment.Top + 10; ++y) {
    for (int x = comment.Right - 10; x < comment.Right; ++x) red += px.Pixel(x, y) == clRed;
  }
  EXPECT_GT(red, 10) << "the comment's corner";
}

}  // namespace
