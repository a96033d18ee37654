// Grids painted by their own cell painter, and the grid's buttons and check
// boxes, rendered to PNG for a look (GX_SNAPSHOT_DIR keeps a copy).
#include <gtest/gtest.h>

#include <memory>

#include "grid/base/AdvCheckBox.h"
#include "grid/base/AdvGridButton.h"
#include "grid/base/SelectionLooks.h"
#include "platform/gui/Forms.h"
#include "tests/grid/base/BaseGridPaintSupport.h"
#include "tests/support/SnapshotFile.h"
#include "tests/support/SystemInputDriver.h"

namespace {

// Fixed cells, a merged area, a hover row, the active row, lines 3 pixels
// wide and a selection of columns 1..3 in row 3.
TPaintGrid* AddGrid(TForm& Form, int Left, int Top, TGridSelectionStyle Style, bool DrawFocusSelected) {
  auto* g = new TPaintGrid;
  g->SetParent(&Form);
  Form.InsertComponent(g);
  g->SetBounds(Left, Top, 260, 124);
  g->SetFixedCols(1);
  g->SetFixedRows(1);
  g->SetGridLineWidth(3);
  g->SetSelectionStyle(Style);
  if (DrawFocusSelected) {
    TGridOptions options = g->Options();
    options.Include(goDrawFocusSelected);
    g->SetOptions(options);
  }
  for (int c = 1; c < 5; ++c) g->SetCells(c, 0, String(1, static_cast<Char>(u'A' + c - 1)));
  for (int r = 1; r < 6; ++r) g->SetCells(0, r, String(1, static_cast<Char>(u'0' + r)));
  g->MergeCells(1, 4, 2, 2);
  g->SetCells(1, 4, u"merged");
  g->SetHoverRow(true);
  g->SetHoverRowIdx(2);
  g->SetHoverRowColor(RGB(255, 255, 200));
  g->SetActiveRowShow(true);
  g->SetActiveRowColor(RGB(220, 240, 255));
  g->SetSelection(TGridRect{1, 3, 3, 3});
  return g;
}

TEST(BaseGridSnapshot, SelectionLooksHoverActiveAndMergedCells) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(0, 0, 820, 280);
  const TGridSelectionStyle styles[] = {ssVista, ssWin7, ssOffice2007};
  TPaintGrid* focusedSet[3];
  TPaintGrid* greySet[3];
  for (int i = 0; i < 3; ++i) {
    focusedSet[i] = AddGrid(form, 10 + 270 * i, 10, styles[i], true);
    greySet[i] = AddGrid(form, 10 + 270 * i, 145, styles[i], false);
  }
  form.Show();
  const TPixelBuffer px = testsupport::RenderSnapshot(form, "base-grid.png");
  ASSERT_FALSE(px.Empty());
  // The top border of the middle selected cell (2, 3): cell (100, 60) in the grid.
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(px.Pixel(10 + 270 * i + 125, 10 + 60), SelectionFaceColors(styles[i], true, clWhite).BorderColor) << i;
    EXPECT_EQ(px.Pixel(10 + 270 * i + 125, 145 + 60), SelectionFaceColors(styles[i], false, clWhite).BorderColor) << i;
  }
  EXPECT_EQ(px.Pixel(10 + 125, 10 + 50), RGB(255, 255, 200)) << "hover row 2";
  EXPECT_EQ(px.Pixel(10 + 225, 10 + 70), RGB(220, 240, 255)) << "active row, unselected column 4";
  EXPECT_EQ(px.Pixel(10 + 125, 10 + 20 * 6 - 2), focusedSet[0]->GridLineColor()) << "3-pixel line below the merged area";
  (void)greySet;
}

TEST(BaseGridSnapshot, ButtonsAndCheckBoxes) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(0, 0, 560, 130);
  for (int look = 0; look <= 6; ++look) {
    for (int row = 0; row < 2; ++row) {
      auto* b = new TAdvGridButton(&form);
      b->SetParent(&form);
      b->SetBounds(10 + 75 * look, 10 + 30 * row, 70, 24);
      b->SetLook(look);
      b->SetCaption(row == 0 ? u"Look" : u"Checked");
      if (row == 1) {
        b->SetStyle(tasCheck);
        b->SetDown(true);
      }
    }
  }
  auto* dropDown = new TAdvGridButton(&form);
  dropDown->SetParent(&form);
  dropDown->SetBounds(10, 70, 90, 24);
  dropDown->SetLook(2);
  dropDown->SetDropDownButton(true);
  dropDown->SetCaption(u"Hot");
  auto* disabled = new TAdvGridButton(&form);
  disabled->SetParent(&form);
  disabled->SetBounds(110, 70, 90, 24);
  disabled->SetCaption(u"Disabled");
  disabled->SetEnabled(false);
  const TAlignment sides[] = {taLeftJustify, taRightJustify};
  for (int i = 0; i < 2; ++i) {
    auto* c = new TAdvCheckBox(&form);
    c->SetParent(&form);
    c->SetBounds(220 + 110 * i, 72, 100, 20);
    c->SetCaption(i == 0 ? u"Case" : u"Whole word");
    c->SetAlignment(sides[i]);
    c->SetChecked(i == 0);
  }
  form.Show();
  testsupport::SystemInputDriver input;
  input.MouseMove(*dropDown, Point(20, 12));
  const TPixelBuffer px = testsupport::RenderSnapshot(form, "grid-buttons.png");
  ASSERT_FALSE(px.Empty());
  EXPECT_EQ(px.Pixel(10 + 75 * 2 + 3, 10 + 1), static_cast<TColor>(0xFDEADA)) << "look 2 starts its gradient";
  EXPECT_EQ(px.Pixel(10 + 75 * 5 + 3, 10 + 30 + 12), ColorToRGB(0xCAC7C7)) << "look 5 checked";
  EXPECT_EQ(px.Pixel(10 + 90 - 12, 70 + 12), static_cast<TColor>(0x000000)) << "the hot drop-down separator";
}

}  // namespace
