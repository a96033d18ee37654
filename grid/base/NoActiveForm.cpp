#include "grid/base/NoActiveForm.h"

void TNoActiveForm::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  Params.Style = WS_POPUP | WS_DISABLED | WS_BORDER;
  Params.WindowClassStyle |= CS_SAVEBITS;
}

void TNoActiveForm::WndProc(TMessage& Message) {
  TForm::WndProc(Message);
  if (Message.Msg == WM_ACTIVATE) Message.Result = 1;
  else if (Message.Msg == WM_MOUSEACTIVATE) Message.Result = MA_NOACTIVATE;
}
