#pragma once
// The whole program on a temporary program folder: the fifteen windows over
// one program state, driven by the input driver, with every message box
// recorded. Stop closes the main window (which saves the settings) and
// frees the windows; Start again is a restart.
#include <memory>

#include "app/ProgramState.h"
#include "platform/sys/SysUtils.h"
#include "shell/ProgramWindows.h"
#include "shell/UCorvanoFirmWare.h"
#include "tests/support/GuiTest.h"
#include "tests/support/TempDir.h"

namespace testsupport {

class ProgramFixture {
 public:
  explicit ProgramFixture(bool Start_Now = true) {
    if (Start_Now) Start();
  }
  ~ProgramFixture() { Stop(); }

  void Start() {
    State = std::make_unique<TProgramState>(S(Dir.Path().string()));
    Owner = std::make_unique<TComponent>(nullptr);
    Main = Create_Program_Windows(Owner.get(), *State);
    Main->Show();
  }
  void Stop() {
    if (Main && Main->Visible()) Main->Close();
    Main = nullptr;
    Owner.reset();
  }

  template <class T = TControl>
  T& Control(TComponent& Window, const char16_t* Name) {
    return dynamic_cast<T&>(Named(Window, Name));
  }
  template <class T = TControl>
  T& Control(const char16_t* Name) {
    return Control<T>(*Main, Name);
  }
  void Click(const char16_t* Name) { Input.Click(Control(Name)); }
  String Caption(const char16_t* Name) { return Control(Name).Caption(); }
  String Text(int Index) const { return State->Text(Index); }
  std::filesystem::path Project(std::string_view Name) const { return Dir.Projects() / Name; }
  // The program as after opening the project Name (its folder made).
  void Open_Project(std::string_view Name) {
    std::filesystem::create_directories(Project(Name));
    State->Project_Name = Utf8ToString(Name);
    State->Project_Path = S(Project(Name).string());
    State->Set_Files();
  }

  TempProgramDir Dir;
  std::unique_ptr<TProgramState> State;
  std::unique_ptr<TComponent> Owner;
  TFCorvanoFirmWare* Main = nullptr;
  InputDriver Input;
  MessageBoxResponder Boxes;
};

}  // namespace testsupport
