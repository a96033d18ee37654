#include "platform/gui/Forms.h"

#include <algorithm>

#include "platform/gui/Application.h"
#include "platform/gui/Focus.h"
#include "platform/gui/Input.h"
#include "platform/gui/SizeTracking.h"
#include "platform/gui/Toolkit.h"
#include "platform/gui/Views.h"
#include "platform/gui/WorkArea.h"

namespace {
TScreen TheScreen;
}
TScreen* Screen = &TheScreen;

TWinControl* TScreen::ActiveControl() const { return FActiveForm ? FActiveForm->ActiveControl() : nullptr; }

void TScreen::SetCursor(TCursor v) {
  if (v == FCursor) return;
  FCursor = v;
  platform::SetOverrideCursor(v);
}

namespace {
constexpr TPoint Fallback_Screen{1920, 1080};

TPoint ScreenSize(TPoint Pinned) {
  if (Pinned.X > 0 && Pinned.Y > 0) return Pinned;
  TPoint Size;
  if (platform::PrimaryScreenSize(Size.X, Size.Y) && Size.X > 0 && Size.Y > 0) return Size;
  return Fallback_Screen;
}
}  // namespace

int TScreen::Width() const { return ScreenSize(FPinned).X; }
int TScreen::Height() const { return ScreenSize(FPinned).Y; }

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
  TControl::SetVisible(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
  Screen->FForms.push_back(this);
  SetView(platform::CreateFormView(*this));
}

TCustomForm::~TCustomForm() {
  LoseActivation();
  auto& forms = Screen->FForms;
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
  for (TCustomForm* f : forms)
    if (f->FPreviousActive == this) f->FPreviousActive = nullptr;
  if (Screen->FActiveForm == this) Screen->FActiveForm = nullptr;
  if (Application && Application->MainForm() == this) Application->SetMainForm(nullptr);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  if (!FCreated) {
    FCreated = true;
    DoCreate();
  }
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}
void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}
void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}
void TCustomForm::DoClose(TCloseAction& Action) {
  FireEvent(OnClose, this, Action);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle v) {
  const int cw = ClientWidth(), ch = ClientHeight();
  FBorderStyle = v;
  // The client area keeps its size; the frame around it changes.
  SetBounds(Left(), Top(), cw + 2 * FrameWidth(), ch + 2 * FrameWidth() + CaptionHeight());
}

// Fixed frame metrics, so that sizes do not depend on the desktop's theme.
int TCustomForm::FrameWidth() const {
  switch (FBorderStyle) {
    case bsNone: return 0;
    case bsSizeable: case bsSizeToolWin: return 4;
    default: return 3;
  }
}

int TCustomForm::CaptionHeight() const {
  switch (FBorderStyle) {
    case bsNone: return 0;
    case bsToolWindow: case bsSizeToolWin: return 18;
    default: return 23;
  }
}

int TCustomForm::ClientWidth() const { return std::max(0, Width() - 2 * FrameWidth()); }
int TCustomForm::ClientHeight() const { return std::max(0, Height() - 2 * FrameWidth() - CaptionHeight()); }

TPoint TCustomForm::ClientOrigin() const {
  return Point(Left() + FrameWidth(), Top() + FrameWidth() + CaptionHeight());
}

void TCustomForm::PlaceOnScreen() {
  const TRect area = WorkAreaRect();
  TRect r = BoundsRect();
  if (FPosition == poScreenCenter || FPosition == poDesktopCenter) {
    OffsetRect(r, area.Left + (area.Width() - Width()) / 2 - r.Left, area.Top + (area.Height() - Height()) / 2 - r.Top);
  } else if (FPosition == poMainFormCenter || FPosition == poOwnerFormCenter) {
    const TCustomForm* c = Application ? Application->MainForm() : nullptr;
    if (FPosition == poOwnerFormCenter) c = dynamic_cast<const TCustomForm*>(Owner());
    if (c && c != this)
      OffsetRect(r, c->Left() + (c->Width() - Width()) / 2 - r.Left, c->Top() + (c->Height() - Height()) / 2 - r.Top);
  }
  // Wherever it was meant to go, the window opens where the user can reach it.
  r = KeptInWorkArea(r);
  SetBounds(r.Left, r.Top, Width(), Height());
}

