#include "app/UProfinetFileName.h"

#include <algorithm>

#include "app/GsdmlWriter.h"
#include "app/ProgramState.h"

namespace {
constexpr int Client_Width = 540;
constexpr int Client_Height = 205;
}  // namespace

TFProfinetFileName::TFProfinetFileName(TComponent* AOwner, TProgramState& AState)
    : TFConfWindow(AOwner, AState, {u"FProfinetFileName", 1000, 1001, Client_Width, Client_Height, bsSingle}) {
  Label1 = Place_Label(this, this, u"Label1", 16, 70);
  Label2 = Place_Label(this, this, u"Label2", 16, 107);
  L_XML_Fix1 = Place_Label(this, this, u"L_XML_Fix1", 16, 126);
  Label4 = Place_Label(this, this, u"Label4", 179, 107);
  E_XML_User = Place<TEdit>(this, this, u"E_XML_User", 179, 123, 267, 21);
  Label5 = Place_Label(this, this, u"Label5", 447, 107);
  L_XML_Fix2 = Place_Label(this, this, u"L_XML_Fix2", 447, 126);
  P_Button = Place_Button_Panel(this, this);
  Btn_OK = Place_Button(this, P_Button, u"Btn_OK", 16, 6);
  Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
  Btn_Cancel = Place_Button(this, P_Button, u"Btn_Cancel", 134, 6);
  Btn_Cancel->SetModalResult(mrCancel);
  EndLoading();
}

void TFProfinetFileName::FormCreate() {
  L_XML_Fix1->SetCaption(String(GSDML_Name_Fix1));
  // The date the program started, not the date of saving.
  L_XML_Fix2->SetCaption(GSDML_Name_Fix2(Date()));
  TFConfWindow::FormCreate();
}

void TFProfinetFileName::Set_Lang() {
  TFConfWindow::Set_Lang();
  Label1->SetCaption(State.Text(1004));
  Label2->SetCaption(State.Text(1005));
  Label4->SetCaption(State.Text(1006));
  E_XML_User->SetHint(State.Text(1008));
  Label5->SetCaption(State.Text(1007));
  Btn_OK->SetCaption(State.Text(1002));
  Btn_OK->SetHint(State.Text(1009));
  Btn_Cancel->SetCaption(State.Text(1003));
  Btn_Cancel->SetHint(State.Text(1010));
}

void TFProfinetFileName::Btn_OKClick() {
  // The user part names a file, never a path: a separator in it would let
  // the file land outside the folder chosen in the save dialog.
  String User = E_XML_User->Text();
  std::replace_if(User.begin(), User.end(), [](Char c) { return c == u'/' || c == u'\\' || c == 0; }, u'_');
  Name_File_XML = GSDML_File_Name(L_XML_Fix1->Caption(), User, L_XML_Fix2->Caption());
  SetModalResult(mrOk);
}
