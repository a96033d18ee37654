#include "app/UNew_Project.h"

#include "app/ProgramState.h"
#include "platform/gui/Dialogs.h"
#include "platform/sys/Files.h"

bool Unsafe_Project_Name(const String& Name) {
  return Name == u"." || Name == u".." || Name.find_first_of(String(u"/\\\0", 3)) != String::npos;
}

int New_Project_Name_Error(const String& Projects_Dir, const String& Name) {
  if (Name.empty()) return 107;
  if (Unsafe_Project_Name(Name)) return 105;
  if (DirectoryExists(Join(Projects_Dir, Name))) return 106;
  return 0;
}

TFNew_Project::TFNew_Project(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FNew_Project", 100, 101, 331, 162, bsSingle}) {
  Label1 = Place_Label(this, this, u"Label1", 16, 76);
  E_New_Proj = Place<TEdit>(this, this, u"E_New_Proj", 16, 93, 299, 21);
  E_New_Proj->OnKeyPress = [this](TObject*, Char& Key) { E_New_ProjKeyPress(Key); };
  Place_OK_Cancel(this, P_Button, Btn_OK, Btn_Cancel);
  Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
  OnShow = [this](TObject*) { FormShow(); };
  EndLoading();
}

void TFNew_Project::Set_Lang() {
  TFConfWindow::Set_Lang();
  Label1->SetCaption(State.Text(102));
  E_New_Proj->SetHint(State.Text(108));
  Btn_OK->SetCaption(State.Text(103));
  Btn_OK->SetHint(State.Text(109));
  Btn_Cancel->SetCaption(State.Text(104));
  Btn_Cancel->SetHint(State.Text(110));
}

void TFNew_Project::FormShow() {
  E_New_Proj->Clear();
  if (E_New_Proj->CanFocus()) SetActiveControl(E_New_Proj);
}

void TFNew_Project::E_New_ProjKeyPress(Char& Key) {
  if (Key == 13) Btn_OKClick();
}

void TFNew_Project::Btn_OKClick() {
  // Taken as typed: a trailing blank is part of the name.
  const String Name = E_New_Proj->Text();
  const String Path = Join(State.Projects_Dir, Name);
  int Error = New_Project_Name_Error(State.Projects_Dir, Name);
  if (!Error && !CreateDir(Path)) Error = 105;
  if (Error) {
    MessageDlg(State.Text(Error), mtError, mbOK);
    return;
  }
  ForceDirectories(Join(Path, u"bin"));
  State.Project_Name = Name;
  State.Project_Path = Path;
  State.Set_Files();
  SetModalResult(mrOk);
}
