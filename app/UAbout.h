#pragma once
// The About box: the software's identity with fixed texts, the maker's logo
// and web address. It takes no part in language changes.
#include "app/WindowLook.h"
#include "platform/gui/ExtCtrls.h"

class TProgramState;

class TFAbout : public TForm {
 public:
  TFAbout(TComponent* AOwner, TProgramState& AState);

  TImage* Image2;
  TImage* I_Brellis;
  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label6;
  TLabel* Label9;
  TLabel* Label3;
  TLabel* Label10;
  TLabel* Label8;
  TLabel* Label12;
  TLabel* Label4;
  TLbButton* LbButton1;

 private:
  void FormShow();
  TLabel* Fixed_Label(StringView Name, int Left, int Top, StringView Caption);
  TProgramState& State;
};
