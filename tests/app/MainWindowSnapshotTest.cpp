#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "tests/app/ProgramFixture.h"

namespace {
// The main window at start as a PNG, with a few places sampled. Set
// GX_SNAPSHOT_DIR to keep the picture for a look.
TEST(MainWindowSnapshot, TheWindowAtStartLooksAsLaidOut) {
  testsupport::ProgramFixture P;
  const char* Keep = std::getenv("GX_SNAPSHOT_DIR");
  const std::filesystem::path File =
      (Keep ? std::filesystem::path(Keep) : P.Dir.Path()) / "MainWindow.png";
  ASSERT_TRUE(platform::RenderToPng(*P.Main, S(File.string())));
  TPngImage Png;
  Png.LoadFromFile(S(File.string()));
  ASSERT_EQ(Png.Width(), 694);
  ASSERT_EQ(Png.Height(), 484);
  const TPixelBuffer& Px = Png.Bitmap().Pixels();
  EXPECT_EQ(Px.Pixel(600, 250), RGB(248, 247, 237));  // the window's colour right of the steps
  EXPECT_EQ(Px.Pixel(300, 70), clSilver);             // the frame around the configuration labels
  EXPECT_EQ(Px.Pixel(300, 105), clSilver);
}
}  // namespace
