#pragma once
// The DALI access table: which of the 64 DALI devices the gateway serves.
// Only the Enable column reaches DALI_Access.xml; the further device
// columns, the group grid, the byte labels and the map export are built but
// hidden in this product.
#include <array>

#include "app/ConfWindow.h"

class TAdvColumnGrid;
class TLbButton;
class TMenuItem;
class TPopupMenu;
class TSaveDialog;

inline constexpr int DALI_Device_Count = 64;
// The items of the two list columns, in menu order.
inline constexpr StringView Dimming_Modes[] = {u"Normal", u"Start Break"};
inline constexpr StringView Recall_Levels[] = {u"None", u"Recall Min-Max Level for Switch",
                                               u"Recall Old Value Level for Switch"};

class TFDALI_Access : public TFConfWindow {
 public:
  TFDALI_Access(TComponent* AOwner, TProgramState& AState);
  void Set_Lang() override;
  // The validation hook of the window cycle: every combination is accepted.
  bool Controllo_dati() { return true; }

  // Each writes its item's value into its column's data rows: the device
  // grid's for the plain menus, the group grid's for the GB_ ones.
  void DimmingModeClick(TObject* Sender);
  void MinMaxValueClick(TObject* Sender);
  void RecallLevelClick(TObject* Sender);
  // The byte map of the enabled devices as a CSV file (hidden button).
  void Btn_DALI_MapsClick();
  // The group panel keeps a height of 30 or more.
  bool PDaliGroupBroadCanResize(int& NewHeight) const;

  TLabel* L_NBI_Title;
  TLabel* L_NBI_Value;
  TLabel* L_NBO_Title;
  TLabel* L_NBO_Value;
  TPanel* PDALI;
  TPanel* PDaliDevice;
  TAdvColumnGrid* ACG_DALI_Device;
  TPanel* Splitter1;
  TPanel* PDaliGroupBroad;
  TAdvColumnGrid* ACG_DALI_GroupBroad;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
  TLbButton* Btn_SelectAll;
  TLbButton* Btn_ClearAll;
  TLbButton* Btn_DALI_Maps;
  TSaveDialog* SD_DALI_Maps;
  TPopupMenu* PM_Dimming_Mode;
  TPopupMenu* PM_MinMax_Value;
  TPopupMenu* PM_Recall_Level;
  TPopupMenu* PM_DimMode_GB;
  TPopupMenu* PM_MinMax_GB;
  TPopupMenu* PM_Recall_GB;

 protected:
  void FormCreate() override;

 private:
  void Create_Device_Grid();
  void Create_Group_Grid();
  void Create_Buttons();
  void Create_Menus();
  struct TMenuLine {
    StringView Name;
    StringView Caption;
  };
  TPopupMenu* Place_Menu(StringView Name, StringView Prefix, std::initializer_list<TMenuLine> Items,
                         void (TFDALI_Access::*Handler)(TObject*));
  void Init_Form_Type();

  // The cycle: loading, saving, the two bulk buttons.
  void FormShow();
  void Btn_OKClick();
  void Set_All_Enable(const String& Value);
  // The menu handlers' common step: the item's value into the item's column.
  void Fill_From_Menu(TObject* Sender, std::initializer_list<StringView> Values, int Device_Col, int Group_Col);
};

// Start Break, or Normal for any other text.
String Check_Dimming_mode(const String& Text);
// One of the two recall texts, or None for any other text.
String Check_ReCall_Level(const String& Text);
