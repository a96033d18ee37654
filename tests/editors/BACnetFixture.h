#pragma once
// The BACnet tables window and its EDE import dialog on an open
// configuration, reached through the main window's hidden BACnet step.
#include <gtest/gtest.h>

#include <functional>

#include "editors/UBACnetAccess.h"
#include "editors/UImportEDEFile.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/Application.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/SysUtils.h"
#include "shell/UCorvanoFirmWare.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/TempDir.h"

namespace testsupport {

class BACnetFixture : public ::testing::Test {
 protected:
  BACnetFixture() {
    P.Open_Project("Plant");
    Set_Type("0");
  }

  TFBACnetAccess& W() { return dynamic_cast<TFBACnetAccess&>(*P.Main->Windows.FBACnetAccess); }
  TFImportEDEFile& D() { return dynamic_cast<TFImportEDEFile&>(*P.Main->Windows.FImportEDEFile); }
  TAdvColumnGrid& Read() { return *W().ACG1; }
  TAdvColumnGrid& Write() { return *W().ACG2; }
  std::filesystem::path File() const { return P.Project("Plant") / "BACnet_Master_Access.xml"; }
  std::filesystem::path ParGen() const { return P.Project("Plant") / "ParGen.xml"; }
  // ParGen.xml with that BACnet_Type text.
  void Set_Type(const std::string& Type) {
    WriteFile(ParGen(), "<ParGen><IP_Address>1.2.3.4</IP_Address><BACnet_Type>" + Type + "</BACnet_Type></ParGen>");
  }

  // Opens the window by its (hidden) step and runs Action in it; Action must
  // close it. Answers the modal result.
  TModalResult Show(const std::function<void()>& Action) {
    P.Input.WhenModal(Action);
    Click_Step();
    return W().ModalResult();
  }
  // The hidden step's click, under the trap that the window system's
  // dispatch of a real click puts around it.
  void Click_Step() {
    try {
      P.Main->Btn_Click(P.Main->Btn_Set_BACnet_Access);
    } catch (const Exception&) {
      Application->HandleException(P.Main);
    }
  }
  // Chooses File in the window's open dialog and runs Action in the import
  // dialog, which it must close.
  void Import(const std::filesystem::path& Ede, const std::function<void()>& Action) {
    P.Boxes.AnswerFile(S(Ede.string()));
    P.Input.WhenModal(Action);
    P.Input.Click(*W().Btn_Import_CSV);
  }
  // The dialog's address typed in, then OK.
  void Import_OK(const char* Address) {
    D().E_ID_IP->SetText(u"");
    P.Input.Click(*D().E_ID_IP);
    P.Input.Type(S(Address));
    P.Input.Click(*D().Btn_OK);
  }
  // A data row as shown, columns 0 onwards (hidden ones too) joined by '|'.
  static std::string Row(TAdvColumnGrid& Grid, int R) {
    std::string Shown;
    for (int Col = 0; Col < Grid.AllColCount(); ++Col) Shown += (Col ? "|" : "") + StringToUtf8(Grid.GetCellEx(Col, R));
    return Shown;
  }
  static void Set_Row(TAdvColumnGrid& Grid, int R, std::initializer_list<const char*> Cells) {
    int Col = 1;
    for (const char* Text : Cells) Grid.SetCellEx(Col++, R, S(Text));
  }
  void Click_Cell(TAdvColumnGrid& Grid, int Col, int R) {
    const int Shown = Grid.DisplColIndex(Col);
    Grid.ScrollInView(Shown, R);
    const TRect Rect = Grid.CellRect(Shown, R);
    P.Input.Click(Grid, Point((Rect.Left + Rect.Right) / 2, (Rect.Top + Rect.Bottom) / 2));
  }

  ProgramFixture P;
};

inline constexpr std::initializer_list<const char*> Good_Read_Row = {
    "Y", "192.168.0.10", "Analog Input", "5", "Present Value (85)", "4", "N", "", "", "", "1000", "0", "0", "0",
    "N", "", "m"};
inline constexpr std::initializer_list<const char*> Good_Write_Row = {
    "Y", "192.168.0.10", "Analog Output", "Real", "1", "Present Value (85)", "0", "4", "N", "", "",
    "", "N", "N", "1000", "0", "0", "0", "N", "", "m"};

}  // namespace testsupport
