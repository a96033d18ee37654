#include "grid/dropdown/DropDownForm.h"

#include <algorithm>

#include "grid/dropdown/AdvCustomDropDown.h"
#include "grid/dropdown/AdvHeaderFooter.h"
#include "grid/dropdown/DropDownBorders.h"
#include "platform/gui/Timers.h"

TDropDownForm::TDropDownForm(TComponent* AOwner) : TSelfPaintingControl<TForm>(AOwner) {
  SetBorderStyle(bsNone);
}

TDropDownForm::~TDropDownForm() {
  // The drop-down is told while it still holds the form.
  if (AdvDropDown) AdvDropDown->DropDownFormDestroyed();
}

void TDropDownForm::CreateParams(TCreateParams& Params) {
  TSelfPaintingControl<TForm>::CreateParams(Params);
  Params.Style |= WS_POPUP;
  Params.ExStyle |= WS_EX_TOPMOST;
  // Each pop-up asks for its own shadow; the window manager draws it or not.
  if (Shadow) Params.WindowClassStyle |= CS_DROPSHADOW;
  else Params.WindowClassStyle &= ~CS_DROPSHADOW;
  TCustomForm* form = AdvDropDown ? AdvDropDown->GetParentForm() : nullptr;
  if (form && form != this) Params.WndParent = form->Handle();
}

void TDropDownForm::AdjustClientRect(TRect& Rect) const {
  const int w = AdvDropDown ? AdvDropDown->DropDownBorderWidth() : 0;
  Rect = ::Rect(Rect.Left + w, Rect.Top + w, Rect.Right - w, Rect.Bottom - w);
}

namespace {
// Binds an existing strip again, or makes one when its settings show it.
template <class Strip>
Strip* UpdateStrip(TDropDownForm& Form, Strip* Existing, const TStripAppearance& Settings, TAlign Align) {
  TAdvCustomDropDown* d = Form.AdvDropDown;
  Strip* s = Existing;
  if (!s) {
    if (!Settings.Visible()) return nullptr;
    s = new Strip(&Form);
    s->SetParent(&Form);
    s->SetAlign(Align);
  }
  s->SetAdvDropDown(d);
  // A new Height shows at the next opening, as a new Visible does.
  s->SetHeight(Settings.Height());
  s->InitButtons();
  s->SetVisible(Settings.Visible());
  return s;
}
}  // namespace

void TDropDownForm::InitializeAndUpdate() {
  if (!AdvDropDown) return;
  TAdvCustomDropDown& d = *AdvDropDown;
  FHeader = UpdateStrip(*this, FHeader, *d.DropDownHeader(), alTop);
  if (FHeader) {
    FHeader->OnDrawBackGround = d.OnDrawHeader;
    FHeader->OnGetText = d.OnGetHeaderText;
  }
  FFooter = UpdateStrip(*this, FFooter, *d.DropDownFooter(), alBottom);
  if (FFooter) {
    FFooter->OnDrawBackGround = d.OnDrawFooter;
    FFooter->OnGetText = d.OnGetFooterText;
  }
}

void TDropDownForm::Paint() {
  if (!AdvDropDown || !Canvas()) return;
  TDropDownBackground b;
  b.Client = ClientRect();
  b.Color = AdvDropDown->DropDownColor();
  b.ColorTo = AdvDropDown->DropDownColorTo();
  b.Gradient = AdvDropDown->DropDownGradient();
  b.BorderColor = AdvDropDown->DropDownBorderColor();
  b.BorderWidth = AdvDropDown->DropDownBorderWidth();
  DrawDropDownBackground(*Canvas(), b);
}

void TDropDownForm::Resize() {
  TSelfPaintingControl<TForm>::Resize();
  Invalidate();
}

void TDropDownForm::Activation(const TMessage& Message) {
  if (BlockActivate) return;
  if (LoWord(Message.WParam) != WA_INACTIVE) {
    // The owner's caption stays active while its pop-up has the keyboard.
    if (TCustomForm* form = AdvDropDown ? AdvDropDown->GetParentForm() : nullptr)
      form->Perform(WM_NCACTIVATE, 1, 0);
    return;
  }
  if (!Visible()) return;
  DeActivate = GetTickCount64();
  for (HWND w = static_cast<HWND>(Message.LParam); w; w = GetParent(w))
    if (w == Handle()) return;
  CloseAsDeactivated(CancelOnDeActivate);
}

void TDropDownForm::CloseAsDeactivated(bool Cancelled) {
  if (AdvDropDown) AdvDropDown->DoHideDropDown(Cancelled);
  else Hide();
}

LRESULT TDropDownForm::HitTest(const TMessage& Message) {
  const TPoint p = ScreenToClient(Point(GetXLParam(Message.LParam), GetYLParam(Message.LParam)));
  const bool corner = p.X >= Width() - 10 && p.Y >= Height() - 10;
  return Sizeable && corner ? HTBOTTOMRIGHT : HTNOWHERE;
}

void TDropDownForm::Sizing(TMessage& Message) {
  auto* r = reinterpret_cast<TRect*>(Message.LParam);
  r->Right = std::max(r->Right, r->Left + MinSize.cx);
  r->Bottom = std::max(r->Bottom, r->Top + MinSize.cy);
  FireEvent(OnSizing, this);
}

void TDropDownForm::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCHITTEST: Message.Result = HitTest(Message); return;
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS; return;
    case WM_SIZING: return Sizing(Message);
    case WM_SHOWWINDOW:
      // The owner goes out of sight: closed as a deactivation closes it.
      if (Message.WParam == 0 && Message.LParam == SW_PARENTCLOSING) return CloseAsDeactivated(CancelOnDeActivate);
      break;
    default: break;
  }
  const TFreeWatch watch(*this);
  TSelfPaintingControl<TForm>::WndProc(Message);
  if (Message.Msg == WM_ACTIVATE && !watch.Freed()) Activation(Message);
}
