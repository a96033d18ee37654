#pragma once
// The Options window: the language (applied to the open windows at once),
// the internet connection and the update check, the two table options. OK
// commits them to the program state; the main window then saves them.
#include <array>
#include <vector>

#include "app/ConfWindow.h"
#include "platform/gui/ComCtrls.h"

class TFSoftOptions : public TFConfWindow {
 public:
  TFSoftOptions(TComponent* AOwner, TProgramState& AState);
  void Set_Lang() override;

  // True when the maker's update service reports a newer version; any
  // failure counts as none. The main window's update timer runs it too.
  bool Check_Version();

  // Asked after a language was chosen: every window takes the new texts
  // (the main window's Change_Language).
  TNotifyEvent OnChangeLanguage;

  TPageControl* PC_Options;
  TTabSheet* TS_Language;
  TLabel* L_Sel_Lang;
  std::array<TImage*, 6> I_L;  // I_L1 ... I_L6: the flags of the page's slots
  std::array<TLabel*, 6> L_L;  // L_L1 ... L_L6: their names
  TLabel* L_Page_Lang;
  TLbButton* Btn_Prev;
  TLbButton* Btn_Next;
  TTabSheet* TS_Con_Options;
  TCheckBox* CB_En_Con;
  TCheckBox* CB_Update;
  TLbButton* Btn_Check_Update;
  TLinkLabel* LL_Check_Update;
  TTabSheet* TS_Soft_Settings;
  TCheckBox* CB_Soft_Set_Jump_Table;
  TCheckBox* CB_DoubleClick_Auto_Size;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;

  // The language file names of the last showing, sorted.
  std::vector<String> SL_Languages;
  // The language page shown, from 1.
  int Show_Page = 1;
  // The language shown as selected; Language takes it on OK.
  String Language_In_Use;

 protected:
  void FormCreate() override;

 private:
  void Create_Language_Page();
  void Create_Connection_Page();
  void Create_Settings_Page();
  TTabSheet* Place_Page(StringView Name);
  TCheckBox* Place_Check_Box(TWinControl* Page, StringView Name, int Left, int Top);
  void FormShow();
  void Btn_OKClick();
  void Btn_NextClick(TObject* Sender);
  void LangClick(TObject* Sender);
  void Btn_Check_UpdateClick();
  void Create_Lang_List();
  void Update_Lang_Page(int Num_Page);
  void Update_CheckBox();
  // Applies the texts of the language Name; on failure the texts and the
  // language stay as they were.
  void Load_Language_Texts(const String& Name);
  int Page_Count() const;
};

// The languages of Dir: its "*.lng" plain files that are not read-only,
// without the extension, sorted by name.
std::vector<String> Language_Files(const String& Dir);
