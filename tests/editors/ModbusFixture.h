#pragma once
// A Modbus master window on an open configuration: opened as the program
// opens it, its rows shown as text, OK answered with the one box it shows.
#include <gtest/gtest.h>

#include <functional>

#include "controls/button/LbButton.h"
#include "editors/ModbusAccessWindow.h"
#include "grid/model/AdvColumnGrid.h"
#include "platform/gui/Application.h"
#include "platform/gui/ComCtrls.h"
#include "platform/sys/Exceptions.h"
#include "platform/sys/SysUtils.h"
#include "shell/UCorvanoFirmWare.h"
#include "tests/app/Golden.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/SystemInputDriver.h"
#include "tests/support/TempDir.h"

namespace testsupport {

struct TModbusCheckCase {
  bool In_Read;
  int Col;
  const char* Value;
  int Message;              // 0 passes
  const char* Suffix = "";  // the number the message takes
  int Also_Col = 0;         // a second cell of the row, when not 0
  const char* Also_Value = "";
};

class ModbusFixture : public ::testing::Test {
 protected:
  ModbusFixture(TFConfWindow* TProgramWindows::*Slot, std::string File_Name)
      : FSlot(Slot), FFile_Name(std::move(File_Name)) {
    P.Open_Project("Plant");
  }

  TFModbusAccess& W() { return dynamic_cast<TFModbusAccess&>(*(P.Main->Windows.*FSlot)); }
  TAdvColumnGrid& Read() { return *W().ACG_Modbus_Read; }
  TAdvColumnGrid& Write() { return *W().ACG_Modbus_Write; }
  std::filesystem::path File() const { return P.Project("Plant") / FFile_Name; }

  // Opens the window as the program does and runs Action in it; Action
  // must close it. Answers the modal result.
  TModalResult Show(const std::function<void()>& Action) {
    P.Input.WhenModal(Action);
    Open();
    return W().ModalResult();
  }
  // The opening under the trap that the window system's dispatch of a real
  // click puts around it.
  void Open() {
    try {
      Open_Window();
    } catch (const Exception&) {
      Application->HandleException(P.Main);
    }
  }
  virtual void Open_Window() = 0;

  // A data row as kept, columns 0 onwards (hidden ones too) joined by '|'.
  static std::string Row(TAdvColumnGrid& Grid, int R) {
    std::string Shown;
    for (int Col = 0; Col < Grid.AllColCount(); ++Col) Shown += (Col ? "|" : "") + StringToUtf8(Grid.GetCellEx(Col, R));
    return Shown;
  }
  static void Set_Row(TAdvColumnGrid& Grid, int R, std::initializer_list<const char*> Cells) {
    int Col = 1;
    for (const char* Text : Cells) Grid.SetCellEx(Col++, R, S(Text));
  }
  // OK after Edit; answers the text of the one box it shows ("" for none)
  // and closes the window if it stayed open.
  std::string Ok_Message(const std::function<void()>& Edit) {
    const std::size_t Before = P.Boxes.Boxes().size();
    bool Stayed_Open = false;
    Show([&] {
      Edit();
      Sys.Click(*W().Btn_OK);
      Stayed_Open = W().ModalResult() == mrNone;
      if (Stayed_Open) Sys.Click(*W().Btn_Cancel);
    });
    if (P.Boxes.Boxes().size() == Before) return "";
    EXPECT_EQ(P.Boxes.Boxes().size(), Before + 1);
    EXPECT_TRUE(Stayed_Open);
    EXPECT_EQ(P.Boxes.Boxes().back().Kind, mtError);
    return StringToUtf8(P.Boxes.Boxes().back().Text);
  }
  // Each case: Prepare(In_Read), the case's cells of row R changed, OK.
  // The box must be text Row_Error_Text, R and the case's message and
  // number; the file is written exactly when the case passes.
  void Run_Check_Cases(std::initializer_list<TModbusCheckCase> Cases, int R, int Row_Error_Text,
                       const std::function<void(bool In_Read)>& Prepare) {
    for (const TModbusCheckCase& C : Cases) {
      SCOPED_TRACE(std::string(C.In_Read ? "read " : "write ") + std::to_string(C.Col) + " = \"" + C.Value + "\"");
      std::filesystem::remove(File());
      const std::string Message = Ok_Message([&] {
        Prepare(C.In_Read);
        TAdvColumnGrid& Grid = C.In_Read ? Read() : Write();
        Grid.SetCellEx(C.Col, R, S(C.Value));
        if (C.Also_Col) Grid.SetCellEx(C.Also_Col, R, S(C.Also_Value));
      });
      const std::string Expected = StringToUtf8(P.Text(Row_Error_Text)) + std::to_string(R) +
                                   StringToUtf8(P.Text(C.Message)) + C.Suffix;
      EXPECT_EQ(Message, C.Message ? Expected : "");
      EXPECT_EQ(std::filesystem::exists(File()), C.Message == 0);
    }
  }
  // Each case folder of Topic: input.xml (absent: no file) and the file OK
  // writes, which reads back the same.
  void Expect_Golden_Cases(std::string_view Topic) {
    for (const auto& Case : golden::Cases(Topic)) {
      SCOPED_TRACE(Case.filename().string());
      std::filesystem::remove(File());
      if (std::filesystem::exists(Case / "input.xml")) WriteFile(File(), ReadFile(Case / "input.xml"));
      EXPECT_EQ(Show([&] { Sys.Click(*W().Btn_OK); }), mrOk);
      golden::ExpectSameText(ReadFile(File()), Case / "expected.xml");
      const std::string Written = ReadFile(File());
      Show([&] { Sys.Click(*W().Btn_OK); });
      EXPECT_EQ(ReadFile(File()), Written);
    }
    EXPECT_TRUE(P.Boxes.Boxes().empty());
  }
  // The "full" input of Topic, a cell changed, Cancel: the file stays.
  void Expect_Cancel_Keeps_The_File(std::string_view Topic) {
    const std::string Before = ReadFile(golden::Data(Topic) / "full" / "input.xml");
    WriteFile(File(), Before);
    EXPECT_EQ(Show([&] {
                Write().SetCellEx(Write().AllColCount() - 1, 1, u"changed");
                Sys.Click(*W().Btn_Cancel);
              }),
              mrCancel);
    EXPECT_EQ(ReadFile(File()), Before);
  }
  // A real click on a cell (a storage column), scrolled into view first.
  void Click_Cell(TAdvColumnGrid& Grid, int Col, int R) {
    const int Shown = Grid.DisplColIndex(Col);
    Grid.ScrollInView(Shown, R);
    Sys.Pump();
    const TRect Rect = Grid.CellRect(Shown, R);
    Sys.Click(Grid, Point((Rect.Left + Rect.Right) / 2, (Rect.Top + Rect.Bottom) / 2));
  }
  void Show_Tab(bool In_Read) {
    const TRect Tab = W().PageControl1->TabRect(In_Read ? 0 : 1);
    Sys.Click(*W().PageControl1, Point((Tab.Left + Tab.Right) / 2, (Tab.Top + Tab.Bottom) / 2));
  }

  ProgramFixture P;
  SystemInputDriver Sys;

 private:
  TFConfWindow* TProgramWindows::*FSlot;
  std::string FFile_Name;
};

}  // namespace testsupport
