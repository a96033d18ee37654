// The focus glow's parts: blur kernel and blur, the alpha mask, the mask
// shape, the glow window; and the move-arrow windows.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "grid/base/ArrowWindow.h"
#include "grid/base/GlowBlur.h"
#include "grid/base/GridAlphaMask.h"
#include "grid/base/GridFocusWindow.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Region.h"
#include "platform/gui/WindowStyles.h"
#include "platform/sys/Exceptions.h"

namespace {

std::unique_ptr<TBitmap> Filled(int W, int H, TColor Color, TPixelFormat Format = pf24bit) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(Format);
  b->SetSize(W, H);
  b->Canvas()->Brush()->SetColor(Color);
  b->Canvas()->FillRect(Rect(0, 0, W, H));
  return b;
}

std::vector<std::uint8_t> Row(const TBitmap& B, int Y) {
  const std::uint8_t* p = B.ScanLine(Y);
  return {p, p + B.Width() * 3};
}

std::vector<std::uint8_t> Column(const TBitmap& B, int X) {
  std::vector<std::uint8_t> out;
  for (int y = 0; y < B.Height(); ++y) out.insert(out.end(), B.ScanLine(y) + X * 3, B.ScanLine(y) + X * 3 + 3);
  return out;
}

TEST(GlowBlur, KernelSizesAndWeights) {
  const struct {
    double radius;
    int size;
  } cases[] = {{3.0, 8}, {1.0, 2}, {5.0, 9}};
  for (const auto& k : cases) {
    const TBlurKernel kernel = BuildBlurKernel(k.radius);
    EXPECT_EQ(kernel.Size, k.size) << k.radius;
    double sum = 0;
    for (int i = -kernel.Size; i <= kernel.Size; ++i) sum += kernel.Weight(i);
    EXPECT_NEAR(sum, 1.0, 1e-6) << k.radius;
  }
}

TEST(GlowBlur, WhiteStaysWhiteAndInteriorLinesCopyLine15) {
  auto white = Filled(60, 50, clWhite);
  BlurBitmap(*white, 3.0);
  for (int y = 0; y < white->Height(); ++y)
    for (std::uint8_t v : Row(*white, y)) ASSERT_EQ(v, 255) << "row " << y;

  // A rounded outline: the interior rows and columns come out as row and column 15.
  TBitmap mask;
  DrawRoundRectMask(mask, 80, 70, 4, 5, 3.0);
  for (int y = 21; y < 70 - 20; ++y) EXPECT_EQ(Row(mask, y), Row(mask, 15)) << y;
  for (int x = 21; x < 80 - 20; ++x) EXPECT_EQ(Column(mask, x), Column(mask, 15)) << x;
  EXPECT_GT(mask.ScanLine(3)[40 * 3], 0);     // the blurred outline near the top edge
  EXPECT_LT(mask.ScanLine(3)[40 * 3], 255);
}

TEST(GlowBlur, BadInput) {
  auto wide = Filled(30, 30, clWhite, pf32bit);
  try {
    BlurBitmap(*wide, 3.0);
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), u"Blur only works for 24-bit bitmaps");
  }
  EXPECT_THROW(BlurBitmap(*wide, 0), Exception);  // the format is checked first
  // A radius that is no positive number leaves the bitmap as it is.
  for (double radius : {0.0, -2.0, std::numeric_limits<double>::quiet_NaN()}) {
    auto b = Filled(30, 30, clBlack);
    b->Canvas()->SetPixels(10, 10, clWhite);
    BlurBitmap(*b, radius);
    EXPECT_EQ(b->Canvas()->Pixels(10, 10), clWhite) << radius;
    EXPECT_EQ(b->Canvas()->Pixels(11, 10), clBlack) << radius;
  }
}

TEST(GridAlphaMask, MergeMaskPremultipliesByTheMasksRed) {
  auto color = Filled(4, 3, RGB(0xFD, 0xD3, 0x97));
  auto mask = Filled(4, 3, RGB(128, 7, 9));
  TGridAlphaMask m;
  m.MergeMask(*mask, *color, clNone);
  ASSERT_EQ(m.Width(), 4);
  ASSERT_EQ(m.Height(), 3);
  const std::uint8_t* p = m.ScanLine(2) + 3 * 4;
  EXPECT_EQ(p[0], 76);   // round(0x97 x 128 / 255)
  EXPECT_EQ(p[1], 106);  // round(0xD3 x 128 / 255)
  EXPECT_EQ(p[2], 127);  // round(0xFD x 128 / 255)
  EXPECT_EQ(p[3], 128);
  EXPECT_EQ(m.PixelFormat(), pf32bit);
}

