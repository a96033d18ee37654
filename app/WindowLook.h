#pragma once
// What every window of the configurator shares: its colour and font, the
// grey of its labels, its flat buttons, and a helper that creates a named
// child control in place.
#include "controls/button/LbButton.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"

inline constexpr TColor Window_Color = RGB(248, 247, 237);
inline constexpr TColor Label_Color = clGray;
inline constexpr TColor Hot_Yellow = RGB(255, 255, 0);
inline constexpr TColor Pressed_Orange = RGB(255, 128, 0);

// A control of kind T owned by Owner (so the owner frees it and finds it by
// name), shown inside Parent at the given place; a size below 0 keeps the
// control's own.
template <class T>
T* Place(TComponent* Owner, TWinControl* Parent, StringView Name, int Left, int Top, int Width = -1,
         int Height = -1) {
  T* Control = new T(Owner);
  Control->SetName(String(Name));
  Control->SetParent(Parent);
  Control->SetBounds(Left, Top, Width < 0 ? Control->Width() : Width, Height < 0 ? Control->Height() : Height);
  return Control;
}

class TAdvStringGrid;

// A table window's grid font at 8 pt; fixed and current cells in bold.
void Set_Table_Fonts(TAdvStringGrid& Grid, StringView Font_Name);
// Window colour, Verdana 8 pt, the border, centred on the screen.
void Set_Window_Look(TForm& Form, TFormBorderStyle Border);
// A grey label in the window's font (Size 0 keeps the window's size).
TLabel* Place_Label(TComponent* Owner, TWinControl* Parent, StringView Name, int Left, int Top,
                    TFontStyles Style = {}, int Size = 0);
// A flat button of the windows: window colour face, yellow under the
// mouse, orange while pressed.
TLbButton* Place_Button(TComponent* Owner, TWinControl* Parent, StringView Name, int Left, int Top,
                        int Width = 110, int Height = 28);
// The bottom panel that holds a window's OK and Cancel.
TPanel* Place_Button_Panel(TComponent* Owner, TWinControl* Parent, int Height = 40);
// That panel with OK at the left and Cancel beside it; Cancel closes the
// window with mrCancel, OK's click is the window's own.
void Place_OK_Cancel(TForm* Form, TPanel*& Panel, TLbButton*& OK, TLbButton*& Cancel);
