// Every drawing routine of the grid's painters on one control, rendered to
// PNG for a look (GX_SNAPSHOT_DIR keeps a copy).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "grid/base/ButtonFaces.h"
#include "grid/base/CellShapes.h"
#include "grid/base/GradientFill.h"
#include "grid/base/ProgressIndicators.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/Views.h"
#include "tests/support/SnapshotFile.h"

namespace {

class TDrawingSheet : public TCustomControl {
 public:
  explicit TDrawingSheet(TComponent* AOwner) : TCustomControl(AOwner) {
    SetView(platform::CreatePaintView(*this));
  }

 protected:
  void Paint() override {
    TCanvas& c = *Canvas();
    FillRectWithColor(c, Rect(0, 0, Width(), Height()), clWhite);
    Gradients(c);
    Faces(c);
    Progress(c);
    Shapes(c);
  }

 private:
  static void Gradients(TCanvas& c) {
    DrawGradientRect(c, clNavy, clAqua, 64, Rect(10, 10, 110, 30), true);
    DrawGradientRect(c, clMaroon, clYellow, 64, Rect(120, 10, 140, 60), false);
    DrawCellBackground(c, Rect(150, 10, 250, 30), {clRed});
    DrawCellBackground(c, Rect(150, 40, 250, 60), {0xF5D8C0, 0xE0A57D, 0xD68759, 0xF3E3D7, true, clNavy});
    DrawCellBackground(c, Rect(260, 10, 360, 30), {clLime, clGreen, clGreen, clLime, false, clBlack, true});
    TRoundedFaceColors face{0xFFF4E3, 0xFFE9CC, 0xFFDCB3, 0xFFF1E0, clWhite, 0xE0C8A8, 0x9C6B3F, 0xC8A078, clWhite};
    for (int ends = 0; ends < 4; ++ends) DrawRoundedGradientFace(c, face, Rect(370 + ends * 60, 10, 425 + ends * 60, 34), ends);
  }

  static void Faces(TCanvas& c) {
    TColorTones tones;
    tones.Background = {0xF5F5F5, 0x808080, clBlack};
    tones.Hover = {0xFFE0C0, 0xC08040, clBlack};
    tones.Selected = {0xE0B080, 0x804000, clBlack};
    tones.Disabled = {0xE0E0E0, 0xC0C0C0, clGray};
    for (int look = 0; look < 4; ++look)
      for (int state = 0; state < 4; ++state) {
        const int x = 10 + state * 150, y = 70 + look * 28;
        DrawPushButtonFace(c, 0, Rect(x, y, x + 40, y + 22), look, state, tones);
        DrawComboButton(c, 0, Rect(x + 45, y, x + 105, y + 22), look, state, tones);
        DrawSpinButtons(c, 0, Rect(x + 110, y, x + 140, y + 24), look, state, tones);
      }
  }

  static void Progress(TCanvas& c) {
    for (int i = 0; i < 4; ++i) {
      TProgressBarValues bar;
      bar.Rect = Rect(12, 192 + i * 22, 152, 208 + i * 22);
      bar.Position = i * 50;
      bar.BorderColor = i % 2 ? clBlack : clNone;
      DrawProgressBar(c, bar);
    }
    TProgressDrawInfo info;
    info.Level0ColorTo = 0xE1FFE1;
    info.Level1ColorTo = 0xCAFFFF;
    info.Level2Color = 0x53A9FF;
    info.Level2ColorTo = 0xA8D3FF;
    info.Level3ColorTo = 0xCACAFF;
    info.UnCompleteColor = clWhite;
    info.ShowBorder = true;
    info.ShowPercentage = true;
    const int levels[] = {40, 75, 95, 100};
    for (int i = 0; i < 4; ++i) {
      info.ShowGradient = i % 2 == 1;
      DrawProgressBarEx(c, Rect(170, 190 + i * 22, 330, 206 + i * 22), levels[i], info);
      info.Stacked = true;
      DrawProgressBarEx(c, Rect(340, 190 + i * 22, 500, 206 + i * 22), levels[i], info);
      info.Stacked = false;
      info.CompletionSmooth = false;
      DrawProgressBarEx(c, Rect(510, 190 + i * 22, 640, 206 + i * 22), levels[i], info);
      info.CompletionSmooth = true;
    }
    info.Vertical = true;
    info.ShowGradient = true;
    DrawProgressBarEx(c, Rect(650, 190, 672, 276), 60, info);
    for (int i = 0; i < 5; ++i) {
      c.Brush()->SetStyle(bsSolid);
      c.Brush()->SetColor(clWhite);  // the cell's brush fills the circle
      DrawProgressPie(c, Rect(10 + i * 40, 290, 40 + i * 40, 320), clGreen, i * 25, false);
    }
    const double values[] = {-100, -40, 0, 40, 100};
    for (int i = 0; i < 5; ++i)
      DrawCenteredValueBar(c, Rect(220 + i * 90, 290, 300 + i * 90, 312), values[i], 100, true, clRed, clGreen);
  }

  static void Shapes(TCanvas& c) {
    for (int s = 0; s < EnumCount<TCellShape>(); ++s)
      DrawCellShape(c, 10 + s * 34, 335, 28, 20, static_cast<TCellShape>(s), clYellow, clNavy);
  }
};

TEST(DrawingSnapshot, GradientsFacesProgressAndShapesRender) {
  TForm form(nullptr);
  form.SetCaption(u"Drawing");
  form.SetBorderStyle(bsDialog);
  form.SetClientWidth(680);
  form.SetClientHeight(370);
  auto* sheet = new TDrawingSheet(&form);
  sheet->SetParent(&form);
  sheet->SetBounds(0, 0, 680, 370);

  const TPixelBuffer px = testsupport::RenderSnapshot(form, "drawing.png");
  ASSERT_FALSE(px.Empty());
  EXPECT_EQ(px.Pixel(10, 20), clNavy) << "the gradient starts at From";
  EXPECT_EQ(px.Pixel(109, 20), clAqua) << "and ends at To";
  EXPECT_EQ(px.Pixel(200, 20), clRed) << "solid background";
  EXPECT_EQ(px.Pixel(260, 20), clBlack) << "side line";
  EXPECT_EQ(px.Pixel(370, 10), clWhite) << "outer corner of a rounded end";
  EXPECT_EQ(px.Pixel(166, 160), 0xFFE0C0) << "custom hot push face";
  EXPECT_EQ(px.Pixel(12, 75), ColorToRGB(clBtnFace)) << "the themed look draws classic";
  EXPECT_EQ(px.Pixel(20 + 300 + 1, 290 + 1), clWhite) << "pie corner outside the circle";
  EXPECT_EQ(px.Pixel(25 + 80 + 8, 305 - 8), clGreen) << "half pie, right side";
  EXPECT_EQ(px.Pixel(25 + 80 - 8, 305 - 8), clWhite) << "half pie, left side";
}

}  // namespace
