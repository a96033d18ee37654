#pragma once
// A table window's loader fed the input as its project file: the window is
// made once over a program state whose configuration is the scratch folder,
// and each input is loaded as the window's showing loads it. What it cannot
// read it must refuse with an error, never a crash.
#include <memory>

#include "app/Language.h"
#include "app/ProgramState.h"
#include "fuzz/FuzzSupport.h"
#include "platform/sys/Exceptions.h"

namespace fuzz {

template <class Window>
class WindowTarget {
 public:
  WindowTarget() : state_(ScratchFile("")) {
    StartGui();
    state_.Project_Path = ScratchFile("");
    state_.Set_Files();
    Load_Default_Texts(state_);
    window_ = std::make_unique<Window>(nullptr, state_);
  }
  TProgramState& State() { return state_; }
  Window& Form() { return *window_; }
  // False when the window refused the file.
  bool Load(const String& File, std::string_view Bytes) {
    WriteScratch(File, Bytes);
    try {
      window_->OnShow(window_.get());
      return true;
    } catch (const Exception&) {
      return false;
    }
  }

 private:
  TProgramState state_;
  std::unique_ptr<Window> window_;
};

}  // namespace fuzz
