#include <gtest/gtest.h>

#include <cstdlib>

#include "app/UAbout.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "tests/app/ProgramFixture.h"

namespace {
// Renders Window to a PNG (kept in GX_SNAPSHOT_DIR when set) and reads it back.
const TPixelBuffer& Snapshot(TControl& Window, const testsupport::TempDir& Dir, const char* Name, TPngImage& Png) {
  const char* Keep = std::getenv("GX_SNAPSHOT_DIR");
  const std::filesystem::path File = (Keep ? std::filesystem::path(Keep) : Dir.Path()) / Name;
  EXPECT_TRUE(platform::RenderToPng(Window, S(File.string())));
  Png.LoadFromFile(S(File.string()));
  return Png.Bitmap().Pixels();
}

// The main window at start as a PNG, with a few places sampled. Set
// GX_SNAPSHOT_DIR to keep the picture for a look.
TEST(MainWindowSnapshot, TheWindowAtStartLooksAsLaidOut) {
  testsupport::ProgramFixture P;
  TPngImage Png;
  const TPixelBuffer& Px = Snapshot(*P.Main, P.Dir, "MainWindow.png", Png);
  ASSERT_EQ(Png.Width(), 694);
  ASSERT_EQ(Png.Height(), 484);
  EXPECT_EQ(Px.Pixel(600, 250), RGB(248, 247, 237));  // the window's colour right of the steps
  EXPECT_EQ(Px.Pixel(300, 70), clSilver);             // the frame around the configuration labels
  EXPECT_EQ(Px.Pixel(300, 105), clSilver);
  EXPECT_EQ(Px.Pixel(541, 35), RGB(255, 255, 255));  // the "i" of the information glyph
}

TEST(MainWindowSnapshot, TheAboutBoxShowsTheLogo) {
  testsupport::ProgramFixture P;
  TFAbout& About = *P.Main->Windows.FAbout;
  P.Input.WhenModal([&] {
    TPngImage Png;
    const TPixelBuffer& Px = Snapshot(About, P.Dir, "About.png", Png);
    EXPECT_EQ(Px.Pixel(32 + 40, 24 + 40), RGB(250, 190, 40));  // the middle of the logo
    About.Close();
  });
  P.Click(u"Btn_Info");
}
}  // namespace
