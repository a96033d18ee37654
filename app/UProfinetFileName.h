#pragma once
// The PROFINET file-name window: builds the name of the GSDML file from its
// fixed parts (the date of program start among them) and the user's part.
#include "app/ConfWindow.h"

class TLbButton;

class TFProfinetFileName : public TFConfWindow {
 public:
  TFProfinetFileName(TComponent* AOwner, TProgramState& AState);
  void Set_Lang() override;

  // The file name built on OK; the main window reads it.
  String Name_File_XML;

  TLabel* Label1;
  TLabel* Label2;
  TLabel* L_XML_Fix1;
  TLabel* Label4;
  TEdit* E_XML_User;
  TLabel* Label5;
  TLabel* L_XML_Fix2;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;

 protected:
  void FormCreate() override;

 private:
  void Btn_OKClick();
};
