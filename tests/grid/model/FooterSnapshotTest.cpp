// A grid with its floating footer rendered to PNG for a look
// (GX_SNAPSHOT_DIR keeps a copy): a footer row and a custom preview.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/model/AdvStringGrid.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/FooterPanel.h"
#include "platform/gui/Forms.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/SnapshotFile.h"
#include "tests/support/SystemInputDriver.h"

namespace {

const TColor FooterColor = RGB(255, 230, 150);
const TColor GridColor = RGB(240, 248, 255);

struct FooterSnapshot {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TAdvStringGrid* Grid = new TAdvStringGrid(Form.get());
  testsupport::SystemInputDriver Input;

  FooterSnapshot(TFooterStyle Style) {
    Form->SetBounds(40, 40, 420, 260);
    Grid->SetParent(Form.get());
    Grid->SetBounds(10, 10, 380, 200);
    Grid->SetColCount(4);
    Grid->SetRowCount(6);
    Grid->SetDefaultColWidth(60);
    Grid->SetColor(GridColor);
    const char16_t* items[] = {u"Relay", u"Modem", u"Sensor", u"Probe"};
    for (int r = 1; r < 5; ++r) {
      Grid->SetCells(0, r, IntToStr(r));
      Grid->SetCells(1, r, items[r - 1]);
      Grid->SetCells(2, r, IntToStr(r * 10));
      Grid->SetCells(3, r, IntToStr(r * 3));
    }
    Grid->SetCells(1, 5, u"Sum");
    Grid->SetCells(2, 5, u"100");
    Grid->SetCells(3, 5, u"30");
    Grid->SetColors(3, 5, clLime);
    TFloatingFooter& footer = *Grid->FloatingFooter();
    footer.SetColor(FooterColor);
    footer.SetBorderColor(clRed);
    footer.SetFooterStyle(Style);
    footer.SetCustomTemplate(u"<b>Device:</b> <#1>, count <#3>");
    footer.SetVisible(true);
    Grid->SetRow(2);
    Form->Show();
    Input.Pump();
  }
  TFooterPanel& Panel() { return *Grid->FooterPanel(); }
  // A point of the footer panel in the form's picture.
  TPoint InPicture(int X, int Y) { return Form->ScreenToClient(Panel().ClientToScreen(Point(X, Y))); }
};

TEST(FooterSnapshot, AFooterRowBelowTheGrid) {
  FooterSnapshot f(fsFixedLastRow);
  const TPixelBuffer picture = testsupport::RenderSnapshot(*f.Form, "footer-row.png");
  ASSERT_FALSE(picture.Empty());
  const int w = f.Panel().ColumnsWidth();
  ASSERT_EQ(w, 240);
  const TPoint coloured = f.InPicture(w - 5, 3);
  EXPECT_EQ(picture.Pixel(coloured.X, coloured.Y), clLime) << "the footer cell's own colour";
  const TPoint beyond = f.InPicture(w + 20, f.Panel().Height() - 3);
  EXPECT_EQ(picture.Pixel(beyond.X, beyond.Y), GridColor) << "the grid's colour right of the columns";
  const TPoint border = f.InPicture(5, 0);
  EXPECT_EQ(picture.Pixel(border.X, border.Y), clRed);
}

TEST(FooterSnapshot, ACustomPreviewOfTheCurrentRow) {
  FooterSnapshot f(fsCustomPreview);
  const TPixelBuffer picture = testsupport::RenderSnapshot(*f.Form, "footer-custom-preview.png");
  ASSERT_FALSE(picture.Empty());
  const int w = f.Panel().ColumnsWidth();
  const TPoint grey = f.InPicture(w - 1, 5);
  EXPECT_EQ(picture.Pixel(grey.X, grey.Y), clGray) << "the frame's right edge";
  const TPoint light = f.InPicture(0, 5);
  EXPECT_EQ(picture.Pixel(light.X, light.Y), clWhite) << "the frame's left edge";
  // The template's text darkens some pixels of the preview.
  int dark = 0;
  for (int x = 2; x < w - 2; ++x)
    for (int y = 2; y < f.Panel().Height() - 2; ++y) {
      const TPoint p = f.InPicture(x, y);
      if (picture.Pixel(p.X, p.Y) != FooterColor) ++dark;
    }
  EXPECT_GT(dark, 20);
}

}  // namespace
