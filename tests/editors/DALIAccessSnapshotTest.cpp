#include <gtest/gtest.h>

#include <cstdlib>

#include "editors/UDALI_Access.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "tests/app/ProgramFixture.h"

namespace {
// The DALI access window with devices 0, 2 and 5 enabled, as a PNG.
// Set GX_SNAPSHOT_DIR to keep the picture for a look.
TEST(DALIAccessSnapshot, AFewDevicesEnabled) {
  testsupport::ProgramFixture P;
  std::filesystem::create_directories(P.Project("Plant"));
  P.State->Project_Name = u"Plant";
  P.State->Project_Path = S(P.Project("Plant").string());
  P.State->Set_Files();
  testsupport::WriteFile(P.Project("Plant") / "DALI_Access.xml",
                         "<DALI_Access><DALI_ID_DEVICE_0>1</DALI_ID_DEVICE_0><DALI_ID_DEVICE_2>1</DALI_ID_DEVICE_2>"
                         "<DALI_ID_DEVICE_5>1</DALI_ID_DEVICE_5></DALI_Access>");
  const char* Keep = std::getenv("GX_SNAPSHOT_DIR");
  const std::filesystem::path File = (Keep ? std::filesystem::path(Keep) : P.Dir.Path()) / "DALIAccessWindow.png";
  auto& Window = dynamic_cast<TFDALI_Access&>(*P.Main->Windows.FDALI_Access);
  P.Input.WhenModal([&] {
    EXPECT_TRUE(platform::RenderToPng(Window, S(File.string())));
    Window.Close();
  });
  P.Click(u"Btn_DALI_Access");
  TPngImage Png;
  Png.LoadFromFile(S(File.string()));
  ASSERT_EQ(Png.Width(), 880);
  ASSERT_EQ(Png.Height(), 496);
  const TPixelBuffer& Px = Png.Bitmap().Pixels();
  EXPECT_EQ(Px.Pixel(600, 20), RGB(248, 247, 237));  // the title panel in the window's colour
  // Past the two shown columns the grid shows no further column.
  const TRect Enable = Window.ACG_DALI_Device->CellRect(1, 1);
  const TPoint Grid = Window.ACG_DALI_Device->ClientToScreen(TPoint{0, 0});
  const TPoint Form = Window.ClientToScreen(TPoint{0, 0});
  const int Y = Grid.Y - Form.Y + (Enable.Top + Enable.Bottom) / 2;
  EXPECT_EQ(Px.Pixel(Grid.X - Form.X + Enable.Right + 100, Y), Px.Pixel(Grid.X - Form.X + Enable.Right + 300, Y));
  // The grid's outer frame: one line in the look's border colour.
  const TAdvColumnGrid& Devices = *Window.ACG_DALI_Device;
  const TPoint Edge = Devices.Parent()->ClientToScreen(TPoint{Devices.Left(), Devices.Top() + Devices.Height() / 2});
  EXPECT_EQ(Devices.Look(), glXP);
  EXPECT_EQ(Px.Pixel(Edge.X - Form.X, Edge.Y - Form.Y), ColorToRGB(Devices.BorderColor()));
}
}  // namespace
