// Check boxes and radio buttons in every control style, rendered to PNG for
// a look (GX_SNAPSHOT_DIR keeps a copy) and checked at a few pixels.
#include <gtest/gtest.h>

#include <iterator>
#include <memory>

#include "grid/base/ControlLook.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Views.h"
#include "platform/sys/Strings.h"
#include "tests/support/SnapshotFile.h"

namespace {

constexpr int kRow = 26, kLabel = 80, kColumn = 28;
constexpr TControlStyle kStyles[] = {csClassic, csFlat, csWinXP, csBorland, csZEV, csGlyph, csTheme};

// One row a style: checked, unchecked, grayed, checked and unchecked
// disabled, then a horizontal radio group and a disabled one.
class TGlyphBoard : public TCustomControl {
 public:
  TGlyphBoard(TComponent* AOwner, TAdvStringGrid& Grid) : TCustomControl(AOwner), G(Grid) {
    SetView(platform::CreatePaintView(*this));
    Options.SetCommaText(u"on,off");
  }

 protected:
  void Paint() override {
    TCanvas& c = *Canvas();
    c.Brush()->SetColor(clWhite);
    c.FillRect(TRect{0, 0, Width(), Height()});
    for (int i = 0; i < static_cast<int>(std::size(kStyles)); ++i) {
      const TControlStyle style = kStyles[i];
      const int y = 4 + i * kRow;
      c.Brush()->SetStyle(bsClear);
      c.TextOut(4, y + 2, EnumName(style));
      const struct {
        bool Checked, Grayed, Enabled;
      } boxes[] = {{true, false, true}, {false, false, true}, {false, true, true}, {true, false, false},
                   {false, false, false}};
      int x = kLabel;
      for (const auto& b : boxes) {
        G.DrawCellCheckBox(c, TRect{x, y, x + 20, y + 20}, b.Checked, cbUnchecked, false, style, b.Grayed,
                           b.Enabled);
        x += kColumn;
      }
      G.DrawRadioButtons(c, TRect{x, y, x + 120, y + 20}, false, 1.0, style, 0, 0, false, &Options, false,
                         true, 0, 2);
      G.DrawRadioButtons(c, TRect{x + 120, y, x + 240, y + 20}, false, 1.0, style, 0, 0, false, &Options,
                         true, true, 0, 2);
    }
  }

 private:
  TAdvStringGrid& G;
  TStringList Options;
};

std::unique_ptr<TBitmap> Filled(int Size, TColor Color) {
  auto b = std::make_unique<TBitmap>(Size, Size);
  b->Canvas()->Brush()->SetColor(clWhite);
  b->Canvas()->FillRect(TRect{0, 0, Size, Size});
  b->Canvas()->Brush()->SetColor(Color);
  b->Canvas()->FillRect(TRect{3, 3, Size - 3, Size - 3});
  return b;
}

TEST(CheckGlyphSnapshot, EveryControlStyle) {
  TAdvStringGrid grid(nullptr);
  grid.ControlLook()->SetColor(0x0000C0);
  grid.ControlLook()->SetCheckedGlyph(*Filled(16, 0x00A000));
  grid.ControlLook()->SetUnCheckedGlyph(*Filled(16, 0xC0C0C0));
  grid.ControlLook()->SetRadioOnGlyph(*Filled(14, 0x00A000));
  grid.ControlLook()->SetRadioOffGlyph(*Filled(14, 0xC0C0C0));
  std::unique_ptr<TForm> form(new TForm(nullptr));
  form->SetBounds(0, 0, 640, 220);
  auto* board = new TGlyphBoard(form.get(), grid);
  board->SetParent(form.get());
  board->SetBounds(0, 0, 620, 4 + 7 * kRow);
  form->Show();
  const TPixelBuffer px = testsupport::RenderSnapshot(*board, "check-and-radio-glyphs.png");
  ASSERT_FALSE(px.Empty());
  bool olive = false;
  for (int y = 0; y < px.Height; ++y) {
    for (int x = 0; x < px.Width; ++x) olive = olive || px.Pixel(x, y) == 0x008080;
  }
  EXPECT_FALSE(olive) << "the bitmaps' transparent colour never shows";
  auto row = [](TControlStyle Style) { return 4 + static_cast<int>(Style) * kRow; };  // kStyles' order
  EXPECT_EQ(px.Pixel(kLabel + 8, row(csGlyph) + 8), TColor(0x00A000)) << "the look's checked glyph";
  EXPECT_EQ(px.Pixel(kLabel + kColumn + 8, row(csGlyph) + 8), TColor(0xC0C0C0));
  EXPECT_NE(px.Pixel(kLabel + 1, row(csWinXP) + 1), TColor(clWhite)) << "the bitmap box's frame at the top-left";
}

}  // namespace