void TCustomForm::Show() {
  if (Visible()) {
    if (!FNoActivate) Activate();
    return;
  }
  SetVisible(true);
}

void TCustomForm::VisibleChanging() {
  // OnShow sees the form visible, so it can give a control the focus, but
  // runs before the window shows.
  if (Visible()) {
    ApplyWindowParams();
    PlaceOnScreen();
    DoShow();
  } else {
    DoHide();
    HideOwnedWindows();
  }
}

void TCustomForm::HideOwnedWindows() {
  if (!HandleAllocated()) return;
  // A copy: a window told may close, and a closing form may leave the list.
  const std::vector<TCustomForm*> forms = Screen->FForms;
  for (TCustomForm* f : forms)
    if (std::ranges::find(Screen->FForms, f) != Screen->FForms.end() && f != this && f->Visible() &&
        f->FOwnerWnd == Handle())
      SendMessage(f->Handle(), WM_SHOWWINDOW, 0, SW_PARENTCLOSING);
}

void TCustomForm::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_VISIBLECHANGED:
      if (!Message.WParam) LoseActivation();
      else if (!FShowingNoActivate && !FNoActivate) Activate();
      return;
    case WM_ACTIVATE:
      if (LoWord(Message.WParam) == WA_INACTIVE) BecomeInactive();
      else BecomeActive();
      return;
    case WM_NCACTIVATE:
      FCaptionActive = Message.WParam != 0;
      Message.Result = 1;
      return;
    case WM_MOUSEACTIVATE:
      Message.Result = FNoActivate ? MA_NOACTIVATE : MA_ACTIVATE;
      return;
    case WM_NCHITTEST: Message.Result = HTCLIENT; return;
    case WM_NCLBUTTONDOWN:
      if (Message.WParam >= HTLEFT && Message.WParam <= HTBOTTOMRIGHT)
        platform::BeginSizeTracking(*this, Message.WParam, Point(GetXLParam(Message.LParam), GetYLParam(Message.LParam)));
      return;
    case CM_DIALOGKEY: return CMDialogKey(Message);
    case WM_CLOSE:
      if (FBlockedByModal) return;
      return Close();
    default: return TWinControl::Dispatch(Message);
  }
}

void TCustomForm::Activate(WPARAM How, bool Returning) {
  const TFreeWatch watch(*this);
  TCustomForm* const before = FPreviousActive;
  // A deactivation handler may activate yet another form: that one steps down too.
  for (int i = 0; i < 3 && Screen->FActiveForm && Screen->FActiveForm != this; ++i) {
    TCustomForm* prev = Screen->FActiveForm;
    FPreviousActive = prev;
    const TFreeWatch prevWatch(*prev);
    prev->Perform(WM_NCACTIVATE, 0, static_cast<LPARAM>(Handle()));
    if (!prevWatch.Freed()) prev->Perform(WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(Handle()));
    if (prevWatch.Freed()) FPreviousActive = nullptr;
    if (watch.Freed()) return;
  }
  if (Screen->FActiveForm == this) return;
  const HWND prevWnd = FPreviousActive ? FPreviousActive->Handle() : 0;
  // Coming back from a window it opened, the form keeps the one to go back to itself.
  if (Returning) FPreviousActive = std::ranges::find(Screen->FForms, before) != Screen->FForms.end() ? before : nullptr;
  Perform(WM_NCACTIVATE, 1, static_cast<LPARAM>(prevWnd));
  if (!watch.Freed()) Perform(WM_ACTIVATE, How, static_cast<LPARAM>(prevWnd));
}

