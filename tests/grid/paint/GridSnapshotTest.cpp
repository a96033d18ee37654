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

}  // namespace
