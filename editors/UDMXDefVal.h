#pragma once
// The DMX default values: the level (0 to 255) the gateway outputs on every
// DMX channel at start, with a free mnemonic per channel, kept in
// DMX_Default_Values.xml. The channel count comes from ParGen.xml.
#include "app/ConfWindow.h"

class TAdvColumnGrid;
class TLbButton;

inline constexpr int DMX_Default_Channels = 512;
inline constexpr int DMX_Most_Channels = 65536;

class TFDMXDefVal : public TFConfWindow {
 public:
  TFDMXDefVal(TComponent* AOwner, TProgramState& AState);
  void Set_Lang() override;

  // True when every channel's level is 0 to 255; otherwise one error box
  // and false.
  bool Controllo_dati();

  TAdvColumnGrid* ACG_DMX_Def_Val;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;

 private:
  void FormShow();
  void Btn_OKClick();
};

// The channel count a DMX_Num_Channels text asks for: an integer from 1 to
// DMX_Most_Channels, else DMX_Default_Channels.
int DMX_Channel_Count(const String& Text);
