#include <gtest/gtest.h>

#include <cstdlib>

#include "controls/button/LbButton.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "tests/app/Golden.h"
#include "tests/editors/BACnetFixture.h"

namespace {
// The EDE import dialog on a fixture file and the BACnet read table with
// the rows it imported, as PNGs. Set GX_SNAPSHOT_DIR to keep them for a look.
class BACnetAccessSnapshot : public testsupport::BACnetFixture {};

TEST_F(BACnetAccessSnapshot, TheImportDialogAndTheImportedRows) {
  const char* Keep = std::getenv("GX_SNAPSHOT_DIR");
  const std::filesystem::path Dir = Keep ? std::filesystem::path(Keep) : P.Dir.Path();
  const std::filesystem::path Dialog_File = Dir / "ImportEDEFileDialog.png", Window_File = Dir / "BACnetAccessWindow.png";
  Show([&] {
    Import(golden::Data("ede") / "line7" / "input.csv", [&] {
      EXPECT_TRUE(platform::RenderToPng(D(), S(Dialog_File.string())));
      Import_OK("192.168.1.20");
    });
    EXPECT_TRUE(platform::RenderToPng(W(), S(Window_File.string())));
    W().Close();
  });
  TPngImage Png;
  Png.LoadFromFile(S(Window_File.string()));
  ASSERT_EQ(Png.Width(), 1305);
  const TPixelBuffer& Px = Png.Bitmap().Pixels();
  // The Object Type cell of row 1 in its column's colour.
  const TRect Cell = Read().CellRect(3, 1);
  const TPoint Grid = Read().ClientToScreen(TPoint{0, 0});
  const TPoint Form = W().ClientToScreen(TPoint{0, 0});
  EXPECT_EQ(Px.Pixel(Grid.X - Form.X + Cell.Right - 3, Grid.Y - Form.Y + Cell.Top + 3), 0x00FEFAE0);
  Png.LoadFromFile(S(Dialog_File.string()));
  EXPECT_EQ(Png.Width(), 863);
  EXPECT_EQ(Png.Height(), 337);
}
}  // namespace
