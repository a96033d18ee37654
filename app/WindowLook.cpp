#include "app/WindowLook.h"

void Set_Window_Look(TForm& Form, TFormBorderStyle Border) {
  Form.SetColor(Window_Color);
  Form.SetBorderStyle(Border);
  Form.SetPosition(poScreenCenter);
  Form.SetShowHint(true);
}

TLabel* Place_Label(TComponent* Owner, TWinControl* Parent, StringView Name, int Left, int Top) {
  TLabel* Label = Place<TLabel>(Owner, Parent, Name, Left, Top);
  Label->SetTransparent(true);
  return Label;
}
