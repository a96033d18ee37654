// What the standard controls do in our own code: dialog codes, buttons and
// their keys, check and radio states. The native parts are in the backend.
#include "platform/gui/StdCtrls.h"

#include "platform/gui/Forms.h"
#include "platform/gui/Input.h"
#include "platform/gui/Menus.h"

namespace {
// Whether a CM_DIALOGCHAR names Control's access key and Control can take it.
bool IsAccelFor(const TMessage& Message, const TWinControl& Control) {
  return IsAccel(static_cast<Char>(Message.WParam), Control.Caption()) && Control.CanFocus();
}
}  // namespace

void TLabel::SetFocusControl(TWinControl* v) {
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = v;
  if (v) v->FreeNotification(this);
}

void TLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TLabel::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && FFocusControl && Enabled() && FFocusControl->CanFocus() &&
      IsAccel(static_cast<Char>(Message.WParam), Caption())) {
    FFocusControl->SetFocus();
    Message.Result = 1;
    return;
  }
  TGraphicControl::Dispatch(Message);
}

void TGroupBox::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && IsAccelFor(Message, *this)) {
    SelectFirst();
    Message.Result = 1;
    return;
  }
  TWinControl::Dispatch(Message);
}

void TListControlItems::Assign(const std::vector<String>& Lines) {
  BeginUpdate();
  Clear();
  for (const String& s : Lines) Add(s);
  EndUpdate();
}

void TListControlItems::Changed() {
  TStringList::Changed();
  if (UpdateCount() == 0) ItemsChanged();
}

void TCustomEdit::Dispatch(TMessage& Message) {
  if (EditMessage(Message)) return;
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DialogCode();
    return;
  }
  if (Message.Msg == CN_COMMAND && HiWord(Message.WParam) == EN_CHANGE) {
    FModified = true;
    return Change();
  }
  if (Message.Msg == WM_SETFOCUS && FAutoSelect) SelectAll();
  TWinControl::Dispatch(Message);
}

void TCustomEdit::TextChangedByWidget() {
  const TFreeWatch watch(*this);  // the parent may free the edit
  NotifyParent(EN_UPDATE);
  if (!watch.Freed()) NotifyParent(EN_CHANGE);
}

void TCustomEdit::Change() {
  FireEvent(OnChange, this);
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style |= ES_AUTOHSCROLL | WS_BORDER;
  if (FPasswordChar) Params.Style |= ES_PASSWORD;
  if (FReadOnly) Params.Style |= ES_READONLY;
}

void TMemo::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.Style = (Params.Style & ~ES_AUTOHSCROLL) | ES_MULTILINE | ES_AUTOVSCROLL;
  if (FWantReturns) Params.Style |= ES_WANTRETURN;
  if (!FWordWrap) Params.Style |= ES_AUTOHSCROLL;
}

LRESULT TMemo::DialogCode() const {
  LRESULT code = TCustomEdit::DialogCode();
  if (FWantReturns) code |= DLGC_WANTALLKEYS;
  if (FWantTabs) code |= DLGC_WANTTAB;
  return code;
}

void TButtonControl::Dispatch(TMessage& Message) {
  // Space presses the button; the click comes with the key's release.
  switch (Message.Msg) {
    case WM_CHAR:
      if (Message.WParam == u' ') return;
      break;
    case WM_KEYUP:
      if (Message.WParam == VK_SPACE) {
        ClickedByUser();
        return;
      }
      break;
    default: break;
  }
  TWinControl::Dispatch(Message);
}

bool TButton::Active() const {
  TCustomForm* form = GetParentForm();
  TWinControl* focused = form ? form->ActiveControl() : nullptr;
  if (dynamic_cast<TButton*>(focused)) return focused == this;
  return FDefault;
}

void TButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_BUTTON | (Active() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
      return;
    case CM_DIALOGCHAR:
      if (IsAccelFor(Message, *this)) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case CM_DIALOGKEY:
      if (((Message.WParam == VK_RETURN && Active()) || (Message.WParam == VK_ESCAPE && FCancel)) &&
          !platform::KeyDataToShiftState(Message.LParam).Contains(ssAlt) && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    default: break;
  }
  TButtonControl::Dispatch(Message);
}

void TButton::Click() {
  if (FModalResult != mrNone)
    if (TCustomForm* form = GetParentForm()) form->SetModalResult(FModalResult);
  TButtonControl::Click();
}

void TCheckBox::SetState(TCheckBoxState v) {
  if (FState == v) return;
  FState = v;
  UpdateNative();
  if (!Loading()) Click();
}

void TCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked: SetState(cbChecked); break;
    case cbChecked: SetState(FAllowGrayed ? cbGrayed : cbUnchecked); break;
    case cbGrayed: SetState(cbUnchecked); break;
  }
}

void TCheckBox::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && IsAccelFor(Message, *this)) {
    SetFocus();
    if (Focused()) Toggle();
    Message.Result = 1;
    return;
  }
  TButtonControl::Dispatch(Message);
}

void TRadioButton::SetChecked(bool v) {
  if (FChecked == v) return;
  FChecked = v;
  SetTabStop(v);
  UpdateNative();
  if (!v) return;
  if (Parent()) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
      if (other && other != this) other->SetChecked(false);
    }
  }
  if (!Loading()) Click();
}

void TRadioButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_BUTTON | DLGC_RADIOBUTTON; return;
    case CM_DIALOGCHAR:
      if (!IsAccelFor(Message, *this)) break;
      SetFocus();
      Message.Result = 1;
      return;
    case WM_SETFOCUS:
      TButtonControl::Dispatch(Message);
      SetChecked(true);
      return;
    default: break;
  }
  TButtonControl::Dispatch(Message);
}

void TComboBox::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    // An open list keeps Enter and Escape for itself.
    Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | (DroppedDown() ? DLGC_WANTALLKEYS : 0);
    return;
  }
  if (Message.Msg == CN_COMMAND) return ComboNotification(HiWord(Message.WParam));
  if (Message.Msg == CB_SETITEMHEIGHT || Message.Msg == CB_GETITEMHEIGHT) return ItemHeightMessage(Message);
  TWinControl::Dispatch(Message);
}

namespace {
constexpr int kComboFrame = 6;  // the selection field's frame, top and bottom together
}

void TComboBox::ItemHeightMessage(TMessage& Message) {
  const bool field = static_cast<int>(Message.WParam) == -1;
  if (Message.Msg == CB_GETITEMHEIGHT) {
    Message.Result = field ? (FFieldHeight > 0 ? FFieldHeight : Height() - kComboFrame) : ItemHeight();
    return;
  }
  const int h = static_cast<int>(Message.LParam);
  Message.Result = h > 0 && h < 256 ? 0 : CB_ERR;
  if (Message.Result == CB_ERR) return;
  if (!field) return SetItemHeight(h);
  FFieldHeight = h;
  SetBounds(Left(), Top(), Width(), Height());
}

void TComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (FFieldHeight > 0 && FStyle != csSimple) AHeight = FFieldHeight + kComboFrame;
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TComboBox::ComboNotification(WORD Code) {
  switch (Code) {
    case CBN_SELCHANGE: return Select();
    case CBN_EDITCHANGE: return Change();
    case CBN_DROPDOWN: return FireEvent(OnDropDown, this);
    case CBN_CLOSEUP: return FireEvent(OnCloseUp, this);
    default: break;
  }
}

void TComboBox::Change() {
  FireEvent(OnChange, this);
}

void TComboBox::Select() {
  if (OnSelect) FireEvent(OnSelect, this);
  else Change();
}
