#include <gtest/gtest.h>

#include <cstdlib>

#include "app/USoftOptions.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "tests/app/ProgramFixture.h"

namespace {
// The Options window on its language page with the shipped flags, as a PNG.
// Set GX_SNAPSHOT_DIR to keep the picture for a look.
TEST(OptionsWindowSnapshot, TheLanguagePageWithFlags) {
  testsupport::ProgramFixture P;
  const std::filesystem::path Shipped = std::filesystem::path(GX_TEST_DATA) / ".." / ".." / "resources" / "LANGUAGE";
  for (const char* Flag : {"English.bmp", "DefaultFlag.bmp"})
    std::filesystem::copy_file(Shipped / Flag, P.Dir.Language() / Flag);
  for (const char* Name : {"English", "Italiano", "Deutsch", "Francais", "Espanol", "Nederlands", "Polski"})
    testsupport::WriteFile(P.Dir.Language() / (std::string(Name) + ".lng"), "");
  const char* Keep = std::getenv("GX_SNAPSHOT_DIR");
  const std::filesystem::path File = (Keep ? std::filesystem::path(Keep) : P.Dir.Path()) / "OptionsWindow.png";
  TFSoftOptions& Options = *P.Main->Windows.FSoftOptions;
  P.Input.WhenModal([&] {
    EXPECT_TRUE(platform::RenderToPng(Options, S(File.string())));
    P.Input.Click(*Options.Btn_Cancel);
  });
  P.Click(u"Btn_Opz");
  TPngImage Png;
  Png.LoadFromFile(S(File.string()));
  ASSERT_EQ(Png.Width(), 509);
  ASSERT_EQ(Png.Height(), 373);
  const TPixelBuffer& Px = Png.Bitmap().Pixels();
  EXPECT_EQ(Px.Pixel(480, 20), RGB(248, 247, 237));  // the title panel in the window's colour
  // Every slot of page 1 shows a flag: no slot's middle is plain page colour.
  const TPoint Page = Options.TS_Language->ClientToScreen(TPoint{0, 0});
  const TPoint Form = Options.ClientToScreen(TPoint{0, 0});
  const TPoint Origin{Page.X - Form.X, Page.Y - Form.Y};
  for (TImage* Flag : Options.I_L) {
    ASSERT_TRUE(Flag->Visible());
    const TPoint Middle{Origin.X + Flag->Left() + 24, Origin.Y + Flag->Top() + 24};
    EXPECT_NE(Px.Pixel(Middle.X, Middle.Y), Px.Pixel(Origin.X + 200, Origin.Y + 60)) << StringToUtf8(Flag->Name());
  }
}
}  // namespace
