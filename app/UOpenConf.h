#pragma once
// The Open configuration window: lists the folders of PROJECTS and hands the
// chosen name to the main window.
#include <vector>

#include "app/ConfWindow.h"

class TFOpenConf : public TFConfWindow {
 public:
  TFOpenConf(TComponent* AOwner, TProgramState& AState);
  void Set_Lang() override;

  // Fills SL with the configuration folders, sorted by name without case.
  void Load_Existing_Configuration();
  // The index of Name in SL, letter case ignored; -1 when not listed.
  int Search_Open_Conf(const String& Name) const;

  TLabel* Label1;
  TListBox* ListBox1;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;

  // The folder names found at the last showing.
  std::vector<String> SL;
  // The chosen name, read by the main window after OK.
  String Name_Conf;

 private:
  void FormShow();
  void FormResize();
  void ListBox1Click();
  void Btn_OKClick();
};
