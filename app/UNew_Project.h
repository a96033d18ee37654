#pragma once
// The New configuration window: creates PROJECTS/<name> with its bin folder
// and makes it the open configuration.
#include "app/ConfWindow.h"

class TFNew_Project : public TFConfWindow {
 public:
  TFNew_Project(TComponent* AOwner, TProgramState& AState);
  void Set_Lang() override;

  TLabel* Label1;
  TEdit* E_New_Proj;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;

 private:
  void FormShow();
  void Btn_OKClick();
  void E_New_ProjKeyPress(Char& Key);
};

// A name that is not one folder name: it would leave PROJECTS or name
// PROJECTS itself ("/", "\\" or NUL inside, "." or "..").
bool Unsafe_Project_Name(const String& Name);

// The Texts index of the error for a new configuration name, or 0 when the
// name may be created: empty (107), a path rather than one folder name
// (105), or an existing folder of Projects_Dir (106).
int New_Project_Name_Error(const String& Projects_Dir, const String& Name);
