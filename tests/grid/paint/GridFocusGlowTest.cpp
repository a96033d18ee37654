// The focus glow of an edited cell: a translucent window over the grid's
// form around the cell, the cell cut out; it follows the cell and goes
// whenever editing ends or the grid stops showing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "grid/base/FocusHelper.h"
#include "grid/base/GridAlphaMask.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Region.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/SnapshotFile.h"
#include "tests/support/SystemInputDriver.h"

namespace {

// A grid whose cell (1, 1) is 100 x 20, on a shown form, glow switched on.
struct GlowForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TAdvStringGrid* G = new TAdvStringGrid(Form.get());
  testsupport::SystemInputDriver Input;

  GlowForm() {
    Form->SetBounds(40, 40, 420, 260);
    G->SetParent(Form.get());
    G->SetBounds(20, 30, 360, 180);
    G->SetColCount(3);
    G->SetRowCount(4);
    G->SetColWidths(1, 100);
    G->SetRowHeights(1, 20);
    G->SetOptions(G->Options() + TGridOptions{goEditing});
    G->SetCells(1, 1, u"lamp");
    G->FocusHelper()->SetEnabled(true);
    Form->Show();
    Input.Pump();
    G->SetCol(1);
    G->SetRow(1);
    G->SetFocus();
    Input.Pump();
  }
  void Edit() {
    Input.Key(VK_F2);
    Input.Pump();
  }
  TControl* Glow() const { return G->FocusWindow(); }
  bool Glowing() const { return Glow() && Glow()->Visible(); }
  // The cell in the form's client coordinates.
  TRect CellOnForm() const {
    const TRect r = G->CellRect(G->Col(), G->Row());
    const TPoint s = G->ClientToScreen(Point(r.Left, r.Top));
    const TPoint o = Form->ClientToScreen(Point(0, 0));
    return Rect(s.X - o.X, s.Y - o.Y, s.X - o.X + r.Width(), s.Y - o.Y + r.Height());
  }
};

TEST(GridFocusGlow, AroundTheEditedCellWithTheCellCutOut) {
  GlowForm f;
  ASSERT_EQ(f.G->CellRect(1, 1).Width(), 100);
  ASSERT_EQ(f.G->CellRect(1, 1).Height(), 20);
  EXPECT_FALSE(f.Glowing());
  f.Edit();
  ASSERT_TRUE(f.Glowing());
  EXPECT_EQ(FocusWindowGrid, static_cast<TFocusWindowTracked*>(f.G));
  TControl& glow = *f.Glow();
  EXPECT_EQ(glow.Parent(), f.Form.get()) << "an overlay of the form";
  const TRect cell = f.CellOnForm();
  EXPECT_EQ(glow.BoundsRect(), Rect(cell.Left - 4, cell.Top - 4, cell.Left + 105, cell.Top + 25));
  const HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(static_cast<TWinControl&>(glow).Handle(), shape), RGN_ERROR);
  EXPECT_TRUE(PtInRegion(shape, 0, 0));
  EXPECT_TRUE(PtInRegion(shape, 3, 10));
  EXPECT_FALSE(PtInRegion(shape, 4, 4)) << "the cell stays uncovered";
  EXPECT_FALSE(PtInRegion(shape, 103, 23));
  EXPECT_TRUE(PtInRegion(shape, 104, 10));
  EXPECT_TRUE(PtInRegion(shape, 50, 24));
  EXPECT_FALSE(PtInRegion(shape, 109, 10));
  DeleteObject(shape);
}

// The form's picture under the glow: the glow's colour 0xFDD397 blended
// over what the form shows by the mask's alpha times 230 / 255.
TEST(GridFocusGlow, BlendsItsColourByTheMasksAlpha) {
  GlowForm f;
  const TPixelBuffer plain = testsupport::RenderSnapshot(*f.Form, "glow-none.png");
  f.Edit();
  const TPixelBuffer glowing = testsupport::RenderSnapshot(*f.Form, "edited-cell-glow.png");
  ASSERT_FALSE(glowing.Empty());
  TBitmap mask;
  DrawRoundRectMask(mask, 109, 29, 4, 5, 3.0);
  const TRect cell = f.CellOnForm();
  const TPoint at[] = {{2, 14}, {50, 2}, {106, 14}, {0, 0}, {60, 26}};
  int tinted = 0;
  for (const TPoint p : at) {
    const int a = mask.ScanLine(p.Y)[p.X * 3 + 2] * 230 / 255;
    const int x = cell.Left - 4 + p.X, y = cell.Top - 4 + p.Y;
    const TColor under = plain.Pixel(x, y), got = glowing.Pixel(x, y);
    const TColor glowColor = 0xFDD397;
    for (int shift : {0, 8, 16}) {
      const int u = (under >> shift) & 0xFF, c = (glowColor >> shift) & 0xFF, g = (got >> shift) & 0xFF;
      EXPECT_NEAR(g, (c * a + u * (255 - a)) / 255, 3) << p.X << "," << p.Y << " channel " << shift;
    }
    tinted += a > 40;
  }
  EXPECT_GE(tinted, 3) << "the ring shows";
}

TEST(GridFocusGlow, FollowsTheCellWhenTheGridMovesOnItsForm) {
  GlowForm f;
  f.Edit();
  ASSERT_TRUE(f.Glowing());
  f.G->SetBounds(f.G->Left() + 30, f.G->Top() + 7, f.G->Width(), f.G->Height());
  const TRect cell = f.CellOnForm();
  EXPECT_EQ(f.Glow()->BoundsRect(), Rect(cell.Left - 4, cell.Top - 4, cell.Left + 105, cell.Top + 25));
}

TEST(GridFocusGlow, EscapeEndsEditingAndTheGlow) {
  GlowForm f;
  f.Edit();
  ASSERT_TRUE(f.Glowing());
  f.Input.Key(VK_ESCAPE);
  f.Input.Pump();
  EXPECT_FALSE(f.Glowing());
  EXPECT_EQ(FocusWindowGrid, nullptr);
}

TEST(GridFocusGlow, NoGlowAfterTheFormClosedWhileEditing) {
  GlowForm f;
  f.Edit();
  ASSERT_TRUE(f.Glowing());
  f.Form->Close();
  f.Input.Pump();
  f.Form->Show();
  f.Input.Pump();
  EXPECT_FALSE(f.Glowing());
}

TEST(GridFocusGlow, HiddenWithTheGrid) {
  GlowForm f;
  f.Edit();
  ASSERT_TRUE(f.Glowing());
  f.G->SetVisible(false);
  EXPECT_FALSE(f.Glowing());
}

// Under the sanitizer: the unit's window hook must not place the glow of
// a freed grid when a window moves later.
TEST(GridFocusGlow, AFreedGridLeavesNoGlowBehind) {
  GlowForm f;
  f.Edit();
  ASSERT_TRUE(f.Glowing());
  delete f.G;
  EXPECT_EQ(FocusWindowGrid, nullptr);
  f.Form->SetBounds(f.Form->Left() + 10, f.Form->Top(), 400, 250);
  f.Input.Pump();
  for (int i = 0; i < f.Form->ControlCount(); ++i)
    EXPECT_NE(f.Form->Controls(i)->ClassName(), u"TGridFocusWindow");
}

}  // namespace
