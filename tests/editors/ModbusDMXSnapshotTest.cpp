#include <gtest/gtest.h>

#include <cstdlib>

#include "editors/UDMXDefVal.h"
#include "editors/UModbus_TCP_Master_Set_Access.h"
#include "editors/USetAccess.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "tests/app/ProgramFixture.h"

namespace {
// The Modbus and DMX windows with a few rows of data, as PNGs; the colour
// of a data cell of each is checked. Set GX_SNAPSHOT_DIR to keep the
// pictures for a look.
TEST(ModbusDMXSnapshot, TheThreeWindowsWithData) {
  testsupport::ProgramFixture P;
  P.Open_Project("Plant");
  const char* Keep = std::getenv("GX_SNAPSHOT_DIR");
  const std::filesystem::path Dir = Keep ? std::filesystem::path(Keep) : P.Dir.Path();
  auto& Tcp = dynamic_cast<TFModbusAccess&>(*P.Main->Windows.FModbus_TCP_Master_Set_Access);
  auto& Serial = dynamic_cast<TFModbusAccess&>(*P.Main->Windows.FSetAccess);
  auto& Dmx = dynamic_cast<TFDMXDefVal&>(*P.Main->Windows.FDMXDefVal);
  const auto Fill = [](TAdvColumnGrid& Grid, std::initializer_list<const char*> Cells) {
    for (int Row = 1; Row <= 3; ++Row) {
      int Col = 1;
      for (const char* Text : Cells) Grid.SetCellEx(Col++, Row, S(Text));
    }
    Grid.SetCellEx(1, 2, u"N");  // row 3 is neither disabled nor current
  };
  const auto Snap = [&](TForm& Window, TAdvColumnGrid& Grid, int Col, const char* Name, TColor Expected) {
    const std::filesystem::path File = Dir / Name;
    ASSERT_TRUE(platform::RenderToPng(Window, S(File.string())));
    TPngImage Png;
    Png.LoadFromFile(S(File.string()));
    const TRect Cell = Grid.CellRect(Grid.DisplColIndex(Col), 3);
    const TPoint At = Grid.ClientToScreen(TPoint{Cell.Right - 3, Cell.Top + 3});
    const TPoint Form = Window.ClientToScreen(TPoint{0, 0});
    EXPECT_EQ(Png.Bitmap().Pixels().Pixel(At.X - Form.X, At.Y - Form.Y), Expected) << Name;
  };
  P.Input.WhenModal([&] {
    Fill(*Tcp.ACG_Modbus_Read, {"Y", "192.168.1.20", "502", "1", "Holding Register", "100", "10", "500", "3", "0", "",
                                "Y", "boiler"});
    Snap(Tcp, *Tcp.ACG_Modbus_Read, 2, "ModbusTCPMasterWindow.png", 0x00FEFAE0);
    Tcp.Close();
  });
  P.Main->Btn_Click(P.Main->Btn_ModM_SetAccess);
  P.Input.WhenModal([&] {
    Serial.PageControl1->SetActivePage(Serial.TS_Modbus_Write);
    Fill(*Serial.ACG_Modbus_Write, {"Y", "4", "Coil Status", "1", "8", "0", "Y", "N", "0", "1538", "0", "N", "bell"});
    Snap(Serial, *Serial.ACG_Modbus_Write, 9, "ModbusSerialMasterWindow.png", 0x00A8FFA8);
    Serial.Close();
  });
  Serial.ShowModal();
  P.Input.WhenModal([&] {
    Dmx.ACG_DMX_Def_Val->SetCellEx(1, 3, u"255");
    Dmx.ACG_DMX_Def_Val->SetCellEx(2, 3, u"spot left");
    Snap(Dmx, *Dmx.ACG_DMX_Def_Val, 1, "DMXDefValWindow.png", 0x00FEFAE0);
    Dmx.Close();
  });
  P.Main->Btn_Click(P.Main->Btn_DMX_Default);
}
}  // namespace