void TCustomForm::BecomeActive() {
  if (FActive) return;
  Screen->FActiveForm = this;
  FActive = true;
  if (View()) View()->ActivateWindow();
  const TFreeWatch watch(*this);
  FireEvent(OnActivate, this);
  if (watch.Freed()) return;
  if (!FActiveControl) {
    if (TWinControl* first = FindNextControl(nullptr, true, true, false)) FActiveControl = first;
  }
  if (FActiveControl && FActiveControl->CanFocus()) platform::SetWindowFocus(FActiveControl);
  else platform::SetWindowFocus(this);
}

void TCustomForm::BecomeInactive() {
  if (!FActive) return;
  FActive = false;
  if (Screen->FActiveForm == this) {
    Screen->FActiveForm = nullptr;
    TWinControl* focused = FocusedControl();
    if (focused && (focused == this || ContainsControl(focused))) platform::SetWindowFocus(nullptr);
  }
  FireEvent(OnDeactivate, this);
}

void TCustomForm::LoseActivation() {
  if (!FActive) return;
  // The owner takes the activation back, else the form that had it before.
  TCustomForm* back = dynamic_cast<TCustomForm*>(FindControl(FOwnerWnd));
  if (!back || !back->Visible()) back = FPreviousActive;
  FPreviousActive = nullptr;
  if (back && back != this && back->Visible()) return back->Activate(WA_ACTIVE, true);
  const TFreeWatch watch(*this);
  Perform(WM_NCACTIVATE, 0, 0);
  if (!watch.Freed()) Perform(WM_ACTIVATE, WA_INACTIVE, 0);
}

bool TCustomForm::MouseActivate(UINT ButtonMsg) {
  if (FActive) return true;
  const TFreeWatch watch(*this);
  const LRESULT answer = Perform(WM_MOUSEACTIVATE, static_cast<WPARAM>(Handle()), MakeLParam(HTCLIENT, static_cast<int>(ButtonMsg)));
  if (watch.Freed()) return false;
  if (answer == MA_NOACTIVATE) return true;
  if (answer == MA_NOACTIVATEANDEAT) return false;
  Activate(WA_CLICKACTIVE);
  return answer != MA_ACTIVATEANDEAT && !watch.Freed();
}

void TCustomForm::ShowNoActivate() {
  if (Visible()) return;
  FShowingNoActivate = true;
  struct Reset {
    bool& Flag;
    ~Reset() { Flag = false; }
  } reset{FShowingNoActivate};
  SetVisible(true);
}

void TCustomForm::ApplyWindowParams() {
  TCreateParams params;
  CreateParams(params);
  ApplyWindowParams(params);
}

void TCustomForm::ApplyWindowParams(const TCreateParams& Params) {
  FOwnerWnd = Params.WndParent;
  FNoActivate = (Params.ExStyle & WS_EX_NOACTIVATE) != 0;
  if (View()) View()->SetWindowParams(Params);
}

void TCustomForm::RecreateView(const TCreateParams& Params) {
  if (Visible()) ApplyWindowParams(Params);
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (FActiveControl == Control) return;
  if (Control && (!ContainsControl(Control) || Control == this))
    throw EInvalidOperation(u"Invalid active control");
  if (Control && FActive && !Loading()) {
    FocusControl(Control);
    return;
  }
  FActiveControl = Control;
}

void TCustomForm::FocusControl(TWinControl* Control) {
  if (!Control->CanFocus()) throw EInvalidOperation(u"Cannot focus a disabled or invisible window");
  FActiveControl = Control;
  if (FActive) platform::SetWindowFocus(Control);
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
  if (Removing && Control->ContainsControl(FFocusedControl)) FFocusedControl = Control->Parent();
  if (Control->ContainsControl(FActiveControl)) SetActiveControl(nullptr);
}

