#include <gtest/gtest.h>

#include <cstdlib>

#include "editors/USNMP_Trap_Access.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "tests/app/ProgramFixture.h"

namespace {
// The SNMP tables window on its default rows with one row switched off, as
// a PNG. Set GX_SNAPSHOT_DIR to keep the picture for a look.
TEST(SNMPTrapAccessSnapshot, TheDefaultReadTable) {
  testsupport::ProgramFixture P;
  std::filesystem::create_directories(P.Project("Plant"));
  P.State->Project_Name = u"Plant";
  P.State->Project_Path = S(P.Project("Plant").string());
  P.State->Set_Files();
  const char* Keep = std::getenv("GX_SNAPSHOT_DIR");
  const std::filesystem::path File = (Keep ? std::filesystem::path(Keep) : P.Dir.Path()) / "SNMPTrapAccessWindow.png";
  auto& Window = dynamic_cast<TFSNMP_Trap_Access&>(*P.Main->Windows.FSNMP_Trap_Access);
  P.Input.WhenModal([&] {
    Window.ACG_SNMP_Read->SetCellEx(1, 2, u"N");
    TFSNMP_Trap_Access::Index_Row_Build(*Window.ACG_SNMP_Read);
    EXPECT_TRUE(platform::RenderToPng(Window, S(File.string())));
    Window.Close();
  });
  P.Click(u"Btn_SNMP_Trap");
  TPngImage Png;
  Png.LoadFromFile(S(File.string()));
  ASSERT_EQ(Png.Width(), 1256);
  ASSERT_EQ(Png.Height(), 337);
  const TPixelBuffer& Px = Png.Bitmap().Pixels();
  // The Community Name cell of row 1 in its column's colour.
  const TRect Name = Window.ACG_SNMP_Read->CellRect(2, 1);
  const TPoint Grid = Window.ACG_SNMP_Read->ClientToScreen(TPoint{0, 0});
  const TPoint Form = Window.ClientToScreen(TPoint{0, 0});
  EXPECT_EQ(Px.Pixel(Grid.X - Form.X + Name.Right - 3, Grid.Y - Form.Y + Name.Top + 3), 0x00FEFAE0);
}
}  // namespace
