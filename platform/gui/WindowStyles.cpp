#include "platform/gui/WindowStyles.h"

#include "platform/gui/Forms.h"

HWND GetParent(HWND Wnd) {
  TWinControl* c = FindControl(Wnd);
  if (!c) return 0;
  if (c->Parent()) return c->Parent()->Handle();
  auto* form = dynamic_cast<TCustomForm*>(c);
  return form ? form->OwnerWindow() : 0;
}

HWND GetActiveWindow() {
  TCustomForm* f = Screen->ActiveForm();
  return f ? f->Handle() : 0;
}

bool ShowWindow(HWND Wnd, int CmdShow) {
  TWinControl* c = FindControl(Wnd);
  if (!c) return false;
  const bool was = c->Visible();
  auto* form = dynamic_cast<TCustomForm*>(c);
  if (CmdShow == SW_HIDE) c->Hide();
  else if (form && (CmdShow == SW_SHOWNOACTIVATE || CmdShow == SW_SHOWNA)) form->ShowNoActivate();
  else if (form) form->Show();
  else c->Show();
  return was;
}

bool SetWindowPos(HWND Wnd, HWND InsertAfter, int X, int Y, int CX, int CY, unsigned Flags) {
  TWinControl* c = FindControl(Wnd);
  if (!c) return false;
  const TFreeWatch watch(*c);
  if (!(Flags & SWP_NOMOVE)) c->SetBounds(X, Y, c->Width(), c->Height());
  if (!(Flags & SWP_NOSIZE)) c->SetBounds(c->Left(), c->Top(), CX, CY);
  if (!(Flags & SWP_NOZORDER) && (InsertAfter == HWND_TOP || InsertAfter == HWND_TOPMOST)) c->BringToFront();
  if (Flags & SWP_HIDEWINDOW) c->Hide();
  if (Flags & SWP_SHOWWINDOW) ShowWindow(Wnd, (Flags & SWP_NOACTIVATE) ? SW_SHOWNOACTIVATE : SW_SHOW);
  return !watch.Freed();
}
