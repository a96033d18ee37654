#pragma once
// The EDE import dialog of the BACnet window: the objects of an EDE file
// with their Import, Read and Write choices, and the device's address.
// Keeps the language of start-up.
#include <vector>

#include "app/ConfWindow.h"
#include "editors/EdeFile.h"

class TAdvColumnGrid;
class TEdit;
class TLbButton;

class TFImportEDEFile : public TFConfWindow {
 public:
  TFImportEDEFile(TComponent* AOwner, TProgramState& AState);
  void Set_Lang() override;

  // The device's address as typed.
  String Address() const;

  void ACGCheckBoxClick(int ACol, int ARow);
  void Btn_Select_AllClick() { Select_All(true); }
  void Btn_Unselect_AllClick() { Select_All(false); }
  void Btn_OKClick();

  TPanel* P_ID_IP;
  TLabel* LID_IP;
  TEdit* E_ID_IP;
  TAdvColumnGrid* ACG;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
  TLbButton* Btn_Select_All;
  TLbButton* Btn_Unselect_All;

  String EDE_File;
  std::vector<TBACnet_Var> List_EDE_Var;
  int App_BACnet_Type = 0;

 private:
  void Create_Grid();
  void FormShow();
  void Show_Data_in_Grid();
  void Select_All(bool Import);
};