void TCustomForm::ControlRemoved(TWinControl* Control) {
  if (Control->ContainsControl(FActiveControl)) FActiveControl = nullptr;
  if (Control->ContainsControl(FFocusedControl)) FFocusedControl = Control->Parent();
  TWinControl* focused = FocusedControl();
  if (focused && Control->ContainsControl(focused)) platform::ForgetFocus(focused);
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
  FActiveControl = Control == this ? FActiveControl : Control;
  if (!FFocusedControl) FFocusedControl = this;
  const HWND target = Control->Handle();
  // Exit from the old focused control up to (not including) the common parent.
  while (FFocusedControl && !FFocusedControl->ContainsControl(Control)) {
    TWinControl* leaving = FFocusedControl;
    FFocusedControl = leaving->Parent();
    leaving->Perform(CM_EXIT, 0, 0);
    if (platform::FocusedWindow() != target) return false;
  }
  if (!FFocusedControl) FFocusedControl = this;
  // Enter from below the common parent down to Control.
  while (FFocusedControl != Control) {
    TWinControl* next = Control;
    while (next->Parent() != FFocusedControl) next = next->Parent();
    FFocusedControl = next;
    next->Perform(CM_ENTER, 0, 0);
    if (platform::FocusedWindow() != target) return false;
  }
  return true;
}

void TCustomForm::CMDialogKey(TMessage& Message) {
  if (!(platform::KeyDataToShiftState(Message.LParam).Contains(ssAlt))) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (Message.WParam) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(FActiveControl, !shift, true);
          Message.Result = 1;
          return;
        }
        break;
      case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
        // Arrows stay among the controls of one parent (a group of radio buttons).
        if (FActiveControl && FActiveControl->Parent()) {
          FActiveControl->Parent()->SelectNext(FActiveControl, Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN,
                                               false);
          Message.Result = 1;
          return;
        }
        break;
      default: break;
    }
  }
  TWinControl::CMDialogKey(Message);
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  FireEvent(OnCloseQuery, this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application && Application->MainForm() == this) Application->Terminate();
  Hide();
}

bool TCustomForm::ModalCloseAgreed() {
  // The close query and OnClose may keep the form open.
  const TFreeWatch watch(*this);
  if (!CloseQuery() || watch.Freed()) return false;
  TCloseAction action = caHide;
  DoClose(action);
  return action != caNone;
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || FModal) throw EInvalidOperation(u"Cannot make a visible window modal");
  if (!Enabled()) throw EInvalidOperation(u"Cannot make a visible window modal");
  // The control that opened the form (a pressed button) lets go of the
  // mouse, or every click inside the modal form would go to it.
  SetCaptureControl(nullptr);
  FModal = true;
  FModalResult = mrNone;
  // The windows already shown wait behind this one until its loop ends.
  std::vector<TCustomForm*> blocked;
  for (TCustomForm* f : Screen->FForms)
    if (f != this && f->Visible() && !f->FBlockedByModal) {
      f->FBlockedByModal = true;
      blocked.push_back(f);
    }
  // A handler may free the form while its loop runs: then nothing here touches it.
  const TFreeWatch watch(*this);
  struct Reset {
    TCustomForm* F;
    const TFreeWatch& W;
    const std::vector<TCustomForm*>& Blocked;
    ~Reset() {
      for (TCustomForm* f : Blocked)
        if (std::ranges::find(Screen->FForms, f) != Screen->FForms.end()) f->FBlockedByModal = false;
      if (W.Freed()) return;
      F->FModal = false;
      if (F->Visible()) F->Hide();
    }
  } reset{this, watch, blocked};
  Show();
  do {
    Application->HandleMessage();
    if (watch.Freed()) return mrCancel;
    if (Application->Terminated()) {
      FModalResult = mrCancel;
    } else if (!Visible()) {
      // Hidden by a handler: no one could answer the form any more.
      if (FModalResult == mrNone) FModalResult = mrCancel;
    } else if (FModalResult != mrNone) {
      const bool closing = ModalCloseAgreed();
      if (watch.Freed()) return mrCancel;
      if (!closing) FModalResult = mrNone;
    }
  } while (FModalResult == mrNone);
  return FModalResult;
}
