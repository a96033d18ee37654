#include "app/ConfWindow.h"

#include "app/ProgramState.h"

TFConfWindow::TFConfWindow(TComponent* AOwner, TProgramState& AState, const TConfWindowLook& ALook)
    : TForm(AOwner), State(AState), FLook(ALook) {
  BeginLoading();
  SetName(String(ALook.Name));
  Set_Window_Look(*this, ALook.Border);
  P_Title = Place<TPanel>(this, this, u"P_Title", 0, 0, ALook.Client_Width, Title_Height);
  P_Title->SetAlign(alTop);
  P_Title->SetBevelOuter(bvNone);
  P_Title->SetParentColor(true);
  L_SW_Code = Place_Label(this, P_Title, u"L_SW_Code", 16, 8, {}, 24);
  L_SW_Desc = Place_Label(this, P_Title, u"L_SW_Desc", 16, 42, {fsBold});
  OnCreate = [this](TObject*) { FormCreate(); };
}

void TFConfWindow::FormCreate() {
  L_SW_Code->SetCaption(State.SW_Code);
  SetClientWidth(FLook.Client_Width);
  SetClientHeight(FLook.Client_Height);
  Set_Lang();
}

void TFConfWindow::Set_Lang() {
  SetCaption(State.Text(FLook.Caption_Text));
  L_SW_Desc->SetCaption(State.Text(FLook.Desc_Text));
}
