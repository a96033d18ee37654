#include "app/UOpenConf.h"

#include <algorithm>

#include "app/ProgramState.h"
#include "platform/sys/Files.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr int List_Left = 16;
constexpr int List_Top = 94;
}  // namespace

TFOpenConf::TFOpenConf(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FOpenConf", 200, 201, 377, 351, bsSizeable}) {
  Label1 = Place_Label(this, this, u"Label1", 16, 76);
  ListBox1 = Place<TListBox>(this, this, u"ListBox1", List_Left, List_Top, 345, 211);
  ListBox1->OnClick = [this](TObject*) { ListBox1Click(); };
  Place_OK_Cancel(this, P_Button, Btn_OK, Btn_Cancel);
  Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
  OnShow = [this](TObject*) { FormShow(); };
  OnResize = [this](TObject*) { FormResize(); };
  EndLoading();
}

void TFOpenConf::Set_Lang() {
  TFConfWindow::Set_Lang();
  Label1->SetCaption(State.Text(202));
  ListBox1->SetHint(State.Text(205));
  Btn_OK->SetCaption(State.Text(203));
  Btn_OK->SetHint(State.Text(206));
  Btn_Cancel->SetCaption(State.Text(204));
  Btn_Cancel->SetHint(State.Text(207));
}

// The list keeps its margins on every side as the window grows.
void TFOpenConf::FormResize() {
  ListBox1->SetBounds(List_Left, List_Top, std::max(0, ClientWidth() - 2 * List_Left),
                      std::max(0, P_Button->Top() - 6 - List_Top));
}

void TFOpenConf::Load_Existing_Configuration() {
  SL.clear();
  // Folders whose name starts with a dot are hidden ones.
  for (String& Name : FindFiles(State.Projects_Dir, u"*", fkFolders))
    if (!Name.empty() && Name[0] != u'.') SL.push_back(std::move(Name));
}

int TFOpenConf::Search_Open_Conf(const String& Name) const {
  const String Wanted = AnsiUpperCase(Name);
  for (size_t i = 0; i < SL.size(); ++i)
    if (AnsiUpperCase(SL[i]) == Wanted) return static_cast<int>(i);
  return -1;
}

void TFOpenConf::FormShow() {
  Load_Existing_Configuration();
  ListBox1->Items().Assign(SL);
  const String Current = State.Project_Open() ? ExtractFileName(State.Project_Path) : String();
  int Index = Search_Open_Conf(Current);
  if (Index < 0 && !SL.empty()) Index = 0;
  if (Index < 0) return;
  ListBox1->SetItemIndex(Index);
  Name_Conf = SL[static_cast<size_t>(Index)];
}

void TFOpenConf::ListBox1Click() {
  const int Index = ListBox1->ItemIndex();
  if (Index >= 0 && Index < static_cast<int>(SL.size())) Name_Conf = SL[static_cast<size_t>(Index)];
}

// With nothing listed there is nothing to open: OK acts as Cancel.
void TFOpenConf::Btn_OKClick() {
  ListBox1Click();
  SetModalResult(SL.empty() ? mrCancel : mrOk);
}
