// Layered windows: what a person sees of a window drawn from a picture with
// its own alpha, under a constant alpha (a PNG of the window keeps the alpha).
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/gui/Bitmap.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/LayeredWindow.h"
#include "platform/gui/Snapshot.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/TempDir.h"

namespace {
struct Rgba {
  int B, G, R, A;
};

Rgba At(const TPixelBuffer& Px, int X, int Y) {
  const std::uint8_t* p = Px.Row(Y) + static_cast<size_t>(X) * Px.BytesPerPixel;
  return {p[0], p[1], p[2], Px.BytesPerPixel == 4 ? p[3] : 255};
}

// Each channel within one step of rounding of the expected one.
void ExpectNear(const Rgba& Got, const Rgba& Want, const char* What) {
  EXPECT_LE(std::abs(Got.B - Want.B), 2) << What << " blue " << Got.B;
  EXPECT_LE(std::abs(Got.G - Want.G), 2) << What << " green " << Got.G;
  EXPECT_LE(std::abs(Got.R - Want.R), 2) << What << " red " << Got.R;
  EXPECT_LE(std::abs(Got.A - Want.A), 1) << What << " alpha " << Got.A;
}

// A 30 x 10 picture: opaque blue | half-covered orange (premultiplied) | clear.
std::unique_ptr<TBitmap> Picture() {
  auto b = std::make_unique<TBitmap>(30, 10);
  b->SetPixelFormat(pf32bit);
  for (int y = 0; y < 10; ++y) {
    std::uint8_t* row = b->ScanLine(y);
    for (int x = 0; x < 30; ++x) {
      std::uint8_t* p = row + x * 4;
      const Rgba c = x < 10 ? Rgba{255, 0, 0, 255} : x < 20 ? Rgba{0, 64, 128, 128} : Rgba{0, 0, 0, 0};
      p[0] = static_cast<std::uint8_t>(c.B), p[1] = static_cast<std::uint8_t>(c.G);
      p[2] = static_cast<std::uint8_t>(c.R), p[3] = static_cast<std::uint8_t>(c.A);
    }
  }
  return b;
}

TPixelBuffer Rendered(TControl& Window) {
  testsupport::TempDir dir;
  const String file = Utf8ToString((dir / "layered.png").string());
  EXPECT_TRUE(platform::RenderToPng(Window, file));
  TPngImage png;
  png.LoadFromFile(file);
  return png.Bitmap().Pixels();
}

TEST(LayeredWindow, PerPixelAlphaUnderAConstantAlphaBlendsAsGiven) {
  TForm glow(nullptr);
  glow.SetBorderStyle(bsNone);
  const auto picture = Picture();
  const TPoint to = Point(100, 120);
  const TSize size{30, 10};
  const TPoint from{0, 0};
  BLENDFUNCTION blend;
  blend.SourceConstantAlpha = 230;
  blend.AlphaFormat = AC_SRC_ALPHA;
  ASSERT_TRUE(UpdateLayeredWindow(glow.Handle(), &to, &size, picture.get(), &from, clNone, &blend, ULW_ALPHA));
  EXPECT_EQ(glow.BoundsRect(), Rect(100, 120, 130, 130));
  const TPixelBuffer px = Rendered(glow);
  ASSERT_EQ(px.Width, 30);
  ASSERT_EQ(px.BytesPerPixel, 4);
  // Alpha 255 x 230/255; the half-covered pixel 128 x 230/255; its colour
  // un-premultiplied is 128/128 of orange's 255 red and 127 green.
  ExpectNear(At(px, 5, 5), {255, 0, 0, 230}, "opaque");
  ExpectNear(At(px, 15, 5), {0, 128, 255, 115}, "half");
  EXPECT_EQ(At(px, 25, 5).A, 0) << "clear";
}

TEST(LayeredWindow, AConstantAlphaAloneFadesWhatTheWindowPaints) {
  TForm faded(nullptr);
  faded.SetBorderStyle(bsNone);
  faded.SetBounds(10, 10, 20, 20);
  faded.SetColor(clRed);
  ASSERT_TRUE(SetLayeredWindowAttributes(faded.Handle(), clNone, 128, LWA_ALPHA));
  const TPixelBuffer px = Rendered(faded);
  ExpectNear(At(px, 10, 10), {0, 0, 255, 128}, "faded red");
}

TEST(LayeredWindow, RefusesWhatItCannotShow) {
  TForm w(nullptr);
  TBitmap rgb(10, 10);
  rgb.SetPixelFormat(pf24bit);
  const auto picture = Picture();
  BLENDFUNCTION blend;
  blend.AlphaFormat = AC_SRC_ALPHA;
  const TSize tooBig{40, 10};
  const TPoint off{5, 0};
  const TSize size{30, 10};
  EXPECT_FALSE(UpdateLayeredWindow(w.Handle(), nullptr, nullptr, &rgb, nullptr, clNone, &blend, ULW_ALPHA));
  EXPECT_FALSE(UpdateLayeredWindow(w.Handle(), nullptr, &tooBig, picture.get(), nullptr, clNone, &blend, ULW_ALPHA));
  EXPECT_FALSE(UpdateLayeredWindow(w.Handle(), nullptr, &size, picture.get(), &off, clNone, &blend, ULW_ALPHA));
  EXPECT_FALSE(UpdateLayeredWindow(w.Handle(), nullptr, &size, nullptr, nullptr, clNone, &blend, ULW_ALPHA));
  EXPECT_FALSE(UpdateLayeredWindow(0, nullptr, &size, picture.get(), nullptr, clNone, &blend, ULW_ALPHA));
  EXPECT_FALSE(SetLayeredWindowAttributes(w.Handle(), clFuchsia, 0, LWA_COLORKEY));
  // Without per-pixel alpha a 24-bit picture shows opaque.
  const TSize small{10, 10};
  EXPECT_TRUE(UpdateLayeredWindow(w.Handle(), nullptr, &small, &rgb, nullptr, clNone, nullptr, ULW_OPAQUE));
  EXPECT_EQ(w.Width(), 10);
}
}  // namespace
