// A column grid showing the painter's main variants, rendered to PNG for a
// look (GX_SNAPSHOT_DIR keeps a copy) and checked at a few pixels.
#include <gtest/gtest.h>

#include <memory>

#include "grid/base/Bands.h"
#include "grid/base/ShowModified.h"
#include "grid/model/AdvColumnGrid.h"
#include "grid/model/GridColumnCollection.h"
#include "grid/model/GridColumnItem.h"
#include "grid/model/SortSettings.h"
#include "platform/gui/Forms.h"
#include "tests/grid/paint/ShownColumnGrid.h"
#include "tests/support/SnapshotFile.h"

namespace {

constexpr TColor kPrimary = 0xF0E0D0;
constexpr TColor kSecondary = 0xFFFFFF;
constexpr TColor kModified = 0x0000FF;

void Fill(TAdvColumnGrid& g) {
  g.SetColCount(5);
  g.SetRowCount(9);
  g.SetDefaultColWidth(100);
  g.SetColWidths(0, 30);
  const char16_t* headers[] = {u"", u"Name", u"Address", u"Link", u"Note"};
  for (int c = 0; c < 5; ++c) g.SetCells(c, 0, headers[c]);
  for (int r = 1; r < 9; ++r) {
    g.SetCells(0, r, IntToStr(r));
    g.SetCells(1, r, u"Lamp " + IntToStr(r));
    g.SetCells(2, r, IntToStr(r * 3));
  }
  g.SetCells(3, 2, u"http://example.com/dali");
  g.SetCells(4, 3, u"first line\r\nsecond line");
  g.SetRowHeights(3, 36);
  g.SetCells(4, 4, u"<b>bold</b> and <i>italic</i>");
  for (int c = 1; c < 5; ++c) g.Columns()->Items(c)->SetShowBands(true);
  g.Bands()->SetPrimaryColor(kPrimary);
  g.Bands()->SetSecondaryColor(kSecondary);
  g.Bands()->SetActive(true);
  g.SortSettings()->SetShow(true);
  g.SortSettings()->SetColumn(1);
  g.SetFilterDropDownAuto(true);
  g.Columns()->Items(2)->Filter()->Add(u"3");
  g.Columns()->Items(2)->Filter()->Add(u"6");
  g.SetURLShow(true);
  g.SetMultilinecells(true);
  g.SetWordWrap(false);
  g.ShowModified()->SetEnabled(true);
  g.ShowModified()->SetColor(kModified);
  g.SetRowModified(5, true);
  g.SelectCells(1, 6, 2, 7);
}

TEST(GridSnapshot, ColumnGridShowsThePaintersVariants) {
  ShownColumnGrid shown;
  TAdvColumnGrid& g = *shown.Grid;
  Fill(g);
  g.SetFocus();
  const TPixelBuffer px = testsupport::RenderSnapshot(g, "column-grid-painter.png");
  ASSERT_FALSE(px.Empty());
  auto at = [&](int ACol, int ARow, int dx, int dy) {
    const TRect r = g.CellRect(ACol, ARow);
    return px.Pixel(r.Left + dx, r.Top + dy);
  };
  EXPECT_EQ(at(2, 1, 80, 10), kPrimary) << "bands from the first data row";
  EXPECT_EQ(at(2, 2, 80, 10), kSecondary);
  EXPECT_EQ(at(2, 6, 80, 10), ColorToRGB(g.SelectionColor())) << "the selection";
  EXPECT_EQ(at(0, 5, 28, 10), kModified) << "the modified-row bar";
  EXPECT_NE(at(0, 4, 28, 10), kModified);
  EXPECT_NE(at(2, 0, 10, 2), at(2, 0, 10, 18)) << "the header's gradient";
}

// Under a right-to-left layout the columns run from the right edge, and
// each text lands upright inside its mirrored cell.
TEST(GridSnapshot, ARightToLeftGridShowsItsCellsMirrored) {
  ShownColumnGrid shown;
  TAdvColumnGrid& g = *shown.Grid;
  Fill(g);
  const TPixelBuffer ltr = testsupport::RenderSnapshot(g, "column-grid-ltr.png");
  g.SetBiDiMode(bdRightToLeft);
  const TPixelBuffer px = testsupport::RenderSnapshot(g, "column-grid-rtl.png");
  ASSERT_FALSE(px.Empty());
  const int w = g.ClientWidth();
  auto mirroredCell = [&](int ACol, int ARow) {
    const TRect r = g.CellRect(ACol, ARow);
    return TRect{w - r.Right, r.Top, w - r.Left, r.Bottom};
  };
  auto at = [&](int ACol, int ARow, int dx, int dy) {
    const TRect r = mirroredCell(ACol, ARow);
    return px.Pixel(r.Left + dx, r.Top + dy);
  };
  EXPECT_EQ(at(2, 1, 20, 10), kPrimary) << "bands";
  EXPECT_EQ(at(2, 6, 20, 10), ColorToRGB(g.SelectionColor())) << "the selection";
  const TRect row5 = mirroredCell(0, 5);
  int bar = -1;
  for (int x = row5.Left; x < row5.Right && bar < 0; ++x)
    if (px.Pixel(x, row5.Top + 10) == kModified) bar = x;
  EXPECT_GE(bar, row5.Left) << "the modified-row bar inside the mirrored column 0";
  EXPECT_LT(bar, row5.Left + 6) << "at its far side, which is the left";
  // "Lamp 1" shows in its mirrored cell exactly as in the left-to-right
  // grid's cell, upright, not as its mirror image.
  const TRect cell = g.CellRect(1, 1), mirrored = mirroredCell(1, 1);
  auto dark = [](const TPixelBuffer& P, int x, int y) {
    const TColor c = P.Pixel(x, y);
    return (c & 0xFF) < 0x80 && ((c >> 8) & 0xFF) < 0x80 && ((c >> 16) & 0xFF) < 0x80;
  };
  int inked = 0, same = 0, flipped = 0;
  for (int y = cell.Top; y < cell.Bottom; ++y) {
    for (int dx = 3; dx < cell.Width() - 3; ++dx) {
      const bool ink = dark(ltr, cell.Left + dx, y);
      inked += ink;
      same += ink == dark(px, mirrored.Left + dx, y);
      flipped += ink == dark(px, mirrored.Right - 1 - dx, y);
    }
  }
  const int area = cell.Height() * (cell.Width() - 6);
  EXPECT_GT(inked, 10);
  EXPECT_GE(same, area - 2) << "a pixel or two may round differently";
  EXPECT_GT(area - flipped, 10);
  EXPECT_EQ(px.Pixel(cell.Left + 5, cell.Top + 5), px.Pixel(2, cell.Top + 5))
      << "where a left-to-right grid has the cell, only the background past the columns";
}

}  // namespace