// A mask smaller than the picture, or not 24-bit, leaves the alpha mask as
// it is, as a picture that is not 24-bit does.
TEST(GridAlphaMask, UnfitMasksAndPicturesChangeNothing) {
  struct Case {
    const char* what;
    std::unique_ptr<TBitmap> mask;
    std::unique_ptr<TBitmap> picture;
  };
  Case cases[] = {
      {"smaller mask", Filled(2, 2, clWhite), Filled(4, 3, clRed)},
      {"32-bit mask", Filled(4, 3, clWhite, pf32bit), Filled(4, 3, clRed)},
      {"32-bit picture", Filled(4, 3, clWhite), Filled(4, 3, clRed, pf32bit)},
  };
  for (Case& k : cases) {
    TGridAlphaMask m;
    m.SetSize(1, 1);
    m.ScanLine(0)[3] = 77;
    m.MergeMask(*k.mask, *k.picture, clNone);
    EXPECT_EQ(m.Width(), 1) << k.what;
    EXPECT_EQ(m.ScanLine(0)[3], 77) << k.what;
  }
}

TEST(GridAlphaMask, AssignTakesTheSourcesSizeOpacityAndPixels) {
  TGridAlphaMask source;
  source.SetSize(5, 2);
  source.SetOpacity(230);
  source.ScanLine(1)[4 * 4 + 3] = 99;
  TGridAlphaMask copy;
  copy.SetSize(2, 7);
  copy.Assign(source);
  EXPECT_EQ(copy.Width(), 5);
  EXPECT_EQ(copy.Height(), 2);
  EXPECT_EQ(copy.Opacity(), 230);
  EXPECT_EQ(copy.ScanLine(1)[4 * 4 + 3], 99);
  TGridAlphaMask fromBitmap;
  fromBitmap.Assign(*Filled(3, 3, clRed));
  EXPECT_EQ(fromBitmap.PixelFormat(), pf32bit);
  EXPECT_EQ(fromBitmap.Width(), 3);
}

TEST(GridAlphaMask, RoundRectMaskFilledAndUnblurred) {
  TBitmap b;
  DrawRoundRectMask(b, 40, 30, 0, 5, 0);
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  ASSERT_EQ(b.Width(), 40);
  ASSERT_EQ(b.Height(), 30);
  TCanvas& c = *b.Canvas();
  const struct {
    int x, y;
    TColor want;
  } pixels[] = {{20, 15, clWhite}, {2, 15, clWhite},  {1, 15, clBlack},  {37, 15, clWhite},
                {38, 15, clBlack}, {20, 2, clWhite},  {20, 1, clBlack},  {20, 27, clWhite},
                {20, 28, clBlack}, {2, 2, clBlack},   {37, 27, clBlack}, {0, 0, clBlack}};
  for (const auto& p : pixels) EXPECT_EQ(c.Pixels(p.x, p.y), p.want) << p.x << "," << p.y;
}

TEST(GridFocusWindow, AChildThatTakesNoFocusOrInput) {
  TGridFocusWindow w(nullptr);
  TCreateParams params;
  w.CreateParams(params);
  EXPECT_EQ(params.Style, WS_CHILD | WS_DISABLED);
  EXPECT_EQ(params.ExStyle, 0u);
  EXPECT_EQ(w.Width(), 0);
  EXPECT_EQ(w.Height(), 0);
  EXPECT_EQ(w.Color(), static_cast<TColor>(0x0000FF));
  EXPECT_FALSE(w.Visible());
  EXPECT_FALSE(w.CanFocus());
  EXPECT_FALSE(w.Enabled());
}

TEST(ArrowWindow, FourShapedLimePopUps) {
  std::unique_ptr<TForm> form(new TForm(nullptr));
  form->SetBounds(0, 0, 200, 200);
  form->Show();
  const struct {
    TArrowDirection dir;
    TPoint inside, outside;
  } cases[] = {{arrUp, {5, 2}, {1, 1}}, {arrDown, {5, 6}, {1, 7}}, {arrLeft, {6, 5}, {7, 1}}, {arrRight, {2, 5}, {1, 1}}};
  for (const auto& k : cases) {
    auto* a = new TArrowWindow(form.get());
    a->Init(form.get(), k.dir);
    EXPECT_EQ(a->Parent(), form.get());
    EXPECT_EQ(a->Color(), static_cast<TColor>(0x00FF00));
    EXPECT_FALSE(a->Visible());
    TCreateParams params;
    a->CreateParams(params);
    EXPECT_EQ(params.Style, WS_POPUP);
    const HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(a->Handle(), rgn), RGN_ERROR);
    EXPECT_EQ(*RegionOf(rgn), TRegion::Polygon(a->Arrow(), WINDING));
    EXPECT_TRUE(PtInRegion(rgn, k.inside.X, k.inside.Y));
    EXPECT_FALSE(PtInRegion(rgn, k.outside.X, k.outside.Y));
    DeleteObject(rgn);
  }
}

}  // namespace
