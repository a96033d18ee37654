// The language page of the Options window: the languages of LANGUAGE six to
// a page with their flags, and the change of language on a click.
#include <algorithm>

#include "app/Language.h"
#include "app/ProgramState.h"
#include "app/USoftOptions.h"
#include "platform/gui/Dialogs.h"
#include "platform/sys/Files.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int Slots = 6;

bool Load_Picture(TImage& Image, const String& FileName) {
  if (!FileExists(FileName)) return false;
  try {
    Image.Picture()->LoadFromFile(FileName);
    return true;
  } catch (const Exception&) {
    return false;  // an unreadable flag counts as a missing one
  }
}

// The language's flag, else the default flag, else no picture at all.
void Show_Flag(TImage& Image, const String& Language_Dir, const String& Name) {
  const bool Shown = Load_Picture(Image, Join(Language_Dir, Name + u".bmp")) ||
                     Load_Picture(Image, Join(Language_Dir, u"DefaultFlag.bmp"));
  Image.SetVisible(Shown);
}
}  // namespace

std::vector<String> Language_Files(const String& Dir) {
  std::vector<String> Names;
  for (const String& File : FindFiles(Dir, u"*.lng"))
    if (!FileIsReadOnly(Join(Dir, File))) Names.push_back(File.substr(0, File.size() - 4));
  return Names;
}

void TFSoftOptions::Create_Lang_List() {
  SL_Languages = Language_Files(State.Language_Dir);
  Show_Page = 1;
  Update_Lang_Page(Show_Page);
}

int TFSoftOptions::Page_Count() const { return (static_cast<int>(SL_Languages.size()) + Slots - 1) / Slots; }

void TFSoftOptions::Update_Lang_Page(int Num_Page) {
  L_Sel_Lang->SetCaption(State.Text(304) + Language_In_Use);
  const int Pages = Page_Count();
  L_Page_Lang->SetCaption(State.Text(305) + IntToStr(Num_Page) + State.Text(306) + IntToStr(Pages));
  Btn_Prev->SetVisible(Num_Page != 1);
  Btn_Next->SetVisible(Num_Page != Pages);
  const int First = (Num_Page - 1) * Slots;
  const int Shown = std::min(Slots, static_cast<int>(SL_Languages.size()) - First);
  for (int k = 0; k < Slots; ++k) {
    L_L[k]->SetVisible(k < Shown);
    if (k >= Shown) {
      I_L[k]->Hide();
      continue;
    }
    const String& Name = SL_Languages[static_cast<size_t>(First + k)];
    L_L[k]->SetCaption(Name);
    Show_Flag(*I_L[k], State.Language_Dir, Name);
  }
}

void TFSoftOptions::Btn_NextClick(TObject* Sender) {
  if (Sender == Btn_Next && Page_Count() >= Show_Page + 1) ++Show_Page;
  if (Sender == Btn_Prev && Show_Page > 1) --Show_Page;
  Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(TObject* Sender) {
  int Slot = 0;
  while (Slot < Slots && Sender != I_L[Slot] && Sender != L_L[Slot]) ++Slot;
  const size_t Index = static_cast<size_t>((Show_Page - 1) * Slots + Slot);
  if (Slot == Slots || Index >= SL_Languages.size()) return;
  const String Name = SL_Languages[Index];
  const String Question = State.Text(316) + Language_In_Use + State.Text(317) + Name + State.Text(318);
  if (MessageDlg(Question, mtConfirmation, mbYesNo) != mrYes) return;
  Load_Language_Texts(Name);
  Language_In_Use = Name;
  if (OnChangeLanguage) OnChangeLanguage(this);
  Update_Lang_Page(Show_Page);
}

void TFSoftOptions::Load_Language_Texts(const String& Name) {
  const String Previous_Language = State.Language;
  TStringList Previous_Texts;
  Previous_Texts.Assign(State.Texts);
  State.Language = Name;
  try {
    Load_Language(State);
  } catch (...) {
    State.Texts.Assign(Previous_Texts);
    State.Language = Previous_Language;
    throw;
  }
  State.Language = Previous_Language;
}
