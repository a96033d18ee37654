#pragma once
// Base of the configurator's modal windows: the window look, the title panel
// with the software code and the window's description, and the creation
// step that every window runs once (software code, client size, Set_Lang).
#include "app/WindowLook.h"
#include "platform/gui/ExtCtrls.h"

class TProgramState;

struct TConfWindowLook {
  StringView Name;         // the window's component name
  int Caption_Text;        // Texts index of the caption
  int Desc_Text;           // Texts index of L_SW_Desc
  int Client_Width;
  int Client_Height;
  TFormBorderStyle Border;
};

class TFConfWindow : public TForm {
 public:
  // Opens the loading bracket; the derived constructor adds its components
  // and closes it with EndLoading, which runs FormCreate.
  TFConfWindow(TComponent* AOwner, TProgramState& AState, const TConfWindowLook& ALook);

  // Copies the window's texts from Texts.
  virtual void Set_Lang();

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;

 protected:
  virtual void FormCreate();
  TProgramState& State;

 private:
  TConfWindowLook FLook;
};

// Height of the title panel across the top of a window.
inline constexpr int Title_Height = 69;
