// The looks as a person sees them (GX_SNAPSHOT_DIR keeps the PNGs): the
// sixteen presets on one sheet, a metro-toned grid, and a gradient beside
// short columns; checked at a few pixels.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "grid/base/BackGround.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "tests/support/SnapshotFile.h"

namespace {

void Fill(TAdvStringGrid& G, const String& Title) {
  G.SetColCount(3);
  G.SetRowCount(4);
  G.SetDefaultColWidth(70);
  G.SetDefaultRowHeight(20);
  G.SetCells(1, 0, Title);
  for (int r = 1; r < 4; ++r) {
    G.SetCells(0, r, IntToStr(r));
    G.SetCells(1, r, u"Lamp " + IntToStr(r));
    G.SetCells(2, r, IntToStr(r * 7));
  }
  G.SelectCells(1, 2, 2, 2);
}

TEST(GridLooksSnapshot, TheSixteenPresetsOnOneSheet) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 4 * 230 + 10, 4 * 110 + 10);
  std::vector<TAdvStringGrid*> grids;
  for (int k = 0; k < AdvGridStyleCount; ++k) {
    auto* g = new TAdvStringGrid(&form);
    g->SetParent(&form);
    g->SetBounds(5 + (k % 4) * 230, 5 + (k / 4) * 110, 222, 100);
    g->SetScrollBars(ssNone);
    const auto style = static_cast<TAdvGridStyle>(k);
    g->SetStyle(style);
    Fill(*g, EnumName(style).substr(2));
    grids.push_back(g);
  }
  form.Show();
  const TPixelBuffer px = testsupport::RenderSnapshot(form, "grid-style-presets.png");
  ASSERT_FALSE(px.Empty());
  auto at = [&](int K, int ACol, int ARow, int Dx, int Dy) {
    TAdvStringGrid& g = *grids[static_cast<size_t>(K)];
    const TRect r = g.CellRect(ACol, ARow);
    const TPoint p = g.ClientToScreen(Point(r.Left + Dx, r.Top + Dy));
    const TPoint o = form.ClientToScreen(Point(0, 0));
    return px.Pixel(p.X - o.X, p.Y - o.Y);
  };
  auto near = [](TColor A, TColor B) {
    for (int shift : {0, 8, 16})
      if (std::abs(static_cast<int>((A >> shift) & 0xFF) - static_cast<int>((B >> shift) & 0xFF)) > 8) return false;
    return true;
  };
  EXPECT_TRUE(near(at(gsOffice2003Blue, 1, 0, 60, 1), 0xFCE1CB)) << "the header's gradient starts";
  EXPECT_EQ(at(gsOffice2010Black, 1, 0, 60, 10), TColor(0x6A6A6A)) << "one colour all over";
  EXPECT_NE(at(gsOffice2003Blue, 1, 0, 60, 1), at(gsOffice2003Olive, 1, 0, 60, 1));
  EXPECT_NE(at(gsWindowsVista, 1, 2, 30, 10), at(gsOffice2010Blue, 1, 2, 30, 10)) << "the selection";
}

TEST(GridLooksSnapshot, AMetroTonedGrid) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 260, 130);
  auto* g = new TAdvStringGrid(&form);
  g->SetParent(&form);
  g->SetBounds(5, 5, 240, 110);
  TColorTones t;
  t.Background = {0xFFFFFF, 0xD0D0D0, 0x202020};
  t.Foreground = {0x9C6A1E, 0x80561A, 0xFFFFFF};
  t.Selected = {0xF0D8B8, 0xD0A880, 0x101010};
  t.Hover = {0xF8ECE0, 0xE0C0A0, 0x303030};
  t.Disabled = {0xEEEEEE, 0xCCCCCC, 0x999999};
  g->SetColorTones(t);
  Fill(*g, u"Metro");
  form.Show();
  const TPixelBuffer px = testsupport::RenderSnapshot(form, "grid-metro-tones.png");
  ASSERT_FALSE(px.Empty());
  const TRect header = g->CellRect(2, 0);
  const TPoint p = g->ClientToScreen(Point(header.Left + 60, header.Top + 3));
  const TPoint o = form.ClientToScreen(Point(0, 0));
  EXPECT_EQ(px.Pixel(p.X - o.X, p.Y - o.Y), t.Foreground.BrushColor) << "flat fixed cells in the foreground tone";
}

TEST(GridLooksSnapshot, AGradientBesideShortColumns) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 420, 230);
  auto* g = new TAdvStringGrid(&form);
  g->SetParent(&form);
  g->SetBounds(5, 5, 400, 210);
  Fill(*g, u"Gradient");
  g->BackGround()->SetDisplay(bdGradientHorz);
  g->BackGround()->SetColor(0xFFF0E0);
  g->BackGround()->SetColorTo(0x804000);
  form.Show();
  const TPixelBuffer px = testsupport::RenderSnapshot(form, "grid-background-gradient.png");
  ASSERT_FALSE(px.Empty());
  const TPoint o = form.ClientToScreen(Point(0, 0));
  auto at = [&](int X, int Y) {
    const TPoint p = g->ClientToScreen(Point(X, Y));
    return px.Pixel(p.X - o.X, p.Y - o.Y);
  };
  const int right = g->CellRect(2, 0).Right;
  EXPECT_NE(at(right + 20, 30), at(g->ClientWidth() - 5, 30)) << "a horizontal gradient right of the cells";
  EXPECT_EQ(at(right + 20, 30), at(right + 20, 150)) << "the same colour down a column";
  EXPECT_NE(at(30, 150), at(right + 20, 150)) << "below the rows too, in its own band";
}

}  // namespace
