#include "app/WindowLook.h"

#include "grid/model/AdvStringGrid.h"
#include "platform/gui/ExtCtrls.h"

void Set_Window_Look(TForm& Form, TFormBorderStyle Border) {
  Form.SetColor(Window_Color);
  Form.Font()->SetName(u"Verdana");
  Form.Font()->SetSize(8);
  Form.SetBorderStyle(Border);
  Form.SetPosition(poScreenCenter);
  Form.SetShowHint(true);
}

TLabel* Place_Label(TComponent* Owner, TWinControl* Parent, StringView Name, int Left, int Top, TFontStyles Style,
                    int Size) {
  TLabel* Label = Place<TLabel>(Owner, Parent, Name, Left, Top);
  Label->SetTransparent(true);
  Label->Font()->SetColor(Label_Color);
  Label->Font()->SetStyle(Style);
  if (Size > 0) Label->Font()->SetSize(Size);
  return Label;
}

TLbButton* Place_Button(TComponent* Owner, TWinControl* Parent, StringView Name, int Left, int Top, int Width,
                        int Height) {
  TLbButton* Button = Place<TLbButton>(Owner, Parent, Name, Left, Top, Width, Height);
  Button->SetStyle(bsEncarta);
  Button->SetColor(Window_Color);
  Button->SetHotTrackColor(Hot_Yellow);
  Button->SetColorWhenDown(Pressed_Orange);
  return Button;
}

TPanel* Place_Button_Panel(TComponent* Owner, TWinControl* Parent, int Height) {
  TPanel* Panel = Place<TPanel>(Owner, Parent, u"P_Button", 0, Parent->ClientHeight() - Height,
                                Parent->ClientWidth(), Height);
  Panel->SetAlign(alBottom);
  Panel->SetBevelOuter(bvNone);
  Panel->SetParentColor(true);
  return Panel;
}

void Place_OK_Cancel(TForm* Form, TPanel*& Panel, TLbButton*& OK, TLbButton*& Cancel) {
  Panel = Place_Button_Panel(Form, Form);
  OK = Place_Button(Form, Panel, u"Btn_OK", 16, 6);
  Cancel = Place_Button(Form, Panel, u"Btn_Cancel", 134, 6);
  Cancel->SetModalResult(mrCancel);
}

void Set_Table_Fonts(TAdvStringGrid& Grid, StringView Font_Name) {
  Grid.Font()->SetName(String(Font_Name));
  Grid.Font()->SetSize(8);
  TFont Bold;
  Bold.Assign(*Grid.Font());
  Bold.SetStyle({fsBold});
  Grid.SetFixedFont(Bold);
  Grid.SetActiveCellFont(Bold);
}
