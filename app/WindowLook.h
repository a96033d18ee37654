#pragma once
// What every window of the configurator shares: its colour, the grey of its
// labels, and a helper that creates a named child control in place.
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"

inline constexpr TColor Window_Color = RGB(248, 247, 237);
inline constexpr TColor Label_Color = clGray;

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

// Window colour and the border, centred on the screen.
void Set_Window_Look(TForm& Form, TFormBorderStyle Border);
// A grey caption label.
TLabel* Place_Label(TComponent* Owner, TWinControl* Parent, StringView Name, int Left, int Top);
